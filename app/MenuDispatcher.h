#pragma once
// Builds the main window's menus and the port buttons' pop-up menu from the
// menu table and runs their entries: the generic view recipe, the feature
// editors, the companion programs, help, about and exit. Ctrl+K opens the find
// box over every enabled entry.
#include <QObject>
#include <QString>
#include <map>
#include <string>
#include <string_view>

#include "app/MenuCatalogue.h"
#include "editors/common/EditorRegistry.h"
#include "platform/Registry.h"

class QAction;
class QMenu;
class TMainForm;
class TPortButton;

class TMenuDispatcher : public QObject {
    Q_OBJECT

public:
    explicit TMenuDispatcher(TMainForm* mainForm);

    // Creates every menu and entry on the main window's menu bar and the pop-up menu.
    void build();
    // The registry the companion launch probes for the host product.
    void setRegistry(const Registry& registry) { m_registry = registry; }

    // The action of an entry and the menu of a submenu or pop-up, by component name; null when unknown.
    QAction* action(std::string_view component) const;
    QMenu* menu(std::string_view component) const;

    // What choosing the entry does (the entry's <Component>Click).
    void click(const TMenuEntry& entry);

    // The find box; chooses and runs an entry.
    void findView();
    // The captions from the menu bar down to the entry, joined by " › ".
    static QString menuPath(const TMenuEntry& entry);

    // What a feature editor gets from the main window.
    EditorContext editorContext() const;

private:
    void openView(const TMenuEntry& entry);
    void openEditor(const TMenuEntry& entry);
    void launchCompanion(const TMenuEntry& entry);
    void showHelp();
    void showAbout();
    // The port button the pop-up menu was opened on (or the one that is down), put down alone.
    TPortButton* selectPopupPort();

    TMainForm* m_mainForm;
    Registry m_registry;
    std::map<std::string, QAction*, std::less<>> m_actions;
    std::map<std::string, QMenu*, std::less<>> m_menus;
};
