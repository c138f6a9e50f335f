#include "app/CommandLineHelp.h"

#include <cstring>
#include <iostream>

#ifndef NV_VERSION
#define NV_VERSION "unknown"
#endif

namespace {

const char* const kModuleSwitches = R"(
Each switch is followed by its value without a blank (/I10.1.1.5, /Rpublic).
  /I<address>     agent address; the device file <address>.cfg is read after it
  /R<community>   read community
  /W<community>   write community
  /v<version>     SNMP version: 0 (v1), 1 (v2c) or 3 (v3)
SNMPv3 only (after /v3, or with Version=3 in the device file):
  /t<port>        agent UDP port
  /c<name>        context name
  /d<engine id>   context engine id
  /m<model>       security model (3: user-based)
  /l<level>       security level: 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv
  /n<name>        security (user) name
  /a<protocol>    authentication protocol: 1 none, 2 MD5, 3 SHA
  /A<pass>        authentication pass phrase
  /p<protocol>    privacy protocol: 1 none, 2 DES
  /P<pass>        privacy pass phrase
)";

const char* const kClosing = R"(
The registry file is $NORVANE_REGISTRY, otherwise /etc/xdg/Norvane/registry.ini.
  --help          print this text and exit
  --version       print the version and exit
See the manual page hv720(1).
)";

}  // namespace

std::optional<int> TCommandLineHelp::answer(int argc, char** argv, const TProgramUsage& usage)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::cout << usageText(usage) << std::flush;
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << versionText(usage.program) << '\n' << std::flush;
            return 0;
        }
    }
    return std::nullopt;
}

std::string TCommandLineHelp::usageText(const TProgramUsage& usage)
{
    std::string text = "usage: " + usage.program + " /I<address> [/R<community>] [/W<community>] [/v<version>] [...]\n";
    text += usage.summary + "\n" + kModuleSwitches;
    text += usage.extraSwitches;
    text += kClosing;
    return text;
}

std::string TCommandLineHelp::versionText(const std::string& program)
{
    return program + " " + NV_VERSION;
}

TProgramUsage TCommandLineHelp::moduleUsage()
{
    return {.program = "hv720",
            .summary = "Device-management module for stacks of HV-710, HV-720, HV-630 and HV-640 switches.",
            .extraSwitches = {}};
}
