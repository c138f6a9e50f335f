#include "snmp/NvBinaryString.h"

namespace {

uint8_t digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return static_cast<uint8_t>(c - '0');
    if (c >= 'a' && c <= 'f')
        return static_cast<uint8_t>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F')
        return static_cast<uint8_t>(c - 'A' + 10);
    return 0;
}

} // namespace

NvBinaryString::NvBinaryString(const std::string& hexText)
{
    const size_t n = hexText.size() / 2;
    m_octets.resize(n);
    for (size_t i = 0; i < n; ++i)
        m_octets[i] = static_cast<uint8_t>(digitValue(hexText[2 * i]) * 16 + digitValue(hexText[2 * i + 1]));
}

std::string NvBinaryString::toOctets() const
{
    return std::string(reinterpret_cast<const char*>(m_octets.data()), m_octets.size());
}
