#pragma once
// Strict reading of the text a user types for a value. Every write path (the
// generic rows, the table indexes, the feature editors) reads typed text here
// and nowhere else: text that is not exactly a value of its syntax, or lies
// outside its allowed values, is refused with a message that names the field,
// and nothing is sent. Nothing is guessed: "12abc" is no number, "300.1.1.1" no
// address, "abc" is not 0.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "snmp/NvSNMPVarDescriptor.h"

// --- Allowed values in the notation of the MIB files: "30..99999",
// "0|2..65535", "-779..839". For integer syntaxes they bound the value, for the
// octet syntaxes and display strings the length in octets. An empty text allows
// everything the syntax can carry.

// Whether the text is a well-formed range list.
bool isRangeList(std::string_view ranges);
// Whether value lies inside one of the ranges (true for an empty list).
bool inRangeList(int64_t value, std::string_view ranges);
// The ranges as a user reads them: "30..99999" -> "30 to 99999", "0|2..5" -> "0, 2 to 5".
std::string rangeListText(std::string_view ranges);

// --- Readers that refuse rather than guess (nullopt: the text is no such value).
// Blanks around the text are allowed; nothing else may follow or precede.

// Optional sign, then decimal digits only; must fit the 64-bit signed range.
std::optional<int64_t> readWholeNumber(std::string_view text);
// Decimal digits only (an optional "+"), up to 2^64 - 1.
std::optional<uint64_t> readUnsignedNumber(std::string_view text);
// Decimal numbers separated by dots, each at most limit ("10.0", "1.3.6"); no
// empty part, nothing else.
std::optional<std::vector<uint32_t>> readDottedNumbers(std::string_view text, uint32_t limit);
// Exactly four dotted decimal parts, each 0..255: the four octets.
std::optional<std::string> readIpv4Octets(std::string_view text);
// Hexadecimal octets: digits of either case, optionally grouped by blanks, ":" or
// "-" ("001AFF", "00 1A FF", "00:1a:ff", "0-1A-FF"); an odd count of digits in an
// undivided run gives its first digit an octet of its own ("A0B" -> 0A 0B).
std::optional<std::string> readHexOctets(std::string_view text);
// Dotted decimal sub-identifiers (an optional leading "."), each 0..2^32 - 1,
// at least two and at most 128.
std::optional<std::string> readObjectIdentifier(std::string_view text);

// --- The conversion every write path uses.

// Reads what the user typed into the field for a value of the syntax and returns
// the value text the request carries to the wire (decimal numbers, dotted
// addresses, upper-case hexadecimal octets, the display string itself). Throws
// NvSNMPException when the text does not convert or lies outside ranges; its
// text names the field, shows what was typed and says what was expected.
std::string strictValueText(const std::string& field, const std::string& typed, NvSyntax syntax,
                            std::string_view ranges = {});

// Same, for a number that an editor reads for itself (a VLAN id, a profile id):
// the value, refused with the field named when it is no whole number in
// minimum..maximum.
int64_t strictWholeNumber(const std::string& field, const std::string& typed, int64_t minimum, int64_t maximum);

// A part of a value that several controls share (one octet of an address, the
// first octets of a string): the text must read as such a part, but need not
// be a whole value. Returns the part's value text; refuses like strictValueText.
std::string strictPartText(const std::string& field, const std::string& typed, NvSyntax syntax);
