#include "editors/tables/BOOTCtrlTableFormUnit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "catalogue/NvCatalogueTables.h"
#include "editors/common/EditorSupport.h"
#include "editors/tables/NewBootpCtrlFormUnit.h"

namespace {

enum BootpRow { InterfaceRow, ServerRow, StateRow };

} // namespace

TBOOTCtrlTableForm::TBOOTCtrlTableForm(const EditorContext& context, QWidget* owner)
    : QDialog(owner)
{
    setWindowTitle(QStringLiteral("BOOTP Ctrl Table"));
    ListView1 = editor::newReportListView(this, "ListView1");
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->hide();
    Memo1 = editor::newStatusMemo(this);
    RefreshButton = editor::newButton(this, "RefreshButton", "Refresh");
    DeleteButton = editor::newButton(this, "DeleteButton", "Delete");
    AddButton = editor::newButton(this, "AddButton", "Add");
    CloseButton = editor::newButton(this, "CloseButton", "Close");
    editor::layoutListForm(this, ListView1, nullptr, Memo1, {RefreshButton, DeleteButton, AddButton, CloseButton});
    editor::applyDesignedSize(this, context, 460, 330, false);
    connect(RefreshButton, &QPushButton::clicked, this, &TBOOTCtrlTableForm::RefreshButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TBOOTCtrlTableForm::DeleteButtonClick);
    connect(AddButton, &QPushButton::clicked, this, &TBOOTCtrlTableForm::AddButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);

    NewBootpCtrlForm = new TNewBootpCtrlForm(this);
    m_binding = std::make_unique<NvSNMPRequest2Edits>(this);
    try {
        m_binding->request.varList = NvSNMPVarList(BootpCtrlVars, NvSNMPVarList::Table, 2);
        m_binding->attachListView(ListView1, true);
        m_binding->bindEdit(InterfaceRow, "%s", NewBootpCtrlForm->Edit1);
        m_binding->bindEdit(ServerRow, "%s", NewBootpCtrlForm->Edit2);
        m_binding->bindComboBox(StateRow, ComboBox1);
        m_binding->setStatusTarget(Memo1);
        m_binding->get();
    } catch (const std::exception& x) {
        editor::appendLine(Memo1, x.what());
    }
}

TBOOTCtrlTableForm::~TBOOTCtrlTableForm()
{
    closeDialogAndBinding();
}

void TBOOTCtrlTableForm::done(int result)
{
    closeDialogAndBinding();
    QDialog::done(result);
}

void TBOOTCtrlTableForm::closeDialogAndBinding()
{
    delete NewBootpCtrlForm;
    NewBootpCtrlForm = nullptr;
    NvSNMPRequest2Controls::close(m_binding);
}

void TBOOTCtrlTableForm::RefreshButtonClick()
{
    try {
        m_binding->get();
    } catch (const std::exception& x) {
        editor::appendLine(Memo1, x.what());
    }
}

void TBOOTCtrlTableForm::AddButtonClick()
{
    NewBootpCtrlForm->exec();
}

void TBOOTCtrlTableForm::DeleteButtonClick()
{
    // The entry written is the one in the dialog's edits, which a selected line fills.
    try {
        ComboBox1->setCurrentIndex(ComboBox1->findText(QStringLiteral("invalid")));
        m_binding->set(true, true);
    } catch (const std::exception& x) {
        editor::appendLine(Memo1, x.what());
    }
}
