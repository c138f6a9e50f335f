// The trunk, mirror, traffic-segmentation and aggregator-port editors against
// hv720-sim: what Add, Set and Delete send, the checks that send nothing, the
// port numbers split into unit and port, the walk guard and the LACP bits.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "editors/common/PortGrid.h"
#include "editors/ports/AggregatorPortTableFormUnit.h"
#include "editors/ports/PortMirrorFormUnit.h"
#include "editors/ports/PortTrunkFormUnit.h"
#include "editors/ports/TrafficSegmentationFormUnit.h"
#include "tests/common/MessageBoxCloser.h"
#include "tests/editors/EditorAgentTest.h"

namespace {

const std::string kTrunk = "1.3.6.1.4.1.497.11.59.7.2.9.3.1";
const std::string kMirror = "1.3.6.1.4.1.497.11.59.7.2.10";

// Stack port numbers whose bits are set in a logged port list ("0x...").
std::vector<int> portsIn(const std::string& logged)
{
    std::vector<int> ports;
    for (size_t i = 2; i + 1 < logged.size(); i += 2) {
        const int octet = std::stoi(logged.substr(i, 2), nullptr, 16);
        for (int b = 0; b < 8; ++b)
            if (octet & (0x80 >> b))
                ports.push_back(static_cast<int>((i - 2) / 2 * 8 + b + 1));
    }
    return ports;
}

using PortEditors = EditorAgentTest;

TEST_F(PortEditors, TrunkAddChecksTheMasterAndTheMembers)
{
    TPortTrunkForm form(context);
    EXPECT_EQ(form.windowTitle(), "Port Trunk Table :127.0.0.1");
    ASSERT_GT(form.LV_PortTrunk->topLevelItemCount(), 0);
    form.ED_Index->setText("3");
    form.ED_Name->setText("t3");
    form.UnitEdit->setText("2");
    form.PortEdit->setText("3");
    form.Combo_Type->setCurrentText("static");

    struct Case {
        const char* what;
        std::vector<int> checked;  // stack port numbers
        const char* message;
        int clearedBox;            // port number unchecked by the check, 0 for none
    };
    const Case refused[] = {
        {"master 67 not checked", {68, 69}, "Master port must be checked.", 0},
        {"one member", {67}, "You must choose at least two members!", 0},
        {"nine members", {65, 66, 67, 68, 69, 70, 71, 72, 73}, "The trunk member can't over eight!", 73},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(c.what);
        form.Ports->clear();
        for (int n : c.checked)
            form.Ports->box(n)->setChecked(true);
        const size_t before = sets().size();
        MessageBoxCloser boxes;
        form.BT_Set->click();
        EXPECT_EQ(boxes.texts, QStringList{QString::fromLatin1(c.message)});
        EXPECT_EQ(sets().size(), before);
        if (c.clearedBox) {
            EXPECT_FALSE(form.Ports->isChecked(c.clearedBox));
            EXPECT_TRUE(form.Ports->isChecked(c.clearedBox - 1));
        }
    }

    // Eight members on the master's unit and more on unit 1, which do not count.
    form.Ports->clear();
    for (int n : {65, 66, 67, 68, 69, 70, 71, 72, 1, 2})
        form.Ports->box(n)->setChecked(true);
    const size_t before = sets().size();
    form.BT_Set->click();
    const auto sent = waitForSet(before + 1);
    EXPECT_EQ(sent.at(kTrunk + ".3.3"), "67");
    EXPECT_EQ(sent.at(kTrunk + ".7.3"), "4");
    EXPECT_EQ(sent.at(kTrunk + ".6.3"), "2");
    EXPECT_EQ(sent.at(kTrunk + ".2.3"), "0x7433");
    EXPECT_EQ(portsIn(sent.at(kTrunk + ".4.3")), (std::vector<int>{1, 2, 65, 66, 67, 68, 69, 70, 71, 72}));
    EXPECT_EQ(sent.count(kTrunk + ".1.3") + sent.count(kTrunk + ".5.3"), 0u);
    EXPECT_NE(lineWithCaption(form.LV_PortTrunk, "3"), nullptr);

    // The same master again is refused before anything is sent.
    form.ED_Index->setText("4");
    form.UnitEdit->setText("2");
    form.PortEdit->setText("3");
    MessageBoxCloser boxes;
    form.BT_Set->click();
    EXPECT_EQ(boxes.texts, QStringList{"The master port must be different!"});
    form.done(0);
}

TEST_F(PortEditors, TrunkSelectionSplitsTheMasterAndDeleteSendsTypeAndDestroy)
{
    ASSERT_EQ(sim->set({kTrunk + ".3.2", "i", "128"}).exitCode, 0);
    TPortTrunkForm form(context);
    ASSERT_NE(lineWithCaption(form.LV_PortTrunk, "2"), nullptr);
    lineWithCaption(form.LV_PortTrunk, "2")->setSelected(true);
    EXPECT_EQ(form.UnitEdit->text(), "2");
    EXPECT_EQ(form.PortEdit->text(), "64");
    EXPECT_FALSE(form.ED_Index->isEnabled());

    const size_t before = sets().size();
    form.BT_Delete->click();
    const std::map<std::string, std::string> destroyed{{kTrunk + ".6.2", "2"}, {kTrunk + ".7.2", "6"}};
    EXPECT_EQ(waitForSet(before + 1), destroyed);
    EXPECT_EQ(lineWithCaption(form.LV_PortTrunk, "2"), nullptr);
    EXPECT_TRUE(form.ED_Index->isEnabled());
    form.done(0);
}

TEST_F(PortEditors, UnitAndPortEditsTakeDigitsOnly)
{
    TPortTrunkForm form(context);
    form.UnitEdit->clear();
    QTest::keyClicks(form.UnitEdit, "1a2-");
    EXPECT_EQ(form.UnitEdit->text(), "12");
    QTest::keyClick(form.UnitEdit, Qt::Key_Backspace);
    EXPECT_EQ(form.UnitEdit->text(), "12");
    // Select-all and Delete still edit; Escape still closes the form.
    QTest::keyClick(form.UnitEdit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(form.UnitEdit, Qt::Key_Delete);
    EXPECT_EQ(form.UnitEdit->text(), "");
    form.show();
    form.UnitEdit->setFocus();
    QTest::keyClick(form.UnitEdit, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    form.done(0);
}

TEST_F(PortEditors, MirrorTargetIsCheckedAndWrittenAsAPortNumber)
{
    TPortMirrorForm form(context);
    form.IngressPorts->box(5)->setChecked(true);
    struct Case {
        const char* unit;
        const char* port;
        int checkedTarget;  // also checked as an egress port; 0 for none
        const char* message;
    };
    const Case refused[] = {
        {"1", "27", 0, "Set valid target port"},  // the HV-720 has 26 ports
        {"2", "51", 0, "Set valid target port"},  // the HV-710 has 50
        {"13", "1", 0, "Set valid target port"},
        {"2", "3", 67, "Mirror port can not be member port!"},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(c.message);
        form.UnitEdit->setText(QString::fromLatin1(c.unit));
        form.PortEdit->setText(QString::fromLatin1(c.port));
        form.EgressPorts->clear();
        if (c.checkedTarget)
            form.EgressPorts->box(c.checkedTarget)->setChecked(true);
        const size_t before = sets().size();
        MessageBoxCloser boxes;
        form.BT_Set->click();
        EXPECT_EQ(boxes.texts, QStringList{QString::fromLatin1(c.message)});
        EXPECT_EQ(sets().size(), before);
    }

    form.EgressPorts->clear();
    form.UnitEdit->setText("2");
    form.PortEdit->setText("50");
    const size_t before = sets().size();
    form.BT_Set->click();
    const auto sent = waitForSet(before + 1);
    EXPECT_EQ(sent.at(kMirror + ".1.0"), "114");
    EXPECT_EQ(portsIn(sent.at(kMirror + ".2.0")), std::vector<int>{5});
    form.BT_RefreshClick();
    EXPECT_EQ(form.ET_TargetPort->text(), "114");
    EXPECT_EQ(form.UnitEdit->text(), "2");
    EXPECT_EQ(form.PortEdit->text(), "50");

    // Without any source port nothing is sent.
    form.IngressPorts->clear();
    MessageBoxCloser boxes;
    form.BT_Set->click();
    EXPECT_EQ(boxes.captions, QStringList{"Confirm"});
    EXPECT_EQ(boxes.texts, QStringList{"Ingress Ports and Egress Ports can not be empty "});
    form.done(0);
}

TEST_F(PortEditors, SegmentationRefreshWaitsForTheWalkOrStop)
{
    // Late answers keep the first walk running while the buttons are tried.
    const std::string delayControl = "1.3.6.1.4.1.497.999.1.1.0";
    ASSERT_EQ(sim->set({delayControl, "i", "300"}).exitCode, 0);
    TTrafficSegmentationForm form(context);
    EXPECT_FALSE(form.ready());
    {
        MessageBoxCloser boxes;
        form.BT_Get->click();
        form.BT_Set->click();
        EXPECT_EQ(boxes.texts, (QStringList{"Refresh not complete", "Refresh not complete"}));
    }
    form.StopBtn->click();
    EXPECT_TRUE(form.ready());
    ASSERT_EQ(sim->set({delayControl, "i", "0"}).exitCode, 0);
    {
        MessageBoxCloser boxes;
        form.BT_Get->click();
        EXPECT_TRUE(boxes.texts.isEmpty());
    }
    // The new walk lists every port of the stack once.
    ASSERT_TRUE(waitFor([&] { return form.ready(); }));
    EXPECT_EQ(form.LV_TrafficForward->topLevelItemCount(), 26 + 50 + 24);
    EXPECT_EQ(form.StaticText1->text(), "100");
    lineWithCaption(form.LV_TrafficForward, "66")->setSelected(true);
    EXPECT_EQ(form.Combo_Unit->text(), "2");
    EXPECT_EQ(form.Combo_Port->text(), "2");

    // After Refresh no line is selected: Set writes nothing, not even to the
    // port selected before.
    form.BT_Get->click();
    ASSERT_TRUE(waitFor([&] { return form.ready(); }));
    const size_t before = sets().size();
    MessageBoxCloser boxes;
    form.BT_Set->click();
    EXPECT_EQ(boxes.texts, QStringList{"Please select a port."});
    EXPECT_EQ(sets().size(), before);
    form.done(0);
}

TEST_F(PortEditors, AggregatorStateOctetShowsItsBits)
{
    TAggregatorPortTableForm form(context);
    EXPECT_FALSE(form.GetBtn->isEnabled());
    ASSERT_TRUE(waitFor([&] { return form.GetBtn->isEnabled(); }));
    ASSERT_GT(form.ListView1->topLevelItemCount(), 0);
    form.ListView1->topLevelItem(0)->setSelected(true);
    // Partner Admin State (third tab) is 0xA0 in the simulator.
    QStringList checked;
    for (int bit = 0; bit < 8; ++bit)
        if (form.stateBoxes[static_cast<size_t>(2 * 8 + bit)]->isChecked())
            checked << form.stateBoxes[static_cast<size_t>(2 * 8 + bit)]->text();
    EXPECT_EQ(checked, (QStringList{"lacpActivity", "aggregation"}));
    form.done(0);
}

}  // namespace
