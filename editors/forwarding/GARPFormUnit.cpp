#include "editors/forwarding/GARPFormUnit.h"

#include "editors/forwarding/Form1Unit.h"
#include "catalogue/NvCatalogueTables.h"

namespace {

using Form = TForwardingInfoForm;

const Form::FieldRecipe kFields[] = {
    {.name = "GarpJoinTime", .label = "GARP Join Time           (0....2147483647)", .row = 1,
     .constraint = "%i{n0x2147483647l10}"},
    {.name = "GarpLeaveTime", .label = "GARP Leave Time       (0....2147483647)", .row = 2,
     .constraint = "%i{n0x2147483647l10}"},
    {.name = "GarpLeaveAllTime", .label = "GARP Leave All Time   (0....2147483647)", .row = 3,
     .constraint = "%i{n0x2147483647l10}"},
};
const Form::ButtonRecipe kButtons[] = {
    {.name = "RefreshButton", .caption = "Refresh", .action = Form::Action::Refresh},
    {.name = "SetButton", .caption = "Set", .action = Form::Action::Set, .hidden = true},
};
const Form::Recipe kRecipe = {
    .caption = "GARP Form",
    .width = 696,
    .height = 486,
    .lists = {{.table = GarpVars, .kind = NvSNMPVarList::Table, .indexCount = 1}},
    .listView = "LV_dot1dPortGarpEntry",
    .fields = kFields,
    .fieldsHidden = true,
    .buttons = kButtons,
};

} // namespace

TGARPForm::TGARPForm(const EditorContext& context, QWidget* owner)
    : TForwardingInfoForm(context, owner, kRecipe)
{
    start(true);
}

void TGARPForm::RefreshClick()
{
    const TForm1* gate = TForm1::instance();
    if (!gate->getDone || !gate->setDone)
        return;
    gatedGet();
}
