// The one strict reading of typed text: every syntax, its bounds and the
// documented forms, and refusals that name the field.
#include <gtest/gtest.h>

#include <string>

#include "snmp/NvSNMPError.h"
#include "snmp/NvStrictValue.h"

namespace {

struct Case {
    NvSyntax syntax;
    const char* ranges;
    const char* typed;
    const char* written;  // null: refused
    const char* because;  // part of the refusal's text
};

}  // namespace

TEST(StrictValue, TypedTextIsWrittenExactlyOrRefused)
{
    const Case cases[] = {
        // Integers: the whole text, the sign rules and the 32-bit bounds.
        {SyntaxInteger, "", "12", "12", nullptr},
        {SyntaxInteger, "", " -7 ", "-7", nullptr},
        {SyntaxInteger, "", "+007", "7", nullptr},
        {SyntaxInteger, "", "abc", nullptr, "\"abc\" is not a whole number"},
        {SyntaxInteger, "", "12abc", nullptr, "\"12abc\" is not a whole number"},
        {SyntaxInteger, "", "1 2", nullptr, "is not a whole number"},
        {SyntaxInteger, "", "", nullptr, "a whole number is required"},
        {SyntaxInteger, "", "2147483647", "2147483647", nullptr},
        {SyntaxInteger, "", "-2147483648", "-2147483648", nullptr},
        {SyntaxInteger, "", "2147483648", nullptr, "outside -2147483648 to 2147483647"},
        {SyntaxInteger, "", "99999999999999999999999", nullptr, "is not a whole number"},
        // Ranges from the MIB or the label, at and beyond each bound.
        {SyntaxInteger, "30..99999", "30", "30", nullptr},
        {SyntaxInteger, "30..99999", "99999", "99999", nullptr},
        {SyntaxInteger, "30..99999", "29", nullptr, "29 is outside 30 to 99999"},
        {SyntaxInteger, "30..99999", "100000", nullptr, "100000 is outside 30 to 99999"},
        {SyntaxInteger, "0|2..5", "1", nullptr, "1 is outside 0, 2 to 5"},
        {SyntaxInteger, "-779..839", "-779", "-779", nullptr},
        // Unsigned types.
        {SyntaxGauge, "", "4294967295", "4294967295", nullptr},
        {SyntaxGauge, "", "4294967296", nullptr, "outside 0 to 4294967295"},
        {SyntaxUInteger, "", "-1", nullptr, "outside 0 to 4294967295"},
        {SyntaxCounter64, "", "18446744073709551615", "18446744073709551615", nullptr},
        {SyntaxCounter64, "", "18446744073709551616", nullptr, "is not a whole number"},
        {SyntaxCounter64, "", "-1", nullptr, "is not a whole number"},
        // IP addresses: exactly four parts 0-255.
        {SyntaxIpAddress, "", "10.0.0.1", "10.0.0.1", nullptr},
        {SyntaxIpAddress, "", "010.000.000.001", "10.0.0.1", nullptr},
        {SyntaxIpAddress, "", "300.1.1.1", nullptr, "\"300.1.1.1\" is not an IP address"},
        {SyntaxIpAddress, "", "1.2.3.4.5", nullptr, "is not an IP address"},
        {SyntaxIpAddress, "", "1.2.3", nullptr, "is not an IP address"},
        {SyntaxIpAddress, "", "1.2..3", nullptr, "is not an IP address"},
        {SyntaxIpAddress, "", "", nullptr, "is not an IP address"},
        // MAC addresses and octet strings in the hexadecimal forms.
        {SyntaxMacAddress, "", "001AFF00BB0C", "001AFF00BB0C", nullptr},
        {SyntaxMacAddress, "", "00-1a-ff-00-bb-0c", "001AFF00BB0C", nullptr},
        {SyntaxMacAddress, "", "00:1A:FF:0:BB:C", "001AFF00BB0C", nullptr},
        {SyntaxMacAddress, "", "001AFF", nullptr, "6 octets in hexadecimal, 3 typed"},
        {SyntaxMacAddress, "", "00-1A-FF-00-BB-0G", nullptr, "is not a MAC address"},
        {SyntaxOctets, "", "0a 0b", "0A0B", nullptr},
        {SyntaxOctets, "", "A0B", "0A0B", nullptr},
        {SyntaxOctets, "", "zz", nullptr, "is not an octet string"},
        {SyntaxOctets, "4", "0A0B", nullptr, "2 octets is outside 4 octets"},
        // Object identifiers.
        {SyntaxOid, "", "1.3.6.1", "1.3.6.1", nullptr},
        {SyntaxOid, "", ".1.3.6.1", "1.3.6.1", nullptr},
        {SyntaxOid, "", "1.3.x", nullptr, "is not an object identifier"},
        {SyntaxOid, "", "1.3.4294967296", nullptr, "is not an object identifier"},
        // Display strings: the length counts.
        {SyntaxDisplayString, "0..4", "abcd", "abcd", nullptr},
        {SyntaxDisplayString, "0..4", "abcde", nullptr, "5 characters is outside 0 to 4 characters"},
        {SyntaxDisplayString, "", "", "", nullptr},
        // Time ticks: the written form or a bare number of hundredths.
        {SyntaxTimeTicks, "", "1 day 0:00:00.00", "1 day 0:00:00.00", nullptr},
        {SyntaxTimeTicks, "", "123", "0:00:01.23", nullptr},
        {SyntaxTimeTicks, "", "1:99:00.00", nullptr, "is not a time"},
        // Booleans, DateAndTime and reals.
        {SyntaxBoolean, "", "true", "true", nullptr},
        {SyntaxBoolean, "", "yes", nullptr, "is not true or false"},
        {SyntaxDateAndTime, "", "2004-6-11,13:30:15.0", "2004-6-11,13:30:15.0", nullptr},
        {SyntaxDateAndTime, "", "2004-13-11,13:30:15.0", nullptr, "is not a date and time"},
        {SyntaxReal, "", "0.5", "0.5", nullptr},
        {SyntaxReal, "", "0.5x", nullptr, "is not a decimal number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " as syntax " + std::to_string(c.syntax) + " in [" + c.ranges + "]");
        if (c.written) {
            EXPECT_EQ(strictValueText("Field", c.typed, c.syntax, c.ranges), c.written);
            continue;
        }
        try {
            strictValueText("Poll Interval", c.typed, c.syntax, c.ranges);
            ADD_FAILURE() << "not refused";
        } catch (const NvSNMPException& x) {
            const std::string text = x.what();
            EXPECT_EQ(text.rfind("Poll Interval: ", 0), 0u) << text;  // the field comes first
            EXPECT_NE(text.find(c.because), std::string::npos) << text;
        }
    }
}

TEST(StrictValue, PartsAndEditorNumbers)
{
    // A part of a shared address: fewer than four octets, each still 0-255.
    EXPECT_EQ(strictPartText("Address", "10.1", SyntaxIpAddress), "10.1");
    EXPECT_THROW(strictPartText("Address", "256", SyntaxIpAddress), NvSNMPException);
    EXPECT_THROW(strictPartText("Address", "1.2.3.4.5", SyntaxIpAddress), NvSNMPException);
    // An editor's own number: whole text, inside its bounds.
    EXPECT_EQ(strictWholeNumber("VLAN ID", "30", 1, 4094), 30);
    EXPECT_THROW(strictWholeNumber("VLAN ID", "30x", 1, 4094), NvSNMPException);
    EXPECT_THROW(strictWholeNumber("VLAN ID", "", 1, 4094), NvSNMPException);
    EXPECT_THROW(strictWholeNumber("VLAN ID", "4095", 1, 4094), NvSNMPException);
    // Malformed range lists are recognised.
    EXPECT_TRUE(isRangeList("0|2..65535"));
    EXPECT_FALSE(isRangeList("5..2"));
    EXPECT_FALSE(isRangeList("a..b"));
}
