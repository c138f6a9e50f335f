// The sixteen access-profile and access-rule editors against hv720-sim on
// 127.0.0.1: an Add, an Edit and a Delete of every editor checked on the agent
// (which columns the write carried, and the row with a separate get), the
// refusals of one editor, and the cases that decide what a write sends.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "bind/NvSNMPRequest2Edits.h"
#include "editors/access/AccessEditorRecord.h"
#include "editors/access/TAccessEditorForm.h"
#include "editors/common/EditorRegistry.h"
#include "editors/common/PortGrid.h"
#include "platform/MainSettings.h"
#include "snmp/NvSNMPVarDescriptor.h"
#include "tests/common/MessageBoxCloser.h"
#include "tests/editors/EditorAgentTest.h"

namespace {

const AccessEditorRecord& editorNamed(const std::string& className)
{
    for (const auto list : {accessMaskEditors(), accessRuleEditors()}) {
        for (const AccessEditorRecord& spec : list) {
            if (className == spec.className)
                return spec;
        }
    }
    throw std::runtime_error("no editor " + className);
}

class AccessEditors : public EditorAgentTest {
protected:
    std::unique_ptr<TAccessEditorForm> open(const std::string& className)
    {
        return std::make_unique<TAccessEditorForm>(editorNamed(className), context, nullptr);
    }

    // The table columns the last set request wrote (with the instance it wrote
    // and the value of each column).
    static std::set<int> lastSetColumns(const AccessEditorRecord& spec, std::string* instance = nullptr,
                                        std::map<int, std::string>* values = nullptr)
    {
        const auto all = sets();
        const std::string base = columnBase(spec);
        std::set<int> result;
        for (const auto& [oid, value] : all.empty() ? std::map<std::string, std::string>() : all.back()) {
            if (oid.rfind(base, 0) != 0)
                continue;
            const std::string rest = oid.substr(base.size());
            const int column = std::stoi(rest.substr(0, rest.find('.')));
            result.insert(column);
            if (instance)
                *instance = rest.substr(rest.find('.') + 1);
            if (values)
                (*values)[column] = value;
        }
        return result;
    }
    // The agent's value of a column of a row, with a separate get.
    static std::string rowValue(const AccessEditorRecord& spec, int column, const std::string& instance)
    {
        return agentValue(columnBase(spec) + std::to_string(column) + "." + instance);
    }
    // The table's column identifiers without the column number: "...1.1.".
    static std::string columnBase(const AccessEditorRecord& spec)
    {
        const std::string first = spec.table[0].oid;
        return first.substr(0, first.rfind('.') + 1);
    }

