// The configuration dialog: its window, loading and writing the eight
// switches, the Save Mode rule of each Windows version, and a settings file
// that can't be written.
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "UiTestSupport.h"
#include "dialogs/ProgConfig.h"
#include "registry/ClassesStore.h"
#include "support/ZQRoutines.h"

namespace {

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void ClickByMessage(TButton& button) {
    SendMessageA(GetParent(button.Handle()), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(button.Handle()), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button.Handle()));
}

class ProgConfigTest : public MainWindowTest {
protected:
    std::string Path() const { return SettingsPath(); }
    std::vector<TCheckBox*> Boxes(TProgConfigForm& f) {
        return {&f.cbStartupScan, &f.cbSaveMode,   &f.cbVersionWarn, &f.cbOptimizeSystem,
                &f.cbAlwaysAsk,   &f.cbRestoreWnd, &f.cbRestoreTab,  &f.cbRestoreSelItem};
    }
};

} // namespace

TEST_F(ProgConfigTest, WindowAsDesigned) {
    TProgConfigForm form(Path());
    EXPECT_EQ(form.Text(), "Configuration");
    EXPECT_EQ(form.ClientWidth(), 379);
    EXPECT_EQ(form.ClientHeight(), 341);
    EXPECT_EQ(form.Left(), (GetSystemMetrics(SM_CXSCREEN) - form.Width()) / 2);
    EXPECT_EQ(form.Top(), (GetSystemMetrics(SM_CYSCREEN) - form.Height()) / 2);
    const LONG style = GetWindowLongA(form.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));

    struct Row {
        TWindow* control;
        TWindow* parent;
        const char* caption;
        TBounds bounds;
        const char* hint;
    } rows[] = {
        {&form.cbStartupScan, &form, "Scan on Startup", {8, 8, 363, 17}, ""},
        {&form.cbSaveMode, &form, "Save Mode (no changes are saved)", {8, 28, 363, 17}, ""},
        {&form.cbVersionWarn,
         &form,
         "Always warn if the current version of Windows isn't supported",
         {8, 48, 363, 17},
         ""},
        {&form.gbWhileWorking, &form, " While working ", {8, 72, 363, 76}, ""},
        {&form.cbOptimizeSystem,
         &form.gbWhileWorking,
         "Delete all things, that are modiefied and no longer needed (recommered)",
         {8, 16, 349, 28},
         ""},
        {&form.cbAlwaysAsk,
         &form.gbWhileWorking,
         "Disturb me, while it should be secure!",
         {8, 48, 349, 17},
         ""},
        {&form.gbRestore, &form, " Restore on startup ", {8, 154, 363, 88}, ""},
        {&form.cbScopeUser,
         &form,
         "Changes apply to this user only (else to all users)",
         {8, 248, 363, 17},
         ""},
        {&form.cbRestoreWnd, &form.gbRestore, "... window size and position", {8, 18, 349, 17}, ""},
        {&form.cbRestoreTab, &form.gbRestore, "... selected tab", {8, 40, 349, 17}, ""},
        {&form.cbRestoreSelItem,
         &form.gbRestore,
         "... selected item (extension and fileclass)",
         {8, 62, 349, 17},
         ""},
        {&form.BottomPanel, &form, "", {0, 305, 379, 36}, ""},
        {&form.btnHelp, &form.BottomPanel, "Help", {8, 7, 75, 23}, "Do you need Help?"},
        {&form.btnCancel, &form.BottomPanel, "Cancel", {216, 7, 75, 23}, ""},
        {&form.btnOK, &form.BottomPanel, "OK", {296, 7, 75, 23}, "Confirm your changes"},
    };
    TWindow* previous = nullptr;
    for (const Row& row : rows) {
        EXPECT_EQ(row.control->Text(), row.caption);
        EXPECT_EQ(row.control->Bounds(), row.bounds) << row.caption;
        EXPECT_EQ(row.control->Parent(), row.parent) << row.caption;
        EXPECT_EQ(row.control->Hint(), row.hint) << row.caption;
        // Siblings follow each other in the tab order.
        if (previous && previous->Parent() == row.parent)
            EXPECT_EQ(GetWindow(previous->Handle(), GW_HWNDNEXT), row.control->Handle())
                << row.caption;
        previous = row.control;
    }
    // Every check box shows its whole caption: measured in its font beside
    // the box, wrapped when the box has room for more than one line.
    for (TCheckBox* box : Boxes(form)) {
        const bool multiline = (GetWindowLongA(box->Handle(), GWL_STYLE) & BS_MULTILINE) != 0;
        HDC dc = GetDC(box->Handle());
        HGDIOBJ old = SelectObject(dc, box->Font());
        RECT text = {0, 0, box->Width() - GetSystemMetrics(SM_CXMENUCHECK) - 4, 0};
        DrawTextA(dc, box->Text().c_str(), -1, &text,
                  DT_CALCRECT | (multiline ? DT_WORDBREAK : DT_SINGLELINE));
        SelectObject(dc, old);
        ReleaseDC(box->Handle(), dc);
        EXPECT_LE(text.right, box->Width() - GetSystemMetrics(SM_CXMENUCHECK) - 4) << box->Name();
        EXPECT_LE(text.bottom, box->Height()) << box->Name();
    }
    // The two lines below the groups, the mail link in blue.
    EXPECT_EQ(form.laMail.Text(), "Do you have any other idea? Send me a mail!");
    EXPECT_EQ(form.laMail.Url(), "mailto:support@corvix.de");
    EXPECT_EQ(form.laMail.TextColors().Colors().Color(), RGB(0, 0, 255));
    EXPECT_EQ(form.laMail.TextColors().Colors().HoverColor(), RGB(255, 0, 0));
    EXPECT_EQ(form.laNote.Text(), "Note: Please restart the program if you change a setting.");
    EXPECT_GT(form.laNote.Top(), form.laMail.Top() + form.laMail.Height());
    EXPECT_LE(form.laNote.Top() + form.laNote.Height(), form.BottomPanel.Top());
    EXPECT_GT(form.laMail.Top(), form.gbRestore.Top() + form.gbRestore.Height());
}

