// The forwarding and filtering forms against hv720-sim: the request gate, what
// "Set" and the filter deletes write, the grids, and the implied community index.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "editors/common/PortGrid.h"
#include "editors/forwarding/CommunityStringTableFormUnit.h"
#include "editors/forwarding/EquipmentBasicInfoFormUnit.h"
#include "editors/forwarding/Form1Unit.h"
#include "editors/forwarding/ForwardUnregisteredInformationFormUnit.h"
#include "editors/forwarding/GARPFormUnit.h"
#include "editors/forwarding/MulticastForwardingInformationFormUnit.h"
#include "editors/forwarding/PortCapabilities8021dFormUnit.h"
#include "editors/forwarding/TpGroupDestinationForwardedFormUnit.h"
#include "editors/forwarding/UnicastFilterInformationFormUnit.h"
#include "tests/editors/ServiceEditorTest.h"

namespace {

const std::string kUnicast = "1.3.6.1.2.1.17.7.1.3.1.1.";
const std::string kUnicastEntry = ".1.0.128.200.0.0.16.0";  // VLAN 1, 00:80:c8:00:00:10, receive port 0
const std::string kForwardAll = "1.3.6.1.2.1.17.7.1.2.4.1.";
const std::string kCommunity = "1.3.6.1.6.3.18.1.1.1.";
const std::string kFaultOid = "1.3.6.1.4.1.497.999.1.3.0";
const std::string kFaultStatus = "1.3.6.1.4.1.497.999.1.4.0";


using ForwardingForms = ServiceEditorTest;

TEST_F(ForwardingForms, GateKeepsASecondWalkFromStartingBeforeTheFirstHasEnded)
{
    TForm1* gate = TForm1::instance();
    TGARPForm garp(context);
    ASSERT_TRUE(idle(garp.binding()));
    EXPECT_TRUE(gate->getDone && gate->setDone);
    ASSERT_GT(garp.listView()->topLevelItemCount(), 0);

    // A port-capability walk is running (no reply processed yet): neither Refresh starts one.
    TPortCapabilities8021dForm capabilities(context);
    EXPECT_TRUE(capabilities.binding()->busy);
    EXPECT_FALSE(gate->getDone);
    garp.RefreshClick();
    EXPECT_FALSE(garp.binding()->busy);
    const int lines = capabilities.listView()->topLevelItemCount();
    capabilities.RefreshClick();  // would start the walk over and empty the list
    EXPECT_EQ(capabilities.listView()->topLevelItemCount(), lines);

    ASSERT_TRUE(idle(capabilities.binding()));
    EXPECT_TRUE(gate->getDone);
    EXPECT_EQ(capabilities.countText->text(), QString::number(capabilities.listView()->topLevelItemCount()));
    garp.RefreshClick();
    EXPECT_TRUE(garp.binding()->busy);
    ASSERT_TRUE(idle(garp.binding()));
}

TEST_F(ForwardingForms, AGatedFormClosedDuringItsWalkReleasesTheGate)
{
    TForm1* gate = TForm1::instance();
    for (bool fromInsideAReply : {false, true}) {
        SCOPED_TRACE(fromInsideAReply ? "closed from inside a reply" : "closed between replies");
        {
            TPortCapabilities8021dForm capabilities(context);
            ASSERT_FALSE(gate->getDone);
            if (fromInsideAReply) {
                // The first line arriving closes the form, inside the walk's reply.
                QObject::connect(capabilities.listView()->model(), &QAbstractItemModel::rowsInserted, &capabilities,
                                 [&] { capabilities.reject(); }, Qt::SingleShotConnection);
                ASSERT_TRUE(waitFor([&] { return capabilities.binding() == nullptr; }));
            } else {
                capabilities.reject();
            }
        }
        EXPECT_TRUE(waitFor([&] { return gate->getDone; }));
        TGARPForm garp(context);
        EXPECT_TRUE(garp.binding()->busy);  // its walk started: the gate was free
        ASSERT_TRUE(idle(garp.binding()));
    }
}

TEST_F(ForwardingForms, UnicastDeleteSendsOnlyTheStatusAndMakesThePortListWritableAgain)
{
    for (bool agentRefuses : {true, false}) {
        SCOPED_TRACE(agentRefuses ? "refused" : "accepted");
        ASSERT_EQ(sim->set({kFaultStatus, "i", "0"}).exitCode, 0);
        TUnicastFilterInformationForm form(context);
        ASSERT_TRUE(idle(form.binding()));
        ASSERT_EQ(form.listView()->topLevelItemCount(), 1);
        form.listView()->setCurrentItem(form.listView()->topLevelItem(0));
        EXPECT_TRUE(form.grids()[0]->anyChecked());
        EXPECT_FALSE(form.control("UStatus")->isEnabled());
        if (agentRefuses) {  // the agent answers genErr for the status column from now on
            ASSERT_EQ(sim->set({kFaultOid, "o", kUnicast + "4", kFaultStatus, "i", "5"}).exitCode, 0);
        }
        takeSets();
        form.DeleteClick();
        ASSERT_TRUE(idle(form.binding()));
        EXPECT_EQ(form.binding()->request.varList.row(3).access, AccessReadable | AccessWritable);
        EXPECT_FALSE(form.grids()[0]->anyChecked());
        EXPECT_TRUE(static_cast<QLineEdit*>(form.control("UnicastAddress"))->text().isEmpty());
        const std::vector<std::string> sets = takeSets();
        if (agentRefuses) {
            EXPECT_TRUE(sets.empty());
            EXPECT_NE(form.Memo1->toPlainText().toStdString().find("Set: "), std::string::npos);
        } else {
            EXPECT_EQ(sets, std::vector<std::string>({kUnicast + "4" + kUnicastEntry + "=2"}));
            ASSERT_TRUE(idle(form.binding()));
            EXPECT_EQ(form.listView()->topLevelItemCount(), 0);
            EXPECT_EQ(form.countText->text(), "0");  // "Samples" follows the emptied list
        }
    }
}

TEST_F(ForwardingForms, ForwardingSetWritesTheStaticListsAndForwardUnregisteredSetOnlyReads)
{
    TMulticastForwardingInformationForm forward(context);
    ASSERT_TRUE(idle(forward.binding()));
    ASSERT_EQ(forward.listView()->topLevelItemCount(), 3);  // VLANs 1, 10, 20
    forward.listView()->setCurrentItem(forward.listView()->topLevelItem(0));
    forward.grids()[1]->box(PortGrid::portNumber(1, 3))->setChecked(true);
    forward.SetClick();
    ASSERT_TRUE(idle(forward.binding()));
    std::vector<std::string> sets = takeSets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].find(kForwardAll + "1."), std::string::npos) << "the All Ports list is read only";
    EXPECT_EQ(sets[0].rfind(kForwardAll + "2.1=0x20", 0), 0u) << sets[0];
    EXPECT_NE(sets[0].find(" " + kForwardAll + "3.1=0x00"), std::string::npos) << sets[0];

    TForwardUnregisteredInformationForm unregistered(context);
    ASSERT_TRUE(idle(unregistered.binding()));
    EXPECT_EQ(unregistered.countText->text(), "3");
    unregistered.grids()[0]->box(5)->setChecked(true);
    unregistered.SetClick();
    ASSERT_TRUE(idle(unregistered.binding()));
    EXPECT_TRUE(takeSets().empty());
    EXPECT_TRUE(unregistered.grids()[0]->isChecked(5));
    unregistered.RefreshClick();
    EXPECT_FALSE(unregistered.grids()[0]->anyChecked());
    ASSERT_TRUE(idle(unregistered.binding()));
}