    static void select(TAccessEditorForm& form, const QString& id, const QString& accessId = {})
    {
        for (int i = 0; i < form.ListView1->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = form.ListView1->topLevelItem(i);
            if (item->text(0) == id && (accessId.isEmpty() || item->text(1) == accessId)) {
                form.ListView1->setCurrentItem(item);
                item->setSelected(true);
                return;
            }
        }
        FAIL() << "no row " << id.toStdString() << " " << accessId.toStdString();
    }
    static void setText(TAccessEditorForm& form, int column, const char* text)
    {
        QWidget* control = form.control(column);
        if (auto* combo = qobject_cast<QComboBox*>(control))
            combo->setCurrentIndex(combo->findText(QString::fromLatin1(text)));
        else if (auto* edit = qobject_cast<QLineEdit*>(control))
            edit->setText(QString::fromLatin1(text));
        else
            ADD_FAILURE() << "no control for column " << column;
    }
    static void check(TAccessEditorForm& form, int column, bool on = true)
    {
        ASSERT_NE(form.columnCheck(column), nullptr) << column;
        form.columnCheck(column)->setChecked(on);
    }
    static QPushButton* button(TAccessEditorForm& form, const char* name)
    {
        return form.findChild<QPushButton*>(QString::fromLatin1(name));
    }

};

std::set<int> range(int first, int last)
{
    std::set<int> result;
    for (int column = first; column <= last; ++column)
        result.insert(column);
    return result;
}

std::set<int> join(std::set<int> a, const std::set<int>& b)
{
    a.insert(b.begin(), b.end());
    return a;
}

// ---------------------------------------------------------------------------

// One editor's round: Add a row, Edit it, Delete it, each checked on the agent.
struct RoundCase {
    const char* editor;
    const char* id;
    const char* accessId;  // rule editors
    std::function<void(TAccessEditorForm&)> prepareAdd;
    std::set<int> addColumns;
    std::function<void(TAccessEditorForm&)> prepareEdit;
    std::set<int> editColumns;
};

void noChange(TAccessEditorForm&) {}

void checkAll(TAccessEditorForm& form)
{
    form.setAllColumnChecks(true);
}

const std::vector<RoundCase>& roundCases()
{
    static const std::vector<RoundCase> cases = {
        // masks: Add with the default items (plus what the checks ask for), Edit one change
        {"TEthernetMaskInformationForm", "7", nullptr,
         [](TAccessEditorForm& f) { f.findChild<QComboBox*>("RowStatusComBo")->setCurrentText("createAndGo"); },
         {2, 3, 6, 7, 8},
         [](TAccessEditorForm& f) {
             f.findChild<QComboBox*>("MacMaskStateComBo")->setCurrentText("dst-mac-addr");
             f.findChild<QLineEdit*>("MacMaskDstEdit")->setText("FFFFFF000000");
         },
         {2, 3, 5, 6, 7, 8}},
        {"TCPUEthernetMaskInformationForm", "4", nullptr,
         [](TAccessEditorForm& f) { f.findChild<QComboBox*>("RowStatusComBo")->setCurrentText("createAndGo"); },
         {2, 3, 6, 7, 8}, noChange, {2, 3, 6, 7, 8}},
        {"TIPMaskInformationForm", "7", nullptr, noChange, {2, 3, 6, 7, 18},
         [](TAccessEditorForm& f) {
             f.findChild<QComboBox*>("UseProTypeComBo")->setCurrentText("tcp");
             f.findChild<QComboBox*>("TCPOptionComBo")->setCurrentText("dst-addr");
             f.findChild<QLineEdit*>("TCPUDPDstPortMaskEdit")->setText("FFFF");
         },
         {2, 3, 6, 7, 10, 13, 14, 18}},
        {"TCPUIPMaskInformationForm", "7", nullptr, noChange, {2, 3, 6, 7, 18}, noChange, {2, 3, 6, 7, 18}},
        {"TUserMaskInfoForm", "7", nullptr,
         [](TAccessEditorForm& f) { f.findChild<QLineEdit*>("Edit5")->setText("FFFF0000000000000000000000000000"); },
         {2, 7}, noChange, range(2, 7)},
        {"TCPUUserMaskInfoForm", "7", nullptr, noChange, {7}, noChange, range(2, 7)},
        {"TIPv6MaskInformationForm", "7", nullptr,
         [](TAccessEditorForm& f) {
             f.findChild<QComboBox*>("cbxClass")->setCurrentText("enable");
             f.findChild<QComboBox*>("cbxIPv6MaskState")->setCurrentText("src-ipv6-addr");
             f.findChild<QLineEdit*>("edtIPv6SrcMask")->setText("FFFFFFFFFFFFFFFF0000000000000000");
             f.findChild<QComboBox*>("cbxRowStatus")->setCurrentText("createAndGo");
         },
         {2, 4, 5, 7},
         [](TAccessEditorForm& f) { f.findChild<QComboBox*>("cbxRowStatus")->setCurrentText("active"); },
         {2, 3, 4, 5}},
        {"TCPUIPv6MaskInformationForm", "7", nullptr,
         [](TAccessEditorForm& f) { f.findChild<QComboBox*>("cbxRowStatus")->setCurrentText("createAndGo"); },
         {7},
         // the new row's state is dst-ipv6-addr
         [](TAccessEditorForm& f) { f.findChild<QComboBox*>("cbxRowStatus")->setCurrentText("active"); },
         {2, 3, 4, 6}},
        // rules: Add with one port (forwarding) or nothing checked, Edit with every box checked
        {"TEthernetInformationRuleForm", "3", "7",
         [](TAccessEditorForm& f) { f.portGrid()->box(1)->setChecked(true); }, {14, 15}, checkAll,
         range(3, 15)},
        {"TCPUEthernetInformationRuleForm", "3", "7", noChange, {9}, checkAll, range(3, 9)},
        // the new row's protocol is tcp (read-only column 7); its permit is deny
        {"TIPRuleForm", "9", "7", [](TAccessEditorForm& f) { f.portGrid()->box(4)->setChecked(true); },
         {21, 22}, checkAll, join(range(3, 6), {10, 11, 12, 20, 21, 22})},
        // icmp keeps type and code
        {"TCPUIPRuleForm", "9", "7", noChange, {16}, checkAll, join(range(3, 6), {8, 9, 15, 16})},
        // at most four offsets: the fifth stays unchecked
        {"TUserDefinedInformationRuleForm", "9", "7", noChange, {15},
         [](TAccessEditorForm& f) {
             f.setAllColumnChecks(true);
             f.columnCheck(7)->setChecked(false);
         },
         join(range(3, 6), range(8, 15))},
        {"TCPUUserDefinedInformationRuleForm", "9", "7", noChange, {9}, checkAll, range(3, 9)},
        // the new row's permit is deny: the priority boxes stay clear
        {"TIPv6RuleForm", "7", "7", noChange, {12}, checkAll, join(range(3, 6), {10, 11, 12})},
        {"TCPUIPv6RuleForm", "7", "7", noChange, {8}, checkAll, range(3, 8)},
    };
    return cases;
}

class AccessEditorRound : public AccessEditors, public ::testing::WithParamInterface<size_t> {};

TEST_P(AccessEditorRound, AddEditDeleteCheckedOnTheAgent)
{
    const RoundCase& c = roundCases()[GetParam()];
    SCOPED_TRACE(c.editor);
    const AccessEditorRecord& spec = editorNamed(c.editor);
    const std::string instance = c.accessId ? std::string(c.id) + "." + c.accessId : c.id;
    const int rowStatus = [&] { int n = 0; while (spec.table[n].oid) ++n; return n; }();
    MessageBoxCloser boxes;
    auto form = open(c.editor);
    ASSERT_GT(form->ListView1->topLevelItemCount(), 0) << form->statusText().toStdString();
    const int rowsBefore = form->ListView1->topLevelItemCount();

    // Add
    setText(*form, 1, c.id);
    if (c.accessId)
        setText(*form, 2, c.accessId);
    c.prepareAdd(*form);
    button(*form, spec.buttons.add)->click();
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join(" ").toStdString();
    std::string written;
    EXPECT_EQ(lastSetColumns(spec, &written), c.addColumns);
    EXPECT_EQ(written, instance);
    EXPECT_EQ(rowValue(spec, rowStatus, instance), "1");  // the row is there, active
    EXPECT_EQ(form->ListView1->topLevelItemCount(), rowsBefore + 1);
    EXPECT_TRUE(form->ListView1->selectedItems().isEmpty());
    if (form->StaticText1) {
        EXPECT_EQ(form->StaticText1->text(), QString::number(rowsBefore + 1));
    }

    // Edit
    select(*form, c.id, c.accessId ? c.accessId : "");
    EXPECT_TRUE(button(*form, spec.buttons.modify)->isEnabled());
    EXPECT_FALSE(button(*form, spec.buttons.add)->isEnabled());
    EXPECT_FALSE(form->control(1)->isEnabled());
    c.prepareEdit(*form);
    button(*form, spec.buttons.modify)->click();
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join(" ").toStdString();
    EXPECT_EQ(lastSetColumns(spec), c.editColumns) << form->statusText().toStdString();
    EXPECT_FALSE(button(*form, spec.buttons.modify)->isEnabled());

    // Delete: only the Row Status, "destroy"
    select(*form, c.id, c.accessId ? c.accessId : "");
    button(*form, spec.buttons.remove)->click();
    EXPECT_EQ(lastSetColumns(spec), std::set<int>{rowStatus});
    EXPECT_NE(rowValue(spec, rowStatus, instance).find("No Such Instance"), std::string::npos);
    EXPECT_EQ(form->ListView1->topLevelItemCount(), rowsBefore);
}

INSTANTIATE_TEST_SUITE_P(Sixteen, AccessEditorRound, ::testing::Range<size_t>(0, 16),
                         [](const ::testing::TestParamInfo<size_t>& info) {
                             return std::string(roundCases()[info.param].editor);
                         });

} // namespace

