// The two register dialogs on real windows, opened by a stand-in for the main
// window: their layout, their enabling rules, and what Register, Cancel and
// Escape leave in the registry.
#include <cstdlib>

#include "RegistryDiff.h"
#include "UiTestSupport.h"
#include "association/DataType.h"
#include "dialogs/RegClassUnit.h"
#include "dialogs/RegExtUnit.h"
#include "commands/Commands.h"
#include "mainwindow/BoxQuestions.h"
#include "index/FileClassScan.h"
#include "support/StringList.h"
#include "support/ZQRoutines.h"
#include "support/ZQWinDialogs.h"
#include "toolkit/Dialogs.h"

namespace {

// The opener: the commands on a settings file of their own (changes
// allowed), asking through the scripted boxes.
class TTestHost {
public:
    TTestHost() : commands(Settings(), questions) {
        commands.SetAllowChanges(true);
        commands.AssociationsChanged = [] {};
        commands.Rescan();
    }
    operator TCommands&() { return commands; }

    static std::string Settings() {
        const std::string path = testing::TempDir() + "corvix-register-dialogs-" +
                                 std::to_string(GetCurrentProcessId()) + ".ini";
        std::remove(UndoJournalPath(path).c_str());
        return path;
    }
    TBoxQuestions questions;
    TCommands commands;
    bool& optimize = commands.Settings().OptimizeSystem;
    bool& alwaysAsk = commands.Settings().AlwaysAsk;
    TFileClass& index = commands.Index();
};

// The shell's icon picker as the user answers it: each call records its
// start values and, when `confirm` holds, answers with the chosen icon.
struct TIconPicks {
    struct TStart {
        std::string file;
        int index;
        HWND owner;
    };
    std::vector<TStart> starts;
    bool confirm = true;
    std::string file;
    int index = 0;
} picks;

int WINAPI PickIcon(HWND owner, LPSTR file, UINT capacity, int* index) {
    picks.starts.push_back({file, *index, owner});
    if (!picks.confirm)
        return 0;
    lstrcpynA(file, picks.file.c_str(), capacity);
    *index = picks.index;
    return 1;
}

// Puts the scripted picker in the shell's place while it lives.
class TScriptedIconPicker {
public:
    TScriptedIconPicker() : saved_(SetPickIconEntries({PickIcon, nullptr})) { picks = {}; }
    ~TScriptedIconPicker() { SetPickIconEntries(saved_); }

private:
    TPickIconEntries saved_;
};

const char* const kFollowOn = "The extension is now registered to the system!\r\nBut there is no "
                              "information on the fileclass. Maybe you want to change this?";

bool OnWindowsXP() {
    return GetOSVersionCode() == 9;
}
// Descriptions are also written as "FriendlyTypeName" on Windows 2000 and XP.
bool WritesFriendlyName() {
    return GetOSVersionCode() == 8 || GetOSVersionCode() == 9;
}

struct TPlace {
    const TWindow* control;
    const char* name;
    const char* caption;
    const char* hint;
    TBounds bounds; // width or height 0: not checked (sized to content)
};

void ExpectPlaces(const std::vector<TPlace>& places) {
    for (const TPlace& p : places) {
        SCOPED_TRACE(p.name);
        EXPECT_EQ(p.control->Name(), p.name);
        EXPECT_EQ(p.control->Text(), p.caption);
        EXPECT_EQ(p.control->Hint(), p.hint);
        const TBounds b = p.control->Bounds();
        EXPECT_EQ(b.left, p.bounds.left);
        EXPECT_EQ(b.top, p.bounds.top);
        if (p.bounds.width) {
            EXPECT_EQ(b.width, p.bounds.width);
        }
        if (p.bounds.height) {
            EXPECT_EQ(b.height, p.bounds.height);
        }
    }
}

void ExpectToolWindow(const TForm& form, int clientWidth, int clientHeight) {
    EXPECT_EQ(form.ClientWidth(), clientWidth);
    EXPECT_EQ(form.ClientHeight(), clientHeight);
    const LONG style = GetWindowLongA(form.Handle(), GWL_STYLE);
    EXPECT_TRUE(GetWindowLongA(form.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(style & WS_THICKFRAME) << "not sizeable";
    EXPECT_TRUE(style & WS_CAPTION);
}

class RegisterDialogTest : public RegistryTest {
protected:
    void TearDown() override {
        EXPECT_TRUE(dialogs_.Unexpected().empty())
            << "unexpected: " << dialogs_.Unexpected().front().text;
        EXPECT_EQ(dialogs_.Pending(), 0u) << "scripted answers left unused";
    }
    // Runs the extension dialog: `fill` works on it as the user would;
    // `then` queues the boxes and dialogs that follow it.
    int RunRegExt(TTestHost& host, const std::function<void(TRegExtForm&)>& fill,
                  const std::function<void()>& then = nullptr) {
        TRegExtForm form(host);
        dialogs_.ExpectModal([&](TForm&) {
            fill(form);
            return static_cast<int>(mrNone);
        });
        if (then)
            then();
        return form.ShowModal();
    }
    int RunRegClass(TTestHost& host, const std::string& name,
                    const std::function<void(TRegClassForm&)>& fill) {
        TRegClassForm form(host);
        dialogs_.ExpectModal([&](TForm&) {
            fill(form);
            return static_cast<int>(mrNone);
        });
        return form.Execute(name);
    }
    // The class dialog, when the extension dialog opens it.
    void ExpectRegClass(const std::function<void(TRegClassForm&)>& fill) {
        dialogs_.ExpectModal([fill](TForm& form) {
            auto* regClass = dynamic_cast<TRegClassForm*>(&form);
            EXPECT_NE(regClass, nullptr);
            if (regClass)
                fill(*regClass);
            return static_cast<int>(mrNone);
        });
    }

    ScriptedDialogs dialogs_;
};

} // namespace

TEST_F(RegisterDialogTest, LayoutCaptionsHintsAndTabOrderOfBothDialogs) {
    TTestHost host;
    TRegExtForm ext(host);
    EXPECT_EQ(ext.Text(), "Register new extension");
    ExpectToolWindow(ext, 297, 143);
    ExpectPlaces({
        {&ext.Panel1, "Panel1", "", "", {0, 0, 297, 107}},
        {&ext.Panel2, "Panel2", "", "", {0, 107, 297, 36}},
        {&ext.lExtension, "lExtension", "Extension", "", {8, 12, 0, 0}},
        {&ext.lFileClass, "lFileClass", "Fileclass", "", {8, 36, 0, 0}},
        {&ext.lContentType, "lContentType", "Content Type", "", {8, 60, 0, 0}},
        {&ext.lPerceivedType, "lPerceivedType", "Perceived Type", "", {8, 84, 0, 0}},
        {&ext.edtExtension, "edtExtension", "", "", {96, 8, 193, 21}},
        {&ext.cbFileclass, "cbFileclass", "", "", {96, 32, 193, 0}},
        {&ext.edtContentType, "edtContentType", "", "", {96, 56, 193, 21}},
        {&ext.cbPerceivedType, "cbPerceivedType", "", "", {96, 80, 193, 0}},
        {&ext.btnHelp, "btnHelp", "Help", "Do you need Help?", {8, 8, 75, 21}},
        {&ext.btnCancel, "btnCancel", "Cancel", "", {131, 8, 75, 21}},
        {&ext.btnOK,
         "btnOK",
         "Register",
         "Register the extension with the given settings",
         {214, 8, 75, 21}},
    });
    EXPECT_EQ(TabOrder(ext),
              (std::vector<std::string>{"edtExtension", "cbFileclass", "edtContentType",
                                        "cbPerceivedType", "btnHelp", "btnCancel", "btnOK"}));
    EXPECT_EQ(ext.cbFileclass.Style(), TComboStyle::DropDown);
    EXPECT_EQ(ext.cbPerceivedType.Style(), TComboStyle::DropDownList);

    TRegClassForm cls(host);
    EXPECT_EQ(cls.Text(), "Register new fileclass");
    ExpectToolWindow(cls, 297, 192);
    ExpectPlaces({
        {&cls.Panel1, "Panel1", "", "", {0, 0, 297, 156}},
        {&cls.Panel2, "Panel2", "", "", {0, 156, 297, 36}},
        {&cls.lFileClass, "lFileClass", "Fileclass", "", {8, 12, 0, 0}},
        {&cls.lFileType, "lFileType", "Filetype", "", {8, 36, 0, 0}},
        {&cls.lInfoTip, "lInfoTip", "Infotip", "", {8, 60, 0, 0}},
        {&cls.lCurVer, "lCurVer", "Current Version", "", {8, 84, 0, 0}},
        {&cls.lIcon, "lIcon", "Icon", "", {8, 113, 0, 0}},
        {&cls.cbFileClass, "cbFileClass", "", "", {88, 8, 201, 0}},
        {&cls.edtFileType, "edtFileType", "", "", {88, 32, 201, 21}},
        {&cls.edtInfoTip, "edtInfoTip", "", "", {88, 56, 201, 21}},
        {&cls.cbCurVer, "cbCurVer", "", "", {88, 80, 201, 0}},
        {&cls.Bevel1, "Bevel1", "", "", {88, 108, 42, 42}},
        {&cls.imgIcon, "imgIcon", "", "", {93, 113, 32, 32}},
        {&cls.btnHelp, "btnHelp", "Help", "Do you need Help?", {8, 8, 75, 21}},
        {&cls.btnCancel, "btnCancel", "Cancel", "", {131, 8, 75, 21}},
        {&cls.btnOK,
         "btnOK",
         "Register",
         "Register the fileclass with the given settings",
         {214, 8, 75, 21}},
    });
    EXPECT_EQ(TabOrder(cls),
              (std::vector<std::string>{"cbFileClass", "edtFileType", "edtInfoTip", "cbCurVer",
                                        "btnHelp", "btnCancel", "btnOK"}));
    // The class name shows in a simple combo box: no drop-down list.
    EXPECT_EQ(cls.cbFileClass.Style(), TComboStyle::Simple);
    EXPECT_EQ(cls.cbCurVer.Style(), TComboStyle::DropDown);

    // Register is the default button, Help asks for context 0.
    EXPECT_TRUE(GetWindowLongA(ext.btnOK.Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON);
    EXPECT_TRUE(GetWindowLongA(cls.btnOK.Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON);
    ClickButton(ext.btnHelp);
    ClickButton(cls.btnHelp);
    EXPECT_EQ(dialogs_.HelpCalls(),
              (std::vector<std::pair<UINT, ULONG_PTR>>{{HELP_CONTEXT, 0}, {HELP_CONTEXT, 0}}));
}

TEST_F(RegisterDialogTest, ExtensionDialogEnablesRegisterForValidNamesOnly) {
    PutString(".txt", "", "txtfile");
    TTestHost host;
    struct TCase {
        const char* ext;
        const char* cls;
        bool enabled;
    };
    const TCase cases[] = {
        {".abc", "abcfile", true},   {".abc", "txtfile", true},    {".x+y", "My File Type", true},
        {"abc", "abcfile", false},  // no leading point
        {".a.b", "abcfile", false}, // a second point
        {".a b", "abcfile", false}, // a blank
        {".", "abcfile", false},    // too short
        {".abc", "", false},        // the class may not be empty
        {".abc", ".abcfile", false}, {".abc", "abc\\file", false},
    };
    RunRegExt(host, [&](TRegExtForm& form) {
        EXPECT_FALSE(form.btnOK.Enabled()) << "opens with Register disabled";
        EXPECT_EQ(form.cbFileclass.Items().ToVector(), (std::vector<std::string>{"txtfile"}));
        for (const TCase& c : cases) {
            TypeText(form.edtExtension, c.ext);
            TypeText(form.cbFileclass, c.cls);
            // On Windows XP a perceived type must be chosen as well.
            if (OnWindowsXP()) {
                EXPECT_FALSE(form.btnOK.Enabled()) << c.ext << " " << c.cls;
                ChooseEntry(form.cbPerceivedType, 1);
            }
            EXPECT_EQ(form.btnOK.Enabled(), c.enabled) << c.ext << " " << c.cls;
            form.cbPerceivedType.SetItemIndex(-1);
        }
        // The content type is free text.
        TypeText(form.edtExtension, ".abc");
        TypeText(form.cbFileclass, "abcfile");
        TypeText(form.edtContentType, "any \\ text .here");
        if (OnWindowsXP())
            ChooseEntry(form.cbPerceivedType, 0);
        EXPECT_TRUE(form.btnOK.Enabled());
        PressEscape(form);
    });
}

TEST_F(RegisterDialogTest, PerceivedTypeOnWindowsVersion) {
    const char* winver = std::getenv("CORVIX_EXPECT_WINVER");
    if (!winver)
        GTEST_SKIP() << "CORVIX_EXPECT_WINVER is not set";
    const bool xp = std::string(winver) == "winxp";
    ASSERT_EQ(OnWindowsXP(), xp);
    TTestHost host;
    const TRegistryPicture before = PictureOfClassesRoot();
    EXPECT_EQ(RunRegExt(host,
                        [&](TRegExtForm& form) {
                            EXPECT_EQ(form.lPerceivedType.Enabled(), xp);
                            EXPECT_EQ(form.cbPerceivedType.Enabled(), xp);
                            EXPECT_EQ(form.cbPerceivedType.ItemIndex(), -1);
                            EXPECT_EQ(
                                form.cbPerceivedType.Items().ToVector(),
                                xp ? (std::vector<std::string>{"Image", "Text", "Audio", "Video",
                                                               "Compressed", "System"})
                                   : std::vector<std::string>{});
                            TypeText(form.edtExtension, ".abc");
                            TypeText(form.cbFileclass, "abcfile");
                            EXPECT_EQ(form.btnOK.Enabled(), !xp);
                            if (xp)
                                ChooseEntry(form.cbPerceivedType, 3);
                            EXPECT_TRUE(form.btnOK.Enabled());
                            host.optimize = false;
                            ClickButton(form.btnOK);
                        }),
              mrOk);
    std::vector<std::string> expected = {"+ .abc", "+ .abc\\[]=abcfile"};
    if (xp)
        expected.push_back("+ .abc\\[PerceivedType]=Video");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Difference(before, PictureOfClassesRoot()), expected);
}

namespace {

// One way through the extension dialog: the user registers .abc with the
// class typed, the follow-on question is answered (or not asked), and the
// class dialog (when it opens) registers "ABC File".
struct TRegExtCase {
    const char* name;
    const char* classTyped;
    bool optimize;
    bool alwaysAsk;
    int answer;         // to the follow-on question; mrNone: not asked
    bool classDialog;   // the class dialog opens
    bool classRegister; // and its Register is pressed (else Escape)
};

} // namespace

TEST_F(RegisterDialogTest, RegisterExtensionWithEveryAnswerToTheFollowOnQuestion) {
    const TRegExtCase cases[] = {
        {"new class, Yes, registered", "abcfile", true, true, mrYes, true, true},
        {"new class, Yes, class dialog cancelled", "abcfile", true, true, mrYes, true, false},
        {"new class, No", "abcfile", true, true, mrNo, false, false},
        {"new class, AlwaysAsk off", "abcfile", true, false, mrNone, true, true},
        {"new class, OptimizeSystem off", "abcfile", false, true, mrNone, false, false},
        {"class of the list in another case", "TXTFILE", true, true, mrNone, false, false},
    };
    for (const TRegExtCase& c : cases) {
        SCOPED_TRACE(c.name);
        EmptyClassesRoot();
        PutString(".txt", "", "txtfile");
        PutString("txtfile", "", "Text Document");
        TTestHost host;
        host.optimize = c.optimize;
        host.alwaysAsk = c.alwaysAsk;
        const TRegistryPicture before = PictureOfClassesRoot();
        std::string classCaption;
        const auto then = [&] {
            if (c.answer != mrNone)
                dialogs_.Expect(TDialogKind::Confirmation, c.answer);
            if (!c.classDialog)
                return;
            ExpectRegClass([&](TRegClassForm& form) {
                classCaption = form.Text();
                // The index knows the new class already.
                EXPECT_EQ(form.cbCurVer.Items().ToVector(),
                          (std::vector<std::string>{"abcfile", "txtfile"}));
                TypeText(form.edtFileType, "ABC File");
                if (c.classRegister)
                    ClickButton(form.btnOK);
                else
                    PressEscape(form);
            });
        };
        dialogs_.Forget();
        EXPECT_EQ(RunRegExt(
                      host,
                      [&](TRegExtForm& form) {
                          TypeText(form.edtExtension, ".abc");
                          TypeText(form.cbFileclass, c.classTyped);
                          TypeText(form.edtContentType, "text/x-abc");
                          if (OnWindowsXP())
                              ChooseEntry(form.cbPerceivedType, 1);
                          ClickButton(form.btnOK);
                      },
                      then),
                  mrOk);
        if (c.answer != mrNone) {
            ASSERT_GE(dialogs_.Asked().size(), 2u);
            EXPECT_EQ(dialogs_.Asked()[1].text, kFollowOn);
        }
        if (c.classDialog) {
            EXPECT_EQ(classCaption, c.classTyped);
        }

        std::vector<std::string> expected = {"+ .abc", std::string("+ .abc\\[]=") + c.classTyped,
                                             "+ .abc\\[Content Type]=text/x-abc"};
        if (OnWindowsXP())
            expected.push_back("+ .abc\\[PerceivedType]=Text");
        if (c.classRegister) {
            expected.push_back("+ abcfile");
            expected.push_back("+ abcfile\\[]=ABC File");
            if (WritesFriendlyName())
                expected.push_back("+ abcfile\\[FriendlyTypeName]=ABC File");
        }
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(Difference(before, PictureOfClassesRoot()), expected);
        // The new link is in the index.
        EXPECT_EQ(host.index.ClassExtensionCount(c.classTyped), c.classTyped[0] == 'T' ? 2 : 1);
    }
}

TEST_F(RegisterDialogTest, CancelEscapeAndCloseBoxWriteNothing) {
    PutString(".txt", "", "txtfile");
    using TEnd = void (*)(TForm&);
    const TEnd ends[] = {[](TForm& f) {
                             ClickButton(dynamic_cast<TRegExtForm*>(&f)
                                             ? dynamic_cast<TRegExtForm&>(f).btnCancel
                                             : dynamic_cast<TRegClassForm&>(f).btnCancel);
                         },
                         PressEscape, CloseBox};
    for (TEnd end : ends) {
        TTestHost host;
        const TRegistryPicture before = PictureOfClassesRoot();
        EXPECT_EQ(RunRegExt(host,
                            [&](TRegExtForm& form) {
                                TypeText(form.edtExtension, ".abc");
                                TypeText(form.cbFileclass, "abcfile");
                                end(form);
                            }),
                  mrCancel);
        EXPECT_EQ(RunRegClass(host, "ghostfile",
                              [&](TRegClassForm& form) {
                                  TypeText(form.edtFileType, "Ghost");
                                  end(form);
                              }),
                  mrCancel);
        EXPECT_EQ(Difference(before, PictureOfClassesRoot()), std::vector<std::string>{});
    }
}

TEST_F(RegisterDialogTest, ARefusedWriteShowsTheErrorClosesTheDialogAndGoesNoFurther) {
    // The registry refuses a key name longer than 255 characters.
    const std::string longExt = "." + std::string(300, 'x');
    const std::string longClass(300, 'c');
    TTestHost host;
    const TRegistryPicture before = PictureOfClassesRoot();
    EXPECT_EQ(RunRegExt(
                  host,
                  [&](TRegExtForm& form) {
                      TypeText(form.edtExtension, longExt);
                      TypeText(form.cbFileclass, "abcfile");
                      if (OnWindowsXP())
                          ChooseEntry(form.cbPerceivedType, 0);
                      ClickButton(form.btnOK);
                  },
                  [&] { dialogs_.Expect(TDialogKind::Error, mrOk); }),
              mrOk);
    ASSERT_EQ(dialogs_.Asked().size(), 2u) << "no follow-on question after the error";
    EXPECT_EQ(dialogs_.Asked()[1].text, "Erzeugung von Schlüssel " + longExt + " misslungen");

    TRegClassForm form(host);
    dialogs_.ExpectModal([&](TForm&) {
        TypeText(form.edtFileType, "Long");
        ClickButton(form.btnOK);
        return static_cast<int>(mrNone);
    });
    dialogs_.Expect(TDialogKind::Error, mrOk);
    EXPECT_EQ(form.Execute(longClass), mrOk);
    EXPECT_EQ(dialogs_.Asked().back().text, "Erzeugung von Schlüssel " + longClass + " misslungen");
    EXPECT_EQ(Difference(before, PictureOfClassesRoot()), std::vector<std::string>{});
}

TEST_F(RegisterDialogTest, ClassDialogEnablesRegisterForADescriptionTipOrValidCurrentVersion) {
    PutString(".txt", "", "txtfile");
    TTestHost host;
    struct TCase {
        const char* fileType;
        const char* infoTip;
        const char* curVer;
        bool enabled;
    };
    const TCase cases[] = {
        {"", "", "", false},          {"Ghost", "", "", true},
        {"", "a tip", "", true},      {"", "", "txtfile", true},
        {"Ghost", "", ".bad", false}, {"Ghost", "a tip", "bad\\name", false},
        {"", "", "Ghost.2", true},
    };
    RunRegClass(host, "ghostfile", [&](TRegClassForm& form) {
        EXPECT_EQ(form.Text(), "ghostfile") << "the class name is the caption";
        EXPECT_EQ(form.cbFileClass.Text(), "ghostfile");
        EXPECT_FALSE(form.cbFileClass.Enabled());
        EXPECT_EQ(form.cbCurVer.Items().ToVector(), (std::vector<std::string>{"txtfile"}));
        EXPECT_EQ(form.imgIcon.Icon(), nullptr) << "a class without key has no icon";
        for (const TCase& c : cases) {
            TypeText(form.edtFileType, c.fileType);
            TypeText(form.edtInfoTip, c.infoTip);
            TypeText(form.cbCurVer, c.curVer);
            EXPECT_EQ(form.btnOK.Enabled(), c.enabled)
                << c.fileType << "|" << c.infoTip << "|" << c.curVer;
        }
        // Only a current version: the class gets no description, tip or icon.
        TypeText(form.edtFileType, "");
        TypeText(form.edtInfoTip, "");
        TypeText(form.cbCurVer, "txtfile");
        PressEnter(form);
    });
    EXPECT_TRUE(HasKey("ghostfile"));
    EXPECT_EQ(GetText("ghostfile\\CurVer", ""), "txtfile");
    EXPECT_FALSE(HasValue("ghostfile", ""));
    EXPECT_FALSE(HasKey("ghostfile\\DefaultIcon"));
}

TEST_F(RegisterDialogTest, TheChosenIconIsKeptUntilTheUserConfirmsAnother) {
    char system[MAX_PATH] = "";
    GetSystemDirectoryA(system, sizeof system);
    const std::string shell32 = std::string(system) + "\\shell32.dll";
    const std::string stored = "\"" + shell32 + "\",2";
    // A class name that no extension uses yet, but whose key holds an icon.
    PutString("oldfile\\DefaultIcon", "", stored);
    TTestHost host;
    TScriptedIconPicker picker;
    picks.file = shell32;
    picks.index = 3;
    const TRegistryPicture before = PictureOfClassesRoot();
    HWND dialog = nullptr;
    RunRegClass(host, "oldfile", [&](TRegClassForm& form) {
        dialog = form.Handle();
        EXPECT_NE(form.imgIcon.Icon(), nullptr) << "the stored icon is shown";
        // First click: starts from the stored icon; the user picks index 3.
        form.imgIconClick();
        EXPECT_EQ(form.IconLocation, "\"" + shell32 + "\",3");
        const HICON chosen = form.imgIcon.Icon();
        EXPECT_NE(chosen, nullptr);
        // Second click, cancelled: the dialog started from the choice, and
        // the choice stays, as the image shows.
        picks.confirm = false;
        form.imgIconClick();
        EXPECT_EQ(form.IconLocation, "\"" + shell32 + "\",3");
        EXPECT_EQ(form.imgIcon.Icon(), chosen);
        TypeText(form.edtFileType, "Old");
        ClickButton(form.btnOK);
    });
    ASSERT_EQ(picks.starts.size(), 2u);
    EXPECT_EQ(picks.starts[0].file, shell32);
    EXPECT_EQ(picks.starts[0].index, 2);
    EXPECT_EQ(picks.starts[1].file, shell32);
    EXPECT_EQ(picks.starts[1].index, 3);
    EXPECT_EQ(picks.starts[0].owner, dialog) << "the shell's dialog is owned by this dialog";
    std::vector<std::string> expected = {"+ oldfile\\DefaultIcon\\[]=\"" + shell32 + "\",3",
                                         "+ oldfile\\[]=Old",
                                         "- oldfile\\DefaultIcon\\[]=" + stored};
    if (WritesFriendlyName())
        expected.push_back("+ oldfile\\[FriendlyTypeName]=Old");
    std::sort(expected.begin(), expected.end());
    auto diff = Difference(before, PictureOfClassesRoot());
    std::sort(diff.begin(), diff.end());
    EXPECT_EQ(diff, expected);
}

TEST_F(RegisterDialogTest, WithoutAClickTheShownIconStaysAndACancelledFirstClickKeepsItToo) {
    const std::string stored = "C:\\icons.dll,5";
    PutString("oldfile\\DefaultIcon", "", stored);
    TScriptedIconPicker picker;
    picks.confirm = false;
    for (bool click : {false, true}) {
        TTestHost host;
        RunRegClass(host, "oldfile", [&](TRegClassForm& form) {
            if (click)
                form.imgIconClick();
            TypeText(form.edtInfoTip, "a tip");
            ClickButton(form.btnOK);
        });
        EXPECT_EQ(GetText("oldfile\\DefaultIcon", ""), stored) << click;
        EXPECT_EQ(GetText("oldfile", "InfoTip"), "a tip");
    }
}

