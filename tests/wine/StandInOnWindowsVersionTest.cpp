// What Wine reports and does when it pretends a Windows version (see
// tests/run-as-version.sh): the facts the native stand-in copies for each
// version (its version records and the registry rules of the 95/98/ME family;
// tests/native/FakeControlTest.cpp checks the stand-in against the same).
#include "support/ScratchRegistry.h"
#include "support/WineVersionRecords.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const TWineVersionRecord* Expected() {
    const char* winver = std::getenv("CORVIX_EXPECT_WINVER");
    if (!winver)
        return nullptr;
    for (const TWineVersionRecord& r : kWineVersionRecords)
        if (winver == std::string(r.winver))
            return &r;
    ADD_FAILURE() << "no record for " << winver;
    return nullptr;
}

using StandInOnWindowsVersionRegistry = RegistryTest;

} // namespace

TEST(StandInOnWindowsVersion, VersionRecordIsTheOneTheStandInReports) {
    if (!std::getenv("CORVIX_EXPECT_WINVER"))
        GTEST_SKIP() << "CORVIX_EXPECT_WINVER is not set";
    const TWineVersionRecord* expected = Expected();
    ASSERT_NE(expected, nullptr);
    OSVERSIONINFOA info;
    std::memset(&info, 0, sizeof info);
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExA(&info));
    EXPECT_EQ(info.dwPlatformId, expected->platform);
    EXPECT_EQ(info.dwMajorVersion, expected->major);
    EXPECT_EQ(info.dwMinorVersion, expected->minor);
    EXPECT_EQ(info.dwBuildNumber, expected->build);
    EXPECT_STREQ(info.szCSDVersion, expected->csd);
    info.dwOSVersionInfoSize = sizeof info + 1;
    EXPECT_FALSE(GetVersionExA(&info));
}

TEST_F(StandInOnWindowsVersionRegistry, DeletionAndRightsFollowTheFamily) {
    if (!std::getenv("CORVIX_EXPECT_WINVER"))
        GTEST_SKIP() << "CORVIX_EXPECT_WINVER is not set";
    const TWineVersionRecord* expected = Expected();
    ASSERT_NE(expected, nullptr);
    const bool family9x = expected->platform == VER_PLATFORM_WIN32_WINDOWS;

    PutString("cls", "", "Class");
    PutKey("cls\\shell\\open");
    HKEY reader = nullptr, open = nullptr, slash = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "cls", 0, KEY_READ, &reader), ERROR_SUCCESS);
    ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "cls\\shell\\open", 0, KEY_READ, &open),
              ERROR_SUCCESS);
    // 95/98/ME know no rights: a KEY_READ handle writes.
    EXPECT_EQ(RegSetValueExA(reader, "v", 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 2),
              family9x ? ERROR_SUCCESS : ERROR_ACCESS_DENIED);
    // NT opens a path below HKEY_CLASSES_ROOT with a leading backslash.
    EXPECT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "\\cls", 0, KEY_READ, &slash),
              family9x ? ERROR_BAD_PATHNAME : ERROR_SUCCESS);
    if (slash)
        RegCloseKey(slash);
    // 95/98/ME delete the whole tree; handles below see the deletion.
    EXPECT_EQ(RegDeleteKeyA(HKEY_CLASSES_ROOT, "cls"),
              family9x ? ERROR_SUCCESS : ERROR_ACCESS_DENIED);
    EXPECT_EQ(HasKey("cls\\shell\\open"), !family9x);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(open, "", nullptr, nullptr, nullptr, &size),
              family9x ? ERROR_KEY_DELETED : ERROR_FILE_NOT_FOUND);
    RegCloseKey(open);
    RegCloseKey(reader);
}
