// Message catalogues: status mapping, code texts, file loading and placeholders.
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

#include "snmp/NvMessageCatalogue.h"

namespace {

class CatalogueTest : public ::testing::Test {
protected:
    void SetUp() override { resetCatalogues(); }
    void TearDown() override { resetCatalogues(); }

    std::string writeFile(const std::string& name, const std::string& content)
    {
        const std::string path = dir.path().toStdString() + "/" + name;
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    QTemporaryDir dir;
};

struct StatusCase {
    int status;
    int code;
    const char* text;
};

TEST_F(CatalogueTest, StatusMapsToCodeAndCatalogueLine)
{
    const StatusCase cases[] = {
        {0, 0, "(NvSNMP++) Ok!"},
        {1400, 0, "(NvSNMP++) Ok!"},
        {-1401, 0, "(NvSNMP++) Ok!"},
        {1401, -301, "(SNMPv3USM) error!"},
        {1414, -314, "(SNMPv3USM) Address error!"},
        {-1402, -201, "(SNMPv3) Unsupported Security Model!"},
        {-1418, -217, "(SNMPv3) Report sent!"},
        {1, -101, "(SNMP) Response PDU Too Big!"},
        {2, -102, "(SNMP) Variable does not exist!"},
        {18, -118, "(SNMP) Cannot create variable, Inconsistent Name!"},
        {-1, -401, "(SNMPClass) Operation failed!"},
        {-5, -405, "(SNMPClass) SNMP request timed out!"},
        {-23, -423, "(SNMPClass) Blocked Mode Shutdown!"},
        // Just outside every range.
        {99, -528, "(NvSNMP++) Unknown error code!"},
        {19, -528, "(NvSNMP++) Unknown error code!"},
        {-24, -528, "(NvSNMP++) Unknown error code!"},
        {1415, -528, "(NvSNMP++) Unknown error code!"},
        {-1419, -528, "(NvSNMP++) Unknown error code!"},
        {-1400, -528, "(NvSNMP++) Unknown error code!"},
    };
    for (const auto& c : cases) {
        const NvMappedStatus m = mapSnmpStatus(c.status);
        EXPECT_EQ(m.code, c.code) << "status " << c.status;
        EXPECT_EQ(m.text, c.text) << "status " << c.status;
    }
}

TEST_F(CatalogueTest, CodeGivesItsCatalogueText)
{
    const std::pair<int, const char*> cases[] = {
        {-1, "(NvCommon) Bad logic operand!"},
        {-18, "(NvCommon) Fail to read option data from file([FILENAME])!"},
        {-501, "(NvSNMP++) Fail to read SNMP variables from file([FILENAME])!"},
        {-509, "(NvSNMP++) Invalid IP Address or DNS name!"},
        {-528, "(NvSNMP++) Unknown error code!"},
        {-529, "(NvSNMP++) The agent's answers went back or repeated during the walk!"},
        {-530, "(NvSNMP++) Unknown error code!"},
        {-19, "(NvSNMP++) Unknown error code!"},
        {-600, "(NvSNMP++) Unknown error code!"},
        {5, "(NvSNMP++) Unknown error code!"},
    };
    for (const auto& [code, text] : cases)
        EXPECT_EQ(textOfCode(code), text) << "code " << code;

    const NvSNMPException e = errorOfCode(-506);
    EXPECT_EQ(e.code(), -506);
    EXPECT_STREQ(e.what(), "(NvSNMP++) Cannot create the global NvSNMP++ session!");
}

// The shipped files must hold the built-in texts in the same order; a built-in
// line break is a single blank in a file line.
TEST_F(CatalogueTest, ShippedFilesMatchBuiltInTexts)
{
    const std::pair<NvCatalogueKind, const char*> files[] = {
        {NvCatalogueKind::Common, "common.err"},   {NvCatalogueKind::Snmp, "snmp.err"},
        {NvCatalogueKind::SnmpV3, "snmpv3.err"},   {NvCatalogueKind::Usm, "snmpusm.err"},
        {NvCatalogueKind::SnmpClass, "snmpclass.err"}, {NvCatalogueKind::Library, "nvsnmp.err"},
        {NvCatalogueKind::Messages, "snmp.msg"},
    };
    for (const auto& [kind, name] : files) {
        std::vector<std::string> builtIn;
        for (int line = 0; !catalogueText(kind, line).empty(); ++line)
            builtIn.push_back(replaceAll(catalogueText(kind, line), "\n", " "));
        ASSERT_TRUE(loadCatalogue(kind, std::string(NV_SOURCE_DIR) + "/errmsg/" + name)) << name;
        std::ifstream in(std::string(NV_SOURCE_DIR) + "/errmsg/" + name);
        std::vector<std::string> fileLines;
        for (std::string l; std::getline(in, l);)
            fileLines.push_back(l);
        EXPECT_EQ(fileLines, builtIn) << name;
    }
    EXPECT_EQ(textOfCode(-9), "(NvCommon) Please enter a delimited number string with delimiter '[DELIMITER]'. "
                              "Here,the count of the number is less than [MAXCOUNT]!");
}

TEST_F(CatalogueTest, BlankLinesTakeNoIndexAndLinesStayUntrimmed)
{
    const std::string spaced = writeFile("spaced.msg", "\n  \t\nGet: A\n\n   Set: B \t\r\n \n");
    const std::string packed = writeFile("packed.msg", "Get: A\n   Set: B \t\n");
    for (const std::string& path : {spaced, packed}) {
        ASSERT_TRUE(loadCatalogue(NvCatalogueKind::Messages, path)) << path;
        EXPECT_EQ(catalogueText(NvCatalogueKind::Messages, 0), "Get: A") << path;
        EXPECT_EQ(catalogueText(NvCatalogueKind::Messages, 1), "   Set: B \t") << path;
    }
}

TEST_F(CatalogueTest, UnreadableOrBlankFileKeepsTextsInForce)
{
    const std::string ok = "(NvSNMP++) Ok!";
    EXPECT_FALSE(loadCatalogue(NvCatalogueKind::Library, dir.path().toStdString() + "/missing.err"));
    EXPECT_FALSE(loadCatalogue(NvCatalogueKind::Library, writeFile("blank.err", " \n\t\n\n")));
    EXPECT_FALSE(loadCatalogue(NvCatalogueKind::Library, writeFile("empty.err", "")));
    EXPECT_FALSE(loadCatalogue(NvCatalogueKind::Library, dir.path().toStdString()));  // a directory
    EXPECT_EQ(mapSnmpStatus(0).text, ok);

    // A loaded table stays when a later file cannot be read; lines beyond a
    // shorter file fall back to the built-in ones.
    ASSERT_TRUE(loadCatalogue(NvCatalogueKind::Library, writeFile("short.err", "Alles gut\n")));
    EXPECT_FALSE(loadCatalogue(NvCatalogueKind::Library, dir.path().toStdString() + "/missing.err"));
    EXPECT_EQ(mapSnmpStatus(1400).text, "Alles gut");
    EXPECT_EQ(textOfCode(-528), "(NvSNMP++) Unknown error code!");
}

TEST_F(CatalogueTest, LongLineCountsAsSeveralPieces)
{
    const std::string longLine = std::string(1023, 'a') + std::string(1023, 'b') + "cc";
    ASSERT_TRUE(loadCatalogue(NvCatalogueKind::Messages, writeFile("long.msg", longLine + "\nnext\n")));
    EXPECT_EQ(catalogueText(NvCatalogueKind::Messages, 0), std::string(1023, 'a'));
    EXPECT_EQ(catalogueText(NvCatalogueKind::Messages, 1), std::string(1023, 'b'));
    EXPECT_EQ(catalogueText(NvCatalogueKind::Messages, 2), "cc");
    EXPECT_EQ(catalogueText(NvCatalogueKind::Messages, 3), "next");
}

TEST(ReplaceAll, ReplacesEveryOccurrenceLeftToRight)
{
    struct Case {
        const char* text;
        const char* placeholder;
        const char* replacement;
        const char* expected;
    };
    const Case cases[] = {
        {"between [MIN] and [MAX], [MIN]!", "[MIN]", "1", "between 1 and [MAX], 1!"},
        {"[X][X]", "[X]", "[X][X]", "[X][X][X][X]"},  // no re-scan of inserted text
        {"aaa", "aa", "b", "ba"},
        {"no placeholder", "[TIME]", "now", "no placeholder"},
        {"[TIME]", "[TIME]", "", ""},
        {"text", "", "x", "text"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(replaceAll(c.text, c.placeholder, c.replacement), c.expected) << c.text << " / " << c.placeholder;
}

}  // namespace
