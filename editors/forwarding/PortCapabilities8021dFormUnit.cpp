#include "editors/forwarding/PortCapabilities8021dFormUnit.h"

#include "editors/forwarding/Form1Unit.h"
#include "catalogue/NvCatalogueTables.h"

namespace {

using Form = TForwardingInfoForm;

const Form::ButtonRecipe kButtons[] = {{.name = "RefreshButton", .caption = "Refresh", .action = Form::Action::Refresh}};
const Form::Recipe kRecipe = {
    .caption = "Port Capability Form",
    .width = 449,
    .height = 291,
    .lists = {{.table = PortCapabilities8021dVars, .kind = NvSNMPVarList::Table, .indexCount = 1}},
    .listView = "LV_dot1dPortCapabilitiesEntry",
    .buttons = kButtons,
    .showCount = true,
};

} // namespace

TPortCapabilities8021dForm::TPortCapabilities8021dForm(const EditorContext& context, QWidget* owner)
    : TForwardingInfoForm(context, owner, kRecipe)
{
    start(true);
}

void TPortCapabilities8021dForm::RefreshClick()
{
    if (!TForm1::instance()->getDone)
        return;
    gatedGet();
}
