// The request engine against a real snmpd on 127.0.0.1: gets, walks, sets,
// row creation, SNMPv1 end of view, SNMPv3 users, time-outs and destruction.
#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "snmp/NvMessageCatalogue.h"
#include "snmp/NvOptionList.h"
#include "snmp/NvSNMPRequest.h"
#include "snmp/NvSNMPSession.h"
#include "snmp/NvSnmpAdapter.h"
#include "tests/common/AgentSession.h"
#include "tests/common/ErrorCode.h"
#include "tests/common/SnmpdFixture.h"

namespace {

const NvSNMPVarDescriptor kSystem[] = {
    {"1.3.6.1.2.1.1.1", "Description", SyntaxDisplayString, AccessReadable},
    {"1.3.6.1.2.1.1.2", "Object ID", SyntaxOid, AccessReadable},
    {"1.3.6.1.2.1.1.3", "Up Time", SyntaxTimeTicks, AccessReadable},
    {"1.3.6.1.2.1.1.6", "Location", SyntaxDisplayString, AccessReadable},
    {nullptr},
};

const NvSNMPVarDescriptor kSysName[] = {
    {"1.3.6.1.2.1.1.5", "Name", SyntaxDisplayString, AccessReadable | AccessWritable},
    {nullptr},
};

const NvOptionPair kUpDown[] = {{1, "up"}, {2, "down"}, {3, "testing"}, {0, nullptr}};
const NvOptionList kUpDownList(kUpDown);

const NvSNMPVarDescriptor kIfTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.2.2.1.2", "Description", SyntaxDisplayString, AccessReadable},
    {"1.3.6.1.2.1.2.2.1.3", "Type", SyntaxInteger, AccessReadable},
    {"1.3.6.1.2.1.2.2.1.6", "Address", SyntaxMacAddress, AccessReadable},
    {"1.3.6.1.2.1.2.2.1.7", "Admin", SyntaxInteger, AccessReadable, &kUpDownList},
    {"1.3.6.1.2.1.2.2.1.10", "In Octets", SyntaxCounter, AccessReadable},
    {nullptr},
};

const NvSNMPVarDescriptor kIfXTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", SyntaxDisplayString, AccessReadable},
    {"1.3.6.1.2.1.31.1.1.1.6", "HC In Octets", SyntaxCounter64, AccessReadable},
    {"1.3.6.1.2.1.31.1.1.1.15", "High Speed", SyntaxGauge, AccessReadable},
    {nullptr},
};

// snmpTargetAddrTable: the index is an implied display string.
const NvSNMPVarDescriptor kTargetAddr[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Name", SyntaxDisplayString, AccessIndex | AccessImplied},
    {"1.3.6.1.6.3.12.1.2.1.2", "Domain", SyntaxOid, AccessReadable | AccessWritable},
    {"1.3.6.1.6.3.12.1.2.1.3", "Address", SyntaxOctets, AccessReadable | AccessWritable},
    {"1.3.6.1.6.3.12.1.2.1.7", "Params", SyntaxDisplayString, AccessReadable | AccessWritable},
    {"1.3.6.1.6.3.12.1.2.1.9", "Status", SyntaxInteger, AccessReadable | AccessWritable},
    {nullptr},
};

