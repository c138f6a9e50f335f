#include "panels/UnitPanelFormUnit.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>

#include "bind/NvSNMPLedGroup.h"
#include "bind/NvSNMPRequest2Leds.h"
#include "panels/PanelArtwork.h"
#include "panels/PortButton.h"
#include "panels/PortButtonList.h"
#include "panels/StackImageList.h"

TUnitPanelForm::TUnitPanelForm(QWidget* owner, TPanelLayout layout) : QWidget(owner), m_layout(std::move(layout))
{
    setObjectName(QStringLiteral("TPanel") + QString(m_layout.model).remove(QLatin1Char('-')) +
                  QStringLiteral("Form"));
    setFixedSize(m_layout.size);
    if (!owner)
        setWindowFlags(Qt::FramelessWindowHint);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, m_layout.size.width(), m_layout.size.height());
    Image1->setPixmap(TPanelArtwork::paint(m_layout));

    for (const auto& h : m_layout.hosts) {
        auto* frame = new QFrame(this);
        frame->setObjectName(h.name);
        frame->setGeometry(h.rect);
        frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
        frame->setAttribute(Qt::WA_TranslucentBackground);
    }

    if (m_layout.stackPicture) {
        Panel1 = new QFrame(this);
        Panel1->setObjectName(QStringLiteral("Panel1"));
        Panel1->setGeometry(QRect(m_layout.stackPicturePos, QSize(26, 23)));
        Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        Panel1->setLineWidth(1);
        StackImage = new QLabel(Panel1);
        StackImage->setObjectName(QStringLiteral("StackImage"));
        StackImage->setGeometry(1, 1, 24, 21);
        StackImage->setAutoFillBackground(true);
        QPalette pal = StackImage->palette();
        pal.setColor(QPalette::Window, Qt::black);
        StackImage->setPalette(pal);
    }

    for (const auto& b : m_layout.buttons) {
        auto* button = new TPortButton(this, b.style);
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(b.number));
        button->setGeometry(b.rect);
        button->setToolTip(QStringLiteral("Port %1").arg(b.port));
    }
}

TUnitPanelForm::~TUnitPanelForm()
{
    FormClose();
}

std::unique_ptr<NvSNMPRequest2Leds> TUnitPanelForm::createLedBinding()
{
    auto binding = std::make_unique<NvSNMPRequest2Leds>(this, m_unitNumber);
    binding->setStatusTarget(m_statusPanel.data());
    return binding;
}

NvSNMPLedGroup* TUnitPanelForm::ledBinding() const
{
    return m_ledBinding.get();
}

void TUnitPanelForm::buildLeds(const TStackImageList* imageList)
{
    try {
        m_ledBinding = createLedBinding();
        if (m_ledBinding) {
            for (const auto& g : m_layout.groups) {
                const auto& map = g.mapB ? NvSNMPLedColorMapList::mapB() : NvSNMPLedColorMapList::mapA();
                m_ledBinding->addLedRow(0, g.byteOffsets.toStdString(), map, ledHost(g.host), g.left, g.gap,
                                        TLedShape::Rectangle, g.width, g.height);
            }
        }
    } catch (...) {
        // A panel that cannot build its LEDs still shows its picture and buttons.
    }

    if (StackImage && imageList) {
        QPixmap pm(StackImage->size());
        pm.fill(Qt::black);
        QPainter p(&pm);
        imageList->draw(p, (pm.width() - TStackImageList::ImageSize) / 2,
                        (pm.height() - TStackImageList::ImageSize) / 2, m_unitNumber - 1);
        p.end();
        StackImage->setPixmap(pm);
    }
}

void TUnitPanelForm::buildPortButtons(TPortButtonList& list)
{
    for (const auto& b : m_layout.buttons) {
        TPortButton* button = portButton(b.number);
        if (!button)
            continue;
        button->setTag((m_unitNumber - 1) * 64 + b.port);
        list.append(button);
    }
}

void TUnitPanelForm::FormClose()
{
    // Stops the timers and waits for an outstanding read before the binding
    // goes, so that no answer arrives for a freed binding.
    NvSNMPRequest2Controls::close(m_ledBinding);
}

TPortButton* TUnitPanelForm::portButton(int n) const
{
    return findChild<TPortButton*>(QStringLiteral("SpeedButton%1").arg(n), Qt::FindDirectChildrenOnly);
}

QFrame* TUnitPanelForm::ledHost(const QString& name) const
{
    return findChild<QFrame*>(name, Qt::FindDirectChildrenOnly);
}

void TUnitPanelForm::setStatusPanel(QLabel* panel)
{
    m_statusPanel = panel;
}
