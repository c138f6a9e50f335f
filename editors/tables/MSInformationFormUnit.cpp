#include "editors/tables/MSInformationFormUnit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "catalogue/NvCatalogueTables.h"
#include "editors/common/EditorSupport.h"
#include "editors/common/SecretColumns.h"
#include "editors/tables/MSEditFormUnit.h"

namespace {

constexpr int kCreateAndGoItem = 0;
constexpr int kDestroyItem = 1;
constexpr uint32_t kListTimeout = 500;  // hundredths of a second

} // namespace

TMSInformationForm::TMSInformationForm(const EditorContext& context, QWidget* owner)
    : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Member Switch Information Table"));
    ListView1 = editor::newReportListView(this, "ListView1");
    secret::maskColumns(ListView1, {QStringLiteral("Member Password")});
    Memo1 = editor::newStatusMemo(this);
    RefreshButton = editor::newButton(this, "RefreshButton", "Refresh");
    DeleteButton = editor::newButton(this, "DeleteButton", "Delete");
    AddButton = editor::newButton(this, "AddButton", "Add");
    EditButton = editor::newButton(this, "EditButton", "Edit");
    EditButton->hide();
    editor::layoutListForm(this, ListView1, nullptr, Memo1, {RefreshButton, DeleteButton, AddButton, EditButton});
    editor::applyDesignedSize(this, context, 700, 340);
    connect(RefreshButton, &QPushButton::clicked, this, &TMSInformationForm::RefreshButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TMSInformationForm::DeleteButtonClick);
    connect(AddButton, &QPushButton::clicked, this, &TMSInformationForm::AddButtonClick);

    MSEditForm = new TMSEditForm(this);
    m_binding = std::make_unique<NvSNMPRequest2Edits>(this);
    try {
        m_binding->request.varList = NvSNMPVarList(MemberSwitchVars, NvSNMPVarList::EditableTable, 1);
        m_binding->attachListView(ListView1, true);
        m_binding->setStatusTarget(Memo1);
        m_binding->request.timeout = kListTimeout;
        m_binding->get();
    } catch (const std::exception& x) {
        editor::appendLine(Memo1, x.what());
    }
}

TMSInformationForm::~TMSInformationForm()
{
    closeDialogAndBinding();
}

void TMSInformationForm::done(int result)
{
    closeDialogAndBinding();
    QDialog::done(result);
}

void TMSInformationForm::closeDialogAndBinding()
{
    delete MSEditForm;
    MSEditForm = nullptr;
    NvSNMPRequest2Controls::close(m_binding);
}

void TMSInformationForm::RefreshButtonClick()
{
    try {
        m_binding->get();
    } catch (const std::exception& x) {
        editor::appendLine(Memo1, x.what());
    }
}

void TMSInformationForm::AddButtonClick()
{
    MSEditForm->mode = TMSEditForm::AddMode;
    MSEditForm->Row_Status->setCurrentIndex(kCreateAndGoItem);
    MSEditForm->Row_Status->setEnabled(false);
    MSEditForm->setWindowTitle(QStringLiteral("MS Add"));
    MSEditForm->exec();
    RefreshButtonClick();
}

void TMSInformationForm::DeleteButtonClick()
{
    const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
    if (selected.isEmpty()) {
        editor::showMessage(this, QStringLiteral("Choose the item first."));
        DeleteButton->setFocus();
        RefreshButtonClick();
        return;
    }
    MSEditForm->mode = TMSEditForm::EditMode;
    MSEditForm->Row_Status->setCurrentIndex(kDestroyItem);
    // Only the row status goes out: the member ID, candidate source and
    // password rows sit this write out and get their flags back afterwards.
    NvSNMPVarList& list = MSEditForm->binding()->request.varList;
    std::vector<int32_t> saved;
    for (int r = TMSEditForm::MemberIdRow; r <= TMSEditForm::PasswordRow; ++r) {
        saved.push_back(list.row(r).access);
        list.row(r).access = AccessExcluded;
    }
    try {
        list.instance = selected.first()->text(0).toStdString();
        MSEditForm->binding()->set(true, true);
    } catch (const std::exception& x) {
        editor::appendLine(Memo1, x.what());
    }
    for (int r = TMSEditForm::MemberIdRow; r <= TMSEditForm::PasswordRow; ++r)
        list.row(r).access = saved[static_cast<size_t>(r)];
    RefreshButtonClick();
}
