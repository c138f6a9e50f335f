// The main window against hv720-sim: identification of different stacks, the
// RMON entries following the agent's state, and closing with its confirmation.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "panels/ExpansionModuleFormUnit.h"
#include "app/MainUnit.h"
#include "bind/NvSNMPRequest2Edits.h"
#include "bind/NvSNMPRequest2Leds.h"
#include "snmp/NvSNMPSession.h"
#include "panels/PortButton.h"
#include "panels/PortButtonList.h"
#include "platform/Registry.h"
#include "snmp/NvEventWait.h"
#include "tests/app/ModuleUnderTest.h"
#include "tests/common/MessageBoxCloser.h"
#include "tests/common/SimulatorProcess.h"
#include "panels/UnitPanelFormUnit.h"
#include "tests/common/TestFiles.h"

namespace {

const char* const kRmonStateOid = "1.3.6.1.4.1.497.11.59.7.2.1.2.3.0";

class MainWindowTest : public ::testing::Test {
protected:
    // Starts the simulator with the options and builds the main window against it
    // through the ordinary start-up (registry and device configuration file).
    std::unique_ptr<TMainForm> open(const std::vector<std::string>& simOptions)
    {
        if (!sim.start(simOptions)) {
            ADD_FAILURE() << sim.log();
            return nullptr;
        }
        return openModule(dir, {.agentPort = sim.port()});
    }

