#pragma once
// A list of numbers kept in a separated text such as "1,5,9" (the bindings' bit
// and column lists use ",", the default separator is "."). Two forms: signed
// 32-bit values (NvNumList) and unsigned 32-bit values (NvUNumList, used by the
// edit constraints).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The pieces of a separated list, blanks (spaces, tabs) around each removed:
// "4, 6,,8" split at "," gives "4", "6", "", "8"; an empty text gives none. The
// one splitter of the number lists (NvNumListOf, the bindings' bit numbers and
// LED positions); each reads its pieces by its own rule.
std::vector<std::string_view> splitNumberList(std::string_view text, char separator);
// A piece that is a whole decimal number (an optional sign, then digits) within
// 32 bits; nothing for anything else.
std::optional<int32_t> wholeNumber(std::string_view piece);

template <typename T>
class NvNumListOf {
public:
    explicit NvNumListOf(char separator = '.');

    // Replaces the values with those of the text. An empty text gives no values;
    // otherwise there are 1 + (number of separators) values, each made of its
    // digits (a "." that is not the separator starts a fraction, which never
    // changes the integer value). The signed form takes a "-" in front of a
    // value's digits as its sign; other characters are ignored.
    void parse(const std::string& text);

    // Position of the first value equal to value, or -1.
    int indexOf(T value) const;
    int count() const { return static_cast<int>(m_values.size()); }
    T at(int index) const { return m_values[static_cast<size_t>(index)]; }
    const std::vector<T>& values() const { return m_values; }

    char separator() const { return m_separator; }
    void setSeparator(char separator) { m_separator = separator; }

    // The values joined by the separator (the inverse of parse).
    std::string toText() const;

private:
    std::vector<T> m_values;
    char m_separator;
};

using NvNumList = NvNumListOf<int32_t>;
using NvUNumList = NvNumListOf<uint32_t>;

extern template class NvNumListOf<int32_t>;
extern template class NvNumListOf<uint32_t>;
