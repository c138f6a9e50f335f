#include "sim/CatalogueValues.h"

#include <algorithm>
#include <cctype>
#include <ctime>

namespace {

std::string lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool has(const std::string& label, const char* word)
{
    return label.find(word) != std::string::npos;
}

// The port table's link column: 2 link-pass.
const Oid kPortLinkStatus{1, 3, 6, 1, 4, 1, 497, 11, 59, 7, 2, 3, 1, 1, 4};

// The stack's network: one /24 per IP interface, the gateway and the servers in the first.
const char* const kMask = "255.255.255.0";
const char* const kGateway = "10.90.90.254";

std::string dotted(int a, int b, int c, int d)
{
    return std::to_string(a) + '.' + std::to_string(b) + '.' + std::to_string(c) + '.' + std::to_string(d);
}

std::string serverAddress(int n)
{
    return dotted(10, 90, 90, 10 + n);
}

// The master's MAC (the default stack's unit 1).
const std::string kMasterMac("\x00\x80\xc8\x72\x00\x01", 6);

// What an integer object of a kind usually holds, by the words of its label.
enum class From { Fixed, Ports, PortsUp, Port, Unit, Last };
struct IntegerRule {
    const char* word;
    From from;
    std::int64_t value = 0;
};
// First match wins: the more particular words come first.
const IntegerRule kIntegerRules[] = {
    {"in use", From::PortsUp},        {"number of port", From::Ports},  {"total number", From::Ports},
    {"threshold", From::Fixed, 128},
    // Port access control timers at their standard defaults.
    {"tx period", From::Fixed, 30},   {"supptimeout", From::Fixed, 30}, {"servertimeout", From::Fixed, 30},
    {"maxreq", From::Fixed, 2},       {"reauthenticate period", From::Fixed, 3600},
    {"max age", From::Fixed, 2000},   {"hello time", From::Fixed, 200}, {"hellotime", From::Fixed, 200},
    {"forward delay", From::Fixed, 1500}, {"max hops", From::Fixed, 20}, {"tx hold", From::Fixed, 3},
    {"arp aging", From::Fixed, 20},   {"aging time", From::Fixed, 300}, {"telnet tcp port", From::Fixed, 23},
    {"udp port", From::Fixed, 514},   {"tcp port", From::Fixed, 80},    {"poll interval", From::Fixed, 720},
    {"5 seconds", From::Fixed, 7},    {"1 minute", From::Fixed, 9},     {"5 minutes", From::Fixed, 8},
    {"boot", From::Fixed, 1},         {"max message size", From::Fixed, 1500}, {"mms", From::Fixed, 1500}, {"engine time", From::Fixed, 0},
    {"time zone", From::Fixed, 0},    {"root cost", From::Fixed, 0},    {"root port", From::Fixed, 0},
    {"path cost", From::Fixed, 200000}, {"cost", From::Fixed, 10},      {"bridge priority", From::Fixed, 32768},
    {"user priority", From::Fixed, 0}, {"default priority", From::Fixed, 0}, {"priority", From::Fixed, 128},
    {"rip route", From::Fixed, 100},  {"ospf intra", From::Fixed, 80},  {"static route", From::Fixed, 60},
    {"local route", From::Fixed, 0},  {"ospf interval", From::Fixed, 90}, {"t1 route", From::Fixed, 110},
    {"t2 route", From::Fixed, 115},   {"preference", From::Fixed, 60},  {"holdtime", From::Fixed, 180},   {"hold time", From::Fixed, 180},
    {"hello interval", From::Fixed, 30}, {"query interval", From::Fixed, 125}, {"response time", From::Fixed, 10},
    {"robustness", From::Fixed, 2},   {"member query", From::Fixed, 1}, {"host timeout", From::Fixed, 260},
    {"route timeout", From::Fixed, 260}, {"leave timer", From::Fixed, 2}, {"update interval", From::Fixed, 30},
    {"timeout interval", From::Fixed, 180}, {"garbage", From::Fixed, 120}, {"rekey", From::Fixed, 0},
    {"connection timeout", From::Fixed, 120}, {"response timeout", From::Fixed, 5}, {"timeout", From::Fixed, 300},
    {"attempt", From::Fixed, 3},      {"hop count", From::Fixed, 4},    {"hop", From::Fixed, 4},
    {"rate", From::Fixed, 1000},      {"max session", From::Fixed, 8},
    {"history size", From::Fixed, 1}, {"max learn", From::Fixed, 128},  {"max", From::Fixed, 16},
    {"interval", From::Fixed, 30},    {"period", From::Fixed, 60},      {"time", From::Fixed, 60},
    {"vlan", From::Fixed, 1},         {"vid", From::Fixed, 1},          {"unit", From::Unit},
    {"ifindex", From::Port},          {"if index", From::Port},         {"port", From::Port},
    {"version", From::Fixed, 2},      {"length", From::Fixed, 4},       {"count", From::Fixed, 3},
    {"index", From::Last},            {" id", From::Last},
};

// A counter's rate a second by what it counts: octets fastest, errors not at all.
struct CounterRule {
    const char* word;
    std::int64_t rate;
};
const CounterRule kCounterRules[] = {
    {"error", 0},     {"discard", 0},  {"unknown", 0},  {"invalid", 0}, {"wrong", 0},    {"drop", 0},
    {"fail", 0},      {"bad", 0},      {"unsupported", 0}, {"not in", 0}, {"collision", 0}, {"octet", 48000},
    {"ucast", 310},   {"unicast", 310}, {"broadcast", 23}, {"multicast", 9},
};

bool allowed(const CatalogueObject& o, std::int64_t v)
{
    if (o.ranges.empty())
        return true;
    return std::any_of(o.ranges.begin(), o.ranges.end(), [&](const auto& r) { return v >= r.first && v <= r.second; });
}

// The allowed value nearest to v.
std::int64_t nearestAllowed(const CatalogueObject& o, std::int64_t v)
{
    if (allowed(o, v))
        return v;
    std::int64_t best = o.ranges.front().first;
    for (const auto& [lo, hi] : o.ranges)
        for (std::int64_t c : {lo, hi})
            if ((c > v ? c - v : v - c) < (best > v ? best - v : v - best))
                best = c;
    return best;
}

} // namespace