    QTemporaryDir dir;
    SimulatorProcess sim;
};

struct PlacedPanel {
    int unit;
    const char* formClass;
    int top;
};

struct StackCase {
    const char* name;
    std::vector<std::string> units;  // --unit words
    std::vector<PlacedPanel> panels;
    int clientWidth;
    const char* moduleClass;  // beside the first panel, or none
};

TEST_F(MainWindowTest, IdentificationPlacesOnePanelPerPresentKnownUnit)
{
    const StackCase cases[] = {
        {"three HV-720",
         {"model=HV-720", "model=HV-720", "model=HV-720"},
         {{1, "TPanelHV720Form", 0}, {2, "TPanelHV720Form", 90}, {3, "TPanelHV720Form", 180}},
         784,
         nullptr},
        {"a unit that does not exist is skipped",
         {"model=HV-720", "model=HV-630 status=not-exist", "model=HV-630"},
         {{1, "TPanelHV720Form", 0}, {3, "TPanelHV630Form", 90}},
         784,
         nullptr},
        {"HV-710 carrying HM10",
         {"model=HV-710 module=HM10", "model=HV-640"},
         {{1, "TPanelHV710Form", 0}, {2, "TPanelHV640Form", 90}},
         982,
         "TfrmHM10"},
        {"HV-640* is known, a trailing blank is not",
         {"model=HV-640*", "model=\"HV-640 \"", "model=HV720 module=HM20"},
         {{1, "TPanelHV640Form", 0}, {3, "TPanelHV720Form", 90}},
         982,
         nullptr},
    };
    for (const StackCase& c : cases) {
        SCOPED_TRACE(c.name);
        sim.stop();
        std::vector<std::string> options;
        for (const std::string& u : c.units)
            options.insert(options.end(), {"--unit", u});
        auto form = open(options);
        ASSERT_TRUE(form);

        EXPECT_EQ(form->windowTitle(), "HV720 : 127.0.0.1");
        EXPECT_EQ(form->UnitListView->topLevelItemCount(), static_cast<int>(c.units.size()));
        ASSERT_EQ(form->unitPanels().size(), c.panels.size());
        for (size_t i = 0; i < c.panels.size(); ++i) {
            const TUnitPanelForm* panel = form->unitPanels()[i];
            EXPECT_EQ(panel->unitNumber(), c.panels[i].unit);
            EXPECT_STREQ(panel->metaObject()->className(), c.panels[i].formClass);
            EXPECT_EQ(panel->geometry(), QRect(0, c.panels[i].top, 780, 89));
        }
        EXPECT_EQ(form->clientWidth(), c.clientWidth);
        const int last = c.panels.back().top;
        EXPECT_EQ(form->clientHeight(), last + 89 + form->StatusBar->sizeHint().height() +
                                            static_cast<int>(c.panels.size()) - 1 + 4);

        // A module form sits right of its unit's panel.
        if (c.moduleClass) {
            ASSERT_EQ(form->modulePanels().size(), 1u);
            const TExpansionModuleForm* module = form->modulePanels()[0];
            EXPECT_STREQ(module->metaObject()->className(), c.moduleClass);
            EXPECT_EQ(module->geometry(), QRect(781, 0, 194, 40));
            EXPECT_EQ(module->carrier(), TExpansionModuleForm::Carrier::HV710);
            EXPECT_EQ(module->SpeedButtonX->tag(), 49);
            EXPECT_EQ(module->SpeedButtonY->tag(), 50);
        }

        // Every port button shares the pop-up menu and the group behaviour.
        TPortButtonList* buttons = form->portButtons();
        ASSERT_GT(buttons->count(), 2);
        for (const auto& b : buttons->buttons())
            EXPECT_EQ(b->popupMenu(), form->PortInfoPopupMenu);
        buttons->at(0)->click();
        buttons->at(buttons->count() - 1)->click();
        EXPECT_EQ(buttons->selected(), buttons->at(buttons->count() - 1));
        EXPECT_FALSE(buttons->at(0)->isPortDown());
    }
}

TEST_F(MainWindowTest, FailedWalksLeaveTheWindowWithWhatArrived)
{
    struct Case {
        const char* name;
        const char* failingTable;
        size_t panels;
        size_t modules;
    };
    const Case cases[] = {
        {"sub-unit table fails: panels without modules", "1.3.6.1.4.1.497.11.59.7.2.1.1.3.1", 2, 0},
        {"unit table fails: no panels", "1.3.6.1.4.1.497.12.11.1.9.4.1", 0, 0},
        {"port table fails: panels and modules from the units", "1.3.6.1.4.1.497.11.59.7.2.3.1.1", 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim.stop();
        auto form = open({"--unit", "model=HV-720 module=HM20", "--unit", "model=HV-710 module=HM10", "--error",
                          std::string(c.failingTable) + "=genErr"});
        ASSERT_TRUE(form);
        EXPECT_EQ(form->unitPanels().size(), c.panels);
        EXPECT_EQ(form->modulePanels().size(), c.modules);
        // The RMON state is still read.
        EXPECT_EQ(form->ST_RmonState->text(), "enabled");
        // The failure stays on the status line, not the RMON read's "Ok!".
        const QString error = form->IdentificationError->text();
        EXPECT_FALSE(form->IdentificationError->isHidden());
        EXPECT_FALSE(form->StatusPanel->text().contains("Ok!")) << form->StatusPanel->text().toStdString();
        EXPECT_EQ(error.startsWith("No unit identified"), c.panels == 0) << error.toStdString();
        EXPECT_TRUE(error.contains("General Error")) << error.toStdString();
    }
}

TEST_F(MainWindowTest, WalksThatCannotBeAskedKeepTheUnitTablesFailure)
{
    // An authentication protocol the library does not know: every request is
    // refused before anything is sent, so each walk raises.
    ASSERT_TRUE(sim.start({})) << sim.log();
    auto form = openModule(dir, {.agentPort = sim.port(),
                                 .version = 3,
                                 .deviceKeys = "SecurityLevel=1\nSecurityName=admin\nAuthProtocol=40\n"});
    ASSERT_TRUE(form);
    EXPECT_TRUE(form->unitPanels().empty());
    EXPECT_FALSE(form->IdentificationError->isHidden());
    EXPECT_EQ(form->IdentificationError->text(), "No unit identified: Get Unit Information Failed");
    EXPECT_FALSE(form->StatusPanel->text().contains("Ok!")) << form->StatusPanel->text().toStdString();
}

TEST_F(MainWindowTest, WindowShowsItselfWhileTheStackIsRead)
{
    const std::vector<std::string> stack = {"--unit", "model=HV-720 module=HM20", "--unit", "model=HV-710",
                                            "--unit", "model=HV-640"};
    auto classes = [](const TMainForm& form) {
        std::vector<std::string> names;
        for (const TUnitPanelForm* p : form.unitPanels())
            names.push_back(p->metaObject()->className());
        for (const TExpansionModuleForm* m : form.modulePanels())
            names.push_back(m->metaObject()->className());
        return names;
    };
    auto quick = open(stack);
    ASSERT_TRUE(quick);
    const auto expected = classes(*quick);
    EXPECT_TRUE(quick->IdentificationError->isHidden());
    quick.reset();
    sim.stop();

    // Every answer comes 400 ms late; the window is watched from the start
    // (a look at a fixed time could come before the window exists on a loaded
    // machine): it must be on screen, saying that the stack is being read,
    // before any panel is placed.
    bool reading = false;
    size_t panels = 99;
    QTimer look;
    look.setInterval(20);
    QObject::connect(&look, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* form = qobject_cast<TMainForm*>(w);
            if (form && form->isVisible() && form->StatusPanel->text().startsWith("Reading the stack: ")) {
                reading = true;
                panels = form->unitPanels().size();
                look.stop();
            }
        }
    });
    look.start();
    std::vector<std::string> slow = stack;
    slow.insert(slow.end(), {"--delay", "400"});
    auto form = open(slow);
    ASSERT_TRUE(form);
    EXPECT_TRUE(reading);
    EXPECT_EQ(panels, 0u);
    EXPECT_EQ(classes(*form), expected);
    EXPECT_TRUE(form->IdentificationError->isHidden());
}

