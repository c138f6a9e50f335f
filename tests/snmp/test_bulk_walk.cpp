// Table walks with GETBULK against the simulator: whatever the agent does to a
// GETBULK answer (shortens it, refuses it as too big, fails it, drops it, ends a
// column inside it, goes back inside it), the rows are those of a get-next walk.
// The same for SNMPv1 walks that ask several rows in one get-next, and for walks
// split into index ranges walked at once.
#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "snmp/NvBulkWalk.h"
#include "snmp/NvEventWait.h"
#include "snmp/NvMessageCatalogue.h"
#include "snmp/NvSegmentedWalk.h"
#include "snmp/NvSNMPRequest.h"
#include "snmp/NvSNMPSession.h"
#include "tests/common/AgentSession.h"
#include "snmp/NvSnmpAdapter.h"
#include "tests/common/SimulatorProcess.h"

namespace {

constexpr int kRows = 60;
const std::string kControl = "1.3.6.1.4.1.497.999.1.";

// The simulator's big table (--big-table).
const NvSNMPVarDescriptor kBigTable[] = {
    {"1.3.6.1.4.1.497.999.2.1.1.1", "Index", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.497.999.2.1.1.2", "Name", SyntaxDisplayString, AccessReadable},
    {"1.3.6.1.4.1.497.999.2.1.1.3", "Counter", SyntaxCounter, AccessReadable},
    {"1.3.6.1.4.1.497.999.2.1.1.4", "Gauge", SyntaxGauge, AccessReadable},
    {"1.3.6.1.4.1.497.999.2.1.1.5", "Address", SyntaxIpAddress, AccessReadable},
    {"1.3.6.1.4.1.497.999.2.1.1.6", "State", SyntaxInteger, AccessReadable},
    {nullptr},
};

// The community table, the last objects the simulator serves: a walk of its
// last column runs into endOfMibView.
const NvSNMPVarDescriptor kCommunityTable[] = {
    {"1.3.6.1.6.3.18.1.1.1.1", "Index", SyntaxDisplayString, AccessIndex | AccessImplied},
    {"1.3.6.1.6.3.18.1.1.1.2", "Name", SyntaxOctets, AccessReadable},
    {"1.3.6.1.6.3.18.1.1.1.8", "Status", SyntaxInteger, AccessReadable},
    {nullptr},
};

// The simulator's port table: one integer index, (unit - 1) x 64 + port, so
// rows are missing between the units of the default stack (1-26, 65-114, 129-152).
const NvSNMPVarDescriptor kPortTable[] = {
    {"1.3.6.1.4.1.497.11.59.7.2.3.1.1.1", "Index", SyntaxInteger, AccessReadable},
    {"1.3.6.1.4.1.497.11.59.7.2.3.1.1.2", "Unit Index", SyntaxInteger, AccessReadable},
    {"1.3.6.1.4.1.497.11.59.7.2.3.1.1.3", "Port Type", SyntaxInteger, AccessReadable},
    {"1.3.6.1.4.1.497.11.59.7.2.3.1.1.4", "Link Status", SyntaxInteger, AccessReadable},
    {"1.3.6.1.4.1.497.11.59.7.2.3.1.1.5", "Nway Status", SyntaxInteger, AccessReadable},
    {nullptr},
};

using Rows = std::vector<std::vector<std::string>>;

struct Walked {
    Rows rows;
    int code = 0;
    uint64_t requests = 0;
};

std::vector<std::string> values(const NvSNMPRequest& r)
{
    std::vector<std::string> v;
    for (int i = 0; i < r.varList.count(); ++i)
        v.push_back(r.varList.row(i).value);
    return v;
}

Walked walk(bool async, const NvSNMPVarDescriptor* table = kBigTable)
{
    NvSNMPRequest r;
    r.varList.assign(NvSNMPVarList(table, NvSNMPVarList::Table, 1));
    Walked w;
    const uint64_t before = NvSnmpAdapter::instance()->sentCount();
    if (async) {
        QEventLoop loop;
        NvSNMPReplyHandler handler = [&](NvSNMPRequest& req, const NvSNMPError& e) {
            w.code = e.code;
            if (e.code == 0 && !e.finished && w.rows.size() < 1000) {
                w.rows.push_back(values(req));
                req.getAsync(handler, false);
                return;
            }
            loop.quit();
        };
        r.getAsync(handler, true);
        loop.exec();
    } else {
        try {
            for (bool more = r.getSync(true); more && w.rows.size() < 1000; more = r.getSync(false))
                w.rows.push_back(values(r));
        } catch (const NvSNMPException& e) {
            w.code = e.code();
        }
    }
    w.requests = NvSnmpAdapter::instance()->sentCount() - before;
    return w;
}

// The table walked as index ranges at once (NvSegmentedWalk).
Walked rangedWalk(const std::vector<uint32_t>& bounds, const NvSNMPVarDescriptor* table)
{
    NvSegmentedWalk walk(NvSNMPVarList(table, NvSNMPVarList::Table, 1));
    Walked w;
    const uint64_t before = NvSnmpAdapter::instance()->sentCount();
    bool done = false;
    walk.start(bounds, [&](const NvSNMPError& e) {
        w.code = e.code;
        done = true;
    });
    EXPECT_TRUE(waitUntil([&] { return done; }, 60000));
    w.rows = walk.rows();
    w.requests = NvSnmpAdapter::instance()->sentCount() - before;
    return w;
}

class BulkWalkTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        sim = new SimulatorProcess();
        // Links stay put: walks taken one after the other are compared row by row.
        started = sim->start({"--big-table", std::to_string(kRows), "--led-period", "3600000", "--quiet"});
        counterDir = new QTemporaryDir();
        startSnmpSession(counterDir->path().toStdString());
    }
    static void TearDownTestSuite()
    {
        delete sim;
        delete counterDir;
    }
    void SetUp() override
    {
        ASSERT_TRUE(started) << sim->log();
        pointSessionAt(sim->port(), 100);
        NvBulkWalk::forgetAgents();
    }
    void TearDown() override
    {
        control({{"9", "i", "0"}, {"10", "i", "0"}, {"3", "o", "0.0"}, {"4", "i", "0"}, {"5", "o", "0.0"},
                 {"6", "i", "0"}});
    }
    static void control(const std::vector<std::vector<std::string>>& settings)
    {
        if (settings.empty())
            return;
        std::vector<std::string> args;
        for (const auto& s : settings)
            args.insert(args.end(), {kControl + s[0] + ".0", s[1], s[2]});
        const auto result = sim->set(args);
        ASSERT_EQ(result.exitCode, 0) << result.err;
    }
    // The rows of a get-next walk, as the reference.
    static Walked getNextWalk(bool async, const NvSNMPVarDescriptor* table = kBigTable)
    {
        walkMaxRepetitions = 0;
        Walked w = walk(async, table);
        walkMaxRepetitions = kAutomaticRepetitions;
        return w;
    }

