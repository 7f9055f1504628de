#include "association/EditFlags.h"

const uint32_t EditFlagValues[EditFlagCount] = {
    0x0,   0x1,   0x2,   0x4,    0x8,    0x10,   0x20,    0x40,    0x80,    0x100,
    0x200, 0x400, 0x800, 0x1000, 0x2000, 0x8000, 0x10000, 0x20000, 0x40000, 0x100000,
};

int TEditFlags::size() const {
    int count = 0;
    for (uint32_t rest = elements_; rest; rest &= rest - 1)
        ++count;
    return count;
}

TEditFlags IntToEditFlags(uint32_t value) {
    TEditFlags flags;
    for (int k = 0; k < EditFlagCount; ++k)
        if ((value & EditFlagValues[k]) == EditFlagValues[k])
            flags.insert(static_cast<TEditFlag>(k));
    return flags;
}

uint32_t EditFlagsToInt(const TEditFlags& flags) {
    uint32_t value = 0;
    for (int k = 0; k < EditFlagCount; ++k)
        if (flags.contains(static_cast<TEditFlag>(k)))
            value |= EditFlagValues[k];
    return value;
}
