#include "panels/PanelHV630FormUnit.h"

namespace {

constexpr int R = Qt::AlignRight | Qt::AlignVCenter;
constexpr int L = Qt::AlignLeft | Qt::AlignVCenter;
constexpr int C = Qt::AlignCenter;

TPanelLayout makeLayout()
{
    TPanelLayout t;
    t.model = QStringLiteral("HV-630");
    t.size = QSize(780, 89);

    // Copper ports 1-24 in two rows; buttons 25-32 are the fibre slots of ports 17-24.
    t.addPortRows({348, 373, 398, 423, 448, 474, 508, 533, 559, 584, 608, 633}, 21, 48);
    const int fibreLefts[] = {662, 692, 721, 751};
    for (int i = 0; i < 4; ++i) {
        t.addButton(25 + i, 17 + i, fibreLefts[i], 19, 23, 22, TPortButton::Fibre);
        t.addButton(29 + i, 21 + i, fibreLefts[i], 49, 23, 23, TPortButton::Fibre);
        t.addLabel(QString::number(17 + i), QRect(fibreLefts[i], 8, 23, 9), C, 7);
        t.addLabel(QString::number(21 + i), QRect(fibreLefts[i], 75, 23, 9), C, 7);
    }

    t.hosts = {
        {QStringLiteral("PowerLedPanel"), QRect(113, 31, 5, 5)},
        {QStringLiteral("MasterLedPanel"), QRect(113, 42, 5, 5)},
        {QStringLiteral("ConsoleLedPanel"), QRect(113, 53, 5, 5)},
        {QStringLiteral("RPowerLedPanel"), QRect(113, 64, 5, 5)},
        {QStringLiteral("LedPanel1"), QRect(150, 19, 148, 5)},
        {QStringLiteral("LedPanel2"), QRect(150, 37, 148, 5)},
        {QStringLiteral("LedPanel3"), QRect(150, 49, 148, 5)},
        {QStringLiteral("LedPanel4"), QRect(150, 67, 148, 5)},
        {QStringLiteral("SIOPanel1"), QRect(310, 35, 5, 5)},
        {QStringLiteral("SIOPanel2"), QRect(310, 51, 5, 5)},
        {QStringLiteral("SIOPanel3"), QRect(310, 67, 5, 5)},
        {QStringLiteral("SIOPanel4"), QRect(322, 35, 5, 5)},
        {QStringLiteral("SIOPanel5"), QRect(322, 51, 5, 5)},
        {QStringLiteral("SIOPanel6"), QRect(323, 67, 5, 5)},
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
        {QStringLiteral("SIOPanel3"), QStringLiteral("56"), true, 1, 10, 5, 5},
        {QStringLiteral("SIOPanel4"), QStringLiteral("58"), true, 1, 10, 5, 5},
        {QStringLiteral("SIOPanel5"), QStringLiteral("60"), true, 1, 10, 5, 5},
        {QStringLiteral("SIOPanel6"), QStringLiteral("62"), true, 1, 10, 5, 5},
    };
    t.stackPicture = false;

    t.addLabel(QStringLiteral("HV-630"), QRect(10, 5, 100, 18), L, 16, true);
    t.addLabel(QStringLiteral("Managed Switch"), QRect(10, 21, 100, 10), L, 8);
    t.addLabel(QStringLiteral("Norvane"), QRect(10, 72, 90, 13), L, 11, true);
    t.addLabel(QStringLiteral("Power"), QRect(60, 28, 49, 10), R, 7);
    t.addLabel(QStringLiteral("Master"), QRect(60, 39, 49, 10), R, 7);
    t.addLabel(QStringLiteral("Console"), QRect(60, 50, 49, 10), R, 7);
    t.addLabel(QStringLiteral("RPS"), QRect(60, 61, 49, 10), R, 7);
    t.addLabel(QStringLiteral("Link"), QRect(122, 16, 25, 10), R, 7);
    t.addLabel(QStringLiteral("Mode"), QRect(122, 34, 25, 10), R, 7);
    t.addLabel(QStringLiteral("Link"), QRect(122, 46, 25, 10), R, 7);
    t.addLabel(QStringLiteral("Mode"), QRect(122, 64, 25, 10), R, 7);
    t.addLabel(QStringLiteral("Stack"), QRect(302, 24, 32, 9), C, 7);
    return t;
}

}  // namespace

TPanelHV630Form::TPanelHV630Form(QWidget* owner) : TUnitPanelForm(owner, makeLayout()) {}
