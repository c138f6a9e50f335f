#include "snmp/NvSNMPError.h"

NvSNMPException::NvSNMPException(const std::string& message, int code)
    : std::runtime_error(message)
    , m_code(code)
{
}
