// LED colour maps and the LED group: decoding, no-data colour, blinking, reset.
#include <string>
#include <vector>

#include <QFrame>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include "bind/LedShape.h"
#include "bind/NvSNMPLedColorMapList.h"
#include "bind/NvSNMPLedGroup.h"

namespace {

const NvLedColour Black = NvSNMPLedColorMapList::rgb(0, 0, 0);
const NvLedColour Green = NvSNMPLedColorMapList::rgb(0, 255, 0);
const NvLedColour Red = NvSNMPLedColorMapList::rgb(255, 0, 0);
const NvLedColour White = NvSNMPLedColorMapList::rgb(255, 255, 255);

std::string octets(std::initializer_list<int> values)
{
    std::string s;
    for (int v : values)
        s.push_back(static_cast<char>(v));
    return s;
}

struct DecodeCase {
    bool mapB;
    int octet;
    NvLedColour colour;
    bool blinking;
};

TEST(LedGroup, DecodesStatusOctetsThroughMapsAAndB)
{
    const DecodeCase cases[] = {
        {false, 0x82, Green, true},   // blink bit and value 2
        {false, 0x02, Green, false},
        {false, 0x04, Green, false},
        {false, 0x03, Black, false},  // key 3 is not in map A
        {false, 0x80, Black, true},   // blinking, but its colour is the dark phase
        {false, 0x05, Black, false},
        {true, 0x05, Red, false},
        {true, 0x85, Red, true},
        {true, 0x01, Black, false},
        {true, 0x0B, Green, false},   // only the value bits are looked up: 0x0B & 7 = 3
        {true, 0x06, Black, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.mapB ? "B " : "A ") << c.octet);
        QWidget owner;
        NvSNMPLedGroup group(&owner);
        auto* shape = new TLedShape(&owner);
        const auto& map = c.mapB ? NvSNMPLedColorMapList::mapB() : NvSNMPLedColorMapList::mapA();
        group.addLed(0, 1, map, shape);
        ASSERT_EQ(group.applyOctets(octets({0, c.octet})), 0);
        EXPECT_EQ(group.led(0).colour, c.colour);
        EXPECT_EQ(group.led(0).blinking, c.blinking);
        // The first repaint after an answer shows the colour, blinking or not.
        EXPECT_EQ(shape->brushColour(), c.colour);
        EXPECT_EQ(shape->penColour(), c.colour);
    }
}

TEST(LedGroup, ColourMapLookupAppendAndClear)
{
    const NvLedColourPair first[] = {{2, 0x123456}, {0x102, 0x654321}, {0, -1}};
    const NvLedColourPair more[] = {{7, 0x00AA00}, {0, -1}};
    const NvLedColourPair none[] = {{0, -1}};
    NvSNMPLedColorMapList map(first, 7, 128, 0, -1);
    map.append(none);
    map.append(nullptr);
    map.append(more);
    EXPECT_EQ(map.lookup(2), 0x123456);      // the first of two equal 8-bit keys wins
    EXPECT_EQ(map.lookup(0x302), 0x123456);  // keys compare as 8-bit values
    EXPECT_EQ(map.lookup(7), 0x00AA00);
    EXPECT_EQ(map.lookup(9), 0);
    map.clear();
    EXPECT_EQ(map.lookup(2), 0);
}

TEST(LedGroup, OctetsBeyondAShortValueShowTheNoDataColour)
{
    QWidget owner;
    NvSNMPLedGroup group(&owner);
    std::vector<TLedShape*> shapes;
    for (int offset : {0, 1, 2, 7}) {
        shapes.push_back(new TLedShape(&owner));
        group.addLed(0, offset, NvSNMPLedColorMapList::mapA(), shapes.back());
    }
    ASSERT_EQ(group.applyOctets(octets({2, 0x82})), 0);
    EXPECT_EQ(shapes[0]->brushColour(), Green);
    EXPECT_EQ(shapes[1]->brushColour(), Green);
    for (int i : {2, 3}) {
        EXPECT_EQ(group.led(i).colour, White);
        EXPECT_FALSE(group.led(i).blinking);
        EXPECT_EQ(shapes[static_cast<size_t>(i)]->brushColour(), White);
    }
    // An empty value (no octets at all) makes every LED white.
    ASSERT_EQ(group.applyOctets(std::string()), 0);
    for (int i = 0; i < group.ledCount(); ++i)
        EXPECT_EQ(group.led(i).colour, White);
}

TEST(LedGroup, MapWithoutNoDataColourReportsTheMissingOctet)
{
    const NvLedColourPair pairs[] = {{2, Green}, {0, -1}};
    NvSNMPLedColorMapList strict(pairs, 7, 128, Black, NvSNMPLedColorMapList::NoColour);
    QWidget owner;
    NvSNMPLedGroup group(&owner);
    group.addLed(0, 0, strict, new TLedShape(&owner));
    group.addLed(0, 4, strict, new TLedShape(&owner));
    EXPECT_EQ(group.applyOctets(octets({2, 2})), NvSNMPLedGroup::OutOfRangeCode);
    EXPECT_EQ(group.applyOctets(octets({2, 2, 2, 2, 2})), 0);
    EXPECT_EQ(group.led(1).colour, Green);
}

