#pragma once
// Believable values for the objects served from a view catalogue dump: within
// the allowed values the catalogue states, tied to the stack where an object
// describes it (port counts, unit and port numbers, the master's MAC), the
// usual defaults of the switch's timers, addresses and masks of one consistent
// network, and counters that climb at their own rate on every row.
#include "sim/ObjectStore.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

// One catalogue row as the values need it.
struct CatalogueObject {
    Oid oid;
    std::string label;
    std::string table;       // the view's opener ("System Log Host Table")
    bool addressIndex = false;  // rows indexed by an address or a text: told apart by their position
    ValueKind kind = ValueKind::Integer;
    std::vector<std::int64_t> options;                      // enumeration values
    std::string firstOption;                                // the first option's value as written
    std::vector<std::pair<std::int64_t, std::int64_t>> ranges;  // allowed values or lengths
};

class CatalogueValues {
public:
    // Reads the stack facts (ports, units, links up) from the store.
    explicit CatalogueValues(const ObjectStore& store);

    // The address of the n-th IP interface (n from 1), each in its own /24.
    static std::string interfaceAddress(int n);
    // The text of an index component of the r-th generated row (from 1): an
    // enumerated integer takes its options in turn, a mask index a mask, a
    // destination its network, other addresses an interface's.
    static std::string indexText(const CatalogueObject& object, int r);

    // "600..4000", "0|2..65535": the allowed intervals; empty for an empty text.
    static std::vector<std::pair<std::int64_t, std::int64_t>> parseRanges(const std::string& text);
    // Puts the ranges on the column: value limits for numbers, length limits for octets.
    static void limit(const CatalogueObject& object, ColumnSpec& spec);

    // The value of the object in a row (the instance suffix, {0} for a scalar;
    // position from 1 among the table's rows), or nothing to keep the store's default.
    std::optional<SimValue> value(const CatalogueObject& object, const Oid& instance, int position) const;
    // How much the object grows a second in that row: counters and uptimes; 0 for the rest.
    std::int64_t perSecond(const CatalogueObject& object, const Oid& instance) const;
    // True for the text of the device's current date and time.
    static bool isClock(const CatalogueObject& object);

private:
    std::int64_t integer(const CatalogueObject& object, const std::string& label, std::uint32_t first,
                         std::uint32_t last) const;
    std::string text(const CatalogueObject& object, const std::string& label, std::uint32_t first,
                     bool scalar) const;

    const ObjectStore& m_store;
    std::vector<int> m_ports, m_units;
    int m_portsUp = 0;
};
