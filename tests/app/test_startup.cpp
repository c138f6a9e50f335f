// Start-up driven with real arguments, a real registry file and real device
// configuration files in a temporary directory.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>
#include <optional>

#include "snmp/NvMessageCatalogue.h"
#include "snmp/NvSNMPSession.h"
#include "platform/Registry.h"
#include "app/Startup.h"
#include "tests/common/TestFiles.h"

namespace {

QByteArray deviceFile(const std::vector<std::pair<const char*, const char*>>& keys)
{
    QByteArray text = "[Program Information]\n";
    for (const auto& [key, value] : keys)
        text += QByteArray(key) + "=" + value + "\n";
    return text;
}

// Every key of the device file, with "AgentPort" 161 and "Version" 3.
const std::vector<std::pair<const char*, const char*>> kFullDevice = {
    {"AgentPort", "161"},        {"Version", "3"},          {"ContextName", "filectx"},
    {"ContextEngineID", "8000"}, {"SecurityModel", "3"},   {"SecurityLevel", "2"},
    {"SecurityName", "fileuser"}, {"AuthProtocol", "1"},   {"PrivProtocol", "0"},
    {"AuthPassword", "fileauth"}, {"PrivPassword", "filepriv"},
};

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // The host keeps its configuration files in <ExePath>..\Conf\MBF\.
        QDir().mkpath(dir.filePath("host/bin"));
        confDir = dir.filePath("host/Conf/MBF/");
        QDir().mkpath(confDir);
        registryFile = dir.filePath("registry.ini");
        writeTestFile(registryFile, "[SOFTWARE\\Norvane\\Vistane5.1\\ExePath]\nPath=" + dir.filePath("host/bin/").toUtf8() +
                                    "\n[SOFTWARE\\Norvane\\Modules\\HelpPath]\n1.3.6.1.4.1.497.10.59.7=" +
                                    dir.filePath("module/HV720NMS.exe").toUtf8() + "\n");
        resetCatalogues();
        // The real session start, with its counter file kept in the temporary directory.
        startSession = [this](const std::string&) { startSnmpSession(dir.path().toStdString()); };
        startSession("");
        defaults = {NvSNMPDevice, NvSNMPScope, NvSNMPSecurity};
    }
    void TearDown() override { resetCatalogues(); }

    void device(const char* address, const std::vector<std::pair<const char*, const char*>>& keys)
    {
        writeTestFile(confDir + address + ".cfg", deviceFile(keys));
    }

    TMainSettings run(const std::vector<std::string>& arguments, double dpi = 96)
    {
        TMainSettings settings;
        TStartup::run(settings, arguments, dpi, Registry(registryFile), startSession);
        return settings;
    }

    struct Records {
        NvSNMPDeviceRecord device;
        NvSNMPScopeRecord scope;
        NvSNMPSecurityRecord security;
    };

    QTemporaryDir dir;
    QString confDir;
    QString registryFile;
    TStartup::SessionStarter startSession;
    Records defaults;
};

TEST_F(StartupTest, CommunitiesWithoutDeviceFile)
{
    const TMainSettings s = run({"/I10.0.0.7", "/Rro", "/Wrw"});
    EXPECT_EQ(NvSNMPDevice.address, "10.0.0.7");
    EXPECT_EQ(s.addressText, "10.0.0.7");
    EXPECT_EQ(NvSNMPSecurity.readCommunity, "ro");
    EXPECT_EQ(s.readCommunityText, "ro");
    EXPECT_EQ(NvSNMPSecurity.writeCommunity, "rw");
    EXPECT_EQ(s.writeCommunityText, "rw");
    EXPECT_EQ(NvSNMPSecurity.version, 0);
    EXPECT_EQ(NvSNMPDevice.port, defaults.device.port);
    EXPECT_FALSE(s.configFileExists);
    EXPECT_EQ(s.versionText, "");
}

