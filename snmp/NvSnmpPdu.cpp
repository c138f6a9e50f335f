#include "snmp/NvSnmpPdu.h"

#include <algorithm>

std::string oidToText(const NvOid& oid)
{
    std::string text;
    for (size_t i = 0; i < oid.size(); ++i) {
        if (i)
            text += '.';
        text += std::to_string(oid[i]);
    }
    return text;
}

bool oidFromText(const std::string& text, NvOid& oid)
{
    oid.clear();
    size_t pos = (!text.empty() && text[0] == '.') ? 1 : 0;
    if (pos >= text.size())
        return false;
    while (true) {
        uint64_t value = 0;
        size_t start = pos;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
            value = value * 10 + static_cast<uint64_t>(text[pos] - '0');
            if (value > 0xFFFFFFFFull)
                return false;
            ++pos;
        }
        if (pos == start)
            return false;
        oid.push_back(static_cast<uint32_t>(value));
        if (pos == text.size())
            return true;
        if (text[pos] != '.')
            return false;
        ++pos;
    }
}

int compareOids(const NvOid& a, const NvOid& b)
{
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        if (a[i] != b[i])
            return a[i] < b[i] ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}
