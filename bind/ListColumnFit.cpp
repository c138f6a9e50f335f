#include "bind/ListColumnFit.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <algorithm>

namespace {

// Texts kept per column: the longest ones, and those within a few characters
// of them (a shorter text in a proportional font can still be wider).
constexpr qsizetype kLengthSlack = 3;
constexpr qsizetype kSamplesPerColumn = 8;

}  // namespace

ListColumnFit::ListColumnFit(QTreeWidget* view) : QObject(view), m_view(view)
{
    connect(view->header(), &QHeaderView::sectionResized, this, [this](int column, int, int) {
        if (m_sizing || column < 0)
            return;
        if (m_userSized.size() <= static_cast<size_t>(column))
            m_userSized.resize(static_cast<size_t>(column) + 1, false);
        m_userSized[static_cast<size_t>(column)] = true;
    });
}

void ListColumnFit::sizeToHeaders(const std::vector<bool>& hidden)
{
    m_sizing = true;
    for (int c = 0; c < m_view->columnCount() && static_cast<size_t>(c) < hidden.size(); ++c)
        m_view->setColumnWidth(c, hidden[static_cast<size_t>(c)] ? 0 : headerWidth(c));
    m_sizing = false;
    m_userSized.assign(static_cast<size_t>(m_view->columnCount()), false);
    restart();
}

void ListColumnFit::restart()
{
    m_columns.assign(static_cast<size_t>(m_view->columnCount()), Samples{});
}

void ListColumnFit::note(const QStringList& cells)
{
    if (m_columns.size() < static_cast<size_t>(cells.size()))
        m_columns.resize(static_cast<size_t>(cells.size()));
    for (qsizetype c = 0; c < cells.size(); ++c) {
        Samples& s = m_columns[static_cast<size_t>(c)];
        const QString& text = cells[c];
        const qsizetype n = text.size();
        if (n + kLengthSlack < s.longest)
            continue;
        if (n > s.longest) {
            s.longest = n;
            s.texts.removeIf([n](const QString& t) { return t.size() + kLengthSlack < n; });
        }
        if (s.texts.size() < kSamplesPerColumn && !s.texts.contains(text))
            s.texts << text;
    }
}

int ListColumnFit::headerWidth(int column) const
{
    const QFontMetrics metrics(m_view->header()->font());
    return metrics.horizontalAdvance(m_view->headerItem()->text(column)) + cellPadding;
}

void ListColumnFit::fit()
{
    const QFontMetrics cellMetrics(m_view->font());
    m_sizing = true;
    for (int c = 0; c < m_view->columnCount(); ++c) {
        if (m_view->columnWidth(c) == 0)
            continue;  // a hidden column
        if (static_cast<size_t>(c) < m_userSized.size() && m_userSized[static_cast<size_t>(c)])
            continue;
        int widest = 0;
        if (static_cast<size_t>(c) < m_columns.size())
            for (const QString& text : m_columns[static_cast<size_t>(c)].texts)
                widest = std::max(widest, cellMetrics.horizontalAdvance(text) + cellPadding);
        m_view->setColumnWidth(c, std::max(headerWidth(c), std::min(widest, maxColumnWidth)));
    }
    m_sizing = false;
}
