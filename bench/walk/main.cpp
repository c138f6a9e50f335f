// Table walks by the request engine beside snmptable, and prints the figures.
//
// 1. snmpTargetAddrTable of a local snmpd filled with --rows entries (six
//    readable columns, an implied text index), on loopback: the engine with
//    get-next (through the event pump and blocking) and with GETBULK, snmptable
//    -CB (get-next) and snmptable in its default GETBULK mode.
// 2. The port table of a 12-unit stack on hv720-sim (768 rows, five columns),
//    on loopback and with every answer --delay milliseconds late (a link with
//    that round trip): the engine with get-next and with GETBULK, and
//    snmptable in its default GETBULK mode on the same columns.
//
//   bench-walk [--rows N] [--runs N] [--delay MS]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <string>

#include "snmp/NvBulkWalk.h"
#include "snmp/NvSNMPRequest.h"
#include "snmp/NvSNMPSession.h"
#include "snmp/NvSnmpAdapter.h"
#include "snmp/SnmpEventProcessor.h"
#include "tests/common/BenchOptions.h"
#include "tests/common/SimulatorProcess.h"
#include "tests/common/SnmpdFixture.h"

namespace {

const NvSNMPVarDescriptor kTable[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Name", SyntaxDisplayString, AccessIndex | AccessImplied},
    {"1.3.6.1.6.3.12.1.2.1.2", "Domain", SyntaxOid, AccessReadable},
    {"1.3.6.1.6.3.12.1.2.1.3", "Address", SyntaxOctets, AccessReadable},
    {"1.3.6.1.6.3.12.1.2.1.4", "Timeout", SyntaxInteger, AccessReadable},
    {"1.3.6.1.6.3.12.1.2.1.5", "Retries", SyntaxInteger, AccessReadable},
    {"1.3.6.1.6.3.12.1.2.1.6", "Tags", SyntaxDisplayString, AccessReadable},
    {"1.3.6.1.6.3.12.1.2.1.7", "Params", SyntaxDisplayString, AccessReadable},
    {nullptr},
};

// The same table described for snmptable, which needs to know its columns.
const char* kMib = R"(HV-BENCH-MIB DEFINITIONS ::= BEGIN
benchAddrTable OBJECT-TYPE SYNTAX SEQUENCE OF BenchAddrEntry ACCESS not-accessible STATUS mandatory
    ::= { iso 3 6 1 6 3 12 1 2 }
benchAddrEntry OBJECT-TYPE SYNTAX BenchAddrEntry ACCESS not-accessible STATUS mandatory
    INDEX { IMPLIED benchName } ::= { benchAddrTable 1 }
BenchAddrEntry ::= SEQUENCE { benchName OCTET STRING, benchDomain OBJECT IDENTIFIER, benchAddress OCTET STRING,
    benchTimeout INTEGER, benchRetries INTEGER, benchTags OCTET STRING, benchParams OCTET STRING }
benchName OBJECT-TYPE SYNTAX OCTET STRING ACCESS not-accessible STATUS mandatory ::= { benchAddrEntry 1 }
benchDomain OBJECT-TYPE SYNTAX OBJECT IDENTIFIER ACCESS read-only STATUS mandatory ::= { benchAddrEntry 2 }
benchAddress OBJECT-TYPE SYNTAX OCTET STRING ACCESS read-only STATUS mandatory ::= { benchAddrEntry 3 }
benchTimeout OBJECT-TYPE SYNTAX INTEGER ACCESS read-only STATUS mandatory ::= { benchAddrEntry 4 }
benchRetries OBJECT-TYPE SYNTAX INTEGER ACCESS read-only STATUS mandatory ::= { benchAddrEntry 5 }
benchTags OBJECT-TYPE SYNTAX OCTET STRING ACCESS read-only STATUS mandatory ::= { benchAddrEntry 6 }
benchParams OBJECT-TYPE SYNTAX OCTET STRING ACCESS read-only STATUS mandatory ::= { benchAddrEntry 7 }
END
)";

// The simulator's port table, as the main window reads it.
const NvSNMPVarDescriptor kPortTable[] = {
    {"1.3.6.1.4.1.497.11.59.7.2.3.1.1.1", "Index", SyntaxInteger, AccessReadable},
    {"1.3.6.1.4.1.497.11.59.7.2.3.1.1.2", "Unit Index", SyntaxInteger, AccessReadable},
    {"1.3.6.1.4.1.497.11.59.7.2.3.1.1.3", "Port Type", SyntaxInteger, AccessReadable},
    {"1.3.6.1.4.1.497.11.59.7.2.3.1.1.4", "Link Status", SyntaxInteger, AccessReadable},
    {"1.3.6.1.4.1.497.11.59.7.2.3.1.1.5", "Nway Status", SyntaxInteger, AccessReadable},
    {nullptr},
};

