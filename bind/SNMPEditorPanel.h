#pragma once
// A generated scalar view: the frame of TSNMPPanel with the generated rows as
// its content, and the Set Checked / Set, Check All and Clear Checks actions.
#include "bind/SNMPPanel.h"

class TEditsPanel;

class TSNMPEditorPanel : public TSNMPPanel {
    Q_OBJECT

public:
    TSNMPEditorPanel(QWidget* owner, NvSNMPRequest2Edits* binding);

    void detachBinding() override;

    TEditsPanel* editsPanel = nullptr;
};
