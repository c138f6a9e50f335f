// hv720-sim against Debian's snmp tools: identification tables, LEDs, sets, row
// creation, SNMPv3, the catalogue loader and the fault switches.
#include "tests/common/SimulatorProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <thread>

namespace {

const std::string kUnit = "1.3.6.1.4.1.497.12.11.1.9.4.1";
const std::string kPort = "1.3.6.1.4.1.497.11.59.7.2.3.1.1";
const std::string kSubUnit = "1.3.6.1.4.1.497.11.59.7.2.1.1.3.1";
const std::string kRmon = "1.3.6.1.4.1.497.11.59.7.2.1.2.3.0";
const std::string kControl = "1.3.6.1.4.1.497.999.1";

// "OID = TYPE: value" lines of the tools (values may continue on further lines)
// in answer order: OID without the leading dot, value text without its type.
std::vector<std::pair<std::string, std::string>> lines(const std::string& out)
{
    std::vector<std::pair<std::string, std::string>> m;
    std::istringstream in(out);
    std::string line, last;
    while (std::getline(in, line)) {
        auto eq = line.find(" = ");
        if (!line.empty() && line[0] == '.' && eq != std::string::npos) {
            last = line.substr(1, eq - 1);
            std::string v = line.substr(eq + 3);
            auto colon = v.find(": ");
            if (colon != std::string::npos && v.find('"') > colon)
                v = v.substr(colon + 2);
            if (v.size() >= 2 && v.front() == '"' && v.back() == '"')
                v = v.substr(1, v.size() - 2);
            m.push_back({last, v});
        } else if (!m.empty()) {
            m.back().second += " " + line;
        }
    }
    return m;
}

std::map<std::string, std::string> entries(const std::string& out)
{
    auto l = lines(out);
    return {l.begin(), l.end()};
}

// Values of one column, in walk order, keyed by the row suffix.
std::vector<std::pair<std::string, std::string>> column(const SimulatorProcess& sim, const std::string& col,
                                                        const std::vector<std::string>& extra = {})
{
    std::vector<std::pair<std::string, std::string>> rows;
    for (const auto& [oid, v] : lines(sim.walk(col, extra).out))
        rows.push_back({oid.substr(col.size() + 1), v});
    return rows;
}

std::vector<int> hexOctets(const std::string& text)
{
    std::vector<int> o;
    std::istringstream in(text);
    std::string tok;
    while (in >> tok)
        o.push_back(std::stoi(tok, nullptr, 16));
    return o;
}

std::vector<int> ledOctets(const SimulatorProcess& sim, int unit)
{
    auto r = sim.get({kUnit + ".6." + std::to_string(unit)}, {"-Ox"});
    return hexOctets(entries(r.out)[kUnit + ".6." + std::to_string(unit)]);
}

class SimTest : public ::testing::Test {
protected:
    void startSim(const std::vector<std::string>& options = {}, const std::string& stack = "")
    {
        ASSERT_TRUE(sim.start(options, stack)) << sim.log();
    }
    SimulatorProcess sim;
};

} // namespace

TEST_F(SimTest, DefaultStackIdentificationTables)
{
    startSim();
    using Rows = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(column(sim, kUnit + ".10"), (Rows{{"1", "HV-720"}, {"2", "HV-710"}, {"3", "HV-640"}}));
    EXPECT_EQ(column(sim, kUnit + ".2"), (Rows{{"1", "1"}, {"2", "1"}, {"3", "1"}}));
    EXPECT_EQ(column(sim, kUnit + ".5"), (Rows{{"1", "26"}, {"2", "50"}, {"3", "24"}}));
    EXPECT_EQ(column(sim, kUnit + ".8"), (Rows{{"1", "4"}, {"2", "5"}, {"3", "5"}}));
    EXPECT_EQ(column(sim, kSubUnit + ".3"), (Rows{{"1", "HM20"}, {"2", "HM10"}, {"3", "-"}}));

    // Ports numbered (unit - 1) * 64 + port, with the unit in column 2.
    std::vector<std::string> expected;
    for (int p = 1; p <= 26; ++p) expected.push_back(std::to_string(p));
    for (int p = 1; p <= 50; ++p) expected.push_back(std::to_string(64 + p));
    for (int p = 1; p <= 24; ++p) expected.push_back(std::to_string(128 + p));
    std::vector<std::string> got;
    for (const auto& [row, unit] : column(sim, kPort + ".2")) {
        got.push_back(row);
        EXPECT_EQ(unit, std::to_string((std::stoi(row) - 1) / 64 + 1)) << row;
    }
    EXPECT_EQ(got, expected);

    EXPECT_EQ(entries(sim.get({kRmon}).out)[kRmon], "3");
}

