#include "editors/common/AccessEditorEntries.h"

#include <array>
#include <cstddef>
#include <utility>

#include "editors/access/AccessEditorRecord.h"
#include "editors/access/TAccessEditorForm.h"

namespace {

constexpr std::size_t MaskCount = 8;
constexpr std::size_t RuleCount = 8;

// Editor n of the sixteen: the masks, then the rules.
const AccessEditorRecord& accessEditor(std::size_t n)
{
    return n < MaskCount ? accessMaskEditors()[n] : accessRuleEditors()[n - MaskCount];
}

template <std::size_t N>
void openAccessEditor(const EditorContext& context)
{
    TAccessEditorForm::open(accessEditor(N), context);
}

template <std::size_t... N>
std::array<EditorEntry, sizeof...(N)> makeEntries(std::index_sequence<N...>)
{
    return {EditorEntry{accessEditor(N).component, &openAccessEditor<N>}...};
}

} // namespace

std::span<const EditorEntry> accessEditorEntries()
{
    static const auto entries = makeEntries(std::make_index_sequence<MaskCount + RuleCount>());
    return entries;
}
