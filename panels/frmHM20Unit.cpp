#include "panels/frmHM20Unit.h"

namespace {

TPanelLayout makeLayout()
{
    TPanelLayout t;
    t.model = QStringLiteral("HM-20");
    t.size = QSize(194, 40);
    t.buttons = {
        {.name = "SpeedButtonX", .port = 1, .rect = QRect(59, 16, 29, 15), .style = TPortButton::Fibre},
        {.name = "SpeedButtonY", .port = 2, .rect = QRect(141, 16, 29, 15), .style = TPortButton::Fibre},
    };
    // The LED positions of the picture; the octets come with the carrier.
    t.addLedRows({
        {.host = "pLedPort1", .at = QRect(27, 26, 7, 7), .byteOffsets = "0",
         .left = 1, .gap = 10, .width = 6, .height = 6},
        {.host = "pLedPort2", .at = QRect(108, 26, 7, 7), .byteOffsets = "0",
         .left = 1, .gap = 10, .width = 6, .height = 6},
    });
    t.addLabels({
        {.text = "HM-20", .rect = QRect(5, 2, 60, 12), .flags = Qt::AlignLeft | Qt::AlignVCenter, .pixelSize = 10,
         .bold = true},
        {.text = "L/A", .rect = QRect(18, 16, 26, 9), .flags = Qt::AlignCenter, .pixelSize = 7},
        {.text = "L/A", .rect = QRect(99, 16, 26, 9), .flags = Qt::AlignCenter, .pixelSize = 7},
    });
    return t;
}

}  // namespace

TfrmHM20::TfrmHM20(QWidget* owner) : TExpansionModuleForm(owner, makeLayout()) {}
