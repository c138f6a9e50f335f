#include "bind/SNMPListViewPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>

#include "bind/CtrlBtnPanel.h"
#include "bind/EditsPanel.h"
#include "bind/ListViewPanel.h"
#include "bind/MsgPanel.h"
#include "bind/NvSNMPRequest2Edits.h"
#include "snmp/NvEventWait.h"
#include "snmp/NvSNMPError.h"
#include "snmp/NvSNMPVarDescriptor.h"

namespace {

void checkStatusText(const TEditsPanel& rows, int row, const std::string& text, const char* prefix)
{
    const QComboBox* combo = nullptr;
    if (row >= 0 && row < rows.rowCount())
        combo = qobject_cast<const QComboBox*>(rows.rows[static_cast<size_t>(row)].control.data());
    if (!combo || combo->findText(QString::fromStdString(text)) < 0)
        throw NvSNMPException(prefix + text, -1);
}

// A combo item taken out while the edit dialog is open.
struct RemovedItem {
    QComboBox* combo;
    int position;
    QString text;
    QVariant data;
};

}  // namespace

TSNMPListViewPanel::TSNMPListViewPanel(QWidget* owner, NvSNMPRequest2Edits* viewBinding)
    : TSNMPEditorPanel(owner, viewBinding)
{
    listPanel = new TListViewPanel(clientArea, viewBinding);
    QTreeWidget* view = listPanel->listView;
    connect(listPanel, &TListViewPanel::clicked, this, [this] { listClicked(); });
    connect(listPanel, &TListViewPanel::doubleClicked, this, [this] {
        if (!listPanel->listView->selectedItems().isEmpty())
            editRow();
    });
    // Edit and Delete follow the selection however it changes: mouse, keyboard
    // (Ctrl+Space deselects), a refresh or a reset of the list.
    connect(view, &QTreeWidget::itemSelectionChanged, this, [this] { updateRowButtons(); });
    // The count follows the lines as a walk adds them.
    QAbstractItemModel* model = view->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, [this] { updateCount(); });
    connect(model, &QAbstractItemModel::rowsRemoved, this, [this] {
        updateCount();
        updateRowButtons();
    });
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        updateCount();
        updateRowButtons();
    });

    connect(buttons->EditBtn, &QPushButton::clicked, this, [this] { editRow(); });
    connect(buttons->AddBtn, &QPushButton::clicked, this, [this] { addRow(); });
    connect(buttons->DeleteBtn, &QPushButton::clicked, this, [this] { deleteRow(); });
    listPanel->ArrangeCtrlBtn(buttons);
    if (editsPanel->allReadOnly()) {
        buttons->EditBtn->hide();
        buttons->arrange();
    }
    setContent(listPanel);
}

TSNMPListViewPanel::~TSNMPListViewPanel()
{
    listPanel->listView->model()->disconnect(this);
    listPanel->listView->disconnect(this);
}

void TSNMPListViewPanel::SetAddStatus(int row, const std::string& text)
{
    checkStatusText(*editsPanel, row, text, "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:");
    listPanel->addStatusRow = row;
    listPanel->addStatusText = text;
    buttons->AddBtn->show();
    buttons->arrange();
}

void TSNMPListViewPanel::SetDeleteStatus(int row, const std::string& text)
{
    checkStatusText(*editsPanel, row, text, "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:");
    listPanel->deleteStatusRow = row;
    listPanel->deleteStatusText = text;
    buttons->DeleteBtn->show();
    buttons->arrange();
}

void TSNMPListViewPanel::updateCount()
{
    buttons->setCount(listPanel->listView->topLevelItemCount());
}

void TSNMPListViewPanel::updateRowButtons()
{
    const bool selected = !listPanel->listView->selectedItems().isEmpty();
    buttons->EditBtn->setEnabled(selected);
    buttons->DeleteBtn->setEnabled(selected);
}

void TSNMPListViewPanel::listClicked()
{
    updateRowButtons();
    if (listPanel->listView->selectedItems().isEmpty())
        editsPanel->clearValues();
}

