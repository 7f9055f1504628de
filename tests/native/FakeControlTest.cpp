// The native stand-in's own controls (fault injection, call counting, the
// settable version record, icon extraction, the executable path) and the
// rules where it knowingly differs from Wine.
#include "platform/FakeControl.h"
#include "support/ScratchRegistry.h"
#include "support/WineVersionRecords.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

HKEY CreateKey(const char* path, REGSAM access = KEY_ALL_ACCESS, HKEY parent = HKEY_CLASSES_ROOT) {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExA(parent, path, 0, nullptr, 0, access, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    return key;
}

HKEY OpenKey(const char* path, REGSAM access) {
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, path, 0, access, &key), ERROR_SUCCESS);
    return key;
}

// A file below the system's temporary folder, removed again at the end.
class TempFile {
public:
    explicit TempFile(const std::string& content) {
        char name[] = "/tmp/corvix-fake-XXXXXX";
        int fd = mkstemp(name);
        EXPECT_GE(fd, 0);
        if (fd >= 0) {
            EXPECT_EQ(write(fd, content.data(), content.size()),
                      static_cast<ssize_t>(content.size()));
            close(fd);
        }
        path_ = name;
    }
    ~TempFile() { std::remove(path_.c_str()); }
    const char* Path() const { return path_.c_str(); }

private:
    std::string path_;
};

using FakeControlTest = RegistryTest;

} // namespace

