#include "support/ZQRoutines.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

OSVERSIONINFOA Record(DWORD platform, DWORD major, DWORD minor, DWORD build, const char* service) {
    OSVERSIONINFOA rec;
    std::memset(&rec, 0, sizeof(rec));
    rec.dwOSVersionInfoSize = sizeof(rec);
    rec.dwPlatformId = platform;
    rec.dwMajorVersion = major;
    rec.dwMinorVersion = minor;
    rec.dwBuildNumber = build;
    std::strncpy(rec.szCSDVersion, service, sizeof(rec.szCSDVersion) - 1);
    return rec;
}

// The 95/98/ME family repeats major.minor in the high word of the build field.
DWORD Build9x(DWORD major, DWORD minor, DWORD build) {
    return (major << 24) | (minor << 16) | build;
}

struct Row {
    OSVERSIONINFOA rec;
    int code;
    const char* text;
    const char* name;
    unsigned openFileNameSize; // what its common dialogs accept
};

const DWORD W9x = VER_PLATFORM_WIN32_WINDOWS;
const DWORD NT = VER_PLATFORM_WIN32_NT;

} // namespace

TEST(OSVersionDecode, CodeTextAndNameOfEverySystem) {
    const Row rows[] = {
        {Record(W9x, 4, 0, Build9x(4, 0, 950), " "), 1, "4.0, Build 950", " Windows 95", 76},
        {Record(W9x, 4, 0, Build9x(4, 0, 1111), " B"), 2, "4.0, Build 1111", " Windows 95", 76},
        {Record(W9x, 4, 0, Build9x(4, 0, 1212), " C"), 1, "4.0, Build 1212", " Windows 95", 76},
        {Record(W9x, 4, 10, Build9x(4, 10, 1998), " "), 3, "4.10, Build 1998", "Windows 98", 76},
        {Record(W9x, 4, 10, Build9x(4, 10, 2222), " A "), 4, "4.10, Build 2222", "Windows 98SE",
         76},
        {Record(W9x, 4, 90, 73010104, " "), 5, "4.90, Build 3000", "Windows ME", 76},
        {Record(NT, 3, 51, 1057, "Service Pack 5"), 6, "3.51, Build 1057", "Windows NT", 76},
        {Record(NT, 4, 0, 1381, "Service Pack 6"), 7, "4.0, Build 1381", "Windows NT", 76},
        {Record(NT, 5, 0, 2195, "Service Pack 4"), 8, "5.0, Build 2195", "Windows 2000", 88},
        {Record(NT, 5, 1, 2600, "Service Pack 3"), 9, "5.1, Build 2600", "Whistler", 88},
        // Systems after Windows XP are unknown to the program.
        {Record(NT, 5, 2, 3790, "Service Pack 2"), 0, "5.2, Build 3790", "Unknown", 88},
        {Record(NT, 6, 1, 7601, "Service Pack 1"), 0, "6.1, Build 7601", "Unknown", 88},
    };
    for (const Row& row : rows) {
        std::string text;
        SCOPED_TRACE(row.text);
        EXPECT_EQ(OSVersionCodeOf(row.rec, &text), row.code);
        EXPECT_EQ(text, row.text);
        EXPECT_EQ(OSNameOf(&row.rec), row.name);
        EXPECT_EQ(OSVersionCodeOf(row.rec, nullptr), row.code);
        EXPECT_EQ(OpenFileNameSizeOf(row.rec), row.openFileNameSize);
    }
}

TEST(OSVersionDecode, ToolTipsTakeTheToolSizeOfTheirCommonControls) {
    // 4.00: Windows 95 and NT 4 as shipped; 4.70: Internet Explorer 3;
    // 5.81: Windows 2000 and ME; 6.0: a program with the XP manifest.
    const struct {
        unsigned major, minor, size;
    } versions[] = {{0, 0, 40},  {4, 0, 40}, {4, 70, 44}, {4, 72, 44},
                    {5, 81, 44}, {6, 0, 48}, {6, 10, 48}};
    for (const auto& v : versions)
        EXPECT_EQ(ToolInfoSizeOf(v.major, v.minor), v.size) << v.major << "." << v.minor;
}

TEST(OSVersionDecode, EdgeRecords) {
    std::string text;
    // Windows ME is recognised by its whole build field, its name only by the
    // version number.
    OSVERSIONINFOA me = Record(W9x, 4, 90, Build9x(4, 90, 3001), " ");
    EXPECT_EQ(OSVersionCodeOf(me, &text), 0);
    EXPECT_EQ(text, "4.90, Build 3001");
    EXPECT_EQ(OSNameOf(&me), "Windows ME");

    // For the 95/98/ME family the code looks at the minor version only.
    OSVERSIONINFOA odd9x = Record(W9x, 5, 10, Build9x(5, 10, 1), " A");
    EXPECT_EQ(OSVersionCodeOf(odd9x, nullptr), 4);
    EXPECT_EQ(OSNameOf(&odd9x), "Unknown");

    // The release letter is the second character: a letter in first place or
    // after two blanks doesn't count, nor does a lower-case one.
    EXPECT_EQ(OSVersionCodeOf(Record(W9x, 4, 0, 0, "B"), nullptr), 1);
    EXPECT_EQ(OSVersionCodeOf(Record(W9x, 4, 0, 0, "  B"), nullptr), 1);
    EXPECT_EQ(OSVersionCodeOf(Record(W9x, 4, 10, 0, "A"), nullptr), 3);
    EXPECT_EQ(OSVersionCodeOf(Record(W9x, 4, 10, 0, " a"), nullptr), 3);
    OSVERSIONINFOA empty98 = Record(W9x, 4, 10, 0, "");
    EXPECT_EQ(OSVersionCodeOf(empty98, nullptr), 3);
    EXPECT_EQ(OSNameOf(&empty98), "Windows 98");

    // A service text that fills its buffer without a terminating zero.
    OSVERSIONINFOA full = Record(W9x, 4, 10, 0, "");
    std::memset(full.szCSDVersion, 'A', sizeof(full.szCSDVersion));
    EXPECT_EQ(OSVersionCodeOf(full, nullptr), 4);
    EXPECT_EQ(OSNameOf(&full), "Windows 98SE");

    // The NT family shows its whole build number; every NT before 5 is "Windows NT".
    OSVERSIONINFOA nt = Record(NT, 3, 10, 0x12345678, "");
    EXPECT_EQ(OSVersionCodeOf(nt, &text), 6);
    EXPECT_EQ(text, "3.10, Build 305419896");
    EXPECT_EQ(OSNameOf(&nt), "Windows NT");
    OSVERSIONINFOA nt2 = Record(NT, 2, 0, 1, "");
    EXPECT_EQ(OSVersionCodeOf(nt2, nullptr), 0);
    EXPECT_EQ(OSNameOf(&nt2), "Windows NT");

    // Another platform (Win32s): no build number, no name.
    OSVERSIONINFOA win32s = Record(VER_PLATFORM_WIN32s, 3, 10, 0x0A03, "");
    EXPECT_EQ(OSVersionCodeOf(win32s, &text), 0);
    EXPECT_EQ(text, "3.10, Build ");
    EXPECT_EQ(OSNameOf(&win32s), "Unknown");

    // No record at all.
    EXPECT_EQ(OSNameOf(nullptr), "Unknown");
}
