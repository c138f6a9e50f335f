// hv720-sim: an SNMP agent that plays a stack of HV-710/720/630/640 switches.
#include "sim/CatalogueLoader.h"
#include "sim/CurrentVlanFollower.h"
#include "sim/DeviceTables.h"
#include "sim/FaultSwitches.h"
#include "sim/ObjectStore.h"
#include "sim/SimAgent.h"
#include "sim/SimOptions.h"
#include "sim/SpecReader.h"
#include "sim/StackModel.h"
#include "sim/StandardMibObjects.h"

#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {
volatile std::sig_atomic_t g_stop = 0;
// How often the standard MIBs' counters are brought up to date.
constexpr int kCounterPeriodMs = 500;
void onSignal(int) { g_stop = 1; }

void addBigTable(ObjectStore& store, int rows)
{
    const Oid entry{1, 3, 6, 1, 4, 1, 497, 999, 2, 1, 1};
    auto column = [&](std::uint32_t n, ValueKind kind, Access access, const std::string& def) {
        ColumnSpec c;
        c.oid = oidutil::concat(entry, n);
        c.kind = kind;
        c.access = access;
        c.defaultText = def;
        return c;
    };
    std::vector<ColumnSpec> cols{
        column(1, ValueKind::Integer, Access::ReadOnly, "%i"),
        column(2, ValueKind::Display, Access::ReadWrite, "row %i"),
        column(3, ValueKind::Counter, Access::ReadOnly, ""),
        column(4, ValueKind::Gauge, Access::ReadOnly, "%i"),
        column(5, ValueKind::IpAddress, Access::ReadOnly, ""),
        column(6, ValueKind::Integer, Access::ReadWrite, "1"),
    };
    cols[5].enumValues = {1, 2};
    TableSpec* t = store.addTable("big", {IndexKind::Integer}, cols);
    for (int i = 1; i <= rows; ++i)
        store.addRow(t, Oid{static_cast<std::uint32_t>(i)});
}
} // namespace

int main(int argc, char** argv)
{
    SimOptions options;
    std::string error;
    if (!options.parse(argc, argv, error)) {
        std::cerr << "hv720-sim: " << error << "\n" << SimOptions::usage();
        return 2;
    }
    if (options.helpRequested) {
        std::cout << SimOptions::usage();
        return 0;
    }
    if (options.versionRequested) {
        std::cout << "hv720-sim " << NV_VERSION << "\n";
        return 0;
    }

    StackModel stack;
    stack.seed(options.seed);
    if (!stack.setUnits(options.units.empty() ? StackModel::defaultStack() : options.units, error)) {
        std::cerr << "hv720-sim: " << error << "\n";
        return 2;
    }

    ObjectStore store;
    store.setStack(stack.portIndexes(), stack.unitIds());
    SpecReader reader(store);
    if (!reader.load(DeviceTables::text(), error)) {
        std::cerr << "hv720-sim: device tables: " << error << "\n";
        return 1;
    }
    stack.populate(store);
    CurrentVlanFollower vlanFollower(store);
    vlanFollower.install();
    store.put(Oid{1, 3, 6, 1, 4, 1, 497, 11, 59, 7, 2, 1, 2, 3, 0}, SimValue::integer(options.rmonState));

    // The standard MIBs behind the companion views, before a catalogue so that
    // their moving counters are not replaced by its fixed values.
    StandardMibObjects standardMibs(store);
    if (!standardMibs.load(error)) {
        std::cerr << "hv720-sim: standard MIB objects: " << error << "\n";
        return 1;
    }

    FaultSwitches& faults = options.faults;
    faults.registerControls(store);
    if (options.bigTable > 0)
        addBigTable(store, options.bigTable);
    if (!options.cataloguePath.empty()) {
        std::ifstream in(options.cataloguePath, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        CatalogueLoader loader(store);
        if (!in || !loader.load(ss.str(), error)) {
            std::cerr << "hv720-sim: " << (in ? error : "cannot read " + options.cataloguePath) << "\n";
            return 2;
        }
    }

    SimAgent agent(options, store, stack, faults);
    if (!agent.start(error)) {
        std::cerr << "hv720-sim: " << error << "\n";
        agent.shutdown();
        return 3;
    }
    if (!options.still)
        standardMibs.startMoving(kCounterPeriodMs);
    std::signal(SIGTERM, onSignal);
    std::signal(SIGINT, onSignal);
    std::signal(SIGHUP, onSignal);
    if (!options.quiet) {
        std::cout << "hv720-sim: listening on " << options.listen << " (" << store.objects().size()
                  << " objects)" << std::endl;
    }
    agent.run(g_stop);
    agent.shutdown();
    return 0;
}
