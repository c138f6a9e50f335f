#pragma once
// The dialog of the MD5 key table: key ID, key and status. Its controls are
// bound to the list form's binding, so selecting a line of the list fills them.
#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class TMd5InformationForm;

class TMd5EditForm : public QDialog {
    Q_OBJECT
public:
    enum Mode { EditMode = 1, AddMode = 2 };

    explicit TMd5EditForm(TMd5InformationForm* listForm);

    void SetButtonClick();

    int mode = EditMode;
    QLineEdit* KeyIDEdit = nullptr;
    QLineEdit* KeyEdit = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QPushButton* SetButton = nullptr;
    QPushButton* CloseButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    TMd5InformationForm* m_listForm;
};
