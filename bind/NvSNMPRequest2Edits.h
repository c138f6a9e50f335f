#pragma once
// The binding every configuration view uses: ties rows of the variable list to
// labels, edits, combo boxes and check boxes on a form, and optionally to one
// list view that shows a table walk, one line per table row. Selecting a line
// loads that table row into the bound controls.
#include <QPointer>
#include <QTreeWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bind/NvSNMPRequest2Controls.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTreeWidgetItem;
class ListColumnFit;
class ListFillPaint;
class NvEditConstraint;

class NvSNMPRequest2Edits : public NvSNMPRequest2Controls {
public:
    using SelectHandler = std::function<void(QTreeWidget* sender, QTreeWidgetItem* item, bool selected)>;

    struct ControlBinding {
        int row = 0;
        std::vector<QPointer<QWidget>> controls;  // not owned
        std::vector<int32_t> bitIndices;          // one per control, or empty
    };

    explicit NvSNMPRequest2Edits(QWidget* owner);
    ~NvSNMPRequest2Edits() override;

    // Report-style list view for table walks; builds its columns.
    void attachListView(QTreeWidget* listView, bool enableOnSelect = true);
    QTreeWidget* listView() const { return m_listView; }
    // Called first on every selection change of the list view (the handler the
    // list view's user had before the binding attached itself).
    SelectHandler savedSelectHandler;
    bool enableOnSelect = true;
    // Called once a fill's lines are all shown and the columns sized to them.
    std::function<void()> onColumnsFitted;

    // Label or check box (the control is not changed).
    void bindControl(int row, QWidget* control);
    // -520 without an option list, -522 for a text-prefix option list.
    void bindComboBox(int row, QComboBox* comboBox);
    // Constraint format with one "%" specification ("%s" for free text).
    void bindEdit(int row, const std::string& constraintFormat, QLineEdit* edit);
    // bitIndices: comma-separated bit numbers, one per check box.
    void bindCheckBoxes(int row, const std::string& bitIndices, const std::vector<QCheckBox*>& checkBoxes);
    void bindControlList(int row, const std::string& bitIndices, const std::vector<QWidget*>& controls);
    void unbind(int row);
    const std::vector<std::unique_ptr<ControlBinding>>& bindings() const { return m_bindings; }

    // Rows to controls and back; -1 for every row. Throw NvSNMPException.
    void showValues(int row);
    void takeValues(int row);
    // Bindings (records with controls) of one row.
    int recordsOfRow(int row) const;

    void setControlsEnabled(bool enabled);
    void setConstraintOwner(QWidget* form);
    NvEditConstraint& constraints() { return *m_constraints; }

    // Copies the selected line's cells into the rows' values.
    void selectedLineToRows();
    // Empties every row's value, copies the selected line (table mode) and
    // then the controls into the rows; the panels call it before a set they
    // prepare themselves.
    void collectValues() override;

protected:
    void beforeGet() override;
    void rowReceived() override;
    void afterGet() override;
    void getFailed(const NvSNMPError& reply) override;
    // The list view's selection handler.
    virtual void itemSelected(QTreeWidget* sender, QTreeWidgetItem* item, bool selected);

private:
    void buildColumns();
    void appendLine();
    // End of a fill: columns sized to the lines.
    void finishLines();
    // Rows in the order of a line's cells: hidden-column rows, then listed rows.
    std::vector<int> lineLayout() const;
    void onSelectionChanged();

    QPointer<QTreeWidget> m_listView;
    QPointer<ListColumnFit> m_columnFit;  // owned by the list view
    QPointer<ListFillPaint> m_fillPaint;  // owned by the list view
    QTreeWidgetItem* m_lastSelected = nullptr;
    // The rows of the current lines' cells, fixed when the lines were cleared:
    // rows hidden or excluded later (by the dialogs and Delete) still get
    // their own cells back.
    std::vector<int> m_lineRows;
    std::vector<std::unique_ptr<ControlBinding>> m_bindings;
    std::unique_ptr<NvEditConstraint> m_constraints;
};
