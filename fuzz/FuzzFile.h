#pragma once
// A temporary file holding a fuzzer's input for the readers that take a path;
// removed again when it goes out of scope.
#include <string>

class FuzzFile {
public:
    explicit FuzzFile(const std::string& content);
    ~FuzzFile();
    FuzzFile(const FuzzFile&) = delete;
    FuzzFile& operator=(const FuzzFile&) = delete;
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};
