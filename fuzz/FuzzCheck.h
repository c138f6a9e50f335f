#pragma once
// What a fuzz target asserts: a broken promise prints what was broken and
// aborts, so that libFuzzer keeps the input as a crash.
#include <string>

[[noreturn]] void fuzzFailure(const char* condition, const char* file, int line, const std::string& detail);

#define FUZZ_CHECK(condition, detail)                                  \
    do {                                                               \
        if (!(condition))                                              \
            fuzzFailure(#condition, __FILE__, __LINE__, (detail));     \
    } while (false)

// Whether a code belongs to the library's set: 0, or one of the negative ranges
// of the common, agent, SNMPv3, USM, class and library catalogues.
bool isLibraryCode(int code);