CatalogueValues::CatalogueValues(const ObjectStore& store)
    : m_store(store), m_ports(store.ports()), m_units(store.units())
{
    for (int port : m_ports)
        if (const auto* e = store.get(oidutil::concat(kPortLinkStatus, static_cast<std::uint32_t>(port))))
            m_portsUp += e->value.number == 2;
}

std::string CatalogueValues::interfaceAddress(int n)
{
    return dotted(10, 90, 89 + n, 1);
}

std::string CatalogueValues::indexText(const CatalogueObject& object, int r)
{
    const std::string label = lower(object.label);
    switch (object.kind) {
    case ValueKind::IpAddress:
        if (has(label, "mask"))
            return kMask;
        if (has(label, "destination") || has(label, "network"))
            return dotted(10, 90, 89 + r, 0);
        return interfaceAddress(r);
    case ValueKind::Mac:
        return "00:80:c8:a0:00:0" + std::to_string(r);
    case ValueKind::Integer:
        if (!object.options.empty())
            return std::to_string(object.options[static_cast<std::size_t>(r - 1) % object.options.size()]);
        return std::to_string(r);
    default:
        return "entry" + std::to_string(r);
    }
}

std::vector<std::pair<std::int64_t, std::int64_t>> CatalogueValues::parseRanges(const std::string& text)
{
    std::vector<std::pair<std::int64_t, std::int64_t>> out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t bar = text.find('|', start);
        const std::string part = text.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
        start = bar == std::string::npos ? text.size() : bar + 1;
        try {
            const std::size_t dots = part.find("..");
            const std::int64_t lo = std::stoll(part.substr(0, dots));
            const std::int64_t hi = dots == std::string::npos ? lo : std::stoll(part.substr(dots + 2));
            out.push_back({std::min(lo, hi), std::max(lo, hi)});
        } catch (...) {
            // A part that is no number says nothing about the values.
        }
    }
    return out;
}

