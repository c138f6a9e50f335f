#include "app/MainUnit.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTreeWidget>
#include <algorithm>
#include <exception>

#include "app/MenuDispatcher.h"
#include "panels/ExpansionModuleFormUnit.h"
#include "panels/PanelFormTable.h"
#include "catalogue/NvCatalogueTables.h"
#include "snmp/NvEventWait.h"
#include "snmp/NvSNMPError.h"
#include "bind/RequestWait.h"
#include "bind/NvSNMPRequest2Edits.h"
#include "bind/NvSNMPRequest2Leds.h"
#include "snmp/NvSNMPSession.h"
#include "snmp/NvSNMPVarList.h"
#include "panels/PortButtonList.h"
#include "panels/StackingPortUitFormUnit.h"
#include "snmp/NvSegmentedWalk.h"
#include "platform/Registry.h"
#include "panels/UnitPanelFormUnit.h"

namespace {

double screenDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

const QString kNotExist = QStringLiteral("not-exist");

// Columns of the list views: the first table column is the item's caption
// (column 0), sub-item n is column n + 1.
constexpr int kUnitStatusColumn = 1;
constexpr int kUnitModuleNameColumn = 8;
constexpr int kSubUnitModuleNameColumn = 1;

constexpr int kUnitStartPortColumn = 3;
constexpr int kUnitPortRangeColumn = 4;

// Where the port table's ranges begin: every unit's ports (index (unit − 1) ×
// 64 + port), from its start port on, in pieces of one row fewer than one
// request brings, so that the request also sees the row after the piece and
// the piece ends with it. A piece runs on to the next bound, so gaps and ports
// beyond the reported range are still read.
std::vector<uint32_t> portRangeBounds(const QTreeWidget* units, int rowsPerRequest)
{
    constexpr int kPorts = TStackingPortUitForm::PortsPerUnit;
    std::vector<uint32_t> bounds;
    const int step = std::max(rowsPerRequest - 1, 1);
    for (int r = 0; r < units->topLevelItemCount(); ++r) {
        const QTreeWidgetItem* item = units->topLevelItem(r);
        bool unitRead = false;
        bool startRead = false;
        bool rangeRead = false;
        const int unit = item->text(0).toInt(&unitRead);
        const int start = item->text(kUnitStartPortColumn).toInt(&startRead);
        const int range = item->text(kUnitPortRangeColumn).toInt(&rangeRead);
        if (!unitRead || !startRead || !rangeRead || unit < 1 || unit > TStackingPortUitForm::UnitCount
            || start < 1 || start > kPorts)
            continue;
        const int last = std::clamp(start + range - 1, start, kPorts);
        for (int port = start; port <= last; port += step)
            bounds.push_back(static_cast<uint32_t>((unit - 1) * kPorts + port));
    }
    return bounds;
}

QTreeWidget* dataListView(QWidget* parent, const QString& name)
{
    auto* view = new QTreeWidget(parent);
    view->setObjectName(name);
    view->setGeometry(0, 0, 100, 40);
    view->hide();
    return view;
}

}  // namespace

TMainForm::TMainForm(const std::vector<std::string>& arguments, QWidget* parent)
    : TMainForm(arguments, Registry(), startSnmpSession, parent)
{
}

TMainForm::TMainForm(const std::vector<std::string>& arguments, const Registry& registry,
                     const TStartup::SessionStarter& startSession, QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    // Blocking requests from here on keep the windows painted while they wait.
    RequestWait::install();
    buildWindow();
    m_menu->setRegistry(registry);
    // Building the window and reading the start-up files each take tens of
    // milliseconds; the event loop runs between them so that nothing already
    // on the screen waits for both.
    QCoreApplication::processEvents();
    TStartup::run(settings, arguments, screenDpi(), registry, startSession);
    QCoreApplication::processEvents();
    identify();
}

TMainForm::~TMainForm()
{
    shutDown();
}

const QStringList& TMainForm::modelNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const TPanelFormTable::Model& m : TPanelFormTable::models())
            list << QString::fromLatin1(m.name);
        return list;
    }();
    return names;
}

