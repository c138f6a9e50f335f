#include "catalogue/NvViewCatalogue.h"

#include <cstring>

#include "snmp/NvOptionList.h"

const NvViewTable* NvViewCatalogue::byNumber(int number)
{
    if (number < 1 || number > TableCount)
        return nullptr;
    return &s_tables[number - 1];
}

const NvViewTable* NvViewCatalogue::byName(std::string_view name)
{
    for (const NvViewTable& t : s_tables) {
        if (name == t.name)
            return &t;
    }
    return nullptr;
}

const NvViewTable* NvViewCatalogue::byOpener(std::string_view opener)
{
    for (const NvViewTable& t : s_tables) {
        std::string_view rest(t.opener);
        while (!rest.empty()) {
            const size_t cut = rest.find("; ");
            if (rest.substr(0, cut) == opener)
                return &t;
            if (cut == std::string_view::npos)
                break;
            rest.remove_prefix(cut + 2);
        }
    }
    return nullptr;
}

std::string NvViewCatalogue::optionPairsText(const NvOptionList* options)
{
    std::string text;
    if (!options)
        return text;
    for (int i = 0; i < options->count(); ++i) {
        const NvOptionList::Item& item = options->item(i);
        if (i > 0)
            text += '|';
        text += options->valueKind() == NvOptionList::TextValues ? item.textValue
                                                                 : std::to_string(item.intValue);
        text += '=' + item.label;
    }
    return text;
}
