// The change-icon dialog component against pickers of the test's own in
// place of the shell's (Wine's returns at once without showing anything).
#include <gtest/gtest.h>

#include "support/Exception.h"
#include "support/SystemText.h"
#include "support/ZQWinDialogs.h"

namespace {

// What the picker saw, and what it answers (UTF-8, as the program's text;
// the pickers convert as the shell's entries take text).
struct TPickerScript {
    int calls = 0;
    HWND owner = nullptr;
    std::string startFile;
    UINT capacity = 0;
    int startIndex = 0;
    int result = 1;
    std::string chosenFile;
    int chosenIndex = 0;
} script;

int WINAPI PickAnsi(HWND owner, LPSTR file, UINT capacity, int* index) {
    ++script.calls;
    script.owner = owner;
    script.startFile = Utf8FromAnsi(file);
    script.capacity = capacity;
    script.startIndex = *index;
    if (script.result == 1) {
        lstrcpynA(file, AnsiFromUtf8(script.chosenFile).c_str(), capacity);
        *index = script.chosenIndex;
    }
    return script.result;
}

int WINAPI PickWide(HWND owner, LPWSTR file, UINT capacity, int* index) {
    ++script.calls;
    script.owner = owner;
    script.startFile = Utf8FromWide(file);
    script.capacity = capacity;
    script.startIndex = *index;
    if (script.result == 1) {
        lstrcpynW(file, WideFromUtf8(script.chosenFile).c_str(), capacity);
        *index = script.chosenIndex;
    }
    return script.result;
}

class ChangeIconDialog : public testing::Test {
protected:
    void TearDown() override { SetPickIconEntries(saved_); }
    TPickIconEntries saved_ = PickIconEntries();
};

} // namespace

TEST_F(ChangeIconDialog, BoundToTheShellsOrdinalForThisPlatform) {
    // Wine reports the NT family unless told otherwise: the wide entry.
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    const bool nt = version.dwPlatformId == VER_PLATFORM_WIN32_NT;
    EXPECT_EQ(PickIconEntries().wide != nullptr, nt);
    EXPECT_EQ(PickIconEntries().ansi != nullptr, !nt);
}

TEST_F(ChangeIconDialog, HandsOverAndTakesBackTheChoiceOnBothEntries) {
    const HWND owner = reinterpret_cast<HWND>(0x1234);
    const std::string umlauts = "C:\\Bilder\\Bärchen.ico";
    struct Case {
        bool wide;
        int result;
        std::string start;
        bool confirmed;
        std::string fileAfter;
        int indexAfterIfConfirmed;
    } cases[] = {
        {true, 1, "C:\\WINDOWS\\notepad.exe", true, umlauts, 3},
        {false, 1, "C:\\WINDOWS\\notepad.exe", true, umlauts, 3},
        {true, 0, umlauts, false, umlauts, 0},
        {false, 2, umlauts, false, umlauts, 0}, // anything but 1 is a cancel
        {true, 1, "", true, umlauts, 3},        // the shell picks its own start
        {false, 1, std::string(260, 'x'), true, umlauts, 3},
    };
    for (const Case& c : cases) {
        SetPickIconEntries(c.wide ? TPickIconEntries{nullptr, PickWide}
                                  : TPickIconEntries{PickAnsi, nullptr});
        script = {};
        script.result = c.result;
        script.chosenFile = umlauts;
        script.chosenIndex = 3;
        TZQShChangeIconDialog dialog;
        dialog.Owner = owner;
        dialog.FileName = c.start;
        dialog.IconIndex = -2;
        EXPECT_EQ(dialog.Execute(), c.confirmed);
        EXPECT_EQ(script.calls, 1);
        EXPECT_EQ(script.owner, owner);
        EXPECT_EQ(script.startFile, c.start);
        EXPECT_EQ(script.startIndex, -2);
        EXPECT_EQ(script.capacity, 261u);
        EXPECT_EQ(dialog.FileName, c.fileAfter);
        if (c.confirmed) {
            EXPECT_EQ(dialog.IconIndex, c.indexAfterIfConfirmed);
        }
    }
    // The wide entry takes and gives names beyond the code page whole.
    SetPickIconEntries({nullptr, PickWide});
    script = {};
    script.chosenFile = "C:\\Zoë 文書\\Ωmega.ico";
    TZQShChangeIconDialog dialog;
    dialog.FileName = "C:\\Zoë 文書\\a.ico";
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(script.startFile, "C:\\Zoë 文書\\a.ico");
    EXPECT_EQ(dialog.FileName, "C:\\Zoë 文書\\Ωmega.ico");
}

TEST_F(ChangeIconDialog, RefusesWhatItCannotDoBeforeAnyDialogOpens) {
    TZQShChangeIconDialog dialog;
    SetPickIconEntries({});
    try {
        dialog.Execute();
        ADD_FAILURE() << "no error";
    } catch (const ZQException& e) {
        EXPECT_STREQ(e.what(), "This function is not supported by your version of Windows.");
    }
    // A stored name longer than the shell's buffer is neither cut nor overflowed.
    for (bool wide : {true, false}) {
        SetPickIconEntries(wide ? TPickIconEntries{nullptr, PickWide}
                                : TPickIconEntries{PickAnsi, nullptr});
        script = {};
        dialog.FileName = std::string(261, 'x');
        EXPECT_THROW(dialog.Execute(), ZQException);
        EXPECT_EQ(script.calls, 0);
        EXPECT_EQ(dialog.FileName, std::string(261, 'x'));
    }
}
