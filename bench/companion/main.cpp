// A companion view against hv720-sim playing two 24-port units (48 ports):
//   1. time from process start to the first poll of MIB_IFCounters on screen
//      (start-up, session, window and the walk of 48 lines);
//   2. CPU use of that process while it polls every 5 s with the chart showing
//      ifInOctets of all 48 ports (48 series), over --seconds.
//
//   bench-companion [--seconds N] [--runs N]
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>

#include <algorithm>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

#include "companions/CompanionStart.h"
#include "companions/CompanionWindowUnit.h"
#include "tests/common/BenchOptions.h"
#include "tests/common/SimulatorProcess.h"
#include "tests/common/TestFiles.h"

namespace {

// Child: the companion's own start-up; prints "shown" at the first poll on
// screen, then (when asked to stay) charts every line and keeps polling.
int child(int argc, char** argv, bool stay)
{
    QApplication app(argc, argv);
    const auto window = CompanionStart::openWindow(argc, argv);
    if (!window)
        return 1;
    QObject::connect(window.get(), &TCompanionWindow::sampleShown, window.get(), [&] {
        if (window->samplesTaken() != 1)
            return;
        std::printf("shown\n");
        std::fflush(stdout);
        if (!stay) {
            QApplication::quit();
            return;
        }
        window->setChartedCounter(QStringLiteral("ifInOctets"));
        window->table(0)->selectAll();
        std::printf("lines %d series %lld\n", window->table(0)->topLevelItemCount(),
                    static_cast<long long>(window->chartView()->chart()->series().size()));
        std::fflush(stdout);
    });
    window->show();
    return QApplication::exec();
}

double cpuSeconds(qint64 pid)
{
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = stat.readAll().split(')').last().trimmed().split(' ');
    // utime and stime are fields 14 and 15 of the whole line, 12 and 13 after the name.
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) / sysconf(_SC_CLK_TCK);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && (std::string(argv[1]) == "--child-open" || std::string(argv[1]) == "--child-stay")) {
        const bool stay = std::string(argv[1]) == "--child-stay";
        std::vector<char*> rest{argv[0]};
        rest.insert(rest.end(), argv + 2, argv + argc);
        return child(static_cast<int>(rest.size()), rest.data(), stay);
    }
    const BenchOptions options(argc, argv, {{"--seconds", 60, 10}, {"--runs", 5, 1}});
    const int seconds = options["--seconds"];
    const int runs = options["--runs"];

    SimulatorProcess sim;
    if (!sim.start({"--quiet", "--unit", "model=HV-720", "--unit", "model=HV-720"})) {
        std::fprintf(stderr, "simulator: %s\n", sim.log().c_str());
        return 1;
    }
    QTemporaryDir dir;
    const QString registry = writeModuleFiles(dir.path(), sim.port(), NV_BIN_DIR);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("NORVANE_REGISTRY", registry);
    env.insert("MIBS", "");
    if (env.value("QT_QPA_PLATFORM").isEmpty())
        env.insert("QT_QPA_PLATFORM", "offscreen");
    const QStringList arguments = {"/I127.0.0.1", "/Rquorel", "/Wtessany", "/TMIB_IFCounters"};

    std::vector<double> opens;
    for (int r = 0; r < runs; ++r) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir.path());
        QElapsedTimer t;
        t.start();
        p.start(QString::fromLocal8Bit(argv[0]), QStringList{"--child-open"} + arguments);
        double ms = -1;
        while (p.waitForReadyRead(30000)) {
            if (p.readAll().contains("shown")) {
                ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
                break;
            }
        }
        p.waitForFinished(30000);
        opens.push_back(ms);
    }
    std::sort(opens.begin(), opens.end());
    std::printf("first view (MIB_IFCounters, 48 ports, process start to first poll shown): median %.0f ms, "
                "best %.0f ms, worst %.0f ms over %d runs\n",
                opens[opens.size() / 2], opens.front(), opens.back(), runs);

    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(dir.path());
    p.start(QString::fromLocal8Bit(argv[0]), QStringList{"--child-stay"} + arguments);
    QByteArray out;
    while (!out.contains("lines") && p.waitForReadyRead(30000))
        out += p.readAll();
    const double before = cpuSeconds(p.processId());
    QElapsedTimer wall;
    wall.start();
    p.waitForFinished(seconds * 1000);
    const double used = cpuSeconds(p.processId()) - before;
    const double elapsed = wall.elapsed() / 1000.0;
    std::printf("%s", out.mid(out.indexOf("lines")).constData());
    std::printf("polling every 5 s with 48 charted counters: %.3f s CPU in %.0f s = %.2f %% of a core\n", used, elapsed,
                100.0 * used / elapsed);
    p.kill();
    p.waitForFinished(5000);
    return 0;
}
