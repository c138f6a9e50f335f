#pragma once
// The list view of a generated table view, attached to the binding, with the
// row-status values that adding and deleting a row write. Ctrl+C copies the
// selected line (or every line) as tab-separated text with the headers.
#include <QWidget>
#include <string>

class QTreeWidget;
class NvSNMPRequest2Edits;
class TCtrlBtnPanel;

class TListViewPanel : public QWidget {
    Q_OBJECT

public:
    // Width used where no screen is known.
    static constexpr int maxPanelWidth = 800;
    static constexpr int panelHeight = 350;

    TListViewPanel(QWidget* owner, NvSNMPRequest2Edits* binding);

    // Count, Refresh, Edit (disabled), Add and Delete where a status row is set, Close.
    void ArrangeCtrlBtn(TCtrlBtnPanel* strip);

    // The line under a point of the list view's viewport as hint text: a
    // rich-text table of header and cell, one row per column; empty where
    // there is no line.
    QString hintAt(const QPoint& viewportPos) const;
    // The selected line, or every line when none is selected, as tab-separated
    // text headed by the column headers; hidden (zero-width) columns left out.
    QString copyText() const;

    QTreeWidget* listView = nullptr;
    int addStatusRow = -1;
    std::string addStatusText;
    int deleteStatusRow = -1;
    std::string deleteStatusText;

    // Width that shows every column without a horizontal scroll bar.
    int wantedWidth() const;

signals:
    // A click in the list view (on a line or on empty space).
    void clicked();
    void doubleClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int availableWidth() const;
    // Widens the window by what the columns need, within the screen.
    void widenWindow();
};