TEST_F(SimTest, StackFileGivesModelsStatusAndLedLengths)
{
    startSim({"--led-period", "200"},
             "# a stack of every family\n"
             "model=HV-710 module=HM10\n"
             "model=HV720\n"
             "model=HV-630 status=exist\n"
             "unit=5 model=\"HV-640*\" mode=slave\n"
             "unit=6 model=\"HV-640 \" status=not-exist\n");
    using Rows = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(column(sim, kUnit + ".10"),
              (Rows{{"1", "HV-710"}, {"2", "HV720"}, {"3", "HV-630"}, {"5", "HV-640*"}, {"6", "HV-640 "}}));
    EXPECT_EQ(column(sim, kUnit + ".2"), (Rows{{"1", "1"}, {"2", "1"}, {"3", "1"}, {"5", "1"}, {"6", "0"}}));

    // Four system octets, two per port, then module ports and single LEDs.
    const std::map<int, std::size_t> lengths{{1, 108}, {2, 60}, {3, 64}, {5, 56}};
    std::map<int, std::vector<int>> first;
    for (const auto& [unit, length] : lengths) {
        first[unit] = ledOctets(sim, unit);
        ASSERT_EQ(first[unit].size(), length) << "unit " << unit;
        for (int octet : first[unit])
            EXPECT_TRUE((octet & 0x7f) <= 5) << "unit " << unit << " octet " << octet;
        EXPECT_EQ(first[unit][0], 2) << "power LED of unit " << unit;
    }
    // Links come and go: poll until every unit's value has changed.
    for (const auto& [unit, length] : lengths) {
        bool changed = false;
        for (int i = 0; i < 300 && !changed; ++i)
            changed = ledOctets(sim, unit) != first[unit];
        EXPECT_TRUE(changed) << "LEDs of unit " << unit << " never changed";
    }
}

