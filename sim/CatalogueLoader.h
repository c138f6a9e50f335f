#pragma once
// Serves the objects of a view catalogue dump (tab-separated: table number,
// opener, list kind, index count, row number, oid, label, syntax, access,
// options, allowed values) with believable values, leaving objects already
// served untouched.
#include "sim/ObjectStore.h"

class CatalogueValues;
struct CatalogueObject;

#include <string>

class CatalogueLoader {
public:
    explicit CatalogueLoader(ObjectStore& store) : m_store(store) {}
    // Returns false with a message when the text cannot be read.
    bool load(const std::string& tsv, std::string& error);
    int tablesAdded() const { return m_tables; }
    int scalarsAdded() const { return m_scalars; }

private:
    // Gives a loaded object of one row its value and makes it grow where it counts.
    void believable(const CatalogueValues& values, const CatalogueObject& object, const Oid& instance, int position);

    ObjectStore& m_store;
    int m_tables = 0, m_scalars = 0;
};
