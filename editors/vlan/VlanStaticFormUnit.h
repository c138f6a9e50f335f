#pragma once
// "VLAN Static Form": the static VLAN table with its three port lists on port
// grids (an untagged port is always an egress port), the next free local VLAN
// index, and Add, Set and Delete of VLANs.
#include "editors/common/EditorDialog.h"

class NvSNMPRequest2Edits;
class PortGrid;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;

class TVlanStaticForm : public EditorDialog {
    Q_OBJECT
public:
    explicit TVlanStaticForm(const EditorContext& context);

    void RefreshClick();
    void SetClick();
    void AddClick();
    void DeleteClick();
    // Selection changes of the list: Delete follows the selection; without
    // one the controls are cleaned up.
    void LV_dot1qVlanStaticEntryClick();
    // All port boxes unchecked, VLAN id, name and status emptied.
    void cleanUp();

    QTreeWidget* LV_dot1qVlanStaticEntry = nullptr;
    QLineEdit* ED_VLANID = nullptr;
    QLineEdit* ED_VLANName = nullptr;
    QComboBox* Status = nullptr;
    QLabel* NextFreeLocalVlanIndex = nullptr;
    QLabel* ST_Count2 = nullptr;
    QTabWidget* PortPages = nullptr;
    PortGrid* EgressPorts = nullptr;
    PortGrid* ForbiddenEgressPorts = nullptr;
    PortGrid* UntaggedPorts = nullptr;
    QPushButton* RefreshBtn = nullptr;
    QPushButton* SetBtn = nullptr;
    QPushButton* AddBtn = nullptr;
    QPushButton* DeleteBtn = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

private:
    // Status item, then set with the controls collected and the table re-read.
    void send(int statusItem);

    NvSNMPRequest2Edits* m_scalar = nullptr;
    NvSNMPRequest2Edits* m_table = nullptr;
};
