// The editor binding against hv720-sim on 127.0.0.1: scalar groups read into
// controls and written back, table walks into a list view, selection, and the
// failure paths of the status line and the message box.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>
#include <memory>
#include <string>
#include <vector>

#include "snmp/NvEventWait.h"
#include "snmp/NvMessageCatalogue.h"
#include "snmp/NvOptionList.h"
#include "bind/NvSNMPRequest2Edits.h"
#include "snmp/NvSNMPSession.h"
#include "snmp/NvValueText.h"
#include "tests/common/SimulatorProcess.h"
#include "tests/common/SimulatorSuite.h"

namespace {

const NvOptionPair kRmon[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const NvOptionList kRmonList(kRmon);
const NvOptionPair kLearning[] = {{1, "independent"}, {2, "shared"}, {0, nullptr}};
const NvOptionList kLearningList(kLearning);

const NvSNMPVarDescriptor kScalars[] = {
    {"1.3.6.1.2.1.1.4", "Contact", SyntaxDisplayString, AccessReadable},
    {"1.3.6.1.2.1.1.5", "Name", SyntaxDisplayString, AccessReadable | AccessWritable},
    {"1.3.6.1.4.1.497.11.59.7.2.1.2.3", "RMON", SyntaxInteger, AccessReadable | AccessWritable, &kRmonList},
    {"1.3.6.1.2.1.17.7.1.1.5", "Learning", SyntaxInteger, AccessReadable | AccessWritable, &kLearningList},
    {nullptr},
};

// Static VLANs: the untagged ports as a hidden column, then the listed ones.
const NvSNMPVarDescriptor kVlans[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "Name", SyntaxDisplayString, AccessReadable | AccessWritable},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", SyntaxBits, AccessReadable | AccessWritable},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", SyntaxBits, AccessReadable | AccessHidden},
    {nullptr},
};
enum { VlanIndex, VlanName, VlanEgress, VlanUntagged };

std::string compact(std::string text)
{
    text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\n'; }), text.end());
    return text;
}

class EditsAgent : public SimulatorSuite {
protected:
    void SetUp() override
    {
        SimulatorSuite::SetUp();
        form = std::make_unique<QWidget>();
    }
    void TearDown() override { NvSNMPRequest2Controls::close(binding); }

    void makeBinding(const NvSNMPVarDescriptor* table, NvSNMPVarList::Kind kind, int indexCount)
    {
        binding = std::make_unique<NvSNMPRequest2Edits>(form.get());
        binding->request.varList.assign(NvSNMPVarList(table, kind, indexCount));
    }
    void waitIdle() { waitUntilIdle(binding->busy); }
    static std::string agentValue(const std::string& oid) { return compact(sim->get({oid}).out); }

    std::unique_ptr<QWidget> form;
    std::unique_ptr<NvSNMPRequest2Edits> binding;
};

TEST_F(EditsAgent, ScalarGroupReadAndWrittenBackInBothModes)
{
    for (bool asynchronous : {true, false}) {
        SCOPED_TRACE(asynchronous ? "asynchronous" : "synchronous");
        makeBinding(kScalars, NvSNMPVarList::ScalarGroup, 0);
        binding->asynchronous = asynchronous;
        QLabel contact(form.get());
        QLineEdit name(form.get());
        QCheckBox rmon(form.get());
        QComboBox learning(form.get());
        binding->bindControl(0, &contact);
        binding->bindEdit(1, "%s{l32}", &name);
        binding->bindControl(2, &rmon);
        binding->bindComboBox(3, &learning);
        int getDone = 0, setDone = 0;
        binding->onGetDone = [&](NvSNMPRequest2Controls&, const NvSNMPError&) { ++getDone; };
        binding->onSetDone = [&](NvSNMPRequest2Controls&, const NvSNMPError&) { ++setDone; };

        ASSERT_EQ(sim->set({"1.3.6.1.4.1.497.11.59.7.2.1.2.3.0", "i", "3", "1.3.6.1.2.1.17.7.1.1.5.0", "i", "2"}).exitCode, 0);
        binding->get();
        waitIdle();
        EXPECT_EQ(contact.text(), "admin");
        EXPECT_FALSE(name.text().isEmpty());
        EXPECT_TRUE(rmon.isChecked());
        EXPECT_EQ(learning.currentText(), "shared");
        EXPECT_EQ(binding->rowCount, 1);
        // Without a status target a successful get calls no callback.
        EXPECT_EQ(getDone, 0);

        const std::string newName = asynchronous ? "core-a" : "core-s";
        name.setText(QString::fromStdString(newName));
        rmon.setChecked(false);
        learning.setCurrentIndex(0);
        binding->set(true, true);
        waitIdle();
        EXPECT_EQ(setDone, asynchronous ? 1 : 0);
        EXPECT_NE(agentValue("1.3.6.1.2.1.1.5.0").find("\"" + newName + "\""), std::string::npos);
        EXPECT_NE(agentValue("1.3.6.1.4.1.497.11.59.7.2.1.2.3.0").find("INTEGER:2"), std::string::npos);
        EXPECT_NE(agentValue("1.3.6.1.2.1.17.7.1.1.5.0").find("INTEGER:1"), std::string::npos);
        NvSNMPRequest2Controls::close(binding);
    }
}

