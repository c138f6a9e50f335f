#pragma once
// The main window's menu as data: every entry of the ten menus and of the port
// buttons' pop-up menu, in menu order, with what it opens. TMenuDispatcher builds
// the menus from this table and runs its entries; nothing else knows the tree.
#include <cstdint>
#include <span>
#include <string_view>

#include "snmp/NvSNMPVarList.h"

struct NvSNMPVarDescriptor;
struct NvViewTable;

enum class TMenuKind : uint8_t {
    Submenu,    // opens the entries whose parent it is
    PopupMenu,  // a pop-up menu of its own (not on the menu bar)
    Separator,
    Inert,      // exists in the tree, does nothing
    View,       // a generic configuration view built from a catalogue table
    Editor,     // a feature editor form, found in the editor registry
    Companion,  // a companion program started with a view argument
    Help,
    About,
    Exit,
};

// Flags of an entry.
enum TMenuFlag : unsigned {
    Hidden = 1u << 0,           // exists but is never visible
    BlankAfterColon = 1u << 1,  // caption "<title>: <address>" instead of "<title>:<address>"
    V2cWhileOpen = 1u << 2,     // SNMPv1 sessions use SNMPv2c while the view is built (64-bit counters)
    RefreshRmon = 1u << 3,      // the main window re-reads the RMON state when the view closes
    StpNotes = 1u << 4,         // a red notes line on the bridge timing rule in the added space
    PortInstance = 1u << 5,     // one port: single-instance list for the port button the pop-up was opened on
};

// How a generic view's form is resized after its panel is attached; s is the
// main window's ScaleFactor and every product is truncated toward zero.
struct TViewSize {
    int height = 0;             // the height becomes this (0: kept) ...
    bool heightScaled = false;  // ... times s
    int addHeight = 0;          // the height grows by addHeight × s
    int addWidth = 0;           // the width grows by addWidth × s
};

struct TMenuEntry {
    const char* component = nullptr;  // the control name; the entry's handler is <component>Click
    const char* caption = "";
    const char* parent = nullptr;     // component of the enclosing menu; none on the menu bar
    TMenuKind kind = TMenuKind::Inert;
    // Generic views.
    const char* title = nullptr;                     // view title, the start of the form's caption
    const NvSNMPVarDescriptor* table = nullptr;      // catalogue table; list kind and index count come with it
    int statusRow = -1;                              // row-status row of an editable table, -1 for none
    const char* createText = "";                     // its value texts that create and delete a row
    const char* deleteText = "";
    TViewSize size;
    // Companion entries.
    const char* viewArgument = nullptr;  // "/T<companion>_<view>"
    unsigned flags = 0;

    bool has(TMenuFlag flag) const { return (flags & flag) != 0; }
    // Whether choosing the entry does something (views, editors, companions, help, about, exit).
    bool isAction() const { return kind >= TMenuKind::View; }
};

class MenuCatalogue {
public:
    static std::span<const TMenuEntry> entries();
    // The entry with the component name; null when there is none.
    static const TMenuEntry* find(std::string_view component);

    // The catalogue's record of a view entry's table (list kind, index count); null for other entries.
    static const NvViewTable* viewTable(const TMenuEntry& entry);
    // The list kind and index count a view entry builds its variable list with.
    static NvSNMPVarList::Kind listKind(const TMenuEntry& entry);
    static int indexCount(const TMenuEntry& entry);
    // Whether the view shows a table (list view) rather than one row per variable.
    static bool isTableView(const TMenuEntry& entry);
    // The row-status row the table view is given: the entry's, when that row
    // offers both of the entry's texts, otherwise -1 (no Add and Delete).
    static int offeredStatusRow(const TMenuEntry& entry);
};
