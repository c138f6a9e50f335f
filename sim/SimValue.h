#pragma once
// Object identifiers and typed values held by the simulator's object store.
#include <cstdint>
#include <string>
#include <vector>

using Oid = std::vector<std::uint32_t>;

// The value kinds the store knows; each maps to one wire type.
enum class ValueKind {
    Integer,    // INTEGER
    Unsigned,   // UInteger32 (0x47)
    Gauge,      // Gauge32 / Unsigned32
    Counter,    // Counter32
    Counter64,
    TimeTicks,
    Octets,     // OCTET STRING, arbitrary
    Display,    // OCTET STRING, printable text
    Mac,        // OCTET STRING, 6 octets
    Bits,       // OCTET STRING used as a bit map / port list
    IpAddress,
    ObjectId,
};

struct SimValue {
    ValueKind kind = ValueKind::Integer;
    std::int64_t number = 0;     // integers, counters, ticks (Counter64 kept as its bit pattern)
    std::string bytes;           // octet strings and IP addresses (4 octets)
    Oid oid;                     // object identifiers

    static SimValue integer(std::int64_t n, ValueKind k = ValueKind::Integer);
    static SimValue octets(std::string b, ValueKind k = ValueKind::Octets);
    static SimValue objectId(Oid o);

    bool isNumeric() const;
    bool isOctets() const;
    // Wire type (ASN.1 tag) of the kind.
    std::uint8_t asnType() const;
    static std::uint8_t asnTypeOf(ValueKind k);
    bool operator==(const SimValue&) const = default;
};

namespace oidutil {
// "1.3.6.1" or ".1.3.6.1"; returns false on anything else.
bool parse(const std::string& text, Oid& out);
std::string format(const Oid& oid);
bool startsWith(const Oid& oid, const Oid& prefix);
Oid concat(const Oid& a, const Oid& b);
Oid concat(const Oid& a, std::uint32_t sub);
}

namespace valuetext {
// Kind from a syntax word: int, uint, gauge, counter, counter64, ticks, octets,
// display, mac, bits, ip, oid. Returns false when unknown.
bool kindFromWord(const std::string& word, ValueKind& kind);
// Parses a value written in text: numbers, "text", 0xHEX, dotted IP or OID,
// MAC as aa:bb:cc:dd:ee:ff.
bool parse(ValueKind kind, const std::string& text, SimValue& out);
std::string hex(const std::string& bytes);
// Local date and time as a switch shows it: "2026/03/27 12:00:00".
std::string localTime(long long secondsSinceEpoch);
}