TEST_F(SimTest, WritesStickAndBadWritesAreRefused)
{
    startSim();
    struct Case { std::string oid, type, value, expected; };
    const std::vector<Case> good{
        {"1.3.6.1.2.1.1.5.0", "s", "core-stack", "core-stack"},
        {kRmon, "i", "2", "2"},
        {"1.3.6.1.4.1.497.12.10.12.5.0", "x", "01020304", "01 02 03 04"},
        {"1.3.6.1.4.1.497.11.59.7.2.9.3.1.2.1", "s", "uplink", "uplink"},
        {"1.3.6.1.2.1.17.7.1.4.5.1.1.3", "u", "20", "20"},
        {"1.3.6.1.4.1.497.12.9.2.2.1.4.3", "a", "255.255.0.0", "255.255.0.0"},
    };
    for (const auto& c : good) {
        auto r = sim.set({c.oid, c.type, c.value});
        EXPECT_EQ(r.exitCode, 0) << c.oid << ": " << r.err;
        auto value = entries(sim.get({c.oid}, {c.type == "x" ? "-Ox" : "-Oa"}).out)[c.oid];
        EXPECT_EQ(value.substr(0, c.expected.size()), c.expected) << c.oid;
    }

    struct Bad { std::string what; std::vector<std::string> options; std::vector<std::string> varbinds; std::string error; };
    const std::vector<Bad> bad{
        {"wrong type", {"-v2c", "-c", "tessany"}, {"1.3.6.1.2.1.1.5.0", "i", "3"}, "wrongType"},
        {"MAC of two octets", {"-v2c", "-c", "tessany"}, {"1.3.6.1.4.1.497.12.9.2.1.1.4.1", "x", "0102"}, "wrongLength"},
        {"mask of 15 octets", {"-v2c", "-c", "tessany"}, {"1.3.6.1.4.1.497.12.9.2.3.1.2.5", "x", "000102030405060708090A0B0C0D0E"}, "wrongLength"},
        {"value outside the enumeration", {"-v2c", "-c", "tessany"}, {kRmon, "i", "7"}, "wrongValue"},
        {"read-only column", {"-v2c", "-c", "tessany"}, {kUnit + ".10.1", "s", "HV-630"}, "notWritable"},
        {"unknown object", {"-v2c", "-c", "tessany"}, {"1.3.6.1.4.1.497.55.1.0", "i", "1"}, "notWritable"},
        {"column of a missing row", {"-v2c", "-c", "tessany"}, {"1.3.6.1.4.1.497.12.9.2.1.1.2.77", "i", "1"}, "noCreation"},
        {"read community", {"-v2c", "-c", "quorel"}, {"1.3.6.1.2.1.1.5.0", "s", "x"}, "noAccess"},
        {"v1 wrong type", {"-v1", "-c", "tessany"}, {"1.3.6.1.2.1.1.5.0", "i", "3"}, "badValue"},
        {"v1 read-only", {"-v1", "-c", "tessany"}, {kUnit + ".10.1", "s", "x"}, "noSuchName"},
    };
    for (const auto& b : bad) {
        auto opts = b.options;
        opts.insert(opts.end(), {"-On", "-t", "2", "-r", "1"});
        auto r = sim.snmp("snmpset", opts, b.varbinds);
        EXPECT_NE(r.err.find(b.error), std::string::npos) << b.what << ": " << r.err;
    }
    EXPECT_EQ(entries(sim.get({"1.3.6.1.2.1.1.5.0"}).out)["1.3.6.1.2.1.1.5.0"], "core-stack");
}

TEST_F(SimTest, RowsAreCreatedAndDestroyed)
{
    startSim();
    struct Case {
        std::string what, control, row, create, destroy;
        std::vector<std::string> alsoSet;  // other columns written with the creation
    };
    const std::vector<Case> cases{
        {"row status, createAndGo", "1.3.6.1.4.1.497.12.9.2.1.1.8", "9", "4", "6",
         {"1.3.6.1.4.1.497.12.9.2.1.1.2.9", "i", "1"}},
        {"row status, createAndWait", "1.3.6.1.4.1.497.11.59.7.3.4.1.3", "7", "5", "6", {}},
        {"trunk state", "1.3.6.1.4.1.497.11.59.7.2.9.3.1.7", "3", "4", "6",
         {"1.3.6.1.4.1.497.11.59.7.2.9.3.1.2.3", "s", "new"}},
        {"valid/invalid", "1.3.6.1.4.1.497.11.59.7.3.3.1.4.1.3", "3.100.108.50.10.9.9.9", "3", "2", {}},
        {"add/delete", "1.3.6.1.4.1.497.12.5.12.1.4", "3.116.97.99.10.90.90.6.3", "1", "2", {}},
        {"static VLAN", "1.3.6.1.2.1.17.7.1.4.3.1.5", "30", "4", "6",
         {"1.3.6.1.2.1.17.7.1.4.3.1.1.30", "s", "VLAN30"}},
    };
    for (const auto& c : cases) {
        const std::string oid = c.control + "." + c.row;
        std::vector<std::string> vbs{oid, "i", c.create};
        vbs.insert(vbs.end(), c.alsoSet.begin(), c.alsoSet.end());
        auto r = sim.set(vbs);
        EXPECT_EQ(r.exitCode, 0) << c.what << ": " << r.err;
        EXPECT_EQ(entries(sim.walk(c.control).out).count(oid), 1u) << c.what << " not created";
        if (!c.alsoSet.empty()) {
            EXPECT_EQ(entries(sim.get({c.alsoSet[0]}).out)[c.alsoSet[0]], c.alsoSet[2]) << c.what;
        }

        r = sim.set({oid, "i", c.create});
        if (c.create == "4" || c.create == "5") {
            EXPECT_NE(r.err.find("inconsistentValue"), std::string::npos) << c.what << ": " << r.err;
        }

        r = sim.set({oid, "i", c.destroy});
        EXPECT_EQ(r.exitCode, 0) << c.what << ": " << r.err;
        EXPECT_EQ(entries(sim.walk(c.control).out).count(oid), 0u) << c.what << " not destroyed";
    }
}

