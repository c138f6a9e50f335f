#include "panels/PanelFormTable.h"

#include "panels/PanelHV630FormUnit.h"
#include "panels/PanelHV640FormUnit.h"
#include "panels/PanelHV710FormUnit.h"
#include "panels/PanelHV720FormUnit.h"
#include "panels/frmHM10Unit.h"
#include "panels/frmHM20Unit.h"

namespace {

using Carrier = TExpansionModuleForm::Carrier;
using Model = TPanelFormTable::Model;
using Module = TPanelFormTable::Module;

template <class Form, class Base>
Base* create(QWidget* owner)
{
    return new Form(owner);
}

constexpr auto hv710 = &create<TPanelHV710Form, TUnitPanelForm>;
constexpr auto hv720 = &create<TPanelHV720Form, TUnitPanelForm>;
constexpr auto hv630 = &create<TPanelHV630Form, TUnitPanelForm>;
constexpr auto hv640 = &create<TPanelHV640Form, TUnitPanelForm>;

const Model kModels[] = {
    {.name = "HV-710", .create = hv710, .carrier = Carrier::HV710, .portCount = 50},
    {.name = "HV710", .create = hv710, .carrier = Carrier::HV710, .portCount = 50},
    {.name = "HV-720", .create = hv720, .carrier = Carrier::HV720, .portCount = 26},
    {.name = "HV720", .create = hv720, .carrier = Carrier::HV720, .portCount = 26},
    {.name = "HV-630", .create = hv630, .carrier = Carrier::None, .portCount = 24},
    {.name = "HV630", .create = hv630, .carrier = Carrier::None, .portCount = 24},
    {.name = "HV-640", .create = hv640, .carrier = Carrier::None, .portCount = 24},
    {.name = "HV640", .create = hv640, .carrier = Carrier::None, .portCount = 24},
    {.name = "HV-640*", .create = hv640, .carrier = Carrier::None, .portCount = 24},
};

const Module kModules[] = {
    {.name = "HM20", .create = &create<TfrmHM20, TExpansionModuleForm>},
    {.name = "HM10", .create = &create<TfrmHM10, TExpansionModuleForm>},
};

template <class Row>
const Row* find(std::span<const Row> rows, const QString& name)
{
    for (const Row& r : rows) {
        if (name == QLatin1String(r.name))
            return &r;
    }
    return nullptr;
}

}  // namespace

std::span<const Model> TPanelFormTable::models()
{
    return kModels;
}

const Model* TPanelFormTable::model(const QString& name)
{
    return find<Model>(kModels, name);
}

const Module* TPanelFormTable::module(const QString& name)
{
    return find<Module>(kModules, name);
}
