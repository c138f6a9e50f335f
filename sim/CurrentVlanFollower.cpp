#include "sim/CurrentVlanFollower.h"

namespace {

const Oid kStaticEntry{1, 3, 6, 1, 2, 1, 17, 7, 1, 4, 3, 1};
const Oid kCurrentEntry{1, 3, 6, 1, 2, 1, 17, 7, 1, 4, 2, 1};
const Oid kNumDeletes{1, 3, 6, 1, 2, 1, 17, 7, 1, 4, 1, 0};
const Oid kCurrentCount{1, 3, 6, 1, 2, 1, 17, 7, 1, 1, 4, 0};

enum StaticColumn : std::uint32_t { StaticEgress = 2, StaticUntagged = 4 };
enum CurrentColumn : std::uint32_t { CurrentEgress = 4, CurrentUntagged = 5 };

}  // namespace

CurrentVlanFollower::CurrentVlanFollower(ObjectStore& store) : m_store(store) {}

void CurrentVlanFollower::install()
{
    m_static = m_store.findTable("staticVlan");
    m_current = m_store.findTable("currentVlan");
    if (!m_static || !m_current)
        return;
    for (ColumnSpec* column : m_static->columns)
        column->onWrite = [this](const Oid& instance, const SimValue&) { follow(instance); };
    for (const Oid& vlan : m_static->rows)
        follow(vlan);
}

void CurrentVlanFollower::follow(const Oid& vlan)
{
    if (vlan.size() != 1)
        return;
    const Oid current{0, vlan.front()};
    if (m_static->rows.count(vlan)) {
        m_store.addRow(m_current, current);
        // The current table's port lists are plain octet strings.
        auto copy = [&](std::uint32_t from, std::uint32_t to) {
            if (const ObjectStore::Entry* e = m_store.get(oidutil::concat(oidutil::concat(kStaticEntry, from), vlan)))
                m_store.put(oidutil::concat(oidutil::concat(kCurrentEntry, to), current),
                            SimValue::octets(e->value.bytes, ValueKind::Octets));
        };
        copy(StaticEgress, CurrentEgress);
        copy(StaticUntagged, CurrentUntagged);
    } else if (m_current->rows.count(current)) {
        m_store.removeRow(m_current, current);
        if (const ObjectStore::Entry* e = m_store.get(kNumDeletes))
            m_store.put(kNumDeletes, SimValue::integer(e->value.number + 1, e->value.kind));
    }
    if (const ObjectStore::Entry* e = m_store.get(kCurrentCount))
        m_store.put(kCurrentCount, SimValue::integer(static_cast<std::int64_t>(m_current->rows.size()), e->value.kind));
}
