// The module at rest against a 12-unit stack of hv720-sim:
//   1. time from process start to the shown main window (identification of the
//      12 units included), beside the same for an empty Qt window;
//   2. CPU use of the module (build/bin/hv720) over an idle period in which it
//      only polls the LEDs, and its resident memory.
//
//   bench-idle [--seconds N] [--runs N]
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/MainUnit.h"
#include "snmp/NvEventWait.h"
#include "tests/common/SimulatorProcess.h"
#include "tests/common/TestFiles.h"

namespace {

const char* const kStack =
    "model=HV-720 module=HM20\nmodel=HV-710 module=HM10\nmodel=HV-640\nmodel=HV-630\n"
    "model=HV-720\nmodel=HV-720 module=HM10\nmodel=HV-710\nmodel=HV-640*\n"
    "model=HV-720\nmodel=HV-630\nmodel=HV-710 module=HM20\nmodel=HV-720\n";

// Child modes: build the window, wait until it is exposed, print "shown".
void waitExposed(QWidget& w)
{
    w.show();
    waitUntil([&] { return w.windowHandle() && w.windowHandle()->isExposed(); });
    QCoreApplication::processEvents();
    std::printf("shown\n");
    std::fflush(stdout);
}

int childEmpty(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget w;
    w.resize(987, 137);
    waitExposed(w);
    return 0;
}

int childModule(int argc, char** argv)
{
    QApplication app(argc, argv);
    const std::vector<std::string> arguments(argv + 2, argv + argc);
    TMainForm form(arguments);
    waitExposed(form);
    std::printf("panels %zu\n", form.unitPanels().size());
    return 0;
}

double medianOf(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Milliseconds from start to the "shown" line; negative on failure.
double timeToShown(const QString& program, const QStringList& args, const QProcessEnvironment& env,
                   const QString& cwd)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(cwd);
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    double ms = -1;
    while (p.waitForReadyRead(60000)) {
        if (p.readAll().contains("shown")) {
            ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
            break;
        }
    }
    p.waitForFinished(60000);
    return ms;
}

long cpuTicks(qint64 pid)
{
    QFile f(QString("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray stat = f.readAll();
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    // utime and stime are fields 14 and 15 of the line, 12 and 13 after the name.
    return fields.size() > 13 ? fields[11].toLong() + fields[12].toLong() : -1;
}

long residentKiB(qint64 pid)
{
    QFile f(QString("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "--child-empty")
        return childEmpty(argc, argv);
    if (argc > 1 && std::string(argv[1]) == "--child-module")
        return childModule(argc, argv);

    int seconds = 30;
    int runs = 5;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::string(argv[i]) == "--seconds")
            seconds = std::atoi(argv[i + 1]);
        else if (std::string(argv[i]) == "--runs")
            runs = std::atoi(argv[i + 1]);
    }

    QCoreApplication app(argc, argv);
    SimulatorProcess sim;
    if (!sim.start({}, kStack)) {
        std::fprintf(stderr, "bench-idle: the simulator does not answer\n%s\n", sim.log().c_str());
        return 1;
    }
    QTemporaryDir work;
    QDir().mkpath(work.filePath("cwd"));
    QDir().mkpath(work.filePath("xdg"));
    QFile::setPermissions(work.filePath("xdg"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString registry = writeModuleFiles(work.path(), sim.port(), NV_BIN_DIR);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("NORVANE_REGISTRY", registry);
    env.insert("XDG_RUNTIME_DIR", work.filePath("xdg"));
    env.insert("MIBS", "");
    if (!env.contains("DISPLAY") && !env.contains("QT_QPA_PLATFORM"))
        env.insert("QT_QPA_PLATFORM", "offscreen");
    const QString cwd = work.filePath("cwd");
    const QStringList moduleArgs = {"/I127.0.0.1", "/Rquorel", "/Wtessany"};

    std::printf("bench-idle: 12-unit stack on %s, platform %s\n", sim.address().c_str(),
                qPrintable(env.value("QT_QPA_PLATFORM", "default")));

    std::vector<double> empty, module;
    for (int r = 0; r < runs; ++r) {
        empty.push_back(timeToShown(QCoreApplication::applicationFilePath(), {"--child-empty"}, env, cwd));
        module.push_back(timeToShown(QCoreApplication::applicationFilePath(), QStringList{"--child-module"} + moduleArgs,
                                     env, cwd));
    }
    std::printf("start to shown window (median of %d): empty Qt window %.1f ms, module with 12 units %.1f ms\n", runs,
                medianOf(empty), medianOf(module));

    QProcess hv720;
    hv720.setProcessEnvironment(env);
    hv720.setWorkingDirectory(cwd);
    hv720.start(QString(NV_BIN_DIR) + "/hv720", moduleArgs);
    if (!hv720.waitForStarted()) {
        std::fprintf(stderr, "bench-idle: hv720 does not start\n");
        return 1;
    }
    QThread::sleep(5);  // identification and the first polls
    const long hz = sysconf(_SC_CLK_TCK);
    const long before = cpuTicks(hv720.processId());
    QElapsedTimer t;
    t.start();
    QThread::sleep(static_cast<unsigned long>(seconds));
    const long after = cpuTicks(hv720.processId());
    const double wall = static_cast<double>(t.nsecsElapsed()) / 1e9;
    const long rss = residentKiB(hv720.processId());
    if (before < 0 || after < 0) {
        std::fprintf(stderr, "bench-idle: hv720 ended early: %s\n", hv720.readAllStandardError().constData());
        return 1;
    }
    const double cpu = 100.0 * static_cast<double>(after - before) / static_cast<double>(hz) / wall;
    // Every panel and every expansion-module form reads its LEDs every 3 s.
    const QByteArray stack(kStack);
    const int ledReaders = static_cast<int>(stack.count('\n') + stack.count("module=HM"));
    const double pollsPerSecond = ledReaders / 3.0;
    const double perPollUs = cpu / 100.0 * 1e6 / pollsPerSecond;
    std::printf("idle polling over %.0f s: CPU %.2f %% of one core (target < 0.5 %%); one poll cycle (read, decode, "
                "LED updates, repaint, blinking) %.0f us, %d LED reads every 3 s\n",
                wall, cpu, perPollUs, ledReaders);
    std::printf("resident memory: %.1f MB (target < 100 MB)\n", static_cast<double>(rss) / 1024.0);
    hv720.kill();
    hv720.waitForFinished();
    return 0;
}
