// One editor of each family meets every fault class of the simulator while it
// reads and writes: it does not crash, its walks end, its list stays bounded,
// the failure is named in its status area, no Set is reported done that the
// agent did not commit, and it still closes.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "editors/access/AccessEditorRecord.h"
#include "editors/access/TAccessEditorForm.h"
#include "editors/auth/ServerInformationFormUnit.h"
#include "editors/common/PortGrid.h"
#include "editors/forwarding/UnicastFilterInformationFormUnit.h"
#include "editors/ports/PortTrunkFormUnit.h"
#include "editors/tables/RouteRedistributFormUnit.h"
#include "editors/time/SummerTimeConfigFormUnit.h"
#include "editors/vlan/VlanStaticFormUnit.h"
#include "snmp/NvSNMPVarDescriptor.h"
#include "tests/common/AgentFaults.h"
#include "tests/common/MessageBoxCloser.h"
#include "tests/editors/EditorAgentTest.h"

namespace {

// More lines than any table of the simulator's stack holds: a walk that kept
// going past the end of its table.
constexpr int kMostLines = 1000;

// An editor of one family and what it does against the faulty agent.
struct EditorUnderFault {
    const char* name;
    FaultTarget target;
    std::function<std::unique_ptr<QDialog>(const EditorContext&)> open;
    std::function<void(QDialog&)> write;  // a write the editor accepts, and a delete where it has one
    std::function<QTreeWidget*(QDialog&)> list;
    // Walk faults this editor never meets, so its reads end well.
    std::vector<std::string> unmet{};
};

template <class Form>
Form& as(QDialog& form)
{
    return static_cast<Form&>(form);
}

// Selects the first line (when the read brought one) for a delete.
bool selectFirst(QTreeWidget* list)
{
    if (list->topLevelItemCount() == 0)
        return false;
    list->clearSelection();
    list->setCurrentItem(list->topLevelItem(0));
    list->topLevelItem(0)->setSelected(true);
    return true;
}

const AccessEditorRecord& ethernetRules()
{
    for (const AccessEditorRecord& record : accessRuleEditors()) {
        if (std::string(record.className) == "TEthernetInformationRuleForm")
            return record;
    }
    throw std::runtime_error("no Ethernet rule editor");
}

// The rule table's entry: its first column's identifier without the column number.
std::string ruleEntry()
{
    const std::string first = ethernetRules().table[0].oid;
    return first.substr(0, first.rfind('.'));
}

const std::vector<EditorUnderFault>& editorsUnderFault()
{
    static const std::vector<EditorUnderFault> editors = {
        {"vlan_static",
         {"1.3.6.1.2.1.17.7.1.4", "1.3.6.1.2.1.17.7.1.4.3.1.1"},
         [](const EditorContext& c) { return std::make_unique<TVlanStaticForm>(c); },
         [](QDialog& d) {
             auto& form = as<TVlanStaticForm>(d);
             form.ED_VLANID->setText("30");
             form.ED_VLANName->setText("thirty");
             form.EgressPorts->box(3)->click();
             form.AddBtn->click();
             agentQuiet();
             if (selectFirst(form.LV_dot1qVlanStaticEntry))
                 form.DeleteBtn->click();
         },
         [](QDialog& d) { return as<TVlanStaticForm>(d).LV_dot1qVlanStaticEntry; }},
        {"access_ethernet_rules",
         {ruleEntry(), ruleEntry() + ".3"},
         [](const EditorContext& c) { return std::make_unique<TAccessEditorForm>(ethernetRules(), c, nullptr); },
         [](QDialog& d) {
             auto& form = as<TAccessEditorForm>(d);
             qobject_cast<QLineEdit*>(form.control(1))->setText("9");
             qobject_cast<QLineEdit*>(form.control(2))->setText("9");
             form.runOperation(AccessOperation::Add);
             agentQuiet();
             if (selectFirst(form.ListView1))
                 form.runOperation(AccessOperation::Delete);
         },
         [](QDialog& d) { return as<TAccessEditorForm>(d).ListView1; }},
        {"port_trunk",
         {"1.3.6.1.4.1.497.11.59.7.2.9", "1.3.6.1.4.1.497.11.59.7.2.9.3.1.2"},
         [](const EditorContext& c) { return std::make_unique<TPortTrunkForm>(c); },
         [](QDialog& d) {
             auto& form = as<TPortTrunkForm>(d);
             form.ED_Index->setText("3");
             form.ED_Name->setText("t3");
             form.UnitEdit->setText("2");
             form.PortEdit->setText("3");
             pick(form.Combo_Type, "static");
             form.Ports->clear();
             for (int port : {67, 68})
                 form.Ports->box(port)->setChecked(true);
             form.BT_Set->click();
             agentQuiet();
             if (selectFirst(form.LV_PortTrunk))
                 form.BT_Delete->click();
         },
         [](QDialog& d) { return as<TPortTrunkForm>(d).LV_PortTrunk; }},
        {"summer_time",
         {"1.3.6.1.4.1.497.12.10.12", "1.3.6.1.4.1.497.12.10.12.1"},
         [](const EditorContext& c) { return std::make_unique<TSummerTimeConfigForm>(c); },
         [](QDialog& d) {
             auto& form = as<TSummerTimeConfigForm>(d);
             pick(form.From.week, "First");
             pick(form.From.dayOfWeek, "Sunday");
             pick(form.From.monthR, "3");
             pick(form.From.hourR, "2");
             pick(form.From.minuteR, "0");
             pick(form.To.week, "Last");
             pick(form.To.dayOfWeek, "Sunday");
             pick(form.To.monthR, "10");
             pick(form.To.hourR, "3");
             pick(form.To.minuteR, "0");
             pick(form.OffSetTimeComboBox, "90");
             form.SetBtnClick();
         },
         [](QDialog&) -> QTreeWidget* { return nullptr; },
         {"walk_goes_back", "walk_repeats"}},  // scalars: read with get, never walked
        {"auth_servers",
         {"1.3.6.1.4.1.497.12.5.10", "1.3.6.1.4.1.497.12.5.10.1.3"},
         [](const EditorContext& c) { return std::make_unique<TServerInformationForm>(c); },
         [](QDialog& d) {
             auto& form = as<TServerInformationForm>(d);
             form.IPEdit->setText("10.1.2.3");
             pick(form.ProtocolComboBox, "tacacs-plus");
             form.PortEdit->setText("49");
             form.KeyEdit->setText("k3y");
             form.AddButtonClick();
             agentQuiet();
             if (selectFirst(form.ListView1))
                 form.DeleteButtonClick();
         },
         [](QDialog& d) { return as<TServerInformationForm>(d).ListView1; }},
        {"forwarding_unicast",
         {"1.3.6.1.2.1.17.7.1.3", "1.3.6.1.2.1.17.7.1.3.1.1.3"},
         [](const EditorContext& c) { return std::make_unique<TUnicastFilterInformationForm>(c); },
         [](QDialog& d) {
             auto& form = as<TUnicastFilterInformationForm>(d);
             if (selectFirst(form.listView()))
                 form.DeleteClick();
         },
         [](QDialog& d) { return as<TUnicastFilterInformationForm>(d).listView(); },
         {"walk_goes_back"}},  // one row: there is nothing before it to go back to
        {"table_route_redistribution",
         {"1.3.6.1.4.1.497.11.59.7.3.5", "1.3.6.1.4.1.497.11.59.7.3.5.1.4"},
         [](const EditorContext& c) { return std::make_unique<TRouteRedistributForm>(c); },
         [](QDialog& d) {
             auto& form = as<TRouteRedistributForm>(d);
             if (selectFirst(form.ListView1)) {
                 form.Edit1->setText("5");
                 form.SetButtonClick();
                 agentQuiet();
             }
             if (selectFirst(form.ListView1))
                 form.DeleteButtonClick();
         },
         [](QDialog& d) { return as<TRouteRedistributForm>(d).ListView1; }},
    };
    return editors;
}

using EditorFault = std::tuple<size_t, AgentFault>;

class EditorsUnderFaults : public EditorAgentTest, public ::testing::WithParamInterface<EditorFault> {
protected:
    FaultyAgent agent;
};

}  // namespace