// SNMPv1 has no GETBULK: identification asks several rows of every table in one
// get-next and walks ranges of the port table at once. It reads the rows that
// SNMPv2c reads, with far fewer requests than rows.
TEST_F(MainWindowTest, SnmpV1IdentificationReadsTheRowsOfSnmpV2cInFewRequests)
{
    ASSERT_TRUE(sim.start({"--led-period", "3600000"})) << sim.log();
    auto lines = [](const QTreeWidget* view) {
        std::vector<QStringList> out;
        for (int r = 0; r < view->topLevelItemCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < view->columnCount(); ++c)
                cells << view->topLevelItem(r)->text(c);
            out.push_back(cells);
        }
        return out;
    };
    auto requests = [this] {
        const auto got = sim.get({"1.3.6.1.4.1.497.999.1.29.0"}, {"-Oqv"});
        EXPECT_EQ(got.exitCode, 0) << got.err;
        return std::stoull("0" + got.out);
    };
    struct Read {
        std::vector<QStringList> units, ports, modules;
        size_t panels = 0;
        unsigned long long requests = 0;
    };
    auto identify = [&](int version) {
        Read read;
        const unsigned long long before = requests();
        auto form = openModule(dir, {.agentPort = sim.port(), .version = version});
        // Counted before the LED polls of the panels add theirs.
        read.requests = requests() - before;
        if (!form) {
            ADD_FAILURE() << "no window";
            return read;
        }
        read.units = lines(form->UnitListView);
        read.ports = lines(form->lvPortIndex);
        read.modules = lines(form->lvSubUnit);
        read.panels = form->unitPanels().size();
        EXPECT_TRUE(form->IdentificationError->isHidden()) << form->IdentificationError->text().toStdString();
        return read;
    };
    const Read v2c = identify(1);
    const Read v1 = identify(0);
    ASSERT_EQ(v2c.units.size(), 3u);
    ASSERT_EQ(v2c.ports.size(), 100u);  // 26 + 50 + 24 of the default stack
    ASSERT_EQ(v2c.modules.size(), 3u);
    EXPECT_EQ(v1.units, v2c.units);
    EXPECT_EQ(v1.ports, v2c.ports);
    EXPECT_EQ(v1.modules, v2c.modules);
    EXPECT_EQ(v1.panels, 3u);
    // Index order, as one walk brings them.
    for (size_t r = 1; r < v1.ports.size(); ++r)
        EXPECT_LT(v1.ports[r - 1].value(0).toInt(), v1.ports[r].value(0).toInt());
    // One get-next per row and table end would be 109 requests; LED polls and
    // the RMON read are counted too.
    EXPECT_LE(v1.requests, 30u);
}

TEST_F(MainWindowTest, RmonEntriesFollowTheAgentsState)
{
    auto form = open({"--unit", "model=HV-720", "--rmon", "disabled"});
    ASSERT_TRUE(form);
    EXPECT_EQ(form->ST_RmonState->text(), "disabled");
    for (QAction* a : {form->Statistics1, form->History1, form->AlarmEvent1})
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    EXPECT_TRUE(form->RMONSetting1->isEnabled());

    ASSERT_EQ(sim.set({kRmonStateOid, "i", "3"}).exitCode, 0);
    form->refreshRmonState();
    EXPECT_EQ(form->ST_RmonState->text(), "enabled");
    for (QAction* a : {form->Statistics1, form->History1, form->AlarmEvent1})
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
}

