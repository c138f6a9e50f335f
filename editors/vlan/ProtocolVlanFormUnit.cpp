#include "editors/vlan/ProtocolVlanFormUnit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "bind/NvSNMPRequest2Edits.h"
#include "catalogue/NvCatalogueTables.h"
#include "editors/common/ExcludedRows.h"
#include "snmp/NvSNMPVarList.h"

namespace {

enum ProtocolRow { PvIndex, PvName, PvType, PvAdvertisement, PvUserProtocol, PvEncap, PvRowStatus };
enum RowStatusItem { ItemCreateAndGo = 1, ItemDestroy = 2 };

const QString kUserDefined = QStringLiteral("protocol-userDefined");

bool showsNothing(const QComboBox* combo)
{
    return combo->currentIndex() < 0 || combo->currentText().isEmpty();
}

}  // namespace

TProtocolVlanForm::TProtocolVlanForm(const EditorContext& context)
    : EditorDialog(context, QStringLiteral("Protocol VLAN"), QSize(620, 426), false)
{
    m_binding = &addBinding(ProtocolVlanVars, NvSNMPVarList::EditableTable, 1);
    m_binding->asynchronous = false;
    const NvSNMPVarList& list = m_binding->request.varList;

    auto* top = new QVBoxLayout(this);
    ListView1 = listView("ListView1");
    top->addWidget(ListView1, 1);
    Index = lineEdit("Index");
    Name = lineEdit("Name");
    ProtocolType = comboBox("ProtocolType");
    Advertisement = comboBox("Advertisement");
    UserProtocol = lineEdit("UserProtocol");
    Encap = comboBox("Encap");
    RowStatus = comboBox("RowStatus");
    auto* fields = new QHBoxLayout;
    auto* left = new QFormLayout;
    auto* right = new QFormLayout;
    QWidget* controls[] = {Index, Name, ProtocolType, Advertisement, UserProtocol, Encap, RowStatus};
    for (int row = PvIndex; row <= PvRowStatus; ++row)
        (row < PvAdvertisement ? left : right)->addRow(QString::fromStdString(list.row(row).label), controls[row]);
    StaticText1 = staticText(this, "StaticText1");
    left->addRow(QStringLiteral("Samples"), StaticText1);
    fields->addLayout(left, 1);
    fields->addLayout(right, 1);
    top->addLayout(fields);
    addButtonRow(top, {
        {.caption = "Refresh", .objectName = "Get", .button = &Get, .onClick = [this] { GetClick(); }},
        {.caption = "Edit", .objectName = "Edit", .button = &EditBtn, .onClick = [this] { EditClick(); }},
        {.caption = "Add", .objectName = "Add", .button = &AddBtn, .onClick = [this] { AddClick(); }},
        {.caption = "Delete", .objectName = "Delete", .button = &DeleteBtn, .onClick = [this] { DeleteClick(); }},
    });
    StatusBar1 = makeStatusBar(this, &m_statusPanel);
    top->addWidget(StatusBar1);

    connect(ProtocolType, &QComboBox::currentIndexChanged, this, &TProtocolVlanForm::ProtocolTypeChange);
    followLineCount(ListView1, StaticText1);

    m_binding->setStatusTarget(m_statusPanel);
    report(*m_binding, [&] {
        m_binding->attachListView(ListView1, true);
        // After the binding's own handler, which enables every bound control:
        // the index of a selected line stays fixed.
        connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &TProtocolVlanForm::ListView1Click);
        m_binding->bindEdit(PvIndex, "%i{n1x4094l4}", Index);
        m_binding->bindEdit(PvName, "%s{l15}", Name);
        m_binding->bindComboBox(PvType, ProtocolType);
        m_binding->bindComboBox(PvAdvertisement, Advertisement);
        m_binding->bindEdit(PvUserProtocol, "%u{n0x65535l5}", UserProtocol);
        m_binding->bindComboBox(PvEncap, Encap);
        m_binding->bindComboBox(PvRowStatus, RowStatus);
        m_binding->get();
    });
    resetButtons();
}

