#include "bind/NvSNMPLedColorMapList.h"

namespace {

constexpr NvLedColour kBlack = 0x000000;
constexpr NvLedColour kGreen = 0x00FF00;  // (0, 255, 0)
constexpr NvLedColour kRed = 0x0000FF;    // (255, 0, 0): red is the lowest byte
constexpr NvLedColour kWhite = 0xFFFFFF;

const NvLedColourPair kMapAPairs[] = {
    {0, kBlack}, {2, kGreen}, {4, kGreen}, {0, NvSNMPLedColorMapList::NoColour}};

const NvLedColourPair kMapBPairs[] = {
    {0, kBlack}, {1, kBlack}, {2, kGreen}, {3, kGreen}, {4, kGreen}, {5, kRed},
    {0, NvSNMPLedColorMapList::NoColour}};

}  // namespace

NvSNMPLedColorMapList::NvSNMPLedColorMapList(const NvLedColourPair* pairs, uint8_t valueMask,
                                             uint8_t blinkMask, NvLedColour offColour,
                                             NvLedColour noDataColour)
    : valueMask(valueMask), blinkMask(blinkMask), offColour(offColour), noDataColour(noDataColour)
{
    append(pairs);
}

void NvSNMPLedColorMapList::append(const NvLedColourPair* pairs)
{
    if (!pairs)
        return;
    for (const NvLedColourPair* p = pairs; p->colour != NoColour; ++p)
        entries.push_back(std::make_unique<Entry>(Entry{static_cast<uint8_t>(p->key & 0xFF), p->colour}));
}

void NvSNMPLedColorMapList::clear()
{
    entries.clear();
}

NvLedColour NvSNMPLedColorMapList::lookup(uint32_t key) const
{
    const auto k = static_cast<uint8_t>(key & 0xFF);
    for (const auto& e : entries) {
        if (e->key == k)
            return e->colour;
    }
    return 0;
}

NvLedColour NvSNMPLedColorMapList::rgb(int red, int green, int blue)
{
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

QColor NvSNMPLedColorMapList::toQColor(NvLedColour colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

const NvSNMPLedColorMapList& NvSNMPLedColorMapList::mapA()
{
    static const NvSNMPLedColorMapList map(kMapAPairs, 7, 128, kBlack, kWhite);
    return map;
}

const NvSNMPLedColorMapList& NvSNMPLedColorMapList::mapB()
{
    static const NvSNMPLedColorMapList map(kMapBPairs, 7, 128, kBlack, kWhite);
    return map;
}
