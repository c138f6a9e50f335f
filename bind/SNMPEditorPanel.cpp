#include "bind/SNMPEditorPanel.h"

#include <QPushButton>

#include "bind/CtrlBtnPanel.h"
#include "bind/EditsPanel.h"

TSNMPEditorPanel::TSNMPEditorPanel(QWidget* owner, NvSNMPRequest2Edits* viewBinding)
    : TSNMPPanel(owner, nullptr, viewBinding)
{
    editsPanel = new TEditsPanel(clientArea, viewBinding);
    editsPanel->setSetButton(buttons->SetCheckedBtn);
    connect(buttons->SetCheckedBtn, &QPushButton::clicked, editsPanel,
            [this] { editsPanel->setChecked(buttons->SetCheckedBtn); });
    connect(buttons->CheckAllBtn, &QPushButton::clicked, editsPanel, [this] { editsPanel->checkAll(); });
    connect(buttons->ClearChecksBtn, &QPushButton::clicked, editsPanel, [this] { editsPanel->clearChecks(); });
    buttons->SetCheckedBtn->setEnabled(false);
    editsPanel->ArrangeCtrlBtn(buttons);
    setContent(editsPanel);
}

void TSNMPEditorPanel::detachBinding()
{
    TSNMPPanel::detachBinding();
    editsPanel->EditCtrl = nullptr;
}
