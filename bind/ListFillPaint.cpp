#include "bind/ListFillPaint.h"

#include <QEvent>
#include <QTreeWidget>
#include <algorithm>

ListFillPaint::ListFillPaint(QTreeWidget* view) : QObject(view), m_view(view)
{
    m_release.setSingleShot(true);
    m_release.setInterval(kPaintIntervalMs);
    connect(&m_release, &QTimer::timeout, this, [this] { release(); });
    view->viewport()->installEventFilter(this);
}

void ListFillPaint::begin()
{
    release();
    m_filling = true;
    m_paintedSinceRelease = false;  // the first screenful is painted as it comes
}

void ListFillPaint::lineAdded()
{
    if (!m_filling || m_held || !m_paintedSinceRelease)
        return;
    // Rows are at least a line of text high: this many lines fill the screen.
    const int rowHeight = std::max(1, m_view->fontMetrics().height());
    if (m_view->topLevelItemCount() > m_view->viewport()->height() / rowHeight + 1)
        hold();
}

void ListFillPaint::end()
{
    m_filling = false;
    release();
}

bool ListFillPaint::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Paint)
        m_paintedSinceRelease = true;
    return false;
}

void ListFillPaint::hold()
{
    m_held = true;
    m_view->setUpdatesEnabled(false);
    m_release.start();
}

void ListFillPaint::release()
{
    m_release.stop();
    if (!m_held)
        return;
    m_held = false;
    // Painting waits for the event loop; the next hold comes after it.
    m_paintedSinceRelease = false;
    m_view->setUpdatesEnabled(true);
}
