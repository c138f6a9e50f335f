// desktop-icon FILE.png [SIZE]: the program icon, painted from the front-panel
// artwork of three models stacked as in a switch stack (left end of each unit,
// where the system LEDs and the first ports are).
#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <cstdio>
#include <memory>
#include <vector>

#include "panels/PanelArtwork.h"
#include "panels/PanelHV630FormUnit.h"
#include "panels/PanelHV710FormUnit.h"
#include "panels/PanelHV720FormUnit.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: desktop-icon FILE.png [SIZE]\n");
        return 2;
    }
    const int size = argc == 3 ? QString::fromLocal8Bit(argv[2]).toInt() : 256;
    if (size < 16) {
        std::fprintf(stderr, "desktop-icon: SIZE is at least 16\n");
        return 2;
    }

    const std::unique_ptr<TUnitPanelForm> units[] = {
        std::make_unique<TPanelHV720Form>(),
        std::make_unique<TPanelHV710Form>(),
        std::make_unique<TPanelHV630Form>(),
    };
    const int margin = size / 32;
    const int gap = size / 32;
    const int width = size - 2 * margin;

    QPixmap icon(size, size);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Each unit: the left part of its picture, about 2.5 times as wide as high.
    std::vector<QPixmap> pictures;
    int total = 0;
    for (const auto& unit : units) {
        const QPixmap picture = TPanelArtwork::paint(unit->layout());
        const QPixmap part = picture.copy(0, 0, qMin(picture.width(), picture.height() * 5 / 2), picture.height());
        pictures.push_back(part.scaledToWidth(width, Qt::SmoothTransformation));
        total += pictures.back().height();
    }
    total += gap * static_cast<int>(pictures.size() - 1);
    int top = (size - total) / 2;
    for (const QPixmap& p : pictures) {
        painter.drawPixmap(margin, top, p);
        top += p.height() + gap;
    }
    painter.end();
    if (!icon.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "desktop-icon: cannot save %s\n", argv[1]);
        return 1;
    }
    return 0;
}
