#include "bind/LedShape.h"

#include <algorithm>

#include <QPainter>

TLedShape::TLedShape(QWidget* parent, Kind kind) : QWidget(parent), m_kind(kind)
{
    setAttribute(Qt::WA_OpaquePaintEvent, kind == Rectangle || kind == Square);
}

void TLedShape::setKind(Kind kind)
{
    if (kind == m_kind)
        return;
    m_kind = kind;
    setAttribute(Qt::WA_OpaquePaintEvent, kind == Rectangle || kind == Square);
    update();
}

void TLedShape::setColour(NvLedColour colour)
{
    if (colour == m_brush && colour == m_pen)
        return;
    m_brush = colour;
    m_pen = colour;
    update();
}

void TLedShape::setBrushColour(NvLedColour colour)
{
    if (colour == m_brush)
        return;
    m_brush = colour;
    update();
}

void TLedShape::setPenColour(NvLedColour colour)
{
    if (colour == m_pen)
        return;
    m_pen = colour;
    update();
}

void TLedShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor fill = NvSNMPLedColorMapList::toQColor(m_brush);
    const QColor outline = NvSNMPLedColorMapList::toQColor(m_pen);
    QRect r = rect();
    if (m_kind == Square || m_kind == RoundSquare || m_kind == Circle) {
        const int side = std::min(r.width(), r.height());
        r = QRect(r.x() + (r.width() - side) / 2, r.y() + (r.height() - side) / 2, side, side);
    }
    const bool round = m_kind == RoundRect || m_kind == RoundSquare;
    const bool oval = m_kind == Ellipse || m_kind == Circle;
    if (round || oval)
        p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    const QRectF inner = QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
    if (oval)
        p.drawEllipse(inner);
    else if (round)
        p.drawRoundedRect(inner, r.width() / 4.0, r.height() / 4.0);
    else
        p.fillRect(r, fill);

    // A lit LED gets a small glint so that it reads as a lamp rather than paint.
    const bool lit = fill.value() > 60 && r.width() >= 5 && r.height() >= 5;
    if (lit) {
        QColor glint = fill.lighter(170);
        glint.setAlpha(200);
        p.fillRect(QRect(r.x() + 1, r.y() + 1, std::max(1, r.width() / 3), 1), glint);
    }

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(outline, 1));
    if (oval)
        p.drawEllipse(inner);
    else if (round)
        p.drawRoundedRect(inner, r.width() / 4.0, r.height() / 4.0);
    else
        p.drawRect(r.adjusted(0, 0, -1, -1));
}
