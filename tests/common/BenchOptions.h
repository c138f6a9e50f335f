#pragma once
// The benchmarks' numeric options, given as "--name value" pairs.

// The value of the option, or fallback when it is not given; a value below
// minimum is raised to it.
int benchOption(int argc, char** argv, const char* name, int fallback, int minimum);
