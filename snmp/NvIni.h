#pragma once
// Reads values out of an INI file. Section and key match without regard to case;
// the value is the text after the first "=", cut to 4095 characters. Every lookup
// reads the file again; nothing is cached and nothing is ever written.
#include <string>

class NvIni {
public:
    explicit NvIni(std::string path);
    std::string readString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};
