// The request engine without a network: index coding, value coding, reply
// processing and the failures raised before anything is sent.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "snmp/NvMessageCatalogue.h"
#include "snmp/NvOptionList.h"
#include "snmp/NvSNMPRequest.h"
#include "snmp/NvSNMPSession.h"
#include "tests/common/ErrorCode.h"

namespace {

const NvOptionPair kUpDown[] = {{1, "up"}, {2, "down"}, {0, nullptr}};
const NvOptionList kUpDownList(kUpDown);

struct IndexColumn {
    NvSyntax syntax;
    int32_t access;
    const NvOptionList* options = nullptr;
};

// A table list whose first rows are the given index columns, then one readable column.
void makeTable(NvSNMPRequest& r, const std::vector<IndexColumn>& index)
{
    std::vector<NvSNMPVarDescriptor> table;
    static const char* oids[] = {"1.3.6.1.4.1.9.9.1.1", "1.3.6.1.4.1.9.9.1.2", "1.3.6.1.4.1.9.9.1.3"};
    for (size_t i = 0; i < index.size(); ++i)
        table.push_back({oids[i], "index", index[i].syntax, index[i].access, index[i].options});
    table.push_back({"1.3.6.1.4.1.9.9.1.9", "value", SyntaxInteger, AccessReadable | AccessWritable});
    table.push_back({nullptr});
    r.varList.assign(NvSNMPVarList(table.data(), NvSNMPVarList::Table, static_cast<int>(index.size())));
}

struct IndexCase {
    const char* name;
    std::vector<IndexColumn> columns;
    const char* suffix;
    std::vector<const char*> values;
};

TEST(IndexCoding, DecodesAndEncodesBack)
{
    const IndexCase cases[] = {
        {"integer and counted text", {{SyntaxInteger, AccessIndex}, {SyntaxDisplayString, AccessIndex}},
         "5.3.97.98.99", {"5", "abc"}},
        {"implied text", {{SyntaxDisplayString, AccessIndex | AccessImplied}}, "97.98.99", {"abc"}},
        {"counted octets", {{SyntaxOctets, AccessIndex}}, "2.10.11", {"0A0B"}},
        {"implied octets", {{SyntaxOctets, AccessIndex | AccessImplied}}, "10.11.12", {"0A0B0C"}},
        {"IP address and integer", {{SyntaxIpAddress, AccessIndex}, {SyntaxInteger, AccessIndex}},
         "192.168.1.20.7", {"192.168.1.20", "7"}},
        {"MAC address", {{SyntaxMacAddress, AccessIndex}}, "0.26.255.1.2.3", {"001AFF010203"}},
        {"counted identifier", {{SyntaxOid, AccessIndex}, {SyntaxInteger, AccessIndex}}, "3.1.3.6.9",
         {"1.3.6", "9"}},
        {"implied identifier", {{SyntaxOid, AccessIndex | AccessImplied}}, "1.3.6.1.4", {"1.3.6.1.4"}},
        {"Counter64 high and low word", {{SyntaxCounter64, AccessIndex}}, "1.2", {"4294967298"}},
        {"time ticks", {{SyntaxTimeTicks, AccessIndex}}, "8640123", {"1 day 0:00:01.23"}},
        {"unsigned", {{SyntaxGauge, AccessIndex}}, "4294967295", {"4294967295"}},
        {"negative integer", {{SyntaxInteger, AccessIndex}}, "4294967295", {"-1"}},
        {"truth value", {{SyntaxBoolean, AccessIndex}}, "1", {"true"}},
        {"enumerated integer shows its label", {{SyntaxInteger, AccessIndex, &kUpDownList}}, "2", {"down"}},
        {"implied only when last", {{SyntaxDisplayString, AccessIndex | AccessImplied}, {SyntaxInteger, AccessIndex}},
         "2.104.105.4", {"hi", "4"}},
    };
    for (const IndexCase& c : cases) {
        SCOPED_TRACE(c.name);
        NvSNMPRequest r;
        makeTable(r, c.columns);
        r.parseInstance(c.suffix);
        for (size_t i = 0; i < c.values.size(); ++i)
            EXPECT_EQ(r.varList.row(static_cast<int>(i)).value, c.values[i]) << i;
        EXPECT_EQ(r.instanceSuffix(), c.suffix);
    }
}

TEST(IndexCoding, ShortSuffixAndUnknownSyntaxFail)
{
    const std::pair<std::vector<IndexColumn>, const char*> shortCases[] = {
        {{{SyntaxInteger, AccessIndex}, {SyntaxDisplayString, AccessIndex}}, "5"},
        {{{SyntaxInteger, AccessIndex}, {SyntaxDisplayString, AccessIndex}}, "5.3.97"},
        {{{SyntaxIpAddress, AccessIndex}}, "10.0"},
        {{{SyntaxMacAddress, AccessIndex}}, "1.2.3"},
        {{{SyntaxInteger, AccessIndex}}, ""},
        // a length sub-identifier of 2^32 - 1 must not wrap round to "enough"
        {{{SyntaxOctets, AccessIndex}}, "4294967295.1"},
        {{{SyntaxOid, AccessIndex}}, "4294967295.1.3"},
    };
    for (const auto& [columns, suffix] : shortCases) {
        NvSNMPRequest r;
        makeTable(r, columns);
        EXPECT_EQ(codeOf([&] { r.parseInstance(suffix); }), -514) << suffix;
    }
    NvSNMPRequest r;
    makeTable(r, {{NvSyntax{99}, AccessIndex}});
    EXPECT_EQ(codeOf([&] { r.parseInstance("1"); }), -511);
    EXPECT_EQ(codeOf([&] { r.instanceSuffix(); }), -511);
}

struct ValueCase {
    const char* name;
    NvSyntax syntax;
    NvSnmpVb received;
    const char* text;
    uint8_t sentTag;
};

NvSnmpVb vbInt(int64_t v) { NvSnmpVb b; b.type = AsnInteger; b.integer = v; return b; }
NvSnmpVb vbUnsigned(uint8_t tag, uint64_t v) { NvSnmpVb b; b.type = tag; b.unsignedValue = v; return b; }
NvSnmpVb vbOctets(uint8_t tag, std::string v) { NvSnmpVb b; b.type = tag; b.octets = std::move(v); return b; }
NvSnmpVb vbOid(NvOid v) { NvSnmpVb b; b.type = AsnObjectId; b.oidValue = std::move(v); return b; }
NvSnmpVb vbNull() { return NvSnmpVb{}; }

TEST(ValueCoding, StoresDisplayTextAndLoadsItBack)
{
    const ValueCase cases[] = {
        {"truth value", SyntaxBoolean, vbInt(1), "true", AsnInteger},
        {"integer", SyntaxInteger, vbInt(-42), "-42", AsnInteger},
        {"octets", SyntaxOctets, vbOctets(AsnOctetString, std::string("\x00\x1a\xff", 3)), "001AFF", AsnOctetString},
        {"identifier", SyntaxOid, vbOid({1, 3, 6, 1, 4, 1, 497}), "1.3.6.1.4.1.497", AsnObjectId},
        {"IP address", SyntaxIpAddress, vbOctets(AsnIpAddress, "\x0a\x01\x02\x03"), "10.1.2.3", AsnIpAddress},
        {"counter goes out as gauge", SyntaxCounter, vbUnsigned(AsnCounter32, 4000000000u), "4000000000", AsnGauge32},
        {"gauge", SyntaxGauge, vbUnsigned(AsnGauge32, 7), "7", AsnGauge32},
        {"unsigned goes out as gauge", SyntaxUInteger, vbUnsigned(AsnGauge32, 9), "9", AsnGauge32},
        {"time ticks", SyntaxTimeTicks, vbUnsigned(AsnTimeTicks, 8640000), "1 day 0:00:00.00", AsnTimeTicks},
        {"Counter64", SyntaxCounter64, vbUnsigned(AsnCounter64, 1ull << 40), "1099511627776", AsnCounter64},
        {"MAC address", SyntaxMacAddress, vbOctets(AsnOctetString, std::string("\x00\x1a\x2b\x3c\x4d\x5e", 6)), "001A2B3C4D5E",
         AsnOctetString},
        {"date and time", SyntaxDateAndTime,
         vbOctets(AsnOctetString, std::string("\x07\xd4\x06\x0b\x0d\x1e\x0f\x00+\x00\x00", 11)), "2004-6-11,13:30:15.0",
         AsnOctetString},
        {"display string", SyntaxDisplayString, vbOctets(AsnOctetString, "hello"), "hello", AsnOctetString},
        {"empty display string", SyntaxDisplayString, vbOctets(AsnOctetString, ""), "", AsnOctetString},
        {"null for a number", SyntaxInteger, vbNull(), "(NULL)", AsnNull},
        {"missing object for a number", SyntaxGauge, vbOctets(AsnNoSuchObject, ""), "(NULL)", AsnNull},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.name);
        const NvSNMPVarDescriptor table[] = {{"1.3.6.1.4.1.9.1", "x", c.syntax, AccessReadable | AccessWritable},
                                             {nullptr}};
        NvSNMPRequest r;
        r.varList.assign(NvSNMPVarList(table, NvSNMPVarList::ScalarGroup, 0));
        r.storeValue(0, c.received);
        EXPECT_EQ(r.varList.row(0).value, c.text);
        NvSnmpVb sent;
        r.loadValue(0, sent);
        EXPECT_EQ(sent.type, c.sentTag);
        if (c.sentTag == c.received.type || (c.sentTag == AsnGauge32 && c.received.type != AsnNull)) {
            EXPECT_EQ(sent.integer, c.received.integer);
            EXPECT_EQ(sent.unsignedValue, c.received.unsignedValue);
            EXPECT_EQ(sent.octets, c.received.octets);
            EXPECT_EQ(sent.oidValue, c.received.oidValue);
        }
    }
}