    static SimulatorProcess* sim;
    static QTemporaryDir* counterDir;
    static bool started;
};

SimulatorProcess* BulkWalkTest::sim = nullptr;
QTemporaryDir* BulkWalkTest::counterDir = nullptr;
bool BulkWalkTest::started = false;

TEST_F(BulkWalkTest, AnswersTheAgentSpoilsGiveTheRowsOfGetNext)
{
    const std::string column2 = "1.3.6.1.4.1.497.999.2.1.1.2";
    struct Case {
        const char* name;
        std::vector<std::vector<std::string>> faults;
        uint64_t fewestRequests;  // of the GETBULK walk
        uint64_t mostRequests;
        const NvSNMPVarDescriptor* table = kBigTable;
        size_t rows = kRows;
        int code = 0;  // of both walks: the agent's fault is named, after the rows
    };
    const Case cases[] = {
        {.name = "full answers", .faults = {}, .fewestRequests = 2, .mostRequests = kRows / 4},
        {.name = "answers cut to 3 rows", .faults = {{"9", "i", "1"}, {"10", "i", "3"}},
         .fewestRequests = kRows / 3, .mostRequests = kRows / 3 + 2},
        {.name = "tooBig above 4 rows", .faults = {{"9", "i", "2"}, {"10", "i", "4"}},
         .fewestRequests = kRows / 4, .mostRequests = kRows / 4 + 8},
        // Answered by the simulator itself, which ends its view there.
        {.name = "endOfMibView after the last column", .faults = {{"9", "i", "1"}, {"10", "i", "100"}},
         .fewestRequests = 1, .mostRequests = 2, .table = kCommunityTable, .rows = 2},
        {.name = "one column goes back", .faults = {{"5", "o", column2}, {"6", "i", "2"}},
         .fewestRequests = 2, .mostRequests = kRows + 2, .code = ErrWalkNotAdvancing},
        {.name = "one column repeats", .faults = {{"5", "o", column2}, {"6", "i", "1"}},
         .fewestRequests = 2, .mostRequests = kRows + 2, .code = ErrWalkNotAdvancing},
    };
    for (const Case& c : cases) {
        for (bool async : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (async ? " (asynchronous)" : " (blocking)"));
            control(c.faults);
            NvBulkWalk::forgetAgents();
            const Walked reference = getNextWalk(async, c.table);
            const Walked bulk = walk(async, c.table);
            EXPECT_EQ(bulk.code, c.code);
            EXPECT_EQ(reference.code, c.code);
            EXPECT_EQ(reference.rows.size(), c.rows);
            EXPECT_EQ(bulk.rows, reference.rows);
            EXPECT_GE(bulk.requests, c.fewestRequests);
            EXPECT_LE(bulk.requests, c.mostRequests);
            TearDown();
        }
    }
}

