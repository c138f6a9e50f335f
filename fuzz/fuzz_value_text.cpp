// The value texts: hexadecimal octets, time ticks, DateAndTime, number lists,
// port lists and the strict reading of typed text. Texts of any content are read
// without fault, and what the library writes reads back to the same value.
#include <iterator>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "snmp/NvBinaryString.h"
#include "snmp/NvDateTime.h"
#include "snmp/NvNumList.h"
#include "snmp/NvSNMPError.h"
#include "snmp/NvStrictValue.h"
#include "snmp/NvValueText.h"

namespace {

void hexadecimal(FuzzInput& in)
{
    const std::string text = in.text(512);
    const std::string octets = hexToOctets(text);
    FUZZ_CHECK(octets.size() <= text.size() / 2 + 1, text);
    FUZZ_CHECK(hexToOctets(octetsToHex(octets)) == octets, text);
    FUZZ_CHECK(hexToOctets(octetsToHex(text)) == text, text);
    const NvBinaryString binary(text);
    FUZZ_CHECK(binary.length() == text.size() / 2, text);
    FUZZ_CHECK(NvBinaryString(octetsToHex(text)).toOctets() == text, text);
    FUZZ_CHECK(displayStringOfOctets(text).find('\0') == std::string::npos, text);
}

void timeTicks(FuzzInput& in)
{
    const uint32_t ticks = in.number();
    FUZZ_CHECK(textToTimeTicks(timeTicksToText(ticks)) == ticks, timeTicksToText(ticks));
    const std::string text = in.text(128);
    const uint32_t read = textToTimeTicks(text);
    FUZZ_CHECK(textToTimeTicks(timeTicksToText(read)) == read, text);
}

void dateAndTime(FuzzInput& in)
{
    const std::string octets = in.text(16);
    const NvDateTime fromWire = NvDateTime::fromOctets(octets);
    const std::string wire = fromWire.toOctets();
    FUZZ_CHECK(wire.size() == 11, octetsToHex(octets));
    if (octets.size() >= 11)
        FUZZ_CHECK(wire == octets.substr(0, 11), octetsToHex(octets));
    // A text is read into the fields; writing them and reading again is stable.
    const std::string text = in.text(96);
    const std::string written = NvDateTime(text).toText();
    FUZZ_CHECK(NvDateTime(written).toText() == written, text + " -> " + written);
    const std::string fromWireText = fromWire.toText();
    FUZZ_CHECK(NvDateTime(NvDateTime(fromWireText).toText()).toText() == NvDateTime(fromWireText).toText(),
               fromWireText);
}

template <typename List>
void numberList(FuzzInput& in)
{
    // A separator that cannot be part of a number (a digit or "-" could not round-trip).
    static constexpr char kSeparators[] = {',', '.', ';', ':', ' ', '/', '|', '\t'};
    List list(kSeparators[in.choice(std::size(kSeparators))]);
    const std::string text = in.text(256);
    list.parse(text);
    if (text.empty())
        FUZZ_CHECK(list.count() == 0, text);
    List again(list.separator());
    again.parse(list.toText());
    FUZZ_CHECK(again.values() == list.values() || list.count() == 0, text + " -> " + list.toText());
    for (int i = 0; i < list.count(); ++i)
        FUZZ_CHECK(list.indexOf(list.at(i)) <= i, text);
}

void portList(FuzzInput& in)
{
    std::string octets = in.text(120);
    const int port = static_cast<int>(static_cast<int32_t>(in.number()));
    const bool inside = port >= 1 && bitInRange(octets, port - 1);
    const std::string before = octets;
    const bool set = setPort(octets, port);
    FUZZ_CHECK(set == inside, std::to_string(port));
    FUZZ_CHECK(set ? testPort(octets, port) : octets == before, std::to_string(port));
    FUZZ_CHECK(octets.size() == before.size(), std::to_string(port));
    if (set) {
        clearBit(octets, port - 1);
        FUZZ_CHECK(!testPort(octets, port), std::to_string(port));
    }
    const int bit = static_cast<int>(static_cast<int32_t>(in.number()));
    testBit(octets, bit);
    spanOf(in.text(64), static_cast<int>(static_cast<int32_t>(in.number())), in.text(16));
}

// Typed text: refused with the field named, or accepted as a value text that
// reads back to itself (the strict reading is a fixed point of what it writes).
void typedText(FuzzInput& in)
{
    static constexpr NvSyntax kSyntaxes[] = {
        SyntaxBoolean, SyntaxInteger, SyntaxBits, SyntaxOctets, SyntaxOid, SyntaxIpAddress, SyntaxCounter,
        SyntaxGauge, SyntaxTimeTicks, SyntaxOpaque, SyntaxNsapAddress, SyntaxCounter64, SyntaxUInteger, SyntaxReal,
        SyntaxMacAddress, SyntaxDateAndTime, SyntaxCalendarTime, SyntaxDisplayString, SyntaxAddress16};
    static constexpr const char* kRanges[] = {"", "30..99999", "0|2..65535", "-779..839", "0..32", "6", "1..1"};
    const NvSyntax syntax = kSyntaxes[in.choice(std::size(kSyntaxes))];
    const std::string ranges = in.flag() ? std::string(kRanges[in.choice(std::size(kRanges))]) : in.text(24);
    const std::string typed = in.text(160);
    std::string written;
    try {
        written = strictValueText("Field", typed, syntax, ranges);
    } catch (const NvSNMPException& x) {
        FUZZ_CHECK(std::string(x.what()).rfind("Field: ", 0) == 0, typed);
        return;
    }
    std::string again;
    try {
        again = strictValueText("Field", written, syntax, ranges);
    } catch (const NvSNMPException& x) {
        FUZZ_CHECK(false, typed + " -> " + written + " refused: " + x.what());
    }
    FUZZ_CHECK(again == written, typed + " -> " + written + " -> " + again);
    if (const auto number = readWholeNumber(typed); number && isRangeList(ranges)
        && (syntax == SyntaxInteger || syntax == SyntaxGauge))
        FUZZ_CHECK(written == std::to_string(*number) && inRangeList(*number, ranges), typed);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    switch (in.choice(7)) {
    case 0: hexadecimal(in); break;
    case 1: timeTicks(in); break;
    case 2: dateAndTime(in); break;
    case 3: numberList<NvNumList>(in); break;
    case 4: numberList<NvUNumList>(in); break;
    case 5: portList(in); break;
    default: typedText(in); break;
    }
    return 0;
}