TEST(ValueCoding, OptionListsMapBothWays)
{
    const NvSNMPVarDescriptor table[] = {
        {"1.3.6.1.4.1.9.1", "x", SyntaxInteger, AccessReadable | AccessWritable, &kUpDownList}, {nullptr}};
    NvSNMPRequest r;
    r.varList.assign(NvSNMPVarList(table, NvSNMPVarList::ScalarGroup, 0));
    r.storeValue(0, vbInt(2));
    EXPECT_EQ(r.varList.row(0).value, "down");
    r.storeValue(0, vbInt(7));
    EXPECT_EQ(r.varList.row(0).value, "7");  // not in the list: the number

    const std::pair<const char*, int64_t> typed[] = {{"UP", 1}, {"down", 2}, {"5", 5}};
    for (auto [text, wire] : typed) {
        r.varList.row(0).value = text;
        NvSnmpVb vb;
        r.loadValue(0, vb);
        EXPECT_EQ(vb.type, AsnInteger) << text;
        EXPECT_EQ(vb.integer, wire) << text;
    }
    r.varList.row(0).value = "(NULL)";
    NvSnmpVb vb;
    r.loadValue(0, vb);
    EXPECT_EQ(vb.type, AsnNull);
}

TEST(ValueCoding, UnknownSyntaxFails)
{
    const NvSNMPVarDescriptor table[] = {{"1.3.6.1.4.1.9.1", "x", NvSyntax{99}, AccessReadable | AccessWritable}, {nullptr}};
    NvSNMPRequest r;
    r.varList.assign(NvSNMPVarList(table, NvSNMPVarList::ScalarGroup, 0));
    EXPECT_EQ(codeOf([&] { r.storeValue(0, vbInt(1)); }), -511);
    NvSnmpVb vb;
    EXPECT_EQ(codeOf([&] { r.loadValue(0, vb); }), -511);
}