// The system group's sysORTable, whose last column ends the "sysonly" view.
const NvSNMPVarDescriptor kSysOrTable[] = {
    {"1.3.6.1.2.1.1.9.1.1", "Index", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.1.9.1.4", "Up Time", SyntaxTimeTicks, AccessReadable},
    {nullptr},
};

class AgentTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        agent = new SnmpdFixture();
        std::string error;
        if (!agent->start(&error))
            startError = error;
        counterDir = new QTemporaryDir();
        startSnmpSession(counterDir->path().toStdString());
    }
    static void TearDownTestSuite()
    {
        delete agent;
        agent = nullptr;
        delete counterDir;
        counterDir = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(startError.empty()) << startError;
        pointSessionAt(agent->port(), 100, "public", "private");
    }

    static std::unique_ptr<NvSNMPRequest> request(const NvSNMPVarDescriptor* table, NvSNMPVarList::Kind kind, int indexCount)
    {
        auto r = std::make_unique<NvSNMPRequest>();
        r->varList.assign(NvSNMPVarList(table, kind, indexCount));
        return r;
    }

    // Values of one column per walked row (blocking form).
    static std::vector<std::vector<std::string>> walkSync(NvSNMPRequest& r)
    {
        std::vector<std::vector<std::string>> rows;
        bool more = r.getSync(true);
        while (more && rows.size() < 10000) {
            rows.push_back(values(r));
            more = r.getSync(false);
        }
        return rows;
    }

    // The same through the event pump; the last reply record comes back in last.
    static std::vector<std::vector<std::string>> walkAsync(NvSNMPRequest& r, NvSNMPError* last = nullptr)
    {
        std::vector<std::vector<std::string>> rows;
        QEventLoop loop;
        NvSNMPError final;
        NvSNMPReplyHandler handler = [&](NvSNMPRequest& req, const NvSNMPError& e) {
            if (!e.finished && e.code == 0) {
                rows.push_back(values(req));
                if (rows.size() < 10000) {
                    req.getAsync(handler, false);
                    return;
                }
            }
            final = e;
            loop.quit();
        };
        r.getAsync(handler, true);
        loop.exec();
        if (last)
            *last = final;
        return rows;
    }

    static NvSNMPError getAsyncOnce(NvSNMPRequest& r)
    {
        QEventLoop loop;
        NvSNMPError reply;
        r.getAsync([&](NvSNMPRequest&, const NvSNMPError& e) {
            reply = e;
            loop.quit();
        }, true);
        loop.exec();
        return reply;
    }

    static std::vector<std::string> values(const NvSNMPRequest& r)
    {
        std::vector<std::string> v;
        for (int i = 0; i < r.varList.count(); ++i)
            v.push_back(r.varList.row(i).value);
        return v;
    }

    static SnmpdFixture* agent;
    static QTemporaryDir* counterDir;
    static std::string startError;
};

SnmpdFixture* AgentTest::agent = nullptr;
QTemporaryDir* AgentTest::counterDir = nullptr;
std::string AgentTest::startError;

TEST_F(AgentTest, ScalarGetBlockingAndThroughThePump)
{
    for (int version : {0, 1}) {
        NvSNMPSecurity.version = static_cast<int8_t>(version);
        auto r = request(kSystem, NvSNMPVarList::ScalarGroup, 0);
        EXPECT_FALSE(r->getSync(true));
        EXPECT_EQ(r->varList.row(3).value, "fixture-location");
        EXPECT_EQ(r->varList.row(0).lastOid, "1.3.6.1.2.1.1.1.0");
        EXPECT_NE(r->varList.row(1).value.find("1.3.6.1.4.1."), std::string::npos) << r->varList.row(1).value;
        EXPECT_NE(r->varList.row(2).value.find(':'), std::string::npos);

        auto a = request(kSystem, NvSNMPVarList::ScalarGroup, 0);
        const NvSNMPError e = getAsyncOnce(*a);
        EXPECT_EQ(e.code, 0);
        EXPECT_EQ(e.message, "(NvSNMP++) Ok!");
        EXPECT_TRUE(e.finished);
        EXPECT_EQ(e.agentAddress, "127.0.0.1");
        EXPECT_EQ(e.agentPort, agent->port());
        EXPECT_EQ(a->varList.row(3).value, "fixture-location");
        EXPECT_EQ(a->pendingCount(), 0);
    }
}

TEST_F(AgentTest, WalkOfInterfacesTableDecodesIndexAndOptions)
{
    auto s = request(kIfTable, NvSNMPVarList::Table, 1);
    const auto syncRows = walkSync(*s);
    auto a = request(kIfTable, NvSNMPVarList::Table, 1);
    NvSNMPError last;
    const auto asyncRows = walkAsync(*a, &last);
    EXPECT_EQ(last.code, 0);
    EXPECT_TRUE(last.finished);
    ASSERT_FALSE(syncRows.empty());
    ASSERT_EQ(syncRows.size(), asyncRows.size());
    bool sawLoopback = false;
    for (size_t i = 0; i < syncRows.size(); ++i) {
        EXPECT_EQ(syncRows[i][0], asyncRows[i][0]);
        EXPECT_EQ(syncRows[i][1], asyncRows[i][1]);
        if (syncRows[i][1] == "lo") {
            sawLoopback = true;
            EXPECT_EQ(syncRows[i][2], "24");  // softwareLoopback
            EXPECT_EQ(syncRows[i][4], "up");  // label of the option list
        }
    }
    EXPECT_TRUE(sawLoopback);
    // The index column took the instance of each row.
    EXPECT_EQ(std::stoi(syncRows.front()[0]) > 0, true);
    EXPECT_EQ(a->pendingCount(), 0);
}