void CatalogueValues::limit(const CatalogueObject& object, ColumnSpec& spec)
{
    if (object.ranges.empty())
        return;
    std::int64_t lo = object.ranges.front().first, hi = object.ranges.front().second;
    for (const auto& r : object.ranges) {
        lo = std::min(lo, r.first);
        hi = std::max(hi, r.second);
    }
    switch (spec.kind) {
    case ValueKind::Integer: case ValueKind::Unsigned: case ValueKind::Gauge:
        if (spec.enumValues.empty()) {
            spec.hasRange = true;
            spec.minValue = lo;
            spec.maxValue = hi;
        }
        break;
    case ValueKind::Octets: case ValueKind::Display: case ValueKind::Bits:
        spec.minLength = static_cast<int>(std::max<std::int64_t>(lo, 0));
        spec.maxLength = static_cast<int>(std::min<std::int64_t>(hi, 65535));
        break;
    default:
        break;
    }
}

bool CatalogueValues::isClock(const CatalogueObject& object)
{
    return object.kind == ValueKind::Display && lower(object.label) == "current time";
}

std::int64_t CatalogueValues::integer(const CatalogueObject& object, const std::string& label,
                                      std::uint32_t first, std::uint32_t last) const
{
    std::int64_t v = 1;
    for (const IntegerRule& rule : kIntegerRules) {
        if (!has(label, rule.word))
            continue;
        switch (rule.from) {
        case From::Fixed: v = rule.value; break;
        case From::Ports: v = static_cast<std::int64_t>(m_ports.size()); break;
        case From::PortsUp: v = m_portsUp; break;
        // A row of a port-indexed table names its own port, other rows one of the stack's.
        case From::Port:
            v = std::count(m_ports.begin(), m_ports.end(), static_cast<int>(first)) || m_ports.empty()
                    ? first
                    : m_ports[(first ? first - 1 : 0) % m_ports.size()];
            break;
        case From::Unit:
            v = m_units.empty() ? 1 : m_units[(first ? first - 1 : 0) % m_units.size()];
            if (std::count(m_ports.begin(), m_ports.end(), static_cast<int>(first)))
                v = (first - 1) / 64 + 1;
            break;
        case From::Last: v = last ? last : 1; break;
        }
        break;
    }
    return nearestAllowed(object, v);
}

std::string CatalogueValues::text(const CatalogueObject& object, const std::string& label, std::uint32_t first,
                                  bool scalar) const
{
    const std::string row = scalar ? "" : std::to_string(first);
    if (has(label, "ipaddr") || has(label, "ip address") || has(label, "name server"))
        return serverAddress(has(label, "2") || has(label, "secondary") ? 2 : 1);
    if (has(label, "boottime") || has(label, "boot time"))
        return valuetext::localTime(std::time(nullptr));
    if (has(label, "ssh version"))
        return "V2.00";
    if (has(label, "software") || has(label, "version"))
        return "1.20.005";
    if (has(label, "hardware"))
        return "A1";
    if (has(label, "method"))
        return "default";
    if (has(label, "key file"))
        return "server.key";
    if (has(label, "certificate"))
        return "server.crt";
    if (has(label, "download file") || has(label, "file"))
        return "hv720.cfg";
    if (has(label, "platform"))
        return "HV-720 Stackable Switch";
    if (has(label, "capability"))
        return "L2 switch";
    if (has(label, "identifier"))
        return "hv720-stack";
    if (has(label, "vlan name"))
        return "default";
    if (has(label, "mstp name"))
        return "00:80:c8:72:00:01";
    // A port's name: its unit and its port on the unit's panel.
    if (label == "name" && std::count(m_ports.begin(), m_ports.end(), static_cast<int>(first)))
        return std::to_string((first - 1) / 64 + 1) + ":" + std::to_string((first - 1) % 64 + 1);
    // The first word of the label, numbered by row in a table.
    std::string word;
    for (char c : object.label) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            word += c;
        else if (!word.empty())
            break;
    }
    return (word.empty() ? "text" : word) + row;
}