TEST_F(StartupTest, Version3SwitchesWithAndWithoutDeviceFile)
{
    const std::vector<std::string> args = {"/I10.0.0.7", "/v3", "/t1161", "/nadmin"};
    run(args);
    EXPECT_EQ(NvSNMPSecurity.version, 3);
    EXPECT_EQ(NvSNMPDevice.port, 1161);
    EXPECT_EQ(NvSNMPSecurity.securityName, "admin");

    // The file is read again at every argument after the address: its port wins
    // over the earlier "/t", the last argument's switch wins over the file.
    device("10.0.0.7", kFullDevice);
    const TMainSettings s = run(args);
    EXPECT_TRUE(s.configFileExists);
    EXPECT_EQ(s.versionText, "3");
    EXPECT_EQ(NvSNMPDevice.port, 161);
    EXPECT_EQ(NvSNMPSecurity.securityName, "admin");
    EXPECT_EQ(NvSNMPSecurity.version, 3);
    EXPECT_EQ(NvSNMPScope.contextName, "filectx");
    EXPECT_EQ(NvSNMPScope.contextEngineId, "8000");
    EXPECT_EQ(NvSNMPSecurity.securityModel, 3);
    EXPECT_EQ(NvSNMPSecurity.securityLevel, 3);   // stored zero-based
    EXPECT_EQ(NvSNMPSecurity.authProtocol, 2);
    EXPECT_EQ(NvSNMPSecurity.privProtocol, defaults.security.privProtocol);  // 0 keeps the default
    EXPECT_EQ(NvSNMPSecurity.authPassword, "fileauth");
    EXPECT_EQ(NvSNMPSecurity.privPassword, "filepriv");
}

TEST_F(StartupTest, ArgumentBeforeTheAddressReadsTheUnnamedFile)
{
    writeTestFile(confDir + ".cfg", deviceFile({{"AgentPort", "2000"}, {"Version", "1"}, {"SecurityModel", "0"},
                                            {"SecurityLevel", "0"}, {"AuthProtocol", "0"}, {"PrivProtocol", "0"}}));
    device("10.0.0.7", kFullDevice);
    const TMainSettings s = run({"/v3", "/I10.0.0.7"});
    EXPECT_EQ(NvSNMPDevice.port, 2000);
    EXPECT_EQ(NvSNMPSecurity.version, 3);
    EXPECT_EQ(s.versionText, "1");
    EXPECT_EQ(NvSNMPSecurity.securityName, defaults.security.securityName);
}

TEST_F(StartupTest, FirstOccurrenceRules)
{
    using Text = std::optional<std::string>;  // nothing: the session default stays
    struct Case {
        std::vector<std::string> args;
        Text address, read, write, name;
        uint16_t port;  // 0: the default
    };
    const Case cases[] = {
        {{"/Rab/Icd"}, "cd", {}, {}, {}, 0},            // the address test comes first
        {{"/Wab/Rcd"}, {}, "cd", {}, {}, 0},            // "/R" is tested before "/W"
        {{"/I", "/R", "/Wx/y"}, "", "", "x/y", {}, 0},  // empty values; the value runs to the end
        {{"/Rro", "/Rrw"}, {}, "rw", {}, {}, 0},
        {{"/I1.2.3.4", "/t99", "/nx", "/v3", "/t98", "/ny"}, "1.2.3.4", {}, {}, "y", 98},  // v3 switches need v3
        {{"/I1.2.3.4", "/v3", "/v1", "/t97"}, "1.2.3.4", {}, {}, {}, 0},
        {{"/v3", "/n6/t5"}, {}, {}, {}, {}, 5},         // "/t" is tested before "/n"
        {{"/v3", "/x5/n6"}, {}, {}, {}, "6", 0},
    };
    for (const Case& c : cases) {
        const TMainSettings s = run(c.args);
        const std::string label = ::testing::PrintToString(c.args);
        EXPECT_EQ(s.addressText, c.address.value_or("")) << label;
        EXPECT_EQ(NvSNMPDevice.address, c.address.value_or(defaults.device.address)) << label;
        EXPECT_EQ(s.readCommunityText, c.read.value_or("")) << label;
        EXPECT_EQ(NvSNMPSecurity.readCommunity, c.read.value_or(defaults.security.readCommunity)) << label;
        EXPECT_EQ(s.writeCommunityText, c.write.value_or("")) << label;
        EXPECT_EQ(NvSNMPSecurity.writeCommunity, c.write.value_or(defaults.security.writeCommunity)) << label;
        EXPECT_EQ(NvSNMPSecurity.securityName, c.name.value_or(defaults.security.securityName)) << label;
        EXPECT_EQ(NvSNMPDevice.port, c.port ? c.port : defaults.device.port) << label;
    }
}

