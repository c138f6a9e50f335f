#pragma once
// A generated table view: the list panel as content, Refresh, Edit, Add and
// Delete. Edit and Add lend the hidden generated rows to a modal dialog that
// writes through the same binding and shares this view's message area.
#include <string>

#include "bind/SNMPEditorPanel.h"

class TListViewPanel;

class TSNMPListViewPanel : public TSNMPEditorPanel {
    Q_OBJECT

public:
    static constexpr int editDialogEditWidth = 200;
    static constexpr int busyWaitMs = 1000;

    TSNMPListViewPanel(QWidget* owner, NvSNMPRequest2Edits* binding);
    // Stops following the list view, which still reports while it is destroyed.
    ~TSNMPListViewPanel() override;

    // Throws NvSNMPException when the row's combo box does not offer text.
    void SetAddStatus(int row, const std::string& text);
    void SetDeleteStatus(int row, const std::string& text);

    // The strip actions.
    void refreshTable();
    void editRow();
    void addRow();
    void deleteRow();

    TListViewPanel* listPanel = nullptr;

    // The dialog of a running Edit or Add (null otherwise), for tests.
    QWidget* openDialog() const { return m_dialog; }

protected:
    void refreshClicked() override;

private:
    enum class DialogKind { Add, Edit };
    void runDialog(DialogKind kind);
    void listClicked();
    // Edit and Delete are usable exactly while a line is selected.
    void updateRowButtons();
    void updateCount();

    QWidget* m_dialog = nullptr;
};