void TMainForm::buildWindow()
{
    setWindowTitle(QStringLiteral("HV720"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setWidgetResizable(false);
    m_content = new QWidget;
    m_content->setObjectName(QStringLiteral("ScrollBox1Content"));
    m_content->resize(0, 0);
    ScrollBox1->setWidget(m_content);
    setCentralWidget(ScrollBox1);

    // Data stores: filled by the bindings, never shown.
    UnitListView = dataListView(m_content, QStringLiteral("UnitListView"));
    lvPortIndex = dataListView(m_content, QStringLiteral("lvPortIndex"));
    lvSubUnit = dataListView(m_content, QStringLiteral("lvSubUnit"));
    PortInfoListView = dataListView(m_content, QStringLiteral("PortInfoListView"));
    ST_RmonState = new QLabel(m_content);
    ST_RmonState->setObjectName(QStringLiteral("ST_RmonState"));
    ST_RmonState->hide();
    ST_StackNum = new QLabel(m_content);
    ST_StackNum->setObjectName(QStringLiteral("ST_StackNum"));
    ST_StackNum->hide();

    StatusBar = statusBar();
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    StatusPanel = new QLabel(StatusBar);
    StatusPanel->setObjectName(QStringLiteral("StatusPanel"));
    StatusPanel->setMinimumWidth(50);
    // A failed identification stays in front of the line the bindings rewrite.
    IdentificationError = new QLabel(StatusBar);
    IdentificationError->setObjectName(QStringLiteral("IdentificationError"));
    IdentificationError->hide();
    StatusBar->addWidget(IdentificationError);
    StatusBar->addWidget(StatusPanel, 1);

    buildMenus();
    setClientSize(987, 137);
}

void TMainForm::buildMenus()
{
    m_menu = new TMenuDispatcher(this);
    m_menu->build();
    Configuration1 = m_menu->menu("Configuration1");
    Exit1 = m_menu->action("Exit1");
    Menu_RMON = m_menu->menu("Menu_RMON");
    RMONSetting1 = m_menu->action("RMONSetting1");
    Statistics1 = m_menu->action("Statistics1");
    History1 = m_menu->action("History1");
    AlarmEvent1 = m_menu->action("AlarmEvent1");
    PortInfoPopupMenu = m_menu->menu("PortInfoPopupMenu");
    PortInformation2 = m_menu->action("PortInformation2");
    PortConfiguration1 = m_menu->action("PortConfiguration1");
}

void TMainForm::setClientSize(int width, int height)
{
    m_clientWidth = width;
    m_clientHeight = height;
    setFixedSize(width, height + menuBar()->sizeHint().height());
}

void TMainForm::setStatusText(const std::string& text)
{
    StatusPanel->setText(QString::fromStdString(text));
}

std::unique_ptr<NvSNMPRequest2Edits> TMainForm::tableBinding(const NvSNMPVarDescriptor* table, QTreeWidget* view)
{
    auto binding = std::make_unique<NvSNMPRequest2Edits>(this);
    binding->request.varList = NvSNMPVarList(table, NvSNMPVarList::Table, 1);
    binding->setStatusTarget(StatusPanel);
    binding->attachListView(view, true);
    return binding;
}

bool TMainForm::waitWhileBusy(NvSNMPRequest2Controls& binding, const char* caption)
{
    waitUntil([&] {
        if (caption)
            showIdentificationProgress(caption);
        return !binding.busy || m_closeRequested;
    });
    return !m_closeRequested;
}

void TMainForm::showIdentificationProgress(const char* caption)
{
    int modules = 0;
    for (int r = 0; r < lvSubUnit->topLevelItemCount(); ++r)
        if (lvSubUnit->topLevelItem(r)->text(kSubUnitModuleNameColumn) != QStringLiteral("-"))
            ++modules;
    setStatusText(QStringLiteral("%1: %2 units, %3 ports, %4 modules")
                      .arg(QString::fromLatin1(caption))
                      .arg(UnitListView->topLevelItemCount())
                      .arg(lvPortIndex->topLevelItemCount())
                      .arg(modules)
                      .toStdString());
}

void TMainForm::noteIdentificationError(const std::string& text)
{
    if (!m_identificationError.empty())
        return;
    m_identificationError = text;
    IdentificationError->setText(QString::fromStdString(text));
    IdentificationError->show();
}

void TMainForm::identify()
{
    static const char* const kReadingStack = "Reading the stack";
    static const char* const kReadingModules = "Reading the expansion modules";
    m_identifying = true;
    try {
        setWindowTitle(QStringLiteral("HV720 : ") + QString::fromStdString(settings.addressText));
        m_portButtons = std::make_unique<TPortButtonList>();
        m_unitPanels.clear();
        m_modulePanels.clear();
        m_lastPanel = nullptr;
        // The window shows itself before anything is read, so that a slow or
        // silent agent is seen for what it is and Exit can be used.
        show();
        showIdentificationProgress(kReadingStack);
        const auto keepFailure = [this](NvSNMPRequest2Controls& binding, const NvSNMPError& reply) {
            if (reply.code != 0)
                noteIdentificationError(binding.statusLine(reply.message));
        };

        // The unit and sub-unit tables are walked at once; the unit table then
        // splits the port table into ranges that are walked at once too.
        bool unitsAsked = false;
        try {
            m_unitBinding = tableBinding(MainUnitTableVars, UnitListView);
            m_unitBinding->onGetDone = keepFailure;
            m_unitBinding->get();
            unitsAsked = true;
        } catch (const std::exception&) {
            setStatusText("Get Unit Information Failed");
            noteIdentificationError("Get Unit Information Failed");
        }
        bool subUnitsAsked = false;
        try {
            m_subUnitBinding = tableBinding(SubUnitVars, lvSubUnit);
            m_subUnitBinding->onGetDone = keepFailure;
            m_subUnitBinding->get();
            subUnitsAsked = true;
        } catch (const std::exception&) {
            setStatusText("Get SubUnit Information Failed");
            noteIdentificationError("Get SubUnit Information Failed");
        }

        if (unitsAsked) {
            try {
                waitWhileBusy(*m_unitBinding, kReadingStack);
                if (!m_closeRequested) {
                    m_portBinding = tableBinding(PortInfoVars, lvPortIndex);
                    m_portBinding->onGetDone = keepFailure;
                    m_portBinding->getRanges(portRangeBounds(
                        UnitListView, NvSegmentedWalk::rowsPerRequest(m_portBinding->request.varList)));
                    waitWhileBusy(*m_portBinding, kReadingStack);
                }
            } catch (const std::exception&) {
                setStatusText("Get Unit Information Failed");
                noteIdentificationError("Get Unit Information Failed");
            }
        }
        if (subUnitsAsked && !m_closeRequested)
            waitWhileBusy(*m_subUnitBinding, kReadingModules);
        if (m_closeRequested) {
            m_identifying = false;
            shutDown();
            return;
        }

        // Panels are placed hidden: each placed panel grows the window, and a
        // grown window would repaint every panel shown before it. Once the
        // window has its final size they are shown one at a time, each painting
        // only its own place. The event loop runs between them throughout.
        try {
            for (int r = 0; r < UnitListView->topLevelItemCount() && !m_closeRequested; ++r) {
                const QTreeWidgetItem* item = UnitListView->topLevelItem(r);
                if (item->text(kUnitStatusColumn) == kNotExist)
                    continue;
                placePanel(item->text(0), item->text(kUnitModuleNameColumn), r);
                QCoreApplication::processEvents();
            }
            m_portButtons->setPopupMenu(PortInfoPopupMenu);
        } catch (const std::exception& e) {
            setStatusText(e.what());
            noteIdentificationError(e.what());
        }
        std::vector<QWidget*> placed(m_unitPanels.begin(), m_unitPanels.end());
        placed.insert(placed.end(), m_modulePanels.begin(), m_modulePanels.end());
        for (QWidget* panel : placed) {
            if (m_closeRequested)
                break;
            panel->show();
            QCoreApplication::processEvents();
        }

        m_portButtons->makeGroup();

        m_rmonBinding = std::make_unique<NvSNMPRequest2Edits>(this);
        m_rmonBinding->request.varList = NvSNMPVarList(RmonStateVars, NvSNMPVarList::ScalarGroup, 0);
        m_rmonBinding->setStatusTarget(StatusPanel);
        m_rmonBinding->asynchronous = false;
        m_rmonBinding->bindControl(0, ST_RmonState);
        if (!m_closeRequested)
            refreshRmonState();
    } catch (const std::exception& e) {
        setStatusText(e.what());
        noteIdentificationError(e.what());
    }
    if (m_closeRequested) {
        m_identifying = false;
        shutDown();
        return;
    }
    // The RMON read's "Ok!" does not hide what went wrong before it.
    if (m_unitPanels.empty()) {
        const std::string why = m_identificationError;
        m_identificationError.clear();
        noteIdentificationError(why.empty() ? "No unit identified" : "No unit identified: " + why);
    }
    if (!m_identificationError.empty())
        setStatusText("");
    m_identifying = false;
}

void TMainForm::placePanel(const QString& unitText, const QString& moduleName, int row)
{
    const TPanelFormTable::Model* model = TPanelFormTable::model(moduleName);
    if (!model)
        return;
    TUnitPanelForm* panel = model->create(m_content);
    panel->hide();
    const int h = panel->height();
    const int w = panel->width();
    m_unitPanels.push_back(panel);

    const int unit = TStartup::toInteger(unitText.toStdString());
    panel->setUnitNumber(unit);
    panel->setStatusPanel(StatusPanel);
    panel->buildLeds(&ImageList1);
    panel->buildPortButtons(*m_portButtons);
    if (NvSNMPRequest2Leds* leds = panel->ledRequest()) {
        try {
            leds->startPolling(300);
        } catch (const NvSNMPException& e) {
            leds->showStatus(e.what());
        }
    }

    TExpansionModuleForm* module = nullptr;
    if (model->carrier != TExpansionModuleForm::Carrier::None) {
        try {
            const QTreeWidgetItem* sub = lvSubUnit->topLevelItem(row);
            const QString name = sub ? sub->text(kSubUnitModuleNameColumn) : QStringLiteral("-");
            if (const TPanelFormTable::Module* form = TPanelFormTable::module(name)) {
                module = form->create(m_content);
                module->hide();
                m_modulePanels.push_back(module);
                module->setUnitNumber(unit);
                module->setCarrier(model->carrier);
                module->setStatusPanel(StatusPanel);
                module->buildLeds();
                module->buildPortButtons(*m_portButtons);
                if (NvSNMPRequest2Leds* leds = module->ledRequest())
                    leds->startPolling(300);
            }
            m_portButtons->setPopupMenu(PortInfoPopupMenu);
        } catch (const std::exception& e) {
            setStatusText(e.what());
        }
    }

    int width = m_clientWidth;
    int top = 0;
    if (!m_lastPanel) {
        width = w + 4;
    } else {
        top = m_lastPanel->y() + h + 1;
    }
    panel->move(0, top);
    if (module) {
        width = w + module->width() + 8;
        module->move(panel->x() + panel->width() + 1, top);
    }
    const int placedBefore = static_cast<int>(m_unitPanels.size()) - 1;
    setClientSize(width, top + h + StatusBar->sizeHint().height() + placedBefore + 4);
    const int contentWidth = module ? module->x() + module->width() : panel->x() + panel->width();
    m_content->resize(qMax(m_content->width(), contentWidth), top + h);

    m_lastPanel = panel;
}

void TMainForm::refreshRmonState()
{
    if (!m_rmonBinding)
        return;
    try {
        m_rmonBinding->get();
        const QString state = ST_RmonState->text();
        if (state == QStringLiteral("disabled") || state == QStringLiteral("enabled")) {
            const bool enabled = state == QStringLiteral("enabled");
            Statistics1->setEnabled(enabled);
            History1->setEnabled(enabled);
            AlarmEvent1->setEnabled(enabled);
        }
    } catch (const std::exception& e) {
        setStatusText(e.what());
    }
}

bool TMainForm::confirmClose()
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), QStringLiteral("Exit HV-720 Management Module"),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    return box.exec() == QMessageBox::Ok;
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (m_closeRequested) {
        event->ignore();
        return;
    }
    if (m_identifying && !m_shutDown) {
        // Identification is waiting on its bindings: it ends the module
        // itself once its wait returns; the window goes at once.
        if (confirmClose()) {
            m_closeRequested = true;
            for (NvSNMPRequest2Edits* b : {m_unitBinding.get(), m_portBinding.get(), m_subUnitBinding.get()})
                if (b)
                    b->shutDown();
            hide();
        }
        event->ignore();
        return;
    }
    if (m_shutDown || !confirmClose()) {
        if (!m_shutDown)
            event->ignore();
        else
            event->accept();
        return;
    }
    shutDown();
    event->accept();
}

void TMainForm::shutDown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    // Requests are switched off and awaited before their bindings go, so that
    // no answer arrives for a freed binding.
    NvSNMPRequest2Controls::close(m_unitBinding);
    NvSNMPRequest2Controls::close(m_subUnitBinding);
    NvSNMPRequest2Controls::close(m_portBinding);
    NvSNMPRequest2Controls::close(m_rmonBinding);

    // Each form stops its own polling and waits for its last read; the forms
    // themselves belong to the scroll box's content and go with the window.
    for (TExpansionModuleForm* module : m_modulePanels)
        module->FormClose();
    for (TUnitPanelForm* panel : m_unitPanels)
        panel->FormClose();
    m_modulePanels.clear();
    m_unitPanels.clear();
    m_lastPanel = nullptr;
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        centre();
    }
}

void TMainForm::centre()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}
