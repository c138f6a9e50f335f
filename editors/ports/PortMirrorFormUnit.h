#pragma once
// "Port Mirror Table": the switch's one port-mirroring configuration: the
// target port (entered as unit and port), the ingress and egress source ports
// on two port grids, and mirroring on or off.
#include "editors/common/EditorDialog.h"

class NvSNMPRequest2Edits;
class PortGrid;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

class TPortMirrorForm : public EditorDialog {
    Q_OBJECT
public:
    explicit TPortMirrorForm(const EditorContext& context);

    void BT_RefreshClick();
    void BT_SetClick();
    // Shows the target port number as unit and port.
    void ET_TargetPortChange();

    QLineEdit* ET_TargetPort = nullptr;
    QLineEdit* UnitEdit = nullptr;
    QLineEdit* PortEdit = nullptr;
    QCheckBox* CK_Status = nullptr;
    QGroupBox* SourcePortGB = nullptr;
    QGroupBox* IngressPortGB = nullptr;
    QGroupBox* EgressPortGB = nullptr;
    PortGrid* IngressPorts = nullptr;
    PortGrid* EgressPorts = nullptr;
    QPushButton* BT_Refresh = nullptr;
    QPushButton* BT_Set = nullptr;
    QStatusBar* StatusBar1 = nullptr;

private:
    NvSNMPRequest2Edits* m_binding = nullptr;
    QLabel* m_statusPanel = nullptr;
};
