// The strict read of the per-user "HideFileExt" switch.
#include "association/DataType.h"
#include "support/ErrorOf.h"
#include "support/ScratchRegistry.h"

#include <gtest/gtest.h>

namespace {

const char kAdvanced[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";

template <typename E> std::string ErrorOfHideFileExt() { return ErrorOf<E>(GetHideFileExt); }

} // namespace

using VisibilityTest = RegistryTest;

TEST_F(VisibilityTest, HideFileExtIsZeroOrOne) {
    PutDword(kAdvanced, "HideFileExt", 1, HKEY_CURRENT_USER);
    EXPECT_TRUE(GetHideFileExt());
    PutDword(kAdvanced, "HideFileExt", 0, HKEY_CURRENT_USER);
    EXPECT_FALSE(GetHideFileExt());
    PutDword(kAdvanced, "HideFileExt", 2, HKEY_CURRENT_USER);
    EXPECT_EQ(ErrorOfHideFileExt<EValueError>(),
              "Unknown Value for 'HideFileExt' in "
              "'Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced'");
    // The classes root is not where the switch lives.
    PutDword(kAdvanced, "HideFileExt", 1);
    PutDword(kAdvanced, "HideFileExt", 0, HKEY_CURRENT_USER);
    EXPECT_FALSE(GetHideFileExt());
}

TEST_F(VisibilityTest, MissingOrMalformedSwitchRaises) {
    EXPECT_EQ(ErrorOfHideFileExt<EExistensError>(),
              "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"
              "Advanced does not exists.");
    PutKey(kAdvanced, HKEY_CURRENT_USER);
    // A missing value is a kind of missing key, with its own message.
    EXPECT_EQ(ErrorOfHideFileExt<EValExistensError>(),
              "There is no 'HideFileExt'-item in HKEY_CURRENT_USER\\Software\\Microsoft\\"
              "Windows\\CurrentVersion\\Explorer\\Advanced");
    EXPECT_THROW(GetHideFileExt(), EExistensError);

    PutString(kAdvanced, "HideFileExt", "1", HKEY_CURRENT_USER);
    EXPECT_EQ(ErrorOfHideFileExt<ERegistryException>(), "Ungültiger Datentyp für 'HideFileExt'");
    PutBinary(kAdvanced, "HideFileExt", std::string(8, '\0'), HKEY_CURRENT_USER);
    EXPECT_EQ(ErrorOfHideFileExt<ERegistryException>(),
              "Konnte Daten für 'HideFileExt' nicht holen");
    // Nothing was changed on any path.
    EXPECT_EQ(GetRaw(kAdvanced, "HideFileExt", HKEY_CURRENT_USER).type, DWORD(REG_BINARY));
}
