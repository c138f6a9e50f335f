#include "editors/vlan/VLanGeneralInfoFormUnit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "bind/NvSNMPRequest2Edits.h"
#include "catalogue/NvCatalogueTables.h"
#include "snmp/NvSNMPVarList.h"

namespace {

enum GeneralRow { VersionNumber, MaxId, MaxSupported, CurrentNum, Gvrp };

}  // namespace

TVLanGeneralInfoForm::TVLanGeneralInfoForm(const EditorContext& context)
    : EditorDialog(context, QStringLiteral("802.1Q Basic Configure"), QSize(402, 219))
{
    m_binding = &addBinding(VlanGeneralInfoVars, NvSNMPVarList::ScalarGroup, 0);
    const NvSNMPVarList& list = m_binding->request.varList;
    auto* top = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    VlanVersionNumber = staticText(this, "VlanVersionNumber");
    MaxVlanId = staticText(this, "MaxVlanId");
    MaxSupportedVlans = staticText(this, "MaxSupportedVlans");
    CurrentNumOfVlans = staticText(this, "CurrentNumOfVlans");
    GvrpStatus = comboBox("GvrpStatus");
    QWidget* controls[] = {VlanVersionNumber, MaxVlanId, MaxSupportedVlans, CurrentNumOfVlans, GvrpStatus};
    for (int row = VersionNumber; row <= Gvrp; ++row)
        fields->addRow(QString::fromStdString(list.row(row).label), controls[row]);
    top->addLayout(fields);
    addButtonRow(top, {
        {.caption = "Refresh", .objectName = "RefreshBtn", .button = &RefreshBtn, .onClick = [this] { RefreshClick(); }},
        {.caption = "Set", .objectName = "SetBtn", .button = &SetBtn, .onClick = [this] { SetClick(); }},
    });
    Memo1 = makeMemo();
    top->addWidget(Memo1);


    m_binding->setStatusTarget(Memo1);
    report(*m_binding, [&] {
        for (int row = VersionNumber; row <= CurrentNum; ++row)
            m_binding->bindControl(row, controls[row]);
        m_binding->bindComboBox(Gvrp, GvrpStatus);
        m_binding->get();
    });
}

void TVLanGeneralInfoForm::RefreshClick()
{
    report(*m_binding, [&] { m_binding->get(); });
}

void TVLanGeneralInfoForm::SetClick()
{
    report(*m_binding, [&] { m_binding->set(true, true); });
}
