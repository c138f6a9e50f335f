#pragma once
// Error model of the SNMP access library: every failure is a signed code with a
// catalogue text. Blocking operations throw NvSNMPException; asynchronous ones
// hand an NvSNMPError record to their reply handler.
#include <cstdint>
#include <stdexcept>
#include <string>

struct NvSNMPError {
    int32_t code = 0;          // 0 success, negative failure (see NvMessageCatalogue.h for the ranges)
    int32_t errorIndex = 0;    // 1-based position of the offending varbind, 0 when none
    std::string message;       // catalogue text of the code
    std::string agentAddress;  // agent that answered (or timed out)
    int32_t agentPort = 0;
    bool finished = false;     // no further reply follows for this operation
};

// A raised failure: the message text and the code (the help-context number).
class NvSNMPException : public std::runtime_error {
public:
    NvSNMPException(const std::string& message, int code);
    int code() const { return m_code; }

private:
    int m_code;
};
