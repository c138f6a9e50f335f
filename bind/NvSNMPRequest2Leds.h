#pragma once
// The LED binding of a front panel: reads the unit's LED status octet string
// every poll period and shows it on the LED shapes of NvSNMPLedGroup. A failed
// read turns every LED off and is reported on the status line only.
// Between the end of a blink cycle and the next answer the blink timer rests.
#include <memory>
#include <string>

#include "bind/NvSNMPLedGroup.h"
#include "bind/NvSNMPRequest2Controls.h"

class NvSNMPRequest2Leds : public NvSNMPRequest2Controls, public NvSNMPLedGroup {
public:
    static constexpr const char* ListName = " Led Status";
    static constexpr uint32_t ReadTimeout = 500;  // hundredths of a second

    // Asynchronous binding of the status value of one unit (instance = unit).
    NvSNMPRequest2Leds(QWidget* owner, int unit);
    ~NvSNMPRequest2Leds() override;

    // Poll timer at period x 10 ms, then a first read at once. A read that
    // cannot be made turns the LEDs off and is raised to the caller; the timer
    // stays enabled.
    void startPolling(int period);
    // One poll: a failure turns the LEDs off and goes to the status line.
    void pollTick() override;

    // Disables both timers and turns the LEDs off.
    void stopPolling();

    // True when the next blink tick would change no LED: nothing blinks, or the
    // blink cycle since the last answer is over.
    bool ledsSettled() const;

    // Stops both timers and switches the request off (the first step of the
    // base's closing protocol).
    void shutDown() override;

protected:
    // Decodes the answer; an LED that cannot be decoded raises its error.
    void rowReceived() override;
    void getFailed(const NvSNMPError& reply) override;

private:
    // The blink timer rests while the LEDs are settled and starts again with
    // the next answer, so that an idle stack costs no repaint ticks.
    bool m_blinkResting = false;
};
