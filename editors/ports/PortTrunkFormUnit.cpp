#include "editors/ports/PortTrunkFormUnit.h"

#include <QCheckBox>
#include <QComboBox>
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
#include "editors/common/ExcludedRows.h"
#include "editors/common/PortGrid.h"
#include "editors/ports/DigitKeyFilter.h"
#include "snmp/NvSNMPVarList.h"

namespace {

enum TrunkRow { TrIndex, TrName, TrMaster, TrMember, TrFlooding, TrType, TrState };
constexpr int kMaxMembers = 8;

}  // namespace

TPortTrunkForm::TPortTrunkForm(const EditorContext& context)
    : EditorDialog(context, QStringLiteral("Port Trunk Table"), QSize(620, 600))
{
    auto* top = new QVBoxLayout(this);
    LV_PortTrunk = listView("LV_PortTrunk");
    top->addWidget(LV_PortTrunk, 2);

    ED_Index = lineEdit("ED_Index");
    ED_Name = lineEdit("ED_Name");
    ED_MasterPort = lineEdit("ED_MasterPort");
    ED_MasterPort->setVisible(false);
    UnitEdit = lineEdit("UnitEdit");
    PortEdit = lineEdit("PortEdit");
    DigitKeyFilter::install(UnitEdit);
    DigitKeyFilter::install(PortEdit);
    ST_FloodingPort = staticText(this, "ST_FloodingPort");
    Combo_Type = comboBox("Combo_Type");
    Combo_State = comboBox("Combo_State");
    Combo_State->setVisible(false);
    ComboBox1 = comboBox("ComboBox1");
    ComboBox1->addItems({QStringLiteral("enable"), QStringLiteral("disable")});

    auto* fields = new QHBoxLayout;
    auto* left = new QFormLayout;
    left->addRow(QStringLiteral("Index(1-32)"), ED_Index);
    left->addRow(QStringLiteral("Name"), ED_Name);
    auto* master = new QHBoxLayout;
    master->addWidget(new QLabel(QStringLiteral("Unit : "), this));
    master->addWidget(UnitEdit);
    master->addWidget(new QLabel(QStringLiteral("Port : "), this));
    master->addWidget(PortEdit);
    left->addRow(QStringLiteral("Master Port"), master);
    auto* right = new QFormLayout;
    right->addRow(QStringLiteral("Flooding Port"), ST_FloodingPort);
    right->addRow(QStringLiteral("Trunk Type"), Combo_Type);
    right->addRow(QStringLiteral("Status"), ComboBox1);
    fields->addLayout(left, 1);
    fields->addLayout(right, 1);
    top->addLayout(fields);

    StackingPortPanel = new QGroupBox(QStringLiteral("Member"), this);
    StackingPortPanel->setObjectName(QStringLiteral("StackingPortPanel"));
    Ports = new PortGrid(StackingPortPanel, context);
    top->addWidget(StackingPortPanel, 5);

    addButtonRow(top, {
        {.caption = "Refresh", .objectName = "BT_Get", .button = &BT_Get, .onClick = [this] { BT_GetClick(); }},
        {.caption = "Set", .objectName = "SetBtn", .button = &SetBtn, .onClick = [this] { SetBtnClick(); }},
        {.caption = "Add", .objectName = "BT_Set", .button = &BT_Set, .onClick = [this] { BT_AddClick(); }},
        {.caption = "Delete", .objectName = "BT_Delete", .button = &BT_Delete, .onClick = [this] { BT_DeleteClick(); }},
    });
    StatusBar1 = makeStatusBar(this, &m_statusPanel);
    top->addWidget(StatusBar1);

    setWindowTitle(QStringLiteral("Port Trunk Table :") + addressText());

    m_binding = &addBinding(PortTrunkVars, NvSNMPVarList::EditableTable, 1);
    m_binding->asynchronous = false;
    m_binding->setStatusTarget(m_statusPanel);
    report(*m_binding, [&] { Ports->fillFromStack(); });
    report(*m_binding, [&] {
        m_binding->attachListView(LV_PortTrunk, true);
        m_binding->bindEdit(TrIndex, "%i{n1x32}", ED_Index);
        m_binding->bindEdit(TrName, "%s{l12}", ED_Name);
        m_binding->bindEdit(TrMaster, "%s{n1x208l3}", ED_MasterPort);
        Ports->bindTo(*m_binding, TrMember);
        m_binding->bindControl(TrFlooding, ST_FloodingPort);
        m_binding->bindComboBox(TrType, Combo_Type);
        m_binding->bindComboBox(TrState, Combo_State);
    });
    // After the binding's own handler, which loads the selected line first.
    connect(LV_PortTrunk, &QTreeWidget::itemSelectionChanged, this, &TPortTrunkForm::LV_PortTrunkClick);
    BT_GetClick();
}

void TPortTrunkForm::setIndexEditable(bool editable)
{
    ED_Index->setEnabled(editable);
    QPalette p = ED_Index->palette();
    p.setColor(QPalette::Base, editable ? QColor(Qt::white) : palette().color(QPalette::Button));
    ED_Index->setPalette(p);
}

