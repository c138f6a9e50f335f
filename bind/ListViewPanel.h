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
    static constexpr int pixelsPerHeaderChar = 8;
    static constexpr int maxPanelWidth = 450;
    static constexpr int panelHeight = 350;

    TListViewPanel(QWidget* owner, NvSNMPRequest2Edits* binding);

    // Count, Refresh, Edit (disabled), Add and Delete where a status row is set, Close.
    void ArrangeCtrlBtn(TCtrlBtnPanel* strip);

    // The line under a point of the list view's viewport as hint text (one
    // "header<tabs>  cell" line per column); empty where there is no line.
    QString hintAt(const QPoint& viewportPos) const;
    // The selected line, or every line when none is selected, as tab-separated
    // text headed by the column headers; hidden (zero-width) columns left out.
    QString copyText() const;

    QTreeWidget* listView = nullptr;
    int addStatusRow = -1;
    std::string addStatusText;
    int deleteStatusRow = -1;
    std::string deleteStatusText;

signals:
    // A click in the list view (on a line or on empty space).
    void clicked();
    void doubleClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
