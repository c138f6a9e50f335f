#include "editors/tables/MacStatisticTableFormUnit.h"

#include "catalogue/NvCatalogueTables.h"

TMacStatisticTableForm::TMacStatisticTableForm(const EditorContext& context, QWidget* owner)
    : TStatisticsViewForm(context, owner, "MACStatisticTableForm", MacStatisticVars)
{
}
