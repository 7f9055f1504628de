// The version routines against the version record Wine reports when it
// pretends to be a given Windows version (see tests/run-as-version.sh).
#include "support/ZQRoutines.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

struct Expected {
    const char* winver;
    int code;
    const char* name;
    const char* text;
};

const Expected kVersions[] = {
    {"win95", 1, " Windows 95", "4.0, Build 950"},
    {"win98", 4, "Windows 98SE", "4.10, Build 2222"}, // Wine reports the service text " A "
    {"winme", 5, "Windows ME", "4.90, Build 3000"},
    {"nt40", 7, "Windows NT", "4.0, Build 1381"},
    {"win2k", 8, "Windows 2000", "5.0, Build 2195"},
    {"winxp", 9, "Whistler", "5.1, Build 2600"},
    {"win2003", 0, "Unknown", "5.2, Build 3790"},
    {"win7", 0, "Unknown", "6.1, Build 7601"},
};

} // namespace

TEST(OSVersionOnWindowsVersion, CodeNameAndTextOfTheRunningSystem) {
    const char* winver = std::getenv("CORVIX_EXPECT_WINVER");
    if (!winver)
        GTEST_SKIP() << "CORVIX_EXPECT_WINVER is not set";
    const Expected* expected = nullptr;
    for (const Expected& e : kVersions)
        if (std::string(e.winver) == winver)
            expected = &e;
    ASSERT_NE(expected, nullptr) << "no expectation for " << winver;

    std::string text, name;
    EXPECT_EQ(GetOSVersion(text), expected->code);
    EXPECT_EQ(text, expected->text);
    EXPECT_EQ(GetOSVersionCode(), expected->code);
    GetOSName(name);
    EXPECT_EQ(name, expected->name);
}