void TSNMPListViewPanel::refreshClicked()
{
    refreshTable();
}

void TSNMPListViewPanel::refreshTable()
{
    if (!binding || (binding->asynchronous && binding->busy))
        return;  // one walk at a time
    buttons->EditBtn->setEnabled(false);
    buttons->DeleteBtn->setEnabled(false);
    try {
        binding->get();
    } catch (const NvSNMPException& x) {
        binding->showStatus(x.what());
    }
}

void TSNMPListViewPanel::addRow()
{
    if (!binding)
        return;
    editsPanel->clearValues();
    runDialog(DialogKind::Add);
}

void TSNMPListViewPanel::editRow()
{
    if (!binding)
        return;
    runDialog(DialogKind::Edit);
}

void TSNMPListViewPanel::runDialog(DialogKind kind)
{
    NvSNMPRequest2Edits* viewBinding = binding;
    QWidget* tableForm = window();
    if (kind == DialogKind::Edit && viewBinding->asynchronous && viewBinding->busy) {
        // Let a running walk end at its next answer, for at most a second.
        viewBinding->request.alive = false;
        waitUntil([viewBinding] { return !viewBinding->busy; }, busyWaitMs);
        viewBinding->request.alive = true;
    }

    QDialog dialog(tableForm);
    m_dialog = &dialog;
    dialog.setWindowTitle(kind == DialogKind::Add ? tableForm->windowTitle() + QStringLiteral(" (Add)")
                                                  : tableForm->windowTitle());
    viewBinding->setConstraintOwner(&dialog);
    auto* panel = new TSNMPPanel(&dialog, messages(), viewBinding);
    TCtrlBtnPanel* strip = panel->buttons;
    strip->SetCheckedBtn->setProperty("tag", 1);  // closes the dialog after the attempt
    connect(strip->SetCheckedBtn, &QPushButton::clicked, editsPanel,
            [this, strip] { editsPanel->setChecked(strip->SetCheckedBtn); });
    connect(strip->CheckAllBtn, &QPushButton::clicked, editsPanel, [this] { editsPanel->checkAll(); });
    connect(strip->ClearChecksBtn, &QPushButton::clicked, editsPanel, [this] { editsPanel->clearChecks(); });
    editsPanel->setSetButton(strip->SetCheckedBtn);

    NvSNMPVarList& list = viewBinding->request.varList;
    std::vector<RemovedItem> removed;
    std::vector<int> hiddenRows;
    // Every dialog starts from the same row states, whatever the last one left.
    editsPanel->applyRowStates(false);
    if (kind == DialogKind::Add) {
        for (int k = 0; k < list.indexCount && k < editsPanel->rowCount(); ++k) {
            editsPanel->setRowEditable(k);
            UISnmpVar& row = editsPanel->rows[static_cast<size_t>(k)];
            row.checkBox->setChecked(true);
            row.checkBox->show();
            row.checkBox->setEnabled(false);  // an index row is always sent
            row.control->setEnabled(true);
        }
        const int statusRow = listPanel->addStatusRow;
        if (statusRow >= 0 && statusRow < editsPanel->rowCount()) {
            UISnmpVar& row = editsPanel->rows[static_cast<size_t>(statusRow)];
            if (auto* combo = qobject_cast<QComboBox*>(row.control.data())) {
                combo->setEnabled(false);
                combo->setCurrentIndex(combo->findText(QString::fromStdString(listPanel->addStatusText)));
            }
            row.checkBox->setChecked(true);
            row.checkBox->setEnabled(false);
        }
    } else {
        strip->SetCheckedBtn->setEnabled(false);
        // The values that create or remove a row cannot be chosen while editing.
        const std::pair<int, std::string> statuses[] = {{listPanel->addStatusRow, listPanel->addStatusText},
                                                        {listPanel->deleteStatusRow, listPanel->deleteStatusText}};
        for (const auto& [statusRow, text] : statuses) {
            if (statusRow < 0 || statusRow >= editsPanel->rowCount())
                continue;
            auto* combo = qobject_cast<QComboBox*>(editsPanel->rows[static_cast<size_t>(statusRow)].control.data());
            if (!combo)
                continue;
            const int position = combo->findText(QString::fromStdString(text));
            if (position >= 0) {
                removed.push_back({combo, position, combo->itemText(position), combo->itemData(position)});
                combo->removeItem(position);
            }
            if (combo->count() == 0 && !editsPanel->isRowHidden(statusRow)) {
                editsPanel->hideRow(statusRow);
                hiddenRows.push_back(statusRow);
            }
        }
    }
    editsPanel->ArrangeCtrlBtn(strip);
    strip->RefreshBtn->hide();
    strip->arrange();
    editsPanel->setEditWidth(kind == DialogKind::Edit ? editDialogEditWidth : editsPanel->editWidth);
    panel->setContent(editsPanel);
    panel->placeInForm(&dialog);
    if (kind == DialogKind::Add) {
        listPanel->listView->clearSelection();
        listPanel->listView->setCurrentItem(nullptr);
        buttons->EditBtn->setEnabled(false);
        buttons->DeleteBtn->setEnabled(false);
    }

    dialog.exec();

    for (int row : hiddenRows)
        editsPanel->showRow(row);
    for (auto it = removed.rbegin(); it != removed.rend(); ++it)
        it->combo->insertItem(it->position, it->text, it->data);
    editsPanel->hide();
    editsPanel->setParent(clientArea);
    editsPanel->setSetButton(buttons->SetCheckedBtn);
    m_dialog = nullptr;
    if (binding) {
        binding->setConstraintOwner(tableForm);
        binding->setStatusTarget(messages()->memo);
    }
    delete panel;  // before the dialog, which the panel's form pointer names
    refreshTable();
}

