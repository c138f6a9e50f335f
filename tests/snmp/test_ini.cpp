// INI reader lookups against real files.
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

#include "snmp/NvIni.h"

namespace {

TEST(NvIni, LookupsFollowTheProfileRules)
{
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/10.0.0.7.cfg";
    const std::string longValue = std::string(4000, 'x') + std::string(200, 'y');
    std::ofstream(path, std::ios::binary)
        << "; comment line\r\n"
           "[Other]\n"
           "AgentPort=999\n"
           "[Program Information]\r\n"
           "  AgentPort  =  1161  \t\r\n"
           "Empty=\n"
           "Blanks=   \n"
           "Url=a=b=c\n"
           "version=3\n"
           "Dup=first\n"
           "Dup=second\n"
           "Long=" << longValue << "\n"
           "no equals sign here\n"
           "[ Second ]\n"
           "Key = inner  value \n";

    struct Case {
        const char* section;
        const char* key;
        const char* defaultValue;
        std::string expected;
    };
    const Case cases[] = {
        {"Program Information", "AgentPort", "", "1161"},
        {"PROGRAM information", "agentport", "", "1161"},     // section and key ignore case
        {"Program Information", "Version", "", "3"},
        {"Program Information", "Empty", "", ""},
        {"Program Information", "Empty", "dflt", "dflt"},       // empty value gives the default
        {"Program Information", "Empty", " 0 ", " 0 "},         // ... untrimmed
        {"Program Information", "Blanks", " 0 ", " 0 "},
        {"Program Information", "Missing", " 0 ", "0"},         // missing key: default, trimmed
        {"Program Information", "Missing", "", ""},
        {"Missing Section", "AgentPort", "7", "7"},
        {"Program Information", "Url", "", "a=b=c"},           // value after the first "="
        {"Program Information", "Dup", "", "first"},
        {"Program Information", "no equals sign here", "d", "d"},
        {"Program Information", "Long", "", longValue.substr(0, 4095)},
        {"Second", "Key", "", "inner  value"},
        {"Other", "AgentPort", "", "999"},
    };
    const NvIni ini(path);
    for (const auto& c : cases)
        EXPECT_EQ(ini.readString(c.section, c.key, c.defaultValue), c.expected) << c.section << " / " << c.key;
}

TEST(NvIni, MissingFileGivesTheDefaultAndEveryLookupRereadsTheFile)
{
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/late.cfg";
    const NvIni ini(path);
    EXPECT_EQ(ini.readString("Program Information", "Version", ""), "");
    EXPECT_EQ(ini.readString("Program Information", "Version", " 1 "), "1");

    std::ofstream(path) << "[Program Information]\nVersion=3\n";
    EXPECT_EQ(ini.readString("Program Information", "Version", ""), "3");
    std::ofstream(path) << "[Program Information]\nVersion=1\n";
    EXPECT_EQ(ini.readString("Program Information", "Version", ""), "1");
}

}  // namespace
