// The menu: its table, the generic views opened from every entry against the
// simulator playing the view catalogue, the port pop-up, the RMON entries, the
// companion launch, help, about and the find box.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <cstdio>
#include <set>

#include "app/AboutFormUnit.h"
#include "app/CompanionLauncher.h"
#include "app/MainUnit.h"
#include "app/MenuCatalogue.h"
#include "app/MenuDispatcher.h"
#include "app/ViewFinderFormUnit.h"
#include "bind/CtrlBtnPanel.h"
#include "bind/GUIConfigForm.h"
#include "bind/ListViewPanel.h"
#include "bind/MsgPanel.h"
#include "bind/NvSNMPRequest2Edits.h"
#include "bind/SNMPEditorPanel.h"
#include "bind/SNMPListViewPanel.h"
#include "catalogue/NvViewCatalogue.h"
#include "editors/common/EditorRegistry.h"
#include "panels/PortButton.h"
#include "panels/PortButtonList.h"
#include "platform/HelpViewer.h"
#include "platform/ProcessLauncher.h"
#include "platform/Registry.h"
#include "snmp/NvOptionList.h"
#include "snmp/NvSNMPSession.h"
#include "snmp/NvSNMPVarList.h"
#include "snmp/NvStrictValue.h"
#include "tests/app/ModuleUnderTest.h"
#include "tests/common/SimulatorProcess.h"
#include "tests/common/TestFiles.h"

