// The system-wide settings dialog: "Show extensions" is the user's
// "HideFileExt"; OK writes a change only through the gate and a confirmation,
// and the whole user branch is compared before and after.
#include <map>

#include "UiTestSupport.h"
#include "commands/Settings.h"
#include "dialogs/SysOptionUnit.h"
#include "registry/RawKey.h"

#include <cstdio>

namespace {

const char kAdvanced[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";

// Every key and value below a root: "path\name" -> type and bytes.
using Snapshot = std::map<std::string, std::string>;

void Collect(HKEY key, const std::string& path, Snapshot& out) {
    out[path + "\\"] = "(key)";
    char name[512];
    BYTE data[1024];
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = sizeof name, dataLength = sizeof data, type = 0;
        if (RegEnumValueA(key, i, name, &nameLength, nullptr, &type, data, &dataLength) !=
            ERROR_SUCCESS)
            break;
        out[path + "\\" + std::string(name, nameLength)] =
            std::to_string(type) + ":" + std::string(reinterpret_cast<char*>(data), dataLength);
    }
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = sizeof name;
        if (RegEnumKeyExA(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        HKEY sub = nullptr;
        if (RegOpenKeyExA(key, name, 0, KEY_READ, &sub) == ERROR_SUCCESS) {
            Collect(sub, path + "\\" + name, out);
            RegCloseKey(sub);
        }
    }
}

Snapshot UserBranch() {
    Snapshot s;
    Collect(HKEY_CURRENT_USER, "", s);
    Collect(HKEY_CLASSES_ROOT, "HKCR", s);
    return s;
}

class SysOptionTest : public MainWindowTest {
protected:
    void SetUp() override {
        std::remove(UndoJournalPath(SettingsPath()).c_str());
        QuietGate();
        Open();
    }
    std::unique_ptr<TSysOptionForm> Dialog() {
        TMainForm& main = *form_;
        auto dialog = std::make_unique<TSysOptionForm>(main.Commands());
        dialog->Show();
        return dialog;
    }
};

} // namespace

TEST_F(SysOptionTest, TheSwitchChangedThroughTheMenuIsUndoneExactly) {
    form_->Commands().SetAllowChanges(true);
    form_->Commands().Settings().AlwaysAsk = false;
    int shellTold = 0;
    form_->Commands().ShellStateChanged = [&shellTold] { ++shellTold; };
    const std::string advancedParent = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
    const struct {
        const char* what;
        std::function<void()> put;
        bool shownBefore;
    } cases[] = {
        {"no settings key at all", [] {}, true},
        {"the key without the value",
         [&] {
             PutString(kAdvanced, "Other", "kept", HKEY_CURRENT_USER);
             PutString(advancedParent + "\\Sibling", "", "s", HKEY_CURRENT_USER);
         },
         true},
        {"extensions hidden, with other values and a subkey",
         [] {
             PutDword(kAdvanced, "HideFileExt", 1, HKEY_CURRENT_USER);
             PutRaw(kAdvanced, "Bytes", REG_BINARY, std::string("\0\xff", 2), HKEY_CURRENT_USER);
             PutRaw(kAdvanced + std::string("\\Folder"), "", REG_SZ, std::string("\0", 1),
                    HKEY_CURRENT_USER);
         },
         false},
        {"a malformed value: a text \"1\"",
         [] { PutRaw(kAdvanced, "HideFileExt", REG_SZ, std::string("1\0", 2), HKEY_CURRENT_USER); },
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TRawKey(HKEY_CURRENT_USER, false).DeleteTree("Software");
        c.put();
        const Snapshot before = UserBranch();
        dialogs_.ExpectModal([&](TForm& form) {
            auto& dialog = dynamic_cast<TSysOptionForm&>(form);
            form.Show();
            EXPECT_EQ(dialog.CheckBox1.Checked(), c.shownBefore);
            dialog.CheckBox1.SetChecked(!c.shownBefore);
            dialog.btnOK.Click();
            return dialog.ModalResult();
        });
        form_->Systemsettings1.Click();
        ASSERT_NE(UserBranch(), before);
        EXPECT_EQ(shellTold, 1);
        EXPECT_EQ(form_->UndoItem.Caption(), "&Undo " + ShowExtensionsStepName(!c.shownBefore));

        // Explorer changes another setting of an existing key in between:
        // the undo takes back the switch alone. (A key the switch created
        // goes as a whole.)
        Snapshot expected = before;
        if (before.count("\\" + std::string(kAdvanced) + "\\")) {
            PutString(kAdvanced, "Other", "changed later", HKEY_CURRENT_USER);
            expected = UserBranch();
            expected.erase("\\" + std::string(kAdvanced) + "\\HideFileExt");
            const auto old = before.find("\\" + std::string(kAdvanced) + "\\HideFileExt");
            if (old != before.end())
                expected.insert(*old);
        }
        form_->UndoItem.Click();
        EXPECT_EQ(UserBranch(), expected);
        EXPECT_EQ(shellTold, 2) << "the shell is told again";
        shellTold = 0;
        EXPECT_FALSE(form_->UndoItem.Enabled());
        EXPECT_EQ(dialogs_.Pending(), 0u);
    }
}

TEST_F(SysOptionTest, WindowAsDesigned) {
    auto dialog = Dialog();
    EXPECT_EQ(dialog->Text(), "Systemwide Settings");
    EXPECT_EQ(dialog->ClientWidth(), 337);
    EXPECT_EQ(dialog->ClientHeight(), 193);
    const LONG style = GetWindowLongA(dialog->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    const struct {
        TWindow* control;
        const char* caption;
        TBounds bounds;
        const char* hint;
    } rows[] = {
        {&dialog->CheckBox1,
         "Show extensions",
         {16, 16, 305, 17},
         "Show the extensions of known file types everywhere"},
        {&dialog->BottomPanel, "", {0, 157, 337, 36}, ""},
        {&dialog->btnHelp, "Help", {8, 7, 75, 23}, "Do you need Help?"},
        {&dialog->btnCancel, "Cancel", {174, 7, 75, 23}, ""},
        {&dialog->btnOK, "OK", {254, 7, 75, 23}, "Confirm your changes"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.control->Text(), row.caption);
        EXPECT_EQ(row.control->Bounds(), row.bounds) << row.caption;
        EXPECT_EQ(row.control->Hint(), row.hint) << row.caption;
    }
    // The note that nothing is done yet is gone: nothing else on the form.
    int children = 0;
    for (HWND h = GetWindow(dialog->Handle(), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
        ++children;
    EXPECT_EQ(children, 2);
    dialog->btnHelp.Click();
    ASSERT_FALSE(dialogs_.HelpCalls().empty());
    EXPECT_EQ(dialogs_.HelpCalls().back(), std::make_pair(UINT(HELP_CONTEXT), ULONG_PTR(0)));
}

TEST_F(SysOptionTest, ShowsTheSwitchAndWritesItOnlyThroughGateAndConfirmation) {
    PutDword(kAdvanced, "HideFileExt", 1, HKEY_CURRENT_USER);
    PutString(kAdvanced, "Other", "kept", HKEY_CURRENT_USER);
    const Snapshot before = UserBranch();
    auto dialog = Dialog();
    EXPECT_FALSE(dialog->CheckBox1.Checked());
    dialog->CheckBox1.SetChecked(true);

    // Changes not allowed: the gate says so, the dialog stays open.
    form_->Commands().SetAllowChanges(false);
    dialogs_.Expect(TDialogKind::Plain, mrOk);
    dialog->btnOK.Click();
    EXPECT_EQ(dialog->ModalResult(), mrNone);
    EXPECT_EQ(UserBranch(), before);

    // Allowed, but the user says no.
    form_->Commands().SetAllowChanges(true);
    dialogs_.Expect(TDialogKind::Confirmation, mrNo);
    dialog->btnOK.Click();
    EXPECT_EQ(dialog->ModalResult(), mrNone);
    EXPECT_EQ(UserBranch(), before);
    EXPECT_EQ(dialogs_.Asked().back().text, ShowExtensionsQuestion(true));

    // Yes: exactly the one value changes, and the dialog closes.
    dialogs_.Expect(TDialogKind::Confirmation, mrYes);
    dialog->btnOK.Click();
    EXPECT_EQ(dialog->ModalResult(), mrOk);
    Snapshot expected = before;
    expected["\\" + std::string(kAdvanced) + "\\HideFileExt"] =
        std::to_string(REG_DWORD) + ":" + std::string(4, '\0');
    EXPECT_EQ(UserBranch(), expected);

    // Opened again it shows the new state; OK without a change asks nothing.
    auto again = Dialog();
    EXPECT_TRUE(again->CheckBox1.Checked());
    again->btnOK.Click();
    EXPECT_EQ(again->ModalResult(), mrOk);
    EXPECT_EQ(UserBranch(), expected);
}

TEST_F(SysOptionTest, MissingKeyShowsExtensionsAndIsCreatedOnWrite) {
    EXPECT_FALSE(HasKey(kAdvanced, HKEY_CURRENT_USER));
    form_->Commands().SetAllowChanges(true);
    form_->Commands().Settings().AlwaysAsk = false; // no confirmation asked
    auto dialog = Dialog();
    EXPECT_TRUE(dialog->CheckBox1.Checked());
    dialog->CheckBox1.SetChecked(false);
    dialog->btnOK.Click();
    EXPECT_EQ(dialog->ModalResult(), mrOk);
    EXPECT_EQ(GetRaw(kAdvanced, "HideFileExt", HKEY_CURRENT_USER).bytes,
              std::string("\1\0\0\0", 4));
}

TEST_F(SysOptionTest, CancelWritesNothingAndTheMenuItemOpensIt) {
    PutDword(kAdvanced, "HideFileExt", 0, HKEY_CURRENT_USER);
    const Snapshot before = UserBranch();
    form_->Commands().SetAllowChanges(true);
    dialogs_.ExpectModal([](TForm& form) {
        auto& dialog = dynamic_cast<TSysOptionForm&>(form);
        form.Show();
        EXPECT_TRUE(dialog.CheckBox1.Checked());
        dialog.CheckBox1.SetChecked(false);
        dialog.btnCancel.Click();
        return dialog.ModalResult();
    });
    form_->Systemsettings1.Click();
    EXPECT_EQ(UserBranch(), before);
    EXPECT_EQ(form_->Systemsettings1.Hint(), "Change global system settings");
}
