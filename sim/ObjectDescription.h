#pragma once
// Descriptions of the objects the simulator serves: scalars, table columns and
// tables with their index layout and the column that creates and removes rows.
#include "sim/SimValue.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

enum class Access { NotAccessible, ReadOnly, ReadWrite };

// How one index component is encoded in the instance suffix.
enum class IndexKind { Integer, String, Implied, IpAddress, Mac };

// The row-creating column of a table: which written values create, remove or
// merely update a row.
struct RowControl {
    std::map<std::int64_t, std::int64_t> create;   // value written on a missing row -> value stored
    std::set<std::int64_t> destroy;                // values that remove the row
    std::set<std::int64_t> keep;                   // values stored as written on an existing row
    std::set<std::int64_t> conflict;               // values refused on an existing row

    // std: RowStatus; valid: invalid(2)/valid(3); adddel: add(1)/delete(2); go: createAndGo/destroy only.
    static bool fromWord(const std::string& word, RowControl& out);
    bool knows(std::int64_t v) const;
};

struct TableSpec;

struct ColumnSpec {
    Oid oid;                         // column object (tables) or scalar object without ".0"
    ValueKind kind = ValueKind::Integer;
    Access access = Access::ReadOnly;
    std::vector<std::int64_t> enumValues;  // empty: any value in range
    bool hasRange = false;
    std::int64_t minValue = 0, maxValue = 0;
    int minLength = 0, maxLength = -1;     // octet strings; -1: the kind's natural limit
    std::string defaultText;               // template of the initial value (see ObjectStore)
    TableSpec* table = nullptr;            // null for scalars
    // Called after a successful write of this object.
    std::function<void(const Oid& instance, const SimValue& value)> onWrite;

    bool isScalar() const { return table == nullptr; }
    int lengthLimit() const;
};

struct TableSpec {
    std::string name;
    std::vector<IndexKind> index;          // empty: a single integer instance
    std::vector<ColumnSpec*> columns;      // owned by the store
    ColumnSpec* control = nullptr;         // row-creating column, if any
    RowControl rowControl;
    std::set<Oid> rows;                    // instances of the existing rows
    std::string rowsText;                  // the rows it was loaded with (see ObjectStore::rowsFromText)

    // True when the suffix is a complete, well-formed instance of this table.
    bool validInstance(const Oid& instance) const;
};
