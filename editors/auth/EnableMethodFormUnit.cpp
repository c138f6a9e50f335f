#include "editors/auth/EnableMethodFormUnit.h"

#include "catalogue/NvCatalogueTables.h"

namespace {

const TMethodListForm::Texts kEnable = {
    .caption = "Enable Method List",
    .table = EnableMethodListVars,
    .nameEdit = "NameEdit",
    .typeCombos = {"Type1ComboBox", "Type2ComboBox", "Type3ComboBox", "Type4ComboBox"},
    .serverEdits = {"ServerGroupEdit1", "ServerGroupEdit2", "ServerGroupEdit3", "ServerGroupEdit4"},
    .labels = {"Enable MethodList Name", "Enable Method1 Type", "Enable Method1 ServerGroup",
               "Enable Method2 Type", "Enable Method2 ServerGroup", "Enable Method3 Type",
               "Enable Method3 ServerGroup", "Enable Method4 Type", "Enable Method4 ServerGroup",
               "Enable MethodList RowStatus"},
    .nameMissing = "Enable MethodList Name must be set.",
    .nameTaken = "Has already a record with the same Enable MethodList Name. Please Change Enable MethodList "
                 "Name.",
};

} // namespace

TEnableMethodForm::TEnableMethodForm(const EditorContext& context, QWidget* owner)
    : TMethodListForm(context, owner, kEnable)
{
}
