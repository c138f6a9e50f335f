#include "editors/tables/Md5InformationFormUnit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "catalogue/NvCatalogueTables.h"
#include "editors/common/EditorSupport.h"
#include "editors/common/SecretColumns.h"
#include "editors/tables/Md5EditFormUnit.h"

namespace {

enum Md5Row { KeyIdRow, KeyRow, StatusRow };
constexpr int kActiveItem = 0;
constexpr int kCreateAndGoItem = 1;
constexpr int kDestroyItem = 2;

} // namespace

TMd5InformationForm::TMd5InformationForm(const EditorContext& context, QWidget* owner)
    : QDialog(owner)
{
    setWindowTitle(QStringLiteral("MD5 Information Table"));
    ListView1 = editor::newReportListView(this, "ListView1");
    secret::maskColumns(ListView1, {QStringLiteral("Key")});
    Memo1 = editor::newStatusMemo(this);
    RefreshButton = editor::newButton(this, "RefreshButton", "Refresh");
    EditButton = editor::newButton(this, "EditButton", "Edit");
    DeleteButton = editor::newButton(this, "DeleteButton", "Delete");
    AddButton = editor::newButton(this, "AddButton", "Add");
    editor::layoutListForm(this, ListView1, nullptr, Memo1, {RefreshButton, EditButton, DeleteButton, AddButton});
    editor::applyDesignedSize(this, context, 480, 330);
    EditButton->setEnabled(false);
    connect(RefreshButton, &QPushButton::clicked, this, &TMd5InformationForm::RefreshButtonClick);
    connect(EditButton, &QPushButton::clicked, this, &TMd5InformationForm::EditButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TMd5InformationForm::DeleteButtonClick);
    connect(AddButton, &QPushButton::clicked, this, &TMd5InformationForm::AddButtonClick);
    connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &TMd5InformationForm::ListView1Click);

    Md5EditForm = new TMd5EditForm(this);
    m_binding = std::make_unique<NvSNMPRequest2Edits>(this);
    try {
        m_binding->request.varList = NvSNMPVarList(Md5KeyVars, NvSNMPVarList::EditableTable, 1);
        m_binding->attachListView(ListView1, true);
        m_binding->bindEdit(KeyIdRow, "%i{n1x255}", Md5EditForm->KeyIDEdit);
        m_binding->bindEdit(KeyRow, "%s{l16}", Md5EditForm->KeyEdit);
        m_binding->bindComboBox(StatusRow, Md5EditForm->ComboBox1);
        m_binding->setStatusTarget(Memo1);
        m_binding->get();
    } catch (const std::exception& x) {
        editor::appendLine(Memo1, x.what());
    }
}

TMd5InformationForm::~TMd5InformationForm()
{
    closeDialogAndBinding();
}

void TMd5InformationForm::done(int result)
{
    closeDialogAndBinding();
    QDialog::done(result);
}

void TMd5InformationForm::closeDialogAndBinding()
{
    // The dialog's controls are bound: the dialog goes first, then the binding.
    delete Md5EditForm;
    Md5EditForm = nullptr;
    NvSNMPRequest2Controls::close(m_binding);
}

void TMd5InformationForm::ListView1Click()
{
    EditButton->setEnabled(!ListView1->selectedItems().isEmpty());
}

void TMd5InformationForm::RefreshButtonClick()
{
    try {
        m_binding->get();
    } catch (const std::exception& x) {
        editor::appendLine(Memo1, x.what());
    }
    EditButton->setEnabled(false);
}

void TMd5InformationForm::showDialog(int mode, int statusItem)
{
    Md5EditForm->mode = mode;
    Md5EditForm->ComboBox1->setCurrentIndex(statusItem);
    Md5EditForm->ComboBox1->setEnabled(false);
    Md5EditForm->exec();
    EditButton->setEnabled(false);
}

void TMd5InformationForm::EditButtonClick()
{
    if (ListView1->selectedItems().isEmpty())
        return;
    try {
        m_binding->selectedLineToRows();
        m_binding->showValues(-1);
    } catch (const std::exception& x) {
        editor::appendLine(Memo1, x.what());
        return;
    }
    showDialog(TMd5EditForm::EditMode, kActiveItem);
}

void TMd5InformationForm::AddButtonClick()
{
    showDialog(TMd5EditForm::AddMode, kCreateAndGoItem);
}

void TMd5InformationForm::DeleteButtonClick()
{
    if (ListView1->selectedItems().isEmpty()) {
        editor::showMessage(this, QStringLiteral("Choose the item first."));
        DeleteButton->setFocus();
        return;
    }
    try {
        // The Add dialog shares these controls: what it left typed is not the
        // highlighted key, which is loaded again before it is destroyed.
        m_binding->selectedLineToRows();
        m_binding->showValues(-1);
        Md5EditForm->ComboBox1->setCurrentIndex(kDestroyItem);
        m_binding->set(true, true);
    } catch (const std::exception& x) {
        editor::appendLine(Memo1, x.what());
    }
    EditButton->setEnabled(false);
}
