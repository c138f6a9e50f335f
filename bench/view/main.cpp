// Opens the port-indexed generic view with the most columns through its menu
// action, against a 12-unit stack of 64-port units on hv720-sim serving the view
// catalogue (768 lines), and prints the time from the action to the filled
// list on loopback and with every answer --delay milliseconds late, beside
// snmptable (default GETBULK mode) on the same columns, and the module's
// resident memory with the view open.
//
// First it prints the main window's start-up at a 700 ms round trip, SNMPv1
// beside SNMPv2c.
//
//   bench-view [--runs N] [--delay MS]
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "app/MainUnit.h"
#include "app/MenuCatalogue.h"
#include "app/MenuDispatcher.h"
#include "bind/GUIConfigForm.h"
#include "bind/NvSNMPRequest2Edits.h"
#include "catalogue/NvViewCatalogue.h"
#include "platform/Registry.h"
#include "snmp/NvSNMPSession.h"
#include "snmp/NvSNMPVarList.h"
#include "snmp/NvEventWait.h"
#include "tests/common/BenchOptions.h"
#include "tests/common/SimulatorProcess.h"
#include "tests/common/TestFiles.h"

namespace {

bool isPortIndex(const NvSNMPVarDescriptor& d)
{
    const std::string label = QString::fromLatin1(d.label).toLower().toStdString();
    const std::string oid = d.oid;
    return label.find("port") != std::string::npos || label.find("ifindex") != std::string::npos
           || oid == "1.3.6.1.2.1.17.1.4.1.1" || oid == "1.3.6.1.2.1.2.2.1.1"
           || oid == "1.3.6.1.4.1.497.11.59.7.2.3.2.1.1";
}

// The view entry whose table has one integer port index and the most columns.
const TMenuEntry* widestPortView(const NvViewTable** viewOut)
{
    const TMenuEntry* best = nullptr;
    int bestColumns = 0;
    for (const TMenuEntry& e : MenuCatalogue::entries()) {
        if (e.kind != TMenuKind::View || !e.table || e.has(PortInstance) || e.has(Hidden))
            continue;
        for (const NvViewTable* v = NvViewCatalogue::begin(); v != NvViewCatalogue::end(); ++v) {
            if (v->table != e.table || v->indexCount != 1
                || (v->listKind != NvSNMPVarList::Table && v->listKind != NvSNMPVarList::EditableTable))
                continue;
            if ((e.table[0].syntax != SyntaxInteger) || !isPortIndex(e.table[0]))
                continue;
            int columns = 0;
            while (e.table[columns].oid)
                ++columns;
            if (columns > bestColumns) {
                bestColumns = columns;
                best = &e;
                *viewOut = v;
            }
        }
    }
    return best;
}

// A MIB module naming the table and its columns, for snmptable.
QByteArray mibFor(const NvSNMPVarDescriptor* table)
{
    QString column = table[0].oid;
    QString entry = column.left(column.lastIndexOf('.'));
    QString tableOid = entry.left(entry.lastIndexOf('.'));
    const QString entryArc = entry.mid(entry.lastIndexOf('.') + 1);
    QString arcs = tableOid.mid(2).replace('.', ' ');
    QString m = "HV-VIEW-MIB DEFINITIONS ::= BEGIN\n";
    m += "viewTable OBJECT-TYPE SYNTAX SEQUENCE OF ViewEntry ACCESS not-accessible STATUS mandatory ::= { iso " + arcs
         + " }\n";
    m += "viewEntry OBJECT-TYPE SYNTAX ViewEntry ACCESS not-accessible STATUS mandatory INDEX { col1 } ::= { viewTable "
         + entryArc + " }\n";
    QString sequence;
    QString columns;
    for (int i = 0; table[i].oid; ++i) {
        const QString oid = table[i].oid;
        const QString type = table[i].syntax == SyntaxInteger || table[i].syntax == SyntaxBoolean ? "INTEGER"
                                                                                                   : "OCTET STRING";
        const QString name = QString("col%1").arg(i + 1);
        sequence += (i ? ", " : "") + name + " " + type;
        columns += name + " OBJECT-TYPE SYNTAX " + type + " ACCESS read-only STATUS mandatory ::= { viewEntry "
                   + oid.mid(oid.lastIndexOf('.') + 1) + " }\n";
    }
    m += "ViewEntry ::= SEQUENCE { " + sequence + " }\n" + columns + "END\n";
    return m.toUtf8();
}

struct Opened {
    double ms = -1;
    int rows = 0;
    long rssKiB = 0;
};

long residentKiB()
{
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Chooses the entry's action and waits until the view's list is filled.
Opened openView(TMainForm& form, const TMenuEntry& entry)
{
    Opened result;
    QAction* action = form.menuDispatcher()->action(entry.component);
    if (!action)
        return result;
    QElapsedTimer t;
    QTimer watch;
    watch.setInterval(1);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* view = qobject_cast<TConfigForm*>(QApplication::activeModalWidget());
        if (!view || view->bindings().empty())
            return;
        const NvSNMPRequest2Edits& binding = *view->bindings().front();
        const bool gaveUp = t.elapsed() > 120000;
        if (!gaveUp && (binding.busy || binding.rowCount == 0))
            return;
        if (!gaveUp) {
            result.ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
            result.rows = binding.rowCount;
            result.rssKiB = residentKiB();
        }
        watch.stop();
        view->reject();
    });
    bool done = false;
    QTimer::singleShot(0, [&] {
        watch.start();
        t.start();
        action->trigger();  // runs the modal view; returns once the watch has closed it
        done = true;
    });
    waitUntil([&] { return done; });
    return result;
}

