#pragma once
// Serves the objects of a view catalogue dump (tab-separated: table number,
// opener, list kind, index count, row number, oid, label, syntax, access,
// options) with generated values, leaving objects already served untouched.
#include "ObjectStore.h"

#include <string>

class CatalogueLoader {
public:
    explicit CatalogueLoader(ObjectStore& store) : store_(store) {}
    // Returns false with a message when the text cannot be read.
    bool load(const std::string& tsv, std::string& error);
    int tablesAdded() const { return tables_; }
    int scalarsAdded() const { return scalars_; }

private:
    ObjectStore& store_;
    int tables_ = 0, scalars_ = 0;
};
