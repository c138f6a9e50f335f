#include "sim/ObjectStore.h"

#include <algorithm>

ObjectStore::ObjectStore() = default;
ObjectStore::~ObjectStore() = default;

void ObjectStore::setStack(std::vector<int> ports, std::vector<int> units)
{
    m_ports = std::move(ports);
    m_units = std::move(units);
}

void ObjectStore::restack(std::vector<int> ports, std::vector<int> units)
{
    setStack(std::move(ports), std::move(units));
    std::vector<TableSpec*> following;
    for (const auto& table : m_tables) {
        if (table->rowsText != "ports" && table->rowsText != "units")
            continue;
        following.push_back(table.get());
        for (const Oid& row : std::set<Oid>(table->rows))
            removeRow(table.get(), row);
    }
    // The port lists of the other rows and scalars: the objects of a column
    // or scalar follow its identifier in the map.
    for (const auto& [column, spec] : m_specs) {
        if (!defaultFollowsStack(*spec))
            continue;
        const std::size_t at = column.size();
        for (auto it = m_map.lower_bound(column);
             it != m_map.end() && it->first.size() > at && std::equal(column.begin(), column.end(), it->first.begin());
             ++it) {
            if (it->second.spec == spec.get())
                it->second.value = defaultValue(*spec, Oid{it->first[at]});
        }
    }
    for (TableSpec* table : following)
        addRows(table, rowsFromText(*table, table->rowsText));
}

ObjectStore::Snapshot ObjectStore::snapshot() const
{
    Snapshot taken{m_map, {}};
    for (const auto& table : m_tables)
        taken.rows.push_back(table->rows);
    return taken;
}

void ObjectStore::restore(const Snapshot& snapshot)
{
    m_map = snapshot.objects;  // reuses the nodes the map has
    for (std::size_t i = 0; i < m_tables.size() && i < snapshot.rows.size(); ++i)
        m_tables[i]->rows = snapshot.rows[i];
}

ColumnSpec* ObjectStore::addScalar(const ColumnSpec& spec)
{
    auto owned = std::make_unique<ColumnSpec>(spec);
    owned->table = nullptr;
    ColumnSpec* s = owned.get();
    m_specs[s->oid] = std::move(owned);
    Oid inst{0};
    m_map[oidutil::concat(s->oid, 0)] = Entry{defaultValue(*s, inst), s};
    return s;
}

TableSpec* ObjectStore::addTable(const std::string& name, std::vector<IndexKind> index,
                                 std::vector<ColumnSpec> columns, int controlColumn,
                                 const RowControl& control)
{
    auto t = std::make_unique<TableSpec>();
    t->name = name;
    t->index = std::move(index);
    t->rowControl = control;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        auto c = std::make_unique<ColumnSpec>(columns[i]);
        c->table = t.get();
        t->columns.push_back(c.get());
        if (static_cast<int>(i) == controlColumn)
            t->control = c.get();
        m_specs[c->oid] = std::move(c);
    }
    m_tables.push_back(std::move(t));
    return m_tables.back().get();
}

void ObjectStore::addRow(TableSpec* table, const Oid& instance)
{
    addRows(table, {instance});
}

void ObjectStore::addRows(TableSpec* table, const std::vector<Oid>& instances)
{
    std::vector<const Oid*> added;
    for (const Oid& instance : instances) {
        if (table->rows.insert(instance).second)
            added.push_back(&instance);
    }
    for (ColumnSpec* c : table->columns) {
        if (c->access == Access::NotAccessible)
            continue;
        auto next = m_map.end();
        for (const Oid* instance : added) {
            next = m_map.insert_or_assign(next, oidutil::concat(c->oid, *instance), Entry{defaultValue(*c, *instance), c});
            ++next;
        }
    }
}

void ObjectStore::removeRow(TableSpec* table, const Oid& instance)
{
    if (!table->rows.erase(instance))
        return;
    for (ColumnSpec* c : table->columns)
        m_map.erase(oidutil::concat(c->oid, instance));
}

