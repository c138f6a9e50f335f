#pragma once
// The generated rows of a configuration view, one per row of the binding's
// variable list: a check box that selects the row for a set, the variable's
// label, and an edit or (for an enumeration that can be written) a combo box,
// bound to the binding. Rows are placed by fixed arithmetic inside a scroll box,
// so a long list scrolls inside the panel.
#include <QColor>
#include <QWidget>
#include <vector>

#include "bind/UISnmpVar.h"

class QAbstractButton;
class QScrollArea;
class NvSNMPRequest2Edits;
class TCtrlBtnPanel;

class TEditsPanel : public QWidget {
    Q_OBJECT

public:
    // Access bit that marks a row hidden from the layout (no table sets it).
    static constexpr int AccessHiddenRow = 16;
    static constexpr int firstRowTop = 20;
    static constexpr int rowGap = 5;
    static constexpr int minControlHeight = 20;   // lower controls are made 21 high
    static constexpr int checkBoxLeft = 20;
    static constexpr int checkBoxWidth = 20;
    static constexpr int columnGap = 5;
    static constexpr int panelMargin = 40;        // added right of and below the rows
    static constexpr int defaultEditWidth = 121;

    // Builds the rows for binding (may be null: no rows).
    TEditsPanel(QWidget* owner, NvSNMPRequest2Edits* binding);

    // Shows and hides the buttons of strip for this view: Set (one editable
    // row) or Set Checked with Check All and Clear Checks, nothing to set for
    // an all-read-only view. Throws without a binding.
    void ArrangeCtrlBtn(TCtrlBtnPanel* strip);

    void applyRowStates(bool defaultChecked);
    void setRowReadOnly(int row);
    void setRowEditable(int row);
    void hideRow(int row);
    void showRow(int row);
    bool isRowHidden(int row) const;
    void clearValues();
    void setEditWidth(int width);
    // Places the visible rows; with resize the panel takes the rows' extent.
    void layoutRows(bool resize = true);

    int editableCount() const;   // row check boxes visible and enabled
    int checkedCount() const;    // row check boxes visible and checked
    bool allReadOnly() const;    // nothing but index rows can be written

    // The actions the strip's buttons run; the set action reads the strip of
    // the button that ran it (Set Checked's tag 1 closes that form afterwards).
    void checkClicked();
    void checkAll();
    void clearChecks();
    void setChecked(QAbstractButton* button);
    // Where the check-click and check actions enable or disable the set button.
    void setSetButton(QAbstractButton* button) { m_setButton = button; }

    NvSNMPRequest2Edits* EditCtrl = nullptr;
    std::vector<UISnmpVar> rows;   // one per variable, closed by a record of kind 0
    int editWidth = defaultEditWidth;
    bool defaultChecked = false;
    QColor readOnlyTextColour = Qt::black;
    QColor readOnlyBackColour;
    QScrollArea* ScrollBox1 = nullptr;

    int rowCount() const { return static_cast<int>(rows.size()) - 1; }
    // The widget inside the scroll box that holds the row controls.
    QWidget* rowArea() const { return m_rowArea; }

private:
    void buildRows();
    void setRowLook(int row, bool editable);

    QWidget* m_rowArea = nullptr;
    QAbstractButton* m_setButton = nullptr;
};
