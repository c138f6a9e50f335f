#pragma once
// The menu entries of the VLAN, trunk, mirror, traffic-segmentation and
// link-aggregation editors.
#include <span>

#include "editors/common/EditorRegistry.h"

std::span<const EditorEntry> vlanEditorEntries();