// Failures raised before anything is sent (the agent address is valid but
// nothing listens on it).
TEST(RequestFailures, RaisedBeforeSending)
{
    NvSNMPDevice.address = "127.0.0.1";
    NvSNMPDevice.port = 9;
    const NvSNMPVarDescriptor table[] = {{"1.3.6.1.4.1.9.1", "x", SyntaxInteger, AccessReadable | AccessWritable},
                                         {nullptr}};
    const NvSNMPVarDescriptor badSyntax[] = {{"1.3.6.1.4.1.9.1", "x", NvSyntax{99}, AccessReadable | AccessWritable},
                                             {nullptr}};
    struct Case {
        const char* name;
        const NvSNMPVarDescriptor* table;
        NvSNMPVarList::Kind kind;
        std::function<void(NvSNMPRequest&)> call;
        int code;
    };
    const Case cases[] = {
        {"get-next step on a scalar group", table, NvSNMPVarList::ScalarGroup, [](NvSNMPRequest& r) { r.getSync(false); }, -510},
        {"get-next step on a single instance", table, NvSNMPVarList::SingleInstance,
         [](NvSNMPRequest& r) { r.getAsync([](NvSNMPRequest&, const NvSNMPError&) {}, false); }, -510},
        {"set of an unknown syntax", badSyntax, NvSNMPVarList::ScalarGroup, [](NvSNMPRequest& r) { r.setSync(); }, -511},
        {"get of a list kind beyond 3", table, NvSNMPVarList::Kind{7}, [](NvSNMPRequest& r) { r.getSync(true); }, -515},
        {"set of a list kind beyond 3", table, NvSNMPVarList::Kind{7}, [](NvSNMPRequest& r) { r.setSync(); }, -515},
        {"asynchronous get of a list kind beyond 3", table, NvSNMPVarList::Kind{9},
         [](NvSNMPRequest& r) { r.getAsync([](NvSNMPRequest&, const NvSNMPError&) {}, true); }, -515},
    };
    for (const Case& c : cases) {
        NvSNMPRequest r;
        r.varList.assign(NvSNMPVarList(c.table, c.kind, 0));
        r.varList.row(0).value = "1";
        EXPECT_EQ(codeOf([&] { c.call(r); }), c.code) << c.name;
        EXPECT_EQ(r.pendingCount(), 0) << c.name;
    }
}

