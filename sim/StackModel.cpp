#include "sim/StackModel.h"

#include "sim/SpecReader.h"

#include <sstream>

namespace {
const Oid kUnitEntry{1, 3, 6, 1, 4, 1, 497, 12, 11, 1, 9, 4, 1};
const Oid kPortEntry{1, 3, 6, 1, 4, 1, 497, 11, 59, 7, 2, 3, 1, 1};
const Oid kSubUnitEntry{1, 3, 6, 1, 4, 1, 497, 11, 59, 7, 2, 1, 1, 3, 1};
const Oid kUnitCount{1, 3, 6, 1, 4, 1, 497, 12, 11, 1, 9, 3, 0};

// Numbers of the port table's enumerated columns, as the module's option lists
// read them.
enum PortType { PortTypeOther = 1, PortType100BaseTX = 2, PortType1000BaseT = 4, PortType1000BaseSX = 5 };
enum LinkStatus { LinkPass = 2, LinkFail = 3 };
enum NwayStatus { NwayLinkDown = 3, NwayFull10Mbps = 5, NwayFull100Mbps = 7, NwayFull1Gbps = 9 };

// Front-panel ports are 10/100 copper; the expansion modules carry two gigabit
// ports, copper on the HM10 and fibre on the HM20. Ports beyond the panel of a
// unit without a module are of no known type.
int portType(const UnitConfig& u, int unitPort)
{
    const int fam = StackModel::family(u.model);
    const int panelPorts = fam == 710 ? 48 : 24;
    if (unitPort <= panelPorts)
        return PortType100BaseTX;
    if (u.module == "HM10")
        return PortType1000BaseT;
    if (u.module == "HM20")
        return PortType1000BaseSX;
    return PortTypeOther;
}

// Negotiated speed of an up port: gigabit ports run at 1 Gbps, the others at
// the speed their LED shows; every link is full duplex.
int nwayStatus(int type, int ledSpeed)
{
    if (type == PortType1000BaseT || type == PortType1000BaseSX)
        return NwayFull1Gbps;
    return ledSpeed == 4 ? NwayFull100Mbps : NwayFull10Mbps;
}

Oid col(const Oid& entry, std::uint32_t c, std::uint32_t row)
{
    Oid o = entry;
    o.push_back(c);
    o.push_back(row);
    return o;
}
} // namespace

std::vector<UnitConfig> StackModel::defaultStack()
{
    UnitConfig a, b, c;
    a.model = "HV-720";
    a.module = "HM20";
    b.model = "HV-710";
    b.module = "HM10";
    c.model = "HV-640";
    return {a, b, c};
}

bool StackModel::parseUnit(const std::string& text, UnitConfig& u, std::string& error)
{
    std::string t = text;
    for (char& ch : t)
        if (ch == ',')
            ch = ' ';
    for (const std::string& w : SpecReader::split(t)) {
        auto eq = w.find('=');
        if (eq == std::string::npos) {
            error = "expected key=value: " + w;
            return false;
        }
        std::string k = w.substr(0, eq), v = w.substr(eq + 1);
        try {
            if (k == "unit") u.id = std::stoi(v);
            else if (k == "model") u.model = v;
            else if (k == "status") {
                if (v == "exist" || v == "1") u.exists = true;
                else if (v == "not-exist" || v == "0") u.exists = false;
                else { error = "status is exist or not-exist"; return false; }
            } else if (k == "start") u.startPort = std::stoi(v);
            else if (k == "range") u.portRange = std::stoi(v);
            else if (k == "mode") {
                if (v == "stand-alone") u.mode = 3;
                else if (v == "master") u.mode = 4;
                else if (v == "slave") u.mode = 5;
                else u.mode = std::stoi(v);
            } else if (k == "version") u.version = v;
            else if (k == "mac") {
                SimValue m;
                if (!valuetext::parse(ValueKind::Mac, v, m)) { error = "bad MAC " + v; return false; }
                u.mac = m.bytes;
            } else if (k == "module") u.module = v;
            else { error = "unknown unit field " + k; return false; }
        } catch (...) {
            error = "bad number in " + w;
            return false;
        }
    }
    return true;
}

