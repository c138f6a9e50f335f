#pragma once
// The editor entries of the daylight-saving, authentication, forwarding and
// filtering, small-table and 802.1X forms.
#include <span>

#include "editors/common/EditorRegistry.h"

std::span<const EditorEntry> miscEditorEntries();
