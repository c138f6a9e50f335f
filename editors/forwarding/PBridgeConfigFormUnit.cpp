#include "editors/forwarding/PBridgeConfigFormUnit.h"

#include "catalogue/NvCatalogueTables.h"

namespace {

using Form = TForwardingInfoForm;

const Form::FieldRecipe kFields[] = {
    {.name = "Edit_DeviceCapabilities", .label = "Device Capabilities", .row = 0,
     .kind = Form::FieldKind::StaticText, .list = 0},
    {.name = "TrafficClassesState", .label = "Traffic Classes Enabled", .row = 0, .kind = Form::FieldKind::Combo,
     .list = 1},
    {.name = "GmrpStatus", .label = "GMRP Status", .kind = Form::FieldKind::Combo, .hidden = true},
};
const Form::ButtonRecipe kButtons[] = {
    {.name = "BT_Get", .caption = "Refresh", .action = Form::Action::Refresh},
    {.name = "BT_Set", .caption = "Set", .action = Form::Action::Set},
};
const Form::Recipe kRecipe = {
    .caption = "802.1P Basic Configure",
    .width = 380,
    .height = 176,
    .lists = {{.table = DeviceCapabilitiesVars, .kind = NvSNMPVarList::ScalarGroup},
              {.table = TrafficClassesEnabledVars, .kind = NvSNMPVarList::ScalarGroup}},
    .fields = kFields,
    .buttons = kButtons,
};

} // namespace

TPBridgeConfigForm::TPBridgeConfigForm(const EditorContext& context, QWidget* owner)
    : TForwardingInfoForm(context, owner, kRecipe)
{
    start();
}
