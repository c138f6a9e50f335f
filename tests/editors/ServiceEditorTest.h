#pragma once
// Fixture of the service editor tests (daylight saving, authentication, small
// tables, forwarding forms): the editor fixture's simulator and set log, read
// as the requests that arrived since the last look.
#include <string>
#include <vector>

#include "tests/editors/EditorAgentTest.h"

class ServiceEditorTest : public EditorAgentTest {
protected:
    void SetUp() override;

    // The set requests the simulator received since the last call, one string
    // each: "oid=value oid=value" (octet strings as 0xHEX).
    std::vector<std::string> takeSets();

private:
    size_t m_setsSeen = 0;
};
