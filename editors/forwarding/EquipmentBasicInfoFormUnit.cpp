#include "editors/forwarding/EquipmentBasicInfoFormUnit.h"

#include "catalogue/NvCatalogueTables.h"

namespace {

using Form = TForwardingInfoForm;

// Edit1 beside "Equipment Capacity" is bound to no row and stays empty.
const Form::FieldRecipe kFields[] = {
    {.name = "Edit1", .label = "Equipment Capacity"},
    {.name = "Edit4", .label = "Stacking Version", .row = 1, .constraint = "%i"},
    {.name = "Edit2", .label = "Max Supported Units", .row = 2, .constraint = "%i"},
    {.name = "Edit3", .label = "Number Of Unit", .row = 3, .constraint = "%i"},
};
const Form::ButtonRecipe kButtons[] = {{.name = "BitBtn1", .caption = "Refresh", .action = Form::Action::Refresh}};
const Form::Recipe kRecipe = {
    .caption = "Equipment Basic Information",
    .width = 436,
    .height = 189,
    .lists = {{.table = EquipmentBasicInfoVars, .kind = NvSNMPVarList::ScalarGroup}},
    .fields = kFields,
    .buttons = kButtons,
};

} // namespace

TEquipmentBasicInfoForm::TEquipmentBasicInfoForm(const EditorContext& context, QWidget* owner)
    : TForwardingInfoForm(context, owner, kRecipe)
{
    start();
}
