#pragma once
// Value/label enumeration of a MIB object. Created once at program start from a
// static pair array (closed by a pair whose label is null) and only referred to
// by descriptors and rows afterwards.
#include <cstdint>
#include <string>
#include <vector>

struct NvOptionPair {
    int32_t value;
    const char* label;  // null closes the array
};

struct NvTextOptionPair {
    const char* value;
    const char* label;  // null closes the array
};

class NvOptionList {
public:
    enum ValueKind { IntegerValues = 1, TextValues = 2 };

    struct Item {
        int32_t intValue = 0;    // kind 1
        std::string textValue;   // kind 2
        std::string label;
    };

    NvOptionList(const NvOptionPair* pairs, bool caseSensitive = false);
    NvOptionList(const NvTextOptionPair* pairs, bool caseSensitive = false);

    void append(const NvOptionPair* pairs);
    void append(const NvTextOptionPair* pairs);
    void clear();

    int valueKind() const { return m_valueKind; }
    bool caseSensitive() const { return m_caseSensitive; }
    int count() const { return static_cast<int>(m_items.size()); }
    const Item& item(int index) const { return m_items[static_cast<size_t>(index)]; }

    // First item whose label equals the whole text; -1 if none.
    int indexOfLabel(const std::string& label) const;
    // Kind 1: the text as a decimal integer ("(NULL)" and non-numbers give -1);
    // kind 2: the first item whose value text equals the text.
    int indexOfValue(const std::string& value) const;
    // Wire value to label; the input unchanged when no item has it.
    std::string labelOfValue(const std::string& value) const;
    // Label to wire value; the input unchanged when no item has that label.
    std::string valueOfLabel(const std::string& label) const;

private:
    bool equalText(const std::string& a, const std::string& b) const;

    int m_valueKind;
    bool m_caseSensitive;
    std::vector<Item> m_items;
};
