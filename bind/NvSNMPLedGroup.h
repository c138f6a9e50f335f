#pragma once
// The LED side of the LED binding: the list of LED shapes with their octet
// positions and colour maps, decoding of a received status value into colours
// and blink flags, the 60 ms blink timer and the (so far idle) poll timer.
// The binding that reads the status value derives from this class, calls
// applyOctets with the octets of every answer and runs a get in pollTick.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <QPointer>

#include "bind/LedShape.h"
#include "bind/NvSNMPLedColorMapList.h"
#include "snmp/NvMessageCatalogue.h"

#include <QTimer>
class QWidget;

struct LedBinding {
    int row = 0;                                 // index into the variable list
    int byteOffset = 0;                          // octet of the row's value that drives the LED
    const NvSNMPLedColorMapList* map = nullptr;  // not owned
    QPointer<TLedShape> shape;                   // owned by its form
    bool blinking = false;
    NvLedColour colour = 0;                      // the decoded colour
};

class NvSNMPLedGroup {
public:
    static constexpr int32_t OutOfRangeCode = ErrBitIndexRange;
    static constexpr int blinkTicks = 6;  // blinking stops after this many repaints following a poll
    static constexpr int blinkInterval = 60;

    // Both timers are created on the owner form: the poll timer disabled, the
    // blink timer running at 60 ms.
    explicit NvSNMPLedGroup(QWidget* owner);
    virtual ~NvSNMPLedGroup();
    NvSNMPLedGroup(const NvSNMPLedGroup&) = delete;
    NvSNMPLedGroup& operator=(const NvSNMPLedGroup&) = delete;

    QWidget* owner() const { return m_owner; }

    // Appends an LED in its map's off colour, not blinking, painted and shown.
    void addLed(int row, int byteOffset, const NvSNMPLedColorMapList& map, TLedShape* shape);
    // One shape per position of the comma-separated byteOffsets, parented to
    // panel at x = left + i * (gap + width), y = 1; the panel loses its bevels and
    // grows, if needed, to hold its LEDs. Returns false (after adding the LEDs
    // before it) when a position is not a number.
    bool addLedRow(int row, const std::string& byteOffsets, const NvSNMPLedColorMapList& map,
                   QWidget* panel, int left, int gap, int shapeKind, int width, int height);

    // A poll answer: the blink cycle restarts, every LED is decoded from the
    // octets of its row's value (all LEDs of the panels use row 0), then repainted.
    // Returns 0, or the error code of the first LED that could not be decoded (the
    // decoding stops there and nothing is repainted).
    int32_t applyOctets(const std::string& octets);
    // Colour and blink flag of one LED; an octet beyond the value gives the map's
    // no-data colour, or OutOfRangeCode for a map without one.
    virtual int32_t decodeLed(LedBinding& led, const std::string& octets);

    // Paints every LED in its phase (after every answer and every blink tick).
    void repaintLeds();
    // Every LED back to its map's off colour, not blinking.
    void resetLeds();

    // Poll timer interval = period x 10 ms, enabled. The first read is the caller's.
    void startPollTimer(int period);
    // Disables both timers and resets the LEDs.
    void stopPolling();

    // What one tick of each timer does.
    virtual void pollTick() {}
    void blinkTick() { repaintLeds(); }

    QTimer* pollTimer() const { return m_pollTimer; }
    QTimer* blinkTimer() const { return m_blinkTimer; }

    int ledCount() const { return static_cast<int>(leds.size()); }
    const LedBinding& led(int index) const { return *leds[static_cast<size_t>(index)]; }

    int32_t blinkCount = 0;  // repaints with a blinking LED since the last answer

protected:
    std::vector<std::unique_ptr<LedBinding>> leds;

private:
    QWidget* m_owner;
    QPointer<QTimer> m_pollTimer;
    QPointer<QTimer> m_blinkTimer;
};