void TSNMPListViewPanel::deleteRow()
{
    if (!binding || listPanel->deleteStatusRow < 0)
        return;
    // The row removed is the selected line's, never what the edits last showed.
    if (listPanel->listView->selectedItems().isEmpty()) {
        updateRowButtons();
        return;
    }
    NvSNMPRequest2Edits& viewBinding = *binding;
    NvSNMPVarList& list = viewBinding.request.varList;
    viewBinding.selectedLineToRows();
    QString which;
    for (int k = 0; k < list.indexCount && k < list.count(); ++k)
        which += QStringLiteral("\n%1: %2").arg(QString::fromStdString(list.row(k).label),
                                                QString::fromStdString(list.row(k).value));
    const QMessageBox::StandardButton answer = QMessageBox::question(
        window(), QStringLiteral("Delete"), QStringLiteral("Are you sure to delete ?") + which,
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes || listPanel->listView->selectedItems().isEmpty())
        return;
    const int statusRow = listPanel->deleteStatusRow;
    const bool wasAsynchronous = viewBinding.asynchronous;
    viewBinding.asynchronous = false;
    // Only the index (the instance, from the selected line) and the status
    // column take part; the status value is the deletion text, whatever its
    // combo box shows.
    std::vector<int> excluded;
    for (int k = list.indexCount; k < list.count(); ++k)
        if (!(list.row(k).access & AccessExcluded)) {
            list.row(k).access |= AccessExcluded;
            excluded.push_back(k);
        }
    viewBinding.lastOperation = NvSNMPRequest2Controls::SetOperation;
    try {
        viewBinding.selectedLineToRows();
        list.row(statusRow).access &= ~AccessExcluded;
        list.row(statusRow).value = listPanel->deleteStatusText;
        viewBinding.set(false, false);
    } catch (const NvSNMPException& x) {
        viewBinding.showStatus(x.what());
    } catch (const std::exception& x) {
        viewBinding.showStatus(x.what());
    }
    for (int k : excluded)
        list.row(k).access &= ~AccessExcluded;
    refreshTable();
    viewBinding.asynchronous = wasAsynchronous;
}