std::vector<Oid> ObjectStore::rowsFromText(const TableSpec& table, const std::string& text) const
{
    std::vector<Oid> rows;
    auto fromNumbers = [&](const std::vector<int>& nums) {
        for (int n : nums)
            rows.push_back(Oid{static_cast<std::uint32_t>(n)});
    };
    if (text == "ports") {
        fromNumbers(m_ports);
        return rows;
    }
    if (text == "units") {
        fromNumbers(m_units);
        return rows;
    }
    if (text == "vlans") {
        fromNumbers({1, 10, 20});
        return rows;
    }
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(';', start);
        std::string item = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end == std::string::npos ? text.size() + 1 : end + 1;
        if (item.empty())
            continue;
        Oid inst;
        std::size_t p = 0;
        std::size_t k = 0;
        while (p <= item.size()) {
            std::size_t q = item.find(',', p);
            std::string comp = item.substr(p, q == std::string::npos ? std::string::npos : q - p);
            p = q == std::string::npos ? item.size() + 1 : q + 1;
            IndexKind kind = k < table.index.size() ? table.index[k] : IndexKind::Integer;
            ++k;
            if (kind == IndexKind::String || kind == IndexKind::Implied) {
                if (kind == IndexKind::String)
                    inst.push_back(static_cast<std::uint32_t>(comp.size()));
                for (unsigned char ch : comp)
                    inst.push_back(ch);
            } else if (kind == IndexKind::Mac) {
                SimValue v;
                if (valuetext::parse(ValueKind::Mac, comp, v))
                    for (unsigned char ch : v.bytes)
                        inst.push_back(ch);
            } else {
                Oid part;
                if (oidutil::parse(comp, part))
                    inst.insert(inst.end(), part.begin(), part.end());
            }
        }
        if (table.validInstance(inst))
            rows.push_back(inst);
    }
    return rows;
}

const ColumnSpec* ObjectStore::findSpec(const Oid& oid, Oid* instance) const
{
    for (std::size_t len = oid.size(); len > 0; --len) {
        Oid prefix(oid.begin(), oid.begin() + static_cast<long>(len));
        auto it = m_specs.find(prefix);
        if (it != m_specs.end()) {
            if (instance)
                instance->assign(oid.begin() + static_cast<long>(len), oid.end());
            return it->second.get();
        }
    }
    return nullptr;
}

TableSpec* ObjectStore::findTable(const std::string& name) const
{
    for (const auto& t : m_tables)
        if (t->name == name)
            return t.get();
    return nullptr;
}

const ObjectStore::Entry* ObjectStore::get(const Oid& oid) const
{
    auto it = m_map.find(oid);
    return it == m_map.end() ? nullptr : &it->second;
}

const ObjectStore::Map::value_type* ObjectStore::next(const Oid& oid, bool inclusive) const
{
    auto it = inclusive ? m_map.lower_bound(oid) : m_map.upper_bound(oid);
    return it == m_map.end() ? nullptr : &*it;
}

bool ObjectStore::setLive(const Oid& oid, std::int64_t perSecond, bool clock)
{
    auto it = m_map.find(oid);
    if (it == m_map.end())
        return false;
    it->second.perSecond = perSecond;
    it->second.clock = clock;
    return true;
}

SimValue ObjectStore::served(const Entry& entry, std::uint64_t uptimeTicks, long long now)
{
    if (entry.clock)
        return SimValue::octets(valuetext::localTime(now), entry.value.kind);
    if (entry.perSecond == 0 || !entry.value.isNumeric())
        return entry.value;
    SimValue v = entry.value;
    const std::uint64_t grown = static_cast<std::uint64_t>(v.number)
                                + static_cast<std::uint64_t>(entry.perSecond) * uptimeTicks / 100;
    // 32-bit kinds wrap as their counters do; Counter64 keeps its bit pattern.
    v.number = static_cast<std::int64_t>(v.kind == ValueKind::Counter64 ? grown : grown & 0xffffffffu);
    return v;
}

bool ObjectStore::put(const Oid& oid, const SimValue& value)
{
    auto it = m_map.find(oid);
    if (it == m_map.end())
        return false;
    SimValue v = value;
    v.kind = it->second.value.kind;
    it->second.value = v;
    return true;
}

