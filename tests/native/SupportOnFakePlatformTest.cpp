// The thin platform wrappers of the support units against the stand-in's
// settable version record and executable path.
#include "platform/FakeControl.h"
#include "support/ZQIniFiles.h"
#include "support/ZQRoutines.h"

#include <gtest/gtest.h>

TEST(SupportOnFakePlatform, VersionRoutinesAskThePlatformAtEveryCall) {
    std::string text, name;
    fake::SetVersion(VER_PLATFORM_WIN32_NT, 5, 0, 2195, "Service Pack 4");
    EXPECT_EQ(GetOSVersion(text), 8);
    EXPECT_EQ(text, "5.0, Build 2195");
    GetOSName(name);
    EXPECT_EQ(name, "Windows 2000");

    fake::SetVersion(VER_PLATFORM_WIN32_WINDOWS, 4, 10, 0x040A08AE, " A ");
    EXPECT_EQ(GetOSVersionCode(), 4);
    GetOSName(name);
    EXPECT_EQ(name, "Windows 98SE");

    // No version record: code 0, no text, "Unknown".
    fake::SetVersion(VER_PLATFORM_WIN32_NT, 5, 1, 2600, "", false);
    EXPECT_EQ(GetOSVersion(text), 0);
    EXPECT_EQ(text, "");
    GetOSName(name);
    EXPECT_EQ(name, "Unknown");

    // The stand-in's named systems give what Wine gives for them.
    const struct {
        const char* winver;
        int code;
        const char* name;
    } systems[] = {{"win95", 1, " Windows 95"},  {"win98", 4, "Windows 98SE"},
                   {"winme", 5, "Windows ME"},   {"nt40", 7, "Windows NT"},
                   {"win2k", 8, "Windows 2000"}, {"winxp", 9, "Whistler"},
                   {"win2003", 0, "Unknown"},    {"win7", 0, "Unknown"}};
    for (const auto& system : systems) {
        fake::SetVersion(system.winver);
        EXPECT_EQ(GetOSVersionCode(), system.code) << system.winver;
        GetOSName(name);
        EXPECT_EQ(name, system.name) << system.winver;
    }
    fake::SetVersion("win2k"); // the stand-in's default
}

TEST(SupportOnFakePlatform, SettingsFileIsInTheExecutablesFolder) {
    fake::SetModuleFileName("C:\\Program Files\\Corvix\\corvix.exe");
    EXPECT_EQ(SettingsFilePath(), "C:\\Program Files\\Corvix\\settings.ini");
    fake::SetModuleFileName("/opt/corvix/" + std::string(400, 'd') + "/corvix.exe");
    EXPECT_EQ(SettingsFilePath(), "/opt/corvix/" + std::string(400, 'd') + "/settings.ini");
    fake::SetModuleFileName("/proc/self/exe");
}
