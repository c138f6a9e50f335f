#include "panels/ExpansionModuleFormUnit.h"

#include <QFrame>
#include <QLabel>

#include "bind/NvSNMPLedGroup.h"
#include "bind/NvSNMPRequest2Leds.h"
#include "panels/PanelArtwork.h"
#include "panels/PortButton.h"
#include "panels/PortButtonList.h"

TExpansionModuleForm::TExpansionModuleForm(QWidget* owner, TPanelLayout layout)
    : QWidget(owner), m_layout(std::move(layout)), m_owner(owner)
{
    setObjectName(QStringLiteral("frm") + QString(m_layout.model).remove(QLatin1Char('-')));
    setFixedSize(m_layout.size);
    if (!owner)
        setWindowFlags(Qt::FramelessWindowHint);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, m_layout.size.width(), m_layout.size.height());
    Image1->setPixmap(TPanelArtwork::paint(m_layout));

    QFrame** hosts[] = {&pLedPort1, &pLedPort2};
    for (size_t i = 0; i < m_layout.hosts.size() && i < 2; ++i) {
        auto* frame = new QFrame(this);
        frame->setObjectName(m_layout.hosts[i].name);
        frame->setGeometry(m_layout.hosts[i].rect);
        frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
        *hosts[i] = frame;
    }
    TPortButton** buttons[] = {&SpeedButtonX, &SpeedButtonY};
    const QString names[] = {QStringLiteral("SpeedButtonX"), QStringLiteral("SpeedButtonY")};
    for (size_t i = 0; i < m_layout.buttons.size() && i < 2; ++i) {
        auto* button = new TPortButton(this, m_layout.buttons[i].style);
        button->setObjectName(names[i]);
        button->setGeometry(m_layout.buttons[i].rect);
        *buttons[i] = button;
    }
}

TExpansionModuleForm::~TExpansionModuleForm()
{
    FormClose();
}

std::unique_ptr<NvSNMPRequest2Leds> TExpansionModuleForm::createLedBinding(QWidget* owner)
{
    auto binding = std::make_unique<NvSNMPRequest2Leds>(owner, m_unitNumber);
    binding->setStatusTarget(m_statusPanel.data());
    return binding;
}

NvSNMPLedGroup* TExpansionModuleForm::ledBinding() const
{
    return m_ledBinding.get();
}

void TExpansionModuleForm::buildLeds()
{
    try {
        m_ledBinding = createLedBinding(m_owner ? m_owner.data() : this);
        const char* first = nullptr;
        const char* second = nullptr;
        if (m_hv720) {
            first = "52";
            second = "54";
        } else if (m_hv710) {
            first = "100";
            second = "102";
        }
        if (m_ledBinding && first) {
            const auto& map = NvSNMPLedColorMapList::mapA();
            m_ledBinding->addLedRow(0, first, map, pLedPort1, 1, 10, TLedShape::Rectangle, 6, 6);
            m_ledBinding->addLedRow(0, second, map, pLedPort2, 1, 10, TLedShape::Rectangle, 6, 6);
        }
    } catch (...) {
        // The module then shows no LEDs; nothing is reported.
    }
}

void TExpansionModuleForm::buildPortButtons(TPortButtonList& list)
{
    int firstPort = 0;
    if (m_hv720)
        firstPort = 25;
    else if (m_hv710)
        firstPort = 49;
    else
        return;
    // unit * 64 - 39 and - 38 for an HV-720, unit * 64 - 15 and - 14 for an HV-710.
    const int base = (m_unitNumber - 1) * 64 + firstPort;
    if (SpeedButtonX) {
        SpeedButtonX->setTag(base);
        SpeedButtonX->setToolTip(QStringLiteral("Port %1").arg(firstPort));
        list.append(SpeedButtonX);
    }
    if (SpeedButtonY) {
        SpeedButtonY->setTag(base + 1);
        SpeedButtonY->setToolTip(QStringLiteral("Port %1").arg(firstPort + 1));
        list.append(SpeedButtonY);
    }
}

void TExpansionModuleForm::FormClose()
{
    // Stops the timers and waits for an outstanding read before the binding
    // goes, so that no answer arrives for a freed binding.
    NvSNMPRequest2Controls::close(m_ledBinding);
}

void TExpansionModuleForm::setStatusPanel(QLabel* panel)
{
    m_statusPanel = panel;
}
