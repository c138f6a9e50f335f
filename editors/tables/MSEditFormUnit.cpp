#include "editors/tables/MSEditFormUnit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "catalogue/NvCatalogueTables.h"
#include "editors/common/EditorSupport.h"
#include "editors/common/SecretColumns.h"
#include "editors/tables/MSInformationFormUnit.h"

TMSEditForm::TMSEditForm(TMSInformationForm* listForm)
    : QDialog(listForm)
    , m_listForm(listForm)
{
    KeyIDEdit = new QLineEdit(this);
    KeyIDEdit->setObjectName(QStringLiteral("KeyIDEdit"));
    ED_MCS = new QLineEdit(this);
    ED_MCS->setObjectName(QStringLiteral("ED_MCS"));
    MS_Password = new QLineEdit(this);
    MS_Password->setObjectName(QStringLiteral("MS_Password"));
    Row_Status = new QComboBox(this);
    Row_Status->setObjectName(QStringLiteral("Row_Status"));
    secret::hideTyping(MS_Password);
    const editor::EditDialogButtons buttons = editor::layoutEditDialog(this, {
        {"Member ID", KeyIDEdit},
        {"Member Candidate Source", ED_MCS},
        {"Member Password", MS_Password},
        {"Member Row Status", Row_Status},
    });
    SetButton = buttons.set;
    CloseButton = buttons.close;
    connect(SetButton, &QPushButton::clicked, this, &TMSEditForm::SetButtonClick);

    m_binding = std::make_unique<NvSNMPRequest2Edits>(this);
    m_binding->request.varList = NvSNMPVarList(MemberSwitchEditVars, NvSNMPVarList::SingleInstance, 1);
    m_binding->bindEdit(MemberIdRow, "%i", KeyIDEdit);
    m_binding->bindEdit(CandidateSourceRow, "%s", KeyIDEdit);
    m_binding->bindEdit(PasswordRow, "%s", MS_Password);
    m_binding->bindComboBox(RowStatusRow, Row_Status);
}

TMSEditForm::~TMSEditForm()
{
    NvSNMPRequest2Controls::close(m_binding);
}

void TMSEditForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (mode == AddMode) {
        KeyIDEdit->setEnabled(true);
        KeyIDEdit->clear();
        ED_MCS->clear();
        MS_Password->clear();
    }
}

void TMSEditForm::SetButtonClick()
{
    if (mode == AddMode) {
        if (KeyIDEdit->text().isEmpty()) {
            editor::showMessage(this, QStringLiteral("MSID is needed."));
            KeyIDEdit->setFocus();
            return;
        }
        ED_MCS->setText(KeyIDEdit->text());
    }
    try {
        m_binding->request.varList.instance = KeyIDEdit->text().toStdString();
        m_binding->set(true, true);
        MS_Password->clear();  // not kept for the next member
        accept();
    } catch (const std::exception& x) {
        editor::appendLine(m_listForm->Memo1, x.what());
    }
}
