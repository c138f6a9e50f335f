#include "bind/NvSNMPRequest2Leds.h"

#include "snmp/NvMessageCatalogue.h"
#include "snmp/NvOptionList.h"
#include "snmp/NvSNMPVarDescriptor.h"

namespace {

const NvSNMPVarDescriptor LedStatusVars[] = {
    {"1.3.6.1.4.1.497.12.11.1.9.4.1.6", "swUnitMgmtFrontPanelLedStatus", SyntaxOctets, AccessReadable, nullptr},
    {},
};

}  // namespace

NvSNMPRequest2Leds::NvSNMPRequest2Leds(QWidget* owner, int unit)
    : NvSNMPRequest2Controls(owner), NvSNMPLedGroup(owner)
{
    asynchronous = true;
    request.varList = NvSNMPVarList(LedStatusVars, NvSNMPVarList::SingleInstance, 0);
    request.varList.instance = std::to_string(unit);
    request.varList.name = ListName;
    request.timeout = ReadTimeout;

    // Runs after the group's own repaint of the same tick.
    QObject::connect(blinkTimer(), &QTimer::timeout, blinkTimer(), [this] {
        if (ledsSettled()) {
            blinkTimer()->stop();
            m_blinkResting = true;
        }
    });
}

NvSNMPRequest2Leds::~NvSNMPRequest2Leds()
{
    shutDown();
}

void NvSNMPRequest2Leds::startPolling(int period)
{
    startPollTimer(period);
    try {
        get();
    } catch (const NvSNMPException&) {
        resetLeds();
        throw;
    }
}

void NvSNMPRequest2Leds::pollTick()
{
    // A read still out (a slow or silent agent) is this tick's read: asking
    // again would only queue reads behind it.
    if (busy)
        return;
    try {
        get();
    } catch (const NvSNMPException& e) {
        resetLeds();
        showStatus(e.what());
    }
}

void NvSNMPRequest2Leds::stopPolling()
{
    m_blinkResting = false;
    NvSNMPLedGroup::stopPolling();
}

bool NvSNMPRequest2Leds::ledsSettled() const
{
    if (blinkCount > blinkTicks + 1)
        return true;
    for (const auto& led : leds) {
        if (led->blinking)
            return false;
    }
    return true;
}

void NvSNMPRequest2Leds::shutDown()
{
    stopPolling();
    NvSNMPRequest2Controls::shutDown();
}

void NvSNMPRequest2Leds::rowReceived()
{
    const NvSNMPVarRow& row = request.varList.row(0);
    const std::string value = row.options ? row.options->valueOfLabel(row.value) : row.value;
    const int32_t code = applyOctets(textToOctets(value, row.syntax));
    if (code != 0)
        throw errorOfCode(code);
    if (m_blinkResting) {
        m_blinkResting = false;
        blinkTimer()->start();
    }
}

void NvSNMPRequest2Leds::getFailed(const NvSNMPError& reply)
{
    resetLeds();
    showStatus(reply.message);
}
