#pragma once
// "Traffic Segmentation Table": for every port the ports it may forward to.
// The table is walked asynchronously; the ready flag keeps walks from
// overlapping, and Stop ends a running walk.
#include "editors/common/EditorDialog.h"

class NvSNMPRequest2Edits;
class PortGrid;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;

class TTrafficSegmentationForm : public EditorDialog {
    Q_OBJECT
public:
    explicit TTrafficSegmentationForm(const EditorContext& context);

    void BT_GetClick();
    void BT_SetClick();
    void StopBtnClick();
    void LV_TrafficForwardClick();
    // True while no walk runs.
    bool ready() const { return m_ready; }

    QTreeWidget* LV_TrafficForward = nullptr;
    QLabel* ST_Port = nullptr;
    QLineEdit* Combo_Unit = nullptr;
    QLineEdit* Combo_Port = nullptr;
    QLabel* StaticText1 = nullptr;
    QGroupBox* Panel4 = nullptr;
    PortGrid* ForwardPorts = nullptr;
    QPushButton* BT_Get = nullptr;
    QPushButton* BT_Set = nullptr;
    QPushButton* StopBtn = nullptr;
    QStatusBar* StatusBar1 = nullptr;

private:
    // A walk stopped with Stop may still wait for its last reply: the request
    // is switched on again only after it.
    void switchOn();

    NvSNMPRequest2Edits* m_binding = nullptr;
    QLabel* m_statusPanel = nullptr;
    bool m_ready = false;
};
