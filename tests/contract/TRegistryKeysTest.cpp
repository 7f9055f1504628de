// TRegistry's key operations against the registry of one test: the in-memory
// stand-in natively, redirected scratch keys of the real registry under Wine.
#include "association/UserItems.h"
#include "registry/ClassesStore.h"
#include "registry/Registry5LE.h"
#include "support/ScratchRegistry.h"
#include "support/StringList.h"

#include <gtest/gtest.h>

namespace {

class TRegistryKeysTest : public RegistryTest {
protected:
    TRegistryKeysTest() { reg.SetRootKey(HKEY_CLASSES_ROOT); }
    TRegistry reg;
};

std::vector<std::string> Names(const TStringList& list) {
    return list.Items();
}

} // namespace

TEST_F(TRegistryKeysTest, StartsOnCurrentUserWithFullAccessAndNoKey) {
    TRegistry fresh;
    EXPECT_EQ(fresh.RootKey(), HKEY_CURRENT_USER);
    EXPECT_EQ(fresh.Access(), static_cast<REGSAM>(KEY_ALL_ACCESS));
    EXPECT_EQ(fresh.CurrentKey(), nullptr);
    EXPECT_EQ(fresh.CurrentPath(), "");
}

TEST_F(TRegistryKeysTest, OpenKeyFollowsRelativeAndAbsolutePaths) {
    PutKey("txtfile\\shell");
    PutKey(".txt");
    PutKey("shell\\open");

    ASSERT_TRUE(reg.OpenKey("txtfile", false));
    EXPECT_EQ(reg.CurrentPath(), "txtfile");
    ASSERT_TRUE(reg.OpenKey("shell", false));
    EXPECT_EQ(reg.CurrentPath(), "txtfile\\shell");

    // Absolute: starts at the root whatever is open, and may create.
    ASSERT_TRUE(reg.OpenKey("\\.txt\\ShellNew", true));
    EXPECT_EQ(reg.CurrentPath(), ".txt\\ShellNew");
    EXPECT_TRUE(HasKey(".txt\\ShellNew"));

    // After CloseKey a relative path starts at the root as well.
    reg.CloseKey();
    EXPECT_EQ(reg.CurrentKey(), nullptr);
    EXPECT_EQ(reg.CurrentPath(), "");
    ASSERT_TRUE(reg.OpenKey("shell\\open", false));
    EXPECT_EQ(reg.CurrentPath(), "shell\\open");
}

TEST_F(TRegistryKeysTest, FailingOpenKeyKeepsThePreviousKeyCurrent) {
    PutString("txtfile", "", "Text Document");
    ASSERT_TRUE(reg.OpenKey("txtfile", false));
    HKEY before = reg.CurrentKey();

    EXPECT_FALSE(reg.OpenKey("missing", false));
    EXPECT_FALSE(reg.OpenKey("\\also\\missing", false));
    EXPECT_FALSE(HasKey("missing"));
    EXPECT_EQ(reg.CurrentKey(), before);
    EXPECT_EQ(reg.CurrentPath(), "txtfile");
    EXPECT_EQ(reg.ReadString(""), "Text Document");
}

TEST_F(TRegistryKeysTest, OpenKeyOfEmptyPathOpensTheBaseAndCreatesNothing) {
    PutKey(".txt");
    ASSERT_TRUE(reg.OpenKey("", true));
    EXPECT_NE(reg.CurrentKey(), nullptr);
    EXPECT_EQ(reg.CurrentPath(), "");
    TStringList names;
    reg.GetKeyNames(names);
    EXPECT_EQ(Names(names), std::vector<std::string>{".txt"});

    ASSERT_TRUE(reg.OpenKey("\\", false)); // the root by its absolute name
    EXPECT_EQ(reg.CurrentPath(), "");
}

TEST_F(TRegistryKeysTest, CreateKeyMakesParentsAndLeavesTheCurrentKey) {
    ASSERT_TRUE(reg.OpenKey("base", true));
    HKEY before = reg.CurrentKey();

    EXPECT_TRUE(reg.CreateKey("a\\b"));     // relative to the open key
    EXPECT_TRUE(reg.CreateKey("\\top\\x")); // absolute
    EXPECT_TRUE(reg.CreateKey("a\\b"));     // existing: fine
    EXPECT_TRUE(HasKey("base\\a\\b"));
    EXPECT_TRUE(HasKey("top\\x"));
    EXPECT_FALSE(HasKey("a"));
    EXPECT_EQ(reg.CurrentKey(), before);
    EXPECT_EQ(reg.CurrentPath(), "base");
}

TEST_F(TRegistryKeysTest, CreateKeyEvenWithReadAccessUsesFullAccess) {
    reg.SetAccess(KEY_READ);
    EXPECT_TRUE(reg.CreateKey("made"));
    EXPECT_TRUE(HasKey("made"));
}

