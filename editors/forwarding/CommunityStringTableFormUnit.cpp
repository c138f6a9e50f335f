#include "editors/forwarding/CommunityStringTableFormUnit.h"

#include <QPushButton>
#include <QTreeWidget>

#include "catalogue/NvCatalogueTables.h"

namespace {

using Form = TForwardingInfoForm;

constexpr int kActiveItem = 0;
constexpr int kCreateAndGoItem = 1;
constexpr int kDestroyItem = 2;

const Form::FieldRecipe kFields[] = {
    {.name = "Edit1", .label = "Index", .row = 0},
    {.name = "Edit2", .label = "Name", .row = 1},
    {.name = "Edit3", .label = "Security Name", .row = 2},
    {.name = "ComboBox2", .label = "Status", .row = 3, .kind = Form::FieldKind::Combo},
};
const Form::ButtonRecipe kButtons[] = {
    {.name = "RefreshButton", .caption = "Refresh", .action = Form::Action::Refresh},
    {.name = "SetButton", .caption = "Set", .action = Form::Action::Set},
    {.name = "AddButton", .caption = "Add", .action = Form::Action::Add},
    {.name = "DeleteButton", .caption = "Delete", .action = Form::Action::Delete},
    {.name = "CloseButton", .caption = "Close", .action = Form::Action::Close},
};
const Form::Recipe kRecipe = {
    .caption = "CommunityStringTableForm",
    .width = 516,
    .height = 282,
    .lists = {{.table = CommunityVars, .kind = NvSNMPVarList::EditableTable, .indexCount = 1}},
    .listView = "ListView1",
    .fields = kFields,
    .buttons = kButtons,
};

} // namespace

TCommunityStringTableForm::TCommunityStringTableForm(const EditorContext& context, QWidget* owner)
    : TForwardingInfoForm(context, owner, kRecipe)
{
    start();
    // "Delete" needs a selected line.
    QPushButton* remove = button("DeleteButton");
    remove->setEnabled(false);
    connect(listView(), &QTreeWidget::itemSelectionChanged, this,
            [this, remove] { remove->setEnabled(!listView()->selectedItems().isEmpty()); });
}

void TCommunityStringTableForm::AddClick()
{
    selectItem("ComboBox2", kCreateAndGoItem);
    guarded([this] { binding()->set(true, true); });
    // The status chosen for Add or Delete is not carried into a later Set.
    selectItem("ComboBox2", kActiveItem);
}

void TCommunityStringTableForm::DeleteClick()
{
    if (listView()->selectedItems().isEmpty())
        return;
    selectItem("ComboBox2", kDestroyItem);
    guarded([this] { binding()->set(true, true); });
    selectItem("ComboBox2", kActiveItem);
}
