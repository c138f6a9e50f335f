// Every view of the catalogue, read from the simulator serving the catalogue's
// own dump: each scalar group must answer and each table must hold rows, the
// same rows whether it is walked with GETBULK or with get-next.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "snmp/NvSNMPError.h"
#include "snmp/NvSNMPRequest.h"
#include "snmp/NvSNMPSession.h"
#include "tests/common/AgentSession.h"
#include "catalogue/NvViewCatalogue.h"
#include "tests/common/SimulatorProcess.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

// Reads one view into rows of value texts (one row for a scalar group or an
// instance). Table views are walked with the walk mode in force.
Rows readView(const NvViewTable& view, std::string& failure)
{
    NvSNMPRequest request;
    request.varList.assign(NvSNMPVarList(view.table, view.listKind, view.indexCount));
    // Single-instance views are opened for one port or unit; the first one serves.
    if (view.listKind == NvSNMPVarList::SingleInstance)
        request.varList.instance = "1";
    auto values = [&] {
        std::vector<std::string> v;
        for (int i = 0; i < request.varList.count(); ++i)
            v.push_back(request.varList.row(i).value);
        return v;
    };
    Rows rows;
    try {
        if (!request.varList.isTable()) {
            request.getSync(true);
            rows.push_back(values());
            return rows;
        }
        for (bool more = request.getSync(true); more; more = request.getSync(false))
            rows.push_back(values());
    } catch (const NvSNMPException& e) {
        failure = e.what();
    }
    return rows;
}

// Readable rows of a scalar or instance view that answered.
int answered(const NvViewTable& view, const Rows& rows)
{
    if (rows.empty())
        return 0;
    if (view.listKind == NvSNMPVarList::Table || view.listKind == NvSNMPVarList::EditableTable)
        return static_cast<int>(rows.size());
    NvSNMPVarList list(view.table, view.listKind, view.indexCount);
    int n = 0;
    for (int i = 0; i < list.count(); ++i)
        if (list.isReadable(i) && rows[0][static_cast<size_t>(i)] != "(NULL)")
            ++n;
    return n;
}

}  // namespace

TEST(CatalogueAgainstSimulator, EveryViewAnswersAndBulkWalksMatchGetNext)
{
    SimulatorProcess sim;
    const auto dump = sim.run({std::string(NV_BIN_DIR) + "/catalogue-dump"});
    ASSERT_EQ(dump.exitCode, 0) << dump.err;
    const std::string tsv = sim.writeFile("catalogue.tsv", dump.out);
    // LEDs, links and counters stay still, so that two walks of a view can be compared.
    ASSERT_TRUE(sim.start({"--catalogue", tsv, "--led-period", "3600000", "--still", "--quiet"})) << sim.log();

    QTemporaryDir work;
    startSnmpSession(work.path().toStdString());
    pointSessionAt(sim.port(), 100);  // SNMPv2c: the interface extension table needs 64-bit counters

    int answeredViews = 0;
    std::vector<std::string> empty;
    for (const NvViewTable* view = NvViewCatalogue::begin(); view != NvViewCatalogue::end(); ++view) {
        std::string failure;
        walkMaxRepetitions = kAutomaticRepetitions;
        const Rows bulk = readView(*view, failure);
        if (answered(*view, bulk) > 0)
            ++answeredViews;
        else
            empty.push_back(std::to_string(view->number) + " " + view->name + (failure.empty() ? "" : ": " + failure));
        if (view->listKind == NvSNMPVarList::Table || view->listKind == NvSNMPVarList::EditableTable) {
            walkMaxRepetitions = 0;
            std::string getNextFailure;
            EXPECT_EQ(bulk, readView(*view, getNextFailure)) << view->number << " " << view->name;
            EXPECT_EQ(failure, getNextFailure) << view->number << " " << view->name;
        }
    }
    std::printf("catalogue views answered by the simulator: %d of %d\n", answeredViews, NvViewCatalogue::TableCount);
    std::string list;
    for (const auto& e : empty)
        list += "  " + e + "\n";
    EXPECT_TRUE(empty.empty()) << "views without an answer:\n" << list;
}