TEST_F(TRegistryKeysTest, DeleteKeyRemovesTwoLevelsOfSubkeys) {
    PutString("cls\\shell\\open\\command", "", "notepad %1");
    PutKey("cls\\shell\\print\\command");
    PutString("cls\\DefaultIcon", "", "x.ico,1");
    PutKey("keep");
    reg.SetAccess(KEY_READ);

    EXPECT_TRUE(reg.DeleteKey("cls"));
    EXPECT_FALSE(HasKey("cls"));
    EXPECT_TRUE(HasKey("keep"));
    EXPECT_FALSE(reg.DeleteKey("cls")); // gone: false, no error
}

TEST_F(TRegistryKeysTest, DeleteKeyResolvesRelativeToTheOpenKeyAndGivesItBack) {
    PutString("parent", "v", "still here");
    PutKey("parent\\child\\grandchild");
    PutKey("child");
    ASSERT_TRUE(reg.OpenKey("parent", false));
    HKEY before = reg.CurrentKey();

    EXPECT_TRUE(reg.DeleteKey("child"));
    EXPECT_FALSE(HasKey("parent\\child"));
    EXPECT_TRUE(HasKey("child")); // the root's child is a different key
    EXPECT_EQ(reg.CurrentKey(), before);
    EXPECT_EQ(reg.CurrentPath(), "parent");
    EXPECT_EQ(reg.ReadString("v"), "still here");

    EXPECT_TRUE(reg.DeleteKey("\\child")); // absolute
    EXPECT_FALSE(HasKey("child"));
}

TEST_F(TRegistryKeysTest, DeleteKeyRefusesThePathThatNamesTheBaseItself) {
    PutKey("a\\b");
    PutKey("c");
    EXPECT_FALSE(reg.DeleteKey(""));
    EXPECT_FALSE(reg.DeleteKey("\\"));
    ASSERT_TRUE(reg.OpenKey("a", false));
    EXPECT_FALSE(reg.DeleteKey(""));
    EXPECT_TRUE(HasKey("a\\b"));
    EXPECT_TRUE(HasKey("c"));
}

TEST_F(TRegistryKeysTest, KeyExistsAndGetKeyLeaveTheCurrentKey) {
    PutKey("one\\two");
    ASSERT_TRUE(reg.OpenKey("one", false));
    HKEY before = reg.CurrentKey();

    EXPECT_TRUE(reg.KeyExists("two"));
    EXPECT_TRUE(reg.KeyExists("\\one\\two"));
    EXPECT_FALSE(reg.KeyExists("\\two"));
    EXPECT_FALSE(reg.KeyExists("three"));

    HKEY handle = reg.GetKey("two");
    ASSERT_NE(handle, nullptr);
    EXPECT_NE(handle, before);
    RegCloseKey(handle);
    EXPECT_EQ(reg.GetKey("three"), nullptr);
    EXPECT_EQ(reg.CurrentKey(), before);
    EXPECT_EQ(reg.CurrentPath(), "one");
}

TEST_F(TRegistryKeysTest, ChangingTheRootClosesTheKeyAndTheSameRootDoesNot) {
    PutKey("k");
    ASSERT_TRUE(reg.OpenKey("k", false));
    reg.SetRootKey(HKEY_CLASSES_ROOT);
    EXPECT_NE(reg.CurrentKey(), nullptr);
    EXPECT_EQ(reg.CurrentPath(), "k");

    reg.SetRootKey(HKEY_CURRENT_USER);
    EXPECT_EQ(reg.CurrentKey(), nullptr);
    EXPECT_EQ(reg.CurrentPath(), "");
    EXPECT_FALSE(reg.OpenKey("k", false)); // now looked for below HKEY_CURRENT_USER
}

TEST_F(TRegistryKeysTest, MovingHandsTheOpenKeyOver) {
    PutString("k", "", "moved");
    ASSERT_TRUE(reg.OpenKey("k", false));
    TRegistry other(std::move(reg));
    EXPECT_EQ(other.CurrentPath(), "k");
    EXPECT_EQ(other.ReadString(""), "moved");
    EXPECT_EQ(reg.CurrentKey(), nullptr);

    TRegistry third;
    third = std::move(other);
    EXPECT_EQ(third.RootKey(), HKEY_CLASSES_ROOT);
    EXPECT_EQ(third.ReadString(""), "moved");
}

