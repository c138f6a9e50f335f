// Route redistribution, MD5 keys, BOOTP relay, member switches and the 802.1X
// statistics views against hv720-sim: the checks before a write and exactly
// which columns each write carries.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "editors/common/SecretColumns.h"
#include "editors/tables/BOOTCtrlTableFormUnit.h"
#include "editors/tables/DiagnosticsInformationFormUnit.h"
#include "editors/tables/MacStatisticTableFormUnit.h"
#include "editors/tables/Md5EditFormUnit.h"
#include "editors/tables/Md5InformationFormUnit.h"
#include "editors/tables/MSEditFormUnit.h"
#include "editors/tables/MSInformationFormUnit.h"
#include "editors/tables/NewBootpCtrlFormUnit.h"
#include "editors/tables/RouteRedistributFormUnit.h"
#include "tests/common/MessageBoxCloser.h"
#include "tests/editors/ServiceEditorTest.h"

namespace {

const std::string kRoute = "1.3.6.1.4.1.497.11.59.7.3.5.1.";
const std::string kMd5 = "1.3.6.1.4.1.497.11.59.7.3.4.1.";
const std::string kBootp = "1.3.6.1.4.1.497.11.59.7.3.3.1.4.1.";
const std::string kSystem = ".6.83.121.115.116.101.109";  // the interface name "System" as an index
const std::string kMember = "1.3.6.1.4.1.497.12.8.1.3.1.";

void selectLine(QTreeWidget* view, std::initializer_list<QString> cells)
{
    view->clearSelection();  // selecting the line again reloads the controls from it
    for (int i = 0; i < view->topLevelItemCount(); ++i) {
        QTreeWidgetItem* line = view->topLevelItem(i);
        int c = 0;
        bool all = true;
        for (const QString& cell : cells)
            all = all && line->text(c++) == cell;
        if (all) {
            view->setCurrentItem(line);
            return;
        }
    }
    FAIL() << "no such line";
}

// Runs action once the dialog is shown modally.
void whenShown(QDialog* dialog, std::function<void()> action)
{
    QTimer::singleShot(5, dialog, [dialog, action] {
        if (dialog->isVisible())
            action();
        else
            whenShown(dialog, action);
    });
}


using SmallTables = ServiceEditorTest;

TEST_F(SmallTables, RouteMetricBoundsAndTypeChoicesFollowTheProtocols)
{
    ASSERT_EQ(sim->set({kRoute + "3.5.3", "i", "7"}).exitCode, 0);  // local -> ospf as inter+E1
    TRouteRedistributForm form(context);
    ASSERT_TRUE(idle(form.binding()));
    ASSERT_EQ(form.ListView1->topLevelItemCount(), 2);
    auto enabled = [&form] {
        QString radios;
        for (QRadioButton* radio : form.RadioButtons)
            radios += radio->isEnabled() ? '1' : '0';
        return radios;
    };

    selectLine(form.ListView1, {"local", "ospf"});
    EXPECT_TRUE(form.RadioButtons[6]->isChecked());  // inter-E1
    EXPECT_EQ(form.ComboBox3->currentText(), "inter+E1");
    EXPECT_EQ(enabled(), "0011000000");
    EXPECT_EQ(form.Label5->text(), "[0..16777214]");

    selectLine(form.ListView1, {"static", "rip"});
    EXPECT_EQ(enabled(), "0100000000");
    EXPECT_EQ(form.Label5->text(), "[0..16]");
    form.ComboBox1->setCurrentIndex(form.ComboBox1->findText("ospf"));
    EXPECT_EQ(enabled(), "1100111111");

    struct Case {
        const char* source;
        const char* destination;
        const char* metric;
        const char* refusal;  // nullptr: written
        std::string index;
    } cases[] = {
        {"static", "rip", "17", "Metric out of Bound [0..16]", ".4.2"},
        {"static", "rip", "16", nullptr, ".4.2"},
        {"local", "ospf", "16777215", "Metric out of Bound [0..16777214]", ".5.3"},
        {"local", "ospf", "16777214", nullptr, ".5.3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.destination) + " " + c.metric);
        selectLine(form.ListView1, {c.source, c.destination});
        form.Edit1->setText(QString::fromLatin1(c.metric));
        takeSets();
        MessageBoxCloser answerer;
        form.SetButtonClick();
        ASSERT_TRUE(idle(form.binding()));
        const std::vector<std::string> sets = takeSets();
        if (c.refusal) {
            EXPECT_EQ(answerer.texts, QStringList({c.refusal}));
            EXPECT_TRUE(sets.empty());
        } else {
            EXPECT_TRUE(answerer.texts.isEmpty()) << answerer.texts.join('|').toStdString();
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_NE(sets[0].find(kRoute + "4" + c.index + "=" + c.metric), std::string::npos) << sets[0];
        }
    }
}

TEST_F(SmallTables, RouteTypeOtherLeavesTheTypeOutOfTheWrite)
{
    ASSERT_EQ(sim->set({kRoute + "5.3.2", "i", "4"}).exitCode, 0);  // ospf -> rip, where "other" is offered
    TRouteRedistributForm form(context);
    ASSERT_TRUE(idle(form.binding()));
    selectLine(form.ListView1, {"ospf", "rip"});
    form.RadioButtons[0]->click();  // "other": no type value of its own
    EXPECT_EQ(form.ComboBox3->currentIndex(), -1);
    form.Edit1->setText("5");
    takeSets();
    form.SetButtonClick();
    ASSERT_TRUE(idle(form.binding()));
    const std::vector<std::string> sets = takeSets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], kRoute + "4.3.2=5 " + kRoute + "5.3.2=1");
    // The type column is back for the next write and the re-read.
    EXPECT_EQ(form.binding()->request.varList.row(2).access & AccessExcluded, 0);
}

