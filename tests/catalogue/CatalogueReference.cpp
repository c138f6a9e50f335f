#include "tests/catalogue/CatalogueReference.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

std::vector<std::vector<std::string>> readTsv(const std::string& name)
{
    const std::string path = std::string(NV_SOURCE_DIR) + "/tests/catalogue/" + name;
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::vector<std::vector<std::string>> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> cells;
        std::string cell;
        std::istringstream fields(line);
        while (std::getline(fields, cell, '\t'))
            cells.push_back(cell);
        if (!line.empty() && line.back() == '\t')
            cells.emplace_back();
        lines.push_back(cells);
    }
    return lines;
}

}  // namespace

std::vector<ViewReference> loadViews()
{
    std::vector<ViewReference> views;
    for (const auto& c : readTsv("views.tsv")) {
        ViewReference v;
        v.number = std::stoi(c.at(0));
        v.opener = c.at(1);
        v.listKind = std::stoi(c.at(2));
        v.indexCount = std::stoi(c.at(3));
        v.firstOid = c.at(4);
        v.rows = std::stoi(c.at(5));
        v.labels.assign(c.begin() + 6, c.end());
        views.push_back(v);
    }
    return views;
}

std::map<std::string, MibFact> loadFactsByOid()
{
    std::map<std::string, MibFact> facts;
    for (const auto& c : readTsv("mib_facts.tsv"))
        facts[c.at(1)] = MibFact{c.at(0), c.at(1), c.at(2), c.at(3), c.at(4), c.size() > 5 ? c[5] : ""};
    return facts;
}

