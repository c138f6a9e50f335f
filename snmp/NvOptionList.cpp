#include "snmp/NvOptionList.h"

#include "snmp/NvValueText.h"

#include <QCollator>
#include <QLocale>
#include <QString>

#include <charconv>

namespace {

// Locale-aware, case-insensitive equality. The collator is rebuilt only when the
// default locale changes, so a lookup does not pay for opening one each time.
bool equalIgnoringCase(const std::string& a, const std::string& b)
{
    thread_local QLocale cachedLocale;
    thread_local QCollator collator = [] {
        QCollator c{QLocale()};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    const QLocale current;
    if (current != cachedLocale) {
        cachedLocale = current;
        collator = QCollator(current);
        collator.setCaseSensitivity(Qt::CaseInsensitive);
    }
    return collator.compare(QString::fromUtf8(a.data(), static_cast<qsizetype>(a.size())),
                            QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size())))
        == 0;
}

// A whole text as a signed 32-bit decimal integer (optional sign, digits only).
bool parseDecimal(const std::string& text, int32_t& out)
{
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+')
        ++first;
    if (first == last)
        return false;
    auto [ptr, ec] = std::from_chars(first, last, out, 10);
    return ec == std::errc() && ptr == last;
}

} // namespace

NvOptionList::NvOptionList(const NvOptionPair* pairs, bool caseSensitive)
    : m_valueKind(IntegerValues)
    , m_caseSensitive(caseSensitive)
{
    append(pairs);
}

NvOptionList::NvOptionList(const NvTextOptionPair* pairs, bool caseSensitive)
    : m_valueKind(TextValues)
    , m_caseSensitive(caseSensitive)
{
    append(pairs);
}

void NvOptionList::append(const NvOptionPair* pairs)
{
    for (const NvOptionPair* p = pairs; p && p->label; ++p) {
        Item item;
        item.intValue = p->value;
        item.textValue = std::to_string(p->value);
        item.label = p->label;
        m_items.push_back(std::move(item));
    }
}

void NvOptionList::append(const NvTextOptionPair* pairs)
{
    for (const NvTextOptionPair* p = pairs; p && p->label; ++p) {
        Item item;
        item.textValue = p->value ? p->value : "";
        item.label = p->label;
        m_items.push_back(std::move(item));
    }
}

void NvOptionList::clear()
{
    m_items.clear();
}

bool NvOptionList::equalText(const std::string& a, const std::string& b) const
{
    if (m_caseSensitive)
        return a == b;
    return equalIgnoringCase(a, b);
}

int NvOptionList::indexOfLabel(const std::string& label) const
{
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (equalText(m_items[i].label, label))
            return static_cast<int>(i);
    }
    return -1;
}

int NvOptionList::indexOfValue(const std::string& value) const
{
    if (m_valueKind == IntegerValues) {
        if (value == kNullValueText)
            return -1;
        int32_t number = 0;
        if (!parseDecimal(value, number))
            return -1;
        for (size_t i = 0; i < m_items.size(); ++i) {
            if (m_items[i].intValue == number)
                return static_cast<int>(i);
        }
        return -1;
    }
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (equalText(m_items[i].textValue, value))
            return static_cast<int>(i);
    }
    return -1;
}

std::string NvOptionList::labelOfValue(const std::string& value) const
{
    const int index = indexOfValue(value);
    return index < 0 ? value : m_items[static_cast<size_t>(index)].label;
}

std::string NvOptionList::valueOfLabel(const std::string& label) const
{
    const int index = indexOfLabel(label);
    if (index < 0)
        return label;
    const Item& item = m_items[static_cast<size_t>(index)];
    return m_valueKind == IntegerValues ? std::to_string(item.intValue) : item.textValue;
}