TEST_F(ProgConfigTest, OkWithoutAFileWritesExactlyTheEightKeys) {
    TProgConfigForm form(Path());
    form.Show();
    for (TCheckBox* box : Boxes(form))
        EXPECT_TRUE(box->Checked()) << box->Name();
    form.btnOK.Click();
    EXPECT_EQ(form.ModalResult(), mrOk);
    // Where the system has two stores, the store changes go to as well.
    EXPECT_EQ(FileText(Path()), std::string("[config]\r\n"
                                            "StartupScan=1\r\n"
                                            "SaveMode=1\r\n"
                                            "VersionWarn=1\r\n"
                                            "OptimizeSystem=1\r\n"
                                            "AlwaysAsk=1\r\n") +
                                    (TwoClassesStores() ? "Scope=machine\r\n" : "") +
                                "\r\n"
                                "[MainForm]\r\n"
                                "RestoreWnd=1\r\n"
                                "RestoreTab=1\r\n"
                                "RestoreSelItem=1\r\n");
}

TEST_F(ProgConfigTest, LoadsTheFileCancelWritesNothingOkKeepsOtherKeys) {
    const char* const keys[][2] = {
        {"config", "StartupScan"},    {"config", "SaveMode"},         {"config", "VersionWarn"},
        {"config", "OptimizeSystem"}, {"config", "AlwaysAsk"},        {"MainForm", "RestoreWnd"},
        {"MainForm", "RestoreTab"},   {"MainForm", "RestoreSelItem"},
    };
    for (const auto& key : keys)
        Set(key[0], key[1], "0");
    Set("config", "AllowMods", "1"); // Save Mode editable on every system
    Set("config", "Scope", "user");
    Set("MainForm", "Top", "7");
    const std::string before = FileText(Path());

    {
        TProgConfigForm form(Path());
        form.Show();
        for (TCheckBox* box : Boxes(form)) {
            EXPECT_FALSE(box->Checked()) << box->Name();
            box->SetChecked(true);
        }
        form.btnCancel.Click();
        EXPECT_EQ(form.ModalResult(), mrCancel);
    }
    EXPECT_EQ(FileText(Path()), before);

    TProgConfigForm form(Path());
    form.Show();
    form.cbVersionWarn.SetChecked(true);
    form.cbRestoreTab.SetChecked(true);
    EXPECT_EQ(form.cbScopeUser.Checked(), TwoClassesStores());
    form.btnOK.Click();
    EXPECT_EQ(Get("config", "Scope"), "user");
    for (const auto& key : keys) {
        const bool ticked =
            std::string(key[1]) == "VersionWarn" || std::string(key[1]) == "RestoreTab";
        EXPECT_EQ(Get(key[0], key[1]), ticked ? "1" : "0") << key[1];
    }
    EXPECT_EQ(Get("config", "AllowMods"), "1");
    EXPECT_EQ(Get("MainForm", "Top"), "7");
}

