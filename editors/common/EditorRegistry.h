#pragma once
// The feature editors the menu can open, found by the menu entry's component
// name. Each editor family lists its entries in a table of its own; the menu
// enables an editor entry only when an opener for it is listed here.
#include <functional>
#include <span>
#include <string_view>

class QTreeWidget;
class QWidget;
struct TMainSettings;

// What an editor needs from the main window when it opens.
struct EditorContext {
    QWidget* mainWindow = nullptr;            // owner of the editors the main window owns
    const TMainSettings* settings = nullptr;  // LargeFonts, ScaleFactor, the address text
    QTreeWidget* unitListView = nullptr;      // the identification tables the port pickers are filled from
    QTreeWidget* portIndexView = nullptr;
    QTreeWidget* subUnitView = nullptr;
    std::function<void()> refillUnitList;     // re-reads the unit table when it is empty
};

// Opens the editor modally and destroys it when it closes.
using EditorOpener = void (*)(const EditorContext& context);

struct EditorEntry {
    const char* component;  // the menu entry's component name, e.g. "StaticForm1"
    EditorOpener open;
};

// Every editor family's entries, joined.
std::span<const EditorEntry> editorEntries();
// The entry of the menu component, or nullptr when no editor is built for it.
const EditorEntry* findEditor(std::string_view component);
