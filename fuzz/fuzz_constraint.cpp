// The constraint format parser and validator: any specification parses to 0 or
// -2; any text, checked against a parsed constraint, is accepted (0) or refused
// with a code from -3 to -11 and a message whose placeholders are all filled.
#include <QString>

#include <string>

#include "bind/NvEditConstraint.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const std::string specification = in.text(64);
    EditConstraint_s rec;
    int width = 0;
    const int parsed = NvEditConstraint::parseSpecification(specification, rec, width);
    FUZZ_CHECK(parsed == 0 || parsed == -2, specification + ": " + std::to_string(parsed));
    if (parsed != 0)
        return 0;
    FUZZ_CHECK(std::string("shiufn").find(rec.conversion) != std::string::npos, specification);
    FUZZ_CHECK(width >= 0 && rec.maxLength >= 0, specification);

    const std::string text = in.rest();
    QString message;
    const int code = NvEditConstraint::validateText(rec, QString::fromUtf8(text.data(), static_cast<int>(text.size())),
                                                   &message);
    FUZZ_CHECK(code == 0 || (code <= -3 && code >= -11), specification + " | " + text + ": " + std::to_string(code));
    if (code != 0) {
        FUZZ_CHECK(message.startsWith(QStringLiteral("(NvCommon)")), message.toStdString());
        for (const char* placeholder : {"[MIN]", "[MAX]", "[LEN]", "[MAXLEN]", "[COUNT]", "[MAXCOUNT]", "[DELIMITER]"})
            FUZZ_CHECK(!message.contains(QLatin1String(placeholder)), message.toStdString());
    }
    return 0;
}
