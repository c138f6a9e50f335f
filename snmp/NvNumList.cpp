#include "snmp/NvNumList.h"

#include <algorithm>
#include <charconv>

std::vector<std::string_view> splitNumberList(std::string_view text, char separator)
{
    std::vector<std::string_view> pieces;
    if (text.empty())
        return pieces;
    size_t start = 0;
    for (;;) {
        const size_t end = std::min(text.find(separator, start), text.size());
        std::string_view piece = text.substr(start, end - start);
        const size_t first = piece.find_first_not_of(" \t");
        if (first == std::string_view::npos)
            piece = {};
        else
            piece = piece.substr(first, piece.find_last_not_of(" \t") + 1 - first);
        pieces.push_back(piece);
        if (end == text.size())
            break;
        start = end + 1;
    }
    return pieces;
}

std::optional<int32_t> wholeNumber(std::string_view piece)
{
    if (!piece.empty() && piece.front() == '+')
        piece.remove_prefix(1);
    int32_t value = 0;
    const auto [end, error] = std::from_chars(piece.data(), piece.data() + piece.size(), value);
    if (piece.empty() || error != std::errc() || end != piece.data() + piece.size())
        return std::nullopt;
    return value;
}

template <typename T>
NvNumListOf<T>::NvNumListOf(char separator)
    : m_separator(separator)
{
}

template <typename T>
void NvNumListOf<T>::parse(const std::string& text)
{
    m_values.clear();
    for (std::string_view piece : splitNumberList(text, m_separator)) {
        // Accumulate in 64 bits and wrap to the value width, as a 32-bit sum would.
        uint64_t magnitude = 0;
        bool negative = false;
        bool inFraction = false;
        bool anyDigit = false;
        for (char c : piece) {
            if (c == '.') {
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
        const uint64_t v = negative ? (~magnitude + 1) : magnitude;
        m_values.push_back(static_cast<T>(static_cast<uint32_t>(v)));
    }
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