// A value the device holds that is none of the choices leaves the list with
// nothing chosen: a set then names the row and writes nothing.
TEST_F(EditsAgent, AListWithNothingChosenIsRefusedByName)
{
    static const NvSNMPVarDescriptor kLearningOnly[] = {
        {"1.3.6.1.2.1.17.7.1.1.5", "Learning", SyntaxInteger, AccessReadable | AccessWritable, &kLearningList},
        {nullptr},
    };
    ASSERT_EQ(sim->set({"1.3.6.1.2.1.17.7.1.1.5.0", "i", "2"}).exitCode, 0);
    makeBinding(kLearningOnly, NvSNMPVarList::ScalarGroup, 0);
    binding->asynchronous = false;
    QPlainTextEdit memo(form.get());
    binding->setStatusTarget(&memo);
    QComboBox learning(form.get());
    binding->bindComboBox(0, &learning);
    binding->get();
    learning.setCurrentIndex(-1);
    std::string reported;
    try {
        binding->set(true, true);
    } catch (const NvSNMPException& x) {
        reported = x.what();
    }
    reported += memo.toPlainText().toStdString();
    EXPECT_NE(reported.find("Learning: nothing is chosen"), std::string::npos) << reported;
    EXPECT_NE(agentValue("1.3.6.1.2.1.17.7.1.1.5.0").find("INTEGER:2"), std::string::npos);
}

TEST_F(EditsAgent, TableWalkIntoAListViewAndSelectedLineToControls)
{
    for (NvSNMPVarList::Kind kind : {NvSNMPVarList::Table, NvSNMPVarList::EditableTable}) {
        SCOPED_TRACE(static_cast<int>(kind));
        ASSERT_EQ(sim->set({"1.3.6.1.2.1.17.7.1.4.3.1.1.10", "s", "VLAN10"}).exitCode, 0);
        makeBinding(kVlans, kind, 1);
        QTreeWidget list(form.get());
        QLineEdit name(form.get());
        std::vector<QCheckBox*> boxes;
        std::string bits;
        for (int b = 0; b < 768; ++b) {
            boxes.push_back(new QCheckBox(form.get()));
            bits += (b ? "," : "") + std::to_string(b);
        }
        std::vector<bool> savedCalls;
        binding->savedSelectHandler = [&](QTreeWidget*, QTreeWidgetItem*, bool selected) {
            savedCalls.push_back(selected);
        };
        binding->attachListView(&list, true);
        binding->bindEdit(VlanName, "%s{l32}", &name);
        binding->bindCheckBoxes(VlanEgress, bits, boxes);
        ASSERT_EQ(list.columnCount(), 4);
        EXPECT_EQ(list.columnWidth(0), 0);
        EXPECT_EQ(list.headerItem()->text(0), "Untagged Ports");
        EXPECT_EQ(list.headerItem()->text(1), "VLAN");
        EXPECT_GT(list.columnWidth(1), 0);

        for (int round = 0; round < 2; ++round) {  // a second get keeps the columns
            binding->get();
            waitIdle();
            ASSERT_EQ(list.topLevelItemCount(), 3);
            EXPECT_EQ(list.columnCount(), 4);
        }
        EXPECT_EQ(binding->rowCount, 3);
        EXPECT_EQ(list.topLevelItem(1)->text(1), "10");
        EXPECT_EQ(list.topLevelItem(1)->text(2), "VLAN10");
        EXPECT_EQ(name.isEnabled(), kind == NvSNMPVarList::EditableTable);
        EXPECT_EQ(boxes[5]->isEnabled(), kind == NvSNMPVarList::EditableTable);

        list.setCurrentItem(list.topLevelItem(1));
        EXPECT_TRUE(name.isEnabled());
        EXPECT_EQ(name.text(), "VLAN10");
        std::string egress = binding->request.varList.row(VlanEgress).value;
        EXPECT_EQ(egress, list.topLevelItem(1)->text(3).toStdString());
        for (int b : {0, 9, 100, 767})
            EXPECT_EQ(boxes[static_cast<size_t>(b)]->isChecked(), testBit(hexToOctets(egress), b)) << b;

        // Deselecting calls the saved handler and leaves the controls alone.
        list.clearSelection();
        EXPECT_EQ(savedCalls, (std::vector<bool>{true, false}));
        EXPECT_EQ(name.text(), "VLAN10");

        list.setCurrentItem(list.topLevelItem(1));
        list.topLevelItem(1)->setSelected(true);
        const std::string newName = kind == NvSNMPVarList::Table ? "ten" : "dix";
        name.setText(QString::fromStdString(newName));
        for (QCheckBox* box : boxes)
            box->setChecked(false);
        boxes[0]->setChecked(true);
        boxes[9]->setChecked(true);
        binding->set(true, true);
        waitIdle();  // the set re-reads the table
        EXPECT_EQ(list.topLevelItem(1)->text(2).toStdString(), newName);
        EXPECT_NE(agentValue("1.3.6.1.2.1.17.7.1.4.3.1.1.10").find("\"" + newName + "\""), std::string::npos);
        const std::string written = agentValue("1.3.6.1.2.1.17.7.1.4.3.1.2.10");
        EXPECT_NE(written.find("Hex-STRING:8040000000"), std::string::npos) << written;
        NvSNMPRequest2Controls::close(binding);
        qDeleteAll(boxes);
    }
}

