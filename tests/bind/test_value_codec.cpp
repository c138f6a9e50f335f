// The bindings' value codec: display texts to octet images and back.
#include <gtest/gtest.h>

#include <string>

#include "snmp/NvSNMPError.h"
#include "bind/NvSNMPRequest2Controls.h"
#include "snmp/NvValueText.h"

namespace {

using Codec = NvSNMPRequest2Controls;

std::string hex(const std::string& octets)
{
    return octetsToHex(octets);
}

int codeOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const NvSNMPException& x) {
        return x.code();
    }
    return 0;
}

struct ToOctetsCase {
    const char* text;
    uint32_t syntax;
    const char* octets;  // hexadecimal
};

TEST(ValueCodec, TextToOctets)
{
    const ToOctetsCase cases[] = {
        {"(NULL)", 2, ""},
        {"(NULL)", 76, ""},
        {"true", 1, "01000000"},
        {"yes", 1, "00000000"},
        {"-1", 2, "FFFFFFFF"},
        {"258xyz", 2, "02010000"},
        {"+7", 2, "07000000"},
        {"abc", 2, "00000000"},
        {"4294967295", 65, "FFFFFFFF"},
        {"001aff", 4, "001AFF"},
        {"A0B", 3, "0A0B"},
        {"00:80", 73, "000080"},
        {"anything", 5, ""},
        {"1.3.6", 6, "010000000300000006000000"},
        {"192.168.0.1", 64, "C0A80001"},
        {"1:00:00.00", 67, "407E0500"},
        {"4294967296", 70, "0000000001000000"},
        {"hello", 76, "68656C6C6F"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(hex(Codec::textToOctets(c.text, c.syntax)), c.octets) << c.text << " / " << c.syntax;
}

struct ToTextCase {
    const char* octets;  // hexadecimal
    uint32_t syntax;
    const char* text;
};

TEST(ValueCodec, OctetsToText)
{
    const ToTextCase cases[] = {
        {"", 2, "(NULL)"},
        {"", 76, ""},
        {"01000000", 5, "(NULL)"},
        {"FFFFFFFF", 2, "-1"},
        {"FFFFFFFF", 65, "4294967295"},
        {"02000000", 1, "true"},
        {"00000000", 1, "false"},
        {"C0A80001", 64, "192.168.0.1"},
        {"C0A8000163", 69, "192.168.0.1"},
        {"010000000300000006000000", 6, "1.3.6"},
        {"407E0500", 67, "1:00:00.00"},
        {"0000000001000000", 70, "4294967296"},
        {"001AFF", 4, "001AFF"},
        {"00805A000001", 73, "00805A000001"},
        {"68690074", 76, "hi"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Codec::octetsToText(hexToOctets(c.octets), c.syntax), c.text) << c.octets << " / " << c.syntax;
}

TEST(ValueCodec, RealsAndDatesComeBack)
{
    EXPECT_EQ(Codec::octetsToText(Codec::textToOctets("0.1", 72), 72), "0.1");
    EXPECT_EQ(Codec::octetsToText(Codec::textToOctets("2024-5-26,13:30:15.0", 74), 74), "2024-5-26,13:30:15.0");
    const std::string calendar = Codec::textToOctets(calendarTimeToText(45000.5), 75);
    EXPECT_EQ(Codec::octetsToText(calendar, 75), calendarTimeToText(45000.5));
}

struct ErrorCase {
    const char* octets;
    uint32_t syntax;
    int code;
};

TEST(ValueCodec, ShortOctetsAndUnknownSyntaxesAreRefused)
{
    const ErrorCase cases[] = {
        {"C0A800", 64, -518}, {"010203", 2, -518},   {"00", 1, -518},
        {"0102030405", 73, -518}, {"01020304050607", 70, -518}, {"01020304050607", 72, -518},
        {"0102030405060708090A", 74, -518}, {"00", 77, -518}, {"00", 7, -511}, {"", 99, -511},
    };
    for (const auto& c : cases)
        EXPECT_EQ(codeOf([&] { Codec::octetsToText(hexToOctets(c.octets), c.syntax); }), c.code)
            << c.octets << " / " << c.syntax;
    EXPECT_EQ(codeOf([] { Codec::textToOctets("1", 7); }), -511);
    EXPECT_EQ(codeOf([] { Codec::textToOctets("(NULL)", 7); }), 0);
}

}  // namespace