namespace {

// ---------------------------------------------------------------------------
// Refusals: every check of the IPv6 rule editor, each sending nothing and
// leaving the column selection as it was.

struct RefusalCase {
    const char* what;
    std::function<void(TAccessEditorForm&)> prepare;
    const char* message;
    const char* focus;  // control that gets the focus
};

void ids(TAccessEditorForm& f, const char* id, const char* accessId)
{
    f.findChild<QLineEdit*>("edtIPv6ProfileID")->setText(id);
    f.findChild<QLineEdit*>("edtIPv6AccessID")->setText(accessId);
}

void checkEmpty(TAccessEditorForm& f, const char* box)
{
    ids(f, "8", "9");
    f.findChild<QCheckBox*>(box)->setChecked(true);
}

TEST_F(AccessEditors, EveryRefusalOfTheIpv6RuleEditorSendsNothing)
{
    const std::vector<RefusalCase> cases = {
        {"no rule id", [](TAccessEditorForm& f) { ids(f, "", "9"); }, "IPv6 Rule ID must be set.", "edtIPv6ProfileID"},
        {"no access id", [](TAccessEditorForm& f) { ids(f, "8", ""); }, "IPv6 Rule Access ID must be set.",
         "edtIPv6AccessID"},
        {"duplicate", [](TAccessEditorForm& f) { ids(f, "6", "1"); },
         "Has already a record with the same IPv6 Rule ID and Access ID. Please change eithor of them.",
         "edtIPv6ProfileID"},
        {"class", [](TAccessEditorForm& f) { checkEmpty(f, "ckClass"); }, "Class should not be null.", "edtClass"},
        {"flow label", [](TAccessEditorForm& f) { checkEmpty(f, "ckFlowLabel"); }, "Flow Label should not be null.",
         "edtFlowLabel"},
        {"source", [](TAccessEditorForm& f) { checkEmpty(f, "ckIPv6SrcAdd"); },
         "IPv6 Source Address should not be null.", "edtIPv6SrcAddr"},
        {"destination", [](TAccessEditorForm& f) { checkEmpty(f, "ckIPv6DstAdd"); },
         "IPv6 Destination Address should not be null.", "edtIPv6DstAddr"},
        {"enable priority", [](TAccessEditorForm& f) { checkEmpty(f, "ckEnablePriority"); },
         "Enable Priority should be chosed.", "cbxEnablePriority"},
        {"priority", [](TAccessEditorForm& f) { checkEmpty(f, "ckPriority"); }, "Priority should not be null.",
         "edtPriority"},
        {"replace priority", [](TAccessEditorForm& f) { checkEmpty(f, "ckReplacePriority"); },
         "Replace Priority should be chosed.", "cbxReplacePriority"},
        {"permit", [](TAccessEditorForm& f) { checkEmpty(f, "ckPermit"); }, "Permit should be chosed.", "cbxPermit"},
        {"row status",
         [](TAccessEditorForm& f) {
             checkEmpty(f, "ckRowStatus");
             f.findChild<QComboBox*>("cbxRowStatus")->setCurrentText("active");
         },
         "Row State must choose createAndGo.", "cbxRowStatus"},
    };
    const AccessEditorRecord& spec = editorNamed("TIPv6RuleForm");
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.what);
        auto form = open("TIPv6RuleForm");
        std::vector<int32_t> flags;
        for (int row = 0; spec.table[row].oid; ++row)
            flags.push_back(form->binding().request.varList.row(row).access);
        c.prepare(*form);
        const size_t setsBefore = sets().size();
        MessageBoxCloser boxes;
        button(*form, spec.buttons.add)->click();
        ASSERT_EQ(boxes.texts.size(), 1);
        EXPECT_EQ(boxes.texts[0].toStdString(), c.message);
        EXPECT_EQ(form->focusWidget(), form->findChild<QWidget*>(c.focus));
        EXPECT_EQ(sets().size(), setsBefore);
        for (int row = 0; spec.table[row].oid; ++row)
            EXPECT_EQ(form->binding().request.varList.row(row).access, flags[static_cast<size_t>(row)]) << row;
    }
}

