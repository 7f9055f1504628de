// Writing the per-user "HideFileExt" switch, and the lenient read the
// start-up and the system-wide settings dialog use.
#include "association/DataType.h"
#include "association/Visibility.h"
#include "support/ScratchRegistry.h"

#include <gtest/gtest.h>
#include "support/NoUndo.h"

namespace {

const char kAdvanced[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";

} // namespace

using VisibilityWriteTest = RegistryTest;

TEST_F(VisibilityWriteTest, WritesADwordAndCreatesAMissingKey) {
    EXPECT_FALSE(HasKey(kAdvanced, HKEY_CURRENT_USER));
    SetHideFileExt(NoUndo(), true);
    EXPECT_EQ(GetRaw(kAdvanced, "HideFileExt", HKEY_CURRENT_USER).type, DWORD(REG_DWORD));
    EXPECT_TRUE(GetHideFileExt());

    // The other values of the key stay as they are; a malformed value is replaced.
    PutString(kAdvanced, "Other", "kept", HKEY_CURRENT_USER);
    PutString(kAdvanced, "HideFileExt", "1", HKEY_CURRENT_USER);
    SetHideFileExt(NoUndo(), false);
    EXPECT_FALSE(GetHideFileExt());
    EXPECT_EQ(GetRaw(kAdvanced, "HideFileExt", HKEY_CURRENT_USER).bytes, std::string(4, '\0'));
    EXPECT_EQ(GetText(kAdvanced, "Other", HKEY_CURRENT_USER), "kept");
    // Nothing below the classes root was touched.
    EXPECT_FALSE(HasKey("Software"));
}

TEST_F(VisibilityWriteTest, LenientReadGivesTheFallbackForEveryMalformedSetting) {
    EXPECT_TRUE(ReadHideFileExt(true)); // no key
    EXPECT_FALSE(ReadHideFileExt(false));
    PutKey(kAdvanced, HKEY_CURRENT_USER);
    EXPECT_TRUE(ReadHideFileExt(true)); // no value
    EXPECT_FALSE(ReadHideFileExt(false));
    for (bool fallback : {false, true}) {
        PutDword(kAdvanced, "HideFileExt", 2, HKEY_CURRENT_USER);
        EXPECT_EQ(ReadHideFileExt(fallback), fallback);
        PutString(kAdvanced, "HideFileExt", "0", HKEY_CURRENT_USER);
        EXPECT_EQ(ReadHideFileExt(fallback), fallback);
        PutDword(kAdvanced, "HideFileExt", 1, HKEY_CURRENT_USER);
        EXPECT_TRUE(ReadHideFileExt(fallback));
        PutDword(kAdvanced, "HideFileExt", 0, HKEY_CURRENT_USER);
        EXPECT_FALSE(ReadHideFileExt(fallback));
    }
}
