#include "panels/frmHM20Unit.h"

namespace {

TPanelLayout makeLayout()
{
    TPanelLayout t;
    t.model = QStringLiteral("HM-20");
    t.size = QSize(194, 40);
    t.addButton(1, 1, 59, 16, 29, 15, TPortButton::Fibre);
    t.addButton(2, 2, 141, 16, 29, 15, TPortButton::Fibre);
    t.hosts = {{QStringLiteral("pLedPort1"), QRect(27, 26, 7, 7)},
               {QStringLiteral("pLedPort2"), QRect(108, 26, 7, 7)}};
    // The LED positions of the picture; the octets come with the carrier.
    t.groups = {{QStringLiteral("pLedPort1"), QStringLiteral("0"), false, 1, 10, 6, 6},
                {QStringLiteral("pLedPort2"), QStringLiteral("0"), false, 1, 10, 6, 6}};
    t.addLabel(QStringLiteral("HM-20"), QRect(5, 2, 60, 12), Qt::AlignLeft | Qt::AlignVCenter, 10, true);
    t.addLabel(QStringLiteral("L/A"), QRect(18, 16, 26, 9), Qt::AlignCenter, 7);
    t.addLabel(QStringLiteral("L/A"), QRect(99, 16, 26, 9), Qt::AlignCenter, 7);
    return t;
}

}  // namespace

TfrmHM20::TfrmHM20(QWidget* owner) : TExpansionModuleForm(owner, makeLayout()) {}
