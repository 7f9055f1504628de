// The association layer's name rules, exceptions and lookups.
#include "association/DataType.h"
#include "support/ScratchRegistry.h"
#include "support/StringList.h"

#include <gtest/gtest.h>

namespace {

const std::string kGuid = "{0002DF01-0000-0000-c000-00000000aB46}";

} // namespace

TEST(NamesTest, ExtensionAndFileClassRules) {
    struct Case {
        std::string name;
        bool extension;
        bool fileClass;
    } cases[] = {
        {".txt", true, false},
        {".", false, false},
        {"txt", false, true},
        {".tar.gz", false, false},
        {".a b", false, false},
        {".x+y", true, false},
        {".{x}", true, false},
        {".TXT", true, false},
        {"txtfile", false, true},
        {"Word.Document.8", false, true},
        {"My File Type", false, true},
        {"a\\b", false, false},
        {"CLSID\\" + kGuid, false, true},
        {"CLSID\\{0002DF01-0000-0000-C000-000000000046", false, false},
        {"CLSID\\{0002DF01-0000-0000-C000-0000000046}", false, false},
        {"clsid\\" + kGuid, false, false},
        {"CLSID\\" + kGuid + "\\x", false, false},
        {"CLSID", false, true},
        {"", false, false},
        {std::string(".\x01\xe4", 3), true, false},
        {std::string("a\0b", 3), false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsValidExtension(c.name), c.extension) << c.name;
        EXPECT_EQ(IsValidFileClass(c.name), c.fileClass) << c.name;
    }
    for (char bad : std::string("\"*/:<>?\\| .")) {
        EXPECT_FALSE(IsValidExtension(std::string(".a") + bad)) << bad;
        EXPECT_FALSE(IsValidExtension(std::string(".") + bad)) << bad;
    }
}

TEST(NamesTest, GuidRule) {
    EXPECT_TRUE(IsValidGUID(kGuid));
    EXPECT_TRUE(IsValidGUID("{00000000-0000-0000-0000-000000000000}"));
    EXPECT_FALSE(IsValidGUID(""));
    EXPECT_FALSE(IsValidGUID(kGuid.substr(1)));
    EXPECT_FALSE(IsValidGUID(kGuid + " "));
    EXPECT_FALSE(IsValidGUID("(0002DF01-0000-0000-C000-000000000046)"));
    EXPECT_FALSE(IsValidGUID("{0002DF01-0000-0000-C000-00000000004G}"));
    EXPECT_FALSE(IsValidGUID("{0002DF01+0000-0000-C000-000000000046}"));
    EXPECT_FALSE(IsValidGUID("{0002DF010-000-0000-C000-000000000046}"));
    EXPECT_FALSE(IsValidGUID("{0002DF01-0000-0000-C000-000000000046-}"));
}

TEST(NamesTest, ExceptionMessagesAndKinds) {
    EXPECT_STREQ(EValidError::ForExtension(".a b").what(), ".a b is not a valid extension.");
    EXPECT_STREQ(EValidError::ForFileClass("a\\b").what(),
                 "a\\b is not a valid name of a file class.");
    EXPECT_STREQ(EDataTypeError::ForEditFlags("txtfile").what(),
                 "Wrong DataType for 'EditFlags' of txtfile");
    EXPECT_STREQ(EExistensError().what(),
                 "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"
                 "Advanced does not exists.");
    EXPECT_STREQ(EValueError().what(), "Unknown Value for 'HideFileExt' in "
                                       "'Software\\Microsoft\\Windows\\CurrentVersion\\"
                                       "Explorer\\Advanced'");
    // A handler for the missing key also catches the missing value.
    try {
        throw EValExistensError();
    } catch (const EExistensError& e) {
        EXPECT_STREQ(e.what(), "There is no 'HideFileExt'-item in HKEY_CURRENT_USER\\Software\\"
                               "Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced");
    }
    try {
        throw EValidError::ForExtension("x");
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "x is not a valid extension.");
    }
}

