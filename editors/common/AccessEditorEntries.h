#pragma once
// The menu entries of the access-profile and access-rule editors.
#include <span>

#include "editors/common/EditorRegistry.h"

std::span<const EditorEntry> accessEditorEntries();
