// TRegistry against the stand-in's controls: failures that the real registry
// can't be made to produce on demand, the Far East name length rule, and the
// registry call count.
#include "platform/FakeControl.h"
#include "registry/Registry5LE.h"
#include "support/ScratchRegistry.h"
#include "support/StringList.h"

#include <gtest/gtest.h>

namespace {

class TRegistryStandInTest : public RegistryTest {
protected:
    TRegistryStandInTest() { reg.SetRootKey(HKEY_CLASSES_ROOT); }
    TRegistry reg;
};

} // namespace

TEST_F(TRegistryStandInTest, FailuresGiveTheStatedResultOrMessage) {
    PutString("k", "v", "text");
    ASSERT_TRUE(reg.OpenKey("k", false));

    fake::FailNext(fake::Fault::Open);
    EXPECT_FALSE(reg.OpenKey("\\k", false));
    EXPECT_EQ(reg.ReadString("v"), "text"); // previous key still current

    fake::FailNext(fake::Fault::Create);
    EXPECT_FALSE(reg.OpenKey("new", true));
    EXPECT_EQ(reg.CurrentPath(), "k");

    fake::FailNext(fake::Fault::Create);
    try {
        reg.CreateKey("\\a\\b");
        ADD_FAILURE() << "CreateKey must raise";
    } catch (const ERegistryException& e) {
        EXPECT_STREQ(e.what(), "Erzeugung von Schlüssel \\a\\b misslungen");
    }

    fake::FailNext(fake::Fault::SetValue);
    try {
        reg.WriteString("v", "other");
        ADD_FAILURE() << "WriteString must raise";
    } catch (const ERegistryException& e) {
        EXPECT_STREQ(e.what(), "Konnte Daten für 'v' nicht setzen");
    }
    EXPECT_EQ(reg.ReadString("v"), "text");

    fake::FailNext(fake::Fault::DeleteValue);
    EXPECT_FALSE(reg.DeleteValue("v"));
    fake::FailNext(fake::Fault::QueryValue);
    EXPECT_FALSE(reg.ValueExists("v"));
    fake::FailNext(fake::Fault::QueryValue);
    EXPECT_EQ(reg.ReadString("v"), ""); // unreadable reads as missing
    fake::FailNext(fake::Fault::QueryInfo);
    TRegKeyInfo info;
    EXPECT_FALSE(reg.GetKeyInfo(info));
}

TEST_F(TRegistryStandInTest, DeleteKeyWithoutInfoAccessTriesTheFinalDeletionOnly) {
    PutKey("cls\\shell\\open");
    reg.SetAccess(KEY_WRITE);           // no KEY_QUERY_VALUE: subkeys can't be listed
    EXPECT_FALSE(reg.DeleteKey("cls")); // the NT rule: a key with subkeys stays
    EXPECT_TRUE(HasKey("cls\\shell\\open"));

    fake::FailNext(fake::Fault::DeleteKey);
    reg.SetAccess(KEY_READ);
    EXPECT_FALSE(reg.DeleteKey("cls\\shell\\open"));
    EXPECT_TRUE(HasKey("cls\\shell\\open"));

    // A subkey that can't be enumerated is skipped, so its parent stays.
    fake::FailNext(fake::Fault::Enum);
    EXPECT_FALSE(reg.DeleteKey("cls\\shell"));
    EXPECT_TRUE(HasKey("cls\\shell\\open"));
    EXPECT_TRUE(reg.DeleteKey("cls"));
    EXPECT_FALSE(HasKey("cls"));
}

TEST_F(TRegistryStandInTest, NameLengthsCountTheUnitsOfTheFunctionsInUse) {
    // "アイ" is two UTF-16 units, and four bytes in code page 932: NT's wide
    // functions count the units, the ANSI ones of a Far East 95-family
    // system the bytes; the names read back whole either way.
    PutKey("k\\アイ");
    PutString("k", "xyz", "v");
    ASSERT_TRUE(reg.OpenKey("k", false));
    struct Case {
        const char* version;
        bool dbcs;
        DWORD subKeyLength;
    } cases[] = {{"winxp", false, 2}, {"winxp", true, 2}, {"nt40", true, 2}, {"win98", true, 4}};
    for (const Case& c : cases) {
        fake::SetVersion(c.version);
        fake::SetDbcsEnabled(c.dbcs);
        TRegKeyInfo info;
        ASSERT_TRUE(reg.GetKeyInfo(info));
        EXPECT_EQ(info.MaxSubKeyLen, c.subKeyLength) << c.version << c.dbcs;
        EXPECT_EQ(info.MaxValueLen, 3u) << c.version << c.dbcs;
        TStringList names;
        reg.GetKeyNames(names);
        EXPECT_EQ(names.Items(), std::vector<std::string>{"アイ"});
    }
}

TEST_F(TRegistryStandInTest, CountsEveryRegistryCallItMakes) {
    PutKey("a\\b\\c");
    PutString("a", "", std::string(2000, 'x'));
    long ownStart = RegistryCallCount();
    long fakeStart = fake::RegistryCallCount();
    {
        TRegistry r;
        r.SetRootKey(HKEY_CLASSES_ROOT);
        r.SetAccess(KEY_READ);
        r.OpenKey("a", false);
        r.ReadString("");
        r.ValueExists("x");
        TStringList names;
        r.GetKeyNames(names);
        r.KeyExists("b");
        r.DeleteKey("b");
    }
    EXPECT_EQ(RegistryCallCount() - ownStart, fake::RegistryCallCount() - fakeStart);
    EXPECT_GT(RegistryCallCount() - ownStart, 10);
}
