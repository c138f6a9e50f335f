#pragma once
// "Protocol VLAN": the protocol-based VLAN table, read and written blocking;
// Add, Edit and Delete send only the columns the operator filled in.
#include "editors/common/EditorDialog.h"

class ExcludedRows;
class NvSNMPRequest2Edits;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;

class TProtocolVlanForm : public EditorDialog {
    Q_OBJECT
public:
    explicit TProtocolVlanForm(const EditorContext& context);

    void GetClick();
    void EditClick();
    void AddClick();
    void DeleteClick();
    void ListView1Click();
    // User protocol and encapsulation are offered only for a user-defined protocol.
    void ProtocolTypeChange();

    QTreeWidget* ListView1 = nullptr;
    QLineEdit* Index = nullptr;
    QLineEdit* Name = nullptr;
    QLineEdit* UserProtocol = nullptr;
    QComboBox* ProtocolType = nullptr;
    QComboBox* Advertisement = nullptr;
    QComboBox* Encap = nullptr;
    QComboBox* RowStatus = nullptr;
    QLabel* StaticText1 = nullptr;
    QPushButton* Get = nullptr;
    QPushButton* EditBtn = nullptr;
    QPushButton* AddBtn = nullptr;
    QPushButton* DeleteBtn = nullptr;
    QStatusBar* StatusBar1 = nullptr;

private:
    // Leaves out the columns whose controls show nothing to send.
    void excludeUnfilled(ExcludedRows& rows) const;
    // Sends with the rows exclude() leaves out, puts the flags back, re-reads.
    void sendAndReread(const std::function<void(ExcludedRows&)>& exclude);
    // After creation, every get and every set.
    void resetButtons();

    NvSNMPRequest2Edits* m_binding = nullptr;
    QLabel* m_statusPanel = nullptr;
};
