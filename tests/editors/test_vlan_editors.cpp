// The VLAN editors against hv720-sim: what the static VLAN form sends for Add
// and Delete, the untagged/egress coupling, the created VLAN in the current
// table, and the protocol VLAN form's column sets.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "editors/common/EditorRegistry.h"
#include "editors/common/PortGrid.h"
#include "editors/vlan/ProtocolVlanFormUnit.h"
#include "editors/vlan/VLanCurrentTableFormUnit.h"
#include "editors/vlan/VlanStaticFormUnit.h"
#include "tests/common/MessageBoxCloser.h"
#include "tests/editors/EditorAgentTest.h"

namespace {

const std::string kStatic = "1.3.6.1.2.1.17.7.1.4.3.1";

using VlanEditors = EditorAgentTest;

TEST_F(VlanEditors, StaticVlanUntaggedPortsAreEgressPorts)
{
    TVlanStaticForm form(context);
    form.UntaggedPorts->box(66)->click();  // unit 2 port 2
    EXPECT_TRUE(form.EgressPorts->isChecked(66));
    form.EgressPorts->box(66)->click();
    EXPECT_FALSE(form.UntaggedPorts->isChecked(66));
    form.EgressPorts->box(67)->click();
    EXPECT_TRUE(form.EgressPorts->isChecked(67));
    EXPECT_FALSE(form.UntaggedPorts->isChecked(67));
    form.done(0);
}

TEST_F(VlanEditors, StaticVlanDeleteAndAddSendStatusAndPortLists)
{
    TVlanStaticForm form(context);
    ASSERT_TRUE(waitFor([&] { return lineWithCaption(form.LV_dot1qVlanStaticEntry, "10"); }));
    EXPECT_EQ(form.ST_Count2->text(), QString::number(form.LV_dot1qVlanStaticEntry->topLevelItemCount()));
    // The next free index shows as the number the agent holds.
    ASSERT_TRUE(waitFor([&] { return !form.NextFreeLocalVlanIndex->text().isEmpty(); }));
    EXPECT_EQ(form.NextFreeLocalVlanIndex->text().toStdString(), agentValue("1.3.6.1.2.1.17.7.1.4.4.0"));

    // Delete of the selected line: destroy for its instance.
    lineWithCaption(form.LV_dot1qVlanStaticEntry, "10")->setSelected(true);
    EXPECT_TRUE(form.DeleteBtn->isEnabled());
    EXPECT_EQ(form.ED_VLANID->text(), "10");
    size_t before = sets().size();
    form.DeleteBtn->click();
    auto sent = waitForSet(before + 1);
    EXPECT_EQ(sent[kStatic + ".5.10"], "6");
    ASSERT_TRUE(waitFor([&] { return !lineWithCaption(form.LV_dot1qVlanStaticEntry, "10"); }));
    EXPECT_FALSE(form.DeleteBtn->isEnabled());

    // A VLAN ID that is no number is refused: nothing is written (the next
    // write below is the one of VLAN 10) and the typed text stays.
    form.ED_VLANID->setText("30x");
    form.AddBtn->click();
    EXPECT_EQ(form.ED_VLANID->text(), "30x");

    // Add of VLAN 10 with port 1 of unit 1 egress and untagged.
    form.ED_VLANID->setText("10");
    form.ED_VLANName->setText("ten");
    form.UntaggedPorts->box(1)->click();
    before = sets().size();
    form.AddBtn->click();
    EXPECT_TRUE(form.ED_VLANID->text().isEmpty());  // cleaned up, the values already taken
    sent = waitForSet(before + 1);
    EXPECT_EQ(sent[kStatic + ".5.10"], "4");
    EXPECT_EQ(sent[kStatic + ".1.10"], "0x74656E");
    EXPECT_EQ(sent[kStatic + ".2.10"].substr(0, 4), "0x80");
    EXPECT_EQ(sent[kStatic + ".4.10"].substr(0, 4), "0x80");
    EXPECT_EQ(sent[kStatic + ".3.10"].substr(0, 4), "0x00");
    EXPECT_TRUE(waitFor([&] { return lineWithCaption(form.LV_dot1qVlanStaticEntry, "10"); }));
    form.done(0);
}

}  // namespace

