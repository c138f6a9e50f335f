#include "sim/FaultSwitches.h"

#include <cstring>

const Oid& FaultSwitches::controlArc()
{
    static const Oid arc{1, 3, 6, 1, 4, 1, 497, 999, 1};
    return arc;
}

bool FaultSwitches::statusFromText(const std::string& t, int& status)
{
    static const struct { const char* name; int value; } names[] = {
        {"noError", 0}, {"tooBig", 1}, {"noSuchName", 2}, {"badValue", 3}, {"readOnly", 4},
        {"genErr", 5}, {"noAccess", 6}, {"wrongType", 7}, {"wrongLength", 8},
        {"wrongEncoding", 9}, {"wrongValue", 10}, {"noCreation", 11},
        {"inconsistentValue", 12}, {"resourceUnavailable", 13}, {"commitFailed", 14},
        {"undoFailed", 15}, {"authorizationError", 16}, {"notWritable", 17},
        {"inconsistentName", 18}, {"noSuchObject", 128}, {"noSuchInstance", 129},
        {"endOfMibView", 130},
    };
    for (const auto& n : names)
        if (strcasecmp(t.c_str(), n.name) == 0) {
            status = n.value;
            return true;
        }
    try {
        std::size_t used = 0;
        int v = std::stoi(t, &used);
        if (used != t.size() || v < 0 || (v > 18 && (v < 128 || v > 130)))
            return false;
        status = v;
        return true;
    } catch (...) {
        return false;
    }
}

bool FaultSwitches::parseError(const std::string& text, std::string& err)
{
    auto eq = text.rfind('=');
    if (eq == std::string::npos || !oidutil::parse(text.substr(0, eq), errorOid)
        || !statusFromText(text.substr(eq + 1), errorStatus)) {
        err = "expected OID=STATUS: " + text;
        return false;
    }
    return true;
}

bool FaultSwitches::parseWalk(const std::string& text, std::string& err)
{
    auto eq = text.rfind('=');
    std::string mode = eq == std::string::npos ? "" : text.substr(eq + 1);
    if (eq == std::string::npos || !oidutil::parse(text.substr(0, eq), walkOid)
        || (mode != "repeat" && mode != "back")) {
        err = "expected OID=repeat or OID=back: " + text;
        return false;
    }
    walkMode = mode == "repeat" ? WalkRepeat : WalkBack;
    return true;
}

bool FaultSwitches::parseLeds(const std::string& text, std::string& err)
{
    auto eq = text.find('=');
    try {
        if (eq == std::string::npos)
            throw 0;
        int unit = std::stoi(text.substr(0, eq));
        int n = std::stoi(text.substr(eq + 1));
        if (unit < 0 || unit > 12 || n < 0)
            throw 0;
        ledLength[unit] = n;
    } catch (...) {
        err = "expected UNIT=OCTETS: " + text;
        return false;
    }
    return true;
}

bool FaultSwitches::parseLongStrings(const std::string& text, std::string& err)
{
    auto eq = text.rfind('=');
    try {
        if (eq == std::string::npos || !oidutil::parse(text.substr(0, eq), longStringOid))
            throw 0;
        std::size_t used = 0;
        longStringLength = std::stoi(text.substr(eq + 1), &used);
        if (used != text.size() - eq - 1 || longStringLength < 0 || longStringLength > 65000)
            throw 0;
    } catch (...) {
        err = "expected OID=OCTETS (up to 65000): " + text;
        return false;
    }
    return true;
}

bool FaultSwitches::servesWrongType(const Oid& oid) const
{
    return !wrongTypeOid.empty() && oidutil::startsWith(oid, wrongTypeOid);
}

bool FaultSwitches::servesLongString(const Oid& oid) const
{
    return !longStringOid.empty() && oidutil::startsWith(oid, longStringOid);
}

bool FaultSwitches::countRequest()
{
    ++m_requests;
    if (m_store)
        m_store->put(oidutil::concat(oidutil::concat(controlArc(), 29), 0),
                     SimValue::integer(static_cast<std::int64_t>(m_requests & 0xFFFFFFFFu), ValueKind::Counter));
    return stopAfter <= 0 || m_requests - m_stopBase <= static_cast<unsigned long>(stopAfter);
}

bool FaultSwitches::parseBulk(const std::string& text, std::string& err)
{
    static const struct { const char* name; int mode; bool counted; } modes[] = {
        {"short", BulkShort, true}, {"toobig", BulkTooBig, true}, {"generr", BulkGenErr, false},
        {"drop", BulkDrop, false}, {"normal", BulkNormal, false},
    };
    const auto eq = text.find('=');
    const std::string name = text.substr(0, eq);
    for (const auto& m : modes) {
        if (strcasecmp(name.c_str(), m.name) != 0 || m.counted != (eq != std::string::npos))
            continue;
        int limit = 0;
        try {
            if (m.counted) {
                std::size_t used = 0;
                limit = std::stoi(text.substr(eq + 1), &used);
                if (used != text.size() - eq - 1 || limit < 0)
                    break;
            }
        } catch (...) {
            break;
        }
        bulkMode = m.mode;
        bulkLimit = limit;
        return true;
    }
    err = "expected short=N, toobig=N, generr or drop: " + text;
    return false;
}

int FaultSwitches::ledLimit(int unit) const
{
    auto it = ledLength.find(unit);
    if (it != ledLength.end())
        return it->second;
    it = ledLength.find(0);
    return it == ledLength.end() ? -1 : it->second;
}

bool FaultSwitches::isControl(const Oid& oid) const
{
    return oidutil::startsWith(oid, controlArc());
}

