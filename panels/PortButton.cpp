#include "panels/PortButton.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>

TPortButton::TPortButton(QWidget* parent, Style style) : QAbstractButton(parent), m_style(style)
{
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

void TPortButton::setStyle(Style style)
{
    m_style = style;
    update();
}

void TPortButton::setPopupMenu(QMenu* menu)
{
    m_popupMenu = menu;
}

void TPortButton::contextMenuEvent(QContextMenuEvent* event)
{
    emit popupRequested(this, event->globalPos());
    if (m_popupMenu) {
        m_popupMenu->setProperty("popupComponent", QVariant::fromValue<QObject*>(this));
        m_popupMenu->popup(event->globalPos());
    }
    event->accept();
}

void TPortButton::enterEvent(QEnterEvent* event)
{
    m_hover = true;
    update();
    QAbstractButton::enterEvent(event);
}

void TPortButton::leaveEvent(QEvent* event)
{
    m_hover = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void TPortButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    if (m_style == Fibre)
        paintFibre(p, r);
    else
        paintCopper(p, r);

    if (isChecked() || isDown()) {
        // The selected port: a bright frame and a faint tint over the socket.
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(r.adjusted(1, 1, -1, -1), QColor(80, 170, 255, 70));
        p.setPen(QPen(QColor(90, 200, 255), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(r).adjusted(1, 1, -1, -1));
    } else if (m_hover) {
        p.setPen(QPen(QColor(255, 255, 255, 160), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void TPortButton::paintCopper(QPainter& p, const QRect& r)
{
    // Metal shield around the socket.
    QLinearGradient shield(r.topLeft(), r.bottomLeft());
    shield.setColorAt(0, QColor(196, 200, 206));
    shield.setColorAt(1, QColor(132, 137, 145));
    p.fillRect(r, shield);
    p.setPen(QColor(70, 74, 80));
    p.drawRect(r.adjusted(0, 0, -1, -1));

    // The opening with the latch notch: at the bottom for the lower row, at the
    // top for the upper row, whose sockets sit upside down.
    const bool upper = m_style == RjUpper;
    const int w = r.width();
    const int h = r.height();
    const QRect body(2, upper ? 5 : 2, w - 4, h - 7);
    const int notchW = std::max(5, w / 3);
    const QRect notch((w - notchW) / 2, upper ? 2 : h - 5, notchW, 3);
    QPainterPath hole;
    hole.addRect(body);
    hole.addRect(notch);
    hole = hole.simplified();
    p.fillPath(hole, QColor(18, 19, 22));

    // Eight gold contacts on the side away from the latch.
    const int pinsTop = upper ? body.bottom() - 2 : body.top() + 1;
    const int pinsWidth = 15;
    const int x0 = (w - pinsWidth) / 2;
    for (int i = 0; i < 8; ++i)
        p.fillRect(x0 + 2 * i, pinsTop, 1, 2, QColor(212, 175, 55));

    // A lighter lip on the shield edge reads as a raised socket.
    p.setPen(QColor(235, 238, 242));
    p.drawLine(1, 1, w - 2, 1);
}

void TPortButton::paintFibre(QPainter& p, const QRect& r)
{
    QLinearGradient cage(r.topLeft(), r.bottomLeft());
    cage.setColorAt(0, QColor(206, 210, 216));
    cage.setColorAt(1, QColor(150, 155, 162));
    p.fillRect(r, cage);
    p.setPen(QColor(70, 74, 80));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const QRect slot = r.adjusted(3, 3, -3, -3);
    p.fillRect(slot, QColor(16, 17, 20));
    // Two ferrule openings of a duplex connector.
    if (slot.width() >= 12 && slot.height() >= 5) {
        const int d = std::min(slot.height() - 2, slot.width() / 3);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 76, 90));
        const int cy = slot.center().y() - d / 2;
        p.drawEllipse(QRect(slot.left() + slot.width() / 4 - d / 2, cy, d, d));
        p.drawEllipse(QRect(slot.left() + 3 * slot.width() / 4 - d / 2, cy, d, d));
        p.setRenderHint(QPainter::Antialiasing, false);
    }
}
