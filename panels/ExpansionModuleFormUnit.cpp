#include "panels/ExpansionModuleFormUnit.h"

#include <iterator>

#include <QFrame>

namespace {

using Carrier = TExpansionModuleForm::Carrier;

// What the module's two ports are on each carrying model: the ports of the
// unit and the octets of their LEDs in the unit's status value.
struct CarrierPorts {
    Carrier carrier;
    int firstPort;
    const char* ledOctets[2];
};

constexpr CarrierPorts kCarrierPorts[] = {
    {.carrier = Carrier::HV720, .firstPort = 25, .ledOctets = {"52", "54"}},
    {.carrier = Carrier::HV710, .firstPort = 49, .ledOctets = {"100", "102"}},
};

const CarrierPorts* portsOf(Carrier carrier)
{
    for (const CarrierPorts& c : kCarrierPorts) {
        if (c.carrier == carrier)
            return &c;
    }
    return nullptr;
}

}  // namespace

TExpansionModuleForm::TExpansionModuleForm(QWidget* owner, TPanelLayout layout)
    : TDevicePictureForm(owner, layout, QStringLiteral("frm") + QString(layout.model).remove(QLatin1Char('-'))),
      m_owner(owner)
{
    SpeedButtonX = portButton(QStringLiteral("SpeedButtonX"));
    SpeedButtonY = portButton(QStringLiteral("SpeedButtonY"));
    pLedPort1 = ledHost(QStringLiteral("pLedPort1"));
    pLedPort2 = ledHost(QStringLiteral("pLedPort2"));
}

void TExpansionModuleForm::buildLeds()
{
    buildLedRows(m_owner ? m_owner.data() : this);
}

QString TExpansionModuleForm::ledOffsets(size_t row) const
{
    const CarrierPorts* ports = portsOf(m_carrier);
    if (!ports || row >= std::size(ports->ledOctets))
        return {};
    return QString::fromLatin1(ports->ledOctets[row]);
}

int TExpansionModuleForm::portOf(const TPanelLayout::Button& button) const
{
    // The layout numbers the module's own ports 1 and 2.
    const CarrierPorts* ports = portsOf(m_carrier);
    return ports ? ports->firstPort + button.port - 1 : 0;
}
