#include "editors/vlan/VLanPortInfomationFormUnit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "bind/NvSNMPRequest2Edits.h"
#include "catalogue/NvCatalogueTables.h"
#include "snmp/NvEventWait.h"
#include "snmp/NvSNMPVarList.h"

namespace {

enum PortRow { PortNumber, PortVlanId, FrameTypes, Ingress, Gvrp, FailedRegistrations, LastPduOrigin };

}  // namespace

TVLanPortInfomationForm::TVLanPortInfomationForm(const EditorContext& context)
    : EditorDialog(context, QStringLiteral("VLAN Port Information Form"), QSize(602, 440))
{
    m_binding = &addBinding(VlanPortVars, NvSNMPVarList::Table, 1);
    const NvSNMPVarList& list = m_binding->request.varList;
    auto* top = new QVBoxLayout(this);
    LV_dot1qPortVlanEntry = listView("LV_dot1qPortVlanEntry");
    top->addWidget(LV_dot1qPortVlanEntry, 1);

    auto* fields = new QFormLayout;
    PortVLanID = lineEdit("PortVLanID");
    AcceptableFrameTypes = comboBox("AcceptableFrameTypes");
    IngressFiltering = comboBox("IngressFiltering");
    GvrpStatus = comboBox("GvrpStatus");
    QWidget* controls[] = {PortVLanID, AcceptableFrameTypes, IngressFiltering, GvrpStatus};
    for (int row = PortVlanId; row <= Gvrp; ++row)
        fields->addRow(QString::fromStdString(list.row(row).label), controls[row - PortVlanId]);
    ST_Count = staticText(this, "ST_Count");
    fields->addRow(QStringLiteral("Samples"), ST_Count);
    top->addLayout(fields);
    addButtonRow(top, {
        {.caption = "Refresh", .objectName = "RefreshBtn", .button = &RefreshBtn, .onClick = [this] { RefreshClick(); }},
        {.caption = "Set", .objectName = "SetBtn", .button = &SetBtn, .onClick = [this] { SetClick(); }},
    });
    Memo1 = makeMemo();
    top->addWidget(Memo1);

    followLineCount(LV_dot1qPortVlanEntry, ST_Count);

    m_binding->setStatusTarget(Memo1);
    report(*m_binding, [&] {
        m_binding->attachListView(LV_dot1qPortVlanEntry, true);
        m_binding->bindEdit(PortVlanId, "%i{}", PortVLanID);
        m_binding->bindComboBox(FrameTypes, AcceptableFrameTypes);
        m_binding->bindComboBox(Ingress, IngressFiltering);
        m_binding->bindComboBox(Gvrp, GvrpStatus);
        m_binding->get();
    });
    PortVLanID->clear();
}

void TVLanPortInfomationForm::RefreshClick()
{
    if (m_binding->busy)
        return;
    report(*m_binding, [&] { m_binding->get(); });
}

void TVLanPortInfomationForm::SetClick()
{
    const QList<QTreeWidgetItem*> selected = LV_dot1qPortVlanEntry->selectedItems();
    const QString caption = selected.isEmpty() ? QString() : selected.first()->text(0);
    if (!report(*m_binding, [&] { m_binding->set(true, true); }))
        return;
    // The set re-reads the table; the port is selected again in the new lines.
    waitUntilIdle(m_binding->busy);
    PortVLanID->clear();
    for (int i = 0; i < LV_dot1qPortVlanEntry->topLevelItemCount(); ++i) {
        QTreeWidgetItem* line = LV_dot1qPortVlanEntry->topLevelItem(i);
        if (line->text(0) == caption) {
            line->setSelected(true);
            return;
        }
    }
}