TEST_F(EditsAgent, TimeOutOnTheStatusLine)
{
    const auto saved = NvSNMPRequest2Controls::clock;
    NvSNMPRequest2Controls::clock = [] { return QTime(10, 15, 3); };
    ASSERT_EQ(sim->set({"1.3.6.1.4.1.497.999.1.1.0", "i", "1500"}).exitCode, 0);
    requestTimeout = 20;
    makeBinding(kScalars, NvSNMPVarList::ScalarGroup, 0);
    binding->request.varList.name = " System";
    QPlainTextEdit memo(form.get());
    binding->setStatusTarget(&memo);
    std::vector<int> codes;
    binding->onGetDone = [&](NvSNMPRequest2Controls&, const NvSNMPError& reply) { codes.push_back(reply.code); };
    binding->get();
    waitIdle();
    ASSERT_EQ(codes.size(), 1u);
    EXPECT_NE(codes[0], 0);
    EXPECT_EQ(memo.toPlainText().toStdString(),
              "Get: " + textOfCode(codes[0]) + " Request: System. Receive at 10:15:03 AM.");

    // A blocking get raises the same failure to the caller.
    binding->asynchronous = false;
    try {
        binding->get();
        ADD_FAILURE() << "no error";
    } catch (const NvSNMPException& x) {
        EXPECT_EQ(x.code(), codes[0]);
    }
    EXPECT_FALSE(binding->busy);
    ASSERT_EQ(sim->set({"1.3.6.1.4.1.497.999.1.1.0", "i", "0"}).exitCode, 0);
    NvSNMPRequest2Controls::clock = saved;
}

