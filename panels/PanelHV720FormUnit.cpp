#include "panels/PanelHV720FormUnit.h"

namespace {

constexpr int R = Qt::AlignRight | Qt::AlignVCenter;
constexpr int L = Qt::AlignLeft | Qt::AlignVCenter;
constexpr int C = Qt::AlignCenter;

TPanelLayout makeLayout()
{
    TPanelLayout t;
    t.model = QStringLiteral("HV-720");
    t.size = QSize(780, 89);

    // Copper ports 1-24 in two rows; buttons 25-28 are the fibre slots of ports 21-24.
    t.addPortRows({335, 362, 389, 416, 443, 469, 496, 523, 549, 576, 603, 630}, 21, 47);
    const int fibreLefts[] = {663, 692, 722, 752};
    const int fibreTops[] = {48, 48, 49, 49};
    for (int i = 0; i < 4; ++i) {
        t.addButton(25 + i, 21 + i, fibreLefts[i], fibreTops[i], 23, 22, TPortButton::Fibre);
        t.addLabel(QString::number(21 + i), QRect(fibreLefts[i], fibreTops[i] - 11, 23, 9), C, 7);
    }

    t.hosts = {
        {QStringLiteral("PowerLedPanel"), QRect(73, 27, 7, 7)},
        {QStringLiteral("MasterLedPanel"), QRect(73, 39, 7, 7)},
        {QStringLiteral("ConsoleLedPanel"), QRect(73, 52, 7, 7)},
        {QStringLiteral("RPowerLedPanel"), QRect(73, 63, 7, 7)},
        {QStringLiteral("LedPanel1"), QRect(178, 51, 150, 7)},
        {QStringLiteral("LedPanel2"), QRect(178, 58, 150, 7)},
        {QStringLiteral("SIOPanel1"), QRect(90, 46, 7, 7)},
        {QStringLiteral("SIOPanel2"), QRect(90, 62, 7, 7)},
    };
    t.groups = {
        {QStringLiteral("PowerLedPanel"), QStringLiteral("0"), false, 1, 10, 7, 7},
        {QStringLiteral("MasterLedPanel"), QStringLiteral("1"), false, 1, 10, 7, 7},
        {QStringLiteral("ConsoleLedPanel"), QStringLiteral("2"), false, 1, 10, 7, 7},
        {QStringLiteral("RPowerLedPanel"), QStringLiteral("3"), false, 1, 10, 7, 7},
        {QStringLiteral("LedPanel1"), QStringLiteral("4,8,12,16,20,24,28,32,36,40,44,48"), false, 0, 7, 6, 6, -1, 1, 2},
        {QStringLiteral("LedPanel2"), QStringLiteral("6,10,14,18,22,26,30,34,38,42,46,50"), false, 0, 7, 6, 6, 1, 2, 2},
        {QStringLiteral("SIOPanel1"), QStringLiteral("56"), false, 1, 10, 7, 7},
        {QStringLiteral("SIOPanel2"), QStringLiteral("58"), false, 1, 10, 7, 7},
    };
    t.stackPicture = true;
    t.stackPicturePos = QPoint(111, 47);

    t.addLabel(QStringLiteral("Norvane"), QRect(10, 5, 120, 15), L, 13, true);
    t.addLabel(QStringLiteral("HV-720"), QRect(178, 6, 150, 18), L, 16, true);
    t.addLabel(QStringLiteral("24-Port Stackable Managed Switch"), QRect(178, 25, 152, 10), L, 7);
    t.addLabel(QStringLiteral("Power"), QRect(14, 25, 56, 12), R, 8);
    t.addLabel(QStringLiteral("Master"), QRect(14, 37, 56, 12), R, 8);
    t.addLabel(QStringLiteral("Console"), QRect(14, 50, 56, 12), R, 8);
    t.addLabel(QStringLiteral("RPS"), QRect(14, 61, 56, 12), R, 8);
    t.addLabel(QStringLiteral("Stack"), QRect(86, 35, 54, 10), C, 8);
    t.addLabel(QStringLiteral("Link/Act"), QRect(128, 50, 46, 16), R, 8);
    return t;
}

}  // namespace

TPanelHV720Form::TPanelHV720Form(QWidget* owner) : TUnitPanelForm(owner, makeLayout()) {}