TEST_F(AgentTest, WalkOfInterfaceExtensionsOverV2cReadsCounter64)
{
    NvSNMPSecurity.version = 1;
    auto r = request(kIfXTable, NvSNMPVarList::Table, 1);
    const auto rows = walkAsync(*r);
    ASSERT_FALSE(rows.empty());
    for (const auto& row : rows) {
        EXPECT_FALSE(row[1].empty());
        ASSERT_FALSE(row[2].empty());
        EXPECT_EQ(row[2].find_first_not_of("0123456789"), std::string::npos) << row[2];
    }
}

TEST_F(AgentTest, GetBulkWalksGiveTheRowsOfGetNext)
{
    struct Case {
        const char* name;
        const NvSNMPVarDescriptor* table;
        int8_t version;
        const char* user;
    };
    const Case cases[] = {
        {.name = "ifTable over v2c", .table = kIfTable, .version = 1, .user = ""},
        {.name = "implied text index over v2c", .table = kTargetAddr, .version = 1, .user = ""},
        {.name = "ifTable over v3", .table = kIfTable, .version = 3, .user = SnmpdFixture::kShaDesUser},
        {.name = "Counter64 table over v3", .table = kIfXTable, .version = 3, .user = SnmpdFixture::kShaDesUser},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NvSNMPSecurity.version = c.version;
        NvSNMPSecurity.securityName = c.user;
        NvSNMPSecurity.securityLevel = SecurityAuthPriv;
        NvSNMPSecurity.authProtocol = AuthHmacSha;
        NvSNMPSecurity.privProtocol = PrivDes;
        NvSNMPSecurity.authPassword = SnmpdFixture::kAuthPass;
        NvSNMPSecurity.privPassword = SnmpdFixture::kPrivPass;
        NvSnmpAdapter* adapter = NvSnmpAdapter::instance();
        walkMaxRepetitions = 0;
        auto getNext = request(c.table, NvSNMPVarList::Table, 1);
        uint64_t sent = adapter->sentCount();
        const auto reference = walkSync(*getNext);
        const uint64_t getNextRequests = adapter->sentCount() - sent;
        walkMaxRepetitions = kAutomaticRepetitions;
        auto bulkSync = request(c.table, NvSNMPVarList::Table, 1);
        auto bulkAsync = request(c.table, NvSNMPVarList::Table, 1);
        sent = adapter->sentCount();
        EXPECT_EQ(walkSync(*bulkSync), reference);
        const uint64_t bulkRequests = adapter->sentCount() - sent;
        EXPECT_EQ(walkAsync(*bulkAsync), reference);
        EXPECT_EQ(getNextRequests, reference.size() + 1);
        if (reference.size() >= 2) {
            EXPECT_LT(bulkRequests, getNextRequests);
        }
    }
}

TEST_F(AgentTest, SetThenGetBack)
{
    auto r = request(kSysName, NvSNMPVarList::ScalarGroup, 0);
    r->varList.row(0).value = "hv-set-test";
    r->setSync();
    auto g = request(kSysName, NvSNMPVarList::ScalarGroup, 0);
    g->getSync(true);
    EXPECT_EQ(g->varList.row(0).value, "hv-set-test");

    // Asynchronous set: reply finished, nothing stored into the list.
    r->varList.row(0).value = "hv-set-async";
    QEventLoop loop;
    NvSNMPError reply;
    r->setAsync([&](NvSNMPRequest&, const NvSNMPError& e) {
        reply = e;
        loop.quit();
    });
    loop.exec();
    EXPECT_EQ(reply.code, 0);
    EXPECT_TRUE(reply.finished);
    g->getSync(true);
    EXPECT_EQ(g->varList.row(0).value, "hv-set-async");

    // A read-only object: the agent's error status comes back as its code.
    auto ro = request(kSysName, NvSNMPVarList::ScalarGroup, 0);
    ro->varList.row(0).oid = "1.3.6.1.2.1.1.1";
    ro->varList.row(0).value = "x";
    EXPECT_EQ(codeOf([&] { ro->setSync(); }), -117);  // notWritable
}