TEST_P(EditorsUnderFaults, ReadWriteDeleteAndClose)
{
    const EditorUnderFault& editor = editorsUnderFault()[std::get<0>(GetParam())];
    const AgentFault& fault = std::get<1>(GetParam());
    ASSERT_TRUE(agent.start(fault, editor.target)) << agent.process().log();
    MessageBoxCloser boxes(QMessageBox::Yes);  // delete questions and failure boxes

    std::unique_ptr<QDialog> form;
    {
        SCOPED_TRACE("read");
        form = editor.open(context);
        form->show();
        EXPECT_TRUE(agentQuiet()) << "the read never ended";
    }
    const size_t setsBefore = agent.committedSets();
    {
        SCOPED_TRACE("write");
        editor.write(*form);
        EXPECT_TRUE(agentQuiet()) << "the write or its re-read never ended";
    }
    if (QTreeWidget* list = editor.list(*form)) {
        EXPECT_LE(list->topLevelItemCount(), kMostLines);
    }

    const QString status = statusAreaText(*form);
    EXPECT_FALSE(status.isEmpty());
    const bool met = std::find(editor.unmet.begin(), editor.unmet.end(), fault.name) == editor.unmet.end();
    if (*fault.status && met) {
        EXPECT_TRUE(status.contains(QString::fromLatin1(fault.status))) << status.toStdString();
    }
    for (const QString& box : boxes.texts) {
        if (box.contains(QStringLiteral("(SNMP"))) {  // a request failure belongs in the status area too
            EXPECT_TRUE(status.contains(box)) << box.toStdString() << " | " << status.toStdString();
        }
    }
    if (fault.answersAll) {
        EXPECT_GT(agent.committedSets(), setsBefore) << status.toStdString();
    }
    EXPECT_LE(static_cast<size_t>(setsReportedOk(status)), agent.committedSets() - setsBefore) << status.toStdString();

    form->done(QDialog::Rejected);
    EXPECT_FALSE(form->isVisible());
    form.reset();
}

INSTANTIATE_TEST_SUITE_P(AgentFaults, EditorsUnderFaults,
                         ::testing::Combine(::testing::Range(size_t{0}, editorsUnderFault().size()),
                                            ::testing::ValuesIn(agentFaults())),
                         [](const ::testing::TestParamInfo<EditorFault>& info) {
                             return std::string(editorsUnderFault()[std::get<0>(info.param)].name) + "_"
                                    + std::get<1>(info.param).name;
                         });
