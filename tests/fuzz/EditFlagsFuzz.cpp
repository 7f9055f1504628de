// Edit flags: the number and the set convert into each other without losing
// a known bit, and "EditFlags" read from the registry (a number, up to four
// bytes lowest first, or anything else) gives that set or the documented error.
#include "FuzzCheck.h"
#include "association/DataType.h"
#include "platform/FakeControl.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

uint32_t KnownBits() {
    uint32_t mask = 0;
    for (uint32_t v : EditFlagValues)
        mask |= v;
    return mask;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const uint32_t value = input.ConsumeIntegral<uint32_t>();
    const uint32_t elements = input.ConsumeIntegral<uint32_t>();

    const TEditFlags read = IntToEditFlags(value);
    FUZZ_CHECK(read.contains(efNone), std::to_string(value));
    FUZZ_CHECK(EditFlagsToInt(read) == (value & KnownBits()), std::to_string(value));
    FUZZ_CHECK(IntToEditFlags(EditFlagsToInt(read)) == read, std::to_string(value));

    TEditFlags set;
    for (int k = 0; k < EditFlagCount; ++k)
        if (elements & (1u << k))
            set.insert(static_cast<TEditFlag>(k));
    TEditFlags withNone = set;
    withNone.insert(efNone);
    FUZZ_CHECK(IntToEditFlags(EditFlagsToInt(set)) == withNone, std::to_string(elements));

    // The value as stored in a class key.
    const DWORD types[] = {REG_DWORD, REG_BINARY, REG_SZ, REG_EXPAND_SZ, REG_NONE, REG_MULTI_SZ};
    const DWORD type = types[input.ConsumeIntegralInRange<size_t>(0, 5)];
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    fake::ResetRegistry();
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CLASSES_ROOT, "cls", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    RegSetValueExA(key, "EditFlags", 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                   static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
    uint32_t number = 0;
    for (size_t i = 0; i < bytes.size() && i < 4; ++i)
        number |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    try {
        const TEditFlags flags = GetEditFlags("cls");
        FUZZ_CHECK(type == REG_DWORD || (type == REG_BINARY && bytes.size() <= 4),
                   "read type " + std::to_string(type));
        if (type == REG_BINARY || bytes.size() == 4)
            FUZZ_CHECK(flags == IntToEditFlags(number), HexDump(bytes));
    } catch (const EDataTypeError& e) {
        FUZZ_CHECK(type != REG_DWORD && type != REG_BINARY, e.Message());
        FUZZ_CHECK(e.Message() == "Wrong DataType for 'EditFlags' of cls", e.Message());
    } catch (const ERegistryException& e) {
        FUZZ_CHECK(type == REG_DWORD || (type == REG_BINARY && bytes.size() > 4), e.Message());
    }
    return 0;
}
