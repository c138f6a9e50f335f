#include "editors/vlan/VlanStaticFormUnit.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "bind/NvSNMPRequest2Edits.h"
#include "catalogue/NvCatalogueTables.h"
#include "editors/common/PortGrid.h"
#include "snmp/NvSNMPVarList.h"

namespace {

enum StaticRow { VlanId, VlanName, Egress, Forbidden, Untagged, RowStatus };
enum StatusItem { StatusCreateAndGo = 1, StatusDestroy = 2 };

}  // namespace

TVlanStaticForm::TVlanStaticForm(const EditorContext& context)
    : EditorDialog(context, QStringLiteral("VLAN Static Form"), QSize(587, 566))
{
    auto* top = new QVBoxLayout(this);
    LV_dot1qVlanStaticEntry = listView("LV_dot1qVlanStaticEntry");
    top->addWidget(LV_dot1qVlanStaticEntry, 2);

    auto* fields = new QHBoxLayout;
    auto* left = new QFormLayout;
    ED_VLANID = lineEdit("ED_VLANID");
    ED_VLANName = lineEdit("ED_VLANName");
    Status = comboBox("Status");
    Status->setEnabled(false);
    left->addRow(QStringLiteral("VLAN ID"), ED_VLANID);
    left->addRow(QStringLiteral("VLAN Name"), ED_VLANName);
    left->addRow(QStringLiteral("Status"), Status);
    auto* right = new QFormLayout;
    NextFreeLocalVlanIndex = staticText(this, "NextFreeLocalVlanIndex");
    ST_Count2 = staticText(this, "ST_Count2");
    right->addRow(QStringLiteral("Next Free Local VLAN Index"), NextFreeLocalVlanIndex);
    right->addRow(QStringLiteral("Samples"), ST_Count2);
    fields->addLayout(left, 1);
    fields->addLayout(right, 1);
    top->addLayout(fields);

    PortPages = new QTabWidget(this);
    PortPages->setObjectName(QStringLiteral("PortPages"));
    EgressPorts = addPortPage(PortPages, QStringLiteral("Egress Ports"));
    ForbiddenEgressPorts = addPortPage(PortPages, QStringLiteral("Forbidden Egress Ports"));
    UntaggedPorts = addPortPage(PortPages, QStringLiteral("Untagged Ports"));
    top->addWidget(PortPages, 5);

    addButtonRow(top, {
        {.caption = "Refresh", .objectName = "RefreshBtn", .button = &RefreshBtn, .onClick = [this] { RefreshClick(); }},
        {.caption = "Set", .objectName = "SetBtn", .button = &SetBtn, .onClick = [this] { SetClick(); }},
        {.caption = "Add", .objectName = "AddBtn", .button = &AddBtn, .onClick = [this] { AddClick(); }},
        {.caption = "Delete", .objectName = "DeleteBtn", .button = &DeleteBtn, .onClick = [this] { DeleteClick(); }},
    });
    DeleteBtn->setEnabled(false);
    Memo1 = makeMemo();
    top->addWidget(Memo1, 1);

    connect(LV_dot1qVlanStaticEntry, &QTreeWidget::itemSelectionChanged, this,
            &TVlanStaticForm::LV_dot1qVlanStaticEntryClick);
    followLineCount(LV_dot1qVlanStaticEntry, ST_Count2);

    m_scalar = &addBinding(NextFreeVlanIndexVars, NvSNMPVarList::ScalarGroup, 0);
    m_table = &addBinding(VlanStaticVars, NvSNMPVarList::EditableTable, 1);
    m_scalar->setStatusTarget(Memo1);
    m_table->setStatusTarget(Memo1);
    // A unit list that cannot be read leaves the grids without units.
    for (PortGrid* grid : {EgressPorts, ForbiddenEgressPorts, UntaggedPorts})
        report(*m_table, [&] { grid->fillFromStack(); });
    // An untagged port is always an egress port: the operator's clicks keep it so.
    for (int n = 1; n <= std::min(UntaggedPorts->boxes().size(), EgressPorts->boxes().size()); ++n) {
        QCheckBox* untagged = UntaggedPorts->box(n);
        QCheckBox* egress = EgressPorts->box(n);
        connect(untagged, &QCheckBox::clicked, egress, [egress](bool checked) {
            if (checked)
                egress->setChecked(true);
        });
        connect(egress, &QCheckBox::clicked, untagged, [untagged](bool checked) {
            if (!checked)
                untagged->setChecked(false);
        });
    }

    report(*m_table, [&] {
        // The index is a number (0 or 4096 and above): shown as read, not
        // through the option list that the catalogue gives the object.
        m_scalar->request.varList.row(0).options = nullptr;
        m_scalar->bindControl(0, NextFreeLocalVlanIndex);
        m_table->attachListView(LV_dot1qVlanStaticEntry, true);
        m_table->bindEdit(VlanId, "%s", ED_VLANID);
        m_table->bindEdit(VlanName, "%s", ED_VLANName);
        EgressPorts->bindTo(*m_table, Egress);
        ForbiddenEgressPorts->bindTo(*m_table, Forbidden);
        UntaggedPorts->bindTo(*m_table, Untagged);
        m_table->bindComboBox(RowStatus, Status);
        Status->setCurrentIndex(-1);
    });
    report(*m_scalar, [&] { m_scalar->get(); });
    report(*m_table, [&] { m_table->get(); });
}

void TVlanStaticForm::RefreshClick()
{
    report(*m_scalar, [&] { m_scalar->get(); });
    report(*m_table, [&] { m_table->get(); });
    ST_Count2->setText(QString::number(LV_dot1qVlanStaticEntry->topLevelItemCount()));
    cleanUp();
}

void TVlanStaticForm::SetClick()
{
    // A refused entry (a VLAN ID that is no number) keeps what was typed.
    if (report(*m_table, [&] { m_table->set(true, true); }))
        cleanUp();
}

void TVlanStaticForm::AddClick()
{
    send(StatusCreateAndGo);
}

void TVlanStaticForm::DeleteClick()
{
    send(StatusDestroy);
}

void TVlanStaticForm::send(int statusItem)
{
    Status->setCurrentIndex(statusItem);
    // The set collects the controls before it returns, so the clean-up after
    // it does not change what is sent. A refused entry keeps what was typed.
    if (report(*m_table, [&] { m_table->set(true, true); }))
        cleanUp();
}

void TVlanStaticForm::LV_dot1qVlanStaticEntryClick()
{
    const bool selected = !LV_dot1qVlanStaticEntry->selectedItems().isEmpty();
    DeleteBtn->setEnabled(selected);
    if (!selected)
        cleanUp();
}

void TVlanStaticForm::cleanUp()
{
    for (PortGrid* grid : {EgressPorts, ForbiddenEgressPorts, UntaggedPorts})
        grid->clear();
    ED_VLANID->clear();
    ED_VLANName->clear();
    Status->setCurrentIndex(-1);
}
