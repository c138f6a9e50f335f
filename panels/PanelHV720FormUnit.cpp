#include "panels/PanelHV720FormUnit.h"

namespace {

using LedMap = TPanelLayout::LedMap;
using NumberSide = TPanelLayout::NumberSide;

constexpr int R = Qt::AlignRight | Qt::AlignVCenter;
constexpr int L = Qt::AlignLeft | Qt::AlignVCenter;
constexpr int C = Qt::AlignCenter;

TPanelLayout makeLayout()
{
    TPanelLayout t;
    t.model = QStringLiteral("HV-720");
    t.size = QSize(780, 89);

    // Copper ports 1-24 in two rows; buttons 25-28 are the fibre slots of ports 21-24.
    t.addPortRows({.lefts = {335, 362, 389, 416, 443, 469, 496, 523, 549, 576, 603, 630},
                   .upperTop = 21,
                   .lowerTop = 47});
    const int fibreLefts[] = {663, 692, 722, 752};
    const int fibreTops[] = {48, 48, 49, 49};
    for (int i = 0; i < 4; ++i) {
        t.addButton(25 + i, 21 + i, QRect(fibreLefts[i], fibreTops[i], 23, 22), TPortButton::Fibre);
        t.addLabels({{.text = QString::number(21 + i),
                      .rect = QRect(fibreLefts[i], fibreTops[i] - 11, 23, 9),
                      .flags = C,
                      .pixelSize = 7}});
    }

    t.addSystemLeds({.left = 73, .tops = {27, 39, 52, 63}, .size = 7, .map = LedMap::A,
                     .labelLeft = 14, .labelWidth = 56, .labelHeight = 12, .labelRise = 2, .labelPixelSize = 8});
    // The first octet of each port: odd ports 1-23 above, even ports 2-24 below.
    t.addLedRows({
        {.host = "LedPanel1", .at = QRect(178, 51, 150, 7), .byteOffsets = "4,8,12,16,20,24,28,32,36,40,44,48",
         .map = LedMap::A, .left = 0, .gap = 7, .width = 6, .height = 6,
         .numbers = NumberSide::Above, .numberFirst = 1, .numberStep = 2},
        {.host = "LedPanel2", .at = QRect(178, 58, 150, 7), .byteOffsets = "6,10,14,18,22,26,30,34,38,42,46,50",
         .map = LedMap::A, .left = 0, .gap = 7, .width = 6, .height = 6,
         .numbers = NumberSide::Below, .numberFirst = 2, .numberStep = 2},
    });
    t.addSingleLeds(LedMap::A, 7, {{.host = "SIOPanel1", .at = QPoint(90, 46), .byteOffset = "56"},
                                   {.host = "SIOPanel2", .at = QPoint(90, 62), .byteOffset = "58"}});
    t.stackPicture = true;
    t.stackPicturePos = QPoint(111, 47);

    t.addLabels({
        {.text = "Norvane", .rect = QRect(10, 5, 120, 15), .flags = L, .pixelSize = 13, .bold = true},
        {.text = "HV-720", .rect = QRect(178, 6, 150, 18), .flags = L, .pixelSize = 16, .bold = true},
        {.text = "24-Port Stackable Managed Switch", .rect = QRect(178, 25, 152, 10), .flags = L, .pixelSize = 7},
        {.text = "Stack", .rect = QRect(86, 35, 54, 10), .flags = C, .pixelSize = 8},
        {.text = "Link/Act", .rect = QRect(128, 50, 46, 16), .flags = R, .pixelSize = 8},
    });
    return t;
}

}  // namespace

TPanelHV720Form::TPanelHV720Form(QWidget* owner) : TUnitPanelForm(owner, makeLayout()) {}
