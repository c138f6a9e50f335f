#pragma once
// The dialog of the BOOTP relay table: interface name and server address of a
// new entry. Its edits are bound to the list form's binding.
#include <QDialog>

class QLineEdit;
class QPushButton;
class TBOOTCtrlTableForm;

class TNewBootpCtrlForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int MaxServersPerInterface = 4;

    explicit TNewBootpCtrlForm(TBOOTCtrlTableForm* listForm);

    void SetButtonClick();

    QLineEdit* Edit1 = nullptr;  // interface name
    QLineEdit* Edit2 = nullptr;  // server address
    QPushButton* SetButton = nullptr;
    QPushButton* CloseButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    TBOOTCtrlTableForm* m_listForm;
    bool m_shownBefore = false;
};
