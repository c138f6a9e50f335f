// Variable lists built from descriptor tables, their predicates and copy
// semantics, and option-list lookups in both directions.
#include <gtest/gtest.h>

#include "snmp/NvOptionList.h"
#include "snmp/NvSNMPVarList.h"

namespace {

const NvOptionPair kEnableDisable[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const NvTextOptionPair kAuthProtocols[] = {
    {"1.3.6.1.6.3.10.1.1.1", "None"},
    {"1.3.6.1.6.3.10.1.1.2", "MD5"},
    {"1.3.6.1.6.3.10.1.1.3", "SHA"},
    {nullptr, nullptr}};

const NvOptionList kStateList(kEnableDisable);
const NvOptionList kAuthList(kAuthProtocols);

// A table with two index columns (one of them implied), a read-only column,
// a read-write enumerated column and a write-only column.
const NvSNMPVarDescriptor kTable[] = {
    {"1.3.6.1.4.1.497.1.1.1", "Unit", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.497.1.1.2", "Name", SyntaxDisplayString, AccessIndex | AccessImplied},
    {"1.3.6.1.4.1.497.1.1.3", "Packets", SyntaxCounter, AccessReadable},
    {"1.3.6.1.4.1.497.1.1.4", "State", SyntaxInteger, AccessReadable | AccessWritable, &kStateList},
    {"1.3.6.1.4.1.497.1.1.5", "Action", SyntaxInteger, AccessWritable, nullptr, nullptr, nullptr,
     nullptr, "3", "1.3.6.1.4.1.497.1.1.5.7"},
    {nullptr},
};

const NvSNMPVarDescriptor kEmptyTable[] = {{nullptr}};

} // namespace

TEST(VarList, RowsAreCopiedFromTheDescriptors)
{
    NvSNMPVarList list(kTable, NvSNMPVarList::EditableTable, 2);
    ASSERT_EQ(list.count(), 5);
    EXPECT_EQ(list.row(3).oid, "1.3.6.1.4.1.497.1.1.4");
    EXPECT_EQ(list.row(3).label, "State");
    EXPECT_EQ(list.row(3).options, &kStateList);
    EXPECT_EQ(list.row(3).value, "");
    EXPECT_EQ(list.row(4).value, "3");
    EXPECT_EQ(list.row(4).lastOid, "1.3.6.1.4.1.497.1.1.5.7");
    EXPECT_FALSE(list.row(4).getExpression.has_value());

    list.append(kTable);
    EXPECT_EQ(list.count(), 10);
    EXPECT_EQ(list.row(5).label, "Unit");

    NvSNMPVarList empty(kEmptyTable, NvSNMPVarList::Table, 0);
    EXPECT_EQ(empty.count(), 0);
    empty.append(kEmptyTable);
    EXPECT_EQ(empty.count(), 0);
}

TEST(VarList, PredicatesPerRowAndKind)
{
    struct Case {
        NvSNMPVarList::Kind kind;
        int row;
        int32_t extraAccess;
        bool readable, writable, listed, hiddenColumn, implied;
    };
    const Case cases[] = {
        // index rows of a table are writable although their access is only "index"
        {NvSNMPVarList::Table, 0, 0, false, true, true, false, false},
        {NvSNMPVarList::EditableTable, 1, 0, false, true, true, false, true},
        // ... but not in a scalar group or single-instance list
        {NvSNMPVarList::ScalarGroup, 0, 0, false, false, true, false, false},
        {NvSNMPVarList::SingleInstance, 0, 0, false, false, true, false, false},
        {NvSNMPVarList::Table, 2, 0, true, false, true, false, false},
        {NvSNMPVarList::Table, 3, 0, true, true, true, false, false},
        // write-only rows are hidden columns and not listed
        {NvSNMPVarList::Table, 4, 0, false, true, false, true, false},
        // the excluded flag wins over everything except the implied bit
        {NvSNMPVarList::Table, 0, AccessExcluded, false, false, false, true, false},
        {NvSNMPVarList::Table, 1, AccessExcluded, false, false, false, true, true},
        {NvSNMPVarList::Table, 3, AccessExcluded, false, false, false, true, false},
        // hidden rows stay readable and writable but leave the list columns
        {NvSNMPVarList::Table, 3, AccessHidden, true, true, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << int(c.kind) << " row " << c.row << " extra " << c.extraAccess);
        NvSNMPVarList list(kTable, c.kind, 2);
        list.row(c.row).access |= c.extraAccess;
        EXPECT_EQ(list.isReadable(c.row), c.readable);
        EXPECT_EQ(list.isWritable(c.row), c.writable);
        EXPECT_EQ(list.isListed(c.row), c.listed);
        EXPECT_EQ(list.isHiddenColumn(c.row), c.hiddenColumn);
        EXPECT_EQ(list.isImplied(c.row), c.implied);
    }

    NvSNMPVarList list(kTable, NvSNMPVarList::Table, 2);
    list.row(2).access |= AccessHidden;
    EXPECT_EQ(list.listedCount(), 3);        // two indexes and State
    EXPECT_EQ(list.hiddenColumnCount(), 2);  // Packets (hidden) and the write-only Action
}

TEST(VarList, AssignAndCopyKeepTheTargetInstanceAndCopyDeeply)
{
    NvSNMPVarList source(kTable, NvSNMPVarList::EditableTable, 2);
    source.instance = "1.3.97.98.99";
    source.name = "Units";
    source.row(3).value = "enabled";

    NvSNMPVarList target(kEmptyTable, NvSNMPVarList::ScalarGroup, 0);
    target.instance = "7";
    target.assign(source);
    EXPECT_EQ(target.instance, "7");
    EXPECT_EQ(target.listKind, NvSNMPVarList::EditableTable);
    EXPECT_EQ(target.indexCount, 2);
    EXPECT_EQ(target.name, "Units");
    ASSERT_EQ(target.count(), 5);
    EXPECT_EQ(target.row(3).options, &kStateList);  // option lists are shared

    target.row(3).value = "disabled";  // rows are independent copies
    EXPECT_EQ(source.row(3).value, "enabled");

    NvSNMPVarList copy(source);
    EXPECT_EQ(copy.instance, "");
    EXPECT_EQ(copy.count(), 5);
    EXPECT_EQ(copy.row(3).value, "enabled");

    NvSNMPVarList assigned;
    assigned.instance = "9";
    assigned = source;
    EXPECT_EQ(assigned.instance, "9");
    EXPECT_EQ(assigned.count(), 5);

    assigned.assign(assigned);  // self-assignment keeps the rows
    EXPECT_EQ(assigned.count(), 5);

    assigned.clear();
    EXPECT_EQ(assigned.count(), 0);
    EXPECT_EQ(source.count(), 5);
}

TEST(OptionList, IntegerLookupsBothWays)
{
    struct Case {
        const char* input;
        const char* label;  // labelOfValue(input)
        const char* value;  // valueOfLabel(input)
    };
    const Case cases[] = {
        {"1", "enabled", "1"},
        {"2", "disabled", "2"},
        {"enabled", "enabled", "1"},
        {"ENABLED", "ENABLED", "1"},     // labels compare without regard to case
        {"Disabled", "Disabled", "2"},
        {"7", "7", "7"},                 // a number no item has stays as it is
        {"(NULL)", "(NULL)", "(NULL)"},  // an absent value is never a number
        {"1x", "1x", "1x"},
        {"", "", ""},
        {"enable", "enable", "enable"},  // the whole label must match
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(kStateList.labelOfValue(c.input), c.label);
        EXPECT_EQ(kStateList.valueOfLabel(c.input), c.value);
    }
    EXPECT_EQ(kStateList.indexOfValue("-1"), -1);
    EXPECT_EQ(kStateList.indexOfValue("99999999999"), -1);
    EXPECT_EQ(kStateList.indexOfLabel("DISABLED"), 1);
}

TEST(OptionList, TextValuesAndCaseSensitiveLists)
{
    EXPECT_EQ(kAuthList.labelOfValue("1.3.6.1.6.3.10.1.1.2"), "MD5");
    EXPECT_EQ(kAuthList.valueOfLabel("sha"), "1.3.6.1.6.3.10.1.1.3");
    EXPECT_EQ(kAuthList.labelOfValue("1.3.6.1.6.3.10.1.1.9"), "1.3.6.1.6.3.10.1.1.9");
    EXPECT_EQ(kAuthList.indexOfValue("1.3.6.1.6.3.10.1.1"), -1);

    NvOptionList exact(kEnableDisable, true);
    EXPECT_EQ(exact.valueOfLabel("ENABLED"), "ENABLED");
    EXPECT_EQ(exact.valueOfLabel("enabled"), "1");

    NvOptionList grown(kEnableDisable);
    grown.append(kEnableDisable);
    EXPECT_EQ(grown.count(), 4);
    EXPECT_EQ(grown.indexOfValue("2"), 1);  // the first item with the value wins
    grown.clear();
    EXPECT_EQ(grown.count(), 0);
    EXPECT_EQ(grown.labelOfValue("1"), "1");
}
