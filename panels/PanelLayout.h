#pragma once
// Plain description of one device picture: its size, the port buttons, the LED
// hosts and LED groups, and the printed labels. The forms build their controls
// from it and the artwork paints the body under exactly those positions.
#include <vector>

#include <QRect>
#include <QString>

#include "panels/PortButton.h"

struct TPanelLayout {
    struct Button {
        int number;  // the n of "SpeedButton" + n
        int port;    // the unit's port the button stands for
        QRect rect;
        TPortButton::Style style;
    };
    struct LedHost {
        QString name;
        QRect rect;
    };
    struct LedGroup {
        QString host;
        QString byteOffsets;  // comma-separated octet positions
        bool mapB;            // colour map B instead of A
        int left;
        int gap;
        int width;
        int height;
        // Printed numbers beside the LEDs: -1 above, +1 below, 0 none;
        // the i-th LED is numbered labelFirst + i * labelStep.
        int labelSide = 0;
        int labelFirst = 0;
        int labelStep = 0;
    };
    struct Label {
        QString text;
        QRect rect;
        int flags;
        int pixelSize;
        bool bold = false;
    };

    QString model;
    QSize size;
    std::vector<Button> buttons;
    std::vector<LedHost> hosts;
    std::vector<LedGroup> groups;
    std::vector<Label> labels;
    bool stackPicture = false;
    QPoint stackPicturePos;  // top left of the 26 x 23 frame

    const LedHost* host(const QString& name) const;
    // Where the LEDs of a group sit on the picture.
    std::vector<QRect> ledRects(const LedGroup& group) const;
    // Buttons for two rows of copper ports: odd ports 1, 3, ... on the upper row,
    // even ports on the lower row, one column per left.
    void addPortRows(const std::vector<int>& lefts, int upperTop, int lowerTop, int upperHeight = 22,
                     int lowerHeight = 23);
    void addButton(int number, int port, int left, int top, int width, int height, TPortButton::Style style);
    void addLabel(const QString& text, const QRect& rect, int flags, int pixelSize, bool bold = false);
};