double snmptable(const SimulatorProcess& sim, const QString& dir, int& rows)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MIBS", "");
    env.insert("SNMPCONFPATH", dir);
    env.insert("SNMP_PERSISTENT_DIR", dir);
    p.setProcessEnvironment(env);
    QElapsedTimer t;
    t.start();
    p.start("snmptable", {"-M", dir, "-m", "HV-VIEW-MIB", "-v2c", "-c", "quorel", "-Cf", ",", "-CH",
                          QString::fromStdString(sim.address()), "HV-VIEW-MIB::viewTable"});
    p.waitForFinished(600000);
    const double ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
    rows = 0;
    for (const QByteArray& line : p.readAllStandardOutput().split('\n'))
        if (!line.trimmed().isEmpty() && !line.startsWith("SNMP table"))
            ++rows;
    return ms;
}

// The requests the simulator has received so far (its own control requests
// not counted).
unsigned long long requestsReceived(const SimulatorProcess& sim)
{
    const auto got = sim.get({"1.3.6.1.4.1.497.999.1.29.0"}, {"-Oqv"});
    return std::strtoull(got.out.c_str(), nullptr, 10);
}

// The main window's start-up against a stack (stackText; empty: the default
// stack) with every answer delayMs late, in SNMPv1 and, for reference,
// SNMPv2c: the time from the start to the last panel placed, that time in
// round trips, and the requests the simulator received until the window was
// ready (LED polls and the RMON read included).
void printStartUp(int delayMs, const char* stackName, const std::string& stackText)
{
    SimulatorProcess sim;
    if (!sim.start({"--quiet", "--led-period", "3600000", "--delay", std::to_string(delayMs)}, stackText)) {
        std::fprintf(stderr, "bench-view: the simulator does not start\n%s\n", sim.log().c_str());
        return;
    }
    auto requests = [&sim] { return requestsReceived(sim); };
    QTemporaryDir work;
    const QString registry = writeModuleFiles(work.path(), sim.port(), NV_BIN_DIR);
    const std::string counterDir = work.path().toStdString();
    for (const auto& [name, version] : {std::pair{"SNMPv1", "/v0"}, std::pair{"SNMPv2c", "/v1"}}) {
        const unsigned long long before = requests();
        QElapsedTimer t;
        double placedMs = -1;
        size_t placed = 0;
        QTimer watch;
        watch.setInterval(1);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* main = qobject_cast<TMainForm*>(w); main && main->unitPanels().size() > placed) {
                    placed = main->unitPanels().size();
                    placedMs = static_cast<double>(t.nsecsElapsed()) / 1e6;
                }
        });
        watch.start();
        t.start();
        TMainForm form({"/I127.0.0.1", "/Rquorel", "/Wtessany", version}, Registry(registry),
                       [counterDir](const std::string&) { startSnmpSession(counterDir); });
        const double readyMs = static_cast<double>(t.nsecsElapsed()) / 1e6;
        watch.stop();
        const unsigned long long asked = requests() - before;
        std::printf("%s start-up, %d ms round trip, %s: %zu panels placed after %.0f ms = %.1f round "
                    "trips; window ready after %.0f ms, %llu requests\n",
                    name, delayMs, stackName, placed, placedMs, delayMs > 0 ? placedMs / delayMs : 0.0, readyMs,
                    asked);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("DISPLAY") && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const BenchOptions options(argc, argv, {{"--runs", 3, 1}, {"--delay", 5, 0}});
    const int runs = options["--runs"];
    const int delay = options["--delay"];
    const NvViewTable* view = nullptr;
    const TMenuEntry* entry = widestPortView(&view);
    if (!entry) {
        std::fprintf(stderr, "bench-view: no port-indexed view in the menu\n");
        return 1;
    }
    std::string stack;
    for (int u = 0; u < 12; ++u)
        stack += "model=HV-720 range=64\n";
    printStartUp(700, "default stack", "");
    printStartUp(700, "12 units of 64 ports", stack);
    SimulatorProcess sim;
    const auto dump = sim.run({std::string(NV_BIN_DIR) + "/catalogue-dump"});
    const std::string tsv = sim.writeFile("catalogue.tsv", dump.out);
    if (dump.exitCode != 0 || !sim.start({"--catalogue", tsv, "--quiet", "--led-period", "3600000"}, stack)) {
        std::fprintf(stderr, "bench-view: the simulator does not start\n%s\n", sim.log().c_str());
        return 1;
    }
    QTemporaryDir work;
    const QString registry = writeModuleFiles(work.path(), sim.port(), NV_BIN_DIR);
    {
        QFile mib(work.filePath("HV-VIEW-MIB.txt"));
        mib.open(QIODevice::WriteOnly);
        mib.write(mibFor(entry->table));
    }
    const std::string counterDir = work.path().toStdString();
    TMainForm form({"/I127.0.0.1", "/Rquorel", "/Wtessany"}, Registry(registry),
                   [counterDir](const std::string&) { startSnmpSession(counterDir); });
    int columns = 0;
    while (entry->table[columns].oid)
        ++columns;
    std::printf("bench-view: \"%s\" (%s, %d columns) on a 12-unit stack of 64-port units, best of %d runs\n",
                entry->caption, view->name, columns, runs);
    long rss = 0;
    for (int d : {0, delay}) {
        sim.set({"1.3.6.1.4.1.497.999.1.1.0", "i", std::to_string(d)});
        Opened best;
        double table = 0;
        int tableRows = 0;
        unsigned long long viewRequests = 0;
        unsigned long long tableRequests = 0;
        for (int r = 0; r < runs; ++r) {
            const unsigned long long before = requestsReceived(sim);
            const Opened o = openView(form, *entry);
            const unsigned long long between = requestsReceived(sim);
            viewRequests = between - before;
            if (best.ms < 0 || (o.ms >= 0 && o.ms < best.ms))
                best = o;
            rss = std::max(rss, o.rssKiB);
            int rows = 0;
            const double ms = snmptable(sim, work.path(), rows);
            tableRequests = requestsReceived(sim) - between;
            if (r == 0 || ms < table) {
                table = ms;
                tableRows = rows;
            }
        }
        const std::string link = d ? std::to_string(d) + " ms round trip" : std::string("loopback");
        std::printf("%s: menu action to filled list %.1f ms (%d lines, %llu requests); snmptable %.1f ms (%d lines, "
                    "%llu requests); ratio %.2f\n",
                    link.c_str(), best.ms, best.rows, viewRequests, table, tableRows, tableRequests,
                    table > 0 ? best.ms / table : 0.0);
    }
    std::printf("resident memory with the view open: %.1f MB (target < 100 MB)\n", static_cast<double>(rss) / 1024.0);
    return 0;
}
