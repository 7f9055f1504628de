// The flags number "EditFlags" and the set of its elements.
#include "association/EditFlags.h"

#include <gtest/gtest.h>

namespace {

// Every bit that belongs to an element.
const uint32_t kAllElementBits = 0x17BFFF;

} // namespace

TEST(EditFlagsTest, NumberToSet) {
    EXPECT_EQ(IntToEditFlags(0), TEditFlags{efNone});
    EXPECT_EQ(IntToEditFlags(0x10000), (TEditFlags{efNone, efOpenIsSafe}));
    // Bits without an element are dropped.
    EXPECT_EQ(IntToEditFlags(0x4000), TEditFlags{efNone});
    EXPECT_EQ(IntToEditFlags(0x80000), TEditFlags{efNone});
    EXPECT_EQ(IntToEditFlags(0xFFE00000u), TEditFlags{efNone});
    EXPECT_EQ(IntToEditFlags(0x738), (TEditFlags{efNone, efNoEdit, efNoRemove, efNoNewVerb,
                                                 efNoEditDesc, efNoEditIcon, efNoEditDflt}));
    const TEditFlags all = IntToEditFlags(0xFFFFFFFFu);
    EXPECT_EQ(all.size(), EditFlagCount);
    for (int k = 0; k < EditFlagCount; ++k)
        EXPECT_TRUE(all.contains(static_cast<TEditFlag>(k))) << k;
}

TEST(EditFlagsTest, SetToNumberAndBack) {
    EXPECT_EQ(EditFlagsToInt(TEditFlags{}), 0u);
    EXPECT_EQ(EditFlagsToInt(TEditFlags{efNone}), 0u);
    EXPECT_EQ(EditFlagsToInt(TEditFlags{efNoEdit, efNoRemove}), 24u);
    EXPECT_EQ(EditFlagsToInt(IntToEditFlags(0xFFFFFFFFu)), kAllElementBits);
    // Each element owns exactly its bit.
    for (int k = 1; k < EditFlagCount; ++k) {
        const TEditFlag flag = static_cast<TEditFlag>(k);
        EXPECT_EQ(IntToEditFlags(EditFlagValues[k]), (TEditFlags{efNone, flag})) << k;
        EXPECT_EQ(EditFlagsToInt(TEditFlags{flag}), EditFlagValues[k]) << k;
    }
    for (uint32_t number : {0x1u, 0x10000u, 0x738u, 0x12345678u, 0xDEADBEEFu})
        EXPECT_EQ(EditFlagsToInt(IntToEditFlags(number)), number & kAllElementBits) << number;
}

TEST(EditFlagsTest, SetOperations) {
    TEditFlags flags;
    EXPECT_TRUE(flags.empty());
    EXPECT_FALSE(flags.contains(efNone)); // an empty set, unlike a read one
    flags.insert(efNoDDE);
    flags.insert(efNoDDE);
    EXPECT_EQ(flags.size(), 1);
    EXPECT_TRUE(flags.contains(efNoDDE));
    flags.erase(efNoDDE);
    EXPECT_TRUE(flags.empty());
    // Values outside the enumeration are neither stored nor found.
    flags.insert(static_cast<TEditFlag>(20));
    flags.insert(static_cast<TEditFlag>(-1));
    EXPECT_TRUE(flags.empty());
    EXPECT_FALSE(IntToEditFlags(0xFFFFFFFFu).contains(static_cast<TEditFlag>(31)));
}
