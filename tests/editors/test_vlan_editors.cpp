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

#include "editors/PortGrid.h"
#include "editors/VlanStaticFormUnit.h"
#include "tests/common/MessageBoxCloser.h"
#include "tests/editors/EditorAgentTest.h"

namespace {

const std::string kStatic = "1.3.6.1.2.1.17.7.1.4.3.1";

QTreeWidgetItem* lineWithCaption(QTreeWidget* list, const QString& caption)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(0) == caption)
            return list->topLevelItem(i);
    return nullptr;
}

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