TEST(LedGroup, AddLedRowPlacesShapesInTheHost)
{
    QWidget owner;
    auto* host = new QFrame(&owner);
    host->setFrameStyle(QFrame::Panel | QFrame::Raised);
    host->setGeometry(10, 10, 30, 7);
    NvSNMPLedGroup group(&owner);
    ASSERT_TRUE(group.addLedRow(0, "4,6,8", NvSNMPLedColorMapList::mapA(), host, 0, 6, TLedShape::Rectangle, 7, 7));
    ASSERT_EQ(group.ledCount(), 3);
    const int offsets[] = {4, 6, 8};
    const int lefts[] = {0, 13, 26};
    for (int i = 0; i < 3; ++i) {
        const LedBinding& led = group.led(i);
        EXPECT_EQ(led.byteOffset, offsets[i]);
        EXPECT_EQ(led.row, 0);
        ASSERT_TRUE(led.shape);
        EXPECT_EQ(led.shape->parentWidget(), host);
        EXPECT_EQ(led.shape->geometry(), QRect(lefts[i], 1, 7, 7));
        EXPECT_FALSE(led.shape->isHidden());
        EXPECT_EQ(led.shape->brushColour(), Black);
    }
    EXPECT_EQ(host->frameShape(), QFrame::NoFrame);
    // The host grows to hold its LEDs instead of clipping the last one.
    EXPECT_TRUE(host->rect().contains(group.led(2).shape->geometry()));

    EXPECT_FALSE(group.addLedRow(0, "10,x,12", NvSNMPLedColorMapList::mapA(), host, 0, 6, 0, 7, 7));
    EXPECT_EQ(group.ledCount(), 4);  // the position before the bad one was added
}

TEST(LedGroup, BlinkingAlternatesForSixRepaintsAfterEachAnswerThenStaysLit)
{
    QWidget owner;
    NvSNMPLedGroup group(&owner);
    auto* blinking = new TLedShape(&owner);
    auto* steady = new TLedShape(&owner);
    group.addLed(0, 0, NvSNMPLedColorMapList::mapA(), blinking);
    group.addLed(0, 1, NvSNMPLedColorMapList::mapA(), steady);
    group.blinkTimer()->stop();  // the test drives the ticks

    ASSERT_EQ(group.applyOctets(octets({0x82, 0x02})), 0);
    std::vector<NvLedColour> seen{blinking->brushColour()};
    for (int tick = 0; tick < 9; ++tick) {
        group.blinkTick();
        seen.push_back(blinking->brushColour());
        EXPECT_EQ(steady->brushColour(), Green);
    }
    const std::vector<NvLedColour> expected{Green, Black, Green, Black, Green, Black, Green, Green, Green, Green};
    EXPECT_EQ(seen, expected);

    // The next answer starts the cycle again, now from the lit phase.
    ASSERT_EQ(group.applyOctets(octets({0x82, 0x02})), 0);
    seen = {blinking->brushColour()};
    for (int tick = 0; tick < 8; ++tick) {
        group.blinkTick();
        seen.push_back(blinking->brushColour());
    }
    const std::vector<NvLedColour> again{Black, Green, Black, Green, Black, Green, Black, Green, Green};
    EXPECT_EQ(seen, again);

    // An answer without the blink bit stops blinking at once.
    ASSERT_EQ(group.applyOctets(octets({0x02, 0x02})), 0);
    for (int tick = 0; tick < 3; ++tick) {
        group.blinkTick();
        EXPECT_EQ(blinking->brushColour(), Green);
    }
}

TEST(LedGroup, TimersAndStopPolling)
{
    QWidget owner;
    NvSNMPLedGroup group(&owner);
    auto* shape = new TLedShape(&owner);
    group.addLed(0, 0, NvSNMPLedColorMapList::mapB(), shape);
    EXPECT_TRUE(group.blinkTimer()->isActive());
    EXPECT_EQ(group.blinkTimer()->interval(), 60);
    EXPECT_FALSE(group.pollTimer()->isActive());
    EXPECT_EQ(group.pollTimer()->parent(), &owner);

    group.startPollTimer(300);
    EXPECT_TRUE(group.pollTimer()->isActive());
    EXPECT_EQ(group.pollTimer()->interval(), 3000);

    ASSERT_EQ(group.applyOctets(octets({0x85})), 0);
    EXPECT_EQ(shape->brushColour(), Red);
    group.stopPolling();
    EXPECT_FALSE(group.pollTimer()->isActive());
    EXPECT_FALSE(group.blinkTimer()->isActive());
    EXPECT_EQ(shape->brushColour(), Black);
    EXPECT_EQ(group.led(0).colour, Black);
    EXPECT_FALSE(group.led(0).blinking);
}

TEST(LedGroup, ResetLedsAfterAFailedReadTurnsEveryLedOff)
{
    QWidget owner;
    NvSNMPLedGroup group(&owner);
    auto* a = new TLedShape(&owner);
    auto* b = new TLedShape(&owner);
    group.addLed(0, 0, NvSNMPLedColorMapList::mapA(), a);
    group.addLed(0, 1, NvSNMPLedColorMapList::mapB(), b);
    ASSERT_EQ(group.applyOctets(octets({0x82, 5})), 0);
    group.resetLeds();
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(group.led(i).colour, Black);
        EXPECT_FALSE(group.led(i).blinking);
    }
    EXPECT_EQ(a->brushColour(), Black);
    EXPECT_EQ(b->brushColour(), Black);
    // Blink ticks keep it dark: nothing blinks any more.
    group.blinkTick();
    EXPECT_EQ(a->brushColour(), Black);
}

TEST(LedGroup, SurvivesItsShapesAndItsOwner)
{
    // Module forms keep their binding's timers on the main window: the shapes
    // may go first, or the owner may go first.
    auto* owner = new QWidget;
    auto* form = new QWidget;
    auto group = std::make_unique<NvSNMPLedGroup>(owner);
    group->addLed(0, 0, NvSNMPLedColorMapList::mapA(), new TLedShape(form));
    delete form;
    EXPECT_EQ(group->applyOctets(octets({2})), 0);
    group->blinkTick();
    delete owner;
    EXPECT_EQ(group->pollTimer(), nullptr);
    group->stopPolling();
    group.reset();
}

}  // namespace
