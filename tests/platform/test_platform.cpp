// Registry file, path helper and process start against real files and programs.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <vector>
#include <gtest/gtest.h>

#include "platform/FilePath.h"
#include "platform/ProcessLauncher.h"
#include "platform/Registry.h"
#include "platform/RuntimeFiles.h"
#include "tests/common/TestFiles.h"

namespace {

const QByteArray kRegistry =
    "[SOFTWARE\\Norvane\\Modules\\HelpPath]\n"
    "1.3.6.1.4.1.497.10.59.7=/opt/norvane/modules/HV720NMS.exe\n"
    "[SOFTWARE/Norvane/Vistane5.1/ExePath]\n"
    "Path=/opt/vistane/bin/\n"
    "[SOFTWARE/Norvane/Vistane5.1/MibFile]\n"
    "Path=C:\\\\Vistane\\\\Mib\\\\\n"
    "[SOFTWARE/Other]\n"
    "List=a,b\n";

TEST(Registry, ReadsValuesByKeyPath)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("registry.ini");
    writeTestFile(file, kRegistry);
    const Registry registry(file);

    struct Case {
        const char* key;
        const char* value;
        std::optional<QString> expected;
    };
    const Case cases[] = {
        {"\\SOFTWARE\\Norvane\\Modules\\HelpPath", "1.3.6.1.4.1.497.10.59.7", "/opt/norvane/modules/HV720NMS.exe"},
        {"\\SOFTWARE\\Norvane\\Vistane5.1\\ExePath", "Path", "/opt/vistane/bin/"},
        {"\\software\\NORVANE\\vistane5.1\\exepath", "path", "/opt/vistane/bin/"},
        {"\\SOFTWARE\\Norvane\\Vistane5.1\\MibFile", "Path", "C:\\Vistane\\Mib\\"},
        {"\\SOFTWARE\\Other", "List", "a,b"},
        {"\\SOFTWARE\\Norvane\\Vistane5.1\\ExePath", "Missing", std::nullopt},
        {"\\SOFTWARE\\Norvane\\Missing", "Path", std::nullopt},
        {"", "Path", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(registry.readString(c.key, c.value), c.expected) << c.key << " / " << c.value;

    EXPECT_TRUE(registry.keyExists("\\SOFTWARE\\Norvane\\Vistane5.1"));
    EXPECT_FALSE(registry.keyExists("\\SOFTWARE\\Norvane\\Vistane5"));
    EXPECT_FALSE(Registry(dir.filePath("none.ini")).keyExists("\\SOFTWARE"));
    EXPECT_EQ(Registry(dir.filePath("none.ini")).readString("\\SOFTWARE\\Other", "List"), std::nullopt);
}

TEST(Registry, OpenWithCreateAddsOnlyAMissingKey)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("registry.ini");
    writeTestFile(file, kRegistry);
    const Registry registry(file);

    // An existing key is opened without touching the file.
    EXPECT_TRUE(registry.openKey("\\SOFTWARE\\Norvane\\Modules\\HelpPath", true));
    EXPECT_EQ(readTestFile(file), kRegistry);
    // Without creation a missing key stays missing.
    EXPECT_FALSE(registry.openKey("\\SOFTWARE\\Norvane\\Modules\\NewKey", false));
    EXPECT_EQ(readTestFile(file), kRegistry);

    EXPECT_TRUE(registry.openKey("\\SOFTWARE\\Norvane\\Modules\\NewKey", true));
    EXPECT_TRUE(registry.keyExists("\\SOFTWARE\\Norvane\\Modules\\NewKey"));
    EXPECT_EQ(registry.readString("\\SOFTWARE\\Norvane\\Modules\\HelpPath", "1.3.6.1.4.1.497.10.59.7"),
              "/opt/norvane/modules/HV720NMS.exe");
    EXPECT_EQ(registry.readString("\\SOFTWARE\\Norvane\\Vistane5.1\\MibFile", "Path"), "C:\\Vistane\\Mib\\");
    EXPECT_EQ(registry.readString("\\SOFTWARE\\Other", "List"), "a,b");

    // A missing file is created with the key.
    const Registry fresh(dir.filePath("sub/fresh.ini"));
    EXPECT_TRUE(fresh.openKey("\\SOFTWARE\\Norvane\\Modules\\HelpPath", true));
    EXPECT_TRUE(fresh.keyExists("\\software\\norvane\\modules\\helppath"));
    EXPECT_EQ(fresh.readString("\\SOFTWARE\\Norvane\\Modules\\HelpPath", "1.3.6.1.4.1.497.10.59.7"), std::nullopt);
}

TEST(Registry, UnwritableFileCreatesNothing)
{
    QTemporaryDir dir;
    writeTestFile(dir.filePath("plain"), "not a directory");
    const Registry registry(dir.filePath("plain/registry.ini"));
    EXPECT_FALSE(registry.openKey("\\SOFTWARE\\Norvane\\Modules\\HelpPath", true));
    EXPECT_FALSE(registry.keyExists("\\SOFTWARE\\Norvane\\Modules\\HelpPath"));
    EXPECT_EQ(readTestFile(dir.filePath("plain")), "not a directory");
}

TEST(Registry, FileComesFromTheEnvironment)
{
    const QByteArray saved = qgetenv("NORVANE_REGISTRY");
    qputenv("NORVANE_REGISTRY", "/tmp/some/registry.ini");
    EXPECT_EQ(Registry().fileName(), "/tmp/some/registry.ini");
    qunsetenv("NORVANE_REGISTRY");
    EXPECT_EQ(Registry().fileName(), "/etc/xdg/Norvane/registry.ini");
    if (!saved.isNull())
        qputenv("NORVANE_REGISTRY", saved);
}

TEST(FilePath, BackslashesBecomeSlashes)
{
    const std::pair<const char*, const char*> cases[] = {
        {"errmsg\\common.err", "errmsg/common.err"},
        {"/opt/vistane/bin/..\\Conf\\MBF\\", "/opt/vistane/bin/../Conf/MBF/"},
        {"\\Get.bmp", "/Get.bmp"},
        {"/already/fine", "/already/fine"},
        {"", ""},
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(FilePath::toFileSystem(QString::fromUtf8(in)), QString::fromUtf8(out));
        EXPECT_EQ(FilePath::toFileSystem(std::string(in)), out);
    }
}

TEST(RuntimeFiles, FoundBesideTheProgramOrUnderShare)
{
    // Folders made under a fresh directory: the program lies in "bin".
    struct Case {
        const char* name;
        std::vector<const char*> folders;
        const char* expected;  // relative to the fresh directory
    };
    const Case cases[] = {
        {"build tree", {"bin/errmsg"}, "bin/"},
        {"installed", {"bin", "share/hv720/errmsg"}, "share/hv720/"},
        {"beside wins", {"bin/errmsg", "share/hv720/errmsg"}, "bin/"},
        {"neither", {"bin", "share/hv720"}, "bin/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        for (const char* folder : c.folders)
            ASSERT_TRUE(QDir(dir.path()).mkpath(folder));
        EXPECT_EQ(RuntimeFiles::directoryFor(dir.filePath("bin")), dir.path() + "/" + c.expected);
        // A path given with "..", as a link or a relative start may give it.
        EXPECT_EQ(RuntimeFiles::directoryFor(dir.filePath("share/../bin")), dir.path() + "/" + c.expected);
    }
}

TEST(ProcessLauncher, FindsProgramsBesideTheModuleFirstThenOnPath)
{
    const QString own = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    const QString ownName = QFileInfo(own).fileName();
    EXPECT_EQ(ProcessLauncher::moduleDirectory(), QFileInfo(own).absolutePath());
    EXPECT_EQ(ProcessLauncher::findProgram(ownName), own);
    EXPECT_EQ(ProcessLauncher::findProgram(ownName + ".exe"), own);
    EXPECT_FALSE(ProcessLauncher::findProgram("sh").isEmpty());
    EXPECT_TRUE(ProcessLauncher::findProgram("no-such-program-hv720").isEmpty());
    EXPECT_TRUE(ProcessLauncher::findProgram("/nonexistent/dir/prog").isEmpty());
    EXPECT_FALSE(ProcessLauncher::start("no-such-program-hv720 /Ifoo"));
    EXPECT_FALSE(ProcessLauncher::start(""));
}

TEST(ProcessLauncher, StartsTheCommandLineDetached)
{
    QTemporaryDir dir;
    const QString marker = dir.filePath("started");
    ASSERT_TRUE(ProcessLauncher::start(QStringLiteral("sh -c \"echo $0 $1 > '%1'\" /Ia /Rb").arg(marker)));
    // The launcher does not wait; poll for the child's output (no timing is asserted).
    for (int i = 0; i < 600 && readTestFile(marker).isEmpty(); ++i)
        QThread::msleep(50);
    EXPECT_EQ(readTestFile(marker), "/Ia /Rb\n");
}

}  // namespace
