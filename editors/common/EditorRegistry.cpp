#include "editors/common/EditorRegistry.h"

#include <vector>

#include "editors/common/AccessEditorEntries.h"
#include "editors/common/MiscEditorEntries.h"
#include "editors/common/VlanEditorEntries.h"

namespace {

// One line per editor family: each family keeps its own table of entries.
std::vector<EditorEntry> joinFamilies()
{
    std::vector<EditorEntry> entries;
    const std::span<const EditorEntry> families[] = {
        accessEditorEntries(),
        vlanEditorEntries(),
        miscEditorEntries(),
    };
    for (const auto& family : families)
        entries.insert(entries.end(), family.begin(), family.end());
    return entries;
}

} // namespace

std::span<const EditorEntry> editorEntries()
{
    static const std::vector<EditorEntry> entries = joinFamilies();
    return entries;
}

const EditorEntry* findEditor(std::string_view component)
{
    for (const EditorEntry& entry : editorEntries()) {
        if (component == entry.component)
            return &entry;
    }
    return nullptr;
}
