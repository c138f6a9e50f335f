#include "editors/tables/DiagnosticsInformationFormUnit.h"

#include "catalogue/NvCatalogueTables.h"

TDiagnosticsInformationForm::TDiagnosticsInformationForm(const EditorContext& context, QWidget* owner)
    : TStatisticsViewForm(context, owner, "Diagnostics Information Form", DiagnosticsInfoVars)
{
}