TEST_F(AgentTest, RowCreateAndDestroyWithImpliedTextIndex)
{
    auto create = request(kTargetAddr, NvSNMPVarList::EditableTable, 1);
    NvSNMPVarList& l = create->varList;
    l.row(0).value = "hvTarget";
    l.row(1).value = "1.3.6.1.6.1.1";
    l.row(2).value = "7F00000100A2";
    l.row(3).value = "hvParams";
    l.row(4).value = "4";  // createAndGo
    EXPECT_EQ(create->instanceSuffix(), "104.118.84.97.114.103.101.116");
    create->setSync();

    auto find = [&]() -> std::vector<std::string> {
        auto w = request(kTargetAddr, NvSNMPVarList::EditableTable, 1);
        for (const auto& row : walkSync(*w)) {
            if (row[0] == "hvTarget")
                return row;
        }
        return {};
    };
    const auto row = find();
    ASSERT_FALSE(row.empty());
    EXPECT_EQ(row[1], "1.3.6.1.6.1.1");
    EXPECT_EQ(row[2], "7F00000100A2");
    EXPECT_EQ(row[3], "hvParams");
    EXPECT_EQ(row[4], "1");  // active

    auto destroy = request(kTargetAddr, NvSNMPVarList::EditableTable, 1);
    destroy->varList.row(0).value = "hvTarget";
    for (int i = 1; i < 4; ++i)
        destroy->varList.row(i).access |= AccessExcluded;
    destroy->varList.row(4).value = "6";  // destroy
    destroy->setSync();
    EXPECT_TRUE(find().empty());
}

// A scalar or instance the agent does not have: SNMPv1 answers noSuchName,
// SNMPv2c a noSuchObject value; both are the same failure, never "Ok!".
TEST_F(AgentTest, MissingObjectFailsInEveryVersion)
{
    const NvSNMPVarDescriptor missing[] = {
        {"1.3.6.1.2.1.1.5", "Name", SyntaxDisplayString, AccessReadable},
        {"1.3.6.1.2.1.1.77", "Missing", SyntaxInteger, AccessReadable},
        {nullptr},
    };
    for (int version : {0, 1}) {
        SCOPED_TRACE(version == 0 ? "v1" : "v2c");
        NvSNMPSecurity.version = static_cast<int8_t>(version);
        auto s = request(missing, NvSNMPVarList::ScalarGroup, 0);
        int code = 0;
        try {
            s->getSync(true);
        } catch (const NvSNMPException& x) {
            code = x.code();
        }
        EXPECT_EQ(code, -102);
        auto a = request(missing, NvSNMPVarList::ScalarGroup, 0);
        const NvSNMPError e = getAsyncOnce(*a);
        EXPECT_EQ(e.code, -102);
        EXPECT_EQ(e.message, textOfCode(-102));
        EXPECT_EQ(e.errorIndex, 2);
        EXPECT_TRUE(e.finished);
    }
}

TEST_F(AgentTest, V1EndOfViewEndsTheWalkWithSuccess)
{
    NvSNMPSecurity.version = 0;
    NvSNMPSecurity.readCommunity = "sysonly";
    auto s = request(kSysOrTable, NvSNMPVarList::Table, 1);
    const auto rows = walkSync(*s);
    EXPECT_FALSE(rows.empty());
    auto a = request(kSysOrTable, NvSNMPVarList::Table, 1);
    NvSNMPError last;
    const auto asyncRows = walkAsync(*a, &last);
    EXPECT_EQ(asyncRows.size(), rows.size());
    EXPECT_EQ(last.code, 0);
    EXPECT_TRUE(last.finished);
}

