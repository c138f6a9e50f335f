#pragma once
// Colour map of the front-panel LEDs: a status octet, masked with valueMask, is
// looked up in an ordered table of (key, colour) pairs; blinkMask tells which bits
// make the LED blink. Colours are 32-bit words with red in the lowest byte, then
// green, then blue; -1 (all bits set) closes a pair array and means "no colour".
#include <cstdint>
#include <memory>
#include <vector>

#include <QColor>

using NvLedColour = int32_t;

struct NvLedColourPair {
    uint32_t key;        // only the low 8 bits count
    NvLedColour colour;  // -1 closes an array
};

class NvSNMPLedColorMapList {
public:
    static constexpr NvLedColour NoColour = -1;

    struct Entry {
        uint8_t key;
        NvLedColour colour;
    };

    NvSNMPLedColorMapList(const NvLedColourPair* pairs, uint8_t valueMask, uint8_t blinkMask,
                          NvLedColour offColour, NvLedColour noDataColour);

    // Adds the pairs of a closed array after the existing entries; nullptr or an
    // empty array adds nothing.
    void append(const NvLedColourPair* pairs);
    void clear();
    // Colour of the first entry whose key equals key (as 8-bit values), 0 when none.
    NvLedColour lookup(uint32_t key) const;

    int count() const { return static_cast<int>(entries.size()); }
    const Entry& entry(int index) const { return *entries[static_cast<size_t>(index)]; }

    static NvLedColour rgb(int red, int green, int blue);
    static QColor toQColor(NvLedColour colour);

    // The two maps of the front panels, created once and shared by every panel:
    // A (0 black, 2 and 4 green) and B (0 and 1 black, 2 to 4 green, 5 red), both
    // with value mask 7, blink mask 128, off colour black and no-data colour white.
    static const NvSNMPLedColorMapList& mapA();
    static const NvSNMPLedColorMapList& mapB();

    uint8_t valueMask;
    uint8_t blinkMask;
    NvLedColour offColour;
    NvLedColour noDataColour;

private:
    std::vector<std::unique_ptr<Entry>> entries;
};