namespace {

using Kind = TMenuKind;

// ---------------------------------------------------------------------------
// The table

TEST(MenuTable, TenMenusAndEveryEntryInsideItsMenu)
{
    std::vector<QString> topLevel;
    std::set<std::string> components, menus;
    int views = 0, editors = 0, companions = 0;
    for (const TMenuEntry& e : MenuCatalogue::entries()) {
        SCOPED_TRACE(e.component ? e.component : "(separator)");
        if (!e.parent && e.kind == Kind::Submenu)
            topLevel.push_back(QString::fromUtf8(e.caption));
        // A parent comes before its entries and is a menu.
        if (e.parent) {
            EXPECT_TRUE(menus.count(e.parent)) << "parent " << e.parent;
        }
        if (e.component) {
            EXPECT_TRUE(components.insert(e.component).second) << "named twice";
        }
        if (e.kind == Kind::Submenu || e.kind == Kind::PopupMenu)
            menus.insert(e.component);
        views += e.kind == Kind::View;
        editors += e.kind == Kind::Editor;
        companions += e.kind == Kind::Companion;
        if (e.kind == Kind::Companion) {
            EXPECT_FALSE(CompanionLauncher::companionName(QString::fromUtf8(e.viewArgument)).isEmpty());
        }
    }
    EXPECT_EQ(topLevel, (std::vector<QString>{"Basic Configuration", "RMON", "Bridge", "VLAN", "SNMP V3",
                                              "Security Management", "Layer 2 Management", "Layer 3 Management",
                                              "Single IP", "Help"}));
    EXPECT_EQ(views, 131);
    EXPECT_EQ(editors, 46);
    EXPECT_EQ(companions, 25);
}

TEST(MenuTable, EveryViewHasItsCatalogueTableAndStatusTexts)
{
    QStringList withoutRowCreation;
    for (const TMenuEntry& e : MenuCatalogue::entries()) {
        if (e.kind != Kind::View)
            continue;
        SCOPED_TRACE(e.component);
        ASSERT_NE(MenuCatalogue::viewTable(e), nullptr);
        if (e.statusRow < 0)
            continue;
        EXPECT_TRUE(MenuCatalogue::isTableView(e));
        const NvSNMPVarList list(e.table, MenuCatalogue::listKind(e), MenuCatalogue::indexCount(e));
        ASSERT_LT(e.statusRow, list.count());
        if (MenuCatalogue::offeredStatusRow(e) == e.statusRow) {
            const NvOptionList* options = list.row(e.statusRow).options;
            ASSERT_NE(options, nullptr);
            EXPECT_GE(options->indexOfLabel(e.createText), 0);
            EXPECT_GE(options->indexOfLabel(e.deleteText), 0);
        } else {
            withoutRowCreation << e.component;
        }
    }
    // Their status rows hold active/notInService or an enabled state: these
    // tables open without Add and Delete (the form would refuse the texts).
    EXPECT_EQ(withoutRowCreation, (QStringList{"IPControlTable1", "VirtualInterfaceTable1", "HostTable1",
                                               "RegisterChecksumIncludingDataInformation1"}));
}

// ---------------------------------------------------------------------------
// Companion launch

// Session records and main-window settings of one launch.
struct LaunchCase {
    const char* name;
    const char* viewArgument;
    int version;               // session version
    const char* versionText;   // of the device configuration file
    bool configFile;
    const char* line;
};

void setSession(const LaunchCase& c, TMainSettings& settings)
{
    settings.addressText = "10.0.0.7";
    settings.readCommunityText = "ro";
    settings.writeCommunityText = "rw";
    settings.versionText = c.versionText;
    settings.configFileExists = c.configFile;
    NvSNMPDevice.port = 161;
    NvSNMPSecurity.version = static_cast<int8_t>(c.version);
    NvSNMPScope.contextEngineId.clear();
    NvSNMPScope.contextName.clear();
    NvSNMPSecurity.securityModel = 3;
    NvSNMPSecurity.securityName = "admin";
    NvSNMPSecurity.securityLevel = 3;
    NvSNMPSecurity.authProtocol = 2;
    NvSNMPSecurity.authPassword = "authPhrase1";
    NvSNMPSecurity.privProtocol = 2;
    NvSNMPSecurity.privPassword = "privPhrase2";
}

const LaunchCase kLaunchCases[] = {
    {"SNMPv1", "/TMIB_IFTable", 0, "0", true, "MIB /I10.0.0.7 /Rro /Wrw /TMIB_IFTable"},
    {"SNMPv3 session", "/TMIB_IFTable", 3, "", false,
     "MIB /I10.0.0.7 /Rro /Wrw /TMIB_IFTable /t161 /v3 /d /m3 /nadmin /c /l3 /a2 /AauthPhrase1 /p2 /PprivPhrase2"},
    {"configuration file asks for v3", "/TRmon_History", 1, "3", true,
     "Rmon /I10.0.0.7 /Rro /Wrw /TRmon_History /t161 /v1 /d /m3 /nadmin /c /l3 /a2 /AauthPhrase1 /p2 /PprivPhrase2"},
    {"version text 3 without the file", "/TBridge_Forwarding", 1, "3", false,
     "Bridge /I10.0.0.7 /Rro /Wrw /TBridge_Forwarding"},
    {"no underscore: empty companion name", "/TMIBIFTable", 0, "", false, " /I10.0.0.7 /Rro /Wrw /TMIBIFTable"},
};

TEST(CompanionLaunch, CommandLines)
{
    for (const LaunchCase& c : kLaunchCases) {
        SCOPED_TRACE(c.name);
        TMainSettings settings;
        setSession(c, settings);
        EXPECT_EQ(CompanionLauncher::commandLine(c.viewArgument, settings), c.line);
    }
}

TEST(CompanionLaunch, HostProbe)
{
    struct Case {
        const char* name;
        QByteArray registry;
        const char* status;
    };
    const Case cases[] = {
        {"host 5.1", "[SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\vistane51.exe]\n@=\n", ""},
        {"host 5", "[SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\vistane5.exe]\nPath=/opt\n", ""},
        {"OpenView with a path", "[SOFTWARE\\Hewlett-Packard\\OpenView]\nOV_PATH=/opt/ov\n", ""},
        {"OpenView without a path", "[SOFTWARE\\Hewlett-Packard\\OpenView]\nOV_PATH=\n", "OpenView : File Path Error!"},
        {"nothing", "[SOFTWARE\\Norvane\\Modules\\HelpPath]\nx=y\n", "No Path!"},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeTestFile(dir.filePath("registry.ini"), c.registry);
        EXPECT_EQ(CompanionLauncher::probeHost(Registry(dir.filePath("registry.ini"))), c.status);
    }
}

// A companion stand-in beside the module that writes its arguments, one a line,
// into the file named by COMPANION_STUB_OUT.
class CompanionStub {
public:
    explicit CompanionStub(const QString& name) : m_path(ProcessLauncher::moduleDirectory() + "/" + name)
    {
        writeTestFile(m_path, "#!/bin/sh\nfor a in \"$0\" \"$@\"; do printf '%s\\n' \"$a\"; done > \"$COMPANION_STUB_OUT.tmp\"\n"
                              "mv \"$COMPANION_STUB_OUT.tmp\" \"$COMPANION_STUB_OUT\"\n");
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("COMPANION_STUB_OUT", m_out.filePath("args").toUtf8());
    }
    ~CompanionStub() { QFile::remove(m_path); }

