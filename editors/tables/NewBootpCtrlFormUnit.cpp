#include "editors/tables/NewBootpCtrlFormUnit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "editors/common/EditorSupport.h"
#include "editors/tables/BOOTCtrlTableFormUnit.h"

TNewBootpCtrlForm::TNewBootpCtrlForm(TBOOTCtrlTableForm* listForm)
    : QDialog(listForm)
    , m_listForm(listForm)
{
    setWindowTitle(QStringLiteral("New Bootp Ctrl Entry"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    const editor::EditDialogButtons buttons = editor::layoutEditDialog(this, {
        {"Interface Name", Edit1},
        {"Bootp Server IP", Edit2},
    });
    SetButton = buttons.set;
    CloseButton = buttons.close;
    connect(SetButton, &QPushButton::clicked, this, &TNewBootpCtrlForm::SetButtonClick);
}

void TNewBootpCtrlForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A walk of the list disables the bound edits; the dialog needs them.
    Edit1->setEnabled(true);
    Edit2->setEnabled(true);
    if (!m_shownBefore) {
        Edit1->clear();
        Edit2->clear();
        m_shownBefore = true;
    }
}

void TNewBootpCtrlForm::SetButtonClick()
{
    const QTreeWidget* list = m_listForm->ListView1;
    int servers = 0;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->text(0) == Edit1->text() && ++servers == MaxServersPerInterface) {
            QMessageBox::information(nullptr, QString(), QStringLiteral("One Interface Can Only With Four Bootp Servers"),
                                     QMessageBox::Ok);
            return;
        }
    }
    try {
        m_listForm->ComboBox1->setCurrentIndex(m_listForm->ComboBox1->findText(QStringLiteral("valid")));
        m_listForm->binding()->set(true, true);
        Edit1->clear();
        Edit2->clear();
        accept();
    } catch (const std::exception& x) {
        editor::appendLine(m_listForm->Memo1, x.what());
    }
}
