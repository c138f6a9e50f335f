#include "panels/PanelHV710FormUnit.h"

namespace {

using LedMap = TPanelLayout::LedMap;

constexpr int L = Qt::AlignLeft | Qt::AlignVCenter;
constexpr int C = Qt::AlignCenter;

TPanelLayout makeLayout()
{
    TPanelLayout t;
    t.model = QStringLiteral("HV-710");
    t.size = QSize(780, 89);

    // Copper ports 1-48 in two rows; buttons 49-52 are the fibre slots of ports 45-48.
    t.addPortRows({.lefts = {95, 120, 144, 168, 193, 219, 245, 272, 301, 326, 352, 377, 402, 426, 451, 476, 505, 531,
                             557, 582, 607, 633, 658, 682},
                   .upperTop = 20,
                   .lowerTop = 45});
    t.addButton(49, 45, QRect(713, 20, 23, 22), TPortButton::Fibre);
    t.addButton(50, 46, QRect(713, 48, 23, 23), TPortButton::Fibre);
    t.addButton(51, 47, QRect(741, 20, 23, 22), TPortButton::Fibre);
    t.addButton(52, 48, QRect(741, 48, 24, 23), TPortButton::Fibre);
    t.addLabels({
        {.text = "45", .rect = QRect(713, 9, 23, 9), .flags = C, .pixelSize = 7},
        {.text = "47", .rect = QRect(741, 9, 23, 9), .flags = C, .pixelSize = 7},
        {.text = "46", .rect = QRect(713, 74, 23, 9), .flags = C, .pixelSize = 7},
        {.text = "48", .rect = QRect(741, 74, 24, 9), .flags = C, .pixelSize = 7},
    });

    t.addSystemLeds({.left = 40, .tops = {29, 40, 51, 61}, .size = 7, .map = LedMap::A,
                     .labelLeft = 0, .labelWidth = 38, .labelHeight = 10, .labelRise = 1, .labelPixelSize = 7});
    // The first octet of each port: ports 1-16, 17-32 and 33-48.
    t.addLedRows({
        {.host = "LedPanel1", .at = QRect(95, 8, 201, 7),
         .byteOffsets = "4,6,8,10,12,14,16,18,20,22,24,26,28,30,32,34",
         .map = LedMap::A, .left = 0, .gap = 6, .width = 7, .height = 7},
        {.host = "LedPanel2", .at = QRect(298, 8, 201, 7),
         .byteOffsets = "36,38,40,42,44,46,48,50,52,54,56,58,60,62,64,66",
         .map = LedMap::A, .left = 0, .gap = 6, .width = 7, .height = 7},
        {.host = "LedPanel3", .at = QRect(502, 8, 201, 7),
         .byteOffsets = "68,70,72,74,76,78,80,82,84,86,88,90,92,94,96,98",
         .map = LedMap::A, .left = 0, .gap = 6, .width = 7, .height = 7},
    });
    t.addSingleLeds(LedMap::A, 7, {{.host = "SIOPanel1", .at = QPoint(60, 9), .byteOffset = "104"},
                                   {.host = "SIOPanel2", .at = QPoint(77, 9), .byteOffset = "106"}});
    t.stackPicture = true;
    t.stackPicturePos = QPoint(57, 45);

    t.addLabels({
        {.text = "HV-710", .rect = QRect(4, 3, 54, 16), .flags = L, .pixelSize = 12, .bold = true},
        {.text = "Norvane", .rect = QRect(4, 73, 80, 13), .flags = L, .pixelSize = 11, .bold = true},
        {.text = "Stack", .rect = QRect(56, 20, 32, 9), .flags = C, .pixelSize = 7},
        {.text = "Unit", .rect = QRect(56, 35, 28, 9), .flags = C, .pixelSize = 7},
    });
    return t;
}

}  // namespace

TPanelHV710Form::TPanelHV710Form(QWidget* owner) : TUnitPanelForm(owner, makeLayout()) {}
