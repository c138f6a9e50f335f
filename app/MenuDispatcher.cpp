#include "app/MenuDispatcher.h"

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QShortcut>
#include <QStatusBar>
#include <memory>

#include "app/AboutFormUnit.h"
#include "app/CompanionLauncher.h"
#include "app/MainUnit.h"
#include "app/ViewFinderFormUnit.h"
#include "bind/GUIConfigForm.h"
#include "bind/NvSNMPRequest2Edits.h"
#include "panels/PortButton.h"
#include "panels/PortButtonList.h"
#include "platform/HelpViewer.h"
#include "snmp/NvSNMPSession.h"
#include "snmp/NvSNMPVarList.h"

namespace {

const QString kHelpFile = QStringLiteral("HV-720 vistanehelp2.hlp");
const QString kStpNotes = QStringLiteral("Notes : 2*(Forward Delay-100)>=Max Age>=2*(Hello Time+100))");
// How long the message for a companion that cannot be started stays up.
constexpr int kCompanionFailureMs = 15000;

QString text(const char* value)
{
    return QString::fromUtf8(value);
}

// Views of 64-bit counters need SNMPv2c: an SNMPv1 session is switched to it
// while the view's requests are built and shown, and switched back afterwards,
// even when the view fails.
class VersionForCounters64 {
public:
    explicit VersionForCounters64(bool active) : m_saved(NvSNMPSecurity.version)
    {
        if (active && m_saved == 0)
            NvSNMPSecurity.version = 1;
    }
    ~VersionForCounters64() { NvSNMPSecurity.version = m_saved; }
    VersionForCounters64(const VersionForCounters64&) = delete;
    VersionForCounters64& operator=(const VersionForCounters64&) = delete;

private:
    int8_t m_saved;
};

// The form's size after its panel is attached, by the entry's size rule.
void applySize(QWidget& form, const TViewSize& size, double s)
{
    int width = form.width();
    int height = form.height();
    if (size.height > 0)
        height = size.heightScaled ? static_cast<int>(size.height * s) : size.height;
    height += static_cast<int>(size.addHeight * s);
    width += static_cast<int>(size.addWidth * s);
    if (width != form.width() || height != form.height()) {
        form.setMinimumSize(0, 0);
        form.resize(width, height);
    }
}

}  // namespace

TMenuDispatcher::TMenuDispatcher(TMainForm* mainForm) : QObject(mainForm), m_mainForm(mainForm)
{
    setObjectName(QStringLiteral("MenuDispatcher"));
}

void TMenuDispatcher::build()
{
    QMenuBar* bar = m_mainForm->menuBar();
    for (const TMenuEntry& entry : MenuCatalogue::entries()) {
        QMenu* parent = entry.parent ? menu(entry.parent) : nullptr;
        QAction* item = nullptr;
        switch (entry.kind) {
        case TMenuKind::PopupMenu: {
            auto* popup = new QMenu(m_mainForm);
            popup->setObjectName(text(entry.component));
            m_menus.emplace(entry.component, popup);
            continue;
        }
        case TMenuKind::Submenu: {
            QMenu* sub = parent ? parent->addMenu(text(entry.caption)) : bar->addMenu(text(entry.caption));
            sub->setObjectName(text(entry.component));
            m_menus.emplace(entry.component, sub);
            item = sub->menuAction();
            break;
        }
        case TMenuKind::Separator:
            item = parent->addSeparator();
            break;
        default:
            item = parent ? parent->addAction(text(entry.caption)) : bar->addAction(text(entry.caption));
            break;
        }
        if (entry.component) {
            item->setObjectName(text(entry.component));
            m_actions.emplace(entry.component, item);
        }
        if (entry.has(Hidden))
            item->setVisible(false);
        if (entry.kind == TMenuKind::Editor)
            item->setEnabled(findEditor(entry.component) != nullptr);
        if (entry.isAction())
            connect(item, &QAction::triggered, this, [this, &entry] { click(entry); });
    }

    auto* find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), m_mainForm);
    find->setObjectName(QStringLiteral("FindViewShortcut"));
    connect(find, &QShortcut::activated, this, &TMenuDispatcher::findView);
}

QAction* TMenuDispatcher::action(std::string_view component) const
{
    const auto found = m_actions.find(component);
    return found == m_actions.end() ? nullptr : found->second;
}

QMenu* TMenuDispatcher::menu(std::string_view component) const
{
    const auto found = m_menus.find(component);
    return found == m_menus.end() ? nullptr : found->second;
}

void TMenuDispatcher::click(const TMenuEntry& entry)
{
    switch (entry.kind) {
    case TMenuKind::View:
        openView(entry);
        break;
    case TMenuKind::Editor:
        openEditor(entry);
        break;
    case TMenuKind::Companion:
        launchCompanion(entry);
        break;
    case TMenuKind::Help:
        showHelp();
        break;
    case TMenuKind::About:
        showAbout();
        break;
    case TMenuKind::Exit:
        m_mainForm->close();
        break;
    default:
        break;
    }
}

