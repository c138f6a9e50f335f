// The message-catalogue loader over a file of any content: it takes the file or
// keeps what is in force; every text it gives is at most 1023 characters long
// and never blank; every code still has a text.
#include <string>

#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzFile.h"
#include "fuzz/FuzzInput.h"
#include "snmp/NvMessageCatalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const auto kind = static_cast<NvCatalogueKind>(in.choice(7));
    const FuzzFile file(in.rest());
    resetCatalogues();
    loadCatalogue(kind, file.path());
    for (int line = 0; line < 64; ++line) {
        const std::string text = catalogueText(kind, line);
        FUZZ_CHECK(text.size() <= 1023, std::to_string(line));
        bool blank = true;
        for (char c : text)
            blank = blank && static_cast<unsigned char>(c) <= ' ';
        FUZZ_CHECK(text.empty() || !blank, std::to_string(line));
    }
    for (int code = 0; code >= -530; --code)
        textOfCode(code);
    for (int status : {0, 1400, -1401, 1, 18, 1405, -1410, -5, -23, 99})
        FUZZ_CHECK(isLibraryCode(mapSnmpStatus(status).code), std::to_string(status));
    resetCatalogues();
    return 0;
}
