#include "sim/CatalogueLoader.h"

#include "sim/CatalogueValues.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>

namespace {

struct Row {
    int listKind = 0, indexCount = 0;
    Oid oid;
    std::string opener, label;
    int syntax = 2, access = 2;
    std::vector<std::pair<std::int64_t, std::string>> options;
    std::string firstOption;  // as written: an object identifier reads as a number only up to its first dot
    std::string ranges;
};

std::vector<std::string> tabs(const std::string& line)
{
    std::vector<std::string> f;
    std::size_t s = 0;
    while (true) {
        auto t = line.find('\t', s);
        f.push_back(line.substr(s, t == std::string::npos ? std::string::npos : t - s));
        if (t == std::string::npos)
            break;
        s = t + 1;
    }
    return f;
}

std::string lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

ValueKind kindOf(int syntax)
{
    switch (syntax) {
    case 3: return ValueKind::Bits;
    case 4: return ValueKind::Octets;
    case 6: return ValueKind::ObjectId;
    case 64: return ValueKind::IpAddress;
    case 65: return ValueKind::Counter;
    case 66: return ValueKind::Gauge;
    case 67: return ValueKind::TimeTicks;
    case 70: return ValueKind::Counter64;
    case 71: return ValueKind::Unsigned;
    case 73: return ValueKind::Mac;
    case 76: return ValueKind::Display;
    default: return ValueKind::Integer;
    }
}

bool hasLabel(const Row& r, const char* label, std::int64_t* value = nullptr)
{
    for (const auto& o : r.options)
        if (lower(o.second) == lower(label)) {
            if (value)
                *value = o.first;
            return true;
        }
    return false;
}

CatalogueObject objectOf(const Row& r)
{
    CatalogueObject o;
    o.oid = r.oid;
    o.label = r.label;
    o.table = r.opener;
    o.kind = kindOf(r.syntax);
    for (const auto& option : r.options)
        o.options.push_back(option.first);
    o.firstOption = r.firstOption;
    o.ranges = CatalogueValues::parseRanges(r.ranges);
    return o;
}

ColumnSpec specFor(const Row& r)
{
    ColumnSpec s;
    s.oid = r.oid;
    s.kind = kindOf(r.syntax);
    s.access = (r.access & 4) ? Access::ReadWrite : Access::ReadOnly;
    for (const auto& o : r.options)
        s.enumValues.push_back(o.first);
    if (s.kind != ValueKind::Integer)
        s.enumValues.clear();
    const std::string l = lower(r.label);
    if (s.kind == ValueKind::Bits && l.find("port") == std::string::npos) {
        s.maxLength = 8;
        s.defaultText = "0x00";
    } else if (s.kind == ValueKind::Display) {
        std::string word;
        for (char c : r.label) {
            if (std::isalnum(static_cast<unsigned char>(c)))
                word += c;
            else if (!word.empty())
                break;
        }
        s.defaultText = (word.empty() ? "text" : word) + "%i";
    }
    CatalogueValues::limit(objectOf(r), s);
    return s;
}

} // namespace