// ---------------------------------------------------------------------------
// The cases that decide what a write sends.

TEST_F(AccessEditors, EthernetMaskAddSendsTheMasksOfItsState)
{
    const AccessEditorRecord& spec = editorNamed("TEthernetMaskInformationForm");
    struct {
        const char* state;
        const char* source;
        const char* destination;
        std::set<int> columns;
    } cases[] = {
        {"dst-mac-addr", "FFFFFFFFFFFF", "", {2, 3, 6, 7, 8}},  // an empty destination mask is not sent
        {"dst-mac-addr", "", "FFFFFF000000", {2, 3, 5, 6, 7, 8}},
        {"src-mac-addr", "", "FFFFFF000000", {2, 3, 6, 7, 8}},
        {"dst-src-mac-addr", "FFFFFFFFFFFF", "FFFFFF000000", {2, 3, 4, 5, 6, 7, 8}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.state) + " / " + c.source + " / " + c.destination);
        auto form = open(spec.className);
        setText(*form, 1, "9");
        setText(*form, 3, c.state);
        setText(*form, 4, c.source);
        setText(*form, 5, c.destination);
        setText(*form, 8, "createAndGo");
        form->runOperation(AccessOperation::Add);
        EXPECT_EQ(lastSetColumns(spec), c.columns) << form->statusText().toStdString();
        select(*form, "9");
        form->runOperation(AccessOperation::Delete);
        EXPECT_EQ(lastSetColumns(spec), std::set<int>{8}) << form->statusText().toStdString();
    }
}

