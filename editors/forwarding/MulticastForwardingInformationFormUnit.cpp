#include "editors/forwarding/MulticastForwardingInformationFormUnit.h"

#include "catalogue/NvCatalogueTables.h"

namespace {

using Form = TForwardingInfoForm;

const Form::GridRecipe kGrids[] = {
    {.page = "All Forwarded Ports", .row = 1},
    {.page = "All Static Ports", .row = 2},
    {.page = "All Forbidden Ports", .row = 3},
};
const Form::ButtonRecipe kButtons[] = {
    {.name = "RefreshButton", .caption = "Refresh", .action = Form::Action::Refresh},
    {.name = "SetButton", .caption = "Set", .action = Form::Action::Set},
};
const Form::Recipe kRecipe = {
    .caption = "MulticastForwardingInformationForm",
    .width = 696,
    .height = 514,
    .lists = {{.table = ForwardAllVars, .kind = NvSNMPVarList::Table, .indexCount = 1}},
    .listView = "LV_dot1qForwardUnregisteredEntry",
    .grids = kGrids,
    .buttons = kButtons,
    .showCount = true,
};

} // namespace

TMulticastForwardingInformationForm::TMulticastForwardingInformationForm(const EditorContext& context,
                                                                         QWidget* owner)
    : TForwardingInfoForm(context, owner, kRecipe)
{
    start();
}
