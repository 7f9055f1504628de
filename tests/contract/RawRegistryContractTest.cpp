// The registry behaviour the program builds on, through the raw advapi32
// functions: natively against the in-memory stand-in, under Wine against the
// real registry (HKEY_CLASSES_ROOT and HKEY_CURRENT_USER redirected to scratch
// keys), so that the stand-in cannot drift from the real thing. The ANSI
// functions are given Windows-1252 text (the code page of the stand-in and
// of the Wine prefix); the wide ones UTF-16.
#include "support/ScratchRegistry.h"
#include "support/Utf8Text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// A key handle closed at the end of the scope.
class KeyHandle {
public:
    KeyHandle() = default;
    ~KeyHandle() { Close(); }
    KeyHandle(const KeyHandle&) = delete;
    KeyHandle& operator=(const KeyHandle&) = delete;

    HKEY* Out() {
        Close();
        return &key_;
    }
    operator HKEY() const { return key_; }
    LONG Close() {
        LONG rc = key_ ? RegCloseKey(key_) : ERROR_SUCCESS;
        key_ = nullptr;
        return rc;
    }
    // Gives up ownership without closing (for tests of RegCloseKey itself).
    HKEY Release() {
        HKEY key = key_;
        key_ = nullptr;
        return key;
    }

private:
    HKEY key_ = nullptr;
};

LONG Create(KeyHandle& key, const char* path, REGSAM access = KEY_ALL_ACCESS,
            DWORD* disposition = nullptr, HKEY parent = HKEY_CLASSES_ROOT) {
    return RegCreateKeyExA(parent, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                           key.Out(), disposition);
}

LONG Open(KeyHandle& key, const char* path, REGSAM access = KEY_READ,
          HKEY parent = HKEY_CLASSES_ROOT) {
    return RegOpenKeyExA(parent, path, 0, access, key.Out());
}

LONG SetBytes(HKEY key, const char* name, DWORD type, const std::string& bytes) {
    return RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                          static_cast<DWORD>(bytes.size()));
}

// The names RegEnumKeyExA gives, index by index, until ERROR_NO_MORE_ITEMS.
std::vector<std::string> SubKeyNames(HKEY key) {
    std::vector<std::string> names;
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD length = sizeof name;
        LONG rc = RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_NO_MORE_ITEMS)
            break;
        EXPECT_EQ(rc, ERROR_SUCCESS) << "index " << index;
        if (rc != ERROR_SUCCESS)
            break;
        EXPECT_EQ(length, std::strlen(name));
        names.push_back(name);
    }
    return names;
}

using RawRegistryContractTest = RegistryTest;

} // namespace

