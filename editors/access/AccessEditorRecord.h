#pragma once
// The access-profile (mask) and access-rule editors as data. One record per
// editor names its table, its controls, its checks and the rules that decide
// which columns a write carries; TAccessEditorForm reads a record and does the
// rest (building the form, the checks, the one write procedure). The records
// live in AccessMaskEditors.cpp and AccessRuleEditors.cpp, each family beside
// its CPU-interface twin.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>

struct NvSNMPVarDescriptor;

// A set of table columns: bit n stands for column n (columns start at 1).
using ColumnSet = uint32_t;

constexpr ColumnSet columns(std::initializer_list<int> list)
{
    ColumnSet set = 0;
    for (int column : list)
        set |= ColumnSet{1} << column;
    return set;
}

constexpr ColumnSet columnRange(int first, int last)
{
    ColumnSet set = 0;
    for (int column = first; column <= last; ++column)
        set |= ColumnSet{1} << column;
    return set;
}

// Every column that is neither an index nor the Row Status (what a delete leaves out).
constexpr ColumnSet AllButRowStatus = ~ColumnSet{0};

// A test on the form's controls. The column names the control of that column
// (its edit or combo box; for Checked/Unchecked the column's check box).
enum class AccessTest : uint8_t {
    None,              // unused entry: always holds
    Empty,             // the column's edit is empty
    TextIs,            // the combo's (or edit's) text equals text
    TextIsNot,
    IndexIs,           // the combo's selected item is number
    IndexIsNot,
    NoSelection,       // the combo has no selected item
    Checked,           // the column's check box is checked
    Unchecked,
    Duplicate,         // a listed row has the same ids as the id edits
    CheckedCountAbove, // more than number of the check boxes of columnSet are checked
};

struct AccessCondition {
    AccessTest test = AccessTest::None;
    int column = 0;
    const char* text = nullptr;
    int number = 0;
    ColumnSet columnSet = 0;
};

// All conditions must hold; unused entries are AccessTest::None.
using AccessConditions = std::array<AccessCondition, 4>;

// Shorthands for the tables.
constexpr AccessCondition empty(int column) { return {.test = AccessTest::Empty, .column = column}; }
constexpr AccessCondition textIs(int column, const char* text) { return {.test = AccessTest::TextIs, .column = column, .text = text}; }
constexpr AccessCondition textIsNot(int column, const char* text) { return {.test = AccessTest::TextIsNot, .column = column, .text = text}; }
constexpr AccessCondition indexIs(int column, int item) { return {.test = AccessTest::IndexIs, .column = column, .number = item}; }
constexpr AccessCondition indexIsNot(int column, int item) { return {.test = AccessTest::IndexIsNot, .column = column, .number = item}; }
constexpr AccessCondition noSelection(int column) { return {.test = AccessTest::NoSelection, .column = column}; }
constexpr AccessCondition checked(int column) { return {.test = AccessTest::Checked, .column = column}; }
constexpr AccessCondition unchecked(int column) { return {.test = AccessTest::Unchecked, .column = column}; }
constexpr AccessCondition duplicate() { return {.test = AccessTest::Duplicate}; }
constexpr AccessCondition checkedCountAbove(ColumnSet set, int limit) { return {.test = AccessTest::CheckedCountAbove, .number = limit, .columnSet = set}; }

// An input check: when its conditions hold, the message is shown in a message
// box and nothing is sent.
struct AccessCheck {
    AccessConditions when{};
    const char* message = nullptr;
    int focusColumn = 0;  // control that gets the focus (when it can take it); 0: none
};

// A column rule: when its conditions hold, the columns are left out of the write.
struct AccessColumnRule {
    ColumnSet leaveOut = 0;
    AccessConditions when{};
    bool eachWhenEmpty = false;  // each column only when its own edit is empty
};

enum class AccessOperation : uint8_t { Add, Modify, Delete };

// An operation that runs as another one when its conditions hold.
struct AccessRedirect {
    AccessConditions when{};
    AccessOperation runAs = AccessOperation::Add;
};

struct AccessOperationSpec {
    std::span<const AccessCheck> idChecks{};      // tried first, in order
    std::span<const AccessRedirect> redirects{};  // then these, in order
    std::span<const AccessCheck> checks{};        // then these, in order
    std::span<const AccessCheck> moreChecks{};    // then these (a list shared with other operations)
    std::span<const AccessColumnRule> rules{};
    std::span<const AccessColumnRule> moreRules{};
    const char* rowStatus = nullptr;  // Row Status text written into the combo before sending
};

// Every editor deletes the same way: it sends only the Row Status, "destroy".
inline constexpr AccessColumnRule LeaveOutAllButRowStatus[] = {{.leaveOut = AllButRowStatus}};
inline constexpr AccessOperationSpec DeleteOperation = {.rules = LeaveOutAllButRowStatus, .rowStatus = "destroy"};

// One control of a family, with its forwarding-list and CPU-twin variants side
// by side. A combo box is made for columns with an option list, an edit otherwise.
struct AccessControlSpec {
    int column = 0;                // column in the forwarding-list table; 0: not there
    int cpuColumn = 0;             // column in the CPU twin's table; 0: not there
    const char* name = nullptr;    // the edit's or combo's object name
    const char* checkName = nullptr;  // rule editors: the column's check box
    const char* caption = nullptr;
    const char* cpuCaption = nullptr;  // null: the same as caption
    const char* constraint = nullptr;  // edits
    const char* cpuConstraint = nullptr;  // null: the same as constraint
    const char* defaultItem = nullptr;    // combo item selected when the form opens
};

struct AccessButtonNames {
    const char* refresh = nullptr;
    const char* modify = nullptr;
    const char* modifyCaption = nullptr;
    const char* add = nullptr;
    const char* remove = nullptr;
    const char* checkAll = nullptr;   // rule editors
    const char* clearChecks = nullptr;
};

struct AccessEditorRecord {
    const char* component = nullptr;        // menu entry
    const char* className = nullptr;        // the form's object name
    const char* designedCaption = nullptr;
    const char* addressTitle = nullptr;     // caption = title + address; null keeps the designed caption
    const NvSNMPVarDescriptor* table = nullptr;
    int indexCount = 1;                     // 1 for masks, 2 for rules
    bool cpu = false;                       // CPU twin: cpuColumn, cpuCaption and cpuConstraint apply
    bool mainWindowOwner = false;           // owned by the main window instead of the application
    std::span<const AccessControlSpec> controls{};
    AccessButtonNames buttons{};
    AccessOperationSpec add{}, modify{};
    AccessOperationSpec remove = DeleteOperation;
    // Rule editors: the port-list column (0: no port panel), the permit column and
    // the columns a "deny" disables and leaves out.
    int portColumn = 0;
    int permitColumn = 0;
    ColumnSet denyColumns = 0;
    bool mirrorKeepsPriority = false;  // "mirror" leaves the priority controls as they are
    int designedWidth = 760;
    int designedHeight = 520;

    bool isRuleEditor() const { return indexCount == 2; }
};

// The sixteen editors, masks first.
std::span<const AccessEditorRecord> accessMaskEditors();
std::span<const AccessEditorRecord> accessRuleEditors();