TEST_F(AgentTest, SilentAgentTimesOut)
{
    NvSNMPDevice.port = SnmpdFixture::freeUdpPort();
    requestTimeout = 20;
    auto s = request(kSystem, NvSNMPVarList::ScalarGroup, 0);
    try {
        s->getSync(true);
        ADD_FAILURE() << "no time-out";
    } catch (const NvSNMPException& e) {
        EXPECT_EQ(e.code(), -405);
        EXPECT_EQ(std::string(e.what()), "(SNMPClass) SNMP request timed out!");
    }
    auto a = request(kSystem, NvSNMPVarList::ScalarGroup, 0);
    const NvSNMPError e = getAsyncOnce(*a);
    EXPECT_EQ(e.code, -405);
    EXPECT_TRUE(e.finished);
}

struct V3Case {
    const char* name;
    const char* user;
    NvAuthProtocol authProtocol;
    NvPrivProtocol privProtocol;
    NvSecurityLevel level;
    const char* authPass;
    const char* privPass;
    int code;
};

TEST_F(AgentTest, V3UsersAndWrongPassPhrases)
{
    using F = SnmpdFixture;
    const V3Case cases[] = {
        {"SHA/DES", F::kShaDesUser, AuthHmacSha, PrivDes, SecurityAuthPriv, F::kAuthPass, F::kPrivPass, 0},
        {"MD5/DES", F::kMd5DesUser, AuthHmacMd5, PrivDes, SecurityAuthPriv, F::kAuthPass, F::kPrivPass, 0},
        {"SHA/AES-128", F::kShaAesUser, AuthHmacSha, PrivAes128, SecurityAuthPriv, F::kAuthPass, F::kPrivPass, 0},
        {"SHA-256/AES-256", F::kSha256Aes256User, AuthHmacSha256, PrivAes256, SecurityAuthPriv, F::kAuthPass,
         F::kPrivPass, 0},
        {"SHA-512/AES-192", F::kSha512Aes192User, AuthHmacSha512, PrivAes192, SecurityAuthPriv, F::kAuthPass,
         F::kPrivPass, 0},
        {"AES user asked for with DES", F::kShaAesUser, AuthHmacSha, PrivDes, SecurityAuthPriv, F::kAuthPass,
         F::kPrivPass, -405},
        {"authNoPriv", F::kAuthOnlyUser, AuthHmacSha, PrivNone, SecurityAuthNoPriv, F::kAuthPass, "", 0},
        {"noAuthNoPriv", F::kNoAuthUser, AuthNone, PrivNone, SecurityNoAuthNoPriv, "", "", 0},
        {"wrong auth pass phrase", F::kAuthOnlyUser, AuthHmacSha, PrivNone, SecurityAuthNoPriv, "wrongPhrase99", "",
         -308},
        // snmpd drops what it cannot decrypt: the request times out.
        {"wrong priv pass phrase", F::kShaDesUser, AuthHmacSha, PrivDes, SecurityAuthPriv, F::kAuthPass,
         "wrongPhrase99", -405},
        {"unknown user", "nobodyUser", AuthNone, PrivNone, SecurityNoAuthNoPriv, "", "", -304},
        // Keys of the same user are replaced again by the right pass phrase.
        {"right pass phrase again", F::kAuthOnlyUser, AuthHmacSha, PrivNone, SecurityAuthNoPriv, F::kAuthPass, "", 0},
    };
    NvSNMPSecurity.version = 3;
    for (const V3Case& c : cases) {
        SCOPED_TRACE(c.name);
        NvSNMPSecurity.securityName = c.user;
        NvSNMPSecurity.authProtocol = c.authProtocol;
        NvSNMPSecurity.privProtocol = c.privProtocol;
        NvSNMPSecurity.securityLevel = c.level;
        NvSNMPSecurity.authPassword = c.authPass;
        NvSNMPSecurity.privPassword = c.privPass;
        // The first request to a new user goes through the pump, engine
        // discovery included; the blocking one then reuses the session.
        auto a = request(kSystem, NvSNMPVarList::ScalarGroup, 0);
        const NvSNMPError e = getAsyncOnce(*a);
        EXPECT_EQ(e.code, c.code) << e.message;
        auto s = request(kSystem, NvSNMPVarList::ScalarGroup, 0);
        EXPECT_EQ(codeOf([&] { s->getSync(true); }), c.code);
        if (c.code == 0) {
            EXPECT_EQ(s->varList.row(3).value, "fixture-location");
        }
    }
}

