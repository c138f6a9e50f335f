// The login/enable method-list editors, the server editor and the server-control
// dialog against hv720-sim: which columns each write carries, the method-order
// question and the input checks.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "editors/auth/EnableMethodFormUnit.h"
#include "editors/auth/frmACCServerCtrlUnit.h"
#include "editors/auth/LoginMethodListFormUnit.h"
#include "editors/auth/ServerInformationFormUnit.h"
#include "tests/common/MessageBoxCloser.h"
#include "tests/editors/ServiceEditorTest.h"

namespace {

const std::string kLogin = "1.3.6.1.4.1.497.12.5.3.1.";
const std::string kEnable = "1.3.6.1.4.1.497.12.5.4.1.";
const std::string kServer = "1.3.6.1.4.1.497.12.5.10.1.";
const std::string kMember = "1.3.6.1.4.1.497.12.5.12.1.";
const std::string kOps = ".3.111.112.115";  // the list name "ops" as an index

void selectLine(QTreeWidget* view, const QString& firstCell)
{
    for (int i = 0; i < view->topLevelItemCount(); ++i) {
        if (view->topLevelItem(i)->text(0) == firstCell) {
            view->setCurrentItem(view->topLevelItem(i));
            return;
        }
    }
    FAIL() << "no line " << firstCell.toStdString();
}

void setMethods(TMethodListForm& form, std::initializer_list<const char*> types)
{
    int k = 0;
    for (const char* type : types)
        pick(form.typeCombos[k++], type);
}

using AuthForms = ServiceEditorTest;

TEST_F(AuthForms, MethodOrderQuestionDecidesWhatAnAddSends)
{
    struct Case {
        const char* name;
        std::initializer_list<const char*> types;
        QMessageBox::StandardButton answer;
        bool asked;
        std::string sent;  // empty: nothing sent
    } cases[] = {
        {"No keeps the methods up to local", {"radius", "local", "tacacs", "other"}, QMessageBox::No, true,
         kLogin + "2" + kOps + "=4 " + kLogin + "4" + kOps + "=6 " + kLogin + "10" + kOps + "=4"},
        {"Yes sends nothing", {"radius", "local", "tacacs", "other"}, QMessageBox::Yes, true, ""},
        {"local last asks nothing", {"tacacs", "xtacacs", "tacacs-plus", "local"}, QMessageBox::No, false,
         kLogin + "2" + kOps + "=1 " + kLogin + "4" + kOps + "=2 " + kLogin + "6" + kOps + "=3 " + kLogin + "8"
             + kOps + "=6 " + kLogin + "10" + kOps + "=4"},
        {"server group goes with its type only, other sends nothing",
         {"server-group", "other", "none", "other"}, QMessageBox::No, false,
         kLogin + "2" + kOps + "=5 " + kLogin + "3" + kOps + "=0x " + kLogin + "6" + kOps + "=8 " + kLogin + "10"
             + kOps + "=4"},
        {"the methods not chosen are not written", {"radius"}, QMessageBox::No, false,
         kLogin + "2" + kOps + "=4 " + kLogin + "10" + kOps + "=4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TLoginMethodListForm form(context);
        form.nameEdit->setText(QStringLiteral("ops"));
        setMethods(form, c.types);
        takeSets();
        MessageBoxCloser answerer(c.answer);
        form.AddButtonClick();
        EXPECT_EQ(answerer.texts.size(), c.asked ? 1 : 0);
        if (c.asked && !answerer.texts.isEmpty()) {
            EXPECT_EQ(answerer.texts[0].toStdString(), TMethodListForm::kOrderQuestion);
        }
        const std::vector<std::string> sets = takeSets();
        if (c.sent.empty()) {
            EXPECT_TRUE(sets.empty());
        } else {
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_EQ(sets[0], c.sent);
        }
        // Remove what the case created so the next one can add it again.
        if (!c.sent.empty())
            sim->set({kLogin + "10" + kOps, "i", "6"});
        EXPECT_TRUE(form.AddButton->isEnabled());
        // A write ends with the edits cleared; Yes leaves the list to be changed.
        EXPECT_EQ(form.nameEdit->text().isEmpty(), !c.sent.empty());
    }
}

TEST_F(AuthForms, AddChecksComeBeforeAnythingIsSent)
{
    TEnableMethodForm form(context);
    ASSERT_GT(form.ListView1->topLevelItemCount(), 0);
    EXPECT_EQ(form.countText->text(), QString::number(form.ListView1->topLevelItemCount()));
    struct Case {
        const char* name;
        const char* rowStatus;
        const char* message;
    } cases[] = {
        {"", "createAndGo", "Enable MethodList Name must be set."},
        {"default", "createAndGo",
         "Has already a record with the same Enable MethodList Name. Please Change Enable MethodList Name."},
        {"fresh", "active", "Row State must be createAndGo."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        form.nameEdit->setText(QString::fromLatin1(c.name));
        pick(form.RowComboBox, c.rowStatus);
        MessageBoxCloser answerer;
        form.AddButtonClick();
        EXPECT_EQ(answerer.texts, QStringList({c.message}));
    }
    EXPECT_TRUE(takeSets().empty());
}

TEST_F(AuthForms, DeleteSendsTheNameWithTheFirstTypeAndDestroy)
{
    TLoginMethodListForm form(context);
    selectLine(form.ListView1, "default");
    EXPECT_TRUE(form.DeleteButton->isEnabled());
    EXPECT_FALSE(form.nameEdit->isEnabled());
    EXPECT_EQ(form.nameEdit->text(), "default");
    form.DeleteButtonClick();
    const std::string index = ".7.100.101.102.97.117.108.116";
    const std::vector<std::string> sets = takeSets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], kLogin + "2" + index + "=6 " + kLogin + "10" + index + "=6");
    EXPECT_NE(agentValue(kLogin + "10" + index).find("No Such"), std::string::npos);
    EXPECT_FALSE(form.DeleteButton->isEnabled());
    EXPECT_EQ(form.countText->text(), QString::number(form.ListView1->topLevelItemCount()));
}

TEST_F(AuthForms, ServerAddLeavesOutItsEmptyEdits)
{
    TServerInformationForm form(context);
    form.IPEdit->setText(QStringLiteral("10.1.2.3"));
    pick(form.ProtocolComboBox, "tacacs-plus");
    form.PortEdit->setText(QStringLiteral("49"));
    form.KeyEdit->setText(QStringLiteral("k3y"));
    MessageBoxCloser answerer;
    form.AddButtonClick();
    const std::string index = ".10.1.2.3.3";
    std::vector<std::string> sets = takeSets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], kServer + "3" + index + "=49 " + kServer + "4" + index + "=0x6B3379 " + kServer + "7" + index
                           + "=4");
    EXPECT_TRUE(answerer.texts.isEmpty());

    // The same address and protocol again is refused; an empty address first.
    form.IPEdit->setText(QStringLiteral("10.1.2.3"));
    pick(form.ProtocolComboBox, "tacacs-plus");
    form.AddButtonClick();
    form.IPEdit->clear();
    form.AddButtonClick();
    EXPECT_EQ(answerer.texts,
              QStringList({"Has already a record with the same Server IP and Protocol. Please Change Server IP or "
                           "Protocol.",
                           "Server IP must be set."}));
    EXPECT_TRUE(takeSets().empty());
}

