// Generated configuration forms against hv720-sim serving the view catalogue:
// scalar views and their set actions, table views with their walk, hint, copy,
// Add, Edit and Delete dialogs, and the form's refresh and close handling.
// What a form sends is checked on the agent with a separate request.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <random>
#include <ranges>
#include <memory>
#include <string>
#include <vector>

#include "bind/CtrlBtnPanel.h"
#include "bind/EditsPanel.h"
#include "bind/NvEditConstraint.h"
#include "bind/GUIConfigForm.h"
#include "bind/ListViewPanel.h"
#include "bind/MsgPanel.h"
#include "bind/NvSNMPRequest2Edits.h"
#include "bind/SNMPEditorPanel.h"
#include "bind/SNMPListViewPanel.h"
#include "catalogue/NvViewCatalogue.h"
#include "snmp/NvEventWait.h"
#include "snmp/NvOptionList.h"
#include "snmp/NvSNMPError.h"
#include "snmp/NvSNMPSession.h"
#include "tests/common/AgentFaults.h"
#include "tests/common/AgentSession.h"
#include "tests/common/MessageBoxCloser.h"
#include "tests/common/SimulatorProcess.h"

namespace {

// System Log Host Table: index, address, facility, severity, UDP port, state, row status.
const std::string kHost = "1.3.6.1.4.1.497.12.12.2.1.";
constexpr int kHostStatusRow = 6;
const std::string kNetworkTime = "1.3.6.1.4.1.497.12.10.11.";
const std::string kDelayControl = "1.3.6.1.4.1.497.999.1.1.0";

// The program's wait, with a limit so that a fault fails the test instead of hanging it.
bool waitAtMost5s(const std::function<bool()>& done)
{
    return waitUntil(done, 5000);
}

// Runs action once on the next modal window (message box or dialog) that opens.
void whenModal(std::function<void(QWidget*)> action, QWidget* besides = nullptr)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action, besides] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == besides)
            return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
}

void pressInBox(QWidget* modal, QMessageBox::StandardButton which, std::string* text, std::string* caption)
{
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    if (text)
        *text = box->text().toStdString();
    if (caption)
        *caption = box->windowTitle().toStdString();
    box->button(which)->click();
}

class ConfigFormAgent : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        sim = new SimulatorProcess();
        const auto dump = sim->run({std::string(NV_BIN_DIR) + "/catalogue-dump"});
        if (dump.exitCode != 0)
            startError = "catalogue-dump: " + dump.err;
        else if (!sim->start({"--catalogue", sim->writeFile("catalogue.tsv", dump.out), "--quiet", "--set-log",
                              sim->dir() + "/sets.log"}))
            startError = sim->log();
        counterDir = new QTemporaryDir();
        startSnmpSession(counterDir->path().toStdString());
    }
    static void TearDownTestSuite()
    {
        delete sim;
        sim = nullptr;
        delete counterDir;
        counterDir = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(startError.empty()) << startError;
        pointSessionAt(sim->port(), 500);
    }
    void TearDown() override
    {
        form.reset();
        sim->set({kDelayControl, "i", "0"});
        for (const char* added : {"7", "9"})  // rows the tests create
            sim->set({kHost + "7." + added, "i", "6"});
    }

    // Opens a view as the menu does and waits for its first read.
    void open(const char* opener, bool table = false, int statusRow = -1)
    {
        const NvViewTable* view = NvViewCatalogue::byOpener(opener);
        ASSERT_NE(view, nullptr) << opener;
        form = std::make_unique<TConfigForm>(nullptr);
        auto binding = std::make_unique<NvSNMPRequest2Edits>(form.get());
        binding->request.varList.assign(NvSNMPVarList(view->table, view->listKind, view->indexCount));
        if (table) {
            tablePanel = form->showTable(std::move(binding), statusRow, statusRow < 0 ? "" : "createAndGo",
                                         statusRow, statusRow < 0 ? "" : "destroy");
            panel = tablePanel;
        } else {
            panel = form->showEditor(std::move(binding));
        }
        form->setWindowTitle(QString::fromLatin1(opener) + ":127.0.0.1");
        form->show();
        ASSERT_TRUE(waitAtMost5s([&] { return !memoText().empty() && !form->bindings().front()->busy; }));
        ASSERT_NE(memoText().find("Get: (NvSNMP++) Ok!"), std::string::npos) << memoText();
    }

    NvSNMPRequest2Edits& binding() { return *form->bindings().front(); }
    TEditsPanel& rows() { return *panel->editsPanel; }
    TCtrlBtnPanel& strip() { return *panel->buttons; }
    QTreeWidget& list() { return *tablePanel->listPanel->listView; }
    // The committed sets, one line each ("OID=VALUE ...").
    static std::vector<std::string> setLines()
    {
        std::vector<std::string> lines;
        std::ifstream in(sim->dir() + "/sets.log");
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
    QLineEdit* edit(int row) { return qobject_cast<QLineEdit*>(rows().rows[row].control.data()); }
    QComboBox* combo(int row) { return qobject_cast<QComboBox*>(rows().rows[row].control.data()); }
    std::string memoText() { return panel->messages()->memo->toPlainText().toStdString(); }
    std::string lastStatus()
    {
        const QStringList lines = panel->messages()->memo->toPlainText().split('\n');
        return lines.last().toStdString();
    }
    // The value of one object on the agent (empty when it has none).
    static std::string agentValue(const std::string& oid)
    {
        const auto result = sim->get({oid}, {"-Oqv"});
        std::string value = result.out;
        while (!value.empty() && (value.back() == '\n' || value.back() == ' '))
            value.pop_back();
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.find("No Such") != std::string::npos)
            return {};
        return value;
    }
    std::vector<std::string> lineTexts(int column)
    {
        std::vector<std::string> texts;
        for (int i = 0; i < list().topLevelItemCount(); ++i)
            texts.push_back(list().topLevelItem(i)->text(column).toStdString());
        return texts;
    }
    std::vector<std::string> comboItems(int row)
    {
        std::vector<std::string> items;
        for (int i = 0; i < combo(row)->count(); ++i)
            items.push_back(combo(row)->itemText(i).toStdString());
        return items;
    }
    void clickLine(int line)
    {
        const QRect rect = list().visualItemRect(list().topLevelItem(line));
        QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, rect.center());
    }
    // Runs a strip action whose modal dialog is handled by inDialog.
    void inDialog(QPushButton* button, std::function<void(QWidget*)> handle)
    {
        bool handled = false;
        whenModal([&](QWidget* dialog) {
            handle(dialog);
            handled = true;
        });
        button->click();
        EXPECT_TRUE(handled);
    }

    static SimulatorProcess* sim;
    static QTemporaryDir* counterDir;
    static std::string startError;
    std::unique_ptr<TConfigForm> form;
    TSNMPEditorPanel* panel = nullptr;
    TSNMPListViewPanel* tablePanel = nullptr;
};
SimulatorProcess* ConfigFormAgent::sim = nullptr;
QTemporaryDir* ConfigFormAgent::counterDir = nullptr;
std::string ConfigFormAgent::startError;

}  // namespace