std::optional<SimValue> CatalogueValues::value(const CatalogueObject& object, const Oid& instance,
                                               int position) const
{
    const std::string label = lower(object.label);
    const bool scalar = instance == Oid{0};
    const std::uint32_t first = scalar || instance.empty() ? 0
                                : object.addressIndex ? static_cast<std::uint32_t>(position) : instance.front();
    const std::uint32_t last = scalar || instance.empty() ? 0 : instance.back();
    switch (object.kind) {
    case ValueKind::Integer:
        if (!object.options.empty())
            return std::nullopt;
        return SimValue::integer(integer(object, label, first, last));
    case ValueKind::Unsigned: case ValueKind::Gauge:
        if (has(label, "high speed"))
            return SimValue::integer(first % 64 > 48 ? 1000 : 100, object.kind);
        return SimValue::integer(integer(object, label, first, last), object.kind);
    case ValueKind::Counter: case ValueKind::Counter64:
        // Counters that do not grow (errors, discards) have seen a few since the start.
        return SimValue::integer(perSecond(object, instance) ? 0 : 1 + (first + object.oid.back()) % 4, object.kind);
    case ValueKind::TimeTicks:
        return SimValue::integer(0, object.kind);  // uptimes grow, see perSecond
    case ValueKind::ObjectId: {
        SimValue v;
        if (object.firstOption.empty() || !valuetext::parse(ValueKind::ObjectId, object.firstOption, v))
            return std::nullopt;
        return v;
    }
    case ValueKind::IpAddress:
        if (has(label, "mask"))
            return SimValue::octets(std::string("\xff\xff\xff\x00", 4), ValueKind::IpAddress);
        {
            SimValue v;
            const int n = std::max(1, static_cast<int>(first % 250));
            const std::string where = label + ' ' + lower(object.table);
            std::string text = has(label, "gateway") || has(label, "router") ? kGateway
                               : has(where, "server") || has(where, "host") || has(where, "tftp")
                                   ? serverAddress(scalar ? 1 : n)
                                   : interfaceAddress(scalar ? 1 : n);
            valuetext::parse(ValueKind::IpAddress, text, v);
            return v;
        }
    case ValueKind::Display: {
        SimValue v = SimValue::octets(text(object, label, first, scalar), ValueKind::Display);
        if (!object.ranges.empty() && v.bytes.size() > static_cast<std::size_t>(object.ranges.back().second))
            v.bytes.resize(static_cast<std::size_t>(object.ranges.back().second));
        return v;
    }
    case ValueKind::Octets:
        // A bridge identifier: priority 32768 and the master's MAC.
        if (has(label, "bridge") && !has(label, "port"))
            return SimValue::octets(std::string("\x80\x00", 2) + kMasterMac);
        if (has(label, "engine id"))
            return SimValue::octets(std::string("\x80\x00\x01\xf1\x03", 5) + kMasterMac);
        // VLAN bit maps: VLAN 1 is the first bit of the first map.
        if (has(label, "vlan range"))
            return SimValue::octets(std::string(1, has(label, "[1-") ? '\x80' : '\0') + std::string(7, '\0'));
        if (has(label, "port map") || has(label, "member") || has(label, "port list"))
            return SimValue::octets(m_store.portBits(false, static_cast<int>(first)));
        return std::nullopt;
    case ValueKind::Mac:
        // Addresses learned from hosts of the network, one per row.
        return SimValue::octets(std::string("\x00\x80\xc8\xa0", 4) + static_cast<char>(first >> 8)
                                    + static_cast<char>(first & 0xff),
                                ValueKind::Mac);
    default:
        return std::nullopt;
    }
}

std::int64_t CatalogueValues::perSecond(const CatalogueObject& object, const Oid& instance) const
{
    const std::string label = lower(object.label);
    if (object.kind == ValueKind::TimeTicks)
        return has(label, "uptime") ? 100 : 0;
    if (object.kind == ValueKind::Integer && has(label, "engine time"))
        return 1;
    if (object.kind != ValueKind::Counter && object.kind != ValueKind::Counter64)
        return 0;
    std::int64_t rate = 40;  // packets of no particular kind
    for (const CounterRule& rule : kCounterRules)
        if (has(label, rule.word)) {
            rate = rule.rate;
            break;
        }
    if (rate == 0)
        return 0;
    // Each row and column its own rate: outgoing traffic a little lighter than incoming,
    // later ports busier than earlier ones.
    const std::uint32_t row = instance.empty() ? 0 : instance.front();
    const std::uint32_t column = object.oid.empty() ? 0 : object.oid.back();
    rate += rate * static_cast<std::int64_t>(row % 16) / 8 + static_cast<std::int64_t>(column % 7);
    return has(label, "out") ? rate * 3 / 4 : rate;
}
