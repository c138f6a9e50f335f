#include "tests/common/BenchOptions.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>

BenchOptions::BenchOptions(int argc, char** argv, std::vector<Option> options)
{
    std::string known;
    for (const Option& o : options) {
        m_values[o.name] = o.fallback;
        known += std::string(known.empty() ? "" : ", ") + o.name + " N";
    }
    auto refuse = [&](const std::string& why) {
        std::fprintf(stderr, "%s: %s (options: %s)\n", argv[0], why.c_str(), known.c_str());
        std::exit(2);
    };
    for (int i = 1; i < argc; i += 2) {
        const auto found = std::find_if(options.begin(), options.end(),
                                        [&](const Option& o) { return std::strcmp(argv[i], o.name) == 0; });
        if (found == options.end())
            refuse(std::string("unknown option ") + argv[i]);
        if (i + 1 >= argc)
            refuse(std::string(argv[i]) + " needs a value");
        const char* text = argv[i + 1];
        const char* end = text + std::strlen(text);
        int value = 0;
        const auto [stop, error] = std::from_chars(text, end, value);
        if (error != std::errc() || stop != end || stop == text)
            refuse(std::string(argv[i]) + " " + text + ": not a whole number");
        m_values[found->name] = std::max(found->minimum, value);
    }
}

int BenchOptions::operator[](const std::string& name) const
{
    return m_values.at(name);
}
