#include "snmp/NvStrictValue.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <regex>
#include <vector>

#include "snmp/NvDateTime.h"
#include "snmp/NvMessageCatalogue.h"
#include "snmp/NvValueText.h"

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool allDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}


struct Range {
    int64_t low;
    int64_t high;
};

// "a..b|c" -> ranges; nullopt when malformed.
std::optional<std::vector<Range>> parseRanges(std::string_view text)
{
    std::vector<Range> out;
    text = trimmed(text);
    if (text.empty())
        return out;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t bar = text.find('|', start);
        const std::string_view piece = text.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start);
        const size_t dots = piece.find("..");
        const auto low = readWholeNumber(dots == std::string_view::npos ? piece : piece.substr(0, dots));
        const auto high = dots == std::string_view::npos ? low : readWholeNumber(piece.substr(dots + 2));
        if (!low || !high || *low > *high)
            return std::nullopt;
        out.push_back({*low, *high});
        if (bar == std::string_view::npos)
            break;
        start = bar + 1;
    }
    return out;
}

std::string quoted(const std::string& typed)
{
    std::string out = "\"";
    for (unsigned char c : typed)
        out += c < 0x20 || c == 0x7F ? '?' : static_cast<char>(c);
    return out + "\"";
}

[[noreturn]] void refuse(const std::string& field, const std::string& what)
{
    const std::string text = field.empty() ? what : field + ": " + what;
    throw NvSNMPException(text, ErrBadPartialValue);
}

void checkRange(const std::string& field, int64_t value, std::string_view ranges, const char* unit)
{
    if (inRangeList(value, ranges))
        return;
    std::string what = std::to_string(value);
    if (unit)
        what += std::string(" ") + unit;
    refuse(field, what + " is outside " + rangeListText(ranges));
}

std::string integerText(const std::string& field, const std::string& typed, int64_t low, int64_t high,
                        std::string_view ranges)
{
    if (trimmed(typed).empty())
        refuse(field, "a whole number is required");
    const std::optional<int64_t> value = readWholeNumber(typed);
    if (!value)
        refuse(field, quoted(typed) + " is not a whole number");
    if (*value < low || *value > high)
        refuse(field, std::to_string(*value) + " is outside " + std::to_string(low) + " to " + std::to_string(high));
    checkRange(field, *value, ranges, nullptr);
    return std::to_string(*value);
}

std::string octetsText(const std::string& field, const std::string& typed, std::string_view ranges,
                       std::optional<size_t> exactly, const char* what)
{
    const std::optional<std::string> octets = readHexOctets(typed);
    if (!octets)
        refuse(field, quoted(typed) + " is not " + what + " (hexadecimal octets, as 001AFF or 00-1A-FF)");
    if (exactly && octets->size() != *exactly)
        refuse(field, quoted(typed) + " is not " + what + " (" + std::to_string(*exactly) + " octets in hexadecimal, "
                          + std::to_string(octets->size()) + " typed)");
    if (!inRangeList(static_cast<int64_t>(octets->size()), ranges))
        refuse(field, std::to_string(octets->size()) + " octets is outside " + rangeListText(ranges) + " octets");
    return octetsToHex(*octets);
}

// "[N day(s)[,]] h:mm:ss[.cc]" or a bare number of ticks.
std::optional<uint32_t> readTimeTicks(std::string_view text)
{
    text = trimmed(text);
    if (const auto bare = readUnsignedNumber(text))
        return *bare <= 0xFFFFFFFFull ? std::optional<uint32_t>(static_cast<uint32_t>(*bare)) : std::nullopt;
    static const std::regex form(R"(^(?:(\d{1,5}) +days?,? *)?(\d{1,5}):(\d{1,2}):(\d{1,2})(?:\.(\d{1,2}))?$)");
    std::cmatch m;
    if (!std::regex_match(text.data(), text.data() + text.size(), m, form))
        return std::nullopt;
    auto number = [&](int i) -> uint64_t { return m[i].matched ? std::stoull(m[i].str()) : 0; };
    if (number(3) > 59 || number(4) > 59)
        return std::nullopt;
    uint64_t hundredths = number(5);
    if (m[5].matched && m[5].length() == 1)
        hundredths *= 10;
    const uint64_t ticks = number(1) * 8640000ull + number(2) * 360000ull + number(3) * 6000ull + number(4) * 100ull
                           + hundredths;
    if (ticks > 0xFFFFFFFFull)
        return std::nullopt;
    return static_cast<uint32_t>(ticks);
}

