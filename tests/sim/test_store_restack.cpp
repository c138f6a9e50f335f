// The simulator's store loaded once and given stack after stack (put back from
// a snapshot, then restacked) holds exactly what a load with each stack holds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/DeviceTables.h"
#include "sim/ObjectStore.h"
#include "sim/SpecReader.h"
#include "sim/StackModel.h"

namespace {

StackModel stackOf(const std::string& text)
{
    std::vector<UnitConfig> units;
    std::string error;
    EXPECT_TRUE(StackModel::parseStack(text, units, error)) << error;
    StackModel stack;
    EXPECT_TRUE(stack.setUnits(units, error)) << error;
    return stack;
}

void load(ObjectStore& store)
{
    std::string error;
    ASSERT_TRUE(SpecReader(store).load(DeviceTables::text(), error)) << error;
}

// Every object with its value, and every table's rows.
void expectSameContent(const ObjectStore& a, const ObjectStore& b, const std::vector<std::string>& tables)
{
    ASSERT_EQ(a.objects().size(), b.objects().size());
    auto ia = a.objects().begin();
    for (auto ib = b.objects().begin(); ib != b.objects().end(); ++ia, ++ib) {
        ASSERT_EQ(ia->first, ib->first);
        EXPECT_EQ(ia->second.value, ib->second.value) << oidutil::format(ia->first);
    }
    for (const std::string& name : tables)
        EXPECT_EQ(a.findTable(name)->rows, b.findTable(name)->rows) << name;
}

}  // namespace

TEST(StoreRestack, ARestoredStoreGivenAStackHoldsWhatALoadWithThatStackHolds)
{
    ObjectStore reused;
    load(reused);
    const ObjectStore::Snapshot fresh = reused.snapshot();
    struct Case {
        const char* what;
        const char* stack;
    };
    const Case cases[] = {
        {"three units", "unit=1 model=HV-720 module=HM20\nunit=2 model=HV-710 module=HM10\nunit=3 model=HV-640\n"},
        {"one unit", "unit=1 model=HV-630\n"},
        {"units with gaps, one absent", "unit=2 model=HV-720\nunit=5 model=HV-710 status=not-exist\nunit=12\n"},
        {"the three units again", "unit=1 model=HV-720 module=HM20\nunit=2 model=HV-710 module=HM10\nunit=3 model=HV-640\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StackModel stack = stackOf(c.stack);
        ObjectStore loaded;
        loaded.setStack(stack.portIndexes(), stack.unitIds());
        load(loaded);

        reused.restore(fresh);
        reused.restack(stack.portIndexes(), stack.unitIds());
        expectSameContent(loaded, reused, {"basePorts", "portVlan", "segmentation", "aggregatorPorts", "garp", "portCapabilities"});

        // A written store goes back to the fresh one for the next stack.
        stack.seed(1);
        stack.populate(reused);
    }
}