TEST_F(SimTest, SnmpV3UsersAuthenticateAndEncrypt)
{
    startSim({"--user", "alice:SHA:alicepass1:AES:alicepriv1", "--user", "bob:MD5:bobpass12:DES:bobpriv12",
              "--user", "carol:SHA:carolpass1", "--user", "dave", "--user", "erin:SHA-256:erinpass1:AES-256:erinpriv1",
              "--user", "frank:SHA-512:frankpass1:AES-192:frankpriv1"});
    struct Case { std::vector<std::string> options; bool works; };
    const std::vector<Case> cases{
        {{"-l", "authPriv", "-u", "alice", "-a", "SHA", "-A", "alicepass1", "-x", "AES", "-X", "alicepriv1"}, true},
        {{"-l", "authPriv", "-u", "bob", "-a", "MD5", "-A", "bobpass12", "-x", "DES", "-X", "bobpriv12"}, true},
        {{"-l", "authNoPriv", "-u", "carol", "-a", "SHA", "-A", "carolpass1"}, true},
        {{"-l", "noAuthNoPriv", "-u", "dave"}, true},
        {{"-l", "authPriv", "-u", "erin", "-a", "SHA-256", "-A", "erinpass1", "-x", "AES-256", "-X", "erinpriv1"}, true},
        {{"-l", "authPriv", "-u", "frank", "-a", "SHA-512", "-A", "frankpass1", "-x", "AES-192", "-X", "frankpriv1"},
         true},
        {{"-l", "authPriv", "-u", "alice", "-a", "SHA", "-A", "wrongpass1", "-x", "AES", "-X", "alicepriv1"}, false},
        {{"-l", "noAuthNoPriv", "-u", "nobody"}, false},
    };
    for (const auto& c : cases) {
        std::vector<std::string> opts{"-v3", "-On", "-t", "2", "-r", "0"};
        opts.insert(opts.end(), c.options.begin(), c.options.end());
        auto r = sim.snmp("snmpwalk", opts, {kSubUnit + ".3"});
        EXPECT_EQ(entries(r.out)[kSubUnit + ".3.1"] == "HM20", c.works) << c.options[3] << ": " << r.err;
        if (c.works) {
            auto s = sim.snmp("snmpset", opts, {"1.3.6.1.2.1.1.6.0", "s", c.options[3]});
            EXPECT_EQ(s.exitCode, 0) << s.err;
        }
    }
}