// The box of a failure without status target opens from a reply; while it is
// open, other bindings' replies (LED polls, here a second read) still arrive.
TEST_F(EditsAgent, FailureWithoutStatusTargetOpensAMessageBox)
{
    makeBinding(kScalars, NvSNMPVarList::ScalarGroup, 0);
    QLineEdit name(form.get());
    binding->bindEdit(1, "%s", &name);
    name.setText(QString(300, 'x'));  // longer than the agent accepts
    // Only the name is sent: unbound rows have no value to write.
    binding->request.varList.row(2).access |= AccessExcluded;
    binding->request.varList.row(3).access |= AccessExcluded;
    auto other = std::make_unique<NvSNMPRequest2Edits>(form.get());
    other->request.varList.assign(NvSNMPVarList(kScalars, NvSNMPVarList::ScalarGroup, 0));
    QPlainTextEdit memo(form.get());
    other->setStatusTarget(&memo);
    QString caption, text;
    bool otherDone = false;
    bool boxClosed = false;
    std::function<void()> closeBox = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, closeBox);
            return;
        }
        caption = box->windowTitle();
        text = box->text();
        other->get();
        waitUntil([&] { return !other->busy; }, 5000);
        otherDone = !other->busy;
        box->accept();
        boxClosed = true;
    };
    QTimer::singleShot(0, closeBox);
    std::vector<int> codes;
    binding->onSetDone = [&](NvSNMPRequest2Controls&, const NvSNMPError& reply) { codes.push_back(reply.code); };
    binding->set(false, true);
    waitIdle();
    waitUntil([&] { return boxClosed; }, 10000);
    EXPECT_TRUE(otherDone) << "a reply waited for the box";
    ASSERT_EQ(codes.size(), 1u);
    EXPECT_NE(codes[0], 0);
    EXPECT_EQ(text.toStdString(), textOfCode(codes[0]));
    EXPECT_EQ(caption, QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    EXPECT_EQ(binding->lastOperation, NvSNMPRequest2Controls::SetOperation);
    NvSNMPRequest2Controls::close(other);
}

TEST_F(EditsAgent, ClearingAliveEndsAWalkAfterTheReplyInFlight)
{
    makeBinding(kVlans, NvSNMPVarList::Table, 1);
    QTreeWidget list(form.get());
    binding->attachListView(&list, true);
    QPlainTextEdit memo(form.get());
    binding->setStatusTarget(&memo);
    int done = 0;
    binding->onGetDone = [&](NvSNMPRequest2Controls& b, const NvSNMPError&) {
        ++done;
        EXPECT_FALSE(b.busy);
    };
    binding->get();
    binding->request.alive = false;
    waitIdle();
    EXPECT_EQ(done, 1);
    EXPECT_EQ(list.topLevelItemCount(), 1);
    EXPECT_EQ(binding->rowCount, 1);
    // A dead request sends nothing more.
    binding->get();
    EXPECT_FALSE(binding->busy);
}

TEST_F(EditsAgent, AnOperationAskedWhileAWalkRunsWaitsForIt)
{
    makeBinding(kVlans, NvSNMPVarList::EditableTable, 1);
    QTreeWidget list(form.get());
    QLineEdit name(form.get());
    binding->attachListView(&list, true);
    binding->bindEdit(VlanName, "%s{l32}", &name);
    QPlainTextEdit memo(form.get());
    binding->setStatusTarget(&memo);
    binding->get();
    waitIdle();
    ASSERT_EQ(list.topLevelItemCount(), 3);
    list.setCurrentItem(list.topLevelItem(1));
    list.topLevelItem(1)->setSelected(true);
    ASSERT_EQ(list.topLevelItem(1)->text(1), "10");

    // A Set, then at once a Refresh, before any reply; then two Refreshes.
    name.setText("while-walking");
    binding->set(true, true);
    binding->get();
    waitIdle();
    EXPECT_NE(agentValue("1.3.6.1.2.1.17.7.1.4.3.1.1.10").find("\"while-walking\""), std::string::npos);
    binding->get();
    binding->get();
    waitIdle();
    ASSERT_EQ(list.topLevelItemCount(), 3);
    EXPECT_EQ(list.topLevelItem(1)->text(2), "while-walking");
    EXPECT_EQ(binding->rowCount, 3);
    for (const QString& line : memo.toPlainText().split('\n', Qt::SkipEmptyParts))
        EXPECT_TRUE(line.contains("Ok!")) << line.toStdString();
}

// Records the hooks in the order they run.
class HookRecorder : public NvSNMPRequest2Edits {
public:
    using NvSNMPRequest2Edits::NvSNMPRequest2Edits;
    std::vector<std::string> calls;

protected:
    void beforeGet() override { calls.push_back("beforeGet"); NvSNMPRequest2Edits::beforeGet(); }
    void beforeSet() override { calls.push_back("beforeSet"); }
    void rowReceived() override { calls.push_back("rowReceived"); NvSNMPRequest2Edits::rowReceived(); }
    void collectValues() override { calls.push_back("collectValues"); NvSNMPRequest2Edits::collectValues(); }
    void afterGet() override { calls.push_back("afterGet"); NvSNMPRequest2Edits::afterGet(); }
    void afterSet() override { calls.push_back("afterSet"); }
};

