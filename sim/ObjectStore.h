#pragma once
// The simulator's in-memory agent data: one sorted map from object identifier to
// typed value, plus the scalar and table descriptions that say what may be
// written, how values are checked and how rows come and go.
#include "sim/ObjectDescription.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

// SNMP error statuses used by the store (SNMPv2 numbering; the agent maps them for v1).
namespace snmperr {
enum : int {
    NoError = 0, TooBig = 1, NoSuchName = 2, BadValue = 3, ReadOnly = 4, GenErr = 5,
    NoAccess = 6, WrongType = 7, WrongLength = 8, WrongEncoding = 9, WrongValue = 10,
    NoCreation = 11, InconsistentValue = 12, ResourceUnavailable = 13, CommitFailed = 14,
    UndoFailed = 15, AuthorizationError = 16, NotWritable = 17, InconsistentName = 18,
};
}

class ObjectStore {
public:
    struct Entry {
        SimValue value;
        const ColumnSpec* spec = nullptr;
        // Served as value + perSecond for every second of uptime (counters, uptimes).
        std::int64_t perSecond = 0;
        // Served as the current local date and time ("2026/03/27 12:00:00").
        bool clock = false;
    };
    // One variable of a set request.
    struct SetItem {
        Oid oid;
        SimValue value;          // kind as received (octet strings arrive as Octets)
        int error = 0;           // filled by validate()
    };
    using Map = std::map<Oid, Entry>;
    // The values and rows of a store at one moment; its descriptions are not
    // part of it.
    struct Snapshot {
        Map objects;
        std::vector<std::set<Oid>> rows;  // per table, in the order they were added
    };

    ObjectStore();
    ~ObjectStore();

    // Port indexes of the stack ((unit - 1) * 64 + port), used by rows "ports" and the
    // port-list defaults; unit numbers for rows "units".
    void setStack(std::vector<int> ports, std::vector<int> units);
    const std::vector<int>& ports() const { return m_ports; }
    // Gives a loaded store, whose values are still their defaults, another
    // stack: the rows of tables loaded with "ports" or "units" and the port
    // lists at their default become what a load with that stack makes.
    void restack(std::vector<int> ports, std::vector<int> units);
    Snapshot snapshot() const;
    // Back to the values and rows of a snapshot of this store (the stack stays).
    void restore(const Snapshot& snapshot);
    const std::vector<int>& units() const { return m_units; }

    // Adds a scalar (served at oid.0) with its initial value from the column's template.
    ColumnSpec* addScalar(const ColumnSpec& spec);
    // Adds a table; columns get table set to it. Returns the table.
    TableSpec* addTable(const std::string& name, std::vector<IndexKind> index,
                        std::vector<ColumnSpec> columns, int controlColumn = -1,
                        const RowControl& control = RowControl());
    // Adds a row with every column at its default (the control column at its
    // initial "active" value). An existing row is left as it is.
    void addRow(TableSpec* table, const Oid& instance);
    // addRow for many rows, a column at a time (each value goes in next to the
    // one before it: loading a large stack stays linear).
    void addRows(TableSpec* table, const std::vector<Oid>& instances);
    void removeRow(TableSpec* table, const Oid& instance);

    // Rows text: items separated by ';', index components by ','; or one of the words
    // ports, units, vlans.
    std::vector<Oid> rowsFromText(const TableSpec& table, const std::string& text) const;

    bool knowsObject(const Oid& columnOrScalar) const { return m_specs.count(columnOrScalar) != 0; }
    // The spec whose object identifier is the longest prefix of oid, and the rest.
    const ColumnSpec* findSpec(const Oid& oid, Oid* instance = nullptr) const;
    TableSpec* findTable(const std::string& name) const;

    const Entry* get(const Oid& oid) const;
    // First entry after oid (or at oid when inclusive); nullptr at the end.
    const Map::value_type* next(const Oid& oid, bool inclusive) const;
    // Replaces the value of an existing object (no checks).
    bool put(const Oid& oid, const SimValue& value);
    // Makes an existing object grow by perSecond a second of uptime, or show the clock.
    bool setLive(const Oid& oid, std::int64_t perSecond, bool clock);
    // The value an entry shows after uptimeTicks hundredths of a second, the clock reading now.
    static SimValue served(const Entry& entry, std::uint64_t uptimeTicks, long long now);
    const Map& objects() const { return m_map; }

    // Checks a whole set request; each item's error is filled. Returns the index of
    // the first failing item, or -1 when all may be written.
    int validate(std::vector<SetItem>& items) const;
    // Writes a validated request: creates rows first, then values, then removals.
    void apply(const std::vector<SetItem>& items);

    // Initial value of a column in a row (template substitution, see defaults below).
    SimValue defaultValue(const ColumnSpec& spec, const Oid& instance) const;

    // A port list of 96 octets: every port of the stack, or a few chosen by salt.
    std::string portBits(bool all, int salt) const;

private:
    // Whether the column's default is a port list made from the stack's ports.
    static bool defaultFollowsStack(const ColumnSpec& spec);
    int checkValue(const ColumnSpec& spec, const SimValue& v) const;

    Map m_map;
    std::map<Oid, std::unique_ptr<ColumnSpec>> m_specs;
    std::vector<std::unique_ptr<TableSpec>> m_tables;
    std::vector<int> m_ports, m_units;
};