TEST_F(SmallTables, RouteDeleteWritesTheSelectedEntryOnlyAndSetNeedsALine)
{
    TRouteRedistributForm form(context);
    ASSERT_TRUE(idle(form.binding()));
    selectLine(form.ListView1, {"static", "rip"});
    takeSets();
    form.DeleteButtonClick();
    ASSERT_TRUE(idle(form.binding()));
    const std::vector<std::string> deleted = takeSets();
    ASSERT_EQ(deleted.size(), 1u);
    EXPECT_NE(deleted[0].find(kRoute + "5.4.2=6"), std::string::npos) << deleted[0];
    EXPECT_EQ(form.StComboBox->currentText(), "active");

    // The re-read leaves no line selected: Set writes nothing to any entry.
    ASSERT_TRUE(form.ListView1->selectedItems().isEmpty());
    form.ComboBox1->setCurrentIndex(form.ComboBox1->findText("local"));
    form.ComboBox2->setCurrentIndex(form.ComboBox2->findText("ospf"));
    form.Edit1->setText("5");
    MessageBoxCloser answerer;
    form.SetButtonClick();
    ASSERT_TRUE(idle(form.binding()));
    EXPECT_EQ(answerer.texts, QStringList{"Please select an entry."});
    EXPECT_TRUE(takeSets().empty());
}

TEST_F(SmallTables, Md5AddChecksTheKeyIdBeforeTheKey)
{
    TMd5InformationForm form(context);
    ASSERT_TRUE(idle(form.binding()));
    TMd5EditForm* dialog = form.Md5EditForm;
    struct Case {
        const char* keyId;
        const char* key;
        const char* refusal;
    } cases[] = {
        {"", "abc", "KeyID is needed."},
        {"1", "", "KeyID must be different."},
        {"3", "", "Key is needed."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refusal);
        dialog->mode = TMd5EditForm::AddMode;
        dialog->KeyIDEdit->setText(QString::fromLatin1(c.keyId));
        dialog->KeyEdit->setText(QString::fromLatin1(c.key));
        MessageBoxCloser answerer;
        dialog->SetButtonClick();
        EXPECT_EQ(answerer.texts, QStringList({c.refusal}));
    }
    EXPECT_TRUE(takeSets().empty());

    whenShown(dialog, [dialog] {
        dialog->KeyIDEdit->setText("3");
        dialog->KeyEdit->setText("secret3");
        dialog->SetButtonClick();
    });
    form.AddButtonClick();
    ASSERT_TRUE(idle(form.binding()));
    const std::vector<std::string> sets = takeSets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], kMd5 + "2.3=0x73656372657433 " + kMd5 + "3.3=4");
    ASSERT_TRUE(waitFor([&] { return form.ListView1->topLevelItemCount() == 3; }));

    // An Add abandoned after a key was selected: Delete destroys the selected key.
    selectLine(form.ListView1, {"1"});
    whenShown(dialog, [dialog] {
        dialog->KeyIDEdit->setText("2");
        dialog->reject();
    });
    form.AddButtonClick();
    ASSERT_EQ(form.ListView1->selectedItems().size(), 1);
    form.DeleteButtonClick();
    ASSERT_TRUE(idle(form.binding()));
    const std::vector<std::string> deleted = takeSets();
    ASSERT_EQ(deleted.size(), 1u);
    EXPECT_NE(deleted[0].find(kMd5 + "3.1=6"), std::string::npos) << deleted[0];
    EXPECT_EQ(deleted[0].find(".2="), std::string::npos) << deleted[0];
}

TEST_F(SmallTables, BootpTakesAFourthServerButNotAFifth)
{
    ASSERT_EQ(sim->set({kBootp + "3" + kSystem + ".10.1.1.2", "i", "3", kBootp + "3" + kSystem + ".10.1.1.3", "i", "3"})
                  .exitCode,
              0);
    TBOOTCtrlTableForm form(context);
    ASSERT_TRUE(idle(form.binding()));
    ASSERT_EQ(form.ListView1->topLevelItemCount(), 3);
    TNewBootpCtrlForm* dialog = form.NewBootpCtrlForm;
    takeSets();

    whenShown(dialog, [dialog] {
        EXPECT_TRUE(dialog->Edit1->isEnabled());
        dialog->Edit1->setText("System");
        dialog->Edit2->setText("10.1.1.4");
        dialog->SetButtonClick();
    });
    form.AddButtonClick();
    ASSERT_TRUE(idle(form.binding()));
    std::vector<std::string> sets = takeSets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], kBootp + "3" + kSystem + ".10.1.1.4=3");
    ASSERT_TRUE(waitFor([&] { return form.ListView1->topLevelItemCount() == 4; }));

    MessageBoxCloser answerer;
    dialog->Edit1->setText("System");
    dialog->Edit2->setText("10.1.1.5");
    dialog->SetButtonClick();
    EXPECT_EQ(answerer.texts, QStringList({"One Interface Can Only With Four Bootp Servers"}));
    EXPECT_TRUE(takeSets().empty());
}