TEST_F(StartupTest, ConditionalKeysOfTheDeviceFile)
{
    // Empty context name keeps the earlier one; empty engine id clears it;
    // level 0 keeps the default.
    device("10.0.0.7", {{"AgentPort", "161"}, {"Version", "3"}, {"ContextName", ""}, {"ContextEngineID", ""},
                        {"SecurityModel", "3"}, {"SecurityLevel", "0"}, {"SecurityName", ""},
                        {"AuthProtocol", "0"}, {"PrivProtocol", "1"}, {"AuthPassword", ""}, {"PrivPassword", ""}});
    run({"/I10.0.0.7", "/cctx", "/dengine", "/Aauth", "/Ppriv", "/l2", "/Rro"});
    EXPECT_EQ(NvSNMPScope.contextName, "ctx");
    EXPECT_EQ(NvSNMPScope.contextEngineId, "");
    EXPECT_EQ(NvSNMPSecurity.authPassword, "auth");
    EXPECT_EQ(NvSNMPSecurity.privPassword, "priv");
    EXPECT_EQ(NvSNMPSecurity.securityLevel, 2);  // "/l" is taken as given, the file's 0 keeps it
    EXPECT_EQ(NvSNMPSecurity.authProtocol, defaults.security.authProtocol);
    EXPECT_EQ(NvSNMPSecurity.privProtocol, 2);
    EXPECT_EQ(NvSNMPSecurity.securityName, "");
}

TEST_F(StartupTest, MaxRepetitionsOfTheDeviceFileSetsTheWalkMode)
{
    const std::pair<const char*, int32_t> cases[] = {
        {nullptr, kAutomaticRepetitions}, {"0", 0}, {"25", 25}, {"", kAutomaticRepetitions},
        {"many", kAutomaticRepetitions}, {"-3", kAutomaticRepetitions},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text ? text : "absent");
        std::vector<std::pair<const char*, const char*>> keys = {
            {"AgentPort", "161"}, {"Version", "1"}, {"SecurityModel", "2"}, {"SecurityLevel", "0"},
            {"AuthProtocol", "0"}, {"PrivProtocol", "0"}};
        if (text)
            keys.push_back({"MaxRepetitions", text});
        device("10.0.0.7", keys);
        run({"/I10.0.0.7", "/Rro"});
        EXPECT_EQ(walkMaxRepetitions, expected);
        EXPECT_EQ(currentSnmpSettings().maxRepetitions, expected);
    }
}

TEST_F(StartupTest, ConversionFailuresStopStartUp)
{
    struct Case {
        std::vector<std::string> args;
        std::optional<std::vector<std::pair<const char*, const char*>>> file;
        const char* message;
    };
    const Case cases[] = {
        {{"/I10.0.0.7", "/vx"}, std::nullopt, "switch /v: 'x' is not a valid integer value"},
        {{"/I10.0.0.7", "/v"}, std::nullopt, "switch /v: '' is not a valid integer value"},
        {{"/I10.0.0.7", "/v3", "/t16x"}, std::nullopt, "switch /t: '16x' is not a valid integer value"},
        {{"/I10.0.0.7", "/v3", "/m 3"}, std::nullopt, "switch /m: ' 3' is not a valid integer value"},
        {{"/I10.0.0.7", "/v3", "/a99999999999"}, std::nullopt, "switch /a: '99999999999' is not a valid integer value"},
        {{"/I10.0.0.7", std::string("/v1\0x\n", 6)}, std::nullopt, "switch /v: '1?x?' is not a valid integer value"},
        {{"/I10.0.0.7", "/Rro"}, {{{"AgentPort", "abc"}, {"Version", "3"}}},
         "key AgentPort of FILE: 'abc' is not a valid integer value"},
        {{"/I10.0.0.7", "/Rro"}, {{{"AgentPort", "161"}}}, "key Version of FILE: '' is not a valid integer value"},
        {{"/I10.0.0.7", "/Rro"},
         {{{"AgentPort", "161"}, {"Version", "1"}, {"SecurityModel", "1"}, {"SecurityLevel", "high"}}},
         "key SecurityLevel of FILE: 'high' is not a valid integer value"},
        {{"/I10.0.0.7", "/Rro"},
         {{{"AgentPort", "161"}, {"Version", "1"}, {"SecurityModel", "1"}, {"SecurityLevel", "0"}}},
         "key AuthProtocol of FILE: '' is not a valid integer value"},
    };
    // The file as the message names it: the host's "..\Conf\MBF\" resolved.
    const std::string file = dir.filePath("host/Conf/MBF/10.0.0.7.cfg").toStdString();
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        QFile::remove(confDir + "10.0.0.7.cfg");
        if (c.file)
            device("10.0.0.7", *c.file);
        std::string expected = c.message;
        if (const auto at = expected.find("FILE"); at != std::string::npos)
            expected.replace(at, 4, file);
        try {
            run(c.args);
            ADD_FAILURE() << "no failure";
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(e.what(), expected);
        }
    }
    // Without SNMPv3 the v3 switches are not read at all.
    QFile::remove(confDir + "10.0.0.7.cfg");
    EXPECT_NO_THROW(run({"/I10.0.0.7", "/tabc", "/mx"}));
}