TEST_F(ProgConfigTest, AFileThatCantBeWrittenKeepsTheDialogOpenAndLosesNothing) {
    Set("config", "StartupScan", "0");
    Set("MainForm", "Top", "7");
    const std::string before = FileText(Path());
    SetFileAttributesA(Path().c_str(), FILE_ATTRIBUTE_READONLY);

    TProgConfigForm form(Path());
    form.Show();
    form.cbStartupScan.SetChecked(true);
    // Pressed as the user does: the error reaches the default error box.
    dialogs_.Expect(TDialogKind::Error, mrOk);
    ClickByMessage(form.btnOK);
    ASSERT_EQ(dialogs_.Asked().size(), 1u);
    EXPECT_EQ(dialogs_.Asked()[0].text, "nach " + Path() + " kann nicht geschrieben werden");
    EXPECT_EQ(form.ModalResult(), mrNone); // still open
    SetFileAttributesA(Path().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(FileText(Path()), before);
}

TEST_F(ProgConfigTest, HelpAsksForContext40) {
    TProgConfigForm form(Path());
    form.btnHelp.Click();
    ASSERT_EQ(dialogs_.HelpCalls().size(), 1u);
    EXPECT_EQ(dialogs_.HelpCalls()[0], std::make_pair(UINT(HELP_CONTEXT), ULONG_PTR(40)));
    EXPECT_EQ(form.ModalResult(), mrNone);
}

// Run under each Windows version Wine pretends (tests/run-as-version.sh).
TEST_F(ProgConfigTest, SaveModeRuleOnWindowsVersion) {
    const char* winver = std::getenv("CORVIX_EXPECT_WINVER");
    if (!winver)
        GTEST_SKIP() << "CORVIX_EXPECT_WINVER is not set";
    const std::string v = winver;
    const bool family95 = v == "win95" || v == "win98" || v == "winme";
    EXPECT_EQ(IsWindows95Family(), family95);

    Set("config", "SaveMode", "0");
    {
        TProgConfigForm form(Path());
        form.Show();
        // The 95 family edits Save Mode; the NT family keeps it on.
        EXPECT_EQ(form.cbSaveMode.Enabled(), family95);
        EXPECT_EQ(form.cbSaveMode.Checked(), !family95);
        form.btnOK.Click();
        EXPECT_EQ(Get("config", "SaveMode"), family95 ? "0" : "1");
    }
    // "AllowMods" makes it editable everywhere; it is never written.
    Set("config", "AllowMods", "1");
    Set("config", "SaveMode", "0");
    TProgConfigForm form(Path());
    form.Show();
    EXPECT_TRUE(form.cbSaveMode.Enabled());
    EXPECT_FALSE(form.cbSaveMode.Checked());
    form.btnOK.Click();
    EXPECT_EQ(Get("config", "SaveMode"), "0");
    EXPECT_EQ(Get("config", "AllowMods"), "1");
}

TEST_F(ProgConfigTest, MenuItemAndToolButtonOpenIt) {
    QuietGate();
    TMainForm& main = Open();
    for (int i = 0; i < 2; ++i) {
        dialogs_.ExpectModal([](TForm& form) {
            auto& config = dynamic_cast<TProgConfigForm&>(form);
            form.Show();
            config.cbAlwaysAsk.SetChecked(false);
            config.btnOK.Click();
            return config.ModalResult();
        });
        if (i == 0)
            main.ConfigurationItem.Click();
        else
            main.tbtnConfiguration.Click();
        EXPECT_EQ(Get("config", "AlwaysAsk"), "0");
        Set("config", "AlwaysAsk", "1");
    }
    EXPECT_TRUE(main.Commands().Settings().AlwaysAsk); // takes effect at the next start
}
