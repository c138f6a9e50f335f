#pragma once
// Command line and configuration file of hv720-sim.
#include "sim/FaultSwitches.h"
#include "sim/StackModel.h"

#include <string>
#include <vector>

struct SimUser {
    std::string name;
    std::string authProtocol, authPass;   // empty: noAuthNoPriv
    std::string privProtocol, privPass;   // empty: authNoPriv
};

class SimOptions {
public:
    std::string listen = "udp:127.0.0.1:16100";
    std::string dir;                              // persistent directory; empty: a private temp dir
    std::vector<std::string> readCommunities{"quorel"};
    std::vector<std::string> writeCommunities{"tessany"};
    std::vector<SimUser> users;
    std::string engineId;                         // hexadecimal; empty: generated
    std::vector<UnitConfig> units;                // empty: the default stack
    std::string cataloguePath;
    int bigTable = 0;
    int ledPeriodMs = 2000;
    unsigned seed = 720;
    int rmonState = 3;
    bool quiet = false;
    bool still = false;         // counters, uptimes and the clock keep their first values
    std::string setLogPath;                       // empty: sets are not logged
    std::string getLogPath;                       // empty: gets are not logged
    FaultSwitches faults;

    // Parses argv; a --config file is read where it appears.
    bool parse(int argc, char** argv, std::string& error);
    // One option by its long name without "--" (also the configuration file's form).
    bool apply(const std::string& name, const std::string& value, std::string& error);
    bool readConfig(const std::string& path, std::string& error);
    static bool takesValue(const std::string& name);
    static std::string usage();
    bool helpRequested = false;
    bool versionRequested = false;
};
