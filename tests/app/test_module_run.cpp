// The module as a whole: the entry run in-process (message boxes closed from the
// test) and the built program started in an empty working directory.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <gtest/gtest.h>

#include "app/Application.h"
#include "app/MainUnit.h"
#include "snmp/NvSNMPSession.h"
#include "tests/common/TestFiles.h"

namespace {

// A registry whose module directory is the build's program directory, so that
// the shipped catalogues are found.
QByteArray registryForBuild()
{
    return "[SOFTWARE\\Norvane\\Modules\\HelpPath]\n1.3.6.1.4.1.497.10.59.7=" + QByteArray(NV_BIN_DIR) +
           "/HV720NMS.exe\n";
}

// Runs the module's entry in this process with its own working directory and
// registry; every modal box it opens is recorded and closed.
class ModuleRun {
public:
    explicit ModuleRun(QTemporaryDir& dir)
        : m_savedDir(QDir::currentPath())
        , m_savedRegistry(qgetenv("NORVANE_REGISTRY"))
    {
        QDir().mkpath(dir.filePath("cwd"));
        QDir::setCurrent(dir.filePath("cwd"));
        writeTestFile(dir.filePath("registry.ini"), registryForBuild());
        qputenv("NORVANE_REGISTRY", dir.filePath("registry.ini").toUtf8());
    }
    ~ModuleRun()
    {
        QDir::setCurrent(m_savedDir);
        if (m_savedRegistry.isNull())
            qunsetenv("NORVANE_REGISTRY");
        else
            qputenv("NORVANE_REGISTRY", m_savedRegistry);
    }

    int run(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), "hv720");
        std::vector<char*> argv;
        for (auto& a : arguments)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxTexts.push_back(box->text().toStdString());
                box->done(QMessageBox::Ok);
            }
        });
        closer.start(10);
        return TApplication::runModule(static_cast<int>(arguments.size()), argv.data());
    }

    std::vector<std::string> boxTexts;

private:
    QString m_savedDir;
    QByteArray m_savedRegistry;
};

bool mainWindowExists()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<TMainForm*>(w))
            return true;
    }
    return false;
}

TEST(ModuleRun, NoArgumentsShowsTheMessageAndDoesNothingElse)
{
    QTemporaryDir dir;
    ModuleRun module(dir);
    EXPECT_EQ(module.run({}), 0);
    EXPECT_EQ(module.boxTexts, std::vector<std::string>{"No parameter input"});
    EXPECT_FALSE(mainWindowExists());
    // No session was opened: the working directory holds no boot counter.
    EXPECT_TRUE(QDir(dir.filePath("cwd")).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

TEST(ModuleRun, ConversionFailureIsShownAndEndsTheModule)
{
    QTemporaryDir dir;
    ModuleRun module(dir);
    EXPECT_EQ(module.run({"/I127.0.0.1", "/Rro", "/vx"}), 1);
    EXPECT_EQ(module.boxTexts, std::vector<std::string>{"switch /v: 'x' is not a valid integer value"});
    EXPECT_FALSE(mainWindowExists());
}

// A loopback UDP port that nobody listens on.
quint16 unusedUdpPort()
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    ::close(fd);
    return ntohs(addr.sin_port);
}

// Starts the built program with a registry in a directory of its own, waits until
// it has made its start and idles in its event loop, and stops it.
class ProgramRun {
public:
    ProgramRun(const QString& workDir, const QString& sideDir, const QStringList& arguments)
    {
        writeTestFile(sideDir + "/registry.ini", registryForBuild());
        QDir().mkpath(sideDir + "/home");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("NORVANE_REGISTRY", sideDir + "/registry.ini");
        env.insert("HOME", sideDir + "/home");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(workDir);
        process.start(QString(NV_BIN_DIR) + "/hv720", arguments);
        started = process.waitForStarted();
        if (!started)
            return;
        // The counter is written during start-up; then wait until the process
        // sleeps in its event loop (several consecutive sleeping samples).
        const QString counter = workDir + "/" + kBootCounterFileName;
        int sleeping = 0;
        for (int i = 0; i < 1200 && sleeping < 5 && process.state() == QProcess::Running; ++i) {
            QThread::msleep(50);
            const QByteArray stat = readTestFile(QString("/proc/%1/stat").arg(process.processId()));
            const int close = stat.lastIndexOf(')');
            const bool isSleeping = close > 0 && stat.size() > close + 2 && stat[close + 2] == 'S';
            sleeping = (QFile::exists(counter) && isSleeping) ? sleeping + 1 : 0;
        }
        cmdline = readTestFile(QString("/proc/%1/cmdline").arg(process.processId()));
    }
    ~ProgramRun()
    {
        if (process.state() != QProcess::NotRunning) {
            ::kill(static_cast<pid_t>(process.processId()), SIGKILL);
            process.waitForFinished();
        }
    }

    QProcess process;
    bool started = false;
    QByteArray cmdline;
};

TEST(ProgramRun, LeavesOnlyTheBootCounterAndHidesSecrets)
{
    QTemporaryDir work;
    QTemporaryDir side;
    const QString port = QString::number(unusedUdpPort());
    const QStringList args = {"/I127.0.0.1", "/Rsecret-read", "/Wsecret-write", "/v3", "/t" + port,
                              "/nuser", "/Asecret-auth", "/Psecret-priv", "/l3", "/a2", "/p2"};
    for (const char* expectedCount : {"1", "2"}) {
        ProgramRun run(work.path(), side.path(), args);
        ASSERT_TRUE(run.started);
        ASSERT_EQ(run.process.state(), QProcess::Running) << run.process.readAllStandardError().toStdString();
        ASSERT_FALSE(run.cmdline.isEmpty());
        for (const char* secret : {"secret-read", "secret-write", "secret-auth", "secret-priv"})
            EXPECT_FALSE(run.cmdline.contains(secret)) << secret << " in " << run.cmdline.toStdString();
        EXPECT_TRUE(run.cmdline.contains("/I127.0.0.1"));
        EXPECT_TRUE(run.cmdline.contains("/nuser"));

        const QStringList entries = QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        EXPECT_EQ(entries, QStringList{kBootCounterFileName});
        EXPECT_EQ(readTestFile(work.path() + "/" + kBootCounterFileName).trimmed(), expectedCount);
    }
    EXPECT_TRUE(QDir(side.path() + "/home").isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

}  // namespace

TEST(ProgramRun, WithoutADisplayItEndsWithAReadableMessage)
{
    QTemporaryDir dir;
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("NORVANE_REGISTRY"), dir.filePath(QStringLiteral("registry.ini")));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(dir.path());
    process.start(QStringLiteral(NV_BIN_DIR "/hv720"), {QStringLiteral("/I127.0.0.1")});
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);  // not an abort
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().contains("hv720: cannot open the display"));
}
