#pragma once
// Text forms of SNMP values and small helpers around them. Every value travels
// through the library as display text; these functions convert between that
// text and the octets or numbers carried on the wire. Octet strings are held
// in std::string (binary safe, may contain zero octets).
#include <cstdint>
#include <optional>
#include <string>

// The value text of an absent value, and of a table column that ended before
// its row (a walk's row where that column has nothing).
inline constexpr const char* kNullValueText = "(NULL)";
inline constexpr const char* kNotDoneValueText = "(NOTDONE)";

// --- Hexadecimal octet text (bits, octet strings, opaque, MAC and 16-octet addresses)

// Value of one hexadecimal digit of either case; -1 for any other character.
int hexDigitValue(char c);

// Two upper-case digits per octet, no separator: {0x00,0x1A,0xFF} -> "001AFF".
std::string octetsToHex(const std::string& octets);

// Spaces are removed first; digits may be either case; any other character
// counts as the digit 0. With an odd number of digits the first digit alone
// forms the first octet: "A0B" -> {0x0A,0x0B}.
std::string hexToOctets(const std::string& text);

// --- Display strings

// The octets as characters, up to the first zero octet.
std::string displayStringOfOctets(const std::string& octets);

// --- Time ticks (hundredths of a second)

// "h:mm:ss.cc" below one day, "1 day h:mm:ss.cc", "N days, h:mm:ss.cc".
std::string timeTicksToText(uint32_t ticks);

// Reads the text written above: an optional leading "N day(s)" part, then after
// the first "," (if any) hours up to ":", minutes up to ":", seconds up to "."
// and the hundredths after it. A part whose separator is missing contributes
// nothing, so a bare number reads as 0. Wraps modulo 2^32 like the wire value.
uint32_t textToTimeTicks(const std::string& text);

// --- IEEE doubles carried as 8 octets in machine order (real and calendar time)

std::string doubleToOctets(double value);
// Fewer than 8 octets give nullopt.
std::optional<double> octetsToDouble(const std::string& octets);

// Real: the shortest general text that reads back to the same double ("0.1", "1e+20").
std::string realToText(double value);
// C-style decimal reading, independent of the locale: leading blanks skipped,
// reading stops at the first character that is not part of a number; no number gives 0.
double textToReal(const std::string& text);

// --- Calendar time: days since 30 December 1899, the fraction being the time of day

// "yyyy/mm/dd hh:nn:ss am" with a 12-hour clock, "/" and ":" replaced by the
// default locale's date and time separators.
std::string calendarTimeToText(double days);
// Reads the form above (or the locale's short date-time form, or ISO 8601);
// nullopt when the text is no date and time.
std::optional<double> textToCalendarTime(const std::string& text);

// --- Port-list bitmaps: bit b (from 0) lies in octet b / 8 under the mask
// 0x80 >> (b % 8); port p (from 1) of the stack is bit p - 1.

// Whether bit b lies inside the octet string.
bool bitInRange(const std::string& octets, int bit);
// Value of bit b; false when it lies beyond the string.
bool testBit(const std::string& octets, int bit);
// Sets or clears bit b; returns false and leaves the string unchanged when the bit
// lies beyond it (the editor binding reports that as -519).
bool setBit(std::string& octets, int bit, bool on = true);
bool clearBit(std::string& octets, int bit);

// The same by port number (port p is bit p - 1).
bool testPort(const std::string& octets, int port);
bool setPort(std::string& octets, int port, bool on = true);

// A bitmap of zero octets large enough for the given number of positions
// (768 for the whole stack: 96 octets).
std::string emptyPortList(int positions = 768);

// Port index of the stack: (unit - 1) * 64 + port.
int stackPortIndex(int unit, int port);

// --- Small helpers

// base to the power count (count >= 0); used for bit masks: power(2, 7 - b % 8).
int64_t power(int64_t base, int count);

// From the 1-based position start, the position of the last character of the
// run of characters that all belong to set; 0 when the character at start does
// not belong to it (or start lies outside the text).
int spanOf(const std::string& text, int start, const std::string& set);
