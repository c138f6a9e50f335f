#include "panels/PanelHV710FormUnit.h"

namespace {

constexpr int R = Qt::AlignRight | Qt::AlignVCenter;
constexpr int L = Qt::AlignLeft | Qt::AlignVCenter;
constexpr int C = Qt::AlignCenter;

TPanelLayout makeLayout()
{
    TPanelLayout t;
    t.model = QStringLiteral("HV-710");
    t.size = QSize(780, 89);

    // Copper ports 1-48 in two rows; buttons 49-52 are the fibre slots of ports 45-48.
    t.addPortRows({95, 120, 144, 168, 193, 219, 245, 272, 301, 326, 352, 377, 402, 426, 451, 476, 505, 531, 557,
                   582, 607, 633, 658, 682},
                  20, 45);
    t.addButton(49, 45, 713, 20, 23, 22, TPortButton::Fibre);
    t.addButton(50, 46, 713, 48, 23, 23, TPortButton::Fibre);
    t.addButton(51, 47, 741, 20, 23, 22, TPortButton::Fibre);
    t.addButton(52, 48, 741, 48, 24, 23, TPortButton::Fibre);
    t.addLabel(QStringLiteral("45"), QRect(713, 9, 23, 9), C, 7);
    t.addLabel(QStringLiteral("47"), QRect(741, 9, 23, 9), C, 7);
    t.addLabel(QStringLiteral("46"), QRect(713, 74, 23, 9), C, 7);
    t.addLabel(QStringLiteral("48"), QRect(741, 74, 24, 9), C, 7);

    t.hosts = {
        {QStringLiteral("PowerLedPanel"), QRect(40, 29, 7, 7)},
        {QStringLiteral("MasterLedPanel"), QRect(40, 40, 7, 7)},
        {QStringLiteral("ConsoleLedPanel"), QRect(40, 51, 7, 7)},
        {QStringLiteral("RPowerLedPanel"), QRect(40, 61, 7, 7)},
        {QStringLiteral("LedPanel1"), QRect(95, 8, 201, 7)},
        {QStringLiteral("LedPanel2"), QRect(298, 8, 201, 7)},
        {QStringLiteral("LedPanel3"), QRect(502, 8, 201, 7)},
        {QStringLiteral("SIOPanel1"), QRect(60, 9, 7, 7)},
        {QStringLiteral("SIOPanel2"), QRect(77, 9, 7, 7)},
    };
    t.groups = {
        {QStringLiteral("PowerLedPanel"), QStringLiteral("0"), false, 1, 10, 7, 7},
        {QStringLiteral("MasterLedPanel"), QStringLiteral("1"), false, 1, 10, 7, 7},
        {QStringLiteral("ConsoleLedPanel"), QStringLiteral("2"), false, 1, 10, 7, 7},
        {QStringLiteral("RPowerLedPanel"), QStringLiteral("3"), false, 1, 10, 7, 7},
        {QStringLiteral("LedPanel1"), QStringLiteral("4,6,8,10,12,14,16,18,20,22,24,26,28,30,32,34"), false, 0, 6, 7, 7},
        {QStringLiteral("LedPanel2"), QStringLiteral("36,38,40,42,44,46,48,50,52,54,56,58,60,62,64,66"), false, 0, 6, 7, 7},
        {QStringLiteral("LedPanel3"), QStringLiteral("68,70,72,74,76,78,80,82,84,86,88,90,92,94,96,98"), false, 0, 6, 7, 7},
        {QStringLiteral("SIOPanel1"), QStringLiteral("104"), false, 1, 10, 7, 7},
        {QStringLiteral("SIOPanel2"), QStringLiteral("106"), false, 1, 10, 7, 7},
    };
    t.stackPicture = true;
    t.stackPicturePos = QPoint(57, 45);

    t.addLabel(QStringLiteral("HV-710"), QRect(4, 3, 54, 16), L, 12, true);
    t.addLabel(QStringLiteral("Norvane"), QRect(4, 73, 80, 13), L, 11, true);
    t.addLabel(QStringLiteral("Power"), QRect(0, 28, 38, 10), R, 7);
    t.addLabel(QStringLiteral("Master"), QRect(0, 39, 38, 10), R, 7);
    t.addLabel(QStringLiteral("Console"), QRect(0, 50, 38, 10), R, 7);
    t.addLabel(QStringLiteral("RPS"), QRect(0, 60, 38, 10), R, 7);
    t.addLabel(QStringLiteral("Stack"), QRect(56, 20, 32, 9), C, 7);
    t.addLabel(QStringLiteral("Unit"), QRect(56, 35, 28, 9), C, 7);
    return t;
}

}  // namespace

TPanelHV710Form::TPanelHV710Form(QWidget* owner) : TUnitPanelForm(owner, makeLayout()) {}
