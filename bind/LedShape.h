#pragma once
// A small shape that shows one LED: it paints its fill (brush) and its outline
// (pen) and lets the LED logic read the current fill colour back.
#include <QWidget>

#include "bind/NvSNMPLedColorMapList.h"

class TLedShape : public QWidget {
    Q_OBJECT
public:
    enum Kind { Rectangle = 0, Square, RoundRect, RoundSquare, Ellipse, Circle };

    explicit TLedShape(QWidget* parent = nullptr, Kind kind = Rectangle);

    Kind kind() const { return m_kind; }
    void setKind(Kind kind);

    // Fill and outline in one colour (what the LED logic does).
    void setColour(NvLedColour colour);
    void setBrushColour(NvLedColour colour);
    void setPenColour(NvLedColour colour);
    NvLedColour brushColour() const { return m_brush; }
    NvLedColour penColour() const { return m_pen; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind m_kind;
    NvLedColour m_brush = 0xFFFFFF;
    NvLedColour m_pen = 0;
};