void FaultSwitches::registerControls(ObjectStore& store)
{
    m_store = &store;
    auto add = [&](std::uint32_t n, ValueKind kind, const std::string& def, std::int64_t lo, std::int64_t hi) {
        ColumnSpec s;
        s.oid = oidutil::concat(controlArc(), n);
        s.kind = kind;
        s.access = Access::ReadWrite;
        s.defaultText = def;
        if (kind == ValueKind::Integer) {
            s.hasRange = true;
            s.minValue = lo;
            s.maxValue = hi;
        }
        s.onWrite = [this, n](const Oid&, const SimValue&) { syncFromStore(n == 7 || n == 8); };
        store.addScalar(s);
    };
    add(1, ValueKind::Integer, std::to_string(delayMs), 0, 600000);
    add(2, ValueKind::Integer, std::to_string(dropEvery), 0, 1000000);
    add(3, ValueKind::ObjectId, errorOid.empty() ? "0.0" : oidutil::format(errorOid), 0, 0);
    add(4, ValueKind::Integer, std::to_string(errorStatus), 0, 130);
    add(5, ValueKind::ObjectId, walkOid.empty() ? "0.0" : oidutil::format(walkOid), 0, 0);
    add(6, ValueKind::Integer, std::to_string(walkMode), 0, 2);
    add(7, ValueKind::Integer, "0", 0, 12);
    add(8, ValueKind::Integer, std::to_string(ledLimit(0)), -1, 65535);
    add(20, ValueKind::Integer, std::to_string(duplicateMs), 0, 600000);
    add(21, ValueKind::Integer, std::to_string(wrongIdEvery), 0, 1000000);
    add(22, ValueKind::Integer, std::to_string(garbageEvery), 0, 1000000);
    add(23, ValueKind::ObjectId, wrongTypeOid.empty() ? "0.0" : oidutil::format(wrongTypeOid), 0, 0);
    add(24, ValueKind::ObjectId, longStringOid.empty() ? "0.0" : oidutil::format(longStringOid), 0, 0);
    add(25, ValueKind::Integer, std::to_string(longStringLength), 0, 65000);
    add(26, ValueKind::Integer, std::to_string(stopAfter), 0, 1000000);
    add(9, ValueKind::Integer, std::to_string(bulkMode), 0, 4);
    add(10, ValueKind::Integer, std::to_string(bulkLimit), 0, 65535);
    for (std::uint32_t n : {27u, 28u}) {
        ColumnSpec s;
        s.oid = oidutil::concat(controlArc(), n);
        s.kind = ValueKind::Octets;
        s.access = Access::ReadOnly;
        store.addScalar(s);
    }
    ColumnSpec requests;
    requests.oid = oidutil::concat(controlArc(), 29);
    requests.kind = ValueKind::Counter;
    requests.access = Access::ReadOnly;
    requests.defaultText = "0";
    store.addScalar(requests);
}

void FaultSwitches::noteContext(const std::string& name, const std::string& engineId)
{
    if (!m_store)
        return;
    m_store->put(oidutil::concat(oidutil::concat(controlArc(), 27), 0), SimValue::octets(name));
    m_store->put(oidutil::concat(oidutil::concat(controlArc(), 28), 0), SimValue::octets(engineId));
}

// The control scalars: 1 delay (ms), 2 drop every Nth request, 3 error object,
// 4 error status, 5 walk column, 6 walk mode (0 normal, 1 repeat, 2 back),
// 7 LED unit (0: every unit), 8 LED octets for that unit (-1: all), 20 duplicate
// delay (ms), 21 wrong request id every Nth answer, 22 garbage every Nth answer,
// 23 wrong-type subtree, 24 long-string subtree, 25 long-string octets, 26 stop
// answering after N further requests, 9 GETBULK mode (BulkMode), 10 its
// repetition limit; read-only: 27 and 28 the context of the last SNMPv3 request
// that named one, 29 the requests received that were not control requests.
void FaultSwitches::syncFromStore(bool leds)
{
    auto num = [&](std::uint32_t n) {
        const auto* e = m_store->get(oidutil::concat(oidutil::concat(controlArc(), n), 0));
        return e ? e->value.number : 0;
    };
    auto oid = [&](std::uint32_t n) {
        const auto* e = m_store->get(oidutil::concat(oidutil::concat(controlArc(), n), 0));
        Oid o = e ? e->value.oid : Oid{};
        return o == Oid{0, 0} ? Oid{} : o;
    };
    delayMs = static_cast<int>(num(1));
    dropEvery = static_cast<int>(num(2));
    errorOid = oid(3);
    errorStatus = static_cast<int>(num(4));
    walkOid = oid(5);
    walkMode = static_cast<int>(num(6));
    duplicateMs = static_cast<int>(num(20));
    wrongIdEvery = static_cast<int>(num(21));
    garbageEvery = static_cast<int>(num(22));
    wrongTypeOid = oid(23);
    longStringOid = oid(24);
    longStringLength = static_cast<int>(num(25));
    const int stop = static_cast<int>(num(26));
    if (stop != stopAfter)
        m_stopBase = m_requests;
    stopAfter = stop;
    bulkMode = static_cast<int>(num(9));
    bulkLimit = static_cast<int>(num(10));
    if (!leds)
        return;
    int unit = static_cast<int>(num(7));
    int len = static_cast<int>(num(8));
    if (len < 0)
        ledLength.erase(unit);
    else
        ledLength[unit] = len;
    if (unit == 0 && len < 0)
        ledLength.clear();
}
