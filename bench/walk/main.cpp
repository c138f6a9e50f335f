// Walks one large table three ways and prints the figures:
//   1. the request engine, asynchronously through the event pump;
//   2. the request engine, blocking;
//   3. snmptable -CB (get-next, one row per request) on the same columns.
// The table is snmpTargetAddrTable of a local snmpd filled with --rows entries
// (six readable columns and an implied text index).
//
//   bench-walk [--rows N] [--runs N]
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

#include "snmp/NvSNMPRequest.h"
#include "snmp/NvSNMPSession.h"
#include "snmp/SnmpEventProcessor.h"
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

struct Result {
    long rows = 0;
    long requests = 0;
    double ms = 0;
    quint64 ticks = 0;
};

Result walkAsync()
{
    NvSNMPRequest r;
    r.varList.assign(NvSNMPVarList(kTable, NvSNMPVarList::Table, 1));
    Result res;
    QEventLoop loop;
    NvSNMPReplyHandler handler = [&](NvSNMPRequest& req, const NvSNMPError& e) {
        ++res.requests;
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
    return res;
}

Result walkSync()
{
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

Result walkSnmptable(uint16_t port, const QString& mibDir)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MIBS", "");
    env.insert("SNMPCONFPATH", mibDir);
    env.insert("SNMP_PERSISTENT_DIR", mibDir);
    p.setProcessEnvironment(env);
    Result res;
    QElapsedTimer t;
    t.start();
    p.start("snmptable", {"-M", mibDir, "-m", "HV-BENCH-MIB", "-v2c", "-c", "public", "-CB", "-Cf", ",", "-CH",
                          QString("127.0.0.1:%1").arg(port), "HV-BENCH-MIB::benchAddrTable"});
    p.waitForFinished(600000);
    res.ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
    const QByteArray out = p.readAllStandardOutput();
    for (const QByteArray& line : out.split('\n')) {
        if (line.startsWith("HV-BENCH-MIB::") || line.startsWith("iso."))
            ++res.rows;
    }
    res.requests = res.rows + 1;
    if (p.exitCode() != 0)
        std::fprintf(stderr, "snmptable failed: %s\n", p.readAllStandardError().constData());
    return res;
}

void print(const char* name, const Result& r)
{
    std::printf("%-26s rows %6ld  requests %6ld  wall %9.1f ms  per row %7.3f ms\n", name, r.rows, r.requests, r.ms,
                r.rows ? r.ms / static_cast<double>(r.rows) : 0.0);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int rows = 1000;
    int runs = 3;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--rows")
            rows = std::max(1, std::atoi(argv[i + 1]));
        else if (a == "--runs")
            runs = std::max(1, std::atoi(argv[i + 1]));
    }

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
    QTemporaryDir work;
    QFile mib(work.filePath("HV-BENCH-MIB.txt"));
    mib.open(QIODevice::WriteOnly);
    mib.write(kMib);
    mib.close();

    startSnmpSession(work.path().toStdString());
    NvSNMPDevice.address = "127.0.0.1";
    NvSNMPDevice.port = agent.port();
    NvSNMPSecurity.version = 1;
    NvSNMPSecurity.readCommunity = "public";

    std::printf("walk of snmpTargetAddrTable on a local snmpd: %d rows, 6 columns, best of %d runs\n", rows, runs);
    Result bestAsync, bestSync, bestTable;
    bestAsync.ms = bestSync.ms = bestTable.ms = 1e18;
    for (int run = 0; run < runs; ++run) {
        const Result a = walkAsync();
        const Result s = walkSync();
        const Result t = walkSnmptable(agent.port(), work.path());
        if (a.ms < bestAsync.ms)
            bestAsync = a;
        if (s.ms < bestSync.ms)
            bestSync = s;
        if (t.ms < bestTable.ms)
            bestTable = t;
    }
    print("engine async (pump)", bestAsync);
    print("engine sync", bestSync);
    print("snmptable -CB", bestTable);
    const double steps = static_cast<double>(std::max<long>(1, bestAsync.requests));
    std::printf("pump ticks per walk step: %.2f\n", static_cast<double>(bestAsync.ticks) / steps);
    std::printf("pump overhead per walk step (async - sync): %.3f ms\n", (bestAsync.ms - bestSync.ms) / steps);
    if (bestAsync.rows != rows || bestSync.rows != rows || bestTable.rows != rows)
        std::printf("warning: row counts differ from %d\n", rows);
    std::printf("walk ratio async/snmptable: %.2f\n", bestTable.ms > 0 ? bestAsync.ms / bestTable.ms : 0.0);
    return 0;
}