TEST_F(SimTest, CatalogueObjectsAreServed)
{
    // Table number, opener, list kind, index count, row, oid, label, syntax, access, options.
    const std::string tsv =
        "7\tSTP Bridge\t0\t0\t0\t1.3.6.1.4.1.497.30.1.1\tSTP Status\t2\t6\t1=enabled|2=disabled\n"
        "7\tSTP Bridge\t0\t0\t1\t1.3.6.1.4.1.497.30.1.2\tBridge Name\t76\t6\t\n"
        "8\tPort Settings\t2\t1\t0\t1.3.6.1.4.1.497.30.2.1.1\tPort\t2\t1\t\n"
        "8\tPort Settings\t2\t1\t1\t1.3.6.1.4.1.497.30.2.1.2\tSpeed\t2\t6\t1=auto|2=half-10|3=full-100\n"
        "8\tPort Settings\t2\t1\t2\t1.3.6.1.4.1.497.30.2.1.3\tRx Octets\t65\t2\t\n"
        "9\tRadius Servers\t3\t1\t0\t1.3.6.1.4.1.497.30.3.1.1\tIndex\t2\t1\t\n"
        "9\tRadius Servers\t3\t1\t1\t1.3.6.1.4.1.497.30.3.1.2\tServer\t64\t6\t\n"
        "9\tRadius Servers\t3\t1\t2\t1.3.6.1.4.1.497.30.3.1.3\tStatus\t2\t6\t1=active|4=createAndGo|6=destroy\n"
        "10\tUnits\t2\t1\t0\t1.3.6.1.4.1.497.12.11.1.9.4.1.1\tUnit\t2\t1\t\n"
        "10\tUnits\t2\t1\t1\t1.3.6.1.4.1.497.12.11.1.9.4.1.10\tModel\t2\t2\t\n";
    startSim({"--catalogue", sim.writeFile("catalogue.tsv", tsv)});

    auto scalars = entries(sim.get({"1.3.6.1.4.1.497.30.1.1.0", "1.3.6.1.4.1.497.30.1.2.0"}).out);
    EXPECT_EQ(scalars["1.3.6.1.4.1.497.30.1.1.0"], "1");
    EXPECT_FALSE(scalars["1.3.6.1.4.1.497.30.1.2.0"].empty());

    auto speeds = column(sim, "1.3.6.1.4.1.497.30.2.1.2");
    ASSERT_EQ(speeds.size(), 100u);  // one row per port of the default stack
    EXPECT_EQ(speeds.front().first, "1");
    EXPECT_EQ(speeds.back().first, "152");
    auto counters = sim.walk("1.3.6.1.4.1.497.30.2.1.3");
    EXPECT_NE(counters.out.find("Counter32"), std::string::npos);

    EXPECT_EQ(sim.set({"1.3.6.1.4.1.497.30.2.1.2.65", "i", "3"}).exitCode, 0);
    EXPECT_EQ(entries(sim.get({"1.3.6.1.4.1.497.30.2.1.2.65"}).out)["1.3.6.1.4.1.497.30.2.1.2.65"], "3");
    EXPECT_NE(sim.set({"1.3.6.1.4.1.497.30.2.1.2.65", "i", "9"}).err.find("wrongValue"), std::string::npos);

    EXPECT_EQ(sim.set({"1.3.6.1.4.1.497.30.3.1.3.8", "i", "4", "1.3.6.1.4.1.497.30.3.1.2.8", "a", "10.1.2.3"}).exitCode, 0);
    EXPECT_EQ(entries(sim.get({"1.3.6.1.4.1.497.30.3.1.2.8"}).out)["1.3.6.1.4.1.497.30.3.1.2.8"], "10.1.2.3");

    // Objects served by the simulator itself keep their own values and types.
    EXPECT_EQ(entries(sim.get({kUnit + ".10.1"}).out)[kUnit + ".10.1"], "HV-720");
}

