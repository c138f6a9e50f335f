#include "editors/ports/PortMirrorFormUnit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <cstdint>

#include "bind/NvSNMPRequest2Edits.h"
#include "catalogue/NvCatalogueTables.h"
#include "editors/common/PortGrid.h"
#include "editors/ports/DigitKeyFilter.h"
#include "snmp/NvSNMPError.h"
#include "snmp/NvSNMPVarList.h"
#include "snmp/NvStrictValue.h"

namespace {

enum MirrorRow { TargetPort, SourceIngress, SourceEgress, PortState };
constexpr int kMaxUnit = 12;

// The number in an edit, read strictly; an edit without one is refused with
// the field named.
int numberIn(const char* field, const QLineEdit* edit)
{
    return static_cast<int>(strictWholeNumber(field, edit->text().toStdString(), INT32_MIN, INT32_MAX));
}

}  // namespace

TPortMirrorForm::TPortMirrorForm(const EditorContext& context)
    : EditorDialog(context, QStringLiteral("Port Mirror Table"), QSize(620, 640))
{
    auto* top = new QVBoxLayout(this);
    auto* target = new QHBoxLayout;
    ET_TargetPort = lineEdit("ET_TargetPort");
    ET_TargetPort->setVisible(false);
    UnitEdit = lineEdit("UnitEdit");
    PortEdit = lineEdit("PortEdit");
    DigitKeyFilter::install(UnitEdit);
    DigitKeyFilter::install(PortEdit);
    CK_Status = new QCheckBox(QStringLiteral("Mirroring Status"), this);
    CK_Status->setObjectName(QStringLiteral("CK_Status"));
    target->addWidget(new QLabel(QStringLiteral("Target Port "), this));
    target->addWidget(new QLabel(QStringLiteral("Unit : "), this));
    target->addWidget(UnitEdit);
    target->addWidget(new QLabel(QStringLiteral("Port : "), this));
    target->addWidget(PortEdit);
    target->addStretch(1);
    target->addWidget(CK_Status);
    top->addLayout(target);

    SourcePortGB = new QGroupBox(QStringLiteral("Source Port"), this);
    SourcePortGB->setObjectName(QStringLiteral("SourcePortGB"));
    auto* sources = new QVBoxLayout(SourcePortGB);
    IngressPortGB = new QGroupBox(QStringLiteral("Ingress Port"), SourcePortGB);
    IngressPortGB->setObjectName(QStringLiteral("IngressPortGB"));
    EgressPortGB = new QGroupBox(QStringLiteral("Egress Port"), SourcePortGB);
    EgressPortGB->setObjectName(QStringLiteral("EgressPortGB"));
    sources->addWidget(IngressPortGB);
    sources->addWidget(EgressPortGB);
    IngressPorts = new PortGrid(IngressPortGB, context);
    EgressPorts = new PortGrid(EgressPortGB, context);
    top->addWidget(SourcePortGB, 1);

    addButtonRow(top, {
        {.caption = "Refresh", .objectName = "BT_Refresh", .button = &BT_Refresh, .onClick = [this] { BT_RefreshClick(); }},
        {.caption = "Set", .objectName = "BT_Set", .button = &BT_Set, .onClick = [this] { BT_SetClick(); }},
    });
    StatusBar1 = makeStatusBar(this, &m_statusPanel);
    top->addWidget(StatusBar1);

    setWindowTitle(QStringLiteral("Port Mirror Table:") + addressText());
    connect(ET_TargetPort, &QLineEdit::textChanged, this, &TPortMirrorForm::ET_TargetPortChange);

    m_binding = &addBinding(PortMirrorVars, NvSNMPVarList::ScalarGroup, 0);
    m_binding->asynchronous = false;
    m_binding->setStatusTarget(m_statusPanel);
    for (PortGrid* grid : {IngressPorts, EgressPorts})
        report(*m_binding, [&] { grid->fillFromStack(); });
    report(*m_binding, [&] {
        m_binding->bindEdit(TargetPort, "%i{n1x208l3}", ET_TargetPort);
        IngressPorts->bindTo(*m_binding, SourceIngress);
        EgressPorts->bindTo(*m_binding, SourceEgress);
        m_binding->bindControl(PortState, CK_Status);
        m_binding->get();
    });
}

void TPortMirrorForm::BT_RefreshClick()
{
    report(*m_binding, [&] { m_binding->get(); });
}

void TPortMirrorForm::ET_TargetPortChange()
{
    const PortGrid::UnitPort up = PortGrid::splitPortNumber(ET_TargetPort->text().toInt());
    UnitEdit->setText(QString::number(up.unit));
    PortEdit->setText(QString::number(up.port));
}

void TPortMirrorForm::BT_SetClick()
{
    if (!IngressPorts->anyChecked() && !EgressPorts->anyChecked()) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Confirm"),
                        QStringLiteral("Ingress Ports and Egress Ports can not be empty "), QMessageBox::Ok, this);
        box.exec();
        return;
    }
    m_binding->lastOperation = NvSNMPRequest2Controls::SetOperation;
    report(*m_binding, [&] {
        const int unit = numberIn("Unit", UnitEdit);
        if (unit < 1 || unit > kMaxUnit) {
            message(QStringLiteral("Set valid target port"));
            UnitEdit->setFocus();
            return;
        }
        // Any port the unit has can be the target (50 on an HV-710).
        const int port = numberIn("Port", PortEdit);
        if (port < 1 || port > PortGrid::PortsPerUnit || !IngressPorts->hasPort(PortGrid::portNumber(unit, port))) {
            message(QStringLiteral("Set valid target port"));
            PortEdit->setFocus();
            return;
        }
        const int target = PortGrid::portNumber(unit, port);
        ET_TargetPort->setText(QString::number(target));
        if (IngressPorts->isChecked(target) || EgressPorts->isChecked(target)) {
            message(QStringLiteral("Mirror port can not be member port!"));
            return;
        }
        m_binding->set(true, true);
    });
}