TEST_F(AccessEditors, Ipv4MaskAddSendsTheColumnsOfItsProtocol)
{
    const AccessEditorRecord& spec = editorNamed("TIPMaskInformationForm");
    struct {
        const char* protocol;
        const char* icmp;
        const char* tcp;
        const char* flagBit;
        std::set<int> columns;
    } cases[] = {
        {"tcp", "none", "src-addr", "disable", {2, 3, 4, 5, 6, 7, 10, 12, 14, 18}},
        {"tcp", "none", "src-addr", "enable", {2, 3, 4, 5, 6, 7, 10, 12, 14, 15, 18}},
        {"icmp", "none", "other", "disable", {2, 3, 4, 5, 6, 7, 18}},
        {"icmp", "type", "other", "disable", {2, 3, 4, 5, 6, 7, 8, 18}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.protocol) + " / " + c.icmp + " / " + c.tcp + " / " + c.flagBit);
        auto form = open(spec.className);
        setText(*form, 1, "9");
        setText(*form, 3, "dst-src-ip-addr");
        setText(*form, 4, "255.255.255.0");
        setText(*form, 5, "255.255.0.0");
        setText(*form, 7, c.protocol);
        setText(*form, 8, c.icmp);
        setText(*form, 10, c.tcp);
        setText(*form, 11, "other");
        setText(*form, 12, "FFFF");
        setText(*form, 13, "FF00");
        setText(*form, 14, c.flagBit);
        setText(*form, 15, "63");
        setText(*form, 17, "FF");
        form->runOperation(AccessOperation::Add);
        EXPECT_EQ(lastSetColumns(spec), c.columns) << form->statusText().toStdString();
        select(*form, "9");
        form->runOperation(AccessOperation::Delete);
    }
}