void TMenuDispatcher::openView(const TMenuEntry& entry)
{
    const VersionForCounters64 version(entry.has(V2cWhileOpen));
    TPortButton* port = nullptr;
    if (entry.has(PortInstance)) {
        port = selectPopupPort();
        if (!port)
            return;
    }

    m_mainForm->viewTitle = text(entry.title);
    auto form = std::make_unique<TConfigForm>(m_mainForm);
    auto binding = std::make_unique<NvSNMPRequest2Edits>(form.get());
    binding->request.varList.assign(
        NvSNMPVarList(entry.table, MenuCatalogue::listKind(entry), MenuCatalogue::indexCount(entry)));
    if (port)
        binding->request.varList.instance = std::to_string(port->tag());
    if (MenuCatalogue::isTableView(entry)) {
        // A table whose status row lacks the texts opens without Add and Delete
        // instead of failing to open.
        const int statusRow = MenuCatalogue::offeredStatusRow(entry);
        const bool rowCreation = statusRow >= 0;
        form->showTable(std::move(binding), statusRow, rowCreation ? entry.createText : "", statusRow,
                        rowCreation ? entry.deleteText : "");
    } else
        form->showEditor(std::move(binding));

    const double s = m_mainForm->settings.ScaleFactor;
    const int heightBefore = form->height();
    applySize(*form, entry.size, s);
    if (entry.has(StpNotes)) {
        auto* notes = new QLabel(kStpNotes, form.get());
        notes->setObjectName(QStringLiteral("NotesLabel"));
        notes->setStyleSheet(QStringLiteral("color: red"));
        notes->setFixedHeight(form->height() - heightBefore);
        form->layout()->addWidget(notes);
    }
    const QString separator = entry.has(BlankAfterColon) ? QStringLiteral(": ") : QStringLiteral(":");
    form->setWindowTitle(m_mainForm->viewTitle + separator + QString::fromStdString(m_mainForm->settings.addressText));
    form->exec();
    form.reset();

    if (entry.has(RefreshRmon))
        m_mainForm->refreshRmonState();
}

TPortButton* TMenuDispatcher::selectPopupPort()
{
    TPortButtonList* buttons = m_mainForm->portButtons();
    if (!buttons)
        return nullptr;
    auto* port = qobject_cast<TPortButton*>(
        m_mainForm->PortInfoPopupMenu->property("popupComponent").value<QObject*>());
    if (!port)
        port = buttons->selected();
    if (port)
        buttons->select(port);
    return port;
}

EditorContext TMenuDispatcher::editorContext() const
{
    TMainForm* main = m_mainForm;
    EditorContext context;
    context.mainWindow = main;
    context.settings = &main->settings;
    context.unitListView = main->UnitListView;
    context.portIndexView = main->lvPortIndex;
    context.subUnitView = main->lvSubUnit;
    // Reads the unit table again, completing before it returns; a failure is
    // thrown to the editor, which reports it on its own status line.
    context.refillUnitList = [main] {
        NvSNMPRequest2Edits* binding = main->unitTableBinding();
        if (!binding)
            return;
        const bool asynchronous = binding->asynchronous;
        binding->asynchronous = false;
        try {
            binding->get();
        } catch (...) {
            binding->asynchronous = asynchronous;
            throw;
        }
        binding->asynchronous = asynchronous;
    };
    return context;
}

void TMenuDispatcher::openEditor(const TMenuEntry& entry)
{
    if (const EditorEntry* editor = findEditor(entry.component))
        editor->open(editorContext());
}

void TMenuDispatcher::launchCompanion(const TMenuEntry& entry)
{
    const QString view = text(entry.viewArgument);
    const bool started = CompanionLauncher::launch(view, m_mainForm->settings, m_registry,
                                                   [this](const QString& status) { m_mainForm->StatusPanel->setText(status); });
    // A temporary message covers the status panel that the LED poll rewrites, so
    // the failure stays readable for its time.
    if (!started)
        m_mainForm->StatusBar->showMessage(CompanionLauncher::startFailureText(view), kCompanionFailureMs);
}

void TMenuDispatcher::showHelp()
{
    const HelpViewer::Result result = HelpViewer::open(kHelpFile);
    if (result != HelpViewer::Result::Opened)
        QMessageBox::warning(m_mainForm, QStringLiteral("Help"), HelpViewer::failureText(result, kHelpFile));
}

void TMenuDispatcher::showAbout()
{
    TAboutForm about(m_mainForm);
    about.exec();
}

QString TMenuDispatcher::menuPath(const TMenuEntry& entry)
{
    QString path = text(entry.caption).trimmed();
    for (const TMenuEntry* up = entry.parent ? MenuCatalogue::find(entry.parent) : nullptr; up;
         up = up->parent ? MenuCatalogue::find(up->parent) : nullptr) {
        if (up->kind == TMenuKind::PopupMenu)
            break;
        path = text(up->caption).trimmed() + QStringLiteral(" › ") + path;
    }
    return path;
}

void TMenuDispatcher::findView()
{
    std::vector<TViewFinderForm::Item> items;
    for (const TMenuEntry& entry : MenuCatalogue::entries()) {
        // Entries of the port pop-up need the port the menu was opened on.
        if (!entry.isAction() || entry.has(Hidden) || entry.has(PortInstance))
            continue;
        QAction* item = action(entry.component);
        if (item && item->isEnabled())
            items.push_back({menuPath(entry), item});
    }
    TViewFinderForm finder(std::move(items), m_mainForm);
    if (finder.exec() == QDialog::Accepted && finder.chosen())
        finder.chosen()->trigger();
}
