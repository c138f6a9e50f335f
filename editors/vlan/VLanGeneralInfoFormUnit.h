#pragma once
// "802.1Q Basic Configure": the global VLAN settings (version, limits, number
// of VLANs) and the switch-wide GVRP status.
#include "editors/common/EditorDialog.h"

class NvSNMPRequest2Edits;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class TVLanGeneralInfoForm : public EditorDialog {
    Q_OBJECT
public:
    explicit TVLanGeneralInfoForm(const EditorContext& context);

    void RefreshClick();
    void SetClick();

    QLabel* VlanVersionNumber = nullptr;
    QLabel* MaxVlanId = nullptr;
    QLabel* MaxSupportedVlans = nullptr;
    QLabel* CurrentNumOfVlans = nullptr;
    QComboBox* GvrpStatus = nullptr;
    QPushButton* RefreshBtn = nullptr;
    QPushButton* SetBtn = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

private:
    NvSNMPRequest2Edits* m_binding = nullptr;
};
