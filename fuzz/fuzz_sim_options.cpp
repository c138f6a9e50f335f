// The simulator's option file: any text is taken or refused with a message that
// names the line; what is taken stays within the ranges the options allow.
#include <string>

#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzFile.h"
#include "sim/SimOptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzFile file(std::string(reinterpret_cast<const char*>(data), size));
    SimOptions options;
    std::string error;
    if (!options.readConfig(file.path(), error)) {
        FUZZ_CHECK(error.compare(0, file.path().size() + 1, file.path() + ":") == 0, error);
        return 0;
    }
    const FaultSwitches& f = options.faults;
    FUZZ_CHECK(f.delayMs >= 0 && f.dropEvery >= 0 && f.duplicateMs >= 0 && f.stopAfter >= 0, file.path());
    FUZZ_CHECK(f.longStringLength >= 0 && f.longStringLength <= 65000, std::to_string(f.longStringLength));
    FUZZ_CHECK(options.ledPeriodMs >= 100, std::to_string(options.ledPeriodMs));
    FUZZ_CHECK(options.listen.compare(0, 4, "udp:") == 0, options.listen);
    for (int unit = 0; unit <= 12; ++unit)
        f.ledLimit(unit);
    return 0;
}