// Twelve units of 64 ports: the 768 lines of the largest port table.
const char* const kStack =
    "model=HV-720 range=64\nmodel=HV-720 range=64\nmodel=HV-720 range=64\nmodel=HV-720 range=64\n"
    "model=HV-720 range=64\nmodel=HV-720 range=64\nmodel=HV-720 range=64\nmodel=HV-720 range=64\n"
    "model=HV-720 range=64\nmodel=HV-720 range=64\nmodel=HV-720 range=64\nmodel=HV-720 range=64\n";

struct Result {
    long rows = 0;
    long requests = 0;
    double ms = 0;
    quint64 ticks = 0;
};

// Walks the table through the event pump; GETBULK unless bulk is false.
Result walkAsync(const NvSNMPVarDescriptor* table = kTable, bool bulk = false)
{
    walkMaxRepetitions = bulk ? kAutomaticRepetitions : 0;
    NvBulkWalk::forgetAgents();
    NvSNMPRequest r;
    r.varList.assign(NvSNMPVarList(table, NvSNMPVarList::Table, 1));
    Result res;
    const uint64_t sent = NvSnmpAdapter::instance()->sentCount();
    QEventLoop loop;
    NvSNMPReplyHandler handler = [&](NvSNMPRequest& req, const NvSNMPError& e) {
        if (e.code == 0 && !e.finished) {
            ++res.rows;
            req.getAsync(handler, false);
            return;
        }
        if (e.code != 0)
            std::fprintf(stderr, "async walk failed: %s\n", e.message.c_str());
        loop.quit();
    };
    const quint64 ticks = _SnmpEventProcessor::instance().tickCount();
    QElapsedTimer t;
    t.start();
    r.getAsync(handler, true);
    loop.exec();
    res.ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
    res.ticks = _SnmpEventProcessor::instance().tickCount() - ticks;
    res.requests = static_cast<long>(NvSnmpAdapter::instance()->sentCount() - sent);
    return res;
}

Result walkSync()
{
    walkMaxRepetitions = 0;
    NvSNMPRequest r;
    r.varList.assign(NvSNMPVarList(kTable, NvSNMPVarList::Table, 1));
    Result res;
    QElapsedTimer t;
    t.start();
    bool more = r.getSync(true);
    ++res.requests;
    while (more) {
        ++res.rows;
        more = r.getSync(false);
        ++res.requests;
    }
    res.ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
    return res;
}

QProcessEnvironment toolEnvironment(const QString& dir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MIBS", "");
    env.insert("SNMPCONFPATH", dir);
    env.insert("SNMP_PERSISTENT_DIR", dir);
    return env;
}

// snmptable over the table; bulk false adds -CB (get-next). Requests are
// counted in a second, untimed run that dumps the packets (-d).
Result walkSnmptable(const QString& agent, const QString& community, const QString& mibDir, const QString& module,
                     const QString& table, bool bulk)
{
    QStringList args{"-M", mibDir, "-m", module, "-v2c", "-c", community, "-Cf", ",", "-CH"};
    if (!bulk)
        args << "-CB";
    args << agent << module + "::" + table;
    QProcess p;
    p.setProcessEnvironment(toolEnvironment(mibDir));
    Result res;
    QElapsedTimer t;
    t.start();
    p.start("snmptable", args);
    p.waitForFinished(600000);
    res.ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
    const QByteArray out = p.readAllStandardOutput();
    for (const QByteArray& line : out.split('\n')) {
        if (!line.trimmed().isEmpty() && !line.startsWith("SNMP table"))
            ++res.rows;
    }
    if (p.exitCode() != 0)
        std::fprintf(stderr, "snmptable failed: %s\n", p.readAllStandardError().constData());
    QProcess dump;
    dump.setProcessEnvironment(toolEnvironment(mibDir));
    dump.start("snmptable", QStringList{"-d"} + args);
    dump.waitForFinished(600000);
    for (const QByteArray& line : (dump.readAllStandardOutput() + dump.readAllStandardError()).split('\n')) {
        if (line.startsWith("Sending "))
            ++res.requests;
    }
    return res;
}

void print(const char* name, const Result& r)
{
    std::printf("  %-24s rows %6ld  requests %6ld  wall %9.1f ms  per row %7.3f ms\n", name, r.rows, r.requests, r.ms,
                r.rows ? r.ms / static_cast<double>(r.rows) : 0.0);
}

// Keeps the faster of two results.
void keepBest(Result& best, const Result& r)
{
    if (best.ms == 0 || r.ms < best.ms)
        best = r;
}