bool CatalogueLoader::load(const std::string& tsv, std::string& error)
{
    std::map<int, std::vector<Row>> tables;
    std::istringstream in(tsv);
    std::string line;
    int n = 0;
    while (std::getline(in, line)) {
        ++n;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        auto f = tabs(line);
        Row r;
        try {
            if (f.size() < 9)
                throw 0;
            int table = std::stoi(f[0]);
            r.listKind = std::stoi(f[2]);
            r.indexCount = std::stoi(f[3]);
            // Index rows of a table may have no object of their own (blank oid).
            const bool blankOid = f[5].find_first_not_of(' ') == std::string::npos;
            if (!blankOid && !oidutil::parse(f[5], r.oid))
                throw 0;
            r.opener = f[1];
            r.label = f[6];
            r.syntax = std::stoi(f[7]);
            r.access = std::stoi(f[8]);
            if (f.size() > 9 && !f[9].empty()) {
                std::stringstream ss(f[9]);
                std::string item;
                while (std::getline(ss, item, '|')) {
                    auto eq = item.find('=');
                    if (eq == std::string::npos)
                        continue;
                    if (r.options.empty())
                        r.firstOption = item.substr(0, eq);
                    r.options.push_back({std::stoll(item.substr(0, eq)), item.substr(eq + 1)});
                }
            }
            if (f.size() > 10)
                r.ranges = f[10];
            tables[table].push_back(r);
        } catch (...) {
            error = "catalogue line " + std::to_string(n) + " is not a descriptor row";
            return false;
        }
    }

    const CatalogueValues values(m_store);
    for (auto& [number, rows] : tables) {
        if (rows.empty())
            continue;
        const int kind = rows.front().listKind;
        const int indexCount = std::min<int>(rows.front().indexCount, static_cast<int>(rows.size()));
        if (kind == 0) {
            for (const Row& r : rows) {
                if (r.access == 1 || r.access == 65)
                    continue;
                Oid o = r.oid;
                if (!o.empty() && o.back() == 0)
                    o.pop_back();
                if (m_store.knowsObject(o) || m_store.findSpec(o))
                    continue;
                ColumnSpec s = specFor(r);
                s.oid = o;
                m_store.addScalar(s);
                CatalogueObject object = objectOf(r);
                object.oid = o;
                believable(values, object, Oid{0}, 1);
                ++m_scalars;
            }
            continue;
        }
        // Index layout from the leading rows; readable index rows are served too.
        std::vector<IndexKind> index;
        std::vector<ColumnSpec> columns;
        std::vector<CatalogueObject> valued;  // the columns past the index
        std::string rowsText;
        for (int i = 0; i < indexCount; ++i) {
            const Row& r = rows[static_cast<std::size_t>(i)];
            IndexKind k = IndexKind::Integer;
            if (r.syntax == 64) k = IndexKind::IpAddress;
            else if (r.syntax == 73) k = IndexKind::Mac;
            // An object-identifier index is length-prefixed like a string; the
            // generated characters read back as its sub-identifiers.
            else if (r.syntax == 4 || r.syntax == 76 || r.syntax == 3 || r.syntax == 6)
                k = r.access == 65 ? IndexKind::Implied : IndexKind::String;
            index.push_back(k);
            if (r.access != 1 && r.access != 65 && !m_store.knowsObject(r.oid)) {
                ColumnSpec s = specFor(r);
                s.access = Access::ReadOnly;
                s.defaultText = k == IndexKind::Integer ? "%i" : "";
                columns.push_back(s);
            }
        }
        if (index.empty())
            index.push_back(IndexKind::Integer);
        int control = -1;
        RowControl rc;
        for (std::size_t i = static_cast<std::size_t>(indexCount); i < rows.size(); ++i) {
            const Row& r = rows[i];
            // A scalar whose identifier is a prefix of this column owns only its ".0".
            const ColumnSpec* owner = m_store.findSpec(r.oid);
            if (r.access == 1 || r.access == 65 || m_store.knowsObject(r.oid) || (owner && !owner->isScalar()))
                continue;
            bool dup = false;
            for (const auto& c : columns)
                dup = dup || c.oid == r.oid;
            if (dup)
                continue;
            ColumnSpec s = specFor(r);
            std::int64_t v2 = 0;
            if (control < 0 && s.access == Access::ReadWrite && s.kind == ValueKind::Integer) {
                const int here = static_cast<int>(columns.size());
                if (hasLabel(r, "createAndGo")) {
                    RowControl::fromWord("std", rc);
                    control = here;
                } else if (hasLabel(r, "invalid", &v2) && v2 == 2) {
                    // valid/invalid form: any other option value creates or keeps the row.
                    rc = RowControl();
                    rc.destroy = {2};
                    for (const auto& o : r.options)
                        if (o.first != 2) {
                            rc.create[o.first] = o.first;
                            rc.keep.insert(o.first);
                        }
                    control = here;
                } else if (hasLabel(r, "add") && hasLabel(r, "delete")) {
                    RowControl::fromWord("adddel", rc);
                    control = here;
                }
            }
            columns.push_back(s);
            valued.push_back(objectOf(r));
            valued.back().addressIndex = index[0] != IndexKind::Integer;
        }
        if (columns.empty())
            continue;
        // Rows follow the stack: a table whose first index is a port has a row per
        // port of the stack, one indexed by unit a row per unit, one indexed by VLAN
        // the VLANs 1, 10 and 20; further integer index components take 1 and 2
        // (a port's priorities, a unit's fans). Other tables get three rows.
        const std::string firstLabel = lower(rows.front().label);
        const Oid& firstOid = rows.front().oid;
        std::string follows;
        if (index[0] == IndexKind::Integer) {
            // dot1dBasePort, ifIndex and the port control table's index are ports too.
            if (firstLabel.find("port") != std::string::npos || firstOid == Oid{1, 3, 6, 1, 2, 1, 17, 1, 4, 1, 1}
                || firstOid == Oid{1, 3, 6, 1, 2, 1, 2, 2, 1, 1}
                || firstOid == Oid{1, 3, 6, 1, 4, 1, 497, 11, 59, 7, 2, 3, 2, 1, 1}
                || firstLabel.find("ifindex") != std::string::npos)
                follows = "ports";
            else if (firstLabel.find("vlan") != std::string::npos)
                follows = "vlans";
            else if (firstLabel.find("unit") != std::string::npos)
                follows = "units";
        }
        // A port-indexed table's unit column names the unit the port lies on.
        if (follows == "ports") {
            for (const Row& r : rows) {
                if (lower(r.label).find("unit") == std::string::npos)
                    continue;
                for (ColumnSpec& c : columns)
                    if (c.oid == r.oid && c.kind == ValueKind::Integer && c.enumValues.empty())
                        c.defaultText = "%u";
            }
        }
        const bool restIntegers = std::all_of(index.begin() + 1, index.end(),
                                              [](IndexKind k) { return k == IndexKind::Integer; });
        if (!follows.empty() && index.size() == 1) {
            rowsText = follows;
        } else if (!follows.empty() && restIntegers) {
            const std::vector<int> vlans{1, 10, 20};
            const std::vector<int>& firsts =
                follows == "ports" ? m_store.ports() : follows == "units" ? m_store.units() : vlans;
            for (int first : firsts) {
                for (int r = 1; r <= 2; ++r) {
                    std::string item = std::to_string(first);
                    for (std::size_t k = 1; k < index.size(); ++k)
                        item += ',' + std::to_string(r);
                    rowsText += (rowsText.empty() ? "" : ";") + item;
                }
            }
        } else {
            for (int r = 1; r <= 3; ++r) {
                std::string item;
                for (std::size_t k = 0; k < index.size(); ++k) {
                    if (k)
                        item += ',';
                    CatalogueObject component;
                    if (k < static_cast<std::size_t>(indexCount))
                        component = objectOf(rows[k]);
                    if (index[k] == IndexKind::String || index[k] == IndexKind::Implied) {
                        item += "entry" + std::to_string(r);
                        continue;
                    }
                    component.kind = index[k] == IndexKind::IpAddress ? ValueKind::IpAddress
                                     : index[k] == IndexKind::Mac     ? ValueKind::Mac
                                                                      : ValueKind::Integer;
                    item += CatalogueValues::indexText(component, r);
                }
                rowsText += (rowsText.empty() ? "" : ";") + item;
            }
        }
        TableSpec* t = m_store.addTable("catalogue" + std::to_string(number), index, columns, control, rc);
        int position = 0;
        for (const Oid& row : m_store.rowsFromText(*t, rowsText)) {
            m_store.addRow(t, row);
            ++position;
            for (const CatalogueObject& object : valued)
                believable(values, object, row, position);
        }
        ++m_tables;
    }
    return true;
}

void CatalogueLoader::believable(const CatalogueValues& values, const CatalogueObject& object, const Oid& instance,
                                 int position)
{
    const Oid oid = oidutil::concat(object.oid, instance);
    if (const auto value = values.value(object, instance, position))
        m_store.put(oid, *value);
    m_store.setLive(oid, values.perSecond(object, instance), CatalogueValues::isClock(object));
}