TEST_F(ConfigFormAgent, ScalarViewsShowTheButtonsTheirRowsAllow)
{
    struct Case {
        const char* opener;
        bool setShown;
        const char* setCaption;
        bool setEnabled;
        bool checkActionsShown;
        int visibleRowChecks;
    };
    const Case cases[] = {
        {.opener = "Network Time", .setShown = true, .setCaption = "Set Checked", .setEnabled = false,
         .checkActionsShown = true, .visibleRowChecks = 4},
        {.opener = "Bridge 802.1d Information", .setShown = true, .setCaption = "Set", .setEnabled = true,
         .checkActionsShown = false, .visibleRowChecks = 0},
        {.opener = "Device Information", .setShown = false, .setCaption = "Set Checked", .setEnabled = false,
         .checkActionsShown = false, .visibleRowChecks = 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.opener);
        open(c.opener);
        EXPECT_EQ(form->formType(), TConfigForm::EditorForm);
        EXPECT_EQ(form->activeBinding(), &binding());
        EXPECT_FALSE(strip().RefreshBtn->isHidden());
        EXPECT_FALSE(strip().CloseBtn->isHidden());
        for (QWidget* hidden : {static_cast<QWidget*>(strip().countText), static_cast<QWidget*>(strip().EditBtn),
                                static_cast<QWidget*>(strip().AddBtn), static_cast<QWidget*>(strip().DeleteBtn)})
            EXPECT_TRUE(hidden->isHidden());
        EXPECT_EQ(!strip().SetCheckedBtn->isHidden(), c.setShown);
        if (c.setShown) {
            EXPECT_EQ(strip().SetCheckedBtn->text().toStdString(), c.setCaption);
            EXPECT_EQ(strip().SetCheckedBtn->isEnabled(), c.setEnabled);
        }
        EXPECT_EQ(!strip().CheckAllBtn->isHidden(), c.checkActionsShown);
        EXPECT_EQ(!strip().ClearChecksBtn->isHidden(), c.checkActionsShown);
        int visibleChecks = 0;
        for (int k = 0; k < rows().rowCount(); ++k)
            visibleChecks += rows().rows[k].checkBox->isHidden() ? 0 : 1;
        EXPECT_EQ(visibleChecks, c.visibleRowChecks);
        // Read-only rows look read-only and are left out of the tab order.
        for (int k = 0; k < rows().rowCount(); ++k)
            if (QLineEdit* e = edit(k); e && !binding().request.varList.isWritable(k)) {
                EXPECT_TRUE(e->isReadOnly());
                EXPECT_EQ(e->focusPolicy(), Qt::NoFocus);
            }
        form->close();
        EXPECT_TRUE(form->bindings().empty());
    }
}

TEST_F(ConfigFormAgent, SetCheckedSendsOnlyTheCheckedRows)
{
    ASSERT_EQ(sim->set({kNetworkTime + "3.0", "s", "alpha", kNetworkTime + "4.0", "s", "beta"}).exitCode, 0);
    open("Network Time");
    EXPECT_EQ(edit(2)->text(), "alpha");
    EXPECT_EQ(combo(0)->currentText(), "disabled");
    EXPECT_FALSE(strip().SetCheckedBtn->isEnabled());
    rows().rows[2].checkBox->click();
    EXPECT_TRUE(strip().SetCheckedBtn->isEnabled());
    edit(2)->setText("gamma");
    edit(3)->setText("delta");  // changed, but not checked
    strip().SetCheckedBtn->click();
    EXPECT_EQ(lastStatus().rfind("Set: (NvSNMP++) Ok!", 0), 0u) << memoText();
    EXPECT_EQ(agentValue(kNetworkTime + "3.0"), "gamma");
    EXPECT_EQ(agentValue(kNetworkTime + "4.0"), "beta");
    EXPECT_TRUE(binding().asynchronous);
    for (int k = 0; k < binding().request.varList.count(); ++k)
        EXPECT_FALSE(binding().request.varList.row(k).access & AccessExcluded) << k;

    // Check All and Clear Checks drive the set button.
    strip().CheckAllBtn->click();
    EXPECT_EQ(rows().checkedCount(), 4);
    EXPECT_TRUE(strip().SetCheckedBtn->isEnabled());
    strip().ClearChecksBtn->click();
    EXPECT_EQ(rows().checkedCount(), 0);
    EXPECT_FALSE(strip().SetCheckedBtn->isEnabled());
}

