#include "app/Startup.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "platform/FilePath.h"
#include "snmp/NvMessageCatalogue.h"
#include "snmp/NvIni.h"
#include "snmp/NvSNMPSession.h"
#include "platform/Registry.h"
#include "platform/RuntimeFiles.h"

namespace {

const char* const kHelpPathKey = "\\SOFTWARE\\Norvane\\Modules\\HelpPath";
const char* const kHelpPathValue = "1.3.6.1.4.1.497.10.59.7";
const char* const kExePathKey = "\\SOFTWARE\\Norvane\\Vistane5.1\\ExePath";
const char* const kMibFileKey = "\\SOFTWARE\\Norvane\\Vistane5.1\\MibFile";
const char* const kSection = "Program Information";

// Value of a switch: everything after its first occurrence, or nothing.
bool findSwitch(const std::string& argument, const char* name, std::string& value)
{
    const size_t pos = argument.find(name);
    if (pos == std::string::npos)
        return false;
    value = argument.substr(pos + 2);
    return true;
}

bool isSnmpV3(const TMainSettings& settings)
{
    return settings.versionText == "3" || NvSNMPSecurity.version == 3;
}

// A conversion failure names where the text came from ("switch /v", "key
// AgentPort of /conf/10.0.0.7.cfg") before the conversion's own message.
int integerFrom(const std::string& text, const std::string& source)
{
    try {
        return TStartup::toInteger(text);
    } catch (const std::runtime_error& e) {
        throw std::runtime_error(source + ": " + e.what());
    }
}

int switchInteger(const std::string& value, const char* name)
{
    return integerFrom(value, std::string("switch ") + name);
}

// The file stores level and protocol codes zero-based, 0 keeping the default.
void applyOneBased(const std::string& text, int32_t& field, const std::string& source)
{
    if (text != "0")
        field = integerFrom(text, source) + 1;
}

// "MaxRepetitions": 0 walks tables with get-next only, a positive count asks
// that many rows per GETBULK; absent (or anything else) lets the engine choose.
int32_t repetitionsOf(const std::string& text)
{
    try {
        const int n = TStartup::toInteger(text);
        return n >= 0 ? n : kAutomaticRepetitions;
    } catch (const std::runtime_error&) {
        return kAutomaticRepetitions;
    }
}

void applyConfigurationFile(TMainSettings& settings, const std::string& path)
{
    const NvIni ini(path);
    auto read = [&](const char* key) { return ini.readString(kSection, key, ""); };
    const std::string shownPath = QDir::cleanPath(QString::fromStdString(path)).toStdString();
    auto source = [&](const char* key) { return std::string("key ") + key + " of " + shownPath; };
    auto integer = [&](const char* key) { return integerFrom(read(key), source(key)); };

    NvSNMPDevice.port = static_cast<uint16_t>(integer("AgentPort"));
    const std::string version = read("Version");
    NvSNMPSecurity.version = static_cast<int8_t>(integerFrom(version, source("Version")));
    settings.versionText = version;
    if (const std::string name = read("ContextName"); !name.empty())
        NvSNMPScope.contextName = name;
    NvSNMPScope.contextEngineId = read("ContextEngineID");
    NvSNMPSecurity.securityModel = integer("SecurityModel");
    applyOneBased(read("SecurityLevel"), NvSNMPSecurity.securityLevel, source("SecurityLevel"));
    NvSNMPSecurity.securityName = read("SecurityName");
    applyOneBased(read("AuthProtocol"), NvSNMPSecurity.authProtocol, source("AuthProtocol"));
    applyOneBased(read("PrivProtocol"), NvSNMPSecurity.privProtocol, source("PrivProtocol"));
    if (const std::string pass = read("AuthPassword"); !pass.empty())
        NvSNMPSecurity.authPassword = pass;
    if (const std::string pass = read("PrivPassword"); !pass.empty())
        NvSNMPSecurity.privPassword = pass;
    walkMaxRepetitions = repetitionsOf(read("MaxRepetitions"));
}

void applyArgument(TMainSettings& settings, const std::string& argument, const std::string& configurationDirectory)
{
    std::string value;
    if (findSwitch(argument, "/I", value)) {
        NvSNMPDevice.address = value;
        settings.addressText = value;
        return;
    }

    // The device file is read again for every other argument, so it overrides
    // what earlier arguments set for the keys it holds.
    const std::string path = FilePath::toFileSystem(configurationDirectory + settings.addressText + ".cfg");
    settings.configFileExists = QFile::exists(QString::fromStdString(path));
    if (settings.configFileExists)
        applyConfigurationFile(settings, path);

    if (findSwitch(argument, "/R", value)) {
        NvSNMPSecurity.readCommunity = value;
        settings.readCommunityText = value;
    } else if (findSwitch(argument, "/W", value)) {
        NvSNMPSecurity.writeCommunity = value;
        settings.writeCommunityText = value;
    } else if (findSwitch(argument, "/v", value)) {
        NvSNMPSecurity.version = static_cast<int8_t>(switchInteger(value, "/v"));
    } else if (isSnmpV3(settings)) {
        if (findSwitch(argument, "/t", value))
            NvSNMPDevice.port = static_cast<uint16_t>(switchInteger(value, "/t"));
        else if (findSwitch(argument, "/c", value))
            NvSNMPScope.contextName = value;
        else if (findSwitch(argument, "/d", value))
            NvSNMPScope.contextEngineId = value;
        else if (findSwitch(argument, "/m", value))
            NvSNMPSecurity.securityModel = switchInteger(value, "/m");
        else if (findSwitch(argument, "/l", value))
            NvSNMPSecurity.securityLevel = switchInteger(value, "/l");
        else if (findSwitch(argument, "/n", value))
            NvSNMPSecurity.securityName = value;
        else if (findSwitch(argument, "/A", value))
            NvSNMPSecurity.authPassword = value;
        else if (findSwitch(argument, "/P", value))
            NvSNMPSecurity.privPassword = value;
        else if (findSwitch(argument, "/a", value))
            NvSNMPSecurity.authProtocol = switchInteger(value, "/a");
        else if (findSwitch(argument, "/p", value))
            NvSNMPSecurity.privProtocol = switchInteger(value, "/p");
    }
}

}  // namespace

