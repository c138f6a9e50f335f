#include "tests/common/BenchOptions.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

int benchOption(int argc, char** argv, const char* name, int fallback, int minimum)
{
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], name) == 0)
            return std::max(minimum, std::atoi(argv[i + 1]));
    }
    return fallback;
}
