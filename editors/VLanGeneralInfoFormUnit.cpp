#include "editors/VLanGeneralInfoFormUnit.h"

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
    GvrpStatus = new QComboBox(this);
    GvrpStatus->setObjectName(QStringLiteral("GvrpStatus"));
    QWidget* controls[] = {VlanVersionNumber, MaxVlanId, MaxSupportedVlans, CurrentNumOfVlans, GvrpStatus};
    for (int row = VersionNumber; row <= Gvrp; ++row)
        fields->addRow(QString::fromStdString(list.row(row).label), controls[row]);
    top->addLayout(fields);
    auto* buttons = new QHBoxLayout;
    RefreshBtn = addButton(buttons, QStringLiteral("Refresh"), "RefreshBtn");
    SetBtn = addButton(buttons, QStringLiteral("Set"), "SetBtn");
    buttons->addStretch(1);
    top->addLayout(buttons);
    Memo1 = makeMemo();
    top->addWidget(Memo1);

    connect(RefreshBtn, &QPushButton::clicked, this, &TVLanGeneralInfoForm::RefreshClick);
    connect(SetBtn, &QPushButton::clicked, this, &TVLanGeneralInfoForm::SetClick);

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
