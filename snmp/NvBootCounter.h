#pragma once
// The SNMPv3 boot counter file: the decimal counter and a line break. A missing,
// unreadable or non-numeric file counts as 0. Saving writes a temporary file
// beside the counter and renames it over the old one, so the counter is never
// left truncated or half written.
#include <cstdint>
#include <string>

class NvBootCounter {
public:
    // 0: read; -1: no file (counter 0); -2: unreadable or not a number (counter 0).
    static int load(const std::string& path, uint32_t& counter);
    // 0: stored; -1: the file could not be written.
    static int save(const std::string& path, uint32_t counter);
    // Path of the counter file in a directory ("" is the working directory).
    static std::string pathIn(const std::string& directory);
};