TEST_F(BulkWalkTest, AnAgentThatFailsGetBulkIsWalkedWithGetNextFromThenOn)
{
    const Walked reference = getNextWalk(false);
    ASSERT_EQ(reference.rows.size(), static_cast<size_t>(kRows));
    requestTimeout = 20;  // a dropped GETBULK costs two time-outs
    for (const char* mode : {"3", "4"}) {  // genErr, no answer
        for (bool async : {false, true}) {
            SCOPED_TRACE(std::string(mode) + (async ? " (asynchronous)" : " (blocking)"));
            NvBulkWalk::forgetAgents();
            control({{"9", "i", mode}});
            const Walked first = walk(async);
            EXPECT_EQ(first.code, 0);
            EXPECT_EQ(first.rows, reference.rows);
            // One GETBULK, then one get-next per row and one past the end.
            EXPECT_EQ(first.requests, static_cast<uint64_t>(kRows + 2));
            const Walked second = walk(async);
            EXPECT_EQ(second.rows, reference.rows);
            EXPECT_EQ(second.requests, static_cast<uint64_t>(kRows + 1));
        }
    }
}

TEST_F(BulkWalkTest, ZeroInTheDeviceFileWalksWithGetNext)
{
    for (int version : {0, 1}) {
        SCOPED_TRACE(version);
        NvSNMPSecurity.version = static_cast<int8_t>(version);
        walkMaxRepetitions = 0;
        const Walked w = walk(true);
        EXPECT_EQ(w.rows.size(), static_cast<size_t>(kRows));
        EXPECT_EQ(w.requests, static_cast<uint64_t>(kRows + 1));
    }
    NvSNMPSecurity.version = 1;
    // A fixed M asks that many rows per request.
    walkMaxRepetitions = 7;
    const Walked w = walk(false);
    EXPECT_EQ(w.rows.size(), static_cast<size_t>(kRows));
    EXPECT_EQ(w.requests, static_cast<uint64_t>((kRows + 7) / 7));
}

// SNMPv1: one get-next asks several instances of every column, and ranges of
// the index are walked at once. Rows missing, columns that repeat or go back,
// a failing row, bounds in gaps and beyond the table: the rows (and the
// failure) are those of a get-next walk, row by row.
TEST_F(BulkWalkTest, SnmpV1AsksSeveralRowsInOneGetNextAndKeepsTheRowsOfGetNext)
{
    const std::string ports = "1.3.6.1.4.1.497.11.59.7.2.3.1.1";
    struct Case {
        const char* name;
        const NvSNMPVarDescriptor* table = kPortTable;
        int32_t repetitions = kAutomaticRepetitions;
        std::vector<std::vector<std::string>> faults{};
        std::vector<uint32_t> bounds{};  // of the ranged walk
        uint64_t mostRequests = 0;       // of the whole walk; 0: no bound
        bool ranged = true;
    };
    const Case cases[] = {
        {.name = "rows missing between the units", .bounds = {1, 11, 21, 65, 75, 85, 95, 105, 129, 139, 149},
         .mostRequests = 20},
        {.name = "three instances a request: steps chain into the next request", .repetitions = 3,
         .bounds = {5, 26, 27, 64, 66, 200, 5000}, .mostRequests = 60},
        {.name = "ranges in gaps and beyond the table", .bounds = {30, 40, 115, 153, 4000000000u}},
        {.name = "a column repeats", .faults = {{"5", "o", ports + ".3"}, {"6", "i", "1"}}, .bounds = {1, 66}},
        {.name = "a column goes back", .faults = {{"5", "o", ports + ".4"}, {"6", "i", "2"}}, .bounds = {30, 129}},
        {.name = "a row fails: the rows before it and the failure",
         .faults = {{"3", "o", ports + ".3.70"}, {"4", "i", "5"}}, .bounds = {1, 65, 75, 129}},
        {.name = "dense table", .table = kBigTable, .bounds = {20, 40}, .mostRequests = 8},
        // 11 instances of 5 columns first; halved to 5, then 2.
        {.name = "tooBig above 20 varbinds: fewer instances a request",
         .faults = {{"9", "i", "2"}, {"10", "i", "20"}}, .bounds = {1, 11, 65, 129}, .mostRequests = 60},
        {.name = "string index: one row a request", .table = kCommunityTable, .mostRequests = 3, .ranged = false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        control(c.faults);
        NvBulkWalk::forgetAgents();
        NvSNMPSecurity.version = 0;
        const Walked reference = getNextWalk(true, c.table);
        EXPECT_GT(reference.rows.size(), 1u);
        walkMaxRepetitions = c.repetitions;
        for (bool async : {false, true}) {
            SCOPED_TRACE(async ? "asynchronous" : "blocking");
            const Walked w = walk(async, c.table);
            EXPECT_EQ(w.code, reference.code);
            EXPECT_EQ(w.rows, reference.rows);
            if (c.mostRequests) {
                EXPECT_LE(w.requests, c.mostRequests);
            }
        }
        if (c.ranged) {
            SCOPED_TRACE("ranges");
            const Walked w = rangedWalk(c.bounds, c.table);
            EXPECT_EQ(w.code, reference.code);
            EXPECT_EQ(w.rows, reference.rows);
        }
        walkMaxRepetitions = kAutomaticRepetitions;
        TearDown();
    }
    NvSNMPSecurity.version = 1;
}

}  // namespace
