#pragma once
// "VLAN Port Information Form": the VLAN settings of every port (port VLAN id,
// acceptable frame types, ingress filtering, GVRP), edited line by line.
#include "editors/common/EditorDialog.h"

class NvSNMPRequest2Edits;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

class TVLanPortInfomationForm : public EditorDialog {
    Q_OBJECT
public:
    explicit TVLanPortInfomationForm(const EditorContext& context);

    // Ignored while a walk is running.
    void RefreshClick();
    // Writes the selected port and selects it again once the table is re-read.
    void SetClick();

    QTreeWidget* LV_dot1qPortVlanEntry = nullptr;
    QLineEdit* PortVLanID = nullptr;
    QComboBox* AcceptableFrameTypes = nullptr;
    QComboBox* IngressFiltering = nullptr;
    QComboBox* GvrpStatus = nullptr;
    QLabel* ST_Count = nullptr;
    QPushButton* RefreshBtn = nullptr;
    QPushButton* SetBtn = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

private:
    NvSNMPRequest2Edits* m_binding = nullptr;
};