const NvSNMPVarDescriptor kSysName[] = {
    {"1.3.6.1.2.1.1.5", "Name", SyntaxDisplayString, AccessReadable | AccessWritable},
    {nullptr},
};

const NvSNMPVarDescriptor kAbsentTable[] = {
    {"1.3.6.1.4.1.497.999.2.1.1.1", "Index", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.497.999.2.1.1.2", "Name", SyntaxDisplayString, AccessReadable | AccessWritable},
    {nullptr},
};

TEST_F(EditsAgent, HookSequences)
{
    struct Case {
        const char* name;
        const NvSNMPVarDescriptor* table;
        NvSNMPVarList::Kind kind;
        bool asynchronous;
        bool isSet;
        std::vector<std::string> calls;
        int rows;
    } const cases[] = {
        {"empty walk, async", kAbsentTable, NvSNMPVarList::Table, true, false, {"beforeGet", "afterGet"}, 0},
        {"empty walk, sync", kAbsentTable, NvSNMPVarList::Table, false, false, {"beforeGet", "afterGet"}, 0},
        {"scalar get", kScalars, NvSNMPVarList::ScalarGroup, true, false, {"beforeGet", "rowReceived", "afterGet"}, 1},
        {"scalar set", kSysName, NvSNMPVarList::ScalarGroup, true, true, {"beforeSet", "collectValues", "afterSet"}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto recorder = std::make_unique<HookRecorder>(form.get());
        recorder->request.varList.assign(NvSNMPVarList(c.table, c.kind, c.kind >= NvSNMPVarList::Table ? 1 : 0));
        recorder->asynchronous = c.asynchronous;
        QPlainTextEdit memo(form.get());
        recorder->setStatusTarget(&memo);  // a failure shows here instead of in a modal box
        QLineEdit edit(form.get());
        if (c.table == kSysName) {
            recorder->bindEdit(0, "%s", &edit);
            edit.setText("hooks");
        }
        if (c.isSet)
            recorder->set(true, true);
        else
            recorder->get();
        waitUntilIdle(recorder->busy);
        EXPECT_EQ(recorder->calls, c.calls);
        EXPECT_EQ(recorder->rowCount, c.rows);
        EXPECT_NE(memo.toPlainText().indexOf("Ok!"), -1) << memo.toPlainText().toStdString();
        std::unique_ptr<HookRecorder> owned = std::move(recorder);
        NvSNMPRequest2Controls::close(owned);
        EXPECT_EQ(owned, nullptr);
    }
}

// Tells when it is destroyed and can close itself while its walk fills the list.
class ClosingBinding : public NvSNMPRequest2Edits {
public:
    using NvSNMPRequest2Edits::NvSNMPRequest2Edits;
    ~ClosingBinding() override { *destroyed = true; }
    bool* destroyed = nullptr;
    std::function<void()> onFirstRow;

protected:
    void rowReceived() override
    {
        if (onFirstRow)
            QTimer::singleShot(0, std::exchange(onFirstRow, nullptr));
        NvSNMPRequest2Edits::rowReceived();  // processes events: the close runs in there
    }
};

TEST_F(EditsAgent, ClosingFromInsideAReplyDoesNotHang)
{
    for (bool fromCallback : {true, false}) {
        SCOPED_TRACE(fromCallback ? "from onGetDone" : "while the walk fills the list");
        bool destroyed = false;
        auto owned = std::make_unique<ClosingBinding>(form.get());
        ClosingBinding* raw = owned.get();
        raw->destroyed = &destroyed;
        raw->request.varList.assign(NvSNMPVarList(kVlans, NvSNMPVarList::Table, 1));
        QTreeWidget list(form.get());
        raw->attachListView(&list, true);
        QPlainTextEdit memo(form.get());
        raw->setStatusTarget(&memo);
        bool closed = false;
        auto closeIt = [&] {
            NvSNMPRequest2Controls::close(owned);
            closed = true;
        };
        if (fromCallback)
            raw->onGetDone = [&](NvSNMPRequest2Controls&, const NvSNMPError&) { closeIt(); };
        else
            raw->onFirstRow = closeIt;
        raw->get();
        waitUntil([&] { return destroyed; });
        EXPECT_TRUE(closed);
        EXPECT_EQ(owned, nullptr);
        EXPECT_GE(list.topLevelItemCount(), 1);
    }
}

}  // namespace