TEST_F(ConfigFormAgent, ACheckedEmptyRowBlocksTheSetAnUncheckedOneDoesNot)
{
    ASSERT_EQ(sim->set({kNetworkTime + "3.0", "s", "one", kNetworkTime + "4.0", "s", "two"}).exitCode, 0);
    open("Network Time");
    rows().rows[2].checkBox->click();
    rows().rows[3].checkBox->click();
    edit(2)->setText("three");
    edit(3)->clear();
    std::string text, caption;
    whenModal([&](QWidget* box) { pressInBox(box, QMessageBox::Ok, &text, &caption); });
    strip().SetCheckedBtn->click();
    EXPECT_EQ(text, "Some items are empty!");
    EXPECT_EQ(caption, "Warning");
    EXPECT_EQ(agentValue(kNetworkTime + "3.0"), "one");  // nothing was sent
    for (int k = 0; k < binding().request.varList.count(); ++k)
        EXPECT_FALSE(binding().request.varList.row(k).access & AccessExcluded) << k;
    EXPECT_TRUE(form->isVisible());

    rows().rows[3].checkBox->click();  // the empty row no longer takes part
    strip().SetCheckedBtn->click();
    EXPECT_EQ(agentValue(kNetworkTime + "3.0"), "three");
    EXPECT_EQ(agentValue(kNetworkTime + "4.0"), "two");
}

TEST_F(ConfigFormAgent, ASingleWritableRowIsSetWithoutCheckBoxes)
{
    open("Bridge 802.1d Information");
    edit(2)->setText("420");
    strip().SetCheckedBtn->click();
    EXPECT_EQ(lastStatus().rfind("Set: (NvSNMP++) Ok!", 0), 0u) << memoText();
    EXPECT_EQ(agentValue("1.3.6.1.2.1.17.4.2.0"), "420");
}

TEST_F(ConfigFormAgent, TableViewWalksCountsHintsAndCopies)
{
    open("System Log Host Table", true, kHostStatusRow);
    EXPECT_EQ(form->formType(), TConfigForm::TableForm);
    ASSERT_EQ(list().topLevelItemCount(), 3);
    EXPECT_EQ(strip().countText->text(), "3");
    EXPECT_EQ(lineTexts(0), (std::vector<std::string>{"1", "2", "3"}));
    for (QWidget* shown : {static_cast<QWidget*>(strip().countText), static_cast<QWidget*>(strip().countLabel),
                           static_cast<QWidget*>(strip().RefreshBtn), static_cast<QWidget*>(strip().EditBtn),
                           static_cast<QWidget*>(strip().AddBtn), static_cast<QWidget*>(strip().DeleteBtn),
                           static_cast<QWidget*>(strip().CloseBtn)})
        EXPECT_FALSE(shown->isHidden()) << shown->objectName().toStdString();
    EXPECT_TRUE(strip().SetCheckedBtn->isHidden());
    EXPECT_TRUE(strip().CheckAllBtn->isHidden());
    EXPECT_FALSE(strip().EditBtn->isEnabled());
    EXPECT_FALSE(strip().DeleteBtn->isEnabled());

    // The hint of a line: a table of header and cell, one row per column.
    const QPoint onLine = list().visualItemRect(list().topLevelItem(1)).center();
    const QString hint = tablePanel->listPanel->hintAt(onLine);
    QTextDocument shown;
    shown.setHtml(hint);
    const QList<QTextFrame*> frames = shown.rootFrame()->childFrames();
    ASSERT_EQ(frames.size(), 1);
    const auto* table = qobject_cast<QTextTable*>(frames.front());
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rows(), 7);
    ASSERT_EQ(table->columns(), 2);
    const auto cellText = [&](int row, int column) {
        const QTextTableCell cell = table->cellAt(row, column);
        QTextCursor cursor = cell.firstCursorPosition();
        cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
        return cursor.selectedText().trimmed();
    };
    EXPECT_EQ(cellText(0, 0), "Index");
    EXPECT_EQ(cellText(0, 1), "2");
    EXPECT_EQ(cellText(6, 0), "Row Status");
    EXPECT_EQ(cellText(6, 1), "active");

    // Columns are as wide as their longest value: nothing is clipped.
    const QFontMetrics metrics(list().font());
    for (int col = 0; col < list().columnCount(); ++col)
        for (int line = 0; line < list().topLevelItemCount(); ++line)
            if (list().columnWidth(col) > 0) {
                EXPECT_GT(list().columnWidth(col), metrics.horizontalAdvance(list().topLevelItem(line)->text(col)))
                    << col << " " << line;
            }
    // A column the user has resized keeps its width when the list is read again.
    list().header()->resizeSection(1, 37);
    strip().RefreshBtn->click();
    ASSERT_TRUE(waitAtMost5s([&] { return !binding().busy; }));
    EXPECT_EQ(list().columnWidth(1), 37);
    QTest::mouseMove(list().viewport(), onLine);
    EXPECT_EQ(list().viewport()->toolTip(), hint);
    const QPoint empty(5, list().viewport()->height() - 5);
    QTest::mouseMove(list().viewport(), empty);
    EXPECT_TRUE(list().viewport()->toolTip().isEmpty());

    // Selecting a line enables Edit and Delete and loads the rows; a click on
    // empty space removes the selection again and clears them.
    clickLine(1);
    EXPECT_TRUE(strip().EditBtn->isEnabled());
    EXPECT_TRUE(strip().DeleteBtn->isEnabled());
    EXPECT_EQ(edit(1)->text(), "10.90.90.12");
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, empty);
    EXPECT_TRUE(list().selectedItems().isEmpty());
    EXPECT_FALSE(strip().EditBtn->isEnabled());
    EXPECT_FALSE(strip().DeleteBtn->isEnabled());
    EXPECT_TRUE(edit(1)->text().isEmpty());

    // Ctrl+C: every line without a selection, the selected one with it; headers first.
    const QString header = "Index\tIP Address\tFacility\tSeverity\tUDP Port\tState\tRow Status\n";
    list().setFocus();
    QTest::keyClick(&list(), Qt::Key_C, Qt::ControlModifier);
    const QStringList all = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(all.size(), 4);
    EXPECT_EQ(all[0] + '\n', header);
    EXPECT_TRUE(all[3].startsWith("3\t10.90.90.13\t")) << all[3].toStdString();
    clickLine(2);
    QTest::keyClick(&list(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), header + all[3] + '\n');
}

