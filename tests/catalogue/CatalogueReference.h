#pragma once
// Reference data of the catalogue tests, read from the tab-separated files of
// this folder: the view list (openers, kinds, first identifiers, labels) and
// the facts extracted from the standard MIB modules.
#include <map>
#include <string>
#include <vector>


struct ViewReference {
    int number = 0;
    std::string opener;
    int listKind = 0;
    int indexCount = 0;
    std::string firstOid;
    int rows = 0;
    std::vector<std::string> labels;
};

struct MibFact {
    std::string name;
    std::string oid;
    std::string type;
    std::string base;
    std::string access;
    std::string enumeration;  // value=label|value=label
};

std::vector<ViewReference> loadViews();
std::map<std::string, MibFact> loadFactsByOid();
// value=label pairs separated by "|", as the dump tool prints them.
