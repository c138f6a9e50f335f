#include "panels/PanelArtwork.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "panels/PanelLayout.h"

namespace {

const QColor kText(232, 235, 240);

QFont panelFont(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// Buttons that stand close together share one bay.
std::vector<QRect> portBays(const TPanelLayout& layout)
{
    std::vector<QRect> bays;
    for (const auto& b : layout.buttons)
        bays.push_back(b.rect.adjusted(-3, -3, 3, 3));
    bool merged = true;
    while (merged) {
        merged = false;
        for (size_t i = 0; i < bays.size() && !merged; ++i) {
            for (size_t j = i + 1; j < bays.size(); ++j) {
                if (bays[i].intersects(bays[j])) {
                    bays[i] |= bays[j];
                    bays.erase(bays.begin() + static_cast<long>(j));
                    merged = true;
                    break;
                }
            }
        }
    }
    return bays;
}

void paintBody(QPainter& p, const QRect& r)
{
    // The body changes only from top to bottom: one column of it is painted
    // (gradient, then the faint horizontal grain of brushed metal, the same on
    // every run) and laid across the width, instead of a line per pixel row.
    QImage column(1, r.height(), QImage::Format_RGB32);
    {
        QPainter c(&column);
        QLinearGradient g(QPointF(0, 0), QPointF(0, r.height() - 1));
        g.setColorAt(0.0, QColor(112, 118, 127));
        g.setColorAt(0.08, QColor(92, 98, 107));
        g.setColorAt(0.9, QColor(70, 75, 83));
        g.setColorAt(1.0, QColor(52, 56, 62));
        c.fillRect(column.rect(), g);
        quint32 seed = 0x2545F491u;
        for (int y = 2; y < r.height() - 2; ++y) {
            seed = seed * 1664525u + 1013904223u;
            const int a = static_cast<int>((seed >> 24) % 14);
            c.fillRect(0, y, 1, 1, QColor(255, 255, 255, a));
        }
    }
    p.drawTiledPixmap(r, QPixmap::fromImage(column));

    p.setPen(QColor(150, 156, 165));
    p.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
    p.setPen(QColor(30, 32, 36));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

void paintBay(QPainter& p, const QRect& bay)
{
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(bay).adjusted(0.5, 0.5, -0.5, -0.5), 2.5, 2.5);
    QLinearGradient g(bay.topLeft(), bay.bottomLeft());
    g.setColorAt(0, QColor(34, 36, 40));
    g.setColorAt(1, QColor(48, 51, 56));
    p.fillPath(path, g);
    p.setPen(QPen(QColor(22, 23, 26), 1));
    p.drawPath(path);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(140, 146, 155));
    p.drawLine(bay.left() + 2, bay.bottom() + 1, bay.right() - 2, bay.bottom() + 1);
}

void paintWindow(QPainter& p, const QRect& led)
{
    const QRect w = led.adjusted(-1, -1, 1, 1);
    p.fillRect(w, QColor(20, 21, 24));
    p.setPen(QColor(150, 156, 165));
    p.drawLine(w.left(), w.bottom() + 1, w.right() + 1, w.bottom() + 1);
    p.drawLine(w.right() + 1, w.top(), w.right() + 1, w.bottom() + 1);
}

bool overlapsAny(const QRect& r, const std::vector<QRect>& taken)
{
    for (const auto& t : taken) {
        if (r.intersects(t))
            return true;
    }
    return false;
}

}  // namespace

QPixmap TPanelArtwork::paint(const TPanelLayout& layout)
{
    QPixmap pm(layout.size);
    pm.fill(Qt::black);
    QPainter p(&pm);
    const QRect body(QPoint(0, 0), layout.size);
    paintBody(p, body);

    // Everything printed must keep clear of sockets and LED windows.
    std::vector<QRect> taken;
    for (const auto& b : layout.buttons)
        taken.push_back(b.rect.adjusted(-1, -1, 1, 1));

    for (const QRect& bay : portBays(layout))
        paintBay(p, bay);
    for (const auto& b : layout.buttons)
        p.fillRect(b.rect.adjusted(-1, -1, 1, 1), QColor(14, 15, 18));

    for (const auto& row : layout.leds) {
        for (const QRect& led : TPanelLayout::ledRects(row)) {
            paintWindow(p, led);
            taken.push_back(led.adjusted(-1, -1, 2, 2));
        }
    }
    if (layout.stackPicture)
        taken.push_back(QRect(layout.stackPicturePos, QSize(26, 23)).adjusted(-1, -1, 1, 1));

    p.setPen(kText);
    for (const auto& l : layout.labels) {
        p.setFont(panelFont(l.pixelSize, l.bold));
        p.drawText(l.rect, l.flags, l.text);
        taken.push_back(l.rect);
    }

    // Numbers beside the LEDs of a group.
    p.setFont(panelFont(7, false));
    for (const auto& row : layout.leds) {
        if (row.numbers == TPanelLayout::NumberSide::None)
            continue;
        const auto leds = TPanelLayout::ledRects(row);
        for (size_t i = 0; i < leds.size(); ++i) {
            const QRect& led = leds[i];
            const QRect r = row.numbers == TPanelLayout::NumberSide::Above
                                ? QRect(led.center().x() - 7, led.top() - 10, 15, 8)
                                : QRect(led.center().x() - 7, led.bottom() + 3, 15, 8);
            p.drawText(r, Qt::AlignCenter, QString::number(row.numberFirst + static_cast<int>(i) * row.numberStep));
        }
    }

    // Port numbers above the upper row and below the lower row where there is room.
    p.setFont(panelFont(7, false));
    for (const auto& b : layout.buttons) {
        if (b.style == TPortButton::Fibre)
            continue;
        const bool above = b.style == TPortButton::RjUpper;
        const QRect r = above ? QRect(b.rect.left() - 2, b.rect.top() - 11, b.rect.width() + 4, 8)
                              : QRect(b.rect.left() - 2, b.rect.bottom() + 4, b.rect.width() + 4, 8);
        if (!body.adjusted(0, 1, 0, -1).contains(r) || overlapsAny(r, taken))
            continue;
        p.drawText(r, Qt::AlignCenter, QString::number(b.port));
    }
    return pm;
}