TEST_F(AccessEditors, UserMaskAddWithEveryPieceEmptySendsOnlyTheRowStatus)
{
    const AccessEditorRecord& spec = editorNamed("TUserMaskInfoForm");
    auto form = open(spec.className);
    setText(*form, 1, "9");
    form->runOperation(AccessOperation::Add);
    std::map<int, std::string> values;
    EXPECT_EQ(lastSetColumns(spec, nullptr, &values), std::set<int>{7});
    EXPECT_EQ(values[7], "4");  // createAndGo
    select(*form, "9");
    form->runOperation(AccessOperation::Delete);
}

TEST_F(AccessEditors, Ipv6MaskSetRunsAsAddOrDeleteByTheRowStatus)
{
    const AccessEditorRecord& spec = editorNamed("TIPv6MaskInformationForm");
    auto form = open(spec.className);
    setText(*form, 1, "8");
    setText(*form, 7, "createAndGo");
    form->runOperation(AccessOperation::Add);
    ASSERT_EQ(lastSetColumns(spec), std::set<int>{7});

    // createAndGo: exactly Add, so the selected row's id is a duplicate
    select(*form, "8");
    setText(*form, 7, "createAndGo");
    const size_t setsBefore = sets().size();
    {
        MessageBoxCloser boxes;
        form->runOperation(AccessOperation::Modify);
        ASSERT_EQ(boxes.texts.size(), 1);
        EXPECT_EQ(boxes.texts[0].toStdString(), "There is already a record with the same IPv6 Mask ID. Please modify it.");
    }
    EXPECT_EQ(sets().size(), setsBefore);

    // destroy: exactly Delete
    select(*form, "8");
    setText(*form, 7, "destroy");
    form->runOperation(AccessOperation::Modify);
    std::map<int, std::string> values;
    EXPECT_EQ(lastSetColumns(spec, nullptr, &values), std::set<int>{7});
    EXPECT_EQ(values[7], "6");
    EXPECT_NE(rowValue(spec, 7, "8").find("No Such Instance"), std::string::npos);
}

TEST_F(AccessEditors, RuleAddWithNoBoxCheckedSendsOnlyTheRowStatus)
{
    const AccessEditorRecord& spec = editorNamed("TEthernetInformationRuleForm");
    auto form = open(spec.className);
    setText(*form, 1, "9");
    setText(*form, 2, "9");
    setText(*form, 3, "ignored");
    form->runOperation(AccessOperation::Add);
    EXPECT_EQ(lastSetColumns(spec), std::set<int>{15});  // no port checked: no port list either
    select(*form, "9", "9");
    form->runOperation(AccessOperation::Delete);
}

TEST_F(AccessEditors, RuleAddAfterAnEditOrARefreshStartsAfresh)
{
    const AccessEditorRecord& spec = editorNamed("TEthernetInformationRuleForm");
    auto form = open(spec.className);
    // A refresh drops the ports of the rule shown before.
    select(*form, "1", "1");
    form->portGrid()->box(3)->setChecked(true);
    button(*form, spec.buttons.refresh)->click();
    EXPECT_FALSE(form->portGrid()->anyChecked());

    // An Edit loads the row's "active"; the Add after it still creates.
    select(*form, "1", "1");
    form->runOperation(AccessOperation::Modify);
    setText(*form, 1, "9");
    setText(*form, 2, "9");
    form->runOperation(AccessOperation::Add);
    std::map<int, std::string> values;
    std::string instance;
    EXPECT_EQ(lastSetColumns(spec, &instance, &values), std::set<int>{15}) << form->statusText().toStdString();
    EXPECT_EQ(instance, "9.9");
    EXPECT_EQ(values[15], "4");
    select(*form, "9", "9");
    form->runOperation(AccessOperation::Delete);
}

