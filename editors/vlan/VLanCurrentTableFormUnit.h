#pragma once
// "VLAN Current Table": the VLANs the switch runs now, read-only, with the
// egress and untagged ports of the selected VLAN on port grids and the number
// of VLAN deletes.
#include "editors/common/EditorDialog.h"

class NvSNMPRequest2Edits;
class PortGrid;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;

class TVLanCurrentTableForm : public EditorDialog {
    Q_OBJECT
public:
    explicit TVLanCurrentTableForm(const EditorContext& context);

    void RefreshClick();
    void LV_dot1qVlanCurrentEntryClick();
    // All port boxes unchecked, the VLAN index emptied.
    void cleanUp();

    QTreeWidget* LV_dot1qVlanCurrentEntry = nullptr;
    QLabel* StaticText1 = nullptr;
    QLabel* VlanNumDeletes = nullptr;
    QLabel* ST_Count2 = nullptr;
    QTabWidget* PortPages = nullptr;
    PortGrid* EgressPort = nullptr;
    PortGrid* UntaggedPort = nullptr;
    QPushButton* RefreshBtn = nullptr;
    QPushButton* SetBtn = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

private:
    NvSNMPRequest2Edits* m_scalar = nullptr;
    NvSNMPRequest2Edits* m_table = nullptr;
};
