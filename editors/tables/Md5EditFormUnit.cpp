#include "editors/tables/Md5EditFormUnit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "editors/common/EditorSupport.h"
#include "editors/common/SecretColumns.h"
#include "editors/tables/Md5InformationFormUnit.h"

TMd5EditForm::TMd5EditForm(TMd5InformationForm* listForm)
    : QDialog(listForm)
    , m_listForm(listForm)
{
    setWindowTitle(QStringLiteral("Md5 Edit"));
    KeyIDEdit = new QLineEdit(this);
    KeyIDEdit->setObjectName(QStringLiteral("KeyIDEdit"));
    KeyIDEdit->setEnabled(false);
    KeyEdit = new QLineEdit(this);
    KeyEdit->setObjectName(QStringLiteral("KeyEdit"));
    secret::hideTyping(KeyEdit);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    const editor::EditDialogButtons buttons = editor::layoutEditDialog(this, {
        {"Key ID [1..255]", KeyIDEdit},
        {"Key", KeyEdit},
        {"Status", ComboBox1},
    });
    SetButton = buttons.set;
    CloseButton = buttons.close;
    connect(SetButton, &QPushButton::clicked, this, &TMd5EditForm::SetButtonClick);
}

void TMd5EditForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (mode == EditMode) {
        KeyIDEdit->setEnabled(false);
    } else {
        KeyIDEdit->setEnabled(true);
        KeyIDEdit->clear();
        KeyEdit->clear();
    }
}

void TMd5EditForm::SetButtonClick()
{
    if (mode == AddMode) {
        const char* refusal = nullptr;
        QLineEdit* focus = KeyIDEdit;
        const QTreeWidget* list = m_listForm->ListView1;
        if (KeyIDEdit->text().isEmpty()) {
            refusal = "KeyID is needed.";
        } else {
            for (int i = 0; i < list->topLevelItemCount() && !refusal; ++i) {
                if (list->topLevelItem(i)->text(0) == KeyIDEdit->text())
                    refusal = "KeyID must be different.";
            }
        }
        if (!refusal && KeyEdit->text().isEmpty()) {
            refusal = "Key is needed.";
            focus = KeyEdit;
        }
        if (refusal) {
            editor::showMessage(this, QString::fromLatin1(refusal));
            focus->setFocus();
            return;
        }
    }
    try {
        m_listForm->binding()->set(true, true);
        KeyEdit->clear();  // not kept once written
        accept();
    } catch (const std::exception& x) {
        editor::appendLine(m_listForm->Memo1, x.what());
    }
}