TEST_F(AuthForms, ServerControlSendsOnlyTheRowStateForTheEncodedInstance)
{
    TfrmACCServerCtrl dialog(context);
    EXPECT_TRUE(dialog.edtGroupName->text().isEmpty());
    EXPECT_EQ(dialog.cbRowState->currentIndex(), -1);
    dialog.Button1Click();
    EXPECT_EQ(dialog.StatusBar1->currentMessage(), "Don't Leave Empty Fileds !");
    EXPECT_TRUE(takeSets().empty());

    dialog.edtGroupName->setText(QStringLiteral("radius"));
    dialog.edtIPAddr->setText(QStringLiteral("10.90.90.5"));
    pick(dialog.cbAuthProtocol, "radius");
    pick(dialog.cbRowState, "delete");
    dialog.Button1Click();
    const std::vector<std::string> sets = takeSets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], kMember + "4.6.114.97.100.105.117.115.10.90.90.5.4=2");
    EXPECT_TRUE(dialog.StatusBar1->currentMessage().startsWith("Set: Ok!. Receive at "));
    EXPECT_NE(agentValue(kMember + "4.6.114.97.100.105.117.115.10.90.90.5.4").find("No Such"), std::string::npos);
    // The re-read does not leave a table row in the fields for the next Set.
    EXPECT_TRUE(dialog.edtGroupName->text().isEmpty());
    dialog.Button1Click();
    EXPECT_EQ(dialog.StatusBar1->currentMessage(), "Don't Leave Empty Fileds !");
    EXPECT_TRUE(takeSets().empty());

    // A write that cannot be made (here: an address that is none) is reported in a box.
    MessageBoxCloser answerer;
    dialog.edtGroupName->setText(QStringLiteral("radius"));
    dialog.edtIPAddr->setText(QStringLiteral("10.90.90"));
    pick(dialog.cbAuthProtocol, "radius");
    pick(dialog.cbRowState, "delete");
    dialog.Button1Click();
    EXPECT_EQ(answerer.texts, QStringList({"Set entry failed!"}));
}

} // namespace
