#pragma once
// Registry of the view tables: every descriptor table of the catalogue with the
// list kind and index count its (first) opener makes a variable list with.
// Numbers run from 1 to TableCount in catalogue order; names are the C++ names
// of the tables (NvCatalogueTables.h), openers the view titles, editor form
// classes or "main window", several separated by "; ".
#include <cstdint>
#include <string>
#include <string_view>

#include "snmp/NvSNMPVarDescriptor.h"
#include "snmp/NvSNMPVarList.h"

class NvOptionList;

struct NvViewTable {
    int number;
    const char* name;
    const char* opener;
    const NvSNMPVarDescriptor* table;
    NvSNMPVarList::Kind listKind;
    int32_t indexCount;
    int rowCount;
};

class NvViewCatalogue {
public:
    static constexpr int TableCount = 181;

    static const NvViewTable* begin() { return s_tables; }
    static const NvViewTable* end() { return s_tables + TableCount; }

    // Entry by number (1-based); null when out of range.
    static const NvViewTable* byNumber(int number);
    // Entry by the table's C++ name, for example "PortControlVars"; null when unknown.
    static const NvViewTable* byName(std::string_view name);
    // First entry one of whose openers is exactly the text, for example "Port Control Table"
    // or "TPortTrunkForm"; null when none.
    static const NvViewTable* byOpener(std::string_view opener);

    // An option list as value=label pairs separated by "|" (empty for none):
    // the form in which the catalogue dump hands enumerations to the simulator.
    static std::string optionPairsText(const NvOptionList* options);

private:
    static const NvViewTable s_tables[TableCount];
};
