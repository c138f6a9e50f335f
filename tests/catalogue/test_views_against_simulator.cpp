// Every view of the catalogue, read from the simulator serving the catalogue's
// own dump: each scalar group must answer and each table must hold rows.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "snmp/NvSNMPError.h"
#include "snmp/NvSNMPRequest.h"
#include "snmp/NvSNMPSession.h"
#include "catalogue/NvViewCatalogue.h"
#include "tests/common/SimulatorProcess.h"

namespace {

// Reads one view; returns the number of rows (tables) or answered rows (scalars).
int readView(const NvViewTable& view, std::string& failure)
{
    NvSNMPRequest request;
    request.varList.assign(NvSNMPVarList(view.table, view.listKind, view.indexCount));
    // Single-instance views are opened for one port or unit; the first one serves.
    if (view.listKind == NvSNMPVarList::SingleInstance)
        request.varList.instance = "1";
    try {
        if (!request.varList.isTable()) {
            request.getSync(true);
            int answered = 0;
            for (int i = 0; i < request.varList.count(); ++i)
                if (request.varList.isReadable(i) && request.varList.row(i).value != "(NULL)")
                    ++answered;
            return answered;
        }
        int rows = 0;
        for (bool more = request.getSync(true); more; more = request.getSync(false))
            ++rows;
        return rows;
    } catch (const NvSNMPException& e) {
        failure = e.what();
        return 0;
    }
}

}  // namespace

TEST(CatalogueAgainstSimulator, EveryViewAnswers)
{
    static int argc = 1;
    static char name[] = "test_catalogue";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);

    SimulatorProcess sim;
    const auto dump = sim.run({std::string(NV_BIN_DIR) + "/catalogue-dump"});
    ASSERT_EQ(dump.exitCode, 0) << dump.err;
    const std::string tsv = sim.writeFile("catalogue.tsv", dump.out);
    ASSERT_TRUE(sim.start({"--catalogue", tsv, "--quiet"})) << sim.log();

    QTemporaryDir work;
    startSnmpSession(work.path().toStdString());
    NvSNMPDevice.address = "127.0.0.1";
    NvSNMPDevice.port = static_cast<uint16_t>(sim.port());
    NvSNMPSecurity.version = 1;  // the interface extension table needs 64-bit counters

    int answered = 0;
    std::vector<std::string> empty;
    for (const NvViewTable* view = NvViewCatalogue::begin(); view != NvViewCatalogue::end(); ++view) {
        std::string failure;
        if (readView(*view, failure) > 0)
            ++answered;
        else
            empty.push_back(std::to_string(view->number) + " " + view->name + (failure.empty() ? "" : ": " + failure));
    }
    std::printf("catalogue views answered by the simulator: %d of %d\n", answered, NvViewCatalogue::TableCount);
    std::string list;
    for (const auto& e : empty)
        list += "  " + e + "\n";
    EXPECT_TRUE(empty.empty()) << "views without an answer:\n" << list;
}
