#include "panels/PanelHV640FormUnit.h"

namespace {

using LedMap = TPanelLayout::LedMap;

constexpr int L = Qt::AlignLeft | Qt::AlignVCenter;
constexpr int C = Qt::AlignCenter;

TPanelLayout makeLayout()
{
    TPanelLayout t;
    t.model = QStringLiteral("HV-640");
    t.size = QSize(780, 89);

    // Copper ports 1-24 in two rows; buttons 25-28 are the fibre slots of ports 21-24.
    t.addPortRows({.lefts = {348, 374, 399, 424, 450, 475, 507, 533, 558, 584, 608, 634},
                   .upperTop = 23,
                   .lowerTop = 46});
    const int fibreLefts[] = {664, 694, 723, 753};
    for (int i = 0; i < 4; ++i) {
        t.addButton(25 + i, 21 + i, QRect(fibreLefts[i], 52, 23, 22), TPortButton::Fibre);
        t.addLabels(
            {{.text = QString::number(21 + i), .rect = QRect(fibreLefts[i], 41, 23, 9), .flags = C, .pixelSize = 7}});
    }

    t.addSystemLeds({.left = 112, .tops = {30, 42, 55, 66}, .size = 5, .map = LedMap::B,
                     .labelLeft = 59, .labelWidth = 49, .labelHeight = 10, .labelRise = 3, .labelPixelSize = 7});
    t.addPortLedPairs({.left = 150, .tops = {19, 37, 50, 68}});
    t.addSingleLeds(LedMap::B, 5, {{.host = "SIOPanel1", .at = QPoint(304, 48), .byteOffset = "52"},
                                   {.host = "SIOPanel2", .at = QPoint(304, 65), .byteOffset = "54"}});
    t.stackPicture = true;
    t.stackPicturePos = QPoint(319, 48);

    t.addLabels({
        {.text = "HV-640", .rect = QRect(10, 5, 100, 18), .flags = L, .pixelSize = 16, .bold = true},
        {.text = "Managed Switch", .rect = QRect(10, 21, 100, 10), .flags = L, .pixelSize = 8},
        {.text = "Norvane", .rect = QRect(10, 72, 90, 13), .flags = L, .pixelSize = 11, .bold = true},
        {.text = "Stack", .rect = QRect(302, 36, 44, 9), .flags = C, .pixelSize = 7},
    });
    return t;
}

}  // namespace

TPanelHV640Form::TPanelHV640Form(QWidget* owner) : TUnitPanelForm(owner, makeLayout()) {}
