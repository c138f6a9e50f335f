#pragma once
// Server Control: adds an authentication server to a server group or removes
// it, one membership row per write.
#include <QDialog>
#include <memory>

#include "bind/NvSNMPRequest2Edits.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QStatusBar;
struct EditorContext;

class TfrmACCServerCtrl : public QDialog {
    Q_OBJECT
public:
    explicit TfrmACCServerCtrl(const EditorContext& context, QWidget* owner = nullptr);
    ~TfrmACCServerCtrl() override;

    void Button1Click();

    QLineEdit* edtGroupName = nullptr;
    QLineEdit* edtIPAddr = nullptr;
    QComboBox* cbAuthProtocol = nullptr;
    QComboBox* cbRowState = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QStatusBar* StatusBar1 = nullptr;

    NvSNMPRequest2Edits* binding() const { return m_binding.get(); }

protected:
    void done(int result) override;

private:
    // Empties the fields: the dialog writes only what the user entered.
    void clearFields();
    std::unique_ptr<NvSNMPRequest2Edits> m_binding;
};