TEST_F(MainWindowTest, ExitAsksAndCancelKeepsThePollsRunning)
{
    auto form = open({"--unit", "model=HV-720 module=HM20", "--unit", "model=HV-710"});
    ASSERT_TRUE(form);
    form->show();
    ASSERT_EQ(form->unitPanels().size(), 2u);
    ASSERT_EQ(form->modulePanels().size(), 1u);
    std::vector<QPointer<QWidget>> forms;
    for (auto* p : form->unitPanels())
        forms.emplace_back(p);
    forms.emplace_back(form->modulePanels()[0]);

    {
        MessageBoxCloser answer(QMessageBox::Cancel);
        EXPECT_FALSE(form->close());
        EXPECT_EQ(answer.captions, QStringList{"Confirm"});
        EXPECT_EQ(answer.texts, QStringList{"Exit HV-720 Management Module"});
        EXPECT_TRUE(answer.offered.value(0).testFlag(QMessageBox::Cancel));
    }
    EXPECT_TRUE(form->isVisible());
    for (auto* p : form->unitPanels())
        EXPECT_TRUE(p->ledRequest()->pollTimer()->isActive());
    EXPECT_TRUE(form->modulePanels()[0]->ledRequest()->pollTimer()->isActive());

    {
        MessageBoxCloser answer(QMessageBox::Ok);
        EXPECT_TRUE(form->close());
    }
    // Closing ends every binding and lets go of the panels; the panel forms
    // themselves go with the window.
    EXPECT_TRUE(form->unitPanels().empty());
    EXPECT_TRUE(form->modulePanels().empty());
    EXPECT_EQ(form->unitTableBinding(), nullptr);
    form.reset();
    for (const auto& f : forms)
        EXPECT_TRUE(f.isNull());
}

// The main window against an agent that misbehaves. For every fault class the
// window must be built, hold a bounded number of rows, name the failure on the
// status line, keep its menus working and close with Exit.
struct AgentFault {
    const char* name;
    std::vector<std::string> simOptions;
    const char* status;  // a status line shown while the window is built and the LEDs polled; empty: any
    int panels;          // panels placed; -1: any
};

const char* const kUnitTable = "1.3.6.1.4.1.497.12.11.1.9.4.1";
const char* const kPortTable = "1.3.6.1.4.1.497.11.59.7.2.3.1.1";
const char* const kLedColumn = "1.3.6.1.4.1.497.12.11.1.9.4.1.6";
const char* const kTimedOut = "SNMP request timed out";
const char* const kGenErr = "General Error";
const char* const kWentBack = "went back or repeated during the walk";

std::string with(const char* oid, const char* tail)
{
    return std::string(oid) + tail;
}

const AgentFault kAgentFaults[] = {
    {"silence", {"--drop-every", "1"}, kTimedOut, 0},
    {"answers_later_than_the_timeout", {"--delay", "2500"}, kTimedOut, -1},
    {"dropped_requests", {"--drop-every", "3"}, "", 3},
    {"duplicated_late_answers", {"--duplicate", "150"}, "", 3},
    {"late_answers_and_duplicates", {"--unit", "model=HV-720 range=4", "--delay", "1500", "--duplicate", "700"}, "", 1},
    {"wrong_request_id", {"--wrong-id", "1"}, kTimedOut, 0},
    {"every_third_id_wrong", {"--wrong-id", "3"}, "", -1},
    {"undecodable_bytes", {"--garbage", "1"}, kTimedOut, 0},
    {"some_undecodable_bytes", {"--garbage", "4"}, "", -1},
    {"unit_table_of_wrong_types", {"--wrong-type", kUnitTable}, "", -1},
    {"port_table_of_wrong_types", {"--wrong-type", kPortTable}, "", 3},
    {"led_octets_of_wrong_type", {"--wrong-type", kLedColumn}, "", 3},
    {"led_octets_too_short", {"--short-leds", "0=3"}, "", 3},
    {"led_octets_empty", {"--short-leds", "0=0"}, "", 3},
    {"led_octets_too_long", {"--short-leds", "0=1400"}, "", 3},
    {"overlong_strings", {"--long-strings", with(kUnitTable, "=3000")}, "", -1},
    {"overlong_led_octets_and_names", {"--long-strings", "1.3.6.1.4.1.497=1200"}, "", -1},
    {"unit_walk_goes_back", {"--walk-fault", with(kUnitTable, ".2=back")}, kWentBack, -1},
    {"port_walk_goes_back", {"--walk-fault", with(kPortTable, ".3=back")}, kWentBack, -1},
    {"first_port_column_repeats", {"--walk-fault", with(kPortTable, ".1=repeat")}, kWentBack, -1},
    {"middle_port_column_repeats", {"--walk-fault", with(kPortTable, ".4=repeat")}, kWentBack, -1},
    {"unit_column_repeats", {"--walk-fault", with(kUnitTable, ".10=repeat")}, kWentBack, -1},
    {"error_on_get_next", {"--error", with(kUnitTable, "=genErr")}, kGenErr, 0},
    {"error_on_get_and_set", {"--error", std::string(kRmonStateOid) + "=genErr"}, kGenErr, 3},
    {"no_such_instance_in_the_led_column", {"--error", with(kLedColumn, "=noSuchInstance")}, "", 3},
    {"stops_answering_half_way_through_a_walk", {"--stop-after", "5"}, kTimedOut, -1},
};

