#include "tests/common/ErrorCode.h"

#include "snmp/NvSNMPError.h"

int codeOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const NvSNMPException& e) {
        return e.code();
    }
    return 0;
}