// "y-m-d,h:m:s.d[,+h:m]" with every field inside its range.
std::optional<std::string> readDateAndTime(std::string_view text)
{
    text = trimmed(text);
    static const std::regex form(R"(^(\d{1,5})-(\d{1,2})-(\d{1,2}),(\d{1,2}):(\d{1,2}):(\d{1,2})\.(\d)(?:,([+-])(\d{1,2}):(\d{1,2}))?$)");
    std::cmatch m;
    if (!std::regex_match(text.data(), text.data() + text.size(), m, form))
        return std::nullopt;
    auto number = [&](int i) { return m[i].matched ? std::stoi(m[i].str()) : 0; };
    struct Limit {
        int field, low, high;
    };
    const Limit limits[] = {{1, 0, 65535}, {2, 1, 12}, {3, 1, 31}, {4, 0, 23}, {5, 0, 59},
                            {6, 0, 60},    {7, 0, 9},  {9, 0, 13}, {10, 0, 59}};
    for (const Limit& l : limits)
        if (number(l.field) < l.low || number(l.field) > l.high)
            return std::nullopt;
    return NvDateTime(std::string(text)).toText();
}

std::optional<double> readReal(std::string_view text)
{
    text = trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace

bool isRangeList(std::string_view ranges)
{
    return parseRanges(ranges).has_value();
}

bool inRangeList(int64_t value, std::string_view ranges)
{
    const auto list = parseRanges(ranges);
    if (!list || list->empty())
        return true;
    for (const Range& r : *list)
        if (value >= r.low && value <= r.high)
            return true;
    return false;
}

std::string rangeListText(std::string_view ranges)
{
    const auto list = parseRanges(ranges);
    if (!list)
        return std::string(ranges);
    std::string out;
    for (const Range& r : *list) {
        if (!out.empty())
            out += ", ";
        out += std::to_string(r.low);
        if (r.high != r.low)
            out += " to " + std::to_string(r.high);
    }
    return out;
}

std::optional<int64_t> readWholeNumber(std::string_view text)
{
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!allDigits(text))
        return std::nullopt;
    uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    const uint64_t limit = negative ? uint64_t(std::numeric_limits<int64_t>::max()) + 1 : uint64_t(std::numeric_limits<int64_t>::max());
    if (magnitude > limit)
        return std::nullopt;
    if (negative)
        return magnitude == limit ? std::numeric_limits<int64_t>::min() : -static_cast<int64_t>(magnitude);
    return static_cast<int64_t>(magnitude);
}

std::optional<uint64_t> readUnsignedNumber(std::string_view text)
{
    text = trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (!allDigits(text))
        return std::nullopt;
    uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<std::vector<uint32_t>> readDottedNumbers(std::string_view text, uint32_t limit)
{
    text = trimmed(text);
    std::vector<uint32_t> parts;
    size_t start = 0;
    while (true) {
        const size_t dot = text.find('.', start);
        const std::optional<uint64_t> part =
            readUnsignedNumber(text.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start));
        if (!part || *part > limit)
            return std::nullopt;
        parts.push_back(static_cast<uint32_t>(*part));
        if (dot == std::string_view::npos)
            return parts;
        start = dot + 1;
    }
}

std::optional<std::string> readIpv4Octets(std::string_view text)
{
    const auto parts = readDottedNumbers(text, 255);
    if (!parts || parts->size() != 4)
        return std::nullopt;
    return std::string(parts->begin(), parts->end());
}

std::optional<std::string> readHexOctets(std::string_view text)
{
    text = trimmed(text);
    // Runs of digits between separators; a separator must stand between digits.
    std::vector<std::string_view> runs;
    size_t start = 0;
    bool separated = false;
    for (size_t i = 0; i <= text.size(); ++i) {
        const bool end = i == text.size();
        const char c = end ? '\0' : text[i];
        if (!end && hexDigitValue(c) >= 0)
            continue;
        if (!end && c != ' ' && c != ':' && c != '-')
            return std::nullopt;
        if (i > start)
            runs.push_back(text.substr(start, i - start));
        else if (!end && c != ' ')
            return std::nullopt;  // ":" or "-" without digits before it
        if (!end && c != ' ')
            separated = true;
        start = i + 1;
    }
    if (!text.empty() && (text.back() == ':' || text.back() == '-'))
        return std::nullopt;
    // Blanks alone do not divide octets: "0A 0B" and "0A0B" are the same octets.
    if (!separated) {
        std::string joined;
        for (std::string_view run : runs)
            joined += run;
        std::string octets;
        size_t at = 0;
        if (joined.size() % 2) {
            octets.push_back(static_cast<char>(hexDigitValue(joined[0])));
            at = 1;
        }
        for (; at < joined.size(); at += 2)
            octets.push_back(static_cast<char>(hexDigitValue(joined[at]) * 16 + hexDigitValue(joined[at + 1])));
        return octets;
    }
    std::string octets;
    for (std::string_view run : runs) {
        if (run.size() > 2)
            return std::nullopt;  // "00-1A2B" mixes grouped and ungrouped octets
        octets.push_back(static_cast<char>(run.size() == 2 ? hexDigitValue(run[0]) * 16 + hexDigitValue(run[1]) : hexDigitValue(run[0])));
    }
    return octets;
}

