// The LED binding of a front panel against hv720-sim: the colours follow the
// octets the agent serves, missing octets show the no-data colour, a failed read
// turns the LEDs off and is reported on the status line.
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "bind/LedShape.h"
#include "bind/NvSNMPRequest2Leds.h"
#include "snmp/NvSNMPSession.h"
#include "tests/common/AgentSession.h"
#include "panels/PanelHV710FormUnit.h"
#include "panels/PanelHV720FormUnit.h"
#include "snmp/NvEventWait.h"
#include "tests/common/SimulatorProcess.h"

namespace {

const char* const kLedOid = "1.3.6.1.4.1.497.12.11.1.9.4.1.6";

// The LED status octets of a unit as the agent serves them, read with snmpget.
std::string servedOctets(const SimulatorProcess& sim, int unit)
{
    const auto result = sim.get({std::string(kLedOid) + "." + std::to_string(unit)}, {"-Ox"});
    std::string octets;
    const QString out = QString::fromStdString(result.out);
    const int start = out.indexOf("Hex-STRING:");
    if (start < 0)
        return octets;
    const QRegularExpression hexPair("\\b([0-9A-Fa-f]{2})\\b");
    auto it = hexPair.globalMatch(out.mid(start + 11));
    while (it.hasNext())
        octets.push_back(static_cast<char>(it.next().captured(1).toInt(nullptr, 16)));
    return octets;
}

class LedBindingAgentTest : public ::testing::Test {
protected:
    bool startAgent(std::vector<std::string> options)
    {
        // Frozen LEDs, so that the module and snmpget see the same octets.
        options.insert(options.end(), {"--led-period", "3600000"});
        if (!sim.start(options))
            return false;
        startSnmpSession(dir.path().toStdString());
        pointSessionAt(sim.port(), 100);
        return true;
    }

    QTemporaryDir dir;
    SimulatorProcess sim;
    QLabel status;
};

TEST_F(LedBindingAgentTest, ColoursFollowTheServedOctets)
{
    struct Case {
        const char* name;
        std::vector<std::string> options;
        int unit;
        bool hv710;
    };
    const Case cases[] = {
        {"full value", {"--unit", "model=HV-720", "--unit", "model=HV-720"}, 2, false},
        {"short value", {"--unit", "model=HV-720", "--short-leds", "1=10"}, 1, false},
        {"HV-710, 60 octets", {"--unit", "model=HV-710", "--short-leds", "1=60"}, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim.stop();
        ASSERT_TRUE(startAgent(c.options)) << sim.log();
        std::unique_ptr<TUnitPanelForm> panel;
        if (c.hv710)
            panel = std::make_unique<TPanelHV710Form>();
        else
            panel = std::make_unique<TPanelHV720Form>();
        panel->setUnitNumber(c.unit);
        panel->setStatusPanel(&status);
        panel->buildLeds(nullptr);
        NvSNMPRequest2Leds* leds = panel->ledRequest();
        ASSERT_NE(leds, nullptr);
        ASSERT_GT(leds->ledCount(), 0);
        leds->startPolling(300);
        EXPECT_TRUE(leds->pollTimer()->isActive());
        EXPECT_EQ(leds->pollTimer()->interval(), 3000);
        waitUntilIdle(leds->busy);

        const std::string octets = servedOctets(sim, c.unit);
        ASSERT_FALSE(octets.empty());
        int noData = 0;
        for (int i = 0; i < leds->ledCount(); ++i) {
            const LedBinding& led = leds->led(i);
            SCOPED_TRACE("octet " + std::to_string(led.byteOffset));
            if (led.byteOffset < static_cast<int>(octets.size())) {
                const auto b = static_cast<uint8_t>(octets[static_cast<size_t>(led.byteOffset)]);
                EXPECT_EQ(led.colour, led.map->lookup(b & led.map->valueMask));
                EXPECT_EQ(led.blinking, (b & led.map->blinkMask) != 0);
            } else {
                EXPECT_EQ(led.colour, led.map->noDataColour);
                EXPECT_FALSE(led.blinking);
                ++noData;
            }
        }
        if (octets.size() < 20) {
            EXPECT_GT(noData, 0) << "a short value leaves LEDs without data";
        }
        EXPECT_NE(status.text().indexOf("Led Status"), -1) << status.text().toStdString();
        panel->FormClose();
    }
}

TEST_F(LedBindingAgentTest, FailedReadTurnsTheLedsOffAndKeepsPolling)
{
    ASSERT_TRUE(startAgent({"--unit", "model=HV-720"})) << sim.log();
    TPanelHV720Form panel;
    panel.setUnitNumber(1);
    panel.setStatusPanel(&status);
    panel.buildLeds(nullptr);
    NvSNMPRequest2Leds* leds = panel.ledRequest();
    ASSERT_NE(leds, nullptr);
    leds->startPolling(300);
    waitUntilIdle(leds->busy);
    bool anyLit = false;
    for (int i = 0; i < leds->ledCount(); ++i)
        anyLit = anyLit || leds->led(i).colour != leds->led(i).map->offColour;
    ASSERT_TRUE(anyLit);

    // The agent goes away: the next poll times out.
    sim.stop();
    leds->request.timeout = 20;
    status.clear();
    leds->pollTick();
    waitUntilIdle(leds->busy);
    for (int i = 0; i < leds->ledCount(); ++i) {
        EXPECT_EQ(leds->led(i).colour, leds->led(i).map->offColour);
        EXPECT_FALSE(leds->led(i).blinking);
    }
    EXPECT_NE(status.text().indexOf("Led Status"), -1) << status.text().toStdString();
    EXPECT_TRUE(leds->pollTimer()->isActive());

    leds->stopPolling();
    EXPECT_FALSE(leds->pollTimer()->isActive());
    EXPECT_FALSE(leds->blinkTimer()->isActive());
}

TEST_F(LedBindingAgentTest, BlinkTimerRestsOnlyOnceEveryLedShowsItsColour)
{
    // The simulator marks active ports with the blink bit.
    ASSERT_TRUE(startAgent({"--unit", "model=HV-710", "--unit", "model=HV-720"})) << sim.log();
    TPanelHV710Form panel;
    panel.setUnitNumber(1);
    panel.setStatusPanel(&status);
    panel.buildLeds(nullptr);
    NvSNMPRequest2Leds* leds = panel.ledRequest();
    ASSERT_NE(leds, nullptr);
    leds->startPolling(300);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "first answer" : "next answer");
        waitUntilIdle(leds->busy);
        EXPECT_TRUE(leds->blinkTimer()->isActive());
        bool anyBlinking = false;
        for (int i = 0; i < leds->ledCount(); ++i)
            anyBlinking = anyBlinking || leds->led(i).blinking;
        EXPECT_TRUE(anyBlinking);
        // A safety limit only, against a timer that never rests.
        waitUntil([&] { return !leds->blinkTimer()->isActive(); }, 20000);
        ASSERT_FALSE(leds->blinkTimer()->isActive());
        for (int i = 0; i < leds->ledCount(); ++i)
            EXPECT_EQ(leds->led(i).shape->brushColour(), leds->led(i).colour) << "octet " << leds->led(i).byteOffset;
        leds->pollTick();
    }
    leds->stopPolling();
    EXPECT_FALSE(leds->blinkTimer()->isActive());
}

}  // namespace
