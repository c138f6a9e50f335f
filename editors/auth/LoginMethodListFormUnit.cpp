#include "editors/auth/LoginMethodListFormUnit.h"

#include "catalogue/NvCatalogueTables.h"

namespace {

const TMethodListForm::Texts kLogin = {
    .caption = "Login Method List",
    .table = LoginMethodListVars,
    .nameEdit = "ListnameEdit",
    .typeCombos = {"ComboBoxType1", "ComboBoxType2", "ComboBoxType3", "ComboBoxType4"},
    .serverEdits = {"Server1Edit", "Server2Edit", "Server3Edit", "Server4Edit"},
    .labels = {"AAC Login Method List Name", "Method1 Type", "Method1 ServerGroup", "Method2 Type",
               "Method2 ServerGroup", "Method3 Type", "Method3 ServerGroup", "Method4 Type",
               "Method4 ServerGroup", "MethodList RowStatus"},
    .nameMissing = "AAC Login Method List Name must be set.",
    .nameTaken = "Has already a record with the same Login Method List Name. Please Change Login Method "
                 "List Name.",
};

} // namespace

TLoginMethodListForm::TLoginMethodListForm(const EditorContext& context, QWidget* owner)
    : TMethodListForm(context, owner, kLogin)
{
}
