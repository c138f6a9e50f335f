#include "editors/ports/TrafficSegmentationFormUnit.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "bind/NvSNMPRequest2Edits.h"
#include "catalogue/NvCatalogueTables.h"
#include "editors/common/PortGrid.h"
#include "snmp/NvEventWait.h"
#include "snmp/NvSNMPVarList.h"

namespace {

enum SegmentationRow { SgPort, SgForwardPorts };

}  // namespace

TTrafficSegmentationForm::TTrafficSegmentationForm(const EditorContext& context)
    : EditorDialog(context, QStringLiteral("Traffic Segmentation Table "), QSize(620, 560))
{
    auto* top = new QVBoxLayout(this);
    auto* upper = new QHBoxLayout;
    LV_TrafficForward = listView("LV_TrafficForward");
    upper->addWidget(LV_TrafficForward, 2);
    auto* fields = new QFormLayout;
    ST_Port = staticText(this, "ST_Port");
    ST_Port->setVisible(false);
    Combo_Unit = lineEdit("Combo_Unit");
    Combo_Unit->setReadOnly(true);
    Combo_Port = lineEdit("Combo_Port");
    Combo_Port->setReadOnly(true);
    StaticText1 = staticText(this, "StaticText1");
    fields->addRow(QStringLiteral("Unit"), Combo_Unit);
    fields->addRow(QStringLiteral("Port"), Combo_Port);
    fields->addRow(QStringLiteral("Samples"), StaticText1);
    upper->addLayout(fields, 1);
    top->addLayout(upper, 2);

    Panel4 = new QGroupBox(QStringLiteral("Forward Ports"), this);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    ForwardPorts = new PortGrid(Panel4, context);
    top->addWidget(Panel4, 5);

    addButtonRow(top, {
        {.caption = "Refresh", .objectName = "BT_Get", .button = &BT_Get, .onClick = [this] { BT_GetClick(); }},
        {.caption = "Set", .objectName = "BT_Set", .button = &BT_Set, .onClick = [this] { BT_SetClick(); }},
        {.caption = "Stop", .objectName = "StopBtn", .button = &StopBtn, .onClick = [this] { StopBtnClick(); }},
    });
    StatusBar1 = makeStatusBar(this, &m_statusPanel);
    top->addWidget(StatusBar1);

    setWindowTitle(QStringLiteral("Traffic Segmentation Table:") + addressText());
    followLineCount(LV_TrafficForward, StaticText1);

    m_binding = &addBinding(TrafficSegmentationVars, NvSNMPVarList::EditableTable, 1);
    m_binding->setStatusTarget(m_statusPanel);
    m_binding->onGetDone = [this](NvSNMPRequest2Controls&, const NvSNMPError&) { m_ready = true; };
    report(*m_binding, [&] { ForwardPorts->fillFromStack(); });
    report(*m_binding, [&] {
        m_binding->attachListView(LV_TrafficForward, true);
        m_binding->bindControl(SgPort, ST_Port);
        ForwardPorts->bindTo(*m_binding, SgForwardPorts);
    });
    // After the binding's own handler, which loads the selected line first.
    connect(LV_TrafficForward, &QTreeWidget::itemSelectionChanged, this,
            &TTrafficSegmentationForm::LV_TrafficForwardClick);
    report(*m_binding, [&] { m_binding->get(); });
}

void TTrafficSegmentationForm::switchOn()
{
    waitUntilIdle(m_binding->busy);
    m_binding->request.alive = true;
}

void TTrafficSegmentationForm::BT_GetClick()
{
    if (!m_ready) {
        message(QStringLiteral("Refresh not complete"));
        return;
    }
    switchOn();
    m_ready = false;
    if (!report(*m_binding, [&] { m_binding->get(); }))
        m_ready = true;  // nothing was sent, so no walk runs
    ForwardPorts->clear();
}

void TTrafficSegmentationForm::BT_SetClick()
{
    if (!m_ready) {
        message(QStringLiteral("Refresh not complete"));
        return;
    }
    if (!hasSelectedLine(LV_TrafficForward, QStringLiteral("Please select a port.")))
        return;
    switchOn();
    report(*m_binding, [&] { m_binding->set(true, true); });
}

void TTrafficSegmentationForm::StopBtnClick()
{
    m_ready = true;
    m_binding->request.alive = false;
}

void TTrafficSegmentationForm::LV_TrafficForwardClick()
{
    if (LV_TrafficForward->selectedItems().isEmpty()) {
        Combo_Unit->clear();
        Combo_Port->clear();
        return;
    }
    const PortGrid::UnitPort up = PortGrid::splitPortNumber(ST_Port->text().toInt());
    Combo_Unit->setText(QString::number(up.unit));
    Combo_Port->setText(QString::number(up.port));
}
