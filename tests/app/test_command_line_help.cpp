// --help and --version answer only as whole arguments; the "/" switches, whose
// values may hold any text, are never taken for them.
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>
#include <gtest/gtest.h>

#include "app/CommandLineHelp.h"

namespace {

struct Answer {
    std::optional<int> status;
    std::string printed;
};

Answer answer(std::vector<std::string> arguments, const TProgramUsage& usage)
{
    arguments.insert(arguments.begin(), usage.program);
    std::vector<char*> argv;
    for (auto& a : arguments)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::ostringstream out;
    std::streambuf* const saved = std::cout.rdbuf(out.rdbuf());
    const std::optional<int> status = TCommandLineHelp::answer(static_cast<int>(arguments.size()), argv.data(), usage);
    std::cout.rdbuf(saved);
    return {status, out.str()};
}

TEST(CommandLineHelp, AnswersWholeArgumentsOnly)
{
    const TProgramUsage module = TCommandLineHelp::moduleUsage();
    const std::string usage = TCommandLineHelp::usageText(module);
    const std::string version = TCommandLineHelp::versionText("hv720") + "\n";
    struct Case {
        std::vector<std::string> arguments;
        std::optional<int> status;
        std::string printed;
    };
    const Case cases[] = {
        {{"--help"}, 0, usage},
        {{"--version"}, 0, version},
        {{"/I10.1.1.5", "/Rpublic", "--help"}, 0, usage},
        {{"--version", "--help"}, 0, version},  // the first one asked is answered
        {{"/R--help"}, std::nullopt, ""},       // a community that reads "--help"
        {{"/I10.1.1.5", "/W--version"}, std::nullopt, ""},
        {{"-help", "--Help", "help", "--help=1", "-v", "--versions"}, std::nullopt, ""},
        {{}, std::nullopt, ""},
    };
    for (const Case& c : cases) {
        std::string shown;
        for (const std::string& a : c.arguments)
            shown += a + " ";
        SCOPED_TRACE(shown);
        const Answer a = answer(c.arguments, module);
        EXPECT_EQ(a.status, c.status);
        EXPECT_EQ(a.printed, c.printed);
    }
}

TEST(CommandLineHelp, UsageNamesTheProgramItsSwitchesAndTheRegistry)
{
    const TProgramUsage companion{.program = "MIB", .summary = "MIB browser.", .extraSwitches = "  /T<view>  view\n"};
    const std::string text = TCommandLineHelp::usageText(companion);
    EXPECT_EQ(text.rfind("usage: MIB /I<address>", 0), 0u) << text;
    for (const char* part : {"MIB browser.", "/T<view>  view", "/I<address>", "/P<pass>", "NORVANE_REGISTRY",
                             "/etc/xdg/Norvane/registry.ini", "--version"})
        EXPECT_NE(text.find(part), std::string::npos) << part;
    EXPECT_EQ(TCommandLineHelp::versionText("MIB").rfind("MIB ", 0), 0u);
}

}  // namespace