TEST_F(ConfigFormAgent, AddSendsTheIndexAndTheCreationValue)
{
    open("System Log Host Table", true, kHostStatusRow);
    clickLine(0);
    inDialog(strip().AddBtn, [&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "System Log Host Table:127.0.0.1 (Add)");
        EXPECT_TRUE(list().selectedItems().isEmpty());
        EXPECT_FALSE(strip().EditBtn->isEnabled());
        // The index row is always sent, the status row always creates.
        EXPECT_TRUE(rows().rows[0].checkBox->isChecked());
        EXPECT_FALSE(rows().rows[0].checkBox->isEnabled());
        EXPECT_FALSE(edit(0)->isReadOnly());
        EXPECT_EQ(combo(kHostStatusRow)->currentText(), "createAndGo");
        EXPECT_FALSE(combo(kHostStatusRow)->isEnabled());
        EXPECT_TRUE(rows().rows[kHostStatusRow].checkBox->isChecked());
        EXPECT_TRUE(edit(1)->text().isEmpty());
        auto* set = dialog->findChild<QPushButton*>("Set Checked");
        ASSERT_NE(set, nullptr);
        EXPECT_EQ(dialog->findChild<QPushButton*>("Refresh")->isHidden(), true);
        edit(0)->setText("7");
        edit(1)->setText("10.0.7.7");
        rows().rows[1].checkBox->click();
        // Facility and the other combo boxes stay unchecked and without a selection.
        set->click();
    });
    ASSERT_TRUE(waitAtMost5s([&] { return !binding().busy; }));
    EXPECT_EQ(agentValue(kHost + "7.7"), "1");  // active
    EXPECT_EQ(agentValue(kHost + "2.7"), "10.0.7.7");
    EXPECT_EQ(lineTexts(0), (std::vector<std::string>{"1", "2", "3", "7"}));
    EXPECT_EQ(strip().countText->text(), "4");
    EXPECT_TRUE(rows().isHidden());
    EXPECT_EQ(rows().parentWidget(), panel->clientArea);
    EXPECT_EQ(binding().constraints().ownerForm(), form.get());
}

TEST_F(ConfigFormAgent, DeleteSendsOnlyTheIndexAndTheDeletionValue)
{
    ASSERT_EQ(sim->set({kHost + "7.9", "i", "4", kHost + "2.9", "a", "10.0.9.9"}).exitCode, 0);
    open("System Log Host Table", true, kHostStatusRow);
    ASSERT_EQ(lineTexts(0), (std::vector<std::string>{"1", "2", "3", "9"}));
    const auto accessBefore = [&] {
        std::vector<int> a;
        for (int k = 0; k < binding().request.varList.count(); ++k)
            a.push_back(binding().request.varList.row(k).access);
        return a;
    }();

    clickLine(3);
    std::string text, caption;
    whenModal([&](QWidget* box) { pressInBox(box, QMessageBox::No, &text, &caption); });
    strip().DeleteBtn->click();
    EXPECT_EQ(text, "Are you sure to delete ?\nIndex: 9");  // names the row
    EXPECT_EQ(caption, "Delete");
    EXPECT_EQ(agentValue(kHost + "7.9"), "1");

    // The deletion addresses the selected line's row, however the rows were
    // excluded around it.
    whenModal([&](QWidget* box) { pressInBox(box, QMessageBox::Yes, nullptr, nullptr); });
    strip().DeleteBtn->click();
    EXPECT_EQ(agentValue(kHost + "7.9"), "");
    EXPECT_EQ(lineTexts(0), (std::vector<std::string>{"1", "2", "3"}));  // read again at once
    EXPECT_EQ(lineTexts(1), (std::vector<std::string>{"10.90.90.11", "10.90.90.12", "10.90.90.13"}));
    std::vector<int> accessAfter;
    for (int k = 0; k < binding().request.varList.count(); ++k)
        accessAfter.push_back(binding().request.varList.row(k).access);
    EXPECT_EQ(accessAfter, accessBefore);
    EXPECT_TRUE(binding().asynchronous);
}

