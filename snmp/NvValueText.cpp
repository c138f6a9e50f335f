#include "snmp/NvValueText.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <QString>
#include <QTime>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <locale.h>
#include <stdlib.h>

namespace {

const char kHexDigits[] = "0123456789ABCDEF";
constexpr double kMsecsPerDay = 86400000.0;

int hexValue(char c)
{
    const int value = hexDigitValue(c);
    return value < 0 ? 0 : value;  // anything else counts as the digit 0
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Leading decimal digits after optional blanks, like atoi on an unsigned value.
uint32_t leadingNumber(const std::string& text, size_t from, size_t to)
{
    size_t i = from;
    while (i < to && isBlank(text[i]))
        ++i;
    uint32_t value = 0;
    while (i < to && text[i] >= '0' && text[i] <= '9') {
        value = value * 10u + static_cast<uint32_t>(text[i] - '0');
        ++i;
    }
    return value;
}

// First non-letter character of a locale format, the separator it uses.
QChar separatorOf(const QString& format, QChar fallback)
{
    bool quoted = false;
    for (QChar c : format) {
        if (c == u'\'') {
            quoted = !quoted;
            continue;
        }
        if (!quoted && !c.isLetter() && !c.isSpace())
            return c;
    }
    return fallback;
}

QChar dateSeparator()
{
    return separatorOf(QLocale().dateFormat(QLocale::ShortFormat), u'/');
}

QChar timeSeparator()
{
    return separatorOf(QLocale().timeFormat(QLocale::ShortFormat), u':');
}

const QDate& calendarEpoch()
{
    static const QDate epoch(1899, 12, 30);
    return epoch;
}

double daysOf(const QDate& date, const QTime& time)
{
    const double day = static_cast<double>(calendarEpoch().daysTo(date));
    const double fraction = time.msecsSinceStartOfDay() / kMsecsPerDay;
    // Before the epoch the fraction still counts forward from midnight, so it is
    // subtracted from the negative day number.
    return day >= 0 ? day + fraction : day - fraction;
}

} // namespace

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string octetsToHex(const std::string& octets)
{
    std::string text;
    text.reserve(octets.size() * 2);
    for (unsigned char c : octets) {
        text.push_back(kHexDigits[c >> 4]);
        text.push_back(kHexDigits[c & 0x0F]);
    }
    return text;
}

std::string hexToOctets(const std::string& text)
{
    std::string digits;
    digits.reserve(text.size());
    for (char c : text) {
        if (c != ' ')
            digits.push_back(c);
    }
    std::string octets;
    octets.reserve(digits.size() / 2 + 1);
    size_t i = 0;
    if (digits.size() % 2 == 1) {
        octets.push_back(static_cast<char>(hexValue(digits[0])));
        i = 1;
    }
    for (; i + 1 < digits.size(); i += 2)
        octets.push_back(static_cast<char>(hexValue(digits[i]) * 16 + hexValue(digits[i + 1])));
    return octets;
}

std::string displayStringOfOctets(const std::string& octets)
{
    const size_t end = octets.find('\0');
    return end == std::string::npos ? octets : octets.substr(0, end);
}

std::string timeTicksToText(uint32_t ticks)
{
    const unsigned long days = ticks / 8640000u;
    unsigned long rest = ticks % 8640000u;
    const unsigned long hours = rest / 360000u;
    rest %= 360000u;
    const unsigned long minutes = rest / 6000u;
    rest %= 6000u;
    const unsigned long seconds = rest / 100u;
    const unsigned long hundredths = rest % 100u;
    char buf[80];
    if (days == 0)
        std::snprintf(buf, sizeof buf, "%lu:%02lu:%02lu.%02lu", hours, minutes, seconds, hundredths);
    else if (days == 1)
        std::snprintf(buf, sizeof buf, "1 day %lu:%02lu:%02lu.%02lu", hours, minutes, seconds, hundredths);
    else
        std::snprintf(buf, sizeof buf, "%lu days, %lu:%02lu:%02lu.%02lu", days, hours, minutes, seconds,
                      hundredths);
    return buf;
}

uint32_t textToTimeTicks(const std::string& text)
{
    uint32_t ticks = 0;
    size_t clock = 0;  // where the h:mm:ss.cc part starts

    // Optional "N day" / "N days" at the front.
    size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    size_t digitsEnd = i;
    while (digitsEnd < text.size() && text[digitsEnd] >= '0' && text[digitsEnd] <= '9')
        ++digitsEnd;
    if (digitsEnd > i) {
        size_t word = digitsEnd;
        while (word < text.size() && isBlank(text[word]))
            ++word;
        if (text.compare(word, 3, "day") == 0) {
            ticks += leadingNumber(text, i, digitsEnd) * 8640000u;
            clock = word + 3;
            if (clock < text.size() && text[clock] == 's')
                ++clock;
        }
    }
    // After the first comma when there is one; "1 day h:mm:ss.cc" has none, so
    // the clock then starts after the day word.
    const size_t comma = text.find(',');
    if (comma != std::string::npos)
        clock = comma + 1;

    size_t pos = clock;
    const size_t hoursEnd = text.find(':', pos);
    if (hoursEnd != std::string::npos) {
        ticks += leadingNumber(text, pos, hoursEnd) * 360000u;
        pos = hoursEnd + 1;
        const size_t minutesEnd = text.find(':', pos);
        if (minutesEnd != std::string::npos) {
            ticks += leadingNumber(text, pos, minutesEnd) * 6000u;
            pos = minutesEnd + 1;
        }
        const size_t secondsEnd = text.find('.', pos);
        if (secondsEnd != std::string::npos) {
            ticks += leadingNumber(text, pos, secondsEnd) * 100u;
            ticks += leadingNumber(text, secondsEnd + 1, text.size());
        }
    }
    return ticks;
}

std::string doubleToOctets(double value)
{
    std::string octets(sizeof(double), '\0');
    std::memcpy(octets.data(), &value, sizeof(double));
    return octets;
}

std::optional<double> octetsToDouble(const std::string& octets)
{
    if (octets.size() < sizeof(double))
        return std::nullopt;
    double value = 0;
    std::memcpy(&value, octets.data(), sizeof(double));
    return value;
}

std::string realToText(double value)
{
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    return ec == std::errc() ? std::string(buf, end) : std::string("0");
}

double textToReal(const std::string& text)
{
    // strtod in the "C" locale: the decimal point is always "." whatever the
    // user's locale says, and reading stops at the first foreign character.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(text.c_str(), nullptr, cLocale);
}

std::string calendarTimeToText(double days)
{
    // Only the years 1 to 9999 have the four-digit form; a day count outside them
    // (an agent can send any double) has no text rather than a wrapped date.
    constexpr double kFirstDay = -693594.0;  // just before 0001/01/01
    constexpr double kEndDay = 2958466.0;    // 10000/01/01
    if (!(days > kFirstDay && days < kEndDay))
        return std::string();
    const double whole = std::trunc(days);
    qint64 msecs = std::llround(std::fabs(days - whole) * kMsecsPerDay);
    QDate date = calendarEpoch().addDays(static_cast<qint64>(whole));
    if (msecs >= static_cast<qint64>(kMsecsPerDay)) {
        msecs -= static_cast<qint64>(kMsecsPerDay);
        date = date.addDays(1);
    }
    const QTime time = QTime::fromMSecsSinceStartOfDay(static_cast<int>(msecs));
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    const QString ds = dateSeparator();
    const QString ts = timeSeparator();
    const QString text = QStringLiteral("%1%2%3%4%5 %6%7%8%9%10 %11")
                             .arg(date.year(), 4, 10, QLatin1Char('0'))
                             .arg(ds)
                             .arg(date.month(), 2, 10, QLatin1Char('0'))
                             .arg(ds)
                             .arg(date.day(), 2, 10, QLatin1Char('0'))
                             .arg(hour12, 2, 10, QLatin1Char('0'))
                             .arg(ts)
                             .arg(time.minute(), 2, 10, QLatin1Char('0'))
                             .arg(ts)
                             .arg(time.second(), 2, 10, QLatin1Char('0'))
                             .arg(time.hour() < 12 ? QStringLiteral("am") : QStringLiteral("pm"));
    return text.toStdString();
}

std::optional<double> textToCalendarTime(const std::string& text)
{
    const QString input = QString::fromStdString(text).trimmed();
    const QString ds = QRegularExpression::escape(QString(dateSeparator()));
    const QString ts = QRegularExpression::escape(QString(timeSeparator()));
    const QRegularExpression own(
        QStringLiteral("^(\\d{1,4})%1(\\d{1,2})%1(\\d{1,2})(?:\\s+(\\d{1,2})%2(\\d{1,2})(?:%2(\\d{1,2}))?"
                       "(?:\\s*([AaPp][Mm]))?)?$")
            .arg(ds, ts));
    const QRegularExpressionMatch m = own.match(input);
    if (m.hasMatch()) {
        const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        int hour = m.captured(4).toInt();
        const QString half = m.captured(7).toLower();
        if (half == u"pm" && hour < 12)
            hour += 12;
        else if (half == u"am" && hour == 12)
            hour = 0;
        const QTime time(hour, m.captured(5).toInt(), m.captured(6).toInt());
        if (!date.isValid() || !time.isValid())
            return std::nullopt;
        return daysOf(date, time);
    }
    QDateTime dt = QLocale().toDateTime(input, QLocale::ShortFormat);
    if (!dt.isValid())
        dt = QDateTime::fromString(input, Qt::ISODate);
    if (!dt.isValid())
        return std::nullopt;
    return daysOf(dt.date(), dt.time());
}

bool bitInRange(const std::string& octets, int bit)
{
    return bit >= 0 && static_cast<size_t>(bit / 8) < octets.size();
}

bool testBit(const std::string& octets, int bit)
{
    if (!bitInRange(octets, bit))
        return false;
    return (static_cast<unsigned char>(octets[static_cast<size_t>(bit / 8)]) & (0x80u >> (bit % 8))) != 0;
}

bool setBit(std::string& octets, int bit, bool on)
{
    if (!bitInRange(octets, bit))
        return false;
    unsigned char& octet = reinterpret_cast<unsigned char&>(octets[static_cast<size_t>(bit / 8)]);
    const unsigned char mask = static_cast<unsigned char>(0x80u >> (bit % 8));
    octet = on ? static_cast<unsigned char>(octet | mask) : static_cast<unsigned char>(octet & ~mask);
    return true;
}

bool clearBit(std::string& octets, int bit)
{
    return setBit(octets, bit, false);
}

// Ports count from 1; anything lower is in no list (and port - 1 must not overflow).
bool testPort(const std::string& octets, int port)
{
    return port >= 1 && testBit(octets, port - 1);
}

bool setPort(std::string& octets, int port, bool on)
{
    return port >= 1 && setBit(octets, port - 1, on);
}

std::string emptyPortList(int positions)
{
    return std::string(static_cast<size_t>(positions > 0 ? (positions + 7) / 8 : 0), '\0');
}

int stackPortIndex(int unit, int port)
{
    return (unit - 1) * 64 + port;
}

int64_t power(int64_t base, int count)
{
    int64_t result = 1;
    for (int i = 0; i < count; ++i)
        result *= base;
    return result;
}

int spanOf(const std::string& text, int start, const std::string& set)
{
    if (start < 1 || static_cast<size_t>(start) > text.size())
        return 0;
    size_t i = static_cast<size_t>(start - 1);
    if (set.find(text[i]) == std::string::npos)
        return 0;
    while (i + 1 < text.size() && set.find(text[i + 1]) != std::string::npos)
        ++i;
    return static_cast<int>(i + 1);
}
