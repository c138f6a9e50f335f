#pragma once
// Paces the repaints of a list view while a fill adds lines to it. Lines that
// arrive while the first screenful is built are painted as they come; once
// the screen is full, lines land below it and repainting the same visible
// rows for each of them is wasted work, so the view is painted at most every
// kPaintIntervalMs (the scroll bar still shows the list growing), and once
// more when the fill ends. The lines themselves are added at once: only the
// painting waits.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QTreeWidget;

class ListFillPaint : public QObject {
public:
    static constexpr int kPaintIntervalMs = 250;

    explicit ListFillPaint(QTreeWidget* view);

    // A fill starts (the list was cleared).
    void begin();
    // A line was added to the list.
    void lineAdded();
    // The fill ended, done or failed: the view paints what it holds.
    void end();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void hold();
    void release();

    QTreeWidget* m_view;
    QTimer m_release;
    bool m_filling = false;
    bool m_held = false;
    bool m_paintedSinceRelease = true;
};