TEST_F(ConfigFormAgent, EditTakesTheStatusValuesOutAndPutsThemBack)
{
    // The catalogue's status column offers active, createAndGo and destroy; a
    // column that offers only the two is hidden while editing.
    static const NvOptionPair kTwo[] = {{4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
    static const NvOptionList kTwoList(kTwo);
    struct Case {
        const char* name;
        const NvOptionList* statusOptions;  // null: the catalogue's
        std::vector<std::string> itemsWhileEditing;
    };
    const Case cases[] = {
        {.name = "three values", .statusOptions = nullptr, .itemsWhileEditing = {"active"}},
        {.name = "two values", .statusOptions = &kTwoList, .itemsWhileEditing = {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<NvSNMPVarDescriptor> table;
        for (const NvSNMPVarDescriptor* d = NvViewCatalogue::byOpener("System Log Host Table")->table; d->oid; ++d)
            table.push_back(*d);
        if (c.statusOptions)
            table[kHostStatusRow].options = c.statusOptions;
        table.push_back(NvSNMPVarDescriptor{});
        form = std::make_unique<TConfigForm>(nullptr);
        auto owned = std::make_unique<NvSNMPRequest2Edits>(form.get());
        owned->request.varList.assign(NvSNMPVarList(table.data(), NvSNMPVarList::Table, 1));
        tablePanel = form->showTable(std::move(owned), kHostStatusRow, "createAndGo", kHostStatusRow, "destroy");
        panel = tablePanel;
        form->setWindowTitle("System Log Host Table:127.0.0.1");
        form->show();
        ASSERT_TRUE(waitAtMost5s([&] { return list().topLevelItemCount() == 3 && !binding().busy; }));
        const std::vector<std::string> itemsBefore = comboItems(kHostStatusRow);

        clickLine(0);
        inDialog(strip().EditBtn, [&](QWidget* dialog) {
            EXPECT_EQ(dialog->windowTitle(), "System Log Host Table:127.0.0.1");
            EXPECT_EQ(comboItems(kHostStatusRow), c.itemsWhileEditing);
            EXPECT_EQ(rows().isRowHidden(kHostStatusRow), c.itemsWhileEditing.empty());
            EXPECT_EQ(edit(1)->width(), 200);
            EXPECT_EQ(edit(1)->text(), "10.90.90.11");
            EXPECT_TRUE(edit(0)->isReadOnly());  // the index cannot change
            auto* set = dialog->findChild<QPushButton*>("Set Checked");
            EXPECT_FALSE(set->isEnabled());
            rows().rows[4].checkBox->click();
            EXPECT_TRUE(set->isEnabled());
            edit(4)->setText("1514");
            set->click();
        });
        ASSERT_TRUE(waitAtMost5s([&] { return !binding().busy; }));
        EXPECT_EQ(comboItems(kHostStatusRow), itemsBefore);
        EXPECT_FALSE(rows().isRowHidden(kHostStatusRow));
        EXPECT_EQ(agentValue(kHost + "5.1"), "1514");
        EXPECT_EQ(agentValue(kHost + "5.2"), "514");  // the other rows keep the syslog port
        EXPECT_EQ(agentValue(kHost + "7.1"), "1");
        ASSERT_TRUE(sim->set({kHost + "5.1", "i", "514"}).exitCode == 0);
        form.reset();
    }
}

TEST_F(ConfigFormAgent, RefreshDuringAWalkIsIgnoredTheCountGrowsAndClosingWaits)
{
    walkMaxRepetitions = 0;  // one get-next per line, so that lines arrive one by one
    open("System Log Host Table", true, kHostStatusRow);
    ASSERT_EQ(sim->set({kDelayControl, "i", "150"}).exitCode, 0);
    int walks = 0;
    binding().onGetDone = [&](NvSNMPRequest2Controls&, const NvSNMPError&) { ++walks; };
    strip().RefreshBtn->click();
    strip().RefreshBtn->click();
    ASSERT_TRUE(binding().busy);
    // The count follows the lines while the walk runs.
    ASSERT_TRUE(waitAtMost5s([&] { return list().topLevelItemCount() == 1; }));
    EXPECT_TRUE(binding().busy);
    EXPECT_EQ(strip().countText->text(), "1");
    ASSERT_TRUE(waitAtMost5s([&] { return !binding().busy; }));
    EXPECT_EQ(walks, 1);
    EXPECT_EQ(list().topLevelItemCount(), 3);

    // Closing during a walk waits for its outstanding reply, then ends the bindings.
    strip().RefreshBtn->click();
    ASSERT_TRUE(waitAtMost5s([&] { return list().topLevelItemCount() == 1; }));
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->bindings().empty());
    EXPECT_EQ(form->activeBinding(), nullptr);
    EXPECT_LT(list().topLevelItemCount(), 3);  // the walk ended at its next answer
}

TEST_F(ConfigFormAgent, AFailedReadIsWrittenToTheMessageArea)
{
    ASSERT_EQ(sim->set({"1.3.6.1.4.1.497.999.1.3.0", "o", kNetworkTime + "3", "1.3.6.1.4.1.497.999.1.4.0", "i", "5"})
                  .exitCode,
              0);
    const NvViewTable* view = NvViewCatalogue::byOpener("Network Time");
    form = std::make_unique<TConfigForm>(nullptr);
    auto owned = std::make_unique<NvSNMPRequest2Edits>(form.get());
    owned->request.varList.assign(NvSNMPVarList(view->table, view->listKind, view->indexCount));
    panel = form->showEditor(std::move(owned));
    form->show();
    const bool answered = waitUntil([&] { return !memoText().empty() && !binding().busy; });
    sim->set({"1.3.6.1.4.1.497.999.1.3.0", "o", "0.0", "1.3.6.1.4.1.497.999.1.4.0", "i", "0"});
    ASSERT_TRUE(answered);
    EXPECT_EQ(memoText().rfind("Get: ", 0), 0u);
    EXPECT_EQ(memoText().find("Ok!"), std::string::npos) << memoText();
    EXPECT_TRUE(form->isVisible());
}

TEST_F(ConfigFormAgent, TypedValuesAreWrittenExactlyOrRefusedWithTheFieldNamed)
{
    constexpr int kPollRow = 4;
    const std::string poll = kNetworkTime + "5.0";
    struct Case {
        const char* typed;
        const char* written;  // on the agent afterwards; null: refused, nothing sent
        const char* because;
    };
    const Case cases[] = {
        {.typed = "45", .written = "45"},
        {.typed = "abc", .because = "Poll Interval[30..99999]: \"abc\" is not a whole number"},
        {.typed = "12abc", .because = "Poll Interval[30..99999]: \"12abc\" is not a whole number"},
        {.typed = "12", .because = "Poll Interval[30..99999]: 12 is outside 30 to 99999"},  // the label's range
        {.typed = "30", .written = "30"},
        {.typed = "99999", .written = "99999"},
        {.typed = "100000", .because = "100000 is outside 30 to 99999"},
        {.typed = "4294967326", .because = "4294967326 is outside"},  // no wrap to 30
        {.typed = " 0060 ", .written = "60"},
    };
    open("Network Time");
    rows().rows[kPollRow].checkBox->click();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::string before = agentValue(poll);
        const size_t setsBefore = setLines().size();
        edit(kPollRow)->setText(c.typed);
        strip().SetCheckedBtn->click();
        ASSERT_TRUE(waitAtMost5s([&] { return !binding().busy; }));
        if (c.written) {
            EXPECT_EQ(lastStatus().rfind("Set: (NvSNMP++) Ok!", 0), 0u) << memoText();
            EXPECT_EQ(agentValue(poll), c.written);
            continue;
        }
        EXPECT_EQ(lastStatus().rfind("Set: ", 0), 0u) << lastStatus();
        EXPECT_NE(lastStatus().find(c.because), std::string::npos) << lastStatus();
        EXPECT_EQ(setLines().size(), setsBefore);
        EXPECT_EQ(agentValue(poll), before);
        EXPECT_EQ(edit(kPollRow)->text().toStdString(), c.typed);  // what was typed stays
    }
}

TEST_F(ConfigFormAgent, ARefusedAddKeepsTheDialogAndWhatWasTyped)
{
    open("System Log Host Table", true, kHostStatusRow);
    const size_t setsBefore = setLines().size();
    struct Case {
        const char* index;
        const char* port;
        const char* because;
    };
    const Case refused[] = {
        {.index = "abc", .port = "514", .because = "Index: \"abc\" is not a whole number"},
        {.index = "7", .port = "xyz", .because = "UDP Port: \"xyz\" is not a whole number"},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(c.because);
        bool stillOpen = false;
        inDialog(strip().AddBtn, [&](QWidget* dialog) {
            edit(0)->setText(c.index);
            edit(1)->setText("10.0.7.7");
            edit(4)->setText(c.port);
            rows().rows[1].checkBox->click();
            rows().rows[4].checkBox->click();
            dialog->findChild<QPushButton*>("Set Checked")->click();
            stillOpen = dialog->isVisible();
            EXPECT_EQ(edit(0)->text().toStdString(), c.index);
            EXPECT_EQ(edit(4)->text().toStdString(), c.port);
            dialog->close();
        });
        EXPECT_TRUE(stillOpen);
        EXPECT_NE(memoText().find("Set: " + std::string(c.because)), std::string::npos) << memoText();
    }
    EXPECT_EQ(setLines().size(), setsBefore);
    EXPECT_EQ(agentValue(kHost + "7.7"), "");  // no row was created
}

TEST_F(ConfigFormAgent, EditAndDeleteFollowTheSelectionFromTheKeyboard)
{
    open("System Log Host Table", true, kHostStatusRow);
    clickLine(1);
    ASSERT_TRUE(strip().DeleteBtn->isEnabled());
    // Ctrl+Space takes the selection away: Delete must not remove the row the
    // edits still show.
    list().setFocus();
    QTest::keyClick(&list(), Qt::Key_Space, Qt::ControlModifier);
    ASSERT_TRUE(list().selectedItems().isEmpty());
    EXPECT_FALSE(strip().EditBtn->isEnabled());
    EXPECT_FALSE(strip().DeleteBtn->isEnabled());
    const size_t setsBefore = setLines().size();
    MessageBoxCloser yes(QMessageBox::Yes);
    tablePanel->deleteRow();  // as a click that slipped past the disabled button
    EXPECT_TRUE(yes.texts.isEmpty());
    EXPECT_EQ(setLines().size(), setsBefore);
    EXPECT_EQ(agentValue(kHost + "7.2"), "1");

    // A refresh takes the selection away as well.
    clickLine(0);
    strip().RefreshBtn->click();
    ASSERT_TRUE(waitAtMost5s([&] { return !binding().busy; }));
    EXPECT_FALSE(strip().DeleteBtn->isEnabled());
}

// Random text typed into every writable edit of every scalar view: each attempt
// is refused with a field named, or the agent receives exactly the typed value.
TEST_F(ConfigFormAgent, RandomTextIsRefusedOrWrittenExactly)
{
    const char* pieces[] = {"0", "1", "7", "42", "255", "256", "65535", "4294967296", "-", "+", " ", ".", "a", "F",
                            ":", "x", "1.2.3.4", "00-1A-2B-3C-4D-5E", "abc", "9999999999999999999999"};
    std::mt19937 random(20261210);
    auto someText = [&] {
        std::string text;
        const int count = 1 + static_cast<int>(random() % 3);
        for (int i = 0; i < count; ++i)
            text += pieces[random() % std::size(pieces)];
        return text;
    };
    // What the agent must hold for accepted text, read independently of the program.
    auto expected = [](const std::string& typed, NvSyntax syntax) -> std::string {
        std::string t = typed;
        while (!t.empty() && t.front() == ' ')
            t.erase(0, 1);
        while (!t.empty() && t.back() == ' ')
            t.pop_back();
        switch (syntax) {
        case SyntaxInteger: case SyntaxCounter: case SyntaxGauge: case SyntaxUInteger:
            return std::to_string(std::stoll(t));
        case SyntaxIpAddress: {
            int a, b, c, d;
            std::sscanf(t.c_str(), "%d.%d.%d.%d", &a, &b, &c, &d);
            return std::to_string(a) + "." + std::to_string(b) + "." + std::to_string(c) + "." + std::to_string(d);
        }
        case SyntaxDisplayString: {
            std::string hex = "0x";
            for (unsigned char ch : typed) {
                char buf[3];
                std::snprintf(buf, sizeof buf, "%02X", ch);
                hex += buf;
            }
            return typed.empty() ? "\"\"" : hex;
        }
        default:
            return {};
        }
    };
    int attempts = 0, written = 0;
    for (const NvViewTable& view : std::ranges::subrange(NvViewCatalogue::begin(), NvViewCatalogue::end())) {
        if (view.listKind != NvSNMPVarList::ScalarGroup)
            continue;
        // The generic views only: openers other than the main window and the editor forms.
        std::string opener;
        for (const QString& name : QString::fromLatin1(view.opener).split(QStringLiteral("; ")))
            if (name != QStringLiteral("main window") && !(name.startsWith('T') && name.endsWith(QStringLiteral("Form"))))
                opener = name.toStdString();
        if (opener.empty())
            continue;
        SCOPED_TRACE(opener);
        open(opener.c_str());
        if (HasFatalFailure())
            return;
        const NvSNMPVarList& list = binding().request.varList;
        for (int k = 0; k < rows().rowCount(); ++k) {
            QLineEdit* field = edit(k);
            if (!field || !field->isEnabled() || field->isReadOnly() || !list.isWritable(k) || list.row(k).options)
                continue;
            const NvSNMPVarRow& row = list.row(k);
            for (int n = 0; n < 6; ++n) {
                const std::string typed = someText();
                SCOPED_TRACE(row.label + " <- \"" + typed + "\"");
                if (QCheckBox* box = rows().rows[k].checkBox; box && box->isVisible()) {
                    strip().ClearChecksBtn->click();
                    box->click();
                }
                const size_t setsBefore = setLines().size();
                field->setText(QString::fromStdString(typed));
                MessageBoxCloser ok;  // "Some items are empty!"
                strip().SetCheckedBtn->click();
                ASSERT_TRUE(waitAtMost5s([&] { return !binding().busy; }));
                ++attempts;
                const std::vector<std::string> sets = setLines();
                if (sets.size() == setsBefore) {
                    // Refused: by a field named in the status, by the agent, or as empty.
                    EXPECT_TRUE(!ok.texts.isEmpty() || lastStatus().find(": ") != std::string::npos) << lastStatus();
                    EXPECT_EQ(lastStatus().find("Ok!"), std::string::npos) << lastStatus();
                    continue;
                }
                ++written;
                const std::string want = expected(typed, row.syntax);
                if (want.empty())
                    continue;
                EXPECT_NE(sets.back().find(row.oid + ".0=" + want), std::string::npos) << sets.back();
            }
        }
    }
    EXPECT_GT(attempts, 0);
    EXPECT_GT(written, 0);
}

namespace {

// Faults of an agent met by an open view: a table view walking, adding and
// deleting, and a scalar view setting.
const FaultTarget kHostTableFaults = {"1.3.6.1.4.1.497.12", "1.3.6.1.4.1.497.12.12.2.1.2"};

class OpenViewFaults : public ::testing::TestWithParam<AgentFault> {
protected:
    void SetUp() override
    {
        counterDir = std::make_unique<QTemporaryDir>();
        startSnmpSession(counterDir->path().toStdString());
        SimulatorProcess& sim = agent.process();
        const auto dump = sim.run({std::string(NV_BIN_DIR) + "/catalogue-dump"});
        ASSERT_EQ(dump.exitCode, 0) << dump.err;
        ASSERT_TRUE(agent.start(GetParam(), kHostTableFaults, {"--catalogue", sim.writeFile("catalogue.tsv", dump.out)}))
            << sim.log();
    }

    // Opens a view; its first read ends (with whatever the agent did) within the limit.
    TSNMPEditorPanel* open(const char* opener, int statusRow = -1)
    {
        const NvViewTable* view = NvViewCatalogue::byOpener(opener);
        form = std::make_unique<TConfigForm>(nullptr);
        auto binding = std::make_unique<NvSNMPRequest2Edits>(form.get());
        binding->request.varList.assign(NvSNMPVarList(view->table, view->listKind, view->indexCount));
        TSNMPEditorPanel* panel = statusRow < 0
                                      ? form->showEditor(std::move(binding))
                                      : form->showTable(std::move(binding), statusRow, "createAndGo", statusRow, "destroy");
        form->show();
        EXPECT_TRUE(waitUntil([&] { return !form->bindings().front()->busy; }, 15000)) << "the read never ended";
        return panel;
    }
    std::string memo(TSNMPEditorPanel* panel) { return panel->messages()->memo->toPlainText().toStdString(); }
    // Every "Ok!" of a Set on the status area stands for a set the agent committed.
    void expectNoSetReportedWithoutAWrite(const std::string& memoText, size_t setsBefore)
    {
        EXPECT_LE(static_cast<size_t>(setsReportedOk(QString::fromStdString(memoText))),
                  agent.committedSets() - setsBefore)
            << memoText;
    }

    FaultyAgent agent;
    std::unique_ptr<QTemporaryDir> counterDir;
    std::unique_ptr<TConfigForm> form;
};

}  // namespace

TEST_P(OpenViewFaults, ATableViewWalksAddsAndDeletesAndStillCloses)
{
    const AgentFault& fault = GetParam();
    TSNMPEditorPanel* panel = open("System Log Host Table", kHostStatusRow);
    auto* table = static_cast<TSNMPListViewPanel*>(panel);
    QTreeWidget* list = table->listPanel->listView;
    EXPECT_LE(list->topLevelItemCount(), 100);  // a walk that repeats or goes back ends
    const size_t setsBefore = agent.committedSets();

    // Add: the dialog's Set, then the dialog is closed whatever happened.
    whenModal([&](QWidget* dialog) {
        auto* rows = panel->editsPanel;
        qobject_cast<QLineEdit*>(rows->rows[0].control.data())->setText("8");
        qobject_cast<QLineEdit*>(rows->rows[1].control.data())->setText("10.0.8.8");
        rows->rows[1].checkBox->click();
        dialog->findChild<QPushButton*>("Set Checked")->click();
        waitUntil([&] { return !form->bindings().front()->busy; }, 15000);
        if (dialog->isVisible())
            dialog->close();
    });
    panel->buttons->AddBtn->click();
    EXPECT_TRUE(waitUntil([&] { return !form->bindings().front()->busy; }, 15000));

    // Delete the first line, when there is one.
    if (list->topLevelItemCount() > 0) {
        list->setCurrentItem(list->topLevelItem(0));
        MessageBoxCloser yes(QMessageBox::Yes);
        table->deleteRow();
        EXPECT_TRUE(waitUntil([&] { return !form->bindings().front()->busy; }, 15000));
    }
    EXPECT_LE(list->topLevelItemCount(), 100);

    const std::string text = memo(panel);
    EXPECT_FALSE(text.empty());
    if (*fault.status) {
        EXPECT_NE(text.find(fault.status), std::string::npos) << text;
    }
    expectNoSetReportedWithoutAWrite(text, setsBefore);
    form->close();
    form.reset();  // closes without waiting for ever
}

TEST_P(OpenViewFaults, AScalarViewSetsAndStillCloses)
{
    const AgentFault& fault = GetParam();
    TSNMPEditorPanel* panel = open("Network Time");
    const size_t setsBefore = agent.committedSets();
    constexpr int kPollRow = 4;
    panel->editsPanel->rows[kPollRow].checkBox->click();
    qobject_cast<QLineEdit*>(panel->editsPanel->rows[kPollRow].control.data())->setText("60");
    panel->buttons->SetCheckedBtn->click();
    EXPECT_TRUE(waitUntil([&] { return !form->bindings().front()->busy; }, 15000));
    const std::string text = memo(panel);
    EXPECT_FALSE(text.empty());
    if (*fault.status && !fault.walksOnly) {
        EXPECT_NE(text.find(fault.status), std::string::npos) << text;
    }
    expectNoSetReportedWithoutAWrite(text, setsBefore);
    form.reset();
}

INSTANTIATE_TEST_SUITE_P(AgentFaults, OpenViewFaults, ::testing::ValuesIn(agentFaults()),
                         [](const ::testing::TestParamInfo<AgentFault>& info) { return std::string(info.param.name); });
