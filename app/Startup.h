#pragma once
// Start-up of the module: turns the command line, the device configuration file
// and the registry values into the session records and the main window's
// settings, and loads the message catalogues.
#include <functional>
#include <string>
#include <vector>

#include "platform/MainSettings.h"

class Registry;

class TStartup {
public:
    // Opens the SNMP session; the argument is the boot-counter directory.
    using SessionStarter = std::function<void(const std::string&)>;

    // Screen scale, session start, catalogues, directories and the arguments, in
    // this order. Throws what the session start throws, and std::runtime_error
    // when a number cannot be read: "switch /v: 'x' is not a valid integer value"
    // or "key AgentPort of /conf/10.0.0.7.cfg: '' is not a valid integer value".
    static void run(TMainSettings& settings, const std::vector<std::string>& arguments, double logicalDpi,
                    const Registry& registry, const SessionStarter& startSession);

    static void applyScreenScale(TMainSettings& settings, double logicalDpi);

    // The help-path value without its last 12 characters (the key is created when
    // missing); empty when the value is missing.
    static std::string moduleDirectory(const Registry& registry);

    // Loads the seven catalogues from moduleDirectory + "errmsg\...".
    static void loadCatalogues(const std::string& moduleDirectory);

    // Where the device configuration files lie (ends in a separator, or empty).
    static std::string configurationDirectory(const Registry& registry);

    // Examines the arguments from first to last into the session records.
    static void readArguments(TMainSettings& settings, const std::vector<std::string>& arguments,
                              const std::string& configurationDirectory);

    // Overwrites, in place, the values of the switches that carry secrets ("/R",
    // "/W", "/A", "/P"), so that the process list does not show them.
    static void hideSecrets(int argc, char** argv);

    // Decimal text to integer; throws std::runtime_error("'<text>' is not a valid integer value").
    static int toInteger(const std::string& text);
};