bool StackModel::parseStack(const std::string& text, std::vector<UnitConfig>& units, std::string& error)
{
    std::istringstream in(text);
    std::string line;
    int n = 0;
    while (std::getline(in, line)) {
        ++n;
        auto hash = line.find('#');
        if (hash != std::string::npos)
            line.erase(hash);
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        UnitConfig u;
        if (!parseUnit(line, u, error)) {
            error = "line " + std::to_string(n) + ": " + error;
            return false;
        }
        units.push_back(u);
    }
    return true;
}

int StackModel::family(const std::string& model)
{
    for (int f : {710, 630, 640, 720})
        if (model.find(std::to_string(f)) != std::string::npos)
            return f;
    return 720;
}

int StackModel::ledLength(int family)
{
    switch (family) {
    case 710: return 108;  // 4 system, 48 ports x 2, module ports 100/102, single LEDs 104/106
    case 630: return 64;   // 4 system, 24 ports x 2, six single LEDs 52..62
    case 640: return 56;   // 4 system, 24 ports x 2, single LEDs 52/54
    default: return 60;    // 4 system, 24 ports x 2, module ports 52/54, single LEDs 56/58
    }
}

bool StackModel::setUnits(std::vector<UnitConfig> units, std::string& error)
{
    if (units.empty() || units.size() > MaxUnits) {
        error = "a stack has 1 to 12 units";
        return false;
    }
    int existing = 0;
    for (const auto& u : units)
        existing += u.exists;
    bool masterSeen = false;
    for (std::size_t i = 0; i < units.size(); ++i) {
        UnitConfig& u = units[i];
        if (u.id == 0)
            u.id = static_cast<int>(i) + 1;
        if (u.id < 1 || u.id > MaxUnits) {
            error = "unit numbers are 1 to 12";
            return false;
        }
        for (std::size_t j = 0; j < i; ++j)
            if (units[j].id == u.id) {
                error = "unit " + std::to_string(u.id) + " given twice";
                return false;
            }
        int fam = family(u.model);
        bool hasModule = u.module == "HM10" || u.module == "HM20";
        if (u.portRange < 0)
            u.portRange = fam == 710 ? (hasModule ? 50 : 48) : fam == 720 ? (hasModule ? 26 : 24) : 24;
        if (u.portRange > 64) {
            error = "a unit has at most 64 ports";
            return false;
        }
        if (u.startPort < 0)
            u.startPort = 1;
        if (u.mode < 0) {
            if (!u.exists || existing < 2)
                u.mode = 3;
            else {
                u.mode = masterSeen ? 5 : 4;
                masterSeen = true;
            }
        }
        if (u.mac.empty())
            u.mac = std::string("\x00\x80\xc8\x72\x00", 5) + static_cast<char>(u.id);
    }
    m_units = std::move(units);
    m_ports.clear();
    std::uniform_int_distribution<int> pct(0, 99);
    for (const auto& u : m_units) {
        if (!u.exists)
            continue;
        for (int p = 1; p <= u.portRange; ++p) {
            const bool up = pct(m_rng) < 70;
            const int speed = pct(m_rng) < 50 ? 2 : 4;
            m_ports.push_back(PortState{(u.id - 1) * 64 + p, up, false, speed, portType(u, p)});
        }
    }
    return true;
}

std::vector<int> StackModel::portIndexes() const
{
    std::vector<int> r;
    for (const auto& u : m_units)
        if (u.exists)
            for (int p = 1; p <= u.portRange; ++p)
                r.push_back((u.id - 1) * 64 + p);
    return r;
}

std::vector<int> StackModel::unitIds() const
{
    std::vector<int> r;
    for (const auto& u : m_units)
        r.push_back(u.id);
    return r;
}

const StackModel::PortState* StackModel::port(int index) const
{
    for (const auto& p : m_ports)
        if (p.index == index)
            return &p;
    return nullptr;
}