namespace {

const std::string kProtocol = "1.3.6.1.4.1.497.12.16.1.1.1";

TEST_F(VlanEditors, CreatedStaticVlanIsListedInTheCurrentTable)
{
    {
        TVlanStaticForm form(context);
        ASSERT_TRUE(waitFor([&] { return form.LV_dot1qVlanStaticEntry->topLevelItemCount() > 0; }));
        form.ED_VLANID->setText("40");
        form.ED_VLANName->setText("forty");
        form.EgressPorts->box(3)->click();
        const size_t before = sets().size();
        form.AddBtn->click();
        ASSERT_FALSE(waitForSet(before + 1).empty());
        form.done(0);
    }
    // The current table's lines start with the time mark; the VLAN index follows.
    TVLanCurrentTableForm current(context);
    QTreeWidgetItem* line = nullptr;
    waitFor([&] {
        for (int i = 0; i < current.LV_dot1qVlanCurrentEntry->topLevelItemCount(); ++i)
            if (current.LV_dot1qVlanCurrentEntry->topLevelItem(i)->text(1) == "40")
                line = current.LV_dot1qVlanCurrentEntry->topLevelItem(i);
        return line != nullptr;
    });
    ASSERT_NE(line, nullptr);
    line->setSelected(true);
    EXPECT_EQ(current.StaticText1->text(), "40");
    EXPECT_TRUE(current.EgressPort->isChecked(3));
    EXPECT_FALSE(current.EgressPort->isChecked(1));
    current.done(0);
}

TEST_F(VlanEditors, ProtocolVlanAddAndEditSendOnlyFilledColumns)
{
    TProtocolVlanForm form(context);
    ASSERT_GT(form.ListView1->topLevelItemCount(), 0);
    EXPECT_FALSE(form.EditBtn->isEnabled());
    EXPECT_FALSE(form.UserProtocol->isEnabled());

    // Add: index 5, name, protocol-ip, no advertisement.
    form.Index->setText("5");
    form.Name->setText("ipv");
    form.ProtocolType->setCurrentText("protocol-ip");
    form.Advertisement->setCurrentIndex(-1);
    form.RowStatus->setCurrentIndex(1);
    size_t before = sets().size();
    form.AddBtn->click();
    auto sent = waitForSet(before + 1);
    const std::map<std::string, std::string> added{
        {kProtocol + ".2.5", "0x697076"}, {kProtocol + ".3.5", "2"}, {kProtocol + ".7.5", "4"}};
    EXPECT_EQ(sent, added);
    ASSERT_NE(lineWithCaption(form.ListView1, "5"), nullptr);

    // Edit with destroy: name and row status only.
    lineWithCaption(form.ListView1, "5")->setSelected(true);
    EXPECT_TRUE(form.EditBtn->isEnabled());
    EXPECT_FALSE(form.AddBtn->isEnabled());
    EXPECT_EQ(form.Index->text(), "5");
    form.RowStatus->setCurrentIndex(2);
    before = sets().size();
    form.EditBtn->click();
    sent = waitForSet(before + 1);
    const std::map<std::string, std::string> destroyed{{kProtocol + ".2.5", "0x697076"}, {kProtocol + ".7.5", "6"}};
    EXPECT_EQ(sent, destroyed);
    EXPECT_EQ(lineWithCaption(form.ListView1, "5"), nullptr);
    form.done(0);
}

TEST_F(VlanEditors, ProtocolVlanDeleteDestroysTheHighlightedLineOnly)
{
    TProtocolVlanForm form(context);
    form.Index->setText("6");
    form.ProtocolType->setCurrentText("protocol-ip");
    form.RowStatus->setCurrentIndex(1);
    size_t before = sets().size();
    form.AddBtn->click();
    waitForSet(before + 1);
    ASSERT_NE(lineWithCaption(form.ListView1, "6"), nullptr);
    ASSERT_NE(lineWithCaption(form.ListView1, "1"), nullptr);

    lineWithCaption(form.ListView1, "6")->setSelected(true);
    EXPECT_FALSE(form.Index->isEnabled());  // the selected line's index stays fixed
    form.Index->setText("1");               // even when changed behind the form's back
    before = sets().size();
    form.DeleteBtn->click();
    const auto sent = waitForSet(before + 1);
    EXPECT_EQ(sent.at(kProtocol + ".7.6"), "6");
    EXPECT_EQ(sent.count(kProtocol + ".7.1"), 0u);
    EXPECT_NE(lineWithCaption(form.ListView1, "1"), nullptr);
    form.done(0);
}

TEST_F(VlanEditors, ProtocolVlanAddRefusesMissingOrTakenIndex)
{
    TProtocolVlanForm form(context);
    ASSERT_NE(lineWithCaption(form.ListView1, "1"), nullptr);
    struct Case {
        const char* index;
        int rowStatus;
        const char* message;
    };
    const Case cases[] = {
        {"", 1, "Index must be set."},
        {"1", 1, "There is already a record with the same Index. Please modified it."},
        {"7", 0, "Row State must be createAndGo."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        form.Index->setText(QString::fromLatin1(c.index));
        form.RowStatus->setCurrentIndex(c.rowStatus);
        const size_t before = sets().size();
        MessageBoxCloser boxes;
        form.AddBtn->click();
        EXPECT_EQ(boxes.texts, QStringList{QString::fromLatin1(c.message)});
        EXPECT_EQ(sets().size(), before);
    }
    form.done(0);
}

TEST(VlanEditorEntries, TheMenuFindsEveryEditorOfTheFamily)
{
    for (const char* component : {"BasicConfigure", "PortsInfo1", "StaticForm1", "CurrentForm1", "ProtocolVLAN1",
                                  "PortTrunk2", "PortMirrorTable1", "TrafficSegmentationTable1",
                                  "AggreatorPortTable1"}) {
        SCOPED_TRACE(component);
        const EditorEntry* entry = findEditor(component);
        ASSERT_NE(entry, nullptr);
        EXPECT_NE(entry->open, nullptr);
    }
}

}  // namespace
