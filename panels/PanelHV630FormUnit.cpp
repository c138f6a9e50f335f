#include "panels/PanelHV630FormUnit.h"

namespace {

using LedMap = TPanelLayout::LedMap;

constexpr int L = Qt::AlignLeft | Qt::AlignVCenter;
constexpr int C = Qt::AlignCenter;

TPanelLayout makeLayout()
{
    TPanelLayout t;
    t.model = QStringLiteral("HV-630");
    t.size = QSize(780, 89);

    // Copper ports 1-24 in two rows; buttons 25-32 are the fibre slots of ports 17-24.
    t.addPortRows({.lefts = {348, 373, 398, 423, 448, 474, 508, 533, 559, 584, 608, 633},
                   .upperTop = 21,
                   .lowerTop = 48});
    const int fibreLefts[] = {662, 692, 721, 751};
    for (int i = 0; i < 4; ++i) {
        t.addButton(25 + i, 17 + i, QRect(fibreLefts[i], 19, 23, 22), TPortButton::Fibre);
        t.addButton(29 + i, 21 + i, QRect(fibreLefts[i], 49, 23, 23), TPortButton::Fibre);
        t.addLabels({
            {.text = QString::number(17 + i), .rect = QRect(fibreLefts[i], 8, 23, 9), .flags = C, .pixelSize = 7},
            {.text = QString::number(21 + i), .rect = QRect(fibreLefts[i], 75, 23, 9), .flags = C, .pixelSize = 7},
        });
    }

    t.addSystemLeds({.left = 113, .tops = {31, 42, 53, 64}, .size = 5, .map = LedMap::B,
                     .labelLeft = 60, .labelWidth = 49, .labelHeight = 10, .labelRise = 3, .labelPixelSize = 7});
    t.addPortLedPairs({.left = 150, .tops = {19, 37, 49, 67}});
    t.addSingleLeds(LedMap::B, 5, {{.host = "SIOPanel1", .at = QPoint(310, 35), .byteOffset = "52"},
                                   {.host = "SIOPanel2", .at = QPoint(310, 51), .byteOffset = "54"},
                                   {.host = "SIOPanel3", .at = QPoint(310, 67), .byteOffset = "56"},
                                   {.host = "SIOPanel4", .at = QPoint(322, 35), .byteOffset = "58"},
                                   {.host = "SIOPanel5", .at = QPoint(322, 51), .byteOffset = "60"},
                                   {.host = "SIOPanel6", .at = QPoint(323, 67), .byteOffset = "62"}});
    t.stackPicture = false;

    t.addLabels({
        {.text = "HV-630", .rect = QRect(10, 5, 100, 18), .flags = L, .pixelSize = 16, .bold = true},
        {.text = "Managed Switch", .rect = QRect(10, 21, 100, 10), .flags = L, .pixelSize = 8},
        {.text = "Norvane", .rect = QRect(10, 72, 90, 13), .flags = L, .pixelSize = 11, .bold = true},
        {.text = "Stack", .rect = QRect(302, 24, 32, 9), .flags = C, .pixelSize = 7},
    });
    return t;
}

}  // namespace

TPanelHV630Form::TPanelHV630Form(QWidget* owner) : TUnitPanelForm(owner, makeLayout()) {}
