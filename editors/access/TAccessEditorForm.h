#pragma once
// The one form of the sixteen access-profile (mask) and access-rule editors.
// An AccessEditorRecord record says which table it edits, which controls it has,
// which checks guard each write and which columns each write leaves out; this
// form builds the controls from it, binds them to the table and runs the one
// write procedure: checks, save the access flags, leave columns out, force the
// Row Status, set without re-read, restore the flags, get, no-selection state.
#include <QDialog>

#include <array>
#include <memory>
#include <string>

#include "editors/access/AccessEditorRecord.h"

class NvSNMPRequest2Edits;
class QCheckBox;
class QLabel;
class QPushButton;
class QStatusBar;
class QTreeWidget;
class PortGrid;
struct EditorContext;

class TAccessEditorForm : public QDialog {
public:
    // Builds the form, reads the table and enters the no-selection state; a
    // failure is written into the status bar and the form still opens.
    TAccessEditorForm(const AccessEditorRecord& spec, const EditorContext& context, QWidget* owner);
    ~TAccessEditorForm() override;

    // The menu's way in: creates the editor, shows it modally, frees it.
    static void open(const AccessEditorRecord& spec, const EditorContext& context);

    // The button handlers.
    void refresh();
    void runOperation(AccessOperation operation);
    void setAllColumnChecks(bool checked);

    const AccessEditorRecord& spec() const { return m_spec; }
    NvSNMPRequest2Edits& binding() { return *m_binding; }
    // The edit or combo box of a column, in the family's column numbers (the
    // forwarding table's); nullptr when the editor has no such control.
    QWidget* control(int familyColumn) const;
    QCheckBox* columnCheck(int familyColumn) const;
    PortGrid* portGrid() const { return m_portGrid; }
    QString statusText() const;

    QTreeWidget* ListView1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StaticText1 = nullptr;  // row count of the rule editors

    void done(int result) override;

private:
    struct ColumnSlot {
        int tableColumn = 0;  // 0: the column is not in this editor's table
        QWidget* control = nullptr;
        QCheckBox* check = nullptr;
    };
    static constexpr int MaxColumns = 32;

    void buildForm(const EditorContext& context);
    void buildControls(class QGridLayout* grid);
    QPushButton* addButton(class QBoxLayout* strip, const char* name, const char* caption);
    void bindControls();
    void selectDefaultItems();

    bool holds(const AccessCondition& condition) const;
    bool holdsAll(const AccessConditions& conditions) const;
    bool isDuplicate() const;
    QString controlText(int familyColumn) const;
    bool isEmptyEdit(int familyColumn) const;
    ColumnSet columnsLeftOut(AccessOperation operation, const AccessOperationSpec& spec) const;
    void leaveOut(ColumnSet columnSet);
    void refuse(const AccessCheck& check);
    const AccessOperationSpec& operationSpec(AccessOperation operation) const;

    void rowSelectionChanged();
    void enterNoSelection();
    void clearAfterWrite();
    void applyPermitRule();
    void updateRowCount();
    void showFailure(const std::string& message);
    void selectRowStatus(const char* text);

    const AccessEditorRecord& m_spec;
    std::array<ColumnSlot, MaxColumns> m_slots{};
    int m_rowStatusColumn = 0;  // family column of the Row Status
    std::unique_ptr<NvSNMPRequest2Edits> m_binding;
    PortGrid* m_portGrid = nullptr;
    QLabel* m_statusPanel = nullptr;
    QPushButton* m_refreshButton = nullptr;
    QPushButton* m_modifyButton = nullptr;
    QPushButton* m_addButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
};
