#pragma once
// The stack-number glyphs: 14 images of 16 x 16 pixels, light segment strokes on
// black. Images 0 to 12 show the numbers 1 to 13, image 13 the letter F; the
// panel of unit n shows image n - 1.
#include <QPixmap>
#include <QVector>

class QPainter;

class TStackImageList {
public:
    static constexpr int ImageSize = 16;

    TStackImageList();

    int count() const { return static_cast<int>(m_images.size()); }
    // The image, or a null pixmap for an index outside the list.
    QPixmap image(int index) const;
    // Draws the image at (x, y); an index outside the list draws nothing.
    void draw(QPainter& painter, int x, int y, int index) const;

private:
    QVector<QPixmap> m_images;
};
