#include "bind/NvSNMPLedGroup.h"

#include <QFrame>
#include <QTimer>
#include <QWidget>

#include "snmp/NvNumList.h"

NvSNMPLedGroup::NvSNMPLedGroup(QWidget* owner) : m_owner(owner)
{
    m_pollTimer = new QTimer(owner);
    m_pollTimer->setObjectName(QStringLiteral("pollTimer"));
    QObject::connect(m_pollTimer, &QTimer::timeout, owner, [this] { pollTick(); });

    m_blinkTimer = new QTimer(owner);
    m_blinkTimer->setObjectName(QStringLiteral("blinkTimer"));
    m_blinkTimer->setInterval(blinkInterval);
    QObject::connect(m_blinkTimer, &QTimer::timeout, owner, [this] { blinkTick(); });
    m_blinkTimer->start();
}

NvSNMPLedGroup::~NvSNMPLedGroup()
{
    stopPolling();
    // The timers belong to the owner form and go with it; nothing of this
    // group may run on their ticks any more.
    for (QTimer* timer : {m_pollTimer.data(), m_blinkTimer.data()}) {
        if (timer)
            timer->disconnect();
    }
}

void NvSNMPLedGroup::addLed(int row, int byteOffset, const NvSNMPLedColorMapList& map, TLedShape* shape)
{
    auto led = std::make_unique<LedBinding>();
    led->row = row;
    led->byteOffset = byteOffset;
    led->map = &map;
    led->shape = shape;
    led->blinking = false;
    led->colour = map.offColour;
    if (shape) {
        shape->setColour(map.offColour);
        shape->show();
    }
    leds.push_back(std::move(led));
}

bool NvSNMPLedGroup::addLedRow(int row, const std::string& byteOffsets, const NvSNMPLedColorMapList& map,
                               QWidget* panel, int left, int gap, int shapeKind, int width, int height)
{
    bool ok = true;
    int i = 0;
    QRect used;
    for (std::string_view item : splitNumberList(byteOffsets, ',')) {
        const std::optional<int32_t> offset = wholeNumber(item);
        ok = offset.has_value();
        if (!ok)
            break;
        auto* shape = new TLedShape(panel, static_cast<TLedShape::Kind>(shapeKind));
        shape->setGeometry(left + i * (gap + width), 1, width, height);
        used |= shape->geometry();
        addLed(row, *offset, map, shape);
        ++i;
    }
    if (panel) {
        if (auto* frame = qobject_cast<QFrame*>(panel))
            frame->setFrameShape(QFrame::NoFrame);
        // A host drawn a pixel too small for its LEDs would clip them.
        const QSize need(std::max(panel->width(), used.right() + 1), std::max(panel->height(), used.bottom() + 1));
        if (need != panel->size())
            panel->resize(need);
    }
    return ok;
}

int32_t NvSNMPLedGroup::applyOctets(const std::string& octets)
{
    blinkCount = 0;
    for (auto& led : leds) {
        const int32_t code = decodeLed(*led, octets);
        if (code != 0)
            return code;
    }
    repaintLeds();
    return 0;
}

int32_t NvSNMPLedGroup::decodeLed(LedBinding& led, const std::string& octets)
{
    const NvSNMPLedColorMapList& map = *led.map;
    if (led.byteOffset >= 0 && static_cast<size_t>(led.byteOffset) < octets.size()) {
        const auto b = static_cast<uint8_t>(octets[static_cast<size_t>(led.byteOffset)]);
        led.colour = map.lookup(b & map.valueMask);
        led.blinking = (b & map.blinkMask) != 0;
        return 0;
    }
    if (map.noDataColour == NvSNMPLedColorMapList::NoColour)
        return OutOfRangeCode;
    led.colour = map.noDataColour;
    led.blinking = false;
    return 0;
}

void NvSNMPLedGroup::repaintLeds()
{
    bool anyBlinking = false;
    for (auto& led : leds) {
        if (!led->shape)
            continue;
        if (!led->blinking) {
            led->shape->setColour(led->colour);
        } else {
            anyBlinking = true;
            if (led->shape->brushColour() == led->map->offColour || blinkCount > blinkTicks)
                led->shape->setColour(led->colour);
            else
                led->shape->setColour(led->map->offColour);
        }
        if (led->shape->isHidden())
            led->shape->show();
    }
    if (anyBlinking)
        ++blinkCount;
}

void NvSNMPLedGroup::resetLeds()
{
    for (auto& led : leds) {
        led->blinking = false;
        led->colour = led->map->offColour;
        if (led->shape) {
            led->shape->setColour(led->map->offColour);
            led->shape->show();
        }
    }
}

void NvSNMPLedGroup::startPollTimer(int period)
{
    if (!m_pollTimer)
        return;
    m_pollTimer->setInterval(period * 10);
    m_pollTimer->start();
}

void NvSNMPLedGroup::stopPolling()
{
    if (m_pollTimer)
        m_pollTimer->stop();
    if (m_blinkTimer)
        m_blinkTimer->stop();
    resetLeds();
}
