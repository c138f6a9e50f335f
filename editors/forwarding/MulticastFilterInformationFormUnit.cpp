#include "editors/forwarding/MulticastFilterInformationFormUnit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

#include "catalogue/NvCatalogueTables.h"

namespace {

using Form = TForwardingInfoForm;

enum FilterRow { VlanRow, MacRow, ReceivePortRow, EgressRow, StatusRow };
constexpr int kInvalidItem = 0;

const Form::FieldRecipe kFields[] = {
    {.name = "ED_MulticastVID", .label = "VID", .row = VlanRow, .constraint = "%i{n1x4094}", .readOnly = true},
    {.name = "ED_MACAddress", .label = "MAC Address", .row = MacRow, .constraint = "%h", .readOnly = true},
    {.name = "Status", .label = "Status", .row = StatusRow, .kind = Form::FieldKind::Combo, .disabled = true},
};
const Form::GridRecipe kGrids[] = {{.page = "Egress Ports", .row = EgressRow}};
const Form::ButtonRecipe kButtons[] = {
    {.name = "RefreshButton", .caption = "Refresh", .action = Form::Action::Refresh},
    {.name = "Button1", .caption = "Delete", .action = Form::Action::Delete},
    {.name = "SetButton", .caption = "Set", .action = Form::Action::Set, .hidden = true},
};
const Form::Recipe kRecipe = {
    .caption = "MulticastFilterInformationForm",
    .width = 659,
    .height = 449,
    .lists = {{.table = StaticMulticastVars, .kind = NvSNMPVarList::EditableTable, .indexCount = 3}},
    .listView = "LV_dot1qStaticMulticastEntry",
    .fields = kFields,
    .grids = kGrids,
    .buttons = kButtons,
};

} // namespace

TMulticastFilterInformationForm::TMulticastFilterInformationForm(const EditorContext& context, QWidget* owner)
    : TForwardingInfoForm(context, owner, kRecipe)
{
    start();
    // After the binding's own handler, which enables the controls it fills.
    connect(listView(), &QTreeWidget::itemSelectionChanged, this, [this] { control("Status")->setEnabled(false); });
}

void TMulticastFilterInformationForm::cleanUp()
{
    uncheckGrids();
    for (const char* name : {"ED_MulticastVID", "ED_MACAddress"}) {
        auto* edit = static_cast<QLineEdit*>(control(name));
        edit->clear();
        edit->setReadOnly(true);
    }
    auto* status = static_cast<QComboBox*>(control("Status"));
    status->setCurrentIndex(-1);
    status->setEnabled(false);
}

void TMulticastFilterInformationForm::RefreshClick()
{
    TForwardingInfoForm::RefreshClick();
    cleanUp();
}

void TMulticastFilterInformationForm::DeleteClick()
{
    selectItem("Status", kInvalidItem);
    guarded([this] { binding()->set(true, true); });
    cleanUp();
}