TEST_F(TRegistryKeysTest, KeyInfoCountsSubkeysAndValues) {
    PutKey("k\\short");
    PutKey("k\\a-much-longer-name");
    PutString("k", "", "default");
    PutString("k", "name", "0123456789");
    PutDword("k", "n", 7);

    TRegKeyInfo info;
    EXPECT_FALSE(reg.GetKeyInfo(info)); // nothing open
    EXPECT_EQ(info.NumSubKeys, 0u);

    ASSERT_TRUE(reg.OpenKey("k", false));
    ASSERT_TRUE(reg.GetKeyInfo(info));
    EXPECT_EQ(info.NumSubKeys, 2u);
    EXPECT_GE(info.MaxSubKeyLen, 18u); // "a-much-longer-name"
    EXPECT_EQ(info.NumValues, 3u);
    EXPECT_GE(info.MaxValueLen, 4u);
    EXPECT_GE(info.MaxDataLen, 8u);
}

TEST_F(TRegistryKeysTest, KeyNamesListsEveryDirectSubkey) {
    PutKey("k\\beta\\deeper");
    PutKey("k\\Alpha");
    PutKey("k\\.gamma");
    std::string longName(200, 'x');
    PutKey("k\\" + longName);

    TStringList names;
    names.Add("stale");
    reg.GetKeyNames(names); // nothing open: cleared, empty
    EXPECT_EQ(names.Count(), 0);

    ASSERT_TRUE(reg.OpenKey("k", false));
    reg.GetKeyNames(names);
    ASSERT_EQ(names.Count(), 4);
    EXPECT_NE(names.IndexOf("beta"), -1);
    EXPECT_NE(names.IndexOf("Alpha"), -1);
    EXPECT_NE(names.IndexOf(".gamma"), -1);
    EXPECT_NE(names.IndexOf(longName), -1);
    EXPECT_EQ(names.IndexOf("deeper"), -1);
    for (const std::string& name : names) // exact spelling, no trailing bytes
        EXPECT_TRUE(name == "beta" || name == "Alpha" || name == ".gamma" || name == longName)
            << name;
}

TEST_F(TRegistryKeysTest, ReadingAShortDefaultValueTakesOneRegistryCall) {
    PutString(".txt", "", "txtfile");
    // With two stores the open asks the user's store first.
    const long open = TwoClassesStores() ? 2 : 1;
    long start = RegistryCallCount();
    {
        TRegistry r;
        r.SetRootKey(HKEY_CLASSES_ROOT);
        r.SetAccess(KEY_READ);
        ASSERT_TRUE(r.OpenKey(".txt", false));
        EXPECT_EQ(RegistryCallCount() - start, open);
        EXPECT_EQ(r.ReadString(""), "txtfile");
        EXPECT_EQ(RegistryCallCount() - start, open + 1);
    }
    EXPECT_EQ(RegistryCallCount() - start, open + 2); // the close
}

// A long run of reads lists the user's items once instead of asking the
// user's store at each open: it must read every key as the merged view does,
// hidden subkeys, class identifiers and names in another case included.
TEST_F(TRegistryKeysTest, ReadsWithTheUsersItemsListedOnceGiveTheMergedView) {
    const HKEY user = HKEY_CURRENT_USER;
    PutString(".hid", "", "machfile");
    PutString(".hid\\ShellNew", "NullFile", ""); // hidden by the user's .hid
    PutString("Software\\Classes\\.HID", "", "userfile", user);
    PutString("Software\\Classes\\.mine", "", "minefile", user);
    PutString(".theirs\\sub", "", "theirs");
    PutString("CLSID\\{A}", "", "machine object");
    PutString("CLSID\\{A}\\Inproc", "", "hidden.dll");
    PutString("CLSID\\{B}\\Inproc", "", "machine.dll");
    PutString("Software\\Classes\\CLSID\\{A}", "", "user object", user);
    const char* const paths[] = {".hid",      ".hid\\ShellNew", ".Hid",         ".mine",
                                 ".theirs",   ".theirs\\sub",   ".none\\sub", "CLSID",
                                 "CLSID\\{a}", "CLSID\\{A}\\Inproc", "CLSID\\{B}\\Inproc"};
    const auto read = [&](const char* path) {
        TRegistry r;
        r.SetRootKey(HKEY_CLASSES_ROOT);
        r.SetAccess(KEY_READ);
        return r.OpenKey(path, false) ? "[" + r.ReadString("") + "]" : std::string("absent");
    };
    std::vector<std::string> merged;
    for (const char* path : paths)
        merged.push_back(read(path));
    const TUserItemsSnapshot snapshot;
    for (size_t i = 0; i < merged.size(); ++i)
        EXPECT_EQ(read(paths[i]), merged[i]) << paths[i];
    EXPECT_EQ(merged[0], TwoClassesStores() ? "[userfile]" : "[machfile]");
    // Each open is one request, also of a subkey the machine's store holds.
    const long start = RegistryCallCount();
    EXPECT_TRUE(reg.KeyExists("\\.theirs\\sub"));
    EXPECT_EQ(RegistryCallCount() - start, 2); // open and close
}
