#include "editors/forwarding/UnicastFilterInformationFormUnit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

#include "catalogue/NvCatalogueTables.h"

namespace {

using Form = TForwardingInfoForm;

enum FilterRow { VlanRow, MacRow, ReceivePortRow, AllowedPortsRow, StatusRow };
constexpr int kInvalidItem = 0;

const Form::FieldRecipe kFields[] = {
    {.name = "ED_UnicastVID", .label = "VID", .row = VlanRow, .constraint = "%i{n1x4094}", .readOnly = true,
     .disabled = true},
    {.name = "UnicastAddress", .label = "MAC  Address", .row = MacRow, .constraint = "%h", .readOnly = true,
     .disabled = true},
    {.name = "UStatus", .label = "Status", .row = StatusRow, .kind = Form::FieldKind::Combo, .disabled = true},
};
const Form::GridRecipe kGrids[] = {{.page = "Allow To Go To Port", .row = AllowedPortsRow}};
const Form::ButtonRecipe kButtons[] = {
    {.name = "RefreshButton", .caption = "Refresh", .action = Form::Action::Refresh},
    {.name = "DeleteButton", .caption = "Delete", .action = Form::Action::Delete},
    {.name = "SetButton", .caption = "Set", .action = Form::Action::Set, .hidden = true},
};
const Form::Recipe kRecipe = {
    .caption = "UnicastFilterInformationForm",
    .width = 695,
    .height = 485,
    .lists = {{.table = StaticUnicastVars, .kind = NvSNMPVarList::EditableTable, .indexCount = 3}},
    .listView = "LV_dot1qStaticUnicastEntry",
    .fields = kFields,
    .grids = kGrids,
    .gridGroupBox = "Allow To Go To Port",
    .buttons = kButtons,
    .showCount = true,
};

} // namespace

TUnicastFilterInformationForm::TUnicastFilterInformationForm(const EditorContext& context, QWidget* owner)
    : TForwardingInfoForm(context, owner, kRecipe)
{
    start();
    // After the binding's own handler, which enables the controls it fills.
    connect(listView(), &QTreeWidget::itemSelectionChanged, this, [this] { control("UStatus")->setEnabled(false); });
}

void TUnicastFilterInformationForm::cleanUp()
{
    uncheckGrids();
    static_cast<QLineEdit*>(control("UnicastAddress"))->clear();
    static_cast<QLineEdit*>(control("ED_UnicastVID"))->clear();
    static_cast<QComboBox*>(control("UStatus"))->setCurrentIndex(-1);
}

void TUnicastFilterInformationForm::RefreshClick()
{
    TForwardingInfoForm::RefreshClick();
    cleanUp();
}

void TUnicastFilterInformationForm::DeleteClick()
{
    // Only the index and the status go out: the port list sits this write out
    // and is writable again afterwards, also when the write fails.
    NvSNMPVarRow& ports = binding()->request.varList.row(AllowedPortsRow);
    ports.access |= AccessExcluded;
    selectItem("UStatus", kInvalidItem);
    guarded([this] { binding()->set(true, true); });
    ports.access = AccessReadable | AccessWritable;
    cleanUp();
}