void TPortTrunkForm::BT_GetClick()
{
    report(*m_binding, [&] { m_binding->get(); });
    setIndexEditable(true);
    ED_Index->clear();
    ED_Name->clear();
}

void TPortTrunkForm::LV_PortTrunkClick()
{
    // The walk itself clears the list: nothing to answer while it runs.
    if (m_binding->busy)
        return;
    const QList<QTreeWidgetItem*> selected = LV_PortTrunk->selectedItems();
    if (selected.isEmpty()) {
        BT_GetClick();
        return;
    }
    setIndexEditable(false);
    const PortGrid::UnitPort up = PortGrid::splitPortNumber(ED_MasterPort->text().toInt());
    UnitEdit->setText(QString::number(up.unit));
    PortEdit->setText(QString::number(up.port));
    const QString state = selected.first()->text(TrState);
    if (state == QLatin1String("disable") || state == QLatin1String("enable"))
        ComboBox1->setCurrentText(state);
}

bool TPortTrunkForm::refuse(const QString& text, QWidget* focus)
{
    message(text);
    focus->setFocus();
    return false;
}

bool TPortTrunkForm::unitAndPortGiven()
{
    if (UnitEdit->text().isEmpty())
        return refuse(QStringLiteral("The Unit should not be empty."), UnitEdit);
    if (PortEdit->text().isEmpty())
        return refuse(QStringLiteral("The Port should not be empty."), PortEdit);
    return true;
}

int TPortTrunkForm::masterPort() const
{
    return PortGrid::portNumber(UnitEdit->text().toInt(), PortEdit->text().toInt());
}

bool TPortTrunkForm::membersFit(int master)
{
    const int unit = PortGrid::splitPortNumber(master).unit;
    int count = 0;
    for (int n = PortGrid::portNumber(unit, 1); n <= PortGrid::portNumber(unit, PortGrid::PortsPerUnit); ++n) {
        if (!Ports->isChecked(n))
            continue;
        if (++count > kMaxMembers) {
            Ports->box(n)->setChecked(false);
            message(QStringLiteral("The trunk member can't over eight!"));
            return false;
        }
    }
    if (count < 2) {
        message(QStringLiteral("You must choose at least two members!"));
        return false;
    }
    return true;
}

void TPortTrunkForm::BT_AddClick()
{
    if (ED_Index->text().isEmpty()) {
        refuse(QStringLiteral("The index should not be empty."), ED_Index);
        return;
    }
    for (int i = 0; i < LV_PortTrunk->topLevelItemCount(); ++i)
        if (LV_PortTrunk->topLevelItem(i)->text(TrIndex) == ED_Index->text()) {
            refuse(QStringLiteral("The Index must be different!"), ED_Index);
            return;
        }
    if (!unitAndPortGiven())
        return;
    if (Combo_Type->currentIndex() < 0) {
        refuse(QStringLiteral("Please choose trunk type."), Combo_Type);
        return;
    }
    const int master = masterPort();
    for (int i = 0; i < LV_PortTrunk->topLevelItemCount(); ++i)
        if (LV_PortTrunk->topLevelItem(i)->text(TrMaster).toInt() == master) {
            refuse(QStringLiteral("The master port must be different!"), UnitEdit);
            return;
        }
    if (!Ports->isChecked(master)) {
        refuse(QStringLiteral("Master port must be checked."), PortEdit);
        return;
    }
    ED_MasterPort->setText(QString::number(master));
    Combo_State->setCurrentText(QStringLiteral("createAndGo"));
    if (!membersFit(master))
        return;
    report(*m_binding, [&] { m_binding->set(true, true); });
}

void TPortTrunkForm::SetBtnClick()
{
    if (ED_Index->text().isEmpty()) {
        refuse(QStringLiteral("Please select trunk group."), ED_Index);
        return;
    }
    if (!unitAndPortGiven())
        return;
    Combo_State->setCurrentIndex(ComboBox1->currentIndex());
    const int master = masterPort();
    if (!Ports->isChecked(master)) {
        refuse(QStringLiteral("Master port must be checked."), PortEdit);
        return;
    }
    ED_MasterPort->setText(QString::number(master));
    if (!membersFit(master))
        return;
    report(*m_binding, [&] { m_binding->set(true, true); });
    ComboBox1->setCurrentIndex(Combo_State->currentIndex());
    setIndexEditable(true);
    ED_Index->clear();
    ED_Name->clear();
}

void TPortTrunkForm::BT_DeleteClick()
{
    if (ED_Index->text().isEmpty()) {
        refuse(QStringLiteral("Please select trunk group."), ED_Index);
        return;
    }
    {
        // Only the trunk type and the state destroy go out for the group.
        ExcludedRows rows(m_binding->request.varList);
        rows.exclude(TrIndex, TrFlooding);
        Combo_State->setCurrentText(QStringLiteral("destroy"));
        report(*m_binding, [&] { m_binding->set(false, true); });
    }
    BT_GetClick();
}