TEST_F(RawRegistryContractTest, NamesCompareWithoutCaseAndKeepTheCaseOfCreation) {
    KeyHandle key, again, upper;
    DWORD disposition = 0;
    ASSERT_EQ(Create(key, "TxtFile", KEY_ALL_ACCESS, &disposition), ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    ASSERT_EQ(Create(again, "TXTFILE", KEY_ALL_ACCESS, &disposition), ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
    EXPECT_EQ(Open(upper, "txtfile"), ERROR_SUCCESS);

    // Accented letters of Windows-1252 fold too.
    KeyHandle umlaut, other;
    ASSERT_EQ(Create(umlaut, "Schl\xFCssel"), ERROR_SUCCESS);
    ASSERT_EQ(Create(other, "SCHL\xDCSSEL", KEY_ALL_ACCESS, &disposition), ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));

    KeyHandle root;
    ASSERT_EQ(Open(root, ""), ERROR_SUCCESS);
    EXPECT_EQ(SubKeyNames(root), (std::vector<std::string>{"Schl\xFCssel", "TxtFile"}));
    EXPECT_TRUE(HasKey("SCHLÜSSEL")) << "the wide name of the same key";

    // Values: one value whatever the case of its name; a later write keeps
    // the first name but replaces type and data.
    ASSERT_EQ(SetBytes(key, "EditFlags", REG_BINARY, std::string("\x01\x00", 2)), ERROR_SUCCESS);
    ASSERT_EQ(SetBytes(again, "EDITFLAGS", REG_DWORD, std::string("\x02\x00\x00\x00", 4)),
              ERROR_SUCCESS);
    RawValue value = GetRaw("txtfile", "editflags");
    EXPECT_TRUE(value.exists);
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value.bytes, std::string("\x02\x00\x00\x00", 4));
    DWORD values = 0;
    ASSERT_EQ(RegQueryInfoKeyA(upper, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values,
                               nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(values, 1u);
}

TEST_F(RawRegistryContractTest, SubkeysEnumerateInCaseInsensitiveOrderOfTheirNames) {
    // Created out of order; the names hold only characters whose order is the
    // same whether the registry folds to lower or upper case.
    for (const char* name : {"txtfile", ".txt", "Word.Document.8", ".DOC", ".a-b", "*", ".ab",
                             "CLSID", ".7z", "acrobat"})
        PutKey(name);
    KeyHandle root;
    ASSERT_EQ(Open(root, ""), ERROR_SUCCESS);
    // Plain character order, not the word sort of CompareStringA (which puts
    // ".ab" before ".a-b"): the program sorts itself where it needs that.
    EXPECT_EQ(SubKeyNames(root),
              (std::vector<std::string>{"*", ".7z", ".a-b", ".ab", ".DOC", ".txt", "acrobat",
                                        "CLSID", "txtfile", "Word.Document.8"}));

    // The enumeration sees deletions and additions at once.
    ASSERT_EQ(RegDeleteKeyA(HKEY_CLASSES_ROOT, ".ab"), ERROR_SUCCESS);
    PutKey(".B");
    char name[64];
    DWORD length = sizeof name;
    ASSERT_EQ(RegEnumKeyExA(root, 3, name, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_STREQ(name, ".B");
    length = sizeof name;
    EXPECT_EQ(RegEnumKeyExA(root, 10, name, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_NO_MORE_ITEMS);
    EXPECT_EQ(RegEnumKeyExA(root, 0xFFFFFFFFu, name, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_NO_MORE_ITEMS);
}

TEST_F(RawRegistryContractTest, AccessMasksLimitWhatAHandleMayDo) {
    PutString("cls", "", "Class");
    PutKey("cls\\shell");

    KeyHandle writer;
    ASSERT_EQ(Open(writer, "cls", KEY_WRITE), ERROR_SUCCESS);
    char buffer[64];
    DWORD size = sizeof buffer, type = 0;
    EXPECT_EQ(RegQueryValueExA(writer, "", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size),
              ERROR_ACCESS_DENIED);
    size = sizeof buffer;
    EXPECT_EQ(RegQueryValueExA(writer, "missing", nullptr, &type, nullptr, &size),
              ERROR_ACCESS_DENIED);
    DWORD length = sizeof buffer;
    EXPECT_EQ(RegEnumKeyExA(writer, 0, buffer, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_ACCESS_DENIED);
    EXPECT_EQ(SetBytes(writer, "InfoTip", REG_SZ, std::string("tip", 4)), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValueA(writer, "InfoTip"), ERROR_SUCCESS);

    KeyHandle reader;
    ASSERT_EQ(Open(reader, "cls", KEY_READ), ERROR_SUCCESS);
    EXPECT_EQ(SetBytes(reader, "InfoTip", REG_SZ, std::string("tip", 4)), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteValueA(reader, ""), ERROR_ACCESS_DENIED);
    EXPECT_EQ(GetText("cls", ""), "Class");
    EXPECT_FALSE(HasValue("cls", "InfoTip"));
    size = sizeof buffer;
    EXPECT_EQ(RegQueryValueExA(reader, "", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(SubKeyNames(reader), std::vector<std::string>{"shell"});

    // Deleting a subkey asks nothing of the parent handle: the subkey itself
    // is opened for deletion.
    EXPECT_EQ(RegDeleteKeyA(reader, "shell"), ERROR_SUCCESS);
    EXPECT_FALSE(HasKey("cls\\shell"));

    // Each right alone.
    KeyHandle query, enumerate;
    ASSERT_EQ(Open(query, "cls", KEY_QUERY_VALUE), ERROR_SUCCESS);
    ASSERT_EQ(Open(enumerate, "cls", KEY_ENUMERATE_SUB_KEYS), ERROR_SUCCESS);
    length = sizeof buffer;
    EXPECT_EQ(RegEnumKeyExA(query, 0, buffer, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_ACCESS_DENIED);
    size = sizeof buffer;
    EXPECT_EQ(RegQueryValueExA(enumerate, "", nullptr, &type, nullptr, &size), ERROR_ACCESS_DENIED);
}

TEST_F(RawRegistryContractTest, DeleteKeyRefusesKeysWithSubkeysAndOldHandlesSeeTheDeletion) {
    PutString("cls\\shell\\open\\command", "", "notepad.exe %1");
    // NT deletes only leaves.
    EXPECT_EQ(RegDeleteKeyA(HKEY_CLASSES_ROOT, "cls"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteKeyA(HKEY_CLASSES_ROOT, "cls\\shell"), ERROR_ACCESS_DENIED);
    EXPECT_TRUE(HasKey("cls\\shell\\open\\command"));
    EXPECT_EQ(RegDeleteKeyA(HKEY_CLASSES_ROOT, "cls\\missing"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteKeyA(HKEY_CLASSES_ROOT, "missing\\deeper"), ERROR_FILE_NOT_FOUND);

    KeyHandle command, open;
    ASSERT_EQ(Open(command, "CLS\\Shell\\Open\\Command", KEY_ALL_ACCESS), ERROR_SUCCESS);
    ASSERT_EQ(Open(open, "cls\\shell\\open", KEY_ALL_ACCESS), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKeyA(open, "command"), ERROR_SUCCESS);
    EXPECT_FALSE(HasKey("cls\\shell\\open\\command"));

    // The handle on the deleted key answers ERROR_KEY_DELETED to everything
    // but closing; a new key of the same name is another key.
    char buffer[64];
    DWORD size = sizeof buffer, length = sizeof buffer;
    EXPECT_EQ(
        RegQueryValueExA(command, "", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size),
        ERROR_KEY_DELETED);
    EXPECT_EQ(SetBytes(command, "", REG_SZ, std::string("x", 2)), ERROR_KEY_DELETED);
    EXPECT_EQ(RegDeleteValueA(command, ""), ERROR_KEY_DELETED);
    EXPECT_EQ(RegEnumKeyExA(command, 0, buffer, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_KEY_DELETED);
    EXPECT_EQ(RegQueryInfoKeyA(command, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr, nullptr, nullptr, nullptr),
              ERROR_KEY_DELETED);
    KeyHandle below;
    EXPECT_EQ(Create(below, "", KEY_ALL_ACCESS, nullptr, command), ERROR_KEY_DELETED);
    EXPECT_EQ(RegOpenKeyExA(command, "", 0, KEY_READ, below.Out()), ERROR_KEY_DELETED);
    PutKey("cls\\shell\\open\\command");
    EXPECT_FALSE(HasValue("cls\\shell\\open\\command", ""));
    size = sizeof buffer;
    EXPECT_EQ(RegQueryValueExA(command, "", nullptr, nullptr, nullptr, &size), ERROR_KEY_DELETED);

    // An empty path deletes the key of the handle itself.
    KeyHandle leaf;
    ASSERT_EQ(Open(leaf, "cls\\shell\\open\\command", KEY_ALL_ACCESS), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKeyA(leaf, ""), ERROR_SUCCESS);
    EXPECT_FALSE(HasKey("cls\\shell\\open\\command"));
    EXPECT_TRUE(HasKey("cls\\shell\\open"));

    HKEY closed = command.Release();
    EXPECT_EQ(RegCloseKey(closed), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(closed), ERROR_INVALID_HANDLE);
}

TEST_F(RawRegistryContractTest, ShortBuffersGiveMoreDataWithTheSizeNeeded) {
    KeyHandle key;
    ASSERT_EQ(Create(key, "cls"), ERROR_SUCCESS);
    ASSERT_EQ(SetBytes(key, "Data", REG_BINARY, "\x01\x02\x03\x04\x05"), ERROR_SUCCESS);

    // Value data: the size needed, the buffer untouched.
    BYTE buffer[16];
    std::memset(buffer, 0xEE, sizeof buffer);
    DWORD size = 3, type = 0;
    EXPECT_EQ(RegQueryValueExA(key, "Data", nullptr, &type, buffer, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(buffer[0], 0xEE);
    size = 0;
    EXPECT_EQ(RegQueryValueExA(key, "Data", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 5u);
    size = 5;
    EXPECT_EQ(RegQueryValueExA(key, "Data", nullptr, nullptr, buffer, &size), ERROR_SUCCESS);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), size), "\x01\x02\x03\x04\x05");

    // Subkey names: the buffer must hold the NUL as well.
    PutKey("cls\\LongerChildName");
    PutKey("cls\\x");
    char name[32];
    DWORD length = 15;
    EXPECT_EQ(RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_MORE_DATA);
    length = 16;
    EXPECT_EQ(RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(length, 15u);
    EXPECT_STREQ(name, "LongerChildName");

    // Key information: name lengths in characters without the NUL; the data
    // size of strings as the registry keeps them (UTF-16, twice the bytes).
    ASSERT_EQ(SetBytes(key, "Description", REG_SZ, std::string("abc", 4)), ERROR_SUCCESS);
    DWORD subKeys = 0, maxSubKey = 0, values = 0, maxValueName = 0, maxValue = 0;
    ASSERT_EQ(RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subKeys, &maxSubKey, nullptr,
                               &values, &maxValueName, &maxValue, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(subKeys, 2u);
    EXPECT_EQ(maxSubKey, 15u);
    EXPECT_EQ(values, 2u);
    EXPECT_EQ(maxValueName, 11u);
    EXPECT_EQ(maxValue, 8u);
}

TEST_F(RawRegistryContractTest, MissingKeysValuesAndBadHandlesHaveTheirCodes) {
    PutString("cls", "", "Class");
    KeyHandle key;
    EXPECT_EQ(Open(key, "missing"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(static_cast<HKEY>(key), nullptr);
    EXPECT_EQ(Open(key, "cls\\missing\\deeper"), ERROR_FILE_NOT_FOUND);

    ASSERT_EQ(Open(key, "cls", KEY_ALL_ACCESS), ERROR_SUCCESS);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(key, "missing", nullptr, nullptr, nullptr, &size),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteValueA(key, "missing"), ERROR_FILE_NOT_FOUND);
    // The default value is named "" or not at all.
    EXPECT_EQ(RegQueryValueExA(key, nullptr, nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(RegDeleteValueA(key, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValueA(key, ""), ERROR_FILE_NOT_FOUND);

    // A path may not start with a backslash, except that NT opens one path
    // below HKEY_CLASSES_ROOT itself with a single leading backslash; doubled
    // and trailing ones are passed over.
    KeyHandle other;
    EXPECT_EQ(Create(other, "\\cls\\new"), ERROR_BAD_PATHNAME);
    EXPECT_EQ(RegDeleteKeyA(HKEY_CLASSES_ROOT, "\\cls"), ERROR_BAD_PATHNAME);
    EXPECT_EQ(Create(other, "Software", KEY_ALL_ACCESS, nullptr, HKEY_CURRENT_USER), ERROR_SUCCESS);
    EXPECT_EQ(Open(other, "\\Software", KEY_READ, HKEY_CURRENT_USER), ERROR_BAD_PATHNAME);
    EXPECT_EQ(Open(other, "\\cls"), ERROR_SUCCESS);
    EXPECT_EQ(Open(other, "\\\\cls"), ERROR_BAD_PATHNAME);
    KeyHandle cls;
    ASSERT_EQ(Open(cls, "cls\\"), ERROR_SUCCESS);
    EXPECT_EQ(Open(other, "\\x", KEY_READ, cls), ERROR_BAD_PATHNAME);
    EXPECT_FALSE(HasKey("cls\\new"));
    ASSERT_EQ(Create(other, "cls\\\\sub"), ERROR_SUCCESS);
    EXPECT_TRUE(HasKey("cls\\sub"));

    // Handles that were never opened or are closed.
    HKEY bogus = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x12345678));
    EXPECT_EQ(RegOpenKeyExA(bogus, "x", 0, KEY_READ, other.Out()), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegQueryValueExA(bogus, "", nullptr, nullptr, nullptr, &size), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(bogus), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(nullptr), ERROR_INVALID_HANDLE);
    HKEY closed = key.Release();
    EXPECT_EQ(RegCloseKey(closed), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(closed, "", 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 2),
              ERROR_INVALID_HANDLE);
    // Closing a predefined root does nothing.
    EXPECT_EQ(RegCloseKey(HKEY_CLASSES_ROOT), ERROR_SUCCESS);
    EXPECT_TRUE(HasKey("cls"));
}

TEST_F(RawRegistryContractTest, StringsAreStoredWithOrWithoutTheirNul) {
    KeyHandle key;
    ASSERT_EQ(Create(key, "cls"), ERROR_SUCCESS);
    const BYTE* text = reinterpret_cast<const BYTE*>("abcd");

    // NUL counted: stored as given.
    ASSERT_EQ(RegSetValueExA(key, "Counted", 0, REG_SZ, reinterpret_cast<const BYTE*>("abc"), 4),
              ERROR_SUCCESS);
    EXPECT_EQ(GetRaw("cls", "Counted").bytes, std::string("abc", 4));
    // NUL forgotten but present in memory: NT counts it.
    ASSERT_EQ(RegSetValueExA(key, "Forgotten", 0, REG_SZ, reinterpret_cast<const BYTE*>("abc"), 3),
              ERROR_SUCCESS);
    EXPECT_EQ(GetRaw("cls", "Forgotten").bytes, std::string("abc", 4));
    // No NUL after the data: stored without one. A buffer with room gets a
    // NUL that the size does not count.
    ASSERT_EQ(RegSetValueExA(key, "Cut", 0, REG_EXPAND_SZ, text, 3), ERROR_SUCCESS);
    char buffer[8];
    std::memset(buffer, 'Z', sizeof buffer);
    DWORD size = sizeof buffer, type = 0;
    ASSERT_EQ(RegQueryValueExA(key, "Cut", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_EQ(size, 3u);
    EXPECT_EQ(std::string(buffer, 4), std::string("abc", 4));
    size = 3;
    std::memset(buffer, 'Z', sizeof buffer);
    ASSERT_EQ(
        RegQueryValueExA(key, "Cut", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(std::string(buffer, 4), "abcZ");
    // Binary data is never extended.
    ASSERT_EQ(RegSetValueExA(key, "Binary", 0, REG_BINARY, reinterpret_cast<const BYTE*>("abc"), 3),
              ERROR_SUCCESS);
    EXPECT_EQ(GetRaw("cls", "Binary").bytes, "abc");
    // Empty strings, and embedded NULs, stay as given.
    ASSERT_EQ(RegSetValueExA(key, "Empty", 0, REG_SZ, text, 0), ERROR_SUCCESS);
    EXPECT_TRUE(HasValue("cls", "Empty"));
    EXPECT_EQ(GetRaw("cls", "Empty").bytes, "");
    ASSERT_EQ(
        RegSetValueExA(key, "Multi", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>("ab\0cd\0"), 7),
        ERROR_SUCCESS);
    EXPECT_EQ(GetRaw("cls", "Multi").bytes, std::string("ab\0cd\0", 7));
}

TEST_F(RawRegistryContractTest, PathsCreateMissingParentsAndAnEmptyPathOpensTheSameKey) {
    KeyHandle deep;
    DWORD disposition = 0;
    ASSERT_EQ(Create(deep, "a\\b\\c", KEY_ALL_ACCESS, &disposition), ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    EXPECT_TRUE(HasKey("A\\B"));
    KeyHandle existing;
    ASSERT_EQ(Create(existing, "A\\b\\C\\", KEY_ALL_ACCESS, &disposition), ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));

    // A predefined root opened with an empty path is given back as it is.
    KeyHandle root;
    ASSERT_EQ(Open(root, ""), ERROR_SUCCESS);
    EXPECT_EQ(static_cast<HKEY>(root), HKEY_CLASSES_ROOT);
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, nullptr, 0, KEY_READ, root.Out()), ERROR_SUCCESS);
    EXPECT_EQ(static_cast<HKEY>(root), HKEY_CURRENT_USER);

    // Relative to an open key; "" and a null path give a second handle.
    KeyHandle b, same, alsoSame;
    ASSERT_EQ(Open(b, "a\\b", KEY_ALL_ACCESS), ERROR_SUCCESS);
    ASSERT_EQ(RegOpenKeyExA(b, "", 0, KEY_ALL_ACCESS, same.Out()), ERROR_SUCCESS);
    ASSERT_EQ(RegOpenKeyExA(b, nullptr, 0, KEY_READ, alsoSame.Out()), ERROR_SUCCESS);
    EXPECT_NE(static_cast<HKEY>(same), static_cast<HKEY>(b));
    ASSERT_EQ(SetBytes(same, "v", REG_SZ, std::string("one", 4)), ERROR_SUCCESS);
    EXPECT_EQ(b.Close(), ERROR_SUCCESS);
    EXPECT_EQ(GetText("a\\b", "v"), "one");
    EXPECT_EQ(SubKeyNames(alsoSame), std::vector<std::string>{"c"});
    KeyHandle d;
    ASSERT_EQ(Create(d, "d", KEY_ALL_ACCESS, nullptr, same), ERROR_SUCCESS);
    EXPECT_TRUE(HasKey("a\\b\\d"));

    // The roots are separate trees.
    PutKey("Software\\Corvix", HKEY_CURRENT_USER);
    EXPECT_TRUE(HasKey("software\\corvix", HKEY_CURRENT_USER));
    EXPECT_FALSE(HasKey("Software\\Corvix"));
    EXPECT_FALSE(HasKey("a", HKEY_CURRENT_USER));
}

TEST_F(RawRegistryContractTest, WideFunctionsAreExactAndAnsiOnesConvert) {
    // Created by its wide name, found by another case of it; the ANSI name of
    // the same key is the one with "?" for each character Windows-1252 lacks.
    KeyHandle key, upper;
    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, WideFromUtf8("Zoë 文書").c_str(), 0, nullptr,
                              REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, key.Out(),
                              &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    ASSERT_EQ(RegOpenKeyExW(HKEY_CLASSES_ROOT, WideFromUtf8("ZOË 文書").c_str(), 0, KEY_READ,
                            upper.Out()),
              ERROR_SUCCESS);
    KeyHandle root;
    ASSERT_EQ(Open(root, ""), ERROR_SUCCESS);
    EXPECT_EQ(SubKeyNames(root), std::vector<std::string>{"Zo\xEB ??"});
    WCHAR name[16];
    DWORD length = 16;
    ASSERT_EQ(RegEnumKeyExW(root, 0, name, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(Utf8FromWide(name, static_cast<int>(length)), "Zoë 文書");

    // Text data: the wide functions give the UTF-16 as stored, the ANSI
    // ones its ANSI form; the sizes of the key are UTF-16 units and bytes.
    const WideString text = WideFromUtf8(std::string("打开 ë\0", 10));
    ASSERT_EQ(RegSetValueExW(key, WideFromUtf8("Ωmega.文書").c_str(), 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(text.data()),
                             static_cast<DWORD>(2 * text.size())),
              ERROR_SUCCESS);
    EXPECT_EQ(GetRaw("zoë 文書", "ωMEGA.文書").bytes, std::string("打开 ë\0", 10));
    DWORD maxName = 0, maxData = 0;
    ASSERT_EQ(RegQueryInfoKeyW(upper, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                               &maxName, &maxData, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(maxName, 8u);
    EXPECT_EQ(maxData, 10u);
    char ansiName[32];
    BYTE ansiData[32];
    DWORD nameLength = sizeof ansiName, size = sizeof ansiData, type = 0;
    ASSERT_EQ(RegEnumValueA(upper, 0, ansiName, &nameLength, nullptr, &type, ansiData, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(std::string(ansiName, nameLength).substr(1), "mega.??");
    EXPECT_EQ(std::string(reinterpret_cast<char*>(ansiData), size), std::string("?? \xEB\0", 5));

    // An ANSI name reaches the wide one's key.
    KeyHandle ansi;
    ASSERT_EQ(Create(ansi, "Zo\xEB"), ERROR_SUCCESS);
    EXPECT_TRUE(HasKey("ZOË"));
    EXPECT_EQ(RegDeleteKeyW(HKEY_CLASSES_ROOT, WideFromUtf8("zoë").c_str()), ERROR_SUCCESS);
    EXPECT_FALSE(HasKey("Zoë"));
}
