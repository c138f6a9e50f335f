#pragma once
// Column widths of a list view from its headers and the cells of one fill.
// Cells are noted as lines are built; only the longest texts of each column
// are kept, so the widths are measured once per fill from a few samples
// instead of once per cell. A column the user has resized keeps its width.
#include <QObject>
#include <QStringList>
#include <vector>

class QTreeWidget;

class ListColumnFit : public QObject {
public:
    // Widest a column is made from its contents (the user may widen it further).
    static constexpr int maxColumnWidth = 320;
    // Room beside the text for the cell's margins and grid line.
    static constexpr int cellPadding = 16;

    explicit ListColumnFit(QTreeWidget* view);

    // New columns: each as wide as its header, or zero wide where hidden;
    // forgets which columns the user resized.
    void sizeToHeaders(const std::vector<bool>& hidden);
    // Forgets the samples of the last fill (user-resized columns are kept).
    void restart();
    // Notes the texts of one line, one per column.
    void note(const QStringList& cells);
    // Sizes every visible column to its header and the widest sample noted,
    // at most maxColumnWidth; zero-width (hidden) columns stay hidden.
    void fit();
    // The width a column's header asks for on its own.
    int headerWidth(int column) const;

private:
    struct Samples {
        qsizetype longest = 0;
        QStringList texts;
    };
    QTreeWidget* m_view;
    std::vector<Samples> m_columns;
    std::vector<bool> m_userSized;
    bool m_sizing = false;
};