TEST_F(AgentTest, UnknownProtocolNumbersAreRefusedByNumber)
{
    struct Case {
        int authProtocol;
        int privProtocol;
        int code;
        const char* message;
    };
    const Case cases[] = {
        {8, 1, -312, "(SNMPv3USM) Unsupported AuthProtocol! (8)"},
        {0, 1, -312, "(SNMPv3USM) Unsupported AuthProtocol! (0)"},
        {3, 3, -313, "(SNMPv3USM) Unsupported PrivProtocol! (3)"},
        {3, 22, -313, "(SNMPv3USM) Unsupported PrivProtocol! (22)"},
    };
    NvSNMPSecurity.version = 3;
    NvSNMPSecurity.securityName = SnmpdFixture::kShaAesUser;
    NvSNMPSecurity.securityLevel = SecurityAuthPriv;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        NvSNMPSecurity.authProtocol = c.authProtocol;
        NvSNMPSecurity.privProtocol = c.privProtocol;
        auto r = request(kSystem, NvSNMPVarList::ScalarGroup, 0);
        const int open = NvSnmpAdapter::instance()->outstanding();
        try {
            r->getSync(true);
            ADD_FAILURE() << "sent";
        } catch (const NvSNMPException& e) {
            EXPECT_EQ(e.code(), c.code);
            EXPECT_EQ(std::string(e.what()), c.message);
        }
        EXPECT_EQ(codeOf([&] { r->getAsync([](NvSNMPRequest&, const NvSNMPError&) {}, true); }), c.code);
        EXPECT_EQ(NvSnmpAdapter::instance()->outstanding(), open);
    }
}

TEST_F(AgentTest, InvalidAddressSendsNothing)
{
    NvSNMPDevice.address = "300.1.2.3";
    auto r = request(kSystem, NvSNMPVarList::ScalarGroup, 0);
    const size_t sockets = NvSnmpAdapter::instance()->socketDescriptors().size();
    const int open = NvSnmpAdapter::instance()->outstanding();
    EXPECT_EQ(codeOf([&] { r->getSync(true); }), -509);
    EXPECT_EQ(codeOf([&] { r->getAsync([](NvSNMPRequest&, const NvSNMPError&) {}, true); }), -509);
    EXPECT_EQ(codeOf([&] { r->setSync(); }), -509);
    EXPECT_EQ(r->pendingCount(), 0);
    EXPECT_EQ(NvSnmpAdapter::instance()->socketDescriptors().size(), sockets);
    EXPECT_EQ(NvSnmpAdapter::instance()->outstanding(), open);
}

TEST_F(AgentTest, DestructionWaitsForAnOutstandingWalk)
{
    NvSNMPDevice.port = SnmpdFixture::freeUdpPort();
    requestTimeout = 30;
    int calls = 0;
    NvSNMPError reply;
    auto r = request(kIfTable, NvSNMPVarList::Table, 1);
    r->getAsync([&](NvSNMPRequest&, const NvSNMPError& e) {
        ++calls;
        reply = e;
    }, true);
    EXPECT_EQ(r->pendingCount(), 1);
    r.reset();  // returns once the time-out has been delivered
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(reply.code, -405);
}