TEST_F(SimTest, CatalogueValuesAreWhatTheStackWouldReport)
{
    // Number, opener, list kind, index count, row, oid, label, syntax, access, options, allowed values.
    const std::string tsv =
        "20\tDevice\t0\t0\t1\t1.3.6.1.4.1.497.31.1.1\tTotal Number Of Port\t2\t2\t\t\n"
        "20\tDevice\t0\t0\t2\t1.3.6.1.4.1.497.31.1.2\tMax Age[600-4000]\t2\t6\t\t600..4000\n"
        "20\tDevice\t0\t0\t3\t1.3.6.1.4.1.497.31.1.3\tTx Hold Count[1-10]\t2\t6\t\t1..10\n"
        "20\tDevice\t0\t0\t4\t1.3.6.1.4.1.497.31.1.4\tSpare Level\t2\t6\t\t5..9\n"
        "20\tDevice\t0\t0\t5\t1.3.6.1.4.1.497.31.1.5\tServer1 IPAddr\t76\t6\t\t\n"
        "20\tDevice\t0\t0\t6\t1.3.6.1.4.1.497.31.1.6\tDefault Gateway\t64\t6\t\t\n"
        "20\tDevice\t0\t0\t7\t1.3.6.1.4.1.497.31.1.7\tSystem UpTime\t67\t2\t\t\n"
        "21\tIP Interfaces\t2\t1\t1\t1.3.6.1.4.1.497.31.2.1.1\tIP Address\t64\t1\t\t\n"
        "21\tIP Interfaces\t2\t1\t2\t1.3.6.1.4.1.497.31.2.1.2\tIf Index\t2\t2\t\t\n"
        "21\tIP Interfaces\t2\t1\t3\t1.3.6.1.4.1.497.31.2.1.3\tSubnet Mask\t64\t2\t\t\n"
        "22\tPort Counters\t2\t1\t1\t1.3.6.1.4.1.497.31.3.1.1\tPort\t2\t1\t\t\n"
        "22\tPort Counters\t2\t1\t2\t1.3.6.1.4.1.497.31.3.1.2\tIn Octets\t65\t2\t\t\n"
        "22\tPort Counters\t2\t1\t3\t1.3.6.1.4.1.497.31.3.1.3\tIn Multicast Pkts\t65\t2\t\t\n"
        "22\tPort Counters\t2\t1\t4\t1.3.6.1.4.1.497.31.3.1.4\tIn Errors\t65\t2\t\t\n";
    startSim({"--catalogue", sim.writeFile("catalogue.tsv", tsv)});
    const std::string device = "1.3.6.1.4.1.497.31.1.", counters = "1.3.6.1.4.1.497.31.3.1.";

    const std::pair<const char*, const char*> scalars[] = {
        {"1", "100"},           // the default stack's ports
        {"2", "2000"},          // STP timers at their defaults
        {"3", "3"},
        {"4", "5"},             // no rule: the nearest allowed value
        {"5", "10.90.90.11"},   // a server of the switch's network, as text
        {"6", "10.90.90.254"},
    };
    auto shown = entries(sim.get({device + "1.0", device + "2.0", device + "3.0", device + "4.0", device + "5.0",
                                  device + "6.0"}).out);
    for (const auto& [object, value] : scalars) {
        SCOPED_TRACE(object);
        EXPECT_EQ(shown[device + object + ".0"], value);
    }

    // Each interface in its own /24, numbered like ports.
    using Rows = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(column(sim, "1.3.6.1.4.1.497.31.2.1.2"),
              (Rows{{"10.90.90.1", "1"}, {"10.90.91.1", "2"}, {"10.90.92.1", "3"}}));
    EXPECT_EQ(column(sim, "1.3.6.1.4.1.497.31.2.1.3").front().second, "255.255.255.0");

    // The allowed values bound writes too.
    EXPECT_NE(sim.set({device + "2.0", "i", "500"}).err.find("wrongValue"), std::string::npos);
    EXPECT_EQ(sim.set({device + "2.0", "i", "1000"}).exitCode, 0);

    // Uptime and traffic counters grow, each column and port at its own rate; error counters stand.
    auto read = [&] {
        return entries(sim.get({device + "7.0", counters + "2.1", counters + "2.2", counters + "3.1",
                                counters + "4.1"}).out);
    };
    auto before = read();
    std::this_thread::sleep_for(std::chrono::milliseconds(1200));
    auto after = read();
    auto grew = [&](const std::string& oid) { return std::stoll(after[oid]) - std::stoll(before[oid]); };
    EXPECT_NE(before[device + "7.0"], after[device + "7.0"]);
    EXPECT_GT(grew(counters + "2.1"), grew(counters + "3.1"));
    EXPECT_GT(grew(counters + "3.1"), 0);
    EXPECT_NE(grew(counters + "2.1"), grew(counters + "2.2"));
    EXPECT_EQ(grew(counters + "4.1"), 0);
}

