#include "snmp/NvIni.h"

#include <fstream>

namespace {

// The longest value a lookup returns (the rest of a longer value is cut off).
constexpr size_t kMaxValueLength = 4095;

bool isBlankChar(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

std::string trimmed(const std::string& text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && isBlankChar(text[begin]))
        ++begin;
    while (end > begin && isBlankChar(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

bool sameIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

// The platform-style lookup: the value of the first matching key of a matching
// section, trimmed and cut; the default when the file, section or key is missing.
// Lines that start with ";" are comments; lines without "=" are ignored.
std::string profileLookup(const std::string& path, const std::string& section, const std::string& key,
                          const std::string& defaultValue)
{
    std::ifstream in(path, std::ios::binary);
    const std::string wantSection = trimmed(section);
    const std::string wantKey = trimmed(key);
    bool inSection = false;
    std::string line;
    while (in && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::string t = trimmed(line);
        if (t.empty() || t[0] == ';')
            continue;
        if (t[0] == '[') {
            const size_t close = t.find(']');
            const std::string name = trimmed(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            inSection = sameIgnoringCase(name, wantSection);
            continue;
        }
        if (!inSection)
            continue;
        const size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        if (!sameIgnoringCase(trimmed(line.substr(0, eq)), wantKey))
            continue;
        return trimmed(line.substr(eq + 1)).substr(0, kMaxValueLength);
    }
    return defaultValue.substr(0, kMaxValueLength);
}

}  // namespace

NvIni::NvIni(std::string path)
    : m_path(std::move(path))
{
}

std::string NvIni::readString(const std::string& section, const std::string& key,
                              const std::string& defaultValue) const
{
    const std::string found = profileLookup(m_path, section, key, defaultValue);
    if (found.empty())
        return defaultValue;
    return trimmed(found);
}
