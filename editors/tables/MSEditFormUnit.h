#pragma once
// The dialog of the member-switch table. It writes through a binding of its
// own over one member's row (single instance): candidate source, password and
// row status; the member ID only addresses the row and is never written.
#include <QDialog>
#include <memory>

#include "bind/NvSNMPRequest2Edits.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class TMSInformationForm;

class TMSEditForm : public QDialog {
    Q_OBJECT
public:
    enum Mode { EditMode = 1, AddMode = 2 };
    enum Row { MemberIdRow, CandidateSourceRow, PasswordRow, RowStatusRow };

    explicit TMSEditForm(TMSInformationForm* listForm);
    ~TMSEditForm() override;

    void SetButtonClick();

    int mode = AddMode;
    QLineEdit* KeyIDEdit = nullptr;    // member ID
    QLineEdit* ED_MCS = nullptr;       // candidate source (not bound)
    QLineEdit* MS_Password = nullptr;
    QComboBox* Row_Status = nullptr;
    QPushButton* SetButton = nullptr;
    QPushButton* CloseButton = nullptr;

    NvSNMPRequest2Edits* binding() const { return m_binding.get(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    TMSInformationForm* m_listForm;
    std::unique_ptr<NvSNMPRequest2Edits> m_binding;
};
