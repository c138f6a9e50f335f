// The start-up command line, with a device configuration file of any content:
// the arguments are taken or refused with the conversion message, and what is
// taken lands in the session records unchanged.
#include <QDir>
#include <QTemporaryDir>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/MainSettings.h"
#include "app/Startup.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "snmp/NvSNMPSession.h"

namespace {

// The configuration directory of every run, holding "10.0.0.7.cfg" and ".cfg".
const std::string& configurationDirectory()
{
    static QTemporaryDir dir;
    static const std::string path = dir.path().toStdString() + "/";
    return path;
}

void writeFile(const std::string& path, const std::string& content)
{
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(content.data(), 1, content.size(), f);
        std::fclose(f);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const std::string& directory = configurationDirectory();
    writeFile(directory + "10.0.0.7.cfg", in.text(512));
    writeFile(directory + ".cfg", in.text(128));

    // The rest: arguments separated by zero octets.
    std::vector<std::string> arguments;
    std::string current;
    for (char c : in.rest()) {
        if (c == '\0') {
            arguments.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    arguments.push_back(current);

    NvSNMPDevice = NvSNMPDeviceRecord{};
    NvSNMPScope = NvSNMPScopeRecord{};
    NvSNMPSecurity = NvSNMPSecurityRecord{};
    TMainSettings settings;
    try {
        TStartup::readArguments(settings, arguments, directory);
    } catch (const std::runtime_error& e) {
        const std::string message = e.what();
        const std::string tail = "' is not a valid integer value";
        // "switch /v: '...' ..." or "key AgentPort of FILE: '...' ...".
        const bool named = message.rfind("switch /", 0) == 0 || message.rfind("key ", 0) == 0;
        FUZZ_CHECK(named && message.find(": '") != std::string::npos && message.size() > tail.size()
                       && message.compare(message.size() - tail.size(), tail.size(), tail) == 0,
                   message);
        return 0;
    }
    FUZZ_CHECK(settings.addressText == NvSNMPDevice.address, settings.addressText);
    FUZZ_CHECK(settings.readCommunityText.empty() || settings.readCommunityText == NvSNMPSecurity.readCommunity,
               settings.readCommunityText);
    return 0;
}
