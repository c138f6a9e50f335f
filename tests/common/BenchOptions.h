#pragma once
// The benchmarks' numeric options, given as "--name value" pairs, read once.
#include <map>
#include <string>
#include <vector>

class BenchOptions {
public:
    struct Option {
        const char* name;  // "--runs"
        int fallback;      // the value when the option is not given
        int minimum;       // a smaller value is raised to it
    };

    // Reads the arguments after the program name. An option not in the list,
    // one without a value, or a value that is not a whole number ends the
    // program with a line naming it and the options there are.
    BenchOptions(int argc, char** argv, std::vector<Option> options);

    // The value of a listed option.
    int operator[](const std::string& name) const;

private:
    std::map<std::string, int> m_values;
};