TEST_F(AccessEditors, DenyDisablesAndLeavesOutThePriorityColumns)
{
    const AccessEditorRecord& spec = editorNamed("TIPRuleForm");
    auto form = open(spec.className);
    setText(*form, 1, "9");
    setText(*form, 2, "9");
    form->setAllColumnChecks(true);
    setText(*form, 20, "deny");
    for (int column = 15; column <= 19; ++column) {
        SCOPED_TRACE(column);
        EXPECT_FALSE(form->control(column)->isEnabled());
        EXPECT_FALSE(form->columnCheck(column)->isEnabled());
        EXPECT_FALSE(form->columnCheck(column)->isChecked());
        form->columnCheck(column)->setChecked(true);  // even checked, deny leaves them out
    }
    setText(*form, 3, "v1");
    setText(*form, 4, "10.1.1.1");
    setText(*form, 5, "10.1.1.2");
    setText(*form, 6, "0");
    setText(*form, 7, "tcp");
    setText(*form, 10, "80");
    setText(*form, 11, "8080");
    setText(*form, 12, "1");
    form->runOperation(AccessOperation::Add);
    EXPECT_EQ(lastSetColumns(spec), (std::set<int>{3, 4, 5, 6, 10, 11, 12, 20, 22})) << form->statusText().toStdString();
    setText(*form, 20, "permit");
    EXPECT_TRUE(form->control(15)->isEnabled());
    EXPECT_TRUE(form->columnCheck(15)->isEnabled());
    select(*form, "9", "9");
    form->runOperation(AccessOperation::Delete);
}

TEST_F(AccessEditors, EditAlwaysSendsThePortListWithUnit2Port5AsBit68)
{
    const AccessEditorRecord& spec = editorNamed("TEthernetInformationRuleForm");
    auto form = open(spec.className);
    for (int port : {0, PortGrid::portNumber(2, 5)}) {
        SCOPED_TRACE(port);
        select(*form, "1", "1");
        form->portGrid()->clear();
        if (port)
            form->portGrid()->box(port)->setChecked(true);
        form->runOperation(AccessOperation::Modify);
        std::map<int, std::string> values;
        EXPECT_EQ(lastSetColumns(spec, nullptr, &values), (std::set<int>{14})) << form->statusText().toStdString();
        std::string expected(2 * 96, '0');
        if (port)
            expected[2 * 8] = '0', expected[2 * 8 + 1] = '8';  // bit 68: octet 8, value 0x08
        EXPECT_EQ(values[14], "0x" + expected);
    }
}

TEST_F(AccessEditors, AtMostFourOffsetsGoIntoOneRequest)
{
    const AccessEditorRecord& spec = editorNamed("TUserDefinedInformationRuleForm");
    auto form = open(spec.className);
    setText(*form, 1, "9");
    setText(*form, 2, "9");
    for (int column = 3; column <= 7; ++column)
        setText(*form, column, "00112233445566778899AABBCCDDEEFF");
    for (int column = 3; column <= 7; ++column)
        check(*form, column);
    const size_t setsBefore = sets().size();
    {
        MessageBoxCloser boxes;
        form->runOperation(AccessOperation::Add);
        ASSERT_EQ(boxes.texts.size(), 1);
        EXPECT_EQ(boxes.texts[0].toStdString(), "The offset number is too much.");
    }
    EXPECT_EQ(sets().size(), setsBefore);
    check(*form, 5, false);
    form->runOperation(AccessOperation::Add);
    EXPECT_EQ(lastSetColumns(spec), (std::set<int>{3, 4, 6, 7, 15})) << form->statusText().toStdString();

    // An Edit at destroy deletes whatever offsets are checked.
    select(*form, "9", "9");
    for (int column = 3; column <= 7; ++column)
        check(*form, column);
    check(*form, 15);
    setText(*form, 15, "destroy");
    MessageBoxCloser boxes;
    form->runOperation(AccessOperation::Modify);
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    std::map<int, std::string> values;
    EXPECT_EQ(lastSetColumns(spec, nullptr, &values), std::set<int>{15});
    EXPECT_EQ(values[15], "6");
}

