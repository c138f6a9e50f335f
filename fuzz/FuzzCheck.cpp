#include "fuzz/FuzzCheck.h"

#include <cstdio>
#include <cstdlib>

#include "snmp/NvMessageCatalogue.h"

void fuzzFailure(const char* condition, const char* file, int line, const std::string& detail)
{
    std::fprintf(stderr, "%s:%d: broken: %s\n  %s\n", file, line, condition, detail.c_str());
    std::abort();
}

bool isLibraryCode(int code)
{
    const int c = -code;
    return c == 0 || (c >= 1 && c <= 18) || (c >= 101 && c <= 118) || (c >= 201 && c <= 217)
           || (c >= 301 && c <= 314) || (c >= 401 && c <= 423) || (c >= 501 && c <= -ErrWalkNotAdvancing);
}