int TStartup::toInteger(const std::string& text)
{
    // The message is a C text: a control octet (a zero above all, which would end
    // it) is shown as "?" so that the whole message reaches the user.
    const auto fail = [&]() {
        std::string shown = text;
        for (char& c : shown)
            c = static_cast<unsigned char>(c) < ' ' ? '?' : c;
        return std::runtime_error("'" + shown + "' is not a valid integer value");
    };
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    if (i == text.size())
        throw fail();
    for (size_t j = i; j < text.size(); ++j) {
        if (text[j] < '0' || text[j] > '9')
            throw fail();
    }
    errno = 0;
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (errno == ERANGE || value < INT32_MIN || value > INT32_MAX)
        throw fail();
    return static_cast<int>(value);
}

void TStartup::applyScreenScale(TMainSettings& settings, double logicalDpi)
{
    settings.LargeFonts = qRound(logicalDpi) != 96;
    settings.ScaleFactor = settings.LargeFonts ? 1.25f : 1.0f;
}

std::string TStartup::moduleDirectory(const Registry& registry)
{
    if (!registry.openKey(kHelpPathKey, true))
        return {};
    const QString value = registry.readString(kHelpPathKey, kHelpPathValue).value_or(QString());
    return value.left(qMax(0, value.size() - 12)).toStdString();
}

void TStartup::loadCatalogues(const std::string& moduleDirectory)
{
    const std::pair<NvCatalogueKind, const char*> files[] = {
        {NvCatalogueKind::Common, "errmsg\\common.err"},     {NvCatalogueKind::Snmp, "errmsg\\snmp.err"},
        {NvCatalogueKind::SnmpV3, "errmsg\\snmpv3.err"},     {NvCatalogueKind::Usm, "errmsg\\snmpusm.err"},
        {NvCatalogueKind::SnmpClass, "errmsg\\snmpclass.err"}, {NvCatalogueKind::Library, "errmsg\\nvsnmp.err"},
        {NvCatalogueKind::Messages, "errmsg\\snmp.msg"},
    };
    for (const auto& [kind, name] : files)
        loadCatalogue(kind, FilePath::toFileSystem(moduleDirectory + name));
}

std::string TStartup::configurationDirectory(const Registry& registry)
{
    std::string directory;
    if (registry.keyExists(kExePathKey))
        directory = registry.readString(kExePathKey, "Path").value_or(QString()).toStdString() + "..\\Conf\\MBF\\";
    if (registry.keyExists(kMibFileKey))
        directory = registry.readString(kMibFileKey, "Path").value_or(QString()).toStdString();
    return directory;
}

void TStartup::readArguments(TMainSettings& settings, const std::vector<std::string>& arguments,
                             const std::string& configurationDirectory)
{
    for (const std::string& argument : arguments)
        applyArgument(settings, argument, configurationDirectory);
}

void TStartup::run(TMainSettings& settings, const std::vector<std::string>& arguments, double logicalDpi,
                   const Registry& registry, const SessionStarter& startSession)
{
    applyScreenScale(settings, logicalDpi);
    startSession("");
    NvSNMPSecurity.version = 0;
    // Without a module directory in the registry the catalogues come from the
    // program's own run-time files (the build tree or the installed share folder).
    std::string moduleDir = moduleDirectory(registry);
    if (moduleDir.empty())
        moduleDir = RuntimeFiles::directory().toStdString();
    loadCatalogues(moduleDir);
    readArguments(settings, arguments, configurationDirectory(registry));
}

void TStartup::hideSecrets(int argc, char** argv)
{
    static const char* const kSecretSwitches[] = {"/R", "/W", "/A", "/P"};
    for (int i = 1; i < argc; ++i) {
        char* argument = argv[i];
        if (!argument)
            continue;
        // Everything after the earliest secret switch goes, whichever switch the
        // argument was taken for.
        char* earliest = nullptr;
        for (const char* name : kSecretSwitches) {
            char* found = std::strstr(argument, name);
            if (found && (!earliest || found < earliest))
                earliest = found;
        }
        if (earliest)
            std::memset(earliest + 2, '*', std::strlen(earliest + 2));
    }
}
