#pragma once
// Starts a companion program of the host product for one of its views, with the
// device's address and credentials on its command line in the switch language
// the module itself accepts, plus the "/T" view argument. Nothing waits for the
// companion; a companion that cannot be started is reported.
#include <QString>
#include <functional>

struct TMainSettings;
class Registry;

class CompanionLauncher {
public:
    // The text of the view argument from its third character up to the first "_"
    // ("/TMIB_IFTable" gives "MIB"); empty when there is no "_".
    static QString companionName(const QString& viewArgument);

    // Whether the companion gets the SNMPv3 switches: the device configuration
    // file asked for version 3, or the session runs SNMPv3.
    static bool usesV3(const TMainSettings& settings);

    // The command line: companion name, address, communities, view argument and,
    // under SNMPv3, the session's v3 settings from the session records.
    static QString commandLine(const QString& viewArgument, const TMainSettings& settings);

    // Looks for the host product in the registry; the status text to show when
    // it is not found as expected, empty otherwise.
    static QString probeHost(const Registry& registry);

    // The message for a companion that could not be started; it names the program.
    static QString startFailureText(const QString& viewArgument);

    // Probes the host (reporting through showStatus), then starts the companion.
    // Returns whether the companion started.
    static bool launch(const QString& viewArgument, const TMainSettings& settings, const Registry& registry,
                       const std::function<void(const QString&)>& showStatus);
};
