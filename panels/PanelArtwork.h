#pragma once
// Our own artwork of the device pictures, painted from a panel layout: a metal
// body, dark port bays with a well under every port button, recessed windows
// under the LEDs, and the printed labels.
#include <QPixmap>

struct TPanelLayout;

class TPanelArtwork {
public:
    static QPixmap paint(const TPanelLayout& layout);
};