int ObjectStore::checkValue(const ColumnSpec& spec, const SimValue& v) const
{
    std::uint8_t want = SimValue::asnTypeOf(spec.kind);
    std::uint8_t got = v.asnType();
    bool unsignedPair = (want == 0x42 || want == 0x47) && (got == 0x42 || got == 0x47);
    if (want != got && !unsignedPair)
        return snmperr::WrongType;
    if (spec.kind == ValueKind::IpAddress && v.bytes.size() != 4)
        return snmperr::WrongLength;
    if (SimValue::asnTypeOf(spec.kind) == 0x04) {
        int n = static_cast<int>(v.bytes.size());
        int lo = spec.kind == ValueKind::Mac && spec.minLength == 0 ? 6 : spec.minLength;
        if (n < lo || n > spec.lengthLimit())
            return snmperr::WrongLength;
    }
    if (spec.kind == ValueKind::Integer) {
        if (spec.table && spec.table->control == &spec)
            return spec.table->rowControl.knows(v.number) ? 0 : snmperr::WrongValue;
        if (!spec.enumValues.empty()
            && std::find(spec.enumValues.begin(), spec.enumValues.end(), v.number) == spec.enumValues.end())
            return snmperr::WrongValue;
    }
    if (spec.hasRange && v.isNumeric() && (v.number < spec.minValue || v.number > spec.maxValue))
        return snmperr::WrongValue;
    return 0;
}

int ObjectStore::validate(std::vector<SetItem>& items) const
{
    // Rows that this request creates (control column written with a creating value).
    std::set<std::pair<const TableSpec*, Oid>> creating;
    for (const SetItem& it : items) {
        Oid inst;
        const ColumnSpec* s = findSpec(it.oid, &inst);
        if (s && s->table && s->table->control == s && it.value.kind == ValueKind::Integer
            && s->table->rowControl.create.count(it.value.number) && !s->table->rows.count(inst)
            && s->table->validInstance(inst))
            creating.insert({s->table, inst});
    }
    int first = -1;
    for (std::size_t i = 0; i < items.size(); ++i) {
        SetItem& it = items[i];
        Oid inst;
        const ColumnSpec* s = findSpec(it.oid, &inst);
        int err = 0;
        if (!s)
            err = snmperr::NotWritable;
        else if (s->access == Access::NotAccessible)
            err = snmperr::NoAccess;
        else if (s->access != Access::ReadWrite)
            err = snmperr::NotWritable;
        else if ((err = checkValue(*s, it.value)) != 0) {
        } else if (s->isScalar()) {
            if (inst != Oid{0})
                err = snmperr::NoCreation;
        } else {
            const TableSpec* t = s->table;
            bool exists = t->rows.count(inst) != 0;
            bool isControl = t->control == s;
            if (!t->validInstance(inst))
                err = snmperr::NoCreation;
            else if (isControl) {
                const RowControl& rc = t->rowControl;
                std::int64_t v = it.value.number;
                if (exists && rc.conflict.count(v))
                    err = snmperr::InconsistentValue;
                else if (!exists && !rc.create.count(v) && !rc.destroy.count(v))
                    err = snmperr::InconsistentValue;
            } else if (!exists && !creating.count({t, inst})) {
                err = snmperr::NoCreation;
            }
        }
        it.error = err;
        if (err && first < 0)
            first = static_cast<int>(i);
    }
    return first;
}

void ObjectStore::apply(const std::vector<SetItem>& items)
{
    struct Step { const ColumnSpec* spec; Oid inst; const SetItem* item; };
    std::vector<Step> steps;
    for (const SetItem& it : items) {
        Oid inst;
        const ColumnSpec* s = findSpec(it.oid, &inst);
        if (s)
            steps.push_back({s, inst, &it});
    }
    // Creations first, so that the other columns of a new row can be written.
    for (const Step& st : steps) {
        TableSpec* t = st.spec->table;
        if (t && t->control == st.spec && !t->rows.count(st.inst)
            && t->rowControl.create.count(st.item->value.number)) {
            addRow(t, st.inst);
            SimValue v = SimValue::integer(t->rowControl.create.at(st.item->value.number));
            put(st.item->oid, v);
        }
    }
    std::vector<Step> removals;
    for (const Step& st : steps) {
        TableSpec* t = st.spec->table;
        bool isControl = t && t->control == st.spec;
        if (isControl && t->rowControl.destroy.count(st.item->value.number)) {
            removals.push_back(st);
            continue;
        }
        if (isControl && !t->rowControl.keep.count(st.item->value.number))
            continue;  // a creating value, handled above
        put(st.item->oid, st.item->value);
    }
    for (const Step& st : removals)
        removeRow(st.spec->table, st.inst);
    for (const Step& st : steps)
        if (st.spec->onWrite)
            st.spec->onWrite(st.inst, st.item->value);
}