TEST_F(StartupTest, ScreenScale)
{
    const std::tuple<double, bool, float> cases[] = {{96, false, 1.0f}, {120, true, 1.25f}, {72, true, 1.25f}};
    for (const auto& [dpi, large, factor] : cases) {
        const TMainSettings s = run({"/Rro"}, dpi);
        EXPECT_EQ(s.LargeFonts, large) << dpi;
        EXPECT_EQ(s.ScaleFactor, factor) << dpi;
    }
}

TEST_F(StartupTest, CataloguesComeFromTheModuleDirectory)
{
    writeTestFile(dir.filePath("module/errmsg/nvsnmp.err"), "\n  Loaded Ok!\n");
    writeTestFile(dir.filePath("module/errmsg/snmp.msg"), "Get [ERROR]\nSet [ERROR]\n");
    run({"/Rro"});
    EXPECT_EQ(mapSnmpStatus(0).text, "  Loaded Ok!");
    EXPECT_EQ(catalogueText(NvCatalogueKind::Messages, 1), "Set [ERROR]");
    EXPECT_EQ(mapSnmpStatus(-5).text, "(SNMPClass) SNMP request timed out!");  // no file: built-in
}

TEST_F(StartupTest, DirectoriesFromTheRegistry)
{
    const QByteArray exePath = "[SOFTWARE\\Norvane\\Vistane5.1\\ExePath]\nPath=/opt/vistane/bin/\n";
    const QByteArray mibFile = "[SOFTWARE\\Norvane\\Vistane5.1\\MibFile]\nPath=/srv/mbf/\n";
    const QByteArray help = "[SOFTWARE\\Norvane\\Modules\\HelpPath]\n1.3.6.1.4.1.497.10.59.7=/opt/mod/HV720NMS.exe\n";
    struct Case {
        QByteArray registry;
        std::string configuration, module;
    };
    const Case cases[] = {
        {exePath + help, "/opt/vistane/bin/..\\Conf\\MBF\\", "/opt/mod/"},
        {exePath + mibFile, "/srv/mbf/", ""},
        {mibFile, "/srv/mbf/", ""},
        {"[SOFTWARE\\Norvane\\Modules\\HelpPath]\n1.3.6.1.4.1.497.10.59.7=short.exe\n", "", ""},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        const QString file = dir.filePath("reg.ini");
        writeTestFile(file, c.registry);
        const Registry registry(file);
        EXPECT_EQ(TStartup::configurationDirectory(registry), c.configuration) << c.registry.toStdString();
        EXPECT_EQ(TStartup::moduleDirectory(registry), c.module) << c.registry.toStdString();
        // The help-path key exists afterwards, created empty when it was missing.
        EXPECT_TRUE(registry.keyExists("\\SOFTWARE\\Norvane\\Modules\\HelpPath"));
    }
}

TEST(HideSecrets, OverwritesSecretValuesInPlace)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/I10.0.0.7", "/I10.0.0.7"},
        {"/Rpublic", "/R******"},
        {"/Wprivate", "/W*******"},
        {"/Aauthpass", "/A********"},
        {"/Pprivpass", "/P********"},
        {"/nadmin", "/nadmin"},
        {"/v3", "/v3"},
        {"x/Rab/Wcd", "x/R******"},
        {"/R", "/R"},
    };
    std::vector<std::string> storage;
    for (const auto& c : cases)
        storage.emplace_back(c.first);
    std::vector<char*> argv = {const_cast<char*>("hv720")};
    for (auto& s : storage)
        argv.push_back(s.data());
    TStartup::hideSecrets(static_cast<int>(argv.size()), argv.data());
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_STREQ(argv[i + 1], cases[i].second);
}

}  // namespace
