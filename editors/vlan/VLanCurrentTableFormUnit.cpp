#include "editors/vlan/VLanCurrentTableFormUnit.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
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

enum CurrentRow { TimeMark, VlanIndex, FdbId, CurrentEgress, CurrentUntagged, VlanStatus, CreationTime };

}  // namespace

TVLanCurrentTableForm::TVLanCurrentTableForm(const EditorContext& context)
    : EditorDialog(context, QStringLiteral("VLAN Current Table"), QSize(642, 519))
{
    auto* top = new QVBoxLayout(this);
    LV_dot1qVlanCurrentEntry = listView("LV_dot1qVlanCurrentEntry");
    top->addWidget(LV_dot1qVlanCurrentEntry, 2);

    auto* fields = new QFormLayout;
    StaticText1 = staticText(this, "StaticText1");
    VlanNumDeletes = staticText(this, "VlanNumDeletes");
    ST_Count2 = staticText(this, "ST_Count2");
    fields->addRow(QStringLiteral("VLAN Index"), StaticText1);
    fields->addRow(QStringLiteral("VLAN Delete Numbers"), VlanNumDeletes);
    fields->addRow(QStringLiteral("Samples"), ST_Count2);
    top->addLayout(fields);

    PortPages = new QTabWidget(this);
    PortPages->setObjectName(QStringLiteral("PortPages"));
    EgressPort = addPortPage(PortPages, QStringLiteral("Egress Port"));
    UntaggedPort = addPortPage(PortPages, QStringLiteral("Untagged Port"));
    top->addWidget(PortPages, 5);

    addButtonRow(top, {
        {.caption = "Refresh", .objectName = "RefreshBtn", .button = &RefreshBtn, .onClick = [this] { RefreshClick(); }},
        {.caption = "Set", .objectName = "SetBtn", .button = &SetBtn},
    });
    SetBtn->setVisible(false);  // everything here is read-only
    Memo1 = makeMemo();
    top->addWidget(Memo1, 1);

    connect(LV_dot1qVlanCurrentEntry, &QTreeWidget::itemSelectionChanged, this,
            &TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryClick);
    followLineCount(LV_dot1qVlanCurrentEntry, ST_Count2);

    m_scalar = &addBinding(VlanNumDeletesVars, NvSNMPVarList::ScalarGroup, 0);
    m_table = &addBinding(VlanCurrentVars, NvSNMPVarList::EditableTable, 2);
    m_scalar->setStatusTarget(Memo1);
    m_table->setStatusTarget(Memo1);
    for (PortGrid* grid : {EgressPort, UntaggedPort})
        report(*m_table, [&] { grid->fillFromStack(); });
    report(*m_table, [&] {
        m_scalar->bindControl(0, VlanNumDeletes);
        m_table->attachListView(LV_dot1qVlanCurrentEntry, true);
        m_table->bindControl(VlanIndex, StaticText1);
        EgressPort->bindTo(*m_table, CurrentEgress);
        UntaggedPort->bindTo(*m_table, CurrentUntagged);
    });
    report(*m_scalar, [&] { m_scalar->get(); });
    report(*m_table, [&] { m_table->get(); });
}

void TVLanCurrentTableForm::RefreshClick()
{
    report(*m_scalar, [&] { m_scalar->get(); });
    report(*m_table, [&] { m_table->get(); });
    ST_Count2->setText(QString::number(LV_dot1qVlanCurrentEntry->topLevelItemCount()));
    cleanUp();
}

void TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryClick()
{
    if (LV_dot1qVlanCurrentEntry->selectedItems().isEmpty())
        cleanUp();
}

void TVLanCurrentTableForm::cleanUp()
{
    EgressPort->clear();
    UntaggedPort->clear();
    StaticText1->clear();
}
