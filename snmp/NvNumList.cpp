#include "snmp/NvNumList.h"

#include <algorithm>

template <typename T>
NvNumListOf<T>::NvNumListOf(char separator)
    : m_separator(separator)
{
}

template <typename T>
void NvNumListOf<T>::parse(const std::string& text)
{
    m_values.clear();
    if (text.empty())
        return;
    m_values.assign(static_cast<size_t>(1 + std::count(text.begin(), text.end(), m_separator)), T(0));

    // Accumulate in 64 bits and wrap to the value width, as a 32-bit sum would.
    size_t index = 0;
    uint64_t magnitude = 0;
    bool negative = false;
    bool inFraction = false;
    bool anyDigit = false;
    auto store = [&] {
        const uint64_t v = negative ? (~magnitude + 1) : magnitude;
        m_values[index] = static_cast<T>(static_cast<uint32_t>(v));
    };
    for (char c : text) {
        if (c == m_separator) {
            store();
            ++index;
            magnitude = 0;
            negative = inFraction = anyDigit = false;
        } else if (c == '.') {
            inFraction = true;
        } else if (c >= '0' && c <= '9') {
            if (!inFraction) {
                magnitude = (magnitude * 10 + static_cast<uint64_t>(c - '0')) & 0xFFFFFFFFu;
                anyDigit = true;
            }
        } else if (c == '-' && std::is_signed_v<T> && !anyDigit && !inFraction) {
            negative = true;
        }
    }
    store();
}

template <typename T>
int NvNumListOf<T>::indexOf(T value) const
{
    const auto it = std::find(m_values.begin(), m_values.end(), value);
    return it == m_values.end() ? -1 : static_cast<int>(it - m_values.begin());
}

template <typename T>
std::string NvNumListOf<T>::toText() const
{
    std::string text;
    for (size_t i = 0; i < m_values.size(); ++i) {
        if (i > 0)
            text.push_back(m_separator);
        text += std::to_string(m_values[i]);
    }
    return text;
}

template class NvNumListOf<int32_t>;
template class NvNumListOf<uint32_t>;
