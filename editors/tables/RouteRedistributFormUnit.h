#pragma once
// Route redistribution: which routes of one protocol (source) are announced
// into another (destination), with their type and metric. The type is chosen
// with a group of radio buttons whose choices depend on the two protocols.
#include <QDialog>
#include <memory>

#include "bind/NvSNMPRequest2Edits.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;
struct EditorContext;

class TRouteRedistributForm : public QDialog {
    Q_OBJECT
public:
    explicit TRouteRedistributForm(const EditorContext& context, QWidget* owner = nullptr);
    ~TRouteRedistributForm() override;

    void ProtocolChange();
    void ListView1Click();
    void RadioButtonClick(int k);
    void SetButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();
    void RefreshButtonClick();

    QTreeWidget* ListView1 = nullptr;
    QComboBox* ComboBox1 = nullptr;   // source protocol
    QComboBox* ComboBox2 = nullptr;   // destination protocol
    QComboBox* ComboBox3 = nullptr;   // type (hidden; chosen through the radio buttons)
    QLineEdit* Edit1 = nullptr;       // metric
    QLabel* Label5 = nullptr;         // metric range
    QComboBox* StComboBox = nullptr;  // row status (hidden)
    QRadioButton* RadioButtons[10] = {};  // RadioButton1 .. RadioButton10
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* RefreshButton = nullptr;
    QPushButton* SetButton = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    QPushButton* CloseButton = nullptr;

    NvSNMPRequest2Edits* binding() const { return m_binding.get(); }

protected:
    void done(int result) override;

private:
    // The metric checks of Set and Add; false (after focus or message) when refused.
    bool metricAccepted();
    // Writes the controls. The type "other" has no value of its own in the
    // table, so with it the type column stays out of the write.
    void write();

    std::unique_ptr<NvSNMPRequest2Edits> m_binding;
};