using LookupsTest = RegistryTest;

TEST_F(LookupsTest, ExistenceTestsNeedAValidNameAndAKey) {
    PutKey(".txt");
    PutKey("txtfile");
    PutKey("CLSID\\" + kGuid);
    PutKey("a\\b");
    PutKey("nodot");
    EXPECT_TRUE(ExtensionExists(".txt"));
    EXPECT_TRUE(ExtensionExists(".TXT"));
    EXPECT_FALSE(ExtensionExists(".doc"));
    EXPECT_FALSE(ExtensionExists("nodot")); // key exists, name invalid
    EXPECT_TRUE(FileClassExists("txtfile"));
    EXPECT_TRUE(FileClassExists("CLSID\\" + kGuid)); // the key below CLSID
    EXPECT_FALSE(FileClassExists("CLSID\\{00000000-0000-0000-0000-000000000001}"));
    EXPECT_FALSE(FileClassExists("Unregistered.Class"));
    EXPECT_FALSE(FileClassExists(".txt")); // an extension is no class name
    EXPECT_FALSE(FileClassExists("a\\b"));
    EXPECT_FALSE(FileClassExists(""));
}

TEST_F(LookupsTest, GetExtensionsKeepsSortedExtensionsOnly) {
    for (const char* key : {".TXT", ".bmp", "*", "CLSID", "txtfile", ".a.b", ".", ".a b"})
        PutKey(key);
    TStringList list;
    list.Add("stale");
    GetExtensions(list);
    EXPECT_EQ(list.Items(), (std::vector<std::string>{".bmp", ".TXT"}));
    EXPECT_FALSE(list.Updating()); // the update bracket is ended
}

TEST_F(LookupsTest, GetExtensionsOfAnEmptyRootIsEmpty) {
    TStringList list;
    list.Add("stale");
    GetExtensions(list);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_FALSE(list.Updating());
}

TEST_F(LookupsTest, GetExtensionClassReadsTheDefaultValue) {
    PutString(".txt", "", "txtfile");
    PutString(".log", "Content Type", "text/plain"); // no default value
    PutString("nodot", "", "x");
    PutDword(".num", "", 7);
    EXPECT_EQ(GetExtensionClass(".txt"), "txtfile");
    EXPECT_EQ(GetExtensionClass(".Txt"), "txtfile");
    EXPECT_EQ(GetExtensionClass(".log"), "");
    EXPECT_EQ(GetExtensionClass(".missing"), "");
    EXPECT_EQ(GetExtensionClass("nodot"), ""); // invalid: not looked up
    EXPECT_EQ(GetExtensionClass(""), "");
    try {
        GetExtensionClass(".num");
        ADD_FAILURE() << "a number as class name must raise";
    } catch (const ERegistryException& e) {
        EXPECT_STREQ(e.what(), "Ungültiger Datentyp für ''");
    }
}

TEST_F(LookupsTest, GetClassDescriptionWithoutFriendlyTypeNameReadsTheDefault) {
    PutString("txtfile", "", "Text Document");
    PutString("CLSID\\" + kGuid, "", "Some Object");
    PutKey("nodesc");
    PutDword("numdesc", "", 1);
    EXPECT_EQ(GetClassDescription("txtfile"), "Text Document");
    EXPECT_EQ(GetClassDescription("TXTFILE"), "Text Document");
    EXPECT_EQ(GetClassDescription("CLSID\\" + kGuid), "Some Object");
    EXPECT_EQ(GetClassDescription("nodesc"), "");
    EXPECT_EQ(GetClassDescription("missing"), "");
    EXPECT_EQ(GetClassDescription(".txt"), "");
    EXPECT_EQ(GetClassDescription(""), "");
    try {
        GetClassDescription("numdesc");
        ADD_FAILURE() << "a number as description must raise";
    } catch (const ERegistryException& e) {
        EXPECT_STREQ(e.what(), "Ungültiger Datentyp für ''");
    }
}