TEST_F(SimTest, FaultSwitchesFromOptionsAndControlScalars)
{
    startSim({"--error", "1.3.6.1.2.1.1.4=genErr", "--short-leds", "2=10"});
    const std::string contact = "1.3.6.1.2.1.1.4.0", name = "1.3.6.1.2.1.1.5.0";

    EXPECT_NE(sim.get({contact}).err.find("genError"), std::string::npos);
    EXPECT_EQ(entries(sim.get({name}).out)[name], "hv720-stack");
    EXPECT_EQ(ledOctets(sim, 2).size(), 10u);
    EXPECT_EQ(ledOctets(sim, 1).size(), 60u);

    // Switch the error to another object and status at run time.
    ASSERT_EQ(sim.set({kControl + ".3.0", "o", "1.3.6.1.2.1.1.5", kControl + ".4.0", "i", "129"}).exitCode, 0);
    EXPECT_EQ(entries(sim.get({contact}).out)[contact], "admin");
    EXPECT_NE(sim.get({name}).out.find("No Such Instance"), std::string::npos);
    ASSERT_EQ(sim.set({kControl + ".4.0", "i", "0", kControl + ".7.0", "i", "0", kControl + ".8.0", "i", "3"}).exitCode, 0);
    EXPECT_EQ(entries(sim.get({name}).out)[name], "hv720-stack");
    EXPECT_EQ(ledOctets(sim, 1).size(), 3u);

    // Walks that repeat an identifier or go back to an earlier one.
    const std::string col = kPort + ".2";
    for (const auto& [mode, expected] : std::vector<std::pair<std::string, std::string>>{{"1", ".2.1\n >= ." + col + ".1"},
                                                                                         {"2", ".2.2\n >= ." + col + ".1"}}) {
        ASSERT_EQ(sim.set({kControl + ".5.0", "o", col, kControl + ".6.0", "i", mode}).exitCode, 0);
        auto r = sim.walk(col);
        EXPECT_NE(r.err.find("OID not increasing"), std::string::npos) << mode << ": " << r.err;
        EXPECT_NE(r.err.find(expected), std::string::npos) << mode << ": " << r.err;
    }
    ASSERT_EQ(sim.set({kControl + ".6.0", "i", "0"}).exitCode, 0);
    EXPECT_EQ(column(sim, col).size(), 100u);

    // Every second request is dropped: of four single-try gets, two answer.
    ASSERT_EQ(sim.set({kControl + ".2.0", "i", "2"}).exitCode, 0);
    int answered = 0;
    for (int i = 0; i < 4; ++i)
        answered += sim.get({name}, {"-r", "0", "-t", "1"}).exitCode == 0;
    EXPECT_EQ(answered, 2);
    ASSERT_EQ(sim.set({kControl + ".2.0", "i", "0"}).exitCode, 0);

    // A delay longer than the manager's time-out loses the answer, a shorter one not.
    ASSERT_EQ(sim.set({kControl + ".1.0", "i", "1500"}).exitCode, 0);
    EXPECT_NE(sim.get({name}, {"-r", "0", "-t", "0.3"}).err.find("Timeout"), std::string::npos);
    EXPECT_EQ(entries(sim.get({name}, {"-r", "0", "-t", "10"}).out)[name], "hv720-stack");
}

TEST_F(SimTest, ValueAndTransportFaults)
{
    startSim({"--wrong-type", "1.3.6.1.2.1.1.5", "--long-strings", "1.3.6.1.2.1.1.4=300", "--short-leds", "1=70"});
    const std::string contact = "1.3.6.1.2.1.1.4.0", name = "1.3.6.1.2.1.1.5.0";
    EXPECT_NE(sim.get({name}).out.find("INTEGER: 11"), std::string::npos);  // "hv720-stack" as its length
    EXPECT_EQ(entries(sim.get({contact}).out)[contact], "admin" + std::string(295, 'X'));
    const std::vector<int> leds = ledOctets(sim, 1);
    ASSERT_EQ(leds.size(), 70u);
    EXPECT_EQ(std::vector<int>(leds.begin() + 60, leds.end()), std::vector<int>(10, 2));

    // Answers under a request id never sent, and undecodable answers, are lost
    // to the manager; the control scalars always answer.
    for (const char* scalar : {".21.0", ".22.0"}) {
        SCOPED_TRACE(scalar);
        ASSERT_EQ(sim.set({kControl + scalar, "i", "1"}).exitCode, 0);
        EXPECT_NE(sim.get({name}, {"-r", "0", "-t", "0.5"}).err.find("Timeout"), std::string::npos);
        ASSERT_EQ(sim.set({kControl + scalar, "i", "0"}).exitCode, 0);
    }
    // Answers stop after the given number of requests.
    ASSERT_EQ(sim.set({kControl + ".26.0", "i", "2"}).exitCode, 0);
    std::vector<int> codes;
    for (int i = 0; i < 3; ++i)
        codes.push_back(sim.get({contact}, {"-r", "0", "-t", "0.5"}).exitCode);
    EXPECT_EQ(codes, (std::vector<int>{0, 0, 1}));
}

