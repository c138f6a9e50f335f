#pragma once
// Plain description of one device picture: its size, the port buttons, the LED
// hosts with their LEDs, and the printed labels. The forms build their controls
// from it and the artwork paints the body under exactly those positions.
// Rows are written with designated initializers, so that each reads as what
// it places (`.left = 0, .gap = 7`).
#include <array>
#include <initializer_list>
#include <vector>

#include <QRect>
#include <QString>

#include "panels/PortButton.h"

struct TPanelLayout {
    // Colour map A or B of the LED binding.
    enum class LedMap { A, B };
    // Where the numbers printed beside a row of LEDs go.
    enum class NumberSide { None, Above, Below };

    struct Button {
        QString name;  // object name: "SpeedButton" + n, or the module's "SpeedButtonX"
        int port;      // the unit's port the button stands for (on a module: 1 or 2)
        QRect rect;
        TPortButton::Style style;
    };
    // One LED host frame and the LEDs the binding creates inside it.
    struct LedRow {
        QString host;         // object name of the host frame
        QRect at;             // the host frame on the picture
        QString byteOffsets;  // comma-separated octet positions, one LED each
        LedMap map = LedMap::A;
        int left = 0;         // of the first LED inside the host
        int gap = 0;          // between two LEDs
        int width = 0;
        int height = 0;
        // Printed numbers beside the LEDs: the i-th is numberFirst + i * numberStep.
        NumberSide numbers = NumberSide::None;
        int numberFirst = 0;
        int numberStep = 0;
    };
    // A host holding one LED, which fills it (left 1, gap 10).
    struct SingleLed {
        QString host;
        QPoint at;
        QString byteOffset;
    };
    // The power, master, console and redundant-power LEDs (octets 0 to 3), one
    // above the other, with their printed names to the left.
    struct SystemLeds {
        int left = 0;
        std::array<int, 4> tops{};
        int size = 0;  // hosts and LEDs are size x size
        LedMap map = LedMap::A;
        int labelLeft = 0;
        int labelWidth = 0;
        int labelHeight = 0;
        int labelRise = 0;  // a label's top is this far above its LED's
        int labelPixelSize = 0;
    };
    // Both octets of every port, in four rows of LEDs 6 x 5 from top to bottom:
    // odd ports' first octet (map A, numbered above), their second (map B),
    // even ports' first (map A), their second (map B, numbered below); each
    // row with its name ("Link" or "Mode") printed to the left.
    struct PortLedPairs {
        int left = 0;
        std::array<int, 4> tops{};
    };
    // Two rows of copper ports: odd ports 1, 3, ... on the upper row, even ports
    // on the lower row, one column per left; buttons 23 wide.
    struct PortRows {
        std::vector<int> lefts;
        int upperTop = 0;
        int lowerTop = 0;
        int upperHeight = 22;
        int lowerHeight = 23;
    };
    struct Label {
        QString text;
        QRect rect;
        int flags = 0;
        int pixelSize = 0;
        bool bold = false;
    };

    QString model;
    QSize size;
    std::vector<Button> buttons;
    std::vector<LedRow> leds;
    std::vector<Label> labels;
    bool stackPicture = false;
    QPoint stackPicturePos;  // top left of the 26 x 23 frame

    // Where the LEDs of a row sit on the picture.
    static std::vector<QRect> ledRects(const LedRow& row);
    // "SpeedButton" + number.
    static QString portButtonName(int number);

    void addPortRows(const PortRows& rows);
    void addButton(int number, int port, const QRect& rect, TPortButton::Style style);
    void addSingleLeds(LedMap map, int size, std::initializer_list<SingleLed> singles);
    void addSystemLeds(const SystemLeds& system);
    void addPortLedPairs(const PortLedPairs& pairs);
    void addLedRows(std::initializer_list<LedRow> rows);
    void addLabels(std::initializer_list<Label> more);
};
