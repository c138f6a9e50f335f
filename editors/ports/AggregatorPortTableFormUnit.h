#pragma once
// "Aggregator Port Table": the 802.3ad state of every port, read-only; the
// actor and partner state octets of the selected port as eight named bits each.
#include <vector>

#include "editors/common/EditorDialog.h"

class NvSNMPRequest2Edits;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;

class TAggregatorPortTableForm : public EditorDialog {
    Q_OBJECT
public:
    explicit TAggregatorPortTableForm(const EditorContext& context);

    void GetBtnClick();

    QTreeWidget* ListView1 = nullptr;
    QTabWidget* StatePages = nullptr;
    std::vector<QCheckBox*> stateBoxes;  // 4 tabs of 8 bits, in column and bit order
    QLabel* ST_Count = nullptr;
    QPushButton* GetBtn = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

private:
    NvSNMPRequest2Edits* m_binding = nullptr;
};