TEST_F(AgentTest, V3DiscoveryDoesNotBlockTheAsynchronousForm)
{
    // Against a silent port the engine-id discovery can only time out. The
    // asynchronous form returns with the discovery still open and reports the
    // time-out later from the pump.
    NvSNMPDevice.port = SnmpdFixture::freeUdpPort();
    NvSNMPSecurity.version = 3;
    NvSNMPSecurity.securityName = SnmpdFixture::kAuthOnlyUser;
    NvSNMPSecurity.securityLevel = SecurityAuthNoPriv;
    NvSNMPSecurity.authProtocol = AuthHmacSha;
    NvSNMPSecurity.authPassword = SnmpdFixture::kAuthPass;
    requestTimeout = 20;
    auto r = request(kSystem, NvSNMPVarList::ScalarGroup, 0);
    QEventLoop loop;
    int calls = 0;
    NvSNMPError reply;
    const int before = NvSnmpAdapter::instance()->outstanding();
    r->getAsync([&](NvSNMPRequest&, const NvSNMPError& e) {
        ++calls;
        reply = e;
        loop.quit();
    }, true);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(r->pendingCount(), 1);
    EXPECT_GT(NvSnmpAdapter::instance()->outstanding(), before);  // discovery and request both open
    loop.exec();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(reply.code, -405);
    EXPECT_EQ(r->pendingCount(), 0);
}

TEST_F(AgentTest, V3DiscoveryWhoseSendFailsLeavesTheAgentUsable)
{
    // The kernel refuses a datagram to port 0 at once, so the engine-id
    // discovery's first send fails inside the send call. The blocking request
    // reports that failure, not a time-out, and nothing stays queued: a later
    // asynchronous request to the same agent fails the same way through the
    // pump, and a request object with it outstanding can be destroyed.
    NvSNMPDevice.port = 0;
    NvSNMPSecurity.version = 3;
    NvSNMPSecurity.securityName = SnmpdFixture::kNoAuthUser;
    requestTimeout = 20;
    const int before = NvSnmpAdapter::instance()->outstanding();
    auto s = request(kSystem, NvSNMPVarList::ScalarGroup, 0);
    EXPECT_EQ(codeOf([&] { s->getSync(true); }), -422);
    EXPECT_EQ(NvSnmpAdapter::instance()->outstanding(), before);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        auto a = request(kSystem, NvSNMPVarList::ScalarGroup, 0);
        const NvSNMPError e = getAsyncOnce(*a);
        EXPECT_EQ(e.code, -422) << e.message;
        EXPECT_TRUE(e.finished);
        EXPECT_EQ(codeOf([&] { s->getSync(true); }), -422);
    }
    auto open = request(kSystem, NvSNMPVarList::ScalarGroup, 0);
    open->getAsync([](NvSNMPRequest&, const NvSNMPError&) {}, true);
    open.reset();  // waits for the failure's delivery, which must come
    EXPECT_EQ(NvSnmpAdapter::instance()->outstanding(), before);
}

TEST_F(AgentTest, PumpNeverReentersWhileAHandlerRunsANestedLoop)
{
    auto first = request(kSystem, NvSNMPVarList::ScalarGroup, 0);
    auto second = request(kSystem, NvSNMPVarList::ScalarGroup, 0);
    int depth = 0;
    int maxDepth = 0;
    int done = 0;
    QEventLoop outer;
    NvSNMPReplyHandler handler = [&](NvSNMPRequest&, const NvSNMPError& e) {
        EXPECT_EQ(e.code, 0);
        maxDepth = std::max(maxDepth, ++depth);
        if (done == 0) {
            // Like a message box: a nested loop that runs until the other
            // request's reply has certainly arrived on the socket.
            QEventLoop nested;
            int spins = 0;
            QTimer timer;
            QObject::connect(&timer, &QTimer::timeout, &nested, [&] {
                if (++spins >= 10)
                    nested.quit();
            });
            timer.start(10);
            nested.exec();
        }
        --depth;
        if (++done == 2)
            outer.quit();
    };
    first->getAsync(handler, true);
    second->getAsync(handler, true);
    outer.exec();
    EXPECT_EQ(done, 2);
    EXPECT_EQ(maxDepth, 1);
}

TEST_F(AgentTest, AliveClearedSendsNothing)
{
    auto r = request(kSystem, NvSNMPVarList::ScalarGroup, 0);
    r->alive = false;
    r->varList.row(3).value = "unchanged";
    EXPECT_FALSE(r->getSync(true));
    r->getAsync([](NvSNMPRequest&, const NvSNMPError&) { ADD_FAILURE(); }, true);
    EXPECT_EQ(r->pendingCount(), 0);
    EXPECT_EQ(r->varList.row(3).value, "unchanged");
}

}  // namespace
