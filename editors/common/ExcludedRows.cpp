#include "editors/common/ExcludedRows.h"

#include "snmp/NvSNMPVarList.h"

ExcludedRows::ExcludedRows(NvSNMPVarList& list) : m_list(list)
{
    for (int r = 0; r < list.count(); ++r)
        m_saved.push_back(list.row(r).access);
}

ExcludedRows::~ExcludedRows()
{
    for (int r = 0; r < m_list.count() && r < static_cast<int>(m_saved.size()); ++r)
        m_list.row(r).access = m_saved[static_cast<size_t>(r)];
}

void ExcludedRows::exclude(int row)
{
    m_list.row(row).access = AccessExcluded;
}

void ExcludedRows::exclude(int first, int last)
{
    for (int r = first; r <= last; ++r)
        exclude(r);
}

void ExcludedRows::include(int row)
{
    m_list.row(row).access = m_saved[static_cast<size_t>(row)];
}
