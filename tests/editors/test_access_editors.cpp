// The sixteen access-profile and access-rule editors against hv720-sim on
// 127.0.0.1: an Add, an Edit and a Delete of every editor checked on the agent
// (which columns the write carried, and the row with a separate get), the
// refusals of one editor, and the cases that decide what a write sends.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/MainSettings.h"
#include "editors/AccessEditorSpec.h"
#include "editors/EditorRegistry.h"
#include "editors/TAccessEditorForm.h"
#include "editors/PortGrid.h"
#include "snmp/NvSNMPSession.h"
#include "snmp/NvSNMPVarDescriptor.h"
#include "tests/common/SimulatorProcess.h"

namespace {

// Answers every message box that opens while it lives and keeps its texts.
class BoxCatcher {
public:
    BoxCatcher()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts.push_back(box->text().toStdString());
                box->done(QMessageBox::Ok);
            }
        });
        m_timer.start();
    }
    std::vector<std::string> texts;

private:
    QTimer m_timer;
};

const AccessEditorSpec& editorNamed(const std::string& className)
{
    for (const auto list : {accessMaskEditors(), accessRuleEditors()}) {
        for (const AccessEditorSpec& spec : list) {
            if (className == spec.className)
                return spec;
        }
    }
    throw std::runtime_error("no editor " + className);
}

class AccessEditors : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        sim = new SimulatorProcess();
        counterDir = new QTemporaryDir();
        setLogPath = counterDir->filePath(QStringLiteral("sets.log")).toStdString();
        if (!sim->start({"--quiet", "--set-log", setLogPath}))
            startError = sim->log();
        startSnmpSession(counterDir->path().toStdString());
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
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
        NvSNMPDevice.address = "127.0.0.1";
        NvSNMPDevice.port = static_cast<uint16_t>(sim->port());
        NvSNMPSecurity = NvSNMPSecurityRecord{};
        NvSNMPSecurity.version = 1;
        NvSNMPSecurity.readCommunity = "quorel";
        NvSNMPSecurity.writeCommunity = "tessany";
        NvSNMPScope = NvSNMPScopeRecord{};
        requestTimeout = 300;
        settings.addressText = "127.0.0.1";
        // The simulator's default stack: units 1 to 3 (HV-720, HV-710, HV-640).
        units = std::make_unique<QTreeWidget>();
        units->setColumnCount(9);
        const char* rows[][9] = {{"1", "exist", "", "1", "26", "", "", "", "HV-720"},
                                 {"2", "exist", "", "1", "50", "", "", "", "HV-710"},
                                 {"3", "exist", "", "1", "24", "", "", "", "HV-640"}};
        for (const auto& row : rows) {
            QStringList cells;
            for (const char* cell : row)
                cells << QString::fromLatin1(cell);
            units->addTopLevelItem(new QTreeWidgetItem(cells));
        }
        ports = std::make_unique<QTreeWidget>();
        context.settings = &settings;
        context.unitListView = units.get();
        context.portIndexView = ports.get();
    }

    std::unique_ptr<TAccessEditorForm> open(const std::string& className)
    {
        return std::make_unique<TAccessEditorForm>(editorNamed(className), context, nullptr);
    }

    // The simulator's log of committed sets: one line of OID=VALUE pairs per set.
    static std::vector<std::string> setLog()
    {
        std::vector<std::string> lines;
        std::ifstream in(setLogPath);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
    // The table columns the last set request wrote (with the instance it wrote
    // and the value of each column).
    static std::set<int> lastSetColumns(const AccessEditorSpec& spec, std::string* instance = nullptr,
                                        std::map<int, std::string>* values = nullptr)
    {
        const std::vector<std::string> lines = setLog();
        std::string base = spec.table[0].oid;
        base = base.substr(0, base.rfind('.') + 1);
        std::set<int> result;
        std::istringstream words(lines.empty() ? std::string() : lines.back());
        std::string word;
        while (words >> word) {
            if (word.rfind(base, 0) != 0)
                continue;
            const std::string rest = word.substr(base.size());
            const int column = std::stoi(rest.substr(0, rest.find('.')));
            result.insert(column);
            const std::string oidPart = rest.substr(0, rest.find('='));
            if (instance)
                *instance = oidPart.substr(oidPart.find('.') + 1);
            if (values)
                (*values)[column] = rest.substr(rest.find('=') + 1);
        }
        return result;
    }
    // The agent's value of a column of a row, as snmpget prints it (value only).
    static std::string agentValue(const AccessEditorSpec& spec, int column, const std::string& instance)
    {
        std::string base = spec.table[0].oid;
        base = base.substr(0, base.rfind('.') + 1);
        std::string out = sim->get({base + std::to_string(column) + "." + instance}, {"-Oqv"}).out;
        while (!out.empty() && (out.back() == '\n' || out.back() == ' '))
            out.pop_back();
        return out;
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

    static SimulatorProcess* sim;
    static QTemporaryDir* counterDir;
    static std::string startError;
    static std::string setLogPath;
    TMainSettings settings;
    std::unique_ptr<QTreeWidget> units, ports;
    EditorContext context;
};
SimulatorProcess* AccessEditors::sim = nullptr;
QTemporaryDir* AccessEditors::counterDir = nullptr;
std::string AccessEditors::startError;
std::string AccessEditors::setLogPath;

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
    const AccessEditorSpec& spec = editorNamed(c.editor);
    const std::string instance = c.accessId ? std::string(c.id) + "." + c.accessId : c.id;
    const int rowStatus = [&] { int n = 0; while (spec.table[n].oid) ++n; return n; }();
    BoxCatcher boxes;
    auto form = open(c.editor);
    ASSERT_GT(form->ListView1->topLevelItemCount(), 0) << form->statusText().toStdString();
    const int rowsBefore = form->ListView1->topLevelItemCount();

    // Add
    setText(*form, 1, c.id);
    if (c.accessId)
        setText(*form, 2, c.accessId);
    c.prepareAdd(*form);
    button(*form, spec.buttons.add)->click();
    EXPECT_TRUE(boxes.texts.empty()) << boxes.texts.front();
    std::string written;
    EXPECT_EQ(lastSetColumns(spec, &written), c.addColumns);
    EXPECT_EQ(written, instance);
    EXPECT_EQ(agentValue(spec, rowStatus, instance), "1");  // the row is there, active
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
    EXPECT_TRUE(boxes.texts.empty()) << boxes.texts.front();
    EXPECT_EQ(lastSetColumns(spec), c.editColumns) << form->statusText().toStdString();
    EXPECT_FALSE(button(*form, spec.buttons.modify)->isEnabled());

    // Delete: only the Row Status, "destroy"
    select(*form, c.id, c.accessId ? c.accessId : "");
    button(*form, spec.buttons.remove)->click();
    EXPECT_EQ(lastSetColumns(spec), std::set<int>{rowStatus});
    EXPECT_NE(agentValue(spec, rowStatus, instance).find("No Such Instance"), std::string::npos);
    EXPECT_EQ(form->ListView1->topLevelItemCount(), rowsBefore);
}

INSTANTIATE_TEST_SUITE_P(Sixteen, AccessEditorRound, ::testing::Range<size_t>(0, 16),
                         [](const ::testing::TestParamInfo<size_t>& info) {
                             return std::string(roundCases()[info.param].editor);
                         });

} // namespace
