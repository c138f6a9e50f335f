#include "sim/SimValue.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>

SimValue SimValue::integer(std::int64_t n, ValueKind k)
{
    SimValue v;
    v.kind = k;
    v.number = n;
    return v;
}

SimValue SimValue::octets(std::string b, ValueKind k)
{
    SimValue v;
    v.kind = k;
    v.bytes = std::move(b);
    return v;
}

SimValue SimValue::objectId(Oid o)
{
    SimValue v;
    v.kind = ValueKind::ObjectId;
    v.oid = std::move(o);
    return v;
}

bool SimValue::isNumeric() const
{
    switch (kind) {
    case ValueKind::Integer: case ValueKind::Unsigned: case ValueKind::Gauge:
    case ValueKind::Counter: case ValueKind::Counter64: case ValueKind::TimeTicks:
        return true;
    default:
        return false;
    }
}

bool SimValue::isOctets() const
{
    return kind == ValueKind::Octets || kind == ValueKind::Display || kind == ValueKind::Mac
        || kind == ValueKind::Bits;
}

std::uint8_t SimValue::asnTypeOf(ValueKind k)
{
    switch (k) {
    case ValueKind::Integer: return 0x02;
    case ValueKind::Unsigned: return 0x47;
    case ValueKind::Gauge: return 0x42;
    case ValueKind::Counter: return 0x41;
    case ValueKind::Counter64: return 0x46;
    case ValueKind::TimeTicks: return 0x43;
    case ValueKind::IpAddress: return 0x40;
    case ValueKind::ObjectId: return 0x06;
    default: return 0x04;
    }
}

std::uint8_t SimValue::asnType() const { return asnTypeOf(kind); }

namespace oidutil {

bool parse(const std::string& text, Oid& out)
{
    out.clear();
    std::size_t i = 0;
    if (!text.empty() && text[0] == '.')
        i = 1;
    if (i >= text.size())
        return false;
    while (i < text.size()) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return false;
        unsigned long long n = 0;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            n = n * 10 + static_cast<unsigned>(text[i] - '0');
            if (n > 0xffffffffULL)
                return false;
            ++i;
        }
        out.push_back(static_cast<std::uint32_t>(n));
        if (i < text.size()) {
            if (text[i] != '.' || i + 1 == text.size())
                return false;
            ++i;
        }
    }
    return true;
}

std::string format(const Oid& oid)
{
    std::string s;
    for (std::size_t i = 0; i < oid.size(); ++i) {
        if (i)
            s += '.';
        s += std::to_string(oid[i]);
    }
    return s;
}

bool startsWith(const Oid& oid, const Oid& prefix)
{
    return oid.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}

Oid concat(const Oid& a, const Oid& b)
{
    Oid r = a;
    r.insert(r.end(), b.begin(), b.end());
    return r;
}

Oid concat(const Oid& a, std::uint32_t sub)
{
    Oid r = a;
    r.push_back(sub);
    return r;
}

} // namespace oidutil

namespace valuetext {

bool kindFromWord(const std::string& w, ValueKind& k)
{
    static const struct { const char* word; ValueKind kind; } words[] = {
        {"int", ValueKind::Integer}, {"uint", ValueKind::Unsigned}, {"gauge", ValueKind::Gauge},
        {"counter", ValueKind::Counter}, {"counter64", ValueKind::Counter64},
        {"ticks", ValueKind::TimeTicks}, {"octets", ValueKind::Octets},
        {"display", ValueKind::Display}, {"mac", ValueKind::Mac}, {"bits", ValueKind::Bits},
        {"ip", ValueKind::IpAddress}, {"oid", ValueKind::ObjectId},
    };
    for (const auto& e : words)
        if (w == e.word) {
            k = e.kind;
            return true;
        }
    return false;
}

static int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

static bool parseHex(const std::string& t, std::string& out)
{
    out.clear();
    std::string digits;
    for (char c : t) {
        if (c == ':' || c == ' ' || c == '-')
            continue;
        if (hexDigit(c) < 0)
            return false;
        digits += c;
    }
    if (digits.size() % 2)
        return false;
    for (std::size_t i = 0; i < digits.size(); i += 2)
        out += static_cast<char>(hexDigit(digits[i]) * 16 + hexDigit(digits[i + 1]));
    return true;
}

static bool parseNumber(const std::string& t, std::int64_t& n)
{
    if (t.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    long long v = std::strtoll(t.c_str(), &end, 0);
    if (errno || *end)
        return false;
    n = v;
    return true;
}

bool parse(ValueKind kind, const std::string& text, SimValue& out)
{
    out = SimValue();
    out.kind = kind;
    switch (kind) {
    case ValueKind::IpAddress: {
        Oid parts;
        if (!oidutil::parse(text, parts) || parts.size() != 4)
            return false;
        for (auto p : parts) {
            if (p > 255)
                return false;
            out.bytes += static_cast<char>(p);
        }
        return true;
    }
    case ValueKind::ObjectId:
        return oidutil::parse(text, out.oid);
    case ValueKind::Octets: case ValueKind::Display: case ValueKind::Mac: case ValueKind::Bits:
        if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
            out.bytes = text.substr(1, text.size() - 2);
            return true;
        }
        if (text.rfind("0x", 0) == 0)
            return parseHex(text.substr(2), out.bytes);
        if (kind == ValueKind::Mac)
            return parseHex(text, out.bytes) && out.bytes.size() == 6;
        out.bytes = text;
        return true;
    default:
        return parseNumber(text, out.number);
    }
}

std::string hex(const std::string& bytes)
{
    static const char* d = "0123456789ABCDEF";
    std::string s;
    for (unsigned char c : bytes) {
        s += d[c >> 4];
        s += d[c & 15];
    }
    return s;
}

std::string localTime(long long secondsSinceEpoch)
{
    const std::time_t t = static_cast<std::time_t>(secondsSinceEpoch);
    std::tm parts{};
    localtime_r(&t, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y/%m/%d %H:%M:%S", &parts);
    return text;
}

} // namespace valuetext
