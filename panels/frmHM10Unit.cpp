#include "panels/frmHM10Unit.h"

namespace {

TPanelLayout makeLayout()
{
    TPanelLayout t;
    t.model = QStringLiteral("HM-10");
    t.size = QSize(194, 40);
    t.buttons = {
        {.name = "SpeedButtonX", .port = 1, .rect = QRect(34, 8, 24, 24), .style = TPortButton::RjLower},
        {.name = "SpeedButtonY", .port = 2, .rect = QRect(132, 8, 24, 24), .style = TPortButton::RjLower},
    };
    // The LED positions of the picture; the octets come with the carrier.
    t.addLedRows({
        {.host = "pLedPort1", .at = QRect(8, 19, 7, 7), .byteOffsets = "0",
         .left = 1, .gap = 10, .width = 6, .height = 6},
        {.host = "pLedPort2", .at = QRect(105, 19, 7, 7), .byteOffsets = "0",
         .left = 1, .gap = 10, .width = 6, .height = 6},
    });
    t.addLabels({
        {.text = "HM-10", .rect = QRect(59, 14, 37, 12), .flags = Qt::AlignCenter, .pixelSize = 9, .bold = true},
        {.text = "L/A", .rect = QRect(0, 9, 24, 9), .flags = Qt::AlignCenter, .pixelSize = 7},
        {.text = "L/A", .rect = QRect(97, 9, 24, 9), .flags = Qt::AlignCenter, .pixelSize = 7},
    });
    return t;
}

}  // namespace

TfrmHM10::TfrmHM10(QWidget* owner) : TExpansionModuleForm(owner, makeLayout()) {}
