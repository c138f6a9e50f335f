#pragma once
// The owned run-time copy of a descriptor table that a request works on; each
// row carries its current value text and the identifier last received for it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "snmp/NvSNMPVarDescriptor.h"

struct NvSNMPVarRow {
    std::string oid;
    std::string label;
    NvSyntax syntax = NvSyntax{};
    int32_t access = 0;
    const NvOptionList* options = nullptr;  // shared, not owned
    std::optional<std::string> getExpression;
    std::optional<std::string> setExpression;
    std::optional<std::string> extraText;
    std::string value;    // display form (the option label for enumerated rows)
    std::string lastOid;  // full identifier (with instance) last received
    std::string ranges;   // allowed values or lengths, as in the descriptor; empty: any
};

class NvSNMPVarList {
public:
    enum Kind : uint8_t { ScalarGroup = 0, SingleInstance = 1, Table = 2, EditableTable = 3 };

    NvSNMPVarList();
    NvSNMPVarList(const NvSNMPVarDescriptor* table, Kind listKind, int32_t indexCount);
    // A copy starts with an empty instance, then takes everything else.
    NvSNMPVarList(const NvSNMPVarList& other);
    // Same as assign: the target keeps its own instance.
    NvSNMPVarList& operator=(const NvSNMPVarList& other);

    // Drops the rows, copies kind, index count and name (not the instance), deep-copies the rows.
    void assign(const NvSNMPVarList& other);
    // Adds a row per descriptor up to the closing record.
    void append(const NvSNMPVarDescriptor* table);
    void clear();

    int32_t count() const { return static_cast<int32_t>(m_rows.size()); }
    NvSNMPVarRow& row(int index) { return m_rows[static_cast<size_t>(index)]; }
    const NvSNMPVarRow& row(int index) const { return m_rows[static_cast<size_t>(index)]; }

    bool isTable() const { return listKind == Table || listKind == EditableTable; }
    bool isReadable(int index) const;
    bool isWritable(int index) const;
    bool isListed(int index) const;
    bool isHiddenColumn(int index) const;
    bool isImplied(int index) const;
    int listedCount() const;
    int hiddenColumnCount() const;

    std::string instance;
    int32_t indexCount = 0;
    Kind listKind = ScalarGroup;
    std::string name;

private:
    std::vector<NvSNMPVarRow> m_rows;
};
