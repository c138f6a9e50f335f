// The bindings' value codec: display texts to octet images and back.
#include <gtest/gtest.h>

#include <string>

#include "snmp/NvSNMPError.h"
#include "bind/NvSNMPRequest2Controls.h"
#include "snmp/NvValueText.h"
#include "tests/common/ErrorCode.h"

namespace {

using Codec = NvSNMPRequest2Controls;

std::string hex(const std::string& octets)
{
    return octetsToHex(octets);
}

struct ToOctetsCase {
    const char* text;
    NvSyntax syntax;
    const char* octets;  // hexadecimal
};

TEST(ValueCodec, TextToOctets)
{
    const ToOctetsCase cases[] = {
        {"(NULL)", SyntaxInteger, ""},
        {"(NULL)", SyntaxDisplayString, ""},
        {"true", SyntaxBoolean, "01000000"},
        {"yes", SyntaxBoolean, "00000000"},
        {"-1", SyntaxInteger, "FFFFFFFF"},
        {"+7", SyntaxInteger, "07000000"},
        {"4294967295", SyntaxCounter, "FFFFFFFF"},
        {"001aff", SyntaxOctets, "001AFF"},
        {"A0B", SyntaxBits, "0A0B"},
        {"00:80", SyntaxMacAddress, "000080"},
        {"anything", SyntaxNull, ""},
        {"1.3.6", SyntaxOid, "010000000300000006000000"},
        {"192.168.0.1", SyntaxIpAddress, "C0A80001"},
        {"1:00:00.00", SyntaxTimeTicks, "407E0500"},
        {"4294967296", SyntaxCounter64, "0000000001000000"},
        {"hello", SyntaxDisplayString, "68656C6C6F"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(hex(Codec::textToOctets(c.text, c.syntax)), c.octets) << c.text << " / " << c.syntax;
    // Text that is no value of the syntax has no octets: it is refused, never
    // read as its leading digits or as 0.
    const std::pair<const char*, NvSyntax> refused[] = {
        {"258xyz", SyntaxInteger}, {"abc", SyntaxInteger}, {"4294967296", SyntaxCounter},
        {"300.1.1.1", SyntaxIpAddress}, {"1.x", SyntaxOid}, {"1e30", SyntaxCounter64}};
    for (const auto& [text, syntax] : refused)
        EXPECT_THROW(Codec::textToOctets(text, syntax), NvSNMPException) << text;
}

struct ToTextCase {
    const char* octets;  // hexadecimal
    NvSyntax syntax;
    const char* text;
};

TEST(ValueCodec, OctetsToText)
{
    const ToTextCase cases[] = {
        {"", SyntaxInteger, "(NULL)"},
        {"", SyntaxDisplayString, ""},
        {"01000000", SyntaxNull, "(NULL)"},
        {"FFFFFFFF", SyntaxInteger, "-1"},
        {"FFFFFFFF", SyntaxCounter, "4294967295"},
        {"02000000", SyntaxBoolean, "true"},
        {"00000000", SyntaxBoolean, "false"},
        {"C0A80001", SyntaxIpAddress, "192.168.0.1"},
        {"C0A8000163", SyntaxNsapAddress, "192.168.0.1"},
        {"010000000300000006000000", SyntaxOid, "1.3.6"},
        {"407E0500", SyntaxTimeTicks, "1:00:00.00"},
        {"0000000001000000", SyntaxCounter64, "4294967296"},
        {"001AFF", SyntaxOctets, "001AFF"},
        {"00805A000001", SyntaxMacAddress, "00805A000001"},
        {"68690074", SyntaxDisplayString, "hi"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Codec::octetsToText(hexToOctets(c.octets), c.syntax), c.text) << c.octets << " / " << c.syntax;
}

TEST(ValueCodec, RealsAndDatesComeBack)
{
    EXPECT_EQ(Codec::octetsToText(Codec::textToOctets("0.1", SyntaxReal), SyntaxReal), "0.1");
    EXPECT_EQ(Codec::octetsToText(Codec::textToOctets("2024-5-26,13:30:15.0", SyntaxDateAndTime), SyntaxDateAndTime), "2024-5-26,13:30:15.0");
    const std::string calendar = Codec::textToOctets(calendarTimeToText(45000.5), SyntaxCalendarTime);
    EXPECT_EQ(Codec::octetsToText(calendar, SyntaxCalendarTime), calendarTimeToText(45000.5));
}

struct ErrorCase {
    const char* octets;
    NvSyntax syntax;
    int code;
};

TEST(ValueCodec, ShortOctetsAndUnknownSyntaxesAreRefused)
{
    const ErrorCase cases[] = {
        {"C0A800", SyntaxIpAddress, -518}, {"010203", SyntaxInteger, -518},   {"00", SyntaxBoolean, -518},
        {"0102030405", SyntaxMacAddress, -518}, {"01020304050607", SyntaxCounter64, -518}, {"01020304050607", SyntaxReal, -518},
        {"0102030405060708090A", SyntaxDateAndTime, -518}, {"00", SyntaxAddress16, -518}, {"00", NvSyntax{7}, -511}, {"", NvSyntax{99}, -511},
    };
    for (const auto& c : cases)
        EXPECT_EQ(codeOf([&] { Codec::octetsToText(hexToOctets(c.octets), c.syntax); }), c.code)
            << c.octets << " / " << c.syntax;
    EXPECT_EQ(codeOf([] { Codec::textToOctets("1", NvSyntax{7}); }), -511);
    EXPECT_EQ(codeOf([] { Codec::textToOctets("(NULL)", NvSyntax{7}); }), 0);
}

}  // namespace