    // The arguments the stub received (program first); empty after 5 s without.
    QStringList received()
    {
        QElapsedTimer waited;
        waited.start();
        while (!QFile::exists(m_out.filePath("args")) && waited.elapsed() < 5000)
            QTest::qWait(20);
        QStringList lines = QString::fromUtf8(readTestFile(m_out.filePath("args"))).split('\n');
        if (!lines.isEmpty() && lines.back().isEmpty())
            lines.removeLast();
        QFile::remove(m_out.filePath("args"));
        return lines;
    }

private:
    QString m_path;
    QTemporaryDir m_out;
};

TEST(CompanionLaunch, StubBesideTheModuleReceivesTheLine)
{
    // The stub takes a name of its own: the real companions live in the same directory.
    CompanionStub stub("StubCompanion");
    QTemporaryDir dir;
    writeTestFile(dir.filePath("registry.ini"), "[SOFTWARE\\Norvane\\Modules\\HelpPath]\nx=y\n");
    for (const LaunchCase& c : {kLaunchCases[0], kLaunchCases[1]}) {
        SCOPED_TRACE(c.name);
        TMainSettings settings;
        setSession(c, settings);
        QString status;
        const QString view = QString(c.viewArgument).replace("/TMIB_", "/TStubCompanion_");
        EXPECT_TRUE(CompanionLauncher::launch(view, settings, Registry(dir.filePath("registry.ini")),
                                              [&status](const QString& text) { status = text; }));
        EXPECT_EQ(status, "No Path!");
        QStringList args = stub.received();
        ASSERT_FALSE(args.isEmpty());
        EXPECT_EQ(args.takeFirst(), ProcessLauncher::moduleDirectory() + "/StubCompanion");
        // Empty values stand alone as their switch.
        EXPECT_EQ("StubCompanion " + args.join(' '), QString(c.line).replace("MIB", "StubCompanion"));
    }
    NvSNMPSecurity.version = 0;
}

TEST(CompanionLaunch, AMissingProgramIsReportedByName)
{
    QTemporaryDir dir;
    writeTestFile(dir.filePath("registry.ini"), "[SOFTWARE\\Norvane\\Modules\\HelpPath]\nx=y\n");
    TMainSettings settings;
    settings.addressText = "10.0.0.7";
    QString status;
    EXPECT_FALSE(CompanionLauncher::launch("/TNoSuchCompanion_View", settings, Registry(dir.filePath("registry.ini")),
                                           [&status](const QString& text) { status = text; }));
    EXPECT_EQ(status, "No Path!");  // the host probe still speaks first
    EXPECT_TRUE(CompanionLauncher::startFailureText("/TNoSuchCompanion_View").contains("\"NoSuchCompanion\""));
}

// ---------------------------------------------------------------------------
// About and find box on their own

TEST(AboutBox, ShiftAltF3ShowsTheBuildVersion)
{
    TAboutForm about;
    EXPECT_EQ(about.windowTitle(), "About HV720 Module");
    EXPECT_EQ(about.size(), QSize(322, 115));
    EXPECT_EQ(about.ProductName->text(), "Norvane HV720 Management Module");
    EXPECT_TRUE(about.ProductName->font().bold());
    QTest::keyClick(about.OKButton, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(about.Version->text(), "Release Version 4.30 (Build Mar 27,2006)");
    QTest::keyClick(about.OKButton, Qt::Key_F3, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(about.Version->text(), "Release Version 4.30.B11");
}

TEST(FindBox, WordsInAnyOrderWithoutRegardToCase)
{
    const QString path = "Basic Configuration › Time Management › System Time";
    struct Case {
        const char* filter;
        bool match;
    };
    for (const Case& c : {Case{"", true}, Case{"time system", true}, Case{"SYSTEM  basic", true},
                          Case{"system network", false}, Case{"tim conf", true}}) {
        SCOPED_TRACE(c.filter);
        EXPECT_EQ(TViewFinderForm::matches(path, c.filter), c.match);
    }
}

// ---------------------------------------------------------------------------
// Against the simulator playing the catalogue

// What a view showed when its first read had finished.
struct ShownView {
    bool opened = false;
    QString caption;
    QSize size;
    int formType = 0;
    bool addShown = false, deleteShown = false, refreshShown = false, closeShown = false;
    QString status;
    int lines = 0;       // table views
    int values = 0;      // scalar views: rows with a value
    // Every value shown (scalar rows, table cells) with the row that describes it.
    std::vector<std::pair<NvSNMPVarRow, std::string>> cells;
    std::string instance;
    int8_t requestVersion = -1;
    QString notes;
};

// Reads the open configuration form once its first read has written a status line.
bool readShownView(QWidget* modal, ShownView& shown, const QElapsedTimer& since)
{
    auto* form = qobject_cast<TConfigForm*>(modal);
    if (!form)
        return false;
    NvSNMPRequest2Edits* binding = form->activeBinding();
    auto* memo = form->findChild<TMsgPanel*>();
    const bool timedOut = since.elapsed() > 15000;
    if (!timedOut && (!binding || binding->busy || !memo || memo->memo->toPlainText().isEmpty()))
        return false;
    shown.opened = true;
    shown.caption = form->windowTitle();
    shown.size = form->size();
    shown.formType = form->formType();
    if (auto* strip = form->findChild<TCtrlBtnPanel*>()) {
        shown.addShown = !strip->AddBtn->isHidden();
        shown.deleteShown = !strip->DeleteBtn->isHidden();
        shown.refreshShown = !strip->RefreshBtn->isHidden();
        shown.closeShown = !strip->CloseBtn->isHidden();
    }
    shown.status = memo ? memo->memo->toPlainText() : QString("(no message area)");
    if (auto* list = form->findChild<TListViewPanel*>())
        shown.lines = list->listView->topLevelItemCount();
    if (binding) {
        const NvSNMPVarList& vars = binding->request.varList;
        for (int i = 0; i < vars.count(); ++i)
            shown.values += vars.isReadable(i) && !vars.row(i).value.empty() && vars.row(i).value != "(NULL)";
        if (auto* list = form->findChild<TListViewPanel*>()) {
            // A line's cells: the hidden-column rows, then the listed rows.
            std::vector<int> layout;
            for (int i = 0; i < vars.count(); ++i)
                if (vars.isHiddenColumn(i))
                    layout.push_back(i);
            for (int i = 0; i < vars.count(); ++i)
                if (vars.isListed(i))
                    layout.push_back(i);
            for (int l = 0; l < list->listView->topLevelItemCount(); ++l)
                for (int c = 0; c < static_cast<int>(layout.size()); ++c)
                    shown.cells.push_back({vars.row(layout[static_cast<size_t>(c)]),
                                           list->listView->topLevelItem(l)->text(c).toStdString()});
        } else {
            for (int i = 0; i < vars.count(); ++i)
                if (vars.isReadable(i))
                    shown.cells.push_back({vars.row(i), vars.row(i).value});
        }
        shown.instance = vars.instance;
        shown.requestVersion = binding->request.version;
    }
    if (auto* notes = form->findChild<QLabel*>("NotesLabel"))
        shown.notes = notes->text();
    form->close();
    return true;
}

// Triggers the entry's action and returns what its view showed.
ShownView openFromMenu(QAction* action)
{
    ShownView shown;
    QElapsedTimer since;
    since.start();
    ModalWatcher watcher([&](QWidget* modal) { return readShownView(modal, shown, since); });
    action->trigger();
    return shown;
}

// The size the form has before the entry's size rule.
QSize designedSize(TMainForm& main, const TMenuEntry& e)
{
    TConfigForm form(&main);
    auto binding = std::make_unique<NvSNMPRequest2Edits>(&form);
    binding->request.varList.assign(NvSNMPVarList(e.table, MenuCatalogue::listKind(e), MenuCatalogue::indexCount(e)));
    const int statusRow = MenuCatalogue::offeredStatusRow(e);
    if (MenuCatalogue::isTableView(e))
        form.showTable(std::move(binding), statusRow, statusRow >= 0 ? e.createText : "", statusRow,
                       statusRow >= 0 ? e.deleteText : "");
    else
        form.showEditor(std::move(binding));
    return form.size();
}

// Why a shown value is one no switch would report: outside the options or the
// allowed values the MIB gives its object; empty when it is believable.
std::string implausible(const NvSNMPVarRow& row, const std::string& text)
{
    if (text.empty() || text == "(NULL)")
        return {};
    if (row.options)
        return row.options->indexOfLabel(text) < 0 ? "not one of its options" : "";
    if (row.ranges.empty())
        return {};
    std::optional<int64_t> measured;
    switch (row.syntax) {
    case SyntaxInteger: case SyntaxCounter: case SyntaxGauge: case SyntaxUInteger:
        measured = readWholeNumber(text);
        break;
    case SyntaxDisplayString:
        measured = static_cast<int64_t>(text.size());
        break;
    case SyntaxOctets:
        if (const auto octets = readHexOctets(text))
            measured = static_cast<int64_t>(octets->size());
        break;
    default:
        return {};
    }
    if (!measured)
        return "does not read as its syntax";
    return inRangeList(*measured, row.ranges) ? "" : "outside " + rangeListText(row.ranges);
}

// A value that says nothing: empty, zero, a zero address or uptime.
bool isNothing(const std::string& text)
{
    return text.empty() || text == "(NULL)" || text == "0" || text == "0.0.0.0" || text == "0:00:00.00";
}

class MenuAgainstSimulator : public ::testing::Test {
protected:
    std::unique_ptr<TMainForm> open(int version = 1, const std::vector<std::string>& simOptions = {})
    {
        const auto dump = sim.run({std::string(NV_BIN_DIR) + "/catalogue-dump"});
        if (dump.exitCode != 0) {
            ADD_FAILURE() << dump.err;
            return nullptr;
        }
        std::vector<std::string> options{"--catalogue", sim.writeFile("catalogue.tsv", dump.out), "--quiet"};
        options.insert(options.end(), simOptions.begin(), simOptions.end());
        if (!sim.start(options)) {
            ADD_FAILURE() << sim.log();
            return nullptr;
        }
        return openModule(dir, {.agentPort = sim.port(), .version = version});
    }

    QTemporaryDir dir;
    SimulatorProcess sim;
};

TEST_F(MenuAgainstSimulator, EveryGenericViewOpensWithData)
{
    auto main = open();
    ASSERT_TRUE(main);
    const double s = main->settings.ScaleFactor;
    int opened = 0, withData = 0;
    QStringList empty;
    for (const TMenuEntry& e : MenuCatalogue::entries()) {
        if (e.kind != Kind::View || e.has(PortInstance))
            continue;
        SCOPED_TRACE(e.component);
        QAction* action = main->menuDispatcher()->action(e.component);
        ASSERT_NE(action, nullptr);
        ShownView shown;
        try {
            shown = openFromMenu(action);
        } catch (const std::exception& error) {
            ADD_FAILURE() << error.what();
            continue;
        }
        ASSERT_TRUE(shown.opened);
        ++opened;

        const QString separator = e.has(BlankAfterColon) ? ": " : ":";
        EXPECT_EQ(shown.caption, QString::fromUtf8(e.title) + separator + "127.0.0.1");
        const bool table = MenuCatalogue::isTableView(e);
        EXPECT_EQ(shown.formType, table ? TConfigForm::TableForm : TConfigForm::EditorForm);
        EXPECT_TRUE(shown.refreshShown && shown.closeShown);
        EXPECT_EQ(shown.addShown, MenuCatalogue::offeredStatusRow(e) >= 0);
        EXPECT_EQ(shown.deleteShown, MenuCatalogue::offeredStatusRow(e) >= 0);
        // The hidden "Add" view reads an instance that no member has yet: the
        // agent's noSuchInstance is reported like SNMPv1's noSuchName.
        if (e.has(Hidden) && MenuCatalogue::listKind(e) == NvSNMPVarList::SingleInstance)
            EXPECT_TRUE(shown.status.contains("Variable does not exist")) << shown.status.toStdString();
        else
            EXPECT_TRUE(shown.status.contains("(NvSNMP++) Ok!")) << shown.status.toStdString();

        const QSize designed = designedSize(*main, e);
        int height = e.size.height > 0 ? (e.size.heightScaled ? int(e.size.height * s) : e.size.height)
                                       : designed.height();
        height += int(e.size.addHeight * s);
        const int width = designed.width() + int(e.size.addWidth * s);
        EXPECT_EQ(shown.size.height(), height);
        // A table's window grows once the fill has sized its columns to their values.
        if (table) {
            EXPECT_GE(shown.size.width(), width);
        } else {
            EXPECT_EQ(shown.size.width(), width);
        }

        // Every value lies within what the MIB allows its object.
        for (const auto& [row, text] : shown.cells)
            if (const std::string why = implausible(row, text); !why.empty())
                ADD_FAILURE() << row.label << " = \"" << text << "\": " << why;
        const bool saysSomething = std::any_of(shown.cells.begin(), shown.cells.end(),
                                               [](const auto& cell) { return !isNothing(cell.second); });
        if (((table && shown.lines > 0) || (!table && shown.values > 0)) && saysSomething)
            ++withData;
        else
            empty << QString::fromUtf8(e.component);
    }
    std::printf("generic view entries opened: %d, with data: %d\n", opened, withData);
    // No view shows only zeros and blanks. "Add Member Switch" (hidden) is a
    // single-instance form for a member still to be added: the menu gives it no
    // instance, so there is nothing to read.
    EXPECT_EQ(empty, QStringList{"AddMemberSwitch1"});
}

TEST_F(MenuAgainstSimulator, CaptionsAndScaledSizes)
{
    auto main = open();
    ASSERT_TRUE(main);
    TMenuDispatcher* menu = main->menuDispatcher();
    EXPECT_EQ(openFromMenu(menu->action("DeviceInformation1")).caption, "Device Information:127.0.0.1");
    EXPECT_EQ(openFromMenu(menu->action("BandwidthControlTable1")).caption, "Bandwidth Control Table ::127.0.0.1");
    EXPECT_EQ(openFromMenu(menu->action("CPUInterfacefilterState1")).caption,
              "CPU Interface Filter Control: 127.0.0.1");
    EXPECT_EQ(openFromMenu(menu->action("Information2")).notes,
              "Notes : 2*(Forward Delay-100)>=Max Age>=2*(Hello Time+100))");

    main->settings.ScaleFactor = 1.25f;
    EXPECT_EQ(openFromMenu(menu->action("UnitTable1")).size.height(), 562);
    EXPECT_EQ(openFromMenu(menu->action("IFXTable1")).size.height(), 450);
}

TEST_F(MenuAgainstSimulator, PortPopupOpensThePortOfItsButton)
{
    auto main = open();
    ASSERT_TRUE(main);
    TPortButtonList* buttons = main->portButtons();
    TPortButton* port69 = nullptr;
    for (const auto& b : buttons->buttons())
        if (b->tag() == 69)
            port69 = b;
    ASSERT_NE(port69, nullptr);
    buttons->select(buttons->at(0));

    struct Case {
        QAction* action;
        const char* caption;
    };
    for (const Case& c : {Case{main->PortInformation2, "Port Information Table:127.0.0.1"},
                          Case{main->PortConfiguration1, "Port Configuration:127.0.0.1"}}) {
        SCOPED_TRACE(c.caption);
        // What a right click on the button does before the menu shows.
        main->PortInfoPopupMenu->setProperty("popupComponent", QVariant::fromValue<QObject*>(port69));
        const ShownView shown = openFromMenu(c.action);
        EXPECT_EQ(shown.caption, c.caption);
        EXPECT_EQ(shown.formType, TConfigForm::EditorForm);
        EXPECT_EQ(shown.instance, "69");
        EXPECT_GT(shown.values, 2);
        EXPECT_TRUE(shown.status.contains("(NvSNMP++) Ok!")) << shown.status.toStdString();
        EXPECT_EQ(buttons->selected(), port69);
        for (const auto& b : buttons->buttons())
            EXPECT_EQ(b->isPortDown(), b == port69);
    }
}

TEST_F(MenuAgainstSimulator, CounterViewsGoOutAsV2cAndRestoreTheVersion)
{
    auto main = open(0);
    ASSERT_TRUE(main);
    ASSERT_EQ(NvSNMPSecurity.version, 0);
    for (const char* component : {"IFXTable1", "PortSessionStatistics1"}) {
        SCOPED_TRACE(component);
        const ShownView shown = openFromMenu(main->menuDispatcher()->action(component));
        EXPECT_EQ(shown.requestVersion, 1);
        EXPECT_GT(shown.lines, 0);
        EXPECT_TRUE(shown.status.contains("(NvSNMP++) Ok!")) << shown.status.toStdString();
        EXPECT_EQ(NvSNMPSecurity.version, 0);
    }
    // Other views keep SNMPv1.
    EXPECT_EQ(openFromMenu(main->menuDispatcher()->action("UnitTable1")).requestVersion, 0);
}

TEST_F(MenuAgainstSimulator, RmonControlSwitchesTheRmonEntries)
{
    auto main = open(1, {"--rmon", "enabled"});
    ASSERT_TRUE(main);
    for (const char* state : {"disabled", "enabled"}) {
        SCOPED_TRACE(state);
        bool set = false;
        ModalWatcher watcher([&](QWidget* modal) {
            auto* form = qobject_cast<TConfigForm*>(modal);
            if (!form || !form->activeBinding() || form->activeBinding()->busy)
                return false;
            auto* combo = form->findChild<QComboBox*>();
            auto* strip = form->findChild<TCtrlBtnPanel*>();
            if (!combo || combo->currentText().isEmpty())
                return false;
            combo->setCurrentText(state);
            strip->SetCheckedBtn->click();
            set = true;
            form->close();
            return true;
        });
        main->RMONSetting1->trigger();
        EXPECT_TRUE(set);
        EXPECT_EQ(main->ST_RmonState->text(), state);
        for (QAction* a : {main->Statistics1, main->History1, main->AlarmEvent1})
            EXPECT_EQ(a->isEnabled(), std::string(state) == "enabled") << a->text().toStdString();
    }
}

TEST_F(MenuAgainstSimulator, HelpAboutExitEditorsAndTheFindBox)
{
    auto main = open();
    ASSERT_TRUE(main);
    TMenuDispatcher* menu = main->menuDispatcher();

    // Help: the file beside the program is missing here.
    const QString helpFile = "HV-720 vistanehelp2.hlp";
    ASSERT_FALSE(QFile::exists(HelpViewer::pathBesideProgram(helpFile)));
    QString helpText;
    {
        ModalWatcher watcher([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box)
                return false;
            helpText = box->text();
            box->accept();
            return true;
        });
        menu->action("Help2")->trigger();
    }
    EXPECT_EQ(helpText, HelpViewer::failureText(HelpViewer::Result::Missing, helpFile));

    // About from its entry.
    QString aboutTitle;
    {
        ModalWatcher watcher([&](QWidget* modal) {
            auto* about = qobject_cast<TAboutForm*>(modal);
            if (!about)
                return false;
            aboutTitle = about->windowTitle();
            about->OKButton->click();
            return true;
        });
        menu->action("About1")->trigger();
    }
    EXPECT_EQ(aboutTitle, "About HV720 Module");

    // Exit asks first; Cancel keeps the window.
    main->show();
    QString exitQuestion;
    {
        ModalWatcher watcher([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box)
                return false;
            exitQuestion = box->text();
            box->button(QMessageBox::Cancel)->click();
            return true;
        });
        menu->action("Exit1")->trigger();
    }
    EXPECT_EQ(exitQuestion, "Exit HV-720 Management Module");
    EXPECT_TRUE(main->isVisible());

    // An editor entry is enabled exactly when its editor exists.
    for (const TMenuEntry& e : MenuCatalogue::entries())
        if (e.kind == Kind::Editor) {
            EXPECT_EQ(menu->action(e.component)->isEnabled(), findEditor(e.component) != nullptr) << e.component;
        }

    // Ctrl+K, words, Enter: the view opens as from its menu.
    QStringList offered;
    ShownView shown;
    QElapsedTimer since;
    since.start();
    {
        ModalWatcher watcher([&](QWidget* modal) {
            if (auto* finder = qobject_cast<TViewFinderForm*>(modal)) {
                QTest::keyClicks(finder->FilterEdit, "time SYSTEM");
                for (int i = 0; i < finder->ResultList->count(); ++i)
                    offered << finder->ResultList->item(i)->text();
                QTest::keyClick(finder->FilterEdit, Qt::Key_Return);
                return false;
            }
            return readShownView(modal, shown, since);
        });
        auto* shortcut = main->findChild<QShortcut*>("FindViewShortcut");
        ASSERT_NE(shortcut, nullptr);
        EXPECT_EQ(shortcut->key(), QKeySequence(Qt::CTRL | Qt::Key_K));
        emit shortcut->activated();
    }
    EXPECT_EQ(offered, QStringList{"Basic Configuration › Time Management › System Time"});
    EXPECT_EQ(shown.caption, "Current Time:127.0.0.1");
    EXPECT_GT(shown.values, 0);
}

}  // namespace
