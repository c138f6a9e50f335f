#pragma once
// Reads table and scalar descriptions written in the simulator's small text
// format into an object store (see README.md, "Object description format").
#include "sim/ObjectStore.h"

#include <string>
#include <vector>

class SpecReader {
public:
    explicit SpecReader(ObjectStore& store) : m_store(store) {}
    // Loads every description of the text; false with a message on a bad line.
    bool load(const std::string& text, std::string& error);

    // Splits a line into words; double quotes group words and are removed.
    static std::vector<std::string> split(const std::string& line);

private:
    struct PendingTable {
        std::string name, rows, control;
        Oid controlOid;
        std::vector<IndexKind> index;
        std::vector<ColumnSpec> columns;
    };
    bool parseObject(const std::vector<std::string>& words, ColumnSpec& spec, std::string& error) const;
    bool resolveOid(const std::string& word, Oid& oid) const;
    bool flush(std::string& error);

    ObjectStore& m_store;
    Oid m_base;
    bool m_haveTable = false;
    PendingTable m_table;
};
