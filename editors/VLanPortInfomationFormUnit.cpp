#include "editors/VLanPortInfomationFormUnit.h"

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
    LV_dot1qPortVlanEntry = new QTreeWidget(this);
    LV_dot1qPortVlanEntry->setObjectName(QStringLiteral("LV_dot1qPortVlanEntry"));
    top->addWidget(LV_dot1qPortVlanEntry, 1);

    auto* fields = new QFormLayout;
    PortVLanID = new QLineEdit(this);
    PortVLanID->setObjectName(QStringLiteral("PortVLanID"));
    auto combo = [&](const char* name) {
        auto* c = new QComboBox(this);
        c->setObjectName(QString::fromLatin1(name));
        return c;
    };
    AcceptableFrameTypes = combo("AcceptableFrameTypes");
    IngressFiltering = combo("IngressFiltering");
    GvrpStatus = combo("GvrpStatus");
    QWidget* controls[] = {PortVLanID, AcceptableFrameTypes, IngressFiltering, GvrpStatus};
    for (int row = PortVlanId; row <= Gvrp; ++row)
        fields->addRow(QString::fromStdString(list.row(row).label), controls[row - PortVlanId]);
    ST_Count = staticText(this, "ST_Count");
    fields->addRow(QStringLiteral("Samples"), ST_Count);
    top->addLayout(fields);
    auto* buttons = new QHBoxLayout;
    RefreshBtn = addButton(buttons, QStringLiteral("Refresh"), "RefreshBtn");
    SetBtn = addButton(buttons, QStringLiteral("Set"), "SetBtn");
    buttons->addStretch(1);
    top->addLayout(buttons);
    Memo1 = makeMemo();
    top->addWidget(Memo1);

    connect(RefreshBtn, &QPushButton::clicked, this, &TVLanPortInfomationForm::RefreshClick);
    connect(SetBtn, &QPushButton::clicked, this, &TVLanPortInfomationForm::SetClick);
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
    waitWhileBusy(*m_binding);
    PortVLanID->clear();
    for (int i = 0; i < LV_dot1qPortVlanEntry->topLevelItemCount(); ++i) {
        QTreeWidgetItem* line = LV_dot1qPortVlanEntry->topLevelItem(i);
        if (line->text(0) == caption) {
            line->setSelected(true);
            return;
        }
    }
}
