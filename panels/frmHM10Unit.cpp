#include "panels/frmHM10Unit.h"

namespace {

TPanelLayout makeLayout()
{
    TPanelLayout t;
    t.model = QStringLiteral("HM-10");
    t.size = QSize(194, 40);
    t.addButton(1, 1, 34, 8, 24, 24, TPortButton::RjLower);
    t.addButton(2, 2, 132, 8, 24, 24, TPortButton::RjLower);
    t.hosts = {{QStringLiteral("pLedPort1"), QRect(8, 19, 7, 7)},
               {QStringLiteral("pLedPort2"), QRect(105, 19, 7, 7)}};
    // The LED positions of the picture; the octets come with the carrier.
    t.groups = {{QStringLiteral("pLedPort1"), QStringLiteral("0"), false, 1, 10, 6, 6},
                {QStringLiteral("pLedPort2"), QStringLiteral("0"), false, 1, 10, 6, 6}};
    t.addLabel(QStringLiteral("HM-10"), QRect(59, 14, 37, 12), Qt::AlignCenter, 9, true);
    t.addLabel(QStringLiteral("L/A"), QRect(0, 9, 24, 9), Qt::AlignCenter, 7);
    t.addLabel(QStringLiteral("L/A"), QRect(97, 9, 24, 9), Qt::AlignCenter, 7);
    return t;
}

}  // namespace

TfrmHM10::TfrmHM10(QWidget* owner) : TExpansionModuleForm(owner, makeLayout()) {}
