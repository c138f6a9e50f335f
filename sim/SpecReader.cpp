#include "sim/SpecReader.h"

#include <sstream>

std::vector<std::string> SpecReader::split(const std::string& line)
{
    std::vector<std::string> words;
    std::string cur;
    bool quoted = false, any = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (any || !cur.empty())
                words.push_back(cur);
            cur.clear();
            any = false;
        } else {
            cur += c;
        }
    }
    if (any || !cur.empty())
        words.push_back(cur);
    return words;
}

bool SpecReader::resolveOid(const std::string& w, Oid& oid) const
{
    if (!w.empty() && w[0] == '+') {
        Oid rel;
        if (!oidutil::parse(w.substr(1), rel))
            return false;
        oid = oidutil::concat(m_base, rel);
        return true;
    }
    return oidutil::parse(w, oid);
}

static bool parseRange(const std::string& t, std::int64_t& lo, std::int64_t& hi)
{
    auto dots = t.find("..");
    try {
        if (dots == std::string::npos) {
            lo = hi = std::stoll(t);
        } else {
            lo = std::stoll(t.substr(0, dots));
            hi = std::stoll(t.substr(dots + 2));
        }
    } catch (...) {
        return false;
    }
    return lo <= hi;
}

bool SpecReader::parseObject(const std::vector<std::string>& w, ColumnSpec& s, std::string& error) const
{
    if (w.size() < 4 || !resolveOid(w[1], s.oid) || !valuetext::kindFromWord(w[2], s.kind)) {
        error = "bad object";
        return false;
    }
    if (w[3] == "ro")
        s.access = Access::ReadOnly;
    else if (w[3] == "rw")
        s.access = Access::ReadWrite;
    else if (w[3] == "na")
        s.access = Access::NotAccessible;
    else {
        error = "bad access " + w[3];
        return false;
    }
    for (std::size_t i = 4; i < w.size(); ++i) {
        const std::string& a = w[i];
        auto eq = a.find('=');
        std::string key = a.substr(0, eq), val = eq == std::string::npos ? "" : a.substr(eq + 1);
        if (key == "enum") {
            std::stringstream ss(val);
            std::string item;
            while (std::getline(ss, item, ','))
                s.enumValues.push_back(std::stoll(item));
        } else if (key == "range") {
            if (!parseRange(val, s.minValue, s.maxValue)) {
                error = "bad range " + val;
                return false;
            }
            s.hasRange = true;
        } else if (key == "len") {
            std::int64_t lo, hi;
            if (!parseRange(val, lo, hi)) {
                error = "bad length " + val;
                return false;
            }
            s.minLength = static_cast<int>(lo);
            s.maxLength = static_cast<int>(hi);
        } else if (key == "def") {
            s.defaultText = val;
        } else {
            error = "unknown attribute " + key;
            return false;
        }
    }
    return true;
}

bool SpecReader::flush(std::string& error)
{
    if (!m_haveTable)
        return true;
    m_haveTable = false;
    int controlIndex = -1;
    RowControl rc;
    if (!m_table.control.empty()) {
        auto colon = m_table.control.find(':');
        const Oid& col = m_table.controlOid;
        if (colon == std::string::npos || col.empty()
            || !RowControl::fromWord(m_table.control.substr(colon + 1), rc)) {
            error = "bad control " + m_table.control;
            return false;
        }
        for (std::size_t i = 0; i < m_table.columns.size(); ++i)
            if (m_table.columns[i].oid == col)
                controlIndex = static_cast<int>(i);
        if (controlIndex < 0) {
            error = "control column missing in " + m_table.name;
            return false;
        }
    }
    TableSpec* t = m_store.addTable(m_table.name, m_table.index, m_table.columns, controlIndex, rc);
    t->rowsText = m_table.rows;
    m_store.addRows(t, m_store.rowsFromText(*t, m_table.rows));
    return true;
}

bool SpecReader::load(const std::string& text, std::string& error)
{
    std::istringstream in(text);
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        auto hash = line.find('#');
        if (hash != std::string::npos)
            line.erase(hash);
        auto w = split(line);
        if (w.empty())
            continue;
        std::string err;
        bool ok = true;
        if (w[0] == "base") {
            ok = w.size() == 2 && oidutil::parse(w[1], m_base);
            err = "bad base";
        } else if (w[0] == "table") {
            ok = flush(err);
            m_table = PendingTable();
            m_table.name = w.size() > 1 ? w[1] : "";
            m_haveTable = true;
            for (std::size_t i = 2; ok && i < w.size(); ++i) {
                auto eq = w[i].find('=');
                std::string key = w[i].substr(0, eq), val = eq == std::string::npos ? "" : w[i].substr(eq + 1);
                if (key == "rows")
                    m_table.rows = val;
                else if (key == "control") {
                    m_table.control = val;
                    ok = resolveOid(val.substr(0, val.find(':')), m_table.controlOid);
                    err = "bad control column";
                }
                else if (key == "index") {
                    std::stringstream ss(val);
                    std::string k;
                    while (std::getline(ss, k, ',')) {
                        if (k == "int") m_table.index.push_back(IndexKind::Integer);
                        else if (k == "str") m_table.index.push_back(IndexKind::String);
                        else if (k == "implied") m_table.index.push_back(IndexKind::Implied);
                        else if (k == "ip") m_table.index.push_back(IndexKind::IpAddress);
                        else if (k == "mac") m_table.index.push_back(IndexKind::Mac);
                        else { ok = false; err = "bad index kind " + k; }
                    }
                } else {
                    ok = false;
                    err = "unknown table attribute " + key;
                }
            }
        } else if (w[0] == "col") {
            ColumnSpec s;
            ok = m_haveTable && parseObject(w, s, err);
            if (!m_haveTable)
                err = "column outside a table";
            if (ok)
                m_table.columns.push_back(s);
        } else if (w[0] == "scalar") {
            ok = flush(err);
            ColumnSpec s;
            ok = ok && parseObject(w, s, err);
            if (ok)
                m_store.addScalar(s);
        } else {
            ok = false;
            err = "unknown word " + w[0];
        }
        if (!ok) {
            error = "line " + std::to_string(lineNo) + ": " + err;
            return false;
        }
    }
    return flush(error);
}