TEST_F(SmallTables, MemberSwitchAddWritesThreeColumnsAndDeleteOnlyTheRowStatus)
{
    TMSInformationForm form(context);
    ASSERT_TRUE(idle(form.binding()));
    TMSEditForm* dialog = form.MSEditForm;
    const std::string added = kMember + "8.3=3 " + kMember + "9.3=0x70617373 " + kMember + "10.3=4";
    auto add = [&] {
        whenShown(dialog, [dialog] {
            dialog->KeyIDEdit->setText("3");
            dialog->MS_Password->setText("pass");
            dialog->SetButtonClick();
        });
        form.AddButtonClick();
        EXPECT_EQ(dialog->windowTitle(), "MS Add");
        ASSERT_TRUE(idle(dialog->binding()));
        ASSERT_TRUE(idle(form.binding()));
    };
    add();
    EXPECT_EQ(takeSets(), std::vector<std::string>({added}));
    ASSERT_TRUE(waitFor([&] { return form.ListView1->topLevelItemCount() == 3; }));

    selectLine(form.ListView1, {"3"});
    form.DeleteButtonClick();
    ASSERT_TRUE(idle(dialog->binding()));
    EXPECT_EQ(takeSets(), std::vector<std::string>({kMember + "10.3=6"}));
    ASSERT_TRUE(idle(form.binding()));
    ASSERT_TRUE(waitFor([&] { return form.ListView1->topLevelItemCount() == 2; }));

    add();
    EXPECT_EQ(takeSets(), std::vector<std::string>({added}));

    MessageBoxCloser answerer;
    form.ListView1->clearSelection();
    form.DeleteButtonClick();
    EXPECT_EQ(answerer.texts, QStringList({"Choose the item first."}));
}

TEST_F(SmallTables, SecretsAreTypedHiddenListedMaskedAndNotKept)
{
    TMSInformationForm members(context);
    ASSERT_TRUE(idle(members.binding()));
    TMd5InformationForm keys(context);
    ASSERT_TRUE(idle(keys.binding()));
    EXPECT_EQ(members.MSEditForm->MS_Password->echoMode(), QLineEdit::Password);
    EXPECT_EQ(keys.Md5EditForm->KeyEdit->echoMode(), QLineEdit::Password);

    // The key column is masked line by line; a double click shows one key.
    QTreeWidget* list = keys.ListView1;
    int column = -1;
    for (int c = 0; c < list->columnCount(); ++c)
        if (list->headerItem()->text(c) == "Key")
            column = c;
    ASSERT_GE(column, 0);
    ASSERT_GT(list->topLevelItemCount(), 1);
    const QString key = list->topLevelItem(0)->text(column);
    ASSERT_FALSE(key.isEmpty());
    EXPECT_NE(secret::shownText(list, list->model()->index(0, column)), key);
    emit list->itemDoubleClicked(list->topLevelItem(0), column);
    EXPECT_EQ(secret::shownText(list, list->model()->index(0, column)), key);
    EXPECT_NE(secret::shownText(list, list->model()->index(1, column)), list->topLevelItem(1)->text(column));

    // A password typed for one member is not offered for the next.
    TMSEditForm* dialog = members.MSEditForm;
    dialog->MS_Password->setText("old");
    QString offered = "unseen";
    whenShown(dialog, [dialog, &offered] {
        offered = dialog->MS_Password->text();
        dialog->reject();
    });
    members.AddButtonClick();
    EXPECT_EQ(offered, "");
}

TEST_F(SmallTables, StatisticsViewsListOneLinePerPortAccessEntity)
{
    TDiagnosticsInformationForm diagnostics(context);
    TMacStatisticTableForm frames(context);
    struct Case {
        const char* name;
        QTreeWidget* list;
        int columns;
    } cases[] = {{"diagnostics", diagnostics.ListView1, 20}, {"frames", frames.ListView1, 14}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(c.list->topLevelItemCount(), 2);
        EXPECT_EQ(c.list->columnCount(), c.columns);
        EXPECT_FALSE(c.list->topLevelItem(0)->text(0).isEmpty());
        EXPECT_EQ(c.list->topLevelItem(1)->text(1), "2");
    }
    EXPECT_EQ(frames.ListView1->topLevelItem(0)->text(12), "2");  // Eapol Frame Version
}

} // namespace