TEST_F(FakeControlTest, InjectedFaultsFailTheNextCallOfTheirKindOnceAndChangeNothing) {
    PutString("cls", "", "Class");
    PutKey("cls\\shell");
    HKEY key = OpenKey("cls", KEY_ALL_ACCESS);
    HKEY out = nullptr;
    char buffer[64];
    DWORD size = sizeof buffer;

    fake::FailNext(fake::Fault::Open, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "cls", 0, KEY_READ, &out), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(out, nullptr);
    EXPECT_TRUE(HasKey("cls"));

    fake::FailNext(fake::Fault::Create);
    EXPECT_EQ(RegCreateKeyExA(key, "new", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &out, nullptr),
              ERROR_ACCESS_DENIED);
    EXPECT_FALSE(HasKey("cls\\new"));

    fake::FailNext(fake::Fault::SetValue, ERROR_OUTOFMEMORY);
    EXPECT_EQ(RegSetValueExA(key, "", 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 2),
              ERROR_OUTOFMEMORY);
    EXPECT_EQ(GetText("cls", ""), "Class");

    fake::FailNext(fake::Fault::DeleteValue);
    EXPECT_EQ(RegDeleteValueA(key, ""), ERROR_ACCESS_DENIED);
    fake::FailNext(fake::Fault::DeleteKey);
    EXPECT_EQ(RegDeleteKeyA(key, "shell"), ERROR_ACCESS_DENIED);
    EXPECT_TRUE(HasKey("cls\\shell"));
    EXPECT_TRUE(HasValue("cls", ""));

    fake::FailNext(fake::Fault::QueryValue, ERROR_MORE_DATA);
    EXPECT_EQ(RegQueryValueExA(key, "", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size),
              ERROR_MORE_DATA);
    EXPECT_EQ(size, sizeof buffer); // untouched
    fake::FailNext(fake::Fault::Enum);
    EXPECT_EQ(RegEnumKeyExA(key, 0, buffer, &size, nullptr, nullptr, nullptr, nullptr),
              ERROR_ACCESS_DENIED);
    fake::FailNext(fake::Fault::QueryInfo, ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr, nullptr, nullptr),
              ERROR_INVALID_HANDLE);

    // The wide functions take the same faults.
    WCHAR wide[64];
    DWORD length = 64;
    fake::FailNext(fake::Fault::Open);
    EXPECT_EQ(RegOpenKeyExW(HKEY_CLASSES_ROOT, u"cls", 0, KEY_READ, &out), ERROR_ACCESS_DENIED);
    fake::FailNext(fake::Fault::SetValue);
    EXPECT_EQ(RegSetValueExW(key, u"", 0, REG_SZ, reinterpret_cast<const BYTE*>(u"x"), 4),
              ERROR_ACCESS_DENIED);
    fake::FailNext(fake::Fault::EnumValue);
    EXPECT_EQ(RegEnumValueW(key, 0, wide, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_ACCESS_DENIED);
    fake::FailNext(fake::Fault::QueryValue);
    EXPECT_EQ(RegQueryValueExW(key, u"", nullptr, nullptr, nullptr, &size), ERROR_ACCESS_DENIED);
    EXPECT_EQ(GetText("cls", ""), "Class");

    // Each fault was used up; two faults of a kind fail the next two calls.
    size = sizeof buffer;
    EXPECT_EQ(RegEnumKeyExA(key, 0, buffer, &size, nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    fake::FailNext(fake::Fault::Open);
    fake::FailNext(fake::Fault::Open, ERROR_OUTOFMEMORY);
    EXPECT_EQ(RegOpenKeyExA(key, "", 0, KEY_READ, &out), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegOpenKeyExA(key, "", 0, KEY_READ, &out), ERROR_OUTOFMEMORY);
    ASSERT_EQ(RegOpenKeyExA(key, "", 0, KEY_READ, &out), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(out), ERROR_SUCCESS);

    // A reset forgets pending faults.
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    fake::FailNext(fake::Fault::Create);
    fake::ResetRegistry();
    RegCloseKey(CreateKey("after"));
}

TEST_F(FakeControlTest, EveryRegistryCallCountsAndResetStartsAfresh) {
    EXPECT_EQ(fake::RegistryCallCount(), 0);
    HKEY key = CreateKey("a\\b");                                         // 1
    RegSetValueExA(key, "v", 0, REG_DWORD, nullptr, 0);                   // 2
    RegQueryValueExA(key, "missing", nullptr, nullptr, nullptr, nullptr); // 3, fails
    fake::FailNext(fake::Fault::Enum);
    RegEnumKeyExA(key, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr); // 4, injected
    RegCloseKey(key);                                                            // 5
    RegCloseKey(key);                                                            // 6, closed
    EXPECT_EQ(fake::RegistryCallCount(), 6);

    // The reset empties every root and invalidates the open handles.
    key = CreateKey("kept", KEY_ALL_ACCESS, HKEY_LOCAL_MACHINE);
    PutKey("x", HKEY_USERS);
    fake::ResetRegistry();
    EXPECT_EQ(fake::RegistryCallCount(), 0);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(HasKey("kept", HKEY_LOCAL_MACHINE));
    EXPECT_FALSE(HasKey("x", HKEY_USERS));
    EXPECT_FALSE(HasKey("a"));
}

TEST_F(FakeControlTest, StricterAccessRulesThanWine) {
    PutKey("cls\\shell");
    // Windows wants KEY_QUERY_VALUE for RegQueryInfoKeyA (Wine lets it pass).
    HKEY writer = OpenKey("cls", KEY_WRITE);
    DWORD subKeys = 0;
    EXPECT_EQ(RegQueryInfoKeyA(writer, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr,
                               nullptr, nullptr, nullptr, nullptr, nullptr),
              ERROR_ACCESS_DENIED);
    // Creating a subkey needs KEY_CREATE_SUB_KEY on the parent handle (Wine
    // creates it anyway); opening an existing one through RegCreateKeyExA does not.
    HKEY reader = OpenKey("cls", KEY_READ);
    HKEY out = nullptr;
    EXPECT_EQ(RegCreateKeyExA(reader, "new\\deeper", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &out,
                              nullptr),
              ERROR_ACCESS_DENIED);
    EXPECT_FALSE(HasKey("cls\\new"));
    DWORD disposition = 0;
    ASSERT_EQ(
        RegCreateKeyExA(reader, "SHELL", 0, nullptr, 0, KEY_READ, nullptr, &out, &disposition),
        ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
    // Generic rights map to the key rights.
    HKEY generic = OpenKey("cls", GENERIC_READ);
    EXPECT_EQ(RegQueryInfoKeyA(generic, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr,
                               nullptr, nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(subKeys, 1u);
    EXPECT_EQ(RegDeleteValueA(generic, "x"), ERROR_ACCESS_DENIED);
    for (HKEY key : {writer, reader, out, generic})
        EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
}

TEST_F(FakeControlTest, The95FamilyKnowsNoRightsAndDeletesWholeTrees) {
    // As Wine does when pretending 95/98/ME (tests/wine/StandInOnWindowsVersionTest.cpp).
    for (const char* version : {"win95", "win98", "winme", "nt40", "win2k", "winxp"}) {
        fake::ResetRegistry();
        fake::SetVersion(version);
        const bool family9x = version[3] == '9' || version[3] == 'm';
        PutString("cls", "", "Class");
        PutKey("cls\\shell\\open");
        HKEY reader = OpenKey("cls", KEY_READ);
        HKEY open = OpenKey("cls\\shell\\open", KEY_READ);
        EXPECT_EQ(RegSetValueExA(reader, "v", 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 2),
                  family9x ? ERROR_SUCCESS : ERROR_ACCESS_DENIED)
            << version;
        HKEY slash = nullptr;
        EXPECT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "\\cls", 0, KEY_READ, &slash),
                  family9x ? ERROR_BAD_PATHNAME : ERROR_SUCCESS)
            << version;
        if (slash)
            RegCloseKey(slash);
        EXPECT_EQ(RegDeleteKeyA(HKEY_CLASSES_ROOT, "cls"),
                  family9x ? ERROR_SUCCESS : ERROR_ACCESS_DENIED)
            << version;
        EXPECT_EQ(HasKey("cls\\shell\\open"), !family9x) << version;
        DWORD size = 0;
        EXPECT_EQ(RegQueryValueExA(open, "", nullptr, nullptr, nullptr, &size),
                  family9x ? ERROR_KEY_DELETED : ERROR_FILE_NOT_FOUND)
            << version;
        RegCloseKey(open);
        RegCloseKey(reader);
    }
}

TEST_F(FakeControlTest, SubkeysEnumerateInWinesOrderForEveryCharacter) {
    // Wine folds names to lower case by their Unicode code point: "_" comes
    // before the letters, and Windows-1252's 0x80-0x9F by their Unicode values.
    HKEY parent = CreateKey("sort");
    for (int c = 0x20; c < 0x100; ++c) {
        if (c == '\\')
            continue;
        char name[3] = {'k', static_cast<char>(c), '\0'};
        RegCloseKey(CreateKey(name, KEY_ALL_ACCESS, parent));
    }
    std::string order;
    for (DWORD i = 0;; ++i) {
        char name[8];
        DWORD length = sizeof name;
        if (RegEnumKeyExA(parent, i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02x", static_cast<unsigned char>(name[1]));
        order += hex;
    }
    // As Wine 8 enumerates them; lower-case letters are the same keys as
    // their capitals.
    EXPECT_EQ(order,
              " 20 21 22 23 24 25 26 27 28 29 2a 2b 2c 2d 2e 2f 30 31 32 33 34 35 36 37 38 39 3a "
              "3b 3c 3d 3e 3f 40 5b 5d 5e 5f 60 41 42 43 44 45 46 47 48 49 4a 4b 4c 4d 4e 4f 50 "
              "51 52 53 54 55 56 57 58 59 5a 7b 7c 7d 7e 7f 81 8d 8f 90 9d a0 a1 a2 a3 a4 a5 a6 "
              "a7 a8 a9 aa ab ac ad ae af b0 b1 b2 b3 b4 b5 b6 b7 b8 b9 ba bb bc bd be bf d7 df "
              "c0 c1 c2 c3 c4 c5 c6 c7 c8 c9 ca cb cc cd ce cf d0 d1 d2 d3 d4 d5 d6 f7 d8 d9 da "
              "db dc dd de 9f 8c 8a 8e 83 88 98 96 97 91 92 82 93 94 84 86 87 95 85 89 8b 9b 80 "
              "99");
    RegCloseKey(parent);
}

TEST(FakeSystem, NamedVersionsReportWhatWineReports) {
    for (const TWineVersionRecord& c : kWineVersionRecords) {
        fake::SetVersion(c.winver);
        OSVERSIONINFOA info;
        std::memset(&info, 0xCC, sizeof info);
        info.dwOSVersionInfoSize = sizeof info;
        ASSERT_TRUE(GetVersionExA(&info)) << c.winver;
        EXPECT_EQ(info.dwPlatformId, c.platform) << c.winver;
        EXPECT_EQ(info.dwMajorVersion, c.major) << c.winver;
        EXPECT_EQ(info.dwMinorVersion, c.minor) << c.winver;
        EXPECT_EQ(info.dwBuildNumber, c.build) << c.winver;
        EXPECT_STREQ(info.szCSDVersion, c.csd) << c.winver;
    }
    EXPECT_THROW(fake::SetVersion("win31"), std::invalid_argument);
    fake::ResetRegistry(); // back to the default, Windows 2000
    OSVERSIONINFOEXA ex;
    ex.dwOSVersionInfoSize = sizeof ex;
    ASSERT_TRUE(GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&ex)));
    EXPECT_EQ(ex.dwMajorVersion * 100 + ex.dwMinorVersion, 500u);
    EXPECT_EQ(ex.wServicePackMajor, 4);
    EXPECT_EQ(ex.wProductType, VER_NT_WORKSTATION);
}

TEST(FakeSystem, GetVersionExFailsOnAWrongSizeOrWhenToldTo) {
    fake::ResetRegistry();
    OSVERSIONINFOA info;
    for (DWORD size : {0u, 147u, 149u, 155u, 157u, 300u}) {
        std::memset(&info, 0, sizeof info);
        info.dwOSVersionInfoSize = size;
        SetLastError(0);
        EXPECT_FALSE(GetVersionExA(&info)) << size;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER)) << size;
        EXPECT_EQ(info.dwMajorVersion, 0u) << size;
    }
    fake::SetVersion(VER_PLATFORM_WIN32_NT, 5, 1, 2600, "Service Pack 2", false);
    info.dwOSVersionInfoSize = sizeof info;
    EXPECT_FALSE(GetVersionExA(&info));
    fake::ResetRegistry();
}

TEST(FakeSystem, ScreenMetricsAndFarEastSetting) {
    fake::ResetRegistry();
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    EXPECT_EQ(GetSystemMetrics(SM_DBCSENABLED), 0);
    fake::SetDbcsEnabled(true);
    EXPECT_NE(GetSystemMetrics(SM_DBCSENABLED), 0);
    fake::ResetRegistry();
    EXPECT_EQ(GetSystemMetrics(SM_DBCSENABLED), 0);
}

TEST(FakeSystem, IconExtractionIsRecordedAndAnswersByKindOfFile) {
    fake::ResetRegistry();
    TempFile exe(std::string("MZ\x90\x00", 4) + std::string(60, '\0'));
    TempFile ico(std::string("\x00\x00\x01\x00\x01\x00", 6));
    TempFile text("[fonts]\r\n");
    HINSTANCE self = GetModuleHandleA(nullptr);

    EXPECT_EQ(ExtractIconA(self, "/nonexistent/shell32.dll", 0), nullptr);
    EXPECT_EQ(ExtractIconA(self, "", 0), nullptr);
    EXPECT_EQ(ExtractIconA(self, "/tmp", 0), nullptr); // a folder holds no icon
    EXPECT_EQ(ExtractIconA(self, text.Path(), 0), reinterpret_cast<HICON>(1));
    EXPECT_EQ(ExtractIconA(self, ico.Path(), 1), nullptr);
    HICON fromIco = ExtractIconA(self, ico.Path(), 0);
    HICON fromExe = ExtractIconA(self, exe.Path(), static_cast<UINT>(-3));
    ASSERT_NE(fromIco, nullptr);
    ASSERT_NE(fromExe, nullptr);
    EXPECT_NE(fromIco, fromExe);
    EXPECT_NE(fromExe, reinterpret_cast<HICON>(1));
    EXPECT_TRUE(DestroyIcon(fromExe));
    EXPECT_FALSE(DestroyIcon(fromExe));
    EXPECT_TRUE(DestroyIcon(fromIco));
    EXPECT_FALSE(DestroyIcon(reinterpret_cast<HICON>(1)));

    const std::vector<fake::IconRequest>& requests = fake::IconRequests();
    ASSERT_EQ(requests.size(), 7u);
    EXPECT_EQ(requests[0].file, "/nonexistent/shell32.dll");
    EXPECT_EQ(requests[1].file, "");
    EXPECT_EQ(requests[6].file, exe.Path());
    EXPECT_EQ(requests[6].index, static_cast<UINT>(-3));
    fake::ResetRegistry();
    EXPECT_TRUE(fake::IconRequests().empty());
}

TEST(FakeSystem, ModuleFileNameTruncatesAsWindowsXPDoes) {
    fake::ResetRegistry();
    fake::SetModuleFileName("C:\\Corvix\\corvix.exe"); // 20 characters
    char buffer[32];
    std::memset(buffer, 'Z', sizeof buffer);
    EXPECT_EQ(GetModuleFileNameA(nullptr, buffer, sizeof buffer), 20u);
    EXPECT_STREQ(buffer, "C:\\Corvix\\corvix.exe");
    // No room for the NUL: as many characters as fit, no NUL, the buffer size.
    std::memset(buffer, 'Z', sizeof buffer);
    SetLastError(0);
    EXPECT_EQ(GetModuleFileNameA(nullptr, buffer, 20), 20u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(std::string(buffer, 21), "C:\\Corvix\\corvix.exeZ");
    std::memset(buffer, 'Z', sizeof buffer);
    EXPECT_EQ(GetModuleFileNameA(nullptr, buffer, 5), 5u);
    EXPECT_EQ(std::string(buffer, 6), "C:\\CoZ");
    EXPECT_EQ(GetModuleFileNameA(nullptr, buffer, 0), 0u);
    EXPECT_EQ(GetModuleFileNameA(GetModuleHandleA(nullptr), buffer, sizeof buffer), 20u);
    EXPECT_EQ(GetModuleFileNameA(reinterpret_cast<HMODULE>(0x7000000), buffer, sizeof buffer), 0u);

    // By default (and after a reset) the real executable.
    fake::ResetRegistry();
    char real[4096];
    ssize_t n = readlink("/proc/self/exe", real, sizeof real - 1);
    ASSERT_GT(n, 0);
    char reported[4096];
    EXPECT_EQ(GetModuleFileNameA(nullptr, reported, sizeof reported), static_cast<DWORD>(n));
    EXPECT_EQ(std::string(reported), std::string(real, static_cast<size_t>(n)));
}

TEST(FakeSystem, CompareStringRejectsUnknownFlagsAndNullStrings) {
    EXPECT_EQ(CompareStringA(LOCALE_USER_DEFAULT, 0x80000000u, "a", -1, "a", -1), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_FLAGS));
    EXPECT_EQ(CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, nullptr, 0, "a", -1), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE | NORM_IGNORENONSPACE, "\xE9", -1,
                             "E", -1),
              CSTR_EQUAL);
}
