#include "tests/editors/ServiceEditorTest.h"

#include <algorithm>
#include <cstddef>

void ServiceEditorTest::SetUp()
{
    EditorAgentTest::SetUp();
    takeSets();
}

std::vector<std::string> ServiceEditorTest::takeSets()
{
    std::vector<std::string> lines = setLines();
    const size_t seen = std::min(m_setsSeen, lines.size());
    m_setsSeen = lines.size();
    return {lines.begin() + static_cast<std::ptrdiff_t>(seen), lines.end()};
}