void TProtocolVlanForm::resetButtons()
{
    EditBtn->setEnabled(false);
    DeleteBtn->setEnabled(false);
    Index->setEnabled(true);
    AddBtn->setEnabled(true);
    Index->clear();
    Name->clear();
    UserProtocol->clear();
    ProtocolTypeChange();
}

void TProtocolVlanForm::ProtocolTypeChange()
{
    const bool userDefined = ProtocolType->currentText() == kUserDefined;
    UserProtocol->setEnabled(userDefined);
    Encap->setEnabled(userDefined);
}

void TProtocolVlanForm::ListView1Click()
{
    const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
    const bool any = !selected.isEmpty();
    if (any)
        Index->setText(selected.first()->text(0));
    EditBtn->setEnabled(any);
    DeleteBtn->setEnabled(any);
    Index->setEnabled(!any);
    AddBtn->setEnabled(!any);
    ProtocolTypeChange();
}

void TProtocolVlanForm::GetClick()
{
    report(*m_binding, [&] { m_binding->get(); });
    resetButtons();
}

void TProtocolVlanForm::excludeUnfilled(ExcludedRows& rows) const
{
    if (Name->text().isEmpty())
        rows.exclude(PvName);
    rows.exclude(PvUserProtocol);
    rows.exclude(PvEncap);
    if (ProtocolType->currentText() == kUserDefined) {
        if (!UserProtocol->text().isEmpty())
            rows.include(PvUserProtocol);
        if (!Encap->currentText().isEmpty() && Encap->currentText() != QLatin1String("0"))
            rows.include(PvEncap);
    }
    if (showsNothing(ProtocolType) || ProtocolType->currentText() == QLatin1String("0"))
        rows.exclude(PvType);
    if (showsNothing(Advertisement))
        rows.exclude(PvAdvertisement);
}

void TProtocolVlanForm::sendAndReread(const std::function<void(ExcludedRows&)>& exclude)
{
    {
        ExcludedRows rows(m_binding->request.varList);
        exclude(rows);
        report(*m_binding, [&] { m_binding->set(false, true); });
    }
    report(*m_binding, [&] { m_binding->get(); });
    resetButtons();
}

void TProtocolVlanForm::AddClick()
{
    if (Index->text().isEmpty()) {
        message(QStringLiteral("Index must be set."));
        Index->setFocus();
        return;
    }
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        if (ListView1->topLevelItem(i)->text(0) == Index->text()) {
            message(QStringLiteral("There is already a record with the same Index. Please modified it."));
            Index->setFocus();
            return;
        }
    }
    if (RowStatus->currentIndex() != ItemCreateAndGo) {
        message(QStringLiteral("Row State must be createAndGo."));
        RowStatus->setFocus();
        return;
    }
    sendAndReread([&](ExcludedRows& rows) { excludeUnfilled(rows); });
}

void TProtocolVlanForm::EditClick()
{
    if (Index->text().isEmpty()) {
        message(QStringLiteral("Index must be set."));
        Index->setFocus();
        return;
    }
    if (RowStatus->currentIndex() == ItemDestroy) {
        sendAndReread([](ExcludedRows& rows) { rows.exclude(PvType, PvEncap); });
        return;
    }
    sendAndReread([&](ExcludedRows& rows) {
        excludeUnfilled(rows);
        if (showsNothing(RowStatus))
            rows.exclude(PvRowStatus);
    });
}

void TProtocolVlanForm::DeleteClick()
{
    // Deletes the highlighted line, whatever the index edit holds.
    const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
    if (selected.isEmpty())
        return;
    Index->setText(selected.first()->text(0));
    sendAndReread([&](ExcludedRows& rows) {
        rows.exclude(PvName, PvEncap);
        RowStatus->setCurrentIndex(ItemDestroy);
    });
}