std::string StackModel::ledOctets(const UnitConfig& u) const
{
    const int fam = family(u.model);
    std::string o(static_cast<std::size_t>(ledLength(fam)), '\0');
    if (!u.exists)
        return o;
    const bool mapB = fam == 630 || fam == 640;
    o[0] = 2;                                   // power
    o[1] = u.mode == 4 ? 2 : 0;                 // master
    o[2] = 0;                                   // console
    o[3] = mapB ? 1 : 0;                        // redundant power: off
    auto setPort = [&](int p, std::size_t at) {
        const PortState* s = port((u.id - 1) * 64 + p);
        if (!s || at + 1 >= o.size())
            return;
        if (!s->up)
            return;
        o[at] = static_cast<char>(2 | (s->activity ? 0x80 : 0));
        o[at + 1] = static_cast<char>(s->speed);
    };
    const int panelPorts = fam == 710 ? 48 : 24;
    for (int p = 1; p <= panelPorts && p <= u.portRange; ++p)
        setPort(p, static_cast<std::size_t>(2 * p + 2));
    bool hasModule = (fam == 710 || fam == 720) && (u.module == "HM10" || u.module == "HM20");
    if (hasModule) {
        for (int k = 0; k < 2; ++k)
            setPort(panelPorts + 1 + k, static_cast<std::size_t>(2 * (panelPorts + 1 + k) + 2));
    }
    // Single LEDs after the ports: steady green for the first, the rest off.
    std::size_t firstSingle = fam == 710 ? 104 : fam == 720 ? 56 : 52;
    if (firstSingle < o.size())
        o[firstSingle] = 2;
    return o;
}

void StackModel::populate(ObjectStore& store)
{
    TableSpec* unitTable = store.findTable("units");
    TableSpec* portTable = store.findTable("ports");
    TableSpec* subTable = store.findTable("subunits");
    int existing = 0;
    for (const auto& u : m_units) {
        existing += u.exists;
        Oid row{static_cast<std::uint32_t>(u.id)};
        store.addRow(unitTable, row);
        store.addRow(subTable, row);
        auto id = static_cast<std::uint32_t>(u.id);
        store.put(col(kUnitEntry, 1, id), SimValue::integer(u.id));
        store.put(col(kUnitEntry, 2, id), SimValue::integer(u.exists ? 1 : 0));
        store.put(col(kUnitEntry, 3, id), SimValue::octets(u.mac));
        store.put(col(kUnitEntry, 4, id), SimValue::integer(u.startPort));
        store.put(col(kUnitEntry, 5, id), SimValue::integer(u.portRange));
        store.put(col(kUnitEntry, 6, id), SimValue::octets(ledOctets(u)));
        store.put(col(kUnitEntry, 8, id), SimValue::integer(u.mode));
        store.put(col(kUnitEntry, 9, id), SimValue::octets(u.version));
        store.put(col(kUnitEntry, 10, id), SimValue::octets(u.model));
        bool hasModule = u.module != "-";
        store.put(col(kSubUnitEntry, 3, id), SimValue::octets(u.module));
        store.put(col(kSubUnitEntry, 4, id), SimValue::octets(hasModule ? "A1" : "-"));
        store.put(col(kSubUnitEntry, 5, id),
                  SimValue::octets(hasModule ? u.module + "S0000" + std::to_string(u.id) : "-"));
        store.put(col(kSubUnitEntry, 6, id),
                  SimValue::octets(hasModule ? "2-port gigabit expansion module" : "-"));
    }
    for (const auto& p : m_ports) {
        Oid row{static_cast<std::uint32_t>(p.index)};
        store.addRow(portTable, row);
        store.put(col(kPortEntry, 3, row[0]), SimValue::integer(p.type));
    }
    store.put(kUnitCount, SimValue::integer(existing));
    tick(store);
}

void StackModel::tick(ObjectStore& store)
{
    std::uniform_int_distribution<int> pct(0, 99);
    for (auto& p : m_ports) {
        if (pct(m_rng) < 8)
            p.up = !p.up;
        p.activity = p.up && pct(m_rng) < 50;
        const auto row = static_cast<std::uint32_t>(p.index);
        store.put(col(kPortEntry, 4, row), SimValue::integer(p.up ? LinkPass : LinkFail));
        store.put(col(kPortEntry, 5, row), SimValue::integer(p.up ? nwayStatus(p.type, p.speed) : NwayLinkDown));
    }
    for (const auto& u : m_units)
        store.put(col(kUnitEntry, 6, static_cast<std::uint32_t>(u.id)), SimValue::octets(ledOctets(u)));
}