TEST_F(SimTest, DelayAndDropFromTheCommandLine)
{
    startSim({"--delay", "1200", "--drop-every", "3"});
    const std::string name = "1.3.6.1.2.1.1.5.0";
    std::vector<int> codes;
    for (int i = 0; i < 3; ++i)
        codes.push_back(sim.get({name}, {"-r", "0", "-t", "4"}).exitCode);
    EXPECT_EQ(codes, (std::vector<int>{0, 0, 1}));
    EXPECT_NE(sim.get({name}, {"-r", "0", "-t", "0.2"}).err.find("Timeout"), std::string::npos);
}

TEST_F(SimTest, BadCommandLinesAreRefused)
{
    const std::vector<std::vector<std::string>> bad{
        {"--listen", "0.0.0.0"},
        {"--user", "eve:SHA:short"},
        {"--user", "eve:SHA-1024:evepass12"},
        {"--unit", "model=HV-720 colour=blue"},
        {"--error", "1.3.6=notAStatus"},
        {"--walk-fault", "1.3.6=sideways"},
        {"--frobnicate"},
    };
    for (const auto& args : bad) {
        std::vector<std::string> argv{SimulatorProcess::executable()};
        argv.insert(argv.end(), args.begin(), args.end());
        auto r = sim.run(argv);
        EXPECT_EQ(r.exitCode, 2) << args[0] << ": " << r.err;
    }
    // An option file line holding a name and blanks only is refused, naming the line.
    const std::string config = sim.dir() + "/blank-value.conf";
    {
        std::ofstream(config) << "# faults\ndelay \t\n";
    }
    auto r = sim.run({SimulatorProcess::executable(), "--config", config});
    EXPECT_EQ(r.exitCode, 2) << r.err;
    EXPECT_NE(r.err.find(config + ":2:"), std::string::npos) << r.err;
    std::string thirteen;
    for (int i = 0; i < 13; ++i)
        thirteen += "model=HV-720\n";
    EXPECT_FALSE(sim.start({}, thirteen));
}

TEST_F(SimTest, StaticVlansAppearInTheCurrentTableAndSetsAreLogged)
{
    const std::string log = sim.dir() + "/sets.log";
    startSim({"--set-log", log});
    const std::string status = "1.3.6.1.2.1.17.7.1.4.3.1.5.30";
    const std::string egress = "1.3.6.1.2.1.17.7.1.4.3.1.2.30";
    const std::string currentEgress = "1.3.6.1.2.1.17.7.1.4.2.1.4.0.30";
    const std::string deletes = "1.3.6.1.2.1.17.7.1.4.1.0";
    const std::string count = "1.3.6.1.2.1.17.7.1.1.4.0";

    ASSERT_EQ(sim.set({status, "i", "4", egress, "x", "C0"}).exitCode, 0);
    auto after = entries(sim.get({currentEgress, count}, {"-Ox"}).out);
    EXPECT_EQ(after[currentEgress], "C0 ");  // the tools end hexadecimal values with a blank
    EXPECT_EQ(after[count], "4");

    ASSERT_EQ(sim.set({status, "i", "6"}).exitCode, 0);
    after = entries(sim.get({currentEgress, deletes, count}).out);
    EXPECT_NE(after[currentEgress].find("No Such Instance"), std::string::npos) << after[currentEgress];
    EXPECT_EQ(after[deletes], "1");
    EXPECT_EQ(after[count], "3");

    std::ifstream in(log);
    const std::string logged((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(logged, status + "=4 " + egress + "=0xC0\n" + status + "=6\n");
}
