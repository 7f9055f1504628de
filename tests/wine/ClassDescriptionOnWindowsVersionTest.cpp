// GetClassDescription under the Windows version Wine pretends to be: only
// Windows 2000 and XP read "FriendlyTypeName".
#include "association/DataType.h"
#include "support/ScratchRegistry.h"

#include <gtest/gtest.h>

#include <cstdlib>

using ClassDescriptionOnWindowsVersion = RegistryTest;

TEST_F(ClassDescriptionOnWindowsVersion, FriendlyTypeNameOnlyOn2000AndXP) {
    const char* expected = std::getenv("CORVIX_EXPECT_WINVER");
    if (!expected)
        GTEST_SKIP() << "CORVIX_EXPECT_WINVER is not set";
    const std::string version = expected;
    const bool friendly = version == "win2k" || version == "winxp";

    PutString("both", "", "Default text");
    PutString("both", "FriendlyTypeName", "Friendly text");
    PutString("plain", "", "Plain text");
    PutString("emptyfriendly", "", "Default text");
    PutString("emptyfriendly", "FriendlyTypeName", "");
    PutString("numfriendly", "", "Default text");
    PutDword("numfriendly", "FriendlyTypeName", 1);

    EXPECT_EQ(GetClassDescription("both"), friendly ? "Friendly text" : "Default text") << version;
    EXPECT_EQ(GetClassDescription("plain"), "Plain text") << version;
    EXPECT_EQ(GetClassDescription("emptyfriendly"), friendly ? "" : "Default text") << version;
    std::string error = "(no error)", description;
    try {
        description = GetClassDescription("numfriendly");
    } catch (const ERegistryException& e) {
        error = e.what();
    }
    if (friendly) {
        EXPECT_EQ(error, "Ungültiger Datentyp für 'FriendlyTypeName'") << version;
    } else {
        EXPECT_EQ(error, "(no error)") << version;
        EXPECT_EQ(description, "Default text") << version;
    }
}
