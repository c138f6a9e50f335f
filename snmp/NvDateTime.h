#pragma once
// The SNMPv2 DateAndTime value: 11 octets on the wire (year big-endian first),
// shown as "1992-5-26,13:30:15.0" with ",+8:0" appended when an offset from UTC
// is present.
#include <cstdint>
#include <string>

class NvDateTime {
public:
    // The current local date and time, deci-seconds 0, direction '+', offset 0:0.
    NvDateTime();
    // Reads "y-m-d,h:m:s.d" optionally followed by ",+h:m" or ",-h:m". Fields the
    // text does not supply stay 0 (direction '+'); each number is stored into
    // its field's width.
    explicit NvDateTime(const std::string& text);

    // From wire octets: a plain copy of the first 11 octets with the year swapped
    // from network order. A shorter string (agents may send the 8-octet form
    // without offset) fills only the fields it covers; the rest stay 0/'+'.
    static NvDateTime fromOctets(const std::string& octets);
    // The 11 wire octets.
    std::string toOctets() const;

    // "%d-%d-%d,%d:%d:%d.%d", plus ",%c%d:%d" when an offset is set and the
    // direction is '+' or '-'.
    std::string toText() const;

    uint16_t year = 0;
    uint8_t month = 0;
    uint8_t day = 0;
    uint8_t hour = 0;
    uint8_t minutes = 0;
    uint8_t seconds = 0;
    uint8_t deciSeconds = 0;
    char direction = '+';
    uint8_t offsetHours = 0;
    uint8_t offsetMinutes = 0;

private:
    struct Zero {};
    explicit NvDateTime(Zero) {}
};
