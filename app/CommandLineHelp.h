#pragma once
// "--help" and "--version" of the module and of the programs that share its
// command line (the companions): printed on standard output before anything
// else starts, so that they need neither a display nor an agent. The "/"
// switches are untouched: only an argument that is exactly "--help" or
// "--version" is answered.
#include <optional>
#include <string>

// What --help says about one program besides the module's own switches.
struct TProgramUsage {
    std::string program;        // "hv720", "MIB"
    std::string summary;        // one line: what the program is
    std::string extraSwitches;  // lines listed after the module's switches; may be empty
};

class TCommandLineHelp {
public:
    // The exit status (0) when an argument asks for the usage or the version,
    // which has then been printed; nothing otherwise.
    static std::optional<int> answer(int argc, char** argv, const TProgramUsage& usage);

    static std::string usageText(const TProgramUsage& usage);
    // "<program> <version>".
    static std::string versionText(const std::string& program);

    // The module's own description.
    static TProgramUsage moduleUsage();
};
