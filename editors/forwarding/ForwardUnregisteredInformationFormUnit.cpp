#include "editors/forwarding/ForwardUnregisteredInformationFormUnit.h"

#include "catalogue/NvCatalogueTables.h"

namespace {

using Form = TForwardingInfoForm;

const Form::GridRecipe kGrids[] = {
    {.page = "Unregistered Ports"},
    {.page = "Unregisteried Static Ports"},
    {.page = "Unregistered Forbidden Ports"},
};
const Form::ButtonRecipe kButtons[] = {
    {.name = "RefreshButton", .caption = "Refresh", .action = Form::Action::Refresh},
    {.name = "SetButton", .caption = "Set", .action = Form::Action::Set},
};
const Form::Recipe kRecipe = {
    .caption = "Forward Unregistered Information",
    .width = 696,
    .height = 480,
    .lists = {{.table = ForwardUnregisteredVars, .kind = NvSNMPVarList::Table, .indexCount = 1}},
    .listView = "LV_dot1qForwardUnregisteredEntry",
    .grids = kGrids,
    .buttons = kButtons,
    .showCount = true,
};

} // namespace

TForwardUnregisteredInformationForm::TForwardUnregisteredInformationForm(const EditorContext& context,
                                                                         QWidget* owner)
    : TForwardingInfoForm(context, owner, kRecipe)
{
    start();
}

void TForwardUnregisteredInformationForm::RefreshClick()
{
    TForwardingInfoForm::RefreshClick();
    uncheckGrids();
}

void TForwardUnregisteredInformationForm::SetClick()
{
    // Reads the table again; nothing is written.
    TForwardingInfoForm::RefreshClick();
}
