#include "panels/StackImageList.h"

#include <QPainter>
#include <QString>

namespace {

// Segments a..g of a seven-segment glyph, as bits 0..6.
int segmentsOf(QChar c)
{
    switch (c.unicode()) {
    case '0': return 0x3F;
    case '1': return 0x06;
    case '2': return 0x5B;
    case '3': return 0x4F;
    case '4': return 0x66;
    case '5': return 0x6D;
    case '6': return 0x7D;
    case '7': return 0x07;
    case '8': return 0x7F;
    case '9': return 0x6F;
    case 'F': return 0x71;
    default: return 0;
    }
}

void drawGlyph(QPainter& p, QChar c, const QRect& box)
{
    const int s = segmentsOf(c);
    const int l = box.left(), r = box.right(), t = box.top(), b = box.bottom();
    const int m = t + box.height() / 2 - 1;
    // Each segment is a 2-pixel stroke; horizontal ones span the inner width.
    auto hseg = [&](int y) { p.fillRect(QRect(l + 1, y, box.width() - 2, 2), p.pen().color()); };
    auto vseg = [&](int x, int y0, int y1) { p.fillRect(QRect(x, y0, 2, y1 - y0 + 1), p.pen().color()); };
    if (s & 0x01) hseg(t);
    if (s & 0x02) vseg(r - 1, t + 1, m);
    if (s & 0x04) vseg(r - 1, m + 1, b - 1);
    if (s & 0x08) hseg(b - 1);
    if (s & 0x10) vseg(l, m + 1, b - 1);
    if (s & 0x20) vseg(l, t + 1, m);
    if (s & 0x40) hseg(m);
}

QPixmap makeImage(const QString& text)
{
    QPixmap pm(TStackImageList::ImageSize, TStackImageList::ImageSize);
    pm.fill(Qt::black);
    QPainter p(&pm);
    p.setPen(QColor(210, 255, 220));
    const int glyphH = 12;
    const int top = (TStackImageList::ImageSize - glyphH) / 2;
    if (text.size() == 1) {
        const int w = 8;
        drawGlyph(p, text[0], QRect((TStackImageList::ImageSize - w) / 2, top, w, glyphH));
    } else {
        const int w = 6, gap = 2;
        const int left = (TStackImageList::ImageSize - (2 * w + gap)) / 2;
        drawGlyph(p, text[0], QRect(left, top, w, glyphH));
        drawGlyph(p, text[1], QRect(left + w + gap, top, w, glyphH));
    }
    return pm;
}

}  // namespace

TStackImageList::TStackImageList()
{
    for (int n = 1; n <= 13; ++n)
        m_images.append(makeImage(QString::number(n)));
    m_images.append(makeImage(QStringLiteral("F")));
}

QPixmap TStackImageList::image(int index) const
{
    if (index < 0 || index >= m_images.size())
        return QPixmap();
    return m_images.at(index);
}

void TStackImageList::draw(QPainter& painter, int x, int y, int index) const
{
    if (index < 0 || index >= m_images.size())
        return;
    painter.drawPixmap(x, y, m_images.at(index));
}