std::optional<std::string> readObjectIdentifier(std::string_view text)
{
    text = trimmed(text);
    if (!text.empty() && text.front() == '.')
        text.remove_prefix(1);
    const auto arcs = readDottedNumbers(text, UINT32_MAX);
    if (!arcs || arcs->size() < 2 || arcs->size() > 128)
        return std::nullopt;
    std::string out;
    for (uint32_t arc : *arcs)
        out += (out.empty() ? "" : ".") + std::to_string(arc);
    return out;
}

std::string strictValueText(const std::string& field, const std::string& typed, NvSyntax syntax,
                            std::string_view ranges)
{
    constexpr int64_t kMaxUnsigned32 = 0xFFFFFFFFll;
    switch (syntax) {
    case SyntaxBoolean: {
        const std::string_view t = trimmed(typed);
        if (t != "true" && t != "false")
            refuse(field, quoted(typed) + " is not true or false");
        return std::string(t);
    }
    case SyntaxInteger:
        return integerText(field, typed, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), ranges);
    case SyntaxCounter:
    case SyntaxGauge:
    case SyntaxUInteger:
        return integerText(field, typed, 0, kMaxUnsigned32, ranges);
    case SyntaxCounter64: {
        const std::optional<uint64_t> value = readUnsignedNumber(typed);
        if (!value)
            refuse(field, quoted(typed) + " is not a whole number from 0 to 18446744073709551615");
        return std::to_string(*value);
    }
    case SyntaxTimeTicks: {
        const std::optional<uint32_t> ticks = readTimeTicks(typed);
        if (!ticks)
            refuse(field, quoted(typed) + " is not a time (h:mm:ss.cc, \"N days, h:mm:ss.cc\" or hundredths of a second)");
        checkRange(field, *ticks, ranges, nullptr);
        return timeTicksToText(*ticks);
    }
    case SyntaxIpAddress:
    case SyntaxNsapAddress: {
        const std::optional<std::string> octets = readIpv4Octets(typed);
        if (!octets)
            refuse(field, quoted(typed) + " is not an IP address (four numbers 0 to 255 separated by dots)");
        std::string out;
        for (unsigned char o : *octets)
            out += (out.empty() ? "" : ".") + std::to_string(o);
        return out;
    }
    case SyntaxMacAddress:
        return octetsText(field, typed, ranges, 6, "a MAC address");
    case SyntaxAddress16:
        return octetsText(field, typed, ranges, 16, "a 16-octet address");
    case SyntaxBits:
    case SyntaxOctets:
    case SyntaxOpaque:
        return octetsText(field, typed, ranges, std::nullopt, "an octet string");
    case SyntaxOid: {
        const std::optional<std::string> oid = readObjectIdentifier(typed);
        if (!oid)
            refuse(field, quoted(typed) + " is not an object identifier (numbers separated by dots, as 1.3.6.1)");
        return *oid;
    }
    case SyntaxDisplayString:
        if (!inRangeList(static_cast<int64_t>(typed.size()), ranges))
            refuse(field, std::to_string(typed.size()) + " characters is outside " + rangeListText(ranges) + " characters");
        return typed;
    case SyntaxReal: {
        const std::optional<double> value = readReal(typed);
        if (!value)
            refuse(field, quoted(typed) + " is not a decimal number");
        return realToText(*value);
    }
    case SyntaxDateAndTime: {
        const std::optional<std::string> text = readDateAndTime(typed);
        if (!text)
            refuse(field, quoted(typed) + " is not a date and time (year-month-day,hours:minutes:seconds.tenths)");
        return *text;
    }
    case SyntaxCalendarTime:
        if (!textToCalendarTime(std::string(trimmed(typed))))
            refuse(field, quoted(typed) + " is not a date and time");
        return std::string(trimmed(typed));
    case SyntaxNull:
        return kNullValueText;
    }
    throw errorOfCode(ErrBadSyntax);
}

int64_t strictWholeNumber(const std::string& field, const std::string& typed, int64_t minimum, int64_t maximum)
{
    return std::stoll(integerText(field, typed, minimum, maximum, {}));
}

std::string strictPartText(const std::string& field, const std::string& typed, NvSyntax syntax)
{
    switch (syntax) {
    case SyntaxIpAddress:
    case SyntaxNsapAddress: {
        // One to four dotted octets.
        const auto parts = readDottedNumbers(typed, 255);
        if (!parts || parts->size() > 4)
            refuse(field, quoted(typed) + " is not part of an IP address (numbers 0 to 255 separated by dots)");
        std::string out;
        for (uint32_t part : *parts)
            out += (out.empty() ? "" : ".") + std::to_string(part);
        return out;
    }
    case SyntaxOid: {
        if (const auto oid = readObjectIdentifier(typed))
            return *oid;
        if (const auto arc = readUnsignedNumber(typed); arc && *arc <= 0xFFFFFFFFull)
            return std::to_string(*arc);
        refuse(field, quoted(typed) + " is not an object identifier (numbers separated by dots, as 1.3.6.1)");
    }
    case SyntaxMacAddress:
    case SyntaxAddress16:
        return octetsText(field, typed, {}, std::nullopt, "part of an address");
    default:
        return strictValueText(field, typed, syntax);
    }
}
