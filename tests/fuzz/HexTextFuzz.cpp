// Hexadecimal value text: which texts count as hexadecimal, the number they
// give (the lowest 32 bits of their value), and the error for any other.
#include "FuzzCheck.h"
#include "registry/ValueText.h"
#include "support/Exception.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    bool allHex = !text.empty();
    for (char c : text)
        allHex = allHex && ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'));
    FUZZ_CHECK(IsHexText(text) == allHex, HexDump(text));

    std::string upper = text;
    uint32_t expected = 0;
    bool valid = !text.empty();
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        const int digit = (c >= '0' && c <= '9')   ? c - '0'
                          : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                                   : -1;
        valid = valid && digit >= 0;
        expected = (expected << 4) | static_cast<uint32_t>(digit & 15);
    }
    try {
        const int32_t value = HexToInt(text);
        FUZZ_CHECK(valid, "accepted " + HexDump(text));
        FUZZ_CHECK(static_cast<uint32_t>(value) == expected, HexDump(text));
    } catch (const EConvertError& e) {
        FUZZ_CHECK(!valid, "refused " + HexDump(text));
        FUZZ_CHECK(e.Message() == "''" + upper + "'' ist kein gültiger hexadezimaler Wert",
                   e.Message());
    }
    return 0;
}
