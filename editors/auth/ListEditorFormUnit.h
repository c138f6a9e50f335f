#pragma once
// The table editor the authentication lists share: a list view of the table,
// labelled controls bound to the selected line, Refresh/Edit/Add/Delete, a
// status bar (first panel = status target) and a line count. The binding is
// synchronous. Every write leaves out the columns the editor names for it by
// excluding their rows for that one set, then re-reads the table and returns
// to the no-selection state with the edits cleared.
#include <QDialog>
#include <memory>
#include <vector>

#include "bind/NvSNMPRequest2Edits.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;
struct EditorContext;
struct NvSNMPVarDescriptor;

class TListEditorForm : public QDialog {
    Q_OBJECT
public:
    ~TListEditorForm() override;

    void GetButtonClick();
    void ListView1Click();
    virtual void AddButtonClick() = 0;
    virtual void EditButtonClick() = 0;
    virtual void DeleteButtonClick() = 0;

    QTreeWidget* ListView1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel = nullptr;  // first panel of the status bar
    QLabel* countText = nullptr;    // the sunken line count
    QPushButton* GetButton = nullptr;
    QPushButton* EditButton = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    QComboBox* RowComboBox = nullptr;

    NvSNMPRequest2Edits* binding() const { return m_binding.get(); }

protected:
    TListEditorForm(const EditorContext& context, QWidget* owner, const char* caption,
                    const char* countTextName, int width, int height);

    // Builds the binding over the table, lets the editor bind its controls
    // (bindControls), selects createAndGo and reads the table.
    void start(const NvSNMPVarDescriptor* table, int32_t indexCount);
    virtual void bindControls(NvSNMPRequest2Edits& binding) = 0;

    // Adds a labelled control to the form's field grid.
    void addField(const char* label, QWidget* control);
    QLineEdit* newEdit(const char* name);
    QComboBox* newCombo(const char* name);

    // The controls that are disabled while a line is selected, and the edits
    // and choices that every write and refresh clears (a choice is left
    // unmade, so that nothing the user did not pick is written).
    std::vector<QWidget*> m_indexControls;
    std::vector<QLineEdit*> m_clearedEdits;
    std::vector<QComboBox*> m_clearedCombos;

    // The common write: rows in leftOut take no part in this set; a non-empty
    // rowStatus is selected in RowComboBox first. Failures go to the status
    // panel; the flags are always put back.
    void write(const std::vector<int>& leftOut, const char* rowStatus = nullptr);
    // Whether a list line's first cell (and, when given, its second) equals the texts.
    bool hasLine(const QString& first, const QString* second = nullptr) const;
    // Shows the message box and moves the focus to the control (when given).
    void refuse(const char* message, QWidget* focus);

    void enterNoSelection();
    void clearEdits();
    void updateCount();
    void done(int result) override;

    std::unique_ptr<NvSNMPRequest2Edits> m_binding;

private:
    QFormLayout* m_fields[2] = {nullptr, nullptr};
    int m_fieldCount = 0;
};
