#include "snmp/NvSNMPVarList.h"

namespace {

std::optional<std::string> optionalText(const char* text)
{
    if (!text)
        return std::nullopt;
    return std::string(text);
}

} // namespace

NvSNMPVarList::NvSNMPVarList() = default;

NvSNMPVarList::NvSNMPVarList(const NvSNMPVarDescriptor* table, Kind kind, int32_t indexes)
    : indexCount(indexes)
    , listKind(kind)
{
    append(table);
}

NvSNMPVarList::NvSNMPVarList(const NvSNMPVarList& other)
{
    assign(other);
}

NvSNMPVarList& NvSNMPVarList::operator=(const NvSNMPVarList& other)
{
    assign(other);
    return *this;
}

void NvSNMPVarList::assign(const NvSNMPVarList& other)
{
    if (&other == this)
        return;
    // The instance stays: callers save and restore a list around an operation
    // on one row of a table and keep addressing that row.
    m_rows = other.m_rows;
    listKind = other.listKind;
    indexCount = other.indexCount;
    name = other.name;
}

void NvSNMPVarList::append(const NvSNMPVarDescriptor* table)
{
    for (const NvSNMPVarDescriptor* d = table; d && d->oid; ++d) {
        NvSNMPVarRow row;
        row.oid = d->oid;
        row.label = d->label ? d->label : "";
        row.syntax = d->syntax;
        row.access = d->access;
        row.options = d->options;
        row.getExpression = optionalText(d->getExpression);
        row.setExpression = optionalText(d->setExpression);
        row.extraText = optionalText(d->extraText);
        row.value = d->value ? d->value : "";
        row.lastOid = d->lastOid ? d->lastOid : "";
        row.ranges = d->ranges ? d->ranges : "";
        m_rows.push_back(std::move(row));
    }
}

void NvSNMPVarList::clear()
{
    m_rows.clear();
}

bool NvSNMPVarList::isReadable(int index) const
{
    const int32_t a = row(index).access;
    return !(a & AccessExcluded) && (a & AccessReadable);
}

bool NvSNMPVarList::isWritable(int index) const
{
    const int32_t a = row(index).access;
    if (a & AccessExcluded)
        return false;
    return (a & AccessWritable) || (isTable() && index < indexCount);
}

bool NvSNMPVarList::isListed(int index) const
{
    const int32_t a = row(index).access;
    return !(a & (AccessExcluded | AccessHidden)) && (a & (AccessIndex | AccessReadable));
}

bool NvSNMPVarList::isHiddenColumn(int index) const
{
    const int32_t a = row(index).access;
    return a == AccessWritable || (a & (AccessExcluded | AccessHidden));
}

bool NvSNMPVarList::isImplied(int index) const
{
    return (row(index).access & AccessImplied) != 0;
}

int NvSNMPVarList::listedCount() const
{
    int n = 0;
    for (int i = 0; i < count(); ++i)
        n += isListed(i) ? 1 : 0;
    return n;
}

int NvSNMPVarList::hiddenColumnCount() const
{
    int n = 0;
    for (int i = 0; i < count(); ++i)
        n += isHiddenColumn(i) ? 1 : 0;
    return n;
}