TEST_F(ForwardingForms, CommunityAddUsesTheImpliedIndexAndDeleteNeedsALine)
{
    TCommunityStringTableForm form(context);
    ASSERT_TRUE(idle(form.binding()));
    EXPECT_FALSE(form.button("DeleteButton")->isEnabled());
    static_cast<QLineEdit*>(form.control("Edit1"))->setText("pub");
    static_cast<QLineEdit*>(form.control("Edit2"))->setText("public");
    static_cast<QLineEdit*>(form.control("Edit3"))->setText("guest");
    form.AddClick();
    ASSERT_TRUE(idle(form.binding()));
    const std::string index = ".112.117.98";  // implied: no length sub-identifier
    EXPECT_EQ(takeSets(), std::vector<std::string>({kCommunity + "2" + index + "=0x7075626C6963 " + kCommunity + "3"
                                                    + index + "=0x6775657374 " + kCommunity + "8" + index + "=4"}));
    ASSERT_TRUE(idle(form.binding()));
    ASSERT_EQ(form.listView()->topLevelItemCount(), 3);

    form.listView()->setCurrentItem(form.listView()->topLevelItem(0));
    EXPECT_TRUE(form.button("DeleteButton")->isEnabled());
    const std::string first = form.listView()->topLevelItem(0)->text(0).toStdString();
    form.DeleteClick();
    ASSERT_TRUE(idle(form.binding()));
    const std::vector<std::string> sets = takeSets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_NE(sets[0].find(kCommunity + "8."), std::string::npos);
    EXPECT_EQ(sets[0].substr(sets[0].size() - 2), "=6");
    ASSERT_TRUE(idle(form.binding()));
    EXPECT_EQ(form.listView()->topLevelItemCount(), 2);
    EXPECT_NE(form.listView()->topLevelItem(0)->text(0).toStdString(), first);

    // A Set with a retyped index after Delete keeps that community.
    const QString kept = form.listView()->topLevelItem(0)->text(0);
    static_cast<QLineEdit*>(form.control("Edit1"))->setText(kept);
    form.SetClick();
    ASSERT_TRUE(idle(form.binding()));
    for (const std::string& set : takeSets())
        EXPECT_EQ(set.find("=6"), std::string::npos) << set;
    ASSERT_TRUE(idle(form.binding()));
    EXPECT_TRUE(lineWithCaption(form.listView(), kept));
}

TEST_F(ForwardingForms, ReadOnlyViewsShowWhatTheAgentHolds)
{
    TTpGroupDestinationForwardedForm groups(context);
    ASSERT_TRUE(idle(groups.binding()));
    ASSERT_EQ(groups.listView()->topLevelItemCount(), 2);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const QTreeWidgetItem* line = groups.listView()->topLevelItem(i);
        EXPECT_EQ(line->text(0), i == 0 ? "1" : "10");
        EXPECT_FALSE(line->text(1).isEmpty());  // the group address
    }
    groups.listView()->setCurrentItem(groups.listView()->topLevelItem(0));
    EXPECT_TRUE(groups.grids()[0]->anyChecked());

    TEquipmentBasicInfoForm equipment(context);
    ASSERT_TRUE(idle(equipment.binding()));
    EXPECT_EQ(static_cast<QLineEdit*>(equipment.control("Edit2"))->text(), "12");
    EXPECT_EQ(static_cast<QLineEdit*>(equipment.control("Edit4"))->text(), "2");
    equipment.RefreshClick();
    ASSERT_TRUE(idle(equipment.binding()));
    EXPECT_TRUE(static_cast<QLineEdit*>(equipment.control("Edit1"))->text().isEmpty());
}

} // namespace
