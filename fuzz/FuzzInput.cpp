#include "fuzz/FuzzInput.h"

#include <algorithm>

uint8_t FuzzInput::byte()
{
    return m_pos < m_size ? m_data[m_pos++] : 0;
}

uint32_t FuzzInput::number()
{
    uint32_t n = 0;
    for (int i = 0; i < 4; ++i)
        n = (n << 8) | byte();
    return n;
}

std::string FuzzInput::text(size_t maxLength)
{
    const size_t wanted = std::min<size_t>(byte() | (static_cast<size_t>(byte()) << 8), maxLength);
    const size_t n = std::min(wanted, m_size - std::min(m_pos, m_size));
    std::string s(reinterpret_cast<const char*>(m_data + m_pos), n);
    m_pos += n;
    return s;
}

std::string FuzzInput::rest()
{
    if (m_pos >= m_size)
        return {};
    std::string s(reinterpret_cast<const char*>(m_data + m_pos), m_size - m_pos);
    m_pos = m_size;
    return s;
}