// A failed write of the IPv4 mask editor is reported on the status line like
// every other editor's, and leaves the column selection and the list as they were.
TEST_F(AccessEditors, Ipv4MaskWriteFailureIsReported)
{
    const AccessEditorRecord& spec = editorNamed("TIPMaskInformationForm");
    auto form = open(spec.className);
    const int rows = form->ListView1->topLevelItemCount();
    ASSERT_EQ(sim->set({"1.3.6.1.4.1.497.999.1.3.0", "o", "1.3.6.1.4.1.497.12.9.2.2.1", "1.3.6.1.4.1.497.999.1.4.0",
                        "i", "5"})
                  .exitCode,
              0);
    setText(*form, 1, "9");
    form->runOperation(AccessOperation::Add);
    sim->set({"1.3.6.1.4.1.497.999.1.4.0", "i", "0"});
    EXPECT_EQ(form->statusText(), QStringLiteral("(SNMP) Cannot perform operation, General Error!"));
    EXPECT_EQ(form->ListView1->topLevelItemCount(), rows);
    for (int row = 0; spec.table[row].oid; ++row)
        EXPECT_EQ(form->binding().request.varList.row(row).access, spec.table[row].access) << row;
    EXPECT_TRUE(button(*form, spec.buttons.add)->isEnabled());
}

TEST_F(AccessEditors, TypedValuesThatDoNotConvertAreRefusedWithTheFieldNamedAndKept)
{
    struct Case {
        const char* editor;
        int column;  // the field typed wrong
        const char* typed;
    } cases[] = {
        {"TIPMaskInformationForm", 1, ""},                  // no profile id
        {"TEthernetMaskInformationForm", 4, "FFFFFF"},      // a MAC of three octets
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.editor) + " column " + std::to_string(c.column) + " '" + c.typed + "'");
        const AccessEditorRecord& spec = editorNamed(c.editor);
        auto form = open(spec.className);
        setText(*form, 1, "9");
        if (spec.className == std::string("TEthernetMaskInformationForm")) {
            setText(*form, 3, "dst-src-mac-addr");
            setText(*form, 4, "FFFFFFFFFFFF");
            setText(*form, 5, "FFFFFF000000");
            setText(*form, 8, "createAndGo");
        }
        setText(*form, c.column, c.typed);
        const size_t before = sets().size();
        MessageBoxCloser boxes;
        form->runOperation(AccessOperation::Add);
        EXPECT_EQ(sets().size(), before);
        EXPECT_EQ(lineWithCaption(form->ListView1, "0"), nullptr);
        const QString said = boxes.texts.join('|') + form->statusText();
        EXPECT_TRUE(said.contains(QString::fromLatin1(spec.table[c.column - 1].label))) << said.toStdString();
        EXPECT_EQ(qobject_cast<QLineEdit*>(form->control(c.column))->text(), QString::fromLatin1(c.typed));
        if (c.column != 1) {
            EXPECT_EQ(qobject_cast<QLineEdit*>(form->control(1))->text(), "9");
        }
    }
}

TEST_F(AccessEditors, TheMenuFindsEverySixteenEditors)
{
    for (const auto list : {accessMaskEditors(), accessRuleEditors()}) {
        for (const AccessEditorRecord& spec : list) {
            const EditorEntry* entry = findEditor(spec.component);
            ASSERT_NE(entry, nullptr) << spec.component;
            EXPECT_NE(entry->open, nullptr);
        }
    }
}

} // namespace