std::string ObjectStore::portBits(bool all, int salt) const
{
    std::string bits(96, '\0');
    int n = 0;
    for (int port : m_ports) {
        bool on = all || ((port + salt) % 5 == 0 && n < 8);
        if (on && port >= 1 && port <= 768) {
            bits[static_cast<std::size_t>((port - 1) / 8)] |= static_cast<char>(0x80 >> ((port - 1) % 8));
            ++n;
        }
    }
    return bits;
}

// Templates: %i is the first index component, %u and %p the unit and port of a
// port index, %n the last component, %s a string index as text. Words:
// allports, someports, noports (port lists),
// mac (a MAC derived from the instance).
bool ObjectStore::defaultFollowsStack(const ColumnSpec& spec)
{
    const std::string& t = spec.defaultText;
    if (t == "allports" || t == "someports")
        return true;
    // Bits without a template that can hold every port: some ports of the stack.
    return (t.empty() || t == "mac") && spec.kind == ValueKind::Bits && (spec.maxLength < 0 || spec.maxLength >= 96);
}

SimValue ObjectStore::defaultValue(const ColumnSpec& spec, const Oid& instance) const
{
    const std::uint32_t first = instance.empty() ? 0 : instance.front();
    const std::uint32_t last = instance.empty() ? 0 : instance.back();
    std::string t = spec.defaultText;
    if (defaultFollowsStack(spec))
        return SimValue::octets(portBits(t == "allports", static_cast<int>(first)), spec.kind);
    if (t == "noports")
        return SimValue::octets(std::string(96, '\0'), spec.kind);
    if (t.empty() || t == "mac") {
        switch (spec.kind) {
        case ValueKind::Integer:
            if (spec.table && spec.table->control == &spec && !spec.table->rowControl.keep.empty())
                return SimValue::integer(*spec.table->rowControl.keep.begin());
            if (spec.table && spec.table->control == &spec && !spec.table->rowControl.create.empty())
                return SimValue::integer(spec.table->rowControl.create.begin()->second);
            if (!spec.enumValues.empty())
                return SimValue::integer(spec.enumValues.front());
            return SimValue::integer(spec.hasRange ? spec.minValue : 0);
        case ValueKind::Unsigned: case ValueKind::Gauge: case ValueKind::TimeTicks:
            return SimValue::integer(spec.hasRange ? spec.minValue : 0, spec.kind);
        case ValueKind::Counter: case ValueKind::Counter64:
            return SimValue::integer((first * 7919u + last * 104729u) % 100000u, spec.kind);
        case ValueKind::Mac: {
            std::string b("\x00\x80\xc8", 3);  // the length: a literal NUL would end the text
            b += static_cast<char>(first >> 16);
            b += static_cast<char>(first >> 8);
            b += static_cast<char>(first ^ last);
            return SimValue::octets(b, ValueKind::Mac);
        }
        case ValueKind::IpAddress: {
            std::string b = "\x0a";
            b += static_cast<char>((first >> 8) & 0xff);
            b += static_cast<char>(first & 0xff);
            b += static_cast<char>(last & 0xff ? last & 0xff : 1);
            return SimValue::octets(b, ValueKind::IpAddress);
        }
        case ValueKind::ObjectId:
            return SimValue::objectId(Oid{0, 0});
        case ValueKind::Bits:
            return SimValue::octets(std::string(static_cast<std::size_t>(std::max(spec.minLength, 1)), '\0'), ValueKind::Bits);
        default:
            return SimValue::octets(std::string(static_cast<std::size_t>(spec.minLength), '\0'), spec.kind);
        }
    }
    auto replace = [&](const std::string& key, const std::string& val) {
        for (std::size_t p; (p = t.find(key)) != std::string::npos;)
            t.replace(p, key.size(), val);
    };
    std::string text;
    for (std::size_t k = (!instance.empty() && instance[0] + 1 == instance.size()) ? 1 : 0; k < instance.size(); ++k)
        text += static_cast<char>(instance[k]);
    replace("%s", text);
    replace("%i", std::to_string(first));
    replace("%n", std::to_string(last));
    replace("%u", std::to_string(first ? (first - 1) / 64 + 1 : 0));
    replace("%p", std::to_string(first ? (first - 1) % 64 + 1 : 0));
    SimValue v;
    if (!valuetext::parse(spec.kind, t, v))
        v = SimValue::octets(t, spec.kind);
    return v;
}
