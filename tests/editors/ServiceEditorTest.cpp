#include "tests/editors/ServiceEditorTest.h"

#include <fstream>

void ServiceEditorTest::SetUp()
{
    EditorAgentTest::SetUp();
    takeSets();
}

std::vector<std::string> ServiceEditorTest::takeSets()
{
    std::vector<std::string> sets;
    std::ifstream log(setLog);
    size_t line = 0;
    for (std::string text; std::getline(log, text); ++line) {
        if (line >= m_setsSeen)
            sets.push_back(text);
    }
    m_setsSeen = line;
    return sets;
}