double ratio(const Result& a, const Result& b)
{
    return b.ms > 0 ? a.ms / b.ms : 0.0;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const BenchOptions options(argc, argv, {{"--rows", 1000, 1}, {"--runs", 3, 1}, {"--delay", 5, 0}});
    const int rows = options["--rows"];
    const int runs = options["--runs"];
    const int delay = options["--delay"];

    SnmpdFixture agent;
    std::string config;
    char line[160];
    for (int i = 1; i <= rows; ++i) {
        std::snprintf(line, sizeof line,
                      "targetAddr target%05d .1.3.6.1.6.1.1 0x7F00000100A2 1500 3 \"tag1 tag2\" params%05d 3 1", i, i);
        config += line;
        config += '\n';
    }
    agent.addConfig(config);
    std::string error;
    if (!agent.start(&error)) {
        std::fprintf(stderr, "cannot start snmpd: %s\n", error.c_str());
        return 1;
    }
    SimulatorProcess sim;
    if (!sim.start({"--quiet", "--led-period", "3600000"}, kStack)) {
        std::fprintf(stderr, "cannot start hv720-sim: %s\n", sim.log().c_str());
        return 1;
    }
    QTemporaryDir work;
    QFile mib(work.filePath("HV-BENCH-MIB.txt"));
    mib.open(QIODevice::WriteOnly);
    mib.write(kMib);
    mib.close();
    QFile::copy(QString(NV_SOURCE_DIR) + "/sim/HV720-SIM-MIB.txt", work.filePath("HV720-SIM-MIB.txt"));

    startSnmpSession(work.path().toStdString());
    NvSNMPDevice.address = "127.0.0.1";
    NvSNMPDevice.port = agent.port();
    NvSNMPSecurity.version = 1;
    NvSNMPSecurity.readCommunity = "public";
    const QString snmpdAgent = QString("127.0.0.1:%1").arg(agent.port());

    std::printf("1. snmpTargetAddrTable on a local snmpd, loopback: %d rows, 6 columns, best of %d runs\n", rows, runs);
    Result async, sync, bulk, tableNext, tableBulk;
    for (int run = 0; run < runs; ++run) {
        keepBest(async, walkAsync());
        keepBest(sync, walkSync());
        keepBest(bulk, walkAsync(kTable, true));
        keepBest(tableNext, walkSnmptable(snmpdAgent, "public", work.path(), "HV-BENCH-MIB", "benchAddrTable", false));
        keepBest(tableBulk, walkSnmptable(snmpdAgent, "public", work.path(), "HV-BENCH-MIB", "benchAddrTable", true));
    }
    print("engine get-next (pump)", async);
    print("engine get-next blocking", sync);
    print("engine GETBULK (pump)", bulk);
    print("snmptable -CB (get-next)", tableNext);
    print("snmptable (GETBULK)", tableBulk);
    const double steps = static_cast<double>(std::max<long>(1, async.requests));
    std::printf("  pump ticks per walk step: %.2f\n", static_cast<double>(async.ticks) / steps);
    std::printf("  pump overhead per walk step (async - sync): %.3f ms\n", (async.ms - sync.ms) / steps);
    if (async.rows != rows || sync.rows != rows || bulk.rows != rows || tableNext.rows != rows || tableBulk.rows != rows)
        std::printf("  warning: row counts differ from %d\n", rows);
    std::printf("walk ratio get-next/snmptable -CB: %.2f\n", ratio(async, tableNext));
    std::printf("walk ratio bulk/snmptable: %.2f (loopback, snmpd)\n", ratio(bulk, tableBulk));

    NvSNMPDevice.port = static_cast<uint16_t>(sim.port());
    NvSNMPSecurity.readCommunity = "quorel";
    const QString simAgent = QString::fromStdString(sim.address());
    Result simNext[2], simBulk[2], simTable[2];
    const int delays[2] = {0, delay};
    for (int d = 0; d < 2; ++d) {
        sim.set({"1.3.6.1.4.1.497.999.1.1.0", "i", std::to_string(delays[d])});
        for (int run = 0; run < runs; ++run) {
            keepBest(simNext[d], walkAsync(kPortTable, false));
            keepBest(simBulk[d], walkAsync(kPortTable, true));
            keepBest(simTable[d], walkSnmptable(simAgent, "quorel", work.path(), "HV720-SIM-MIB", "simPortTable", true));
        }
        std::printf("%d. port table of a 12-unit stack on hv720-sim, %s: 768 rows, 5 columns, best of %d runs\n", 2 + d,
                    delays[d] ? (std::to_string(delays[d]) + " ms round trip").c_str() : "loopback", runs);
        print("engine get-next (pump)", simNext[d]);
        print("engine GETBULK (pump)", simBulk[d]);
        print("snmptable (GETBULK)", simTable[d]);
        if (simNext[d].rows != 768 || simBulk[d].rows != 768 || simTable[d].rows != 768)
            std::printf("  warning: row counts differ from 768\n");
        std::printf("walk ratio bulk/snmptable: %.2f (%s)\n", ratio(simBulk[d], simTable[d]),
                    delays[d] ? (std::to_string(delays[d]) + " ms").c_str() : "loopback, simulator");
    }
    std::printf("walk speed-up bulk/getnext at %d ms: %.1f\n", delay, ratio(simNext[1], simBulk[1]));
    return 0;
}
