// GetClassDescription on each Windows version the stand-in can pretend to be:
// only Windows 2000 and XP read "FriendlyTypeName".
#include "association/DataType.h"
#include "platform/FakeControl.h"
#include "support/ScratchRegistry.h"

#include <gtest/gtest.h>

using ClassDescriptionVersionTest = RegistryTest;

TEST_F(ClassDescriptionVersionTest, FriendlyTypeNameOnlyOn2000AndXP) {
    PutString("both", "", "Default text");
    PutString("both", "FriendlyTypeName", "Friendly text");
    PutString("plain", "", "Plain text");
    PutString("emptyfriendly", "", "Default text");
    PutString("emptyfriendly", "FriendlyTypeName", "");
    PutString("numfriendly", "", "Default text");
    PutDword("numfriendly", "FriendlyTypeName", 1);

    for (const char* version : {"win95", "win98", "winme", "nt40", "win2k", "winxp", "win7"}) {
        fake::SetVersion(version);
        const bool friendly = std::string(version) == "win2k" || std::string(version) == "winxp";
        EXPECT_EQ(GetClassDescription("both"), friendly ? "Friendly text" : "Default text")
            << version;
        EXPECT_EQ(GetClassDescription("plain"), "Plain text") << version;
        EXPECT_EQ(GetClassDescription("emptyfriendly"), friendly ? "" : "Default text") << version;
        if (friendly) {
            EXPECT_THROW(GetClassDescription("numfriendly"), ERegistryException) << version;
        } else {
            EXPECT_EQ(GetClassDescription("numfriendly"), "Default text") << version;
        }
    }
}