// Reply processing of one walk step, fed by hand.
class ReplyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        static const NvSNMPVarDescriptor table[] = {
            {"1.3.6.1.4.1.9.9.1.1", "index", SyntaxInteger, AccessIndex},
            {"1.3.6.1.4.1.9.9.1.2", "a", SyntaxInteger, AccessReadable},
            {"1.3.6.1.4.1.9.9.1.3", "b", SyntaxInteger, AccessReadable},
            {nullptr}};
        r.varList.assign(NvSNMPVarList(table, NvSNMPVarList::Table, 1));
    }
    static NvSnmpVb at(const char* oid, int64_t value)
    {
        NvSnmpVb vb = vbInt(value);
        oidFromText(oid, vb.oid);
        return vb;
    }
    NvSNMPError step(std::vector<NvSnmpVb> vbs, int status = 0, bool store = true)
    {
        NvSnmpPdu pdu;
        pdu.vbs = std::move(vbs);
        return r.processReply(pdu, status, "127.0.0.1/1161", store);
    }
    NvSNMPRequest r;
};

TEST_F(ReplyTest, ColumnThatEndsEarlyShowsNotDone)
{
    NvSNMPError e = step({at("1.3.6.1.4.1.9.9.1.2.1", 10), at("1.3.6.1.4.1.9.9.1.3.1", 20)});
    EXPECT_FALSE(e.finished);
    EXPECT_EQ(e.agentAddress, "127.0.0.1");
    EXPECT_EQ(e.agentPort, 1161);
    EXPECT_EQ(r.varList.row(0).value, "1");
    e = step({at("1.3.6.1.4.1.9.9.1.2.2", 11), at("1.3.6.1.4.1.9.9.1.4.1", 0)});
    EXPECT_FALSE(e.finished);
    EXPECT_EQ(r.varList.row(0).value, "2");
    EXPECT_EQ(r.varList.row(1).value, "11");
    EXPECT_EQ(r.varList.row(2).value, "(NOTDONE)");
    e = step({at("1.3.6.1.4.1.9.9.1.3.1", 20), at("1.3.6.1.4.1.9.9.1.4.1", 0)});
    EXPECT_TRUE(e.finished);
}

