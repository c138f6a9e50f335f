#include "panels/DevicePictureFormUnit.h"

#include <QFrame>
#include <QLabel>

#include "bind/NvSNMPLedGroup.h"
#include "bind/NvSNMPRequest2Leds.h"
#include "panels/PanelArtwork.h"
#include "panels/PortButton.h"
#include "panels/PortButtonList.h"

TDevicePictureForm::TDevicePictureForm(QWidget* owner, TPanelLayout layout, const QString& objectName)
    : QWidget(owner), m_layout(std::move(layout))
{
    setObjectName(objectName);
    setFixedSize(m_layout.size);
    if (!owner)
        setWindowFlags(Qt::FramelessWindowHint);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, m_layout.size.width(), m_layout.size.height());
    Image1->setPixmap(TPanelArtwork::paint(m_layout));

    for (const auto& row : m_layout.leds) {
        auto* frame = new QFrame(this);
        frame->setObjectName(row.host);
        frame->setGeometry(row.at);
        frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
        frame->setAttribute(Qt::WA_TranslucentBackground);
    }
    for (const auto& b : m_layout.buttons) {
        auto* button = new TPortButton(this, b.style);
        button->setObjectName(b.name);
        button->setGeometry(b.rect);
    }
}

TDevicePictureForm::~TDevicePictureForm()
{
    FormClose();
}

void TDevicePictureForm::setStatusPanel(QLabel* panel)
{
    m_statusPanel = panel;
}

QString TDevicePictureForm::ledOffsets(size_t row) const
{
    return m_layout.leds[row].byteOffsets;
}

int TDevicePictureForm::portOf(const TPanelLayout::Button& button) const
{
    return button.port;
}

void TDevicePictureForm::buildLedRows(QWidget* timerOwner)
{
    try {
        m_ledBinding = std::make_unique<NvSNMPRequest2Leds>(timerOwner, m_unitNumber);
        m_ledBinding->setStatusTarget(m_statusPanel.data());
        for (size_t i = 0; i < m_layout.leds.size(); ++i) {
            const auto& row = m_layout.leds[i];
            const QString offsets = ledOffsets(i);
            if (offsets.isEmpty())
                continue;
            const auto& map =
                row.map == TPanelLayout::LedMap::B ? NvSNMPLedColorMapList::mapB() : NvSNMPLedColorMapList::mapA();
            m_ledBinding->addLedRow(0, offsets.toStdString(), map, ledHost(row.host), row.left, row.gap,
                                    TLedShape::Rectangle, row.width, row.height);
        }
    } catch (...) {
        // A picture that cannot build its LEDs still shows its artwork and buttons.
    }
}

void TDevicePictureForm::buildPortButtons(TPortButtonList& list)
{
    for (const auto& b : m_layout.buttons) {
        TPortButton* button = portButton(b.name);
        const int port = portOf(b);
        if (!button || port <= 0)
            continue;
        button->setTag((m_unitNumber - 1) * 64 + port);
        button->setToolTip(QStringLiteral("Port %1").arg(port));
        list.append(button);
    }
}

void TDevicePictureForm::FormClose()
{
    // Stops the timers and waits for an outstanding read before the binding
    // goes, so that no answer arrives for a freed binding.
    NvSNMPRequest2Controls::close(m_ledBinding);
}

NvSNMPLedGroup* TDevicePictureForm::ledBinding() const
{
    return m_ledBinding.get();
}

QFrame* TDevicePictureForm::ledHost(const QString& name) const
{
    return findChild<QFrame*>(name, Qt::FindDirectChildrenOnly);
}

TPortButton* TDevicePictureForm::portButton(const QString& name) const
{
    return findChild<TPortButton*>(name, Qt::FindDirectChildrenOnly);
}
