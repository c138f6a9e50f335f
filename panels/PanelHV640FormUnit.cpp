#include "panels/PanelHV640FormUnit.h"

namespace {

constexpr int R = Qt::AlignRight | Qt::AlignVCenter;
constexpr int L = Qt::AlignLeft | Qt::AlignVCenter;
constexpr int C = Qt::AlignCenter;

TPanelLayout makeLayout()
{
    TPanelLayout t;
    t.model = QStringLiteral("HV-640");
    t.size = QSize(780, 89);

    // Copper ports 1-24 in two rows; buttons 25-28 are the fibre slots of ports 21-24.
    t.addPortRows({348, 374, 399, 424, 450, 475, 507, 533, 558, 584, 608, 634}, 23, 46);
    const int fibreLefts[] = {664, 694, 723, 753};
    for (int i = 0; i < 4; ++i) {
        t.addButton(25 + i, 21 + i, fibreLefts[i], 52, 23, 22, TPortButton::Fibre);
        t.addLabel(QString::number(21 + i), QRect(fibreLefts[i], 41, 23, 9), C, 7);
    }

    t.hosts = {
        {QStringLiteral("PowerLedPanel"), QRect(112, 30, 5, 5)},
        {QStringLiteral("MasterLedPanel"), QRect(112, 42, 5, 5)},
        {QStringLiteral("ConsoleLedPanel"), QRect(112, 55, 5, 5)},
        {QStringLiteral("RPowerLedPanel"), QRect(112, 66, 5, 5)},
        {QStringLiteral("LedPanel1"), QRect(150, 19, 148, 5)},
        {QStringLiteral("LedPanel2"), QRect(150, 37, 148, 5)},
        {QStringLiteral("LedPanel3"), QRect(150, 50, 148, 5)},
        {QStringLiteral("LedPanel4"), QRect(150, 68, 148, 5)},
        {QStringLiteral("SIOPanel1"), QRect(304, 48, 5, 5)},
        {QStringLiteral("SIOPanel2"), QRect(304, 65, 5, 5)},
    };
    t.groups = {
        {QStringLiteral("PowerLedPanel"), QStringLiteral("0"), true, 1, 10, 5, 5},
        {QStringLiteral("MasterLedPanel"), QStringLiteral("1"), true, 1, 10, 5, 5},
        {QStringLiteral("ConsoleLedPanel"), QStringLiteral("2"), true, 1, 10, 5, 5},
        {QStringLiteral("RPowerLedPanel"), QStringLiteral("3"), true, 1, 10, 5, 5},
        {QStringLiteral("LedPanel1"), QStringLiteral("4,8,12,16,20,24,28,32,36,40,44,48"), false, 0, 6, 6, 5, -1, 1, 2},
        {QStringLiteral("LedPanel2"), QStringLiteral("5,9,13,17,21,25,29,33,37,41,45,49"), true, 0, 6, 6, 5},
        {QStringLiteral("LedPanel3"), QStringLiteral("6,10,14,18,22,26,30,34,38,42,46,50"), false, 0, 6, 6, 5},
        {QStringLiteral("LedPanel4"), QStringLiteral("7,11,15,19,23,27,31,35,39,43,47,51"), true, 0, 6, 6, 5, 1, 2, 2},
        {QStringLiteral("SIOPanel1"), QStringLiteral("52"), true, 1, 10, 5, 5},
        {QStringLiteral("SIOPanel2"), QStringLiteral("54"), true, 1, 10, 5, 5},
    };
    t.stackPicture = true;
    t.stackPicturePos = QPoint(319, 48);

    t.addLabel(QStringLiteral("HV-640"), QRect(10, 5, 100, 18), L, 16, true);
    t.addLabel(QStringLiteral("Managed Switch"), QRect(10, 21, 100, 10), L, 8);
    t.addLabel(QStringLiteral("Norvane"), QRect(10, 72, 90, 13), L, 11, true);
    t.addLabel(QStringLiteral("Power"), QRect(59, 27, 49, 10), R, 7);
    t.addLabel(QStringLiteral("Master"), QRect(59, 39, 49, 10), R, 7);
    t.addLabel(QStringLiteral("Console"), QRect(59, 52, 49, 10), R, 7);
    t.addLabel(QStringLiteral("RPS"), QRect(59, 63, 49, 10), R, 7);
    t.addLabel(QStringLiteral("Link"), QRect(122, 16, 25, 10), R, 7);
    t.addLabel(QStringLiteral("Mode"), QRect(122, 34, 25, 10), R, 7);
    t.addLabel(QStringLiteral("Link"), QRect(122, 47, 25, 10), R, 7);
    t.addLabel(QStringLiteral("Mode"), QRect(122, 65, 25, 10), R, 7);
    t.addLabel(QStringLiteral("Stack"), QRect(302, 36, 44, 9), C, 7);
    return t;
}

}  // namespace

TPanelHV640Form::TPanelHV640Form(QWidget* owner) : TUnitPanelForm(owner, makeLayout()) {}
