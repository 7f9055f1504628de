// Icon location texts: any text splits without fault, and a location made of
// a file name and an index gives them back.
#include "FuzzCheck.h"
#include "registry/ValueText.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const int index = input.ConsumeIntegral<int>();
    const std::string file = input.ConsumeRandomLengthString(300);
    const std::string location = input.ConsumeRemainingBytesAsString();

    // Any text: the file part is a piece of it; the index part is stable.
    const std::string part = IconFileOf(location);
    FUZZ_CHECK(location.find(part) != std::string::npos, HexDump(location));
    FUZZ_CHECK(IconIndexOf(location) == IconIndexOf(location), HexDump(location));
    const auto comma = location.find(',');
    if (comma != std::string::npos)
        FUZZ_CHECK(IconIndexOf(location) == IconIndexOf(location.substr(comma)), HexDump(location));

    // Made and split again: the file up to its first double quote (the
    // quote closes the name), the index unless a comma in the name cuts first.
    const std::string made = MakeIconLocation(file, index);
    FUZZ_CHECK(IconFileOf(made) == file.substr(0, file.find('"')), HexDump(made));
    if (file.find(',') == std::string::npos)
        FUZZ_CHECK(IconIndexOf(made) == index, made);
    FUZZ_CHECK(IconIndexOf("," + std::to_string(index)) == index, std::to_string(index));
    FUZZ_CHECK(IconIndexOf("  " + std::to_string(index)) == index, std::to_string(index));
    return 0;
}
