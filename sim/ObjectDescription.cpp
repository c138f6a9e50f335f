#include "sim/ObjectDescription.h"

bool RowControl::fromWord(const std::string& word, RowControl& rc)
{
    rc = RowControl();
    if (word == "std") {
        rc.create = {{4, 1}, {5, 2}};
        rc.destroy = {6};
        rc.keep = {1, 2};
        rc.conflict = {4, 5};
    } else if (word == "valid") {
        rc.create = {{3, 3}};
        rc.destroy = {2};
        rc.keep = {3};
    } else if (word == "adddel") {
        rc.create = {{1, 1}};
        rc.destroy = {2};
        rc.keep = {1};
    } else if (word == "go") {
        rc.create = {{4, 1}};
        rc.destroy = {6};
        rc.conflict = {4};
    } else {
        return false;
    }
    return true;
}

bool RowControl::knows(std::int64_t v) const
{
    return create.count(v) || destroy.count(v) || keep.count(v) || conflict.count(v);
}

int ColumnSpec::lengthLimit() const
{
    if (maxLength >= 0)
        return maxLength;
    switch (kind) {
    case ValueKind::Display: return 255;
    case ValueKind::Mac: return 6;
    case ValueKind::Bits: return 128;
    default: return 65535;
    }
}

bool TableSpec::validInstance(const Oid& inst) const
{
    if (index.empty())
        return inst.size() == 1;
    std::size_t pos = 0;
    auto octet = [&](std::size_t n) {
        if (pos + n > inst.size())
            return false;
        for (std::size_t i = 0; i < n; ++i)
            if (inst[pos + i] > 255)
                return false;
        pos += n;
        return true;
    };
    for (std::size_t k = 0; k < index.size(); ++k) {
        switch (index[k]) {
        case IndexKind::Integer:
            if (pos >= inst.size())
                return false;
            ++pos;
            break;
        case IndexKind::String: {
            if (pos >= inst.size())
                return false;
            std::size_t n = inst[pos++];
            if (!octet(n))
                return false;
            break;
        }
        case IndexKind::Implied:
            if (!octet(inst.size() - pos))
                return false;
            break;
        case IndexKind::IpAddress:
            if (!octet(4))
                return false;
            break;
        case IndexKind::Mac:
            if (!octet(6))
                return false;
            break;
        }
    }
    return pos == inst.size();
}