void PrintTo(const AgentFault& fault, std::ostream* os)
{
    *os << fault.name;
}

class MainWindowFaultTest : public MainWindowTest, public ::testing::WithParamInterface<AgentFault> {};

// Records every text the main window's status line shows, from the event loop
// (also while the window is being built).
class StatusRecorder {
public:
    StatusRecorder()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { take(); });
        m_timer.start(5);
    }
    void take()
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* form = qobject_cast<TMainForm*>(w);
            if (!form)
                continue;
            // The status bar shows the kept identification error in front of the status line.
            for (QLabel* label : {form->IdentificationError, form->StatusPanel}) {
                if (label && !label->text().isEmpty() && !texts.contains(label->text()))
                    texts << label->text();
            }
        }
    }
    bool saw(const QString& fragment) const
    {
        for (const QString& t : texts)
            if (t.contains(fragment))
                return true;
        return false;
    }
    QStringList texts;

private:
    QTimer m_timer;
};

TEST_P(MainWindowFaultTest, WindowSurvivesTheAgent)
{
    const AgentFault& fault = GetParam();
    StatusRecorder status;
    auto form = open(fault.simOptions);
    ASSERT_TRUE(form);
    status.take();
    form->show();

    // What arrived stays within what a stack can hold.
    EXPECT_LE(form->UnitListView->topLevelItemCount(), 12);
    EXPECT_LE(form->lvSubUnit->topLevelItemCount(), 12);
    EXPECT_LE(form->lvPortIndex->topLevelItemCount(), 12 * 64);
    if (fault.panels >= 0) {
        EXPECT_EQ(static_cast<int>(form->unitPanels().size()), fault.panels);
    }

    // One more LED poll of every panel, and a write through the window's binding.
    for (TUnitPanelForm* panel : form->unitPanels()) {
        if (NvSNMPRequest2Leds* leds = panel->ledRequest()) {
            leds->get();
            waitUntilIdle(leds->busy);
        }
    }
    try {
        form->rmonStateBinding()->set(false, false);
    } catch (const std::exception& e) {
        status.texts << e.what();
    }
    status.take();
    if (*fault.status) {
        EXPECT_TRUE(status.saw(fault.status)) << status.texts.join("\n").toStdString();
    }

    // Still usable: a menu opens, Exit closes the window.
    form->Configuration1->popup(form->mapToGlobal(QPoint(0, 0)));
    QCoreApplication::processEvents();
    EXPECT_TRUE(form->Configuration1->isVisible());
    form->Configuration1->hide();
    {
        MessageBoxCloser answer(QMessageBox::Ok);
        form->Exit1->trigger();
    }
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->unitPanels().empty());
}

INSTANTIATE_TEST_SUITE_P(AgentFaults, MainWindowFaultTest, ::testing::ValuesIn(kAgentFaults),
                         [](const ::testing::TestParamInfo<AgentFault>& info) { return std::string(info.param.name); });

}  // namespace
