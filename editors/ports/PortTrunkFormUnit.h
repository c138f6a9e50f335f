#pragma once
// "Port Trunk Table": link-aggregation groups with their master port (entered
// as unit and port) and member ports (at most eight, at least two on the
// master's unit), created, changed and deleted with blocking requests.
#include "editors/common/EditorDialog.h"

class NvSNMPRequest2Edits;
class PortGrid;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;

class TPortTrunkForm : public EditorDialog {
    Q_OBJECT
public:
    explicit TPortTrunkForm(const EditorContext& context);

    void BT_GetClick();
    void BT_AddClick();
    void SetBtnClick();
    void BT_DeleteClick();
    void LV_PortTrunkClick();

    QTreeWidget* LV_PortTrunk = nullptr;
    QLineEdit* ED_Index = nullptr;
    QLineEdit* ED_Name = nullptr;
    QLineEdit* ED_MasterPort = nullptr;
    QLineEdit* UnitEdit = nullptr;
    QLineEdit* PortEdit = nullptr;
    QLabel* ST_FloodingPort = nullptr;
    QComboBox* Combo_Type = nullptr;
    QComboBox* Combo_State = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QGroupBox* StackingPortPanel = nullptr;
    PortGrid* Ports = nullptr;
    QPushButton* BT_Get = nullptr;
    QPushButton* SetBtn = nullptr;
    QPushButton* BT_Set = nullptr;
    QPushButton* BT_Delete = nullptr;
    QStatusBar* StatusBar1 = nullptr;

private:
    // The unit and port edits filled in (else a message and false).
    bool unitAndPortGiven();
    int masterPort() const;
    // At most eight and at least two checked boxes on the master's unit.
    bool membersFit(int master);
    // Message and focus; always false.
    bool refuse(const QString& text, QWidget* focus);
    void setIndexEditable(bool editable);

    NvSNMPRequest2Edits* m_binding = nullptr;
    QLabel* m_statusPanel = nullptr;
};
