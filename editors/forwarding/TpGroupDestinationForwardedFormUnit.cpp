#include "editors/forwarding/TpGroupDestinationForwardedFormUnit.h"

#include "catalogue/NvCatalogueTables.h"

namespace {

using Form = TForwardingInfoForm;

const Form::GridRecipe kGrids[] = {{.page = "Egress Ports", .row = 2}, {.page = "GMRP Learn Port", .row = 3}};
const Form::ButtonRecipe kButtons[] = {{.name = "RefreshButton", .caption = "Refresh", .action = Form::Action::Refresh}};
const Form::Recipe kRecipe = {
    .caption = "Tp Group Destination Forwarded",
    .width = 696,
    .height = 460,
    .lists = {{.table = TpGroupVars, .kind = NvSNMPVarList::EditableTable, .indexCount = 2}},
    .listView = "LV_dot1qTpGroupEntry",
    .grids = kGrids,
    .buttons = kButtons,
};

} // namespace

TTpGroupDestinationForwardedForm::TTpGroupDestinationForwardedForm(const EditorContext& context, QWidget* owner)
    : TForwardingInfoForm(context, owner, kRecipe)
{
    start();
}
