// Text forms of values: hexadecimal octets, time ticks, DateAndTime, reals,
// calendar time, number lists and port-list bitmaps.
#include <gtest/gtest.h>

#include <QLocale>

#include <climits>
#include <cmath>

#include "snmp/NvBinaryString.h"
#include "snmp/NvDateTime.h"
#include "snmp/NvNumList.h"
#include "snmp/NvValueText.h"

namespace {

std::string octets(std::initializer_list<int> values)
{
    std::string s;
    for (int v : values)
        s.push_back(static_cast<char>(v));
    return s;
}

} // namespace

TEST(HexText, WrittenAsUpperCasePairs)
{
    EXPECT_EQ(octetsToHex(octets({0x00, 0x1A, 0xFF})), "001AFF");
    EXPECT_EQ(octetsToHex(octets({0x0A, 0x0B})), "0A0B");
    EXPECT_EQ(octetsToHex(""), "");
}

TEST(HexText, ReadIgnoringSpacesCaseAndOddDigits)
{
    struct Case {
        const char* text;
        std::string expected;
    };
    const Case cases[] = {
        {"0A0B", octets({0x0A, 0x0B})},
        {"0a0b", octets({0x0A, 0x0B})},
        {"0A 0B", octets({0x0A, 0x0B})},
        {"A0B", octets({0x0A, 0x0B})},  // an odd first digit stands alone
        {" 8 0 00 ", octets({0x80, 0x00})},
        {"F", octets({0x0F})},
        {"zz1G", octets({0x00, 0x10})},  // foreign characters count as 0
        {"", ""},
        {"001AFF", octets({0x00, 0x1A, 0xFF})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(hexToOctets(c.text), c.expected);
    }
}

TEST(HexText, BinaryStringIgnoresTheLastUnpairedDigit)
{
    const NvBinaryString b("0a0Bc");
    ASSERT_EQ(b.length(), 2u);
    EXPECT_EQ(b.toOctets(), octets({0x0A, 0x0B}));

    NvBinaryString copy;
    EXPECT_EQ(copy.length(), 0u);
    copy = b;
    EXPECT_EQ(copy.at(1), 0x0B);
}

TEST(DisplayString, StopsAtTheFirstZeroOctet)
{
    EXPECT_EQ(displayStringOfOctets(std::string("abc\0def", 7)), "abc");
    EXPECT_EQ(displayStringOfOctets("Switch 1"), "Switch 1");
}

TEST(TimeTicks, WrittenAndReadBack)
{
    struct Case {
        uint32_t ticks;
        const char* text;
    };
    const Case cases[] = {
        {0, "0:00:00.00"},
        {123, "0:00:01.23"},
        {360000, "1:00:00.00"},
        {8640000, "1 day 0:00:00.00"},
        {8640000 + 360000 * 5 + 6000 * 4 + 307, "1 day 5:04:03.07"},
        {2 * 8640000 + 6000 * 59 + 5999, "2 days, 0:59:59.99"},
        {4294967295u, "497 days, 2:27:52.95"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(timeTicksToText(c.ticks), c.text);
        EXPECT_EQ(textToTimeTicks(c.text), c.ticks);
    }
}

TEST(TimeTicks, PartsWithoutTheirSeparatorCountNothing)
{
    struct Case {
        const char* text;
        uint32_t ticks;
    };
    const Case cases[] = {
        {"12345", 0},        // a bare number
        {"", 0},
        {"3 days", 3 * 8640000u},
        {"2:30", 2 * 360000u},  // minutes without a following ":" are dropped
        {"0:00:07", 0},         // seconds without "." are dropped
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(textToTimeTicks(c.text), c.ticks);
    }
}

TEST(DateAndTime, TextRoundTrips)
{
    struct Case {
        const char* text;
        int year;
        char direction;
        int offsetHours, offsetMinutes;
    };
    const Case cases[] = {
        {"2004-6-11,13:30:15.0", 2004, '+', 0, 0},
        {"2004-6-11,13:30:15.0,-5:0", 2004, '-', 5, 0},
        {"2004-6-11,13:30:15.0,+8:0", 2004, '+', 8, 0},
        {"1992-5-26,13:30:15.9,+5:30", 1992, '+', 5, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const NvDateTime dt(c.text);
        EXPECT_EQ(dt.year, c.year);
        EXPECT_EQ(dt.hour, 13);
        EXPECT_EQ(dt.direction, c.direction);
        EXPECT_EQ(dt.offsetHours, c.offsetHours);
        EXPECT_EQ(dt.offsetMinutes, c.offsetMinutes);
        EXPECT_EQ(dt.toText(), c.text);
        // through the wire octets and back
        EXPECT_EQ(NvDateTime::fromOctets(dt.toOctets()).toText(), c.text);
    }
}

TEST(DateAndTime, WireLayoutAndShortForms)
{
    NvDateTime dt("2004-6-11,13:30:15.0,-5:0");
    EXPECT_EQ(dt.toOctets(), octets({0x07, 0xD4, 6, 11, 13, 30, 15, 0, '-', 5, 0}));

    // the 8-octet form without offset reads without touching memory beyond it
    const NvDateTime shortForm = NvDateTime::fromOctets(octets({0x07, 0xD4, 6, 11, 13, 30, 15, 0}));
    EXPECT_EQ(shortForm.toText(), "2004-6-11,13:30:15.0");

    // a text with fewer numbers fills only the leading fields
    const NvDateTime partial("2004-6-11");
    EXPECT_EQ(partial.toText(), "2004-6-11,0:0:0.0");

    // an offset with no valid direction is not written
    NvDateTime odd = NvDateTime::fromOctets(octets({0x07, 0xD4, 6, 11, 13, 30, 15, 0, 0, 5, 0}));
    EXPECT_EQ(odd.toText(), "2004-6-11,13:30:15.0");
}

TEST(DateAndTime, NowHasNoOffset)
{
    const NvDateTime now;
    EXPECT_GE(now.year, 2024);
    EXPECT_EQ(now.deciSeconds, 0);
    EXPECT_EQ(now.direction, '+');
    EXPECT_EQ(now.offsetHours, 0);
    EXPECT_EQ(now.toText().find(",+"), std::string::npos);
}

TEST(Real, ShortestTextAndLocaleIndependentReading)
{
    const double values[] = {0.0, 0.1, -2.5, 1e20, 123456789.125, 1.0 / 3.0};
    for (double v : values) {
        SCOPED_TRACE(v);
        EXPECT_EQ(textToReal(realToText(v)), v);
        EXPECT_EQ(*octetsToDouble(doubleToOctets(v)), v);
    }
    EXPECT_EQ(realToText(1.5), "1.5");
    EXPECT_EQ(textToReal("  12.5abc"), 12.5);
    EXPECT_EQ(textToReal("x"), 0.0);
    EXPECT_FALSE(octetsToDouble("1234567").has_value());
}

TEST(CalendarTime, WrittenWithTwelveHourClockAndReadBack)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    struct Case {
        double days;
        const char* text;
    };
    const Case cases[] = {
        {0.0, "1899/12/30 12:00:00 am"},
        {38149.5625, "2004/06/11 01:30:00 pm"},
        {36526.0 + 23.0 / 24.0, "2000/01/01 11:00:00 pm"},
        {-1.25, "1899/12/29 06:00:00 am"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(calendarTimeToText(c.days), c.text);
        const auto back = textToCalendarTime(c.text);
        ASSERT_TRUE(back.has_value());
        EXPECT_NEAR(*back, c.days, 1e-9);
    }
    EXPECT_FALSE(textToCalendarTime("not a date").has_value());
    // Day counts beyond the four-digit years, or no number at all, have no text.
    for (const double days : {2958466.0, -693594.0, 1e300, -1e300, std::nan("")})
        EXPECT_EQ(calendarTimeToText(days), "") << days;
    EXPECT_EQ(calendarTimeToText(2958465.5), "9999/12/31 12:00:00 pm");
    EXPECT_EQ(calendarTimeToText(-693593.0), "0001/01/01 12:00:00 am");

    // the separators are the locale's
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(calendarTimeToText(38149.5625), "2004.06.11 01:30:00 pm");
    EXPECT_NEAR(*textToCalendarTime("2004.06.11 01:30:00 pm"), 38149.5625, 1e-9);
    QLocale::setDefault(QLocale::c());
}

TEST(NumList, ParseAndFind)
{
    struct Case {
        const char* text;
        char separator;
        std::vector<int32_t> values;
    };
    const Case cases[] = {
        {"", ',', {}},
        {"3,17,25", ',', {3, 17, 25}},
        {"1.3.6", '.', {1, 3, 6}},
        {"1,,2", ',', {1, 0, 2}},
        {"2.9,4", ',', {2, 4}},  // fractions never change a value
        {"-5,7", ',', {-5, 7}},
        {"7,", ',', {7, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        NvNumList list(c.separator);
        list.parse(c.text);
        EXPECT_EQ(list.values(), c.values);
        EXPECT_EQ(list.count(), static_cast<int>(c.values.size()));
    }

    NvNumList list;
    EXPECT_EQ(list.separator(), '.');
    list.setSeparator(',');
    list.parse("3,17,25");
    EXPECT_EQ(list.indexOf(25), 2);
    EXPECT_EQ(list.indexOf(4), -1);
    EXPECT_EQ(list.toText(), "3,17,25");

    NvUNumList unsignedList(',');
    unsignedList.parse("4294967295,0");
    EXPECT_EQ(unsignedList.at(0), 4294967295u);
    EXPECT_EQ(unsignedList.indexOf(0), 1);
}

TEST(NumList, PiecesAndWholeNumbers)
{
    using Pieces = std::vector<std::string_view>;
    EXPECT_EQ(splitNumberList("", ','), Pieces{});
    EXPECT_EQ(splitNumberList(" 4, 6 ,,\t8\t", ','), (Pieces{"4", "6", "", "8"}));
    EXPECT_EQ(splitNumberList("7,", ','), (Pieces{"7", ""}));
    EXPECT_EQ(splitNumberList("  ", ','), Pieces{""});

    struct Case {
        const char* piece;
        std::optional<int32_t> value;
    };
    const Case cases[] = {
        {"52", 52},       {"+5", 5},  {"-3", -3}, {"2147483647", 2147483647},
        {"2147483648", {}}, {"", {}}, {"x", {}},  {"3x", {}}, {"1.5", {}}, {"-", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.piece);
        EXPECT_EQ(wholeNumber(c.piece), c.value);
    }
}

TEST(PortBits, LayoutAndRange)
{
    struct Case {
        int port;
        size_t octet;
        unsigned char mask;
    };
    const Case cases[] = {{1, 0, 128}, {8, 0, 1}, {9, 1, 128}, {16, 1, 1}, {768, 95, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.port);
        std::string bits = emptyPortList();
        ASSERT_EQ(bits.size(), 96u);
        ASSERT_TRUE(setPort(bits, c.port));
        EXPECT_EQ(static_cast<unsigned char>(bits[c.octet]), c.mask);
        EXPECT_TRUE(testPort(bits, c.port));
        EXPECT_TRUE(testBit(bits, c.port - 1));
        ASSERT_TRUE(clearBit(bits, c.port - 1));
        EXPECT_EQ(bits, emptyPortList());
    }

    std::string two = octets({0x80, 0x00});
    EXPECT_TRUE(setBit(two, 9));
    EXPECT_EQ(two, octets({0x80, 0x40}));  // set keeps the other bits
    EXPECT_FALSE(setBit(two, 16));         // beyond the string: reported, unchanged
    EXPECT_FALSE(setBit(two, -1));
    EXPECT_EQ(two, octets({0x80, 0x40}));
    EXPECT_FALSE(testBit(two, 16));
    for (const int port : {0, -1, INT_MIN}) {  // below the first port: in no list, nothing changes
        EXPECT_FALSE(setPort(two, port)) << port;
        EXPECT_FALSE(testPort(two, port)) << port;
    }
    EXPECT_EQ(two, octets({0x80, 0x40}));
    EXPECT_FALSE(bitInRange("", 0));
    EXPECT_EQ(stackPortIndex(2, 1), 65);
    EXPECT_EQ(stackPortIndex(12, 64), 768);
}

TEST(Helpers, PowerAndSpan)
{
    EXPECT_EQ(power(2, 0), 1);
    EXPECT_EQ(power(2, 7), 128);
    EXPECT_EQ(power(10, 9), 1000000000);

    struct Case {
        const char* text;
        int start;
        const char* set;
        int expected;
    };
    const Case cases[] = {
        {"n1x4094l4", 3, "x", 3},
        {"x4094l4", 2, "0123456789", 5},
        {"x4094l4", 1, "0123456789", 0},
        {"123", 1, "0123456789", 3},
        {"123", 4, "0123456789", 0},
        {"123", 0, "0123456789", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " @" << c.start);
        EXPECT_EQ(spanOf(c.text, c.start, c.set), c.expected);
    }
}
