// The INI reader over a file of any content: a lookup never fails; what it gives
// is the default unchanged or a trimmed text of at most 4095 characters; letter
// case of section and key does not matter.
#include <cctype>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/FuzzFile.h"
#include "snmp/NvIni.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const std::string section = in.text(32);
    const std::string key = in.text(32);
    const std::string defaultValue = in.text(16);
    const FuzzFile file(in.rest());
    const NvIni ini(file.path());
    const std::string value = ini.readString(section, key, defaultValue);
    if (value != defaultValue) {
        FUZZ_CHECK(value.size() <= 4095, section + "/" + key);
        FUZZ_CHECK(value.empty()
                       || (static_cast<unsigned char>(value.front()) > 32 && static_cast<unsigned char>(value.back()) > 32),
                   section + "/" + key + " = [" + value + "]");
    }
    // The same lookup in other letter cases finds the same value.
    std::string upperSection = section, upperKey = key;
    for (char& c : upperSection)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (char& c : upperKey)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    FUZZ_CHECK(ini.readString(upperSection, upperKey, defaultValue) == value, section + "/" + key);
    return 0;
}
