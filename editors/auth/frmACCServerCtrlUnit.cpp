#include "editors/auth/frmACCServerCtrlUnit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStatusBar>
#include <QTime>
#include <QVBoxLayout>

#include "catalogue/NvCatalogueTables.h"
#include "editors/common/EditorRegistry.h"
#include "editors/common/EditorSupport.h"

namespace {

enum MemberRow { GroupRow, AddressRow, ProtocolRow, RowStateRow };

} // namespace

TfrmACCServerCtrl::TfrmACCServerCtrl(const EditorContext& context, QWidget* owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("frmACCServerCtrl"));
    edtGroupName = new QLineEdit(this);
    edtGroupName->setObjectName(QStringLiteral("edtGroupName"));
    edtIPAddr = new QLineEdit(this);
    edtIPAddr->setObjectName(QStringLiteral("edtIPAddr"));
    cbAuthProtocol = new QComboBox(this);
    cbAuthProtocol->setObjectName(QStringLiteral("cbAuthProtocol"));
    cbRowState = new QComboBox(this);
    cbRowState->setObjectName(QStringLiteral("cbRowState"));
    Button1 = new QPushButton(QStringLiteral("Set"), this);
    Button2 = new QPushButton(QStringLiteral("Close"), this);
    StatusBar1 = new QStatusBar(this);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Group Name"), edtGroupName);
    fields->addRow(QStringLiteral("IP Addr"), edtIPAddr);
    fields->addRow(QStringLiteral("Auth Protocol"), cbAuthProtocol);
    fields->addRow(QStringLiteral("Row State"), cbRowState);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(fields);
    whole->addLayout(buttons);
    whole->addWidget(StatusBar1);
    editor::applyDesignedSize(this, context, 340, 200);
    connect(Button1, &QPushButton::clicked, this, &TfrmACCServerCtrl::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    try {
        m_binding = std::make_unique<NvSNMPRequest2Edits>(this);
        m_binding->request.varList = NvSNMPVarList(AccServerCtrlVars, NvSNMPVarList::EditableTable, 3);
        m_binding->asynchronous = false;
        m_binding->bindEdit(GroupRow, "%s{l16}", edtGroupName);
        m_binding->bindEdit(AddressRow, "%s{l16}", edtIPAddr);
        m_binding->bindComboBox(ProtocolRow, cbAuthProtocol);
        m_binding->bindComboBox(RowStateRow, cbRowState);
        m_binding->setStatusTarget(StatusBar1);
        m_binding->get();
    } catch (const std::exception& x) {
        StatusBar1->showMessage(QString::fromLocal8Bit(x.what()));
    }
    // The dialog opens empty whatever the walk showed.
    clearFields();
}

void TfrmACCServerCtrl::clearFields()
{
    edtGroupName->clear();
    edtIPAddr->clear();
    cbAuthProtocol->setCurrentIndex(-1);
    cbRowState->setCurrentIndex(-1);
}

TfrmACCServerCtrl::~TfrmACCServerCtrl()
{
    NvSNMPRequest2Controls::close(m_binding);
}

void TfrmACCServerCtrl::done(int result)
{
    NvSNMPRequest2Controls::close(m_binding);
    QDialog::done(result);
}

void TfrmACCServerCtrl::Button1Click()
{
    if (edtGroupName->text().isEmpty() || edtIPAddr->text().isEmpty() || cbAuthProtocol->currentText().isEmpty()
        || cbRowState->currentText().isEmpty()) {
        StatusBar1->showMessage(QStringLiteral("Don't Leave Empty Fileds !"));
        return;
    }
    try {
        m_binding->set(true, true);
        // The re-read loaded a table row into the fields; a second Set must
        // not write that row.
        clearFields();
        StatusBar1->showMessage(QStringLiteral("Set: Ok!. Receive at ")
                                + QLocale().toString(QTime::currentTime(), QLocale::LongFormat)
                                + QStringLiteral("."));
    } catch (const std::exception&) {
        editor::showMessage(this, QStringLiteral("Set entry failed!"));
    }
}