TEST_F(ReplyTest, ColumnTenIsNotPartOfColumnOne)
{
    static const NvSNMPVarDescriptor table[] = {{"1.3.6.1.4.1.9.9.1.1", "index", SyntaxInteger, AccessIndex},
                                                {"1.3.6.1.4.1.9.9.1.1", "a", SyntaxInteger, AccessReadable},
                                                {nullptr}};
    r.varList.assign(NvSNMPVarList(table, NvSNMPVarList::Table, 1));
    EXPECT_TRUE(step({at("1.3.6.1.4.1.9.9.1.10.1", 1)}).finished);
}

// The column ends (the walk cannot run for ever) and the walk ends as a
// failure that names the agent's fault, not as a complete table.
TEST_F(ReplyTest, IdentifierThatDoesNotGrowEndsTheColumnAndTheWalkSaysSo)
{
    const std::pair<const char*, const char*> cases[] = {
        {"1.3.6.1.4.1.9.9.1.2.5", "1.3.6.1.4.1.9.9.1.2.5"},  // repeated
        {"1.3.6.1.4.1.9.9.1.2.5", "1.3.6.1.4.1.9.9.1.2.3"},  // gone back
        {"1.3.6.1.4.1.9.9.1.2.5.1", "1.3.6.1.4.1.9.9.1.2.5"},  // shorter, before
    };
    for (auto [first, second] : cases) {
        r.varList.row(2).access = AccessExcluded;
        r.varList.row(1).lastOid.clear();  // a new walk
        EXPECT_FALSE(step({at(first, 1)}).finished) << first;
        const NvSNMPError e = step({at(second, 1)});
        EXPECT_TRUE(e.finished) << second;
        EXPECT_EQ(e.code, ErrWalkNotAdvancing) << second;
        EXPECT_EQ(e.message, "(NvSNMP++) The agent's answers went back or repeated during the walk!");
    }
}

TEST_F(ReplyTest, EmptyTableFinishesAtOnce)
{
    const NvSNMPError e = step({at("1.3.6.1.4.1.9.9.2.1.0", 1), at("1.3.6.1.4.1.9.9.2.1.0", 1)});
    EXPECT_EQ(e.code, 0);
    EXPECT_TRUE(e.finished);
}

TEST_F(ReplyTest, NoSuchNameEndsAWalkAsSuccessOnlyWhenEchoed)
{
    step({at("1.3.6.1.4.1.9.9.1.2.1", 10), at("1.3.6.1.4.1.9.9.1.3.1", 20)});
    NvSNMPError echoed = step({at("1.3.6.1.4.1.9.9.1.2.1", 0), at("1.3.6.1.4.1.9.9.1.3.1", 0)}, 2);
    EXPECT_EQ(echoed.code, 0);
    EXPECT_EQ(echoed.message, "(NvSNMP++) Ok!");
    EXPECT_TRUE(echoed.finished);

    NvSNMPError other = step({at("1.3.6.1.4.1.9.9.1.2.9", 0), at("1.3.6.1.4.1.9.9.1.3.9", 0)}, 2);
    EXPECT_EQ(other.code, -102);
    EXPECT_TRUE(other.finished);

    // A set that fails with noSuchName stays a failure.
    NvSNMPError set = step({at("1.3.6.1.4.1.9.9.1.2.1", 0)}, 2, false);
    EXPECT_EQ(set.code, -102);
    EXPECT_TRUE(set.finished);
}

TEST_F(ReplyTest, TimeOutIsHandedOverFinished)
{
    const NvSNMPError e = step({}, -5);
    EXPECT_EQ(e.code, -405);
    EXPECT_EQ(e.message, "(SNMPClass) SNMP request timed out!");
    EXPECT_TRUE(e.finished);
    EXPECT_EQ(r.varList.row(1).value, "");
}

}  // namespace
