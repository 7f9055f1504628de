// Undo in the main window: each association command undone through the Edit
// menu or the tool bar finds the whole registry as before and shows the item
// again; the gate and the question come first; the journal outlives the
// program; a damaged journal is reported once; a backup is exported.
#include "UiTestSupport.h"
#include "association/UndoJournal.h"
#include "dialogs/ApplyProfileForm.h"
#include "dialogs/ExportForm.h"
#include "commands/Settings.h"
#include "registry/ClassesStore.h"
#include "support/RegistryDump.h"
#include "support/Utf8Text.h"
#include "support/WholeFile.h"

#include <cstdio>
#include <functional>

namespace {

void PutFixture() {
    PutString(".txt", "", "txtfile");
    PutString(".txt", "Content Type", "text/plain");
    PutString(".txt\\ShellNew", "NullFile", "");
    PutString(".log", "", "txtfile");
    PutString("txtfile", "", "Text Document");
    PutBinary("txtfile", "EditFlags", std::string("\x00\x00\x01\x00", 4));
    PutString("txtfile\\DefaultIcon", "", "shell32.dll,3");
    PutString("txtfile\\shell\\open\\command", "", "notepad.exe %1");
    PutString(".one", "", "oneclass");
    PutString("oneclass", "", "One Document");
    PutRaw("oneclass", "Multi", REG_MULTI_SZ, std::string("a\0b\0\0", 5));
}

} // namespace

class MainUndoTest : public MainWindowTest {
protected:
    void SetUp() override {
        std::remove(UndoJournalPath(SettingsPath()).c_str());
        QuietGate();
        PutFixture();
    }
    // Opens the window with changes allowed and no questions.
    TMainForm& OpenForChanges() {
        TMainForm& f = Open();
        f.Commands().SetAllowChanges(true);
        f.Commands().Settings().AlwaysAsk = false;
        f.Commands().Settings().OptimizeSystem = true;
        return f;
    }
};

TEST_F(MainUndoTest, EachCommandIsUndoneWholeAndItsItemShownAgain) {
    struct Case {
        const char* undoCaption;
        int view;
        const char* item;
        std::function<void(TMainForm&)> run;
    } cases[] = {
        {"&Undo Associate '.one' with 'txtfile'", 0, ".one",
         [](TMainForm& f) {
             f.ExtView.cbClasses.SetText("txtfile");
             f.btnExtAssocClick();
         }},
        {"&Undo Dissociate '.txt' from 'txtfile'", 0, ".txt",
         [](TMainForm& f) { f.btnExtDissocClick(); }},
        {"&Undo Dissociate '.one' from 'oneclass'", 1, "oneclass",
         [this](TMainForm& f) {
             ClickTab(1);
             ClickItem("oneclass");
             f.ClassView.lbAssocExt.SetItemIndex(0);
             dialogs_.Expect(TDialogKind::Confirmation, mrYes); // erase it
             f.btnClassDissocClick();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.undoCaption);
        TMainForm& f = OpenForChanges();
        const std::string before = DumpRegistry();
        ClickTab(0);
        if (c.view == 0)
            ClickItem(c.item); // the class view's case selects for itself
        c.run(f);
        ASSERT_NE(DumpRegistry(), before);
        EXPECT_EQ(f.UndoItem.Caption(), c.undoCaption);
        EXPECT_TRUE(f.UndoItem.Enabled());
        EXPECT_TRUE(f.tbtnUndo.Enabled());

        // The tool bar button runs the same as the menu item.
        if (&c - cases == 1)
            f.tbtnUndo.Click();
        else
            f.UndoItem.Click();
        EXPECT_EQ(DumpRegistry(), before);
        EXPECT_EQ(f.CurrentView, c.view);
        ASSERT_GE(f.ListBox.ItemIndex(), 0);
        EXPECT_EQ(f.ListBox.Items()[f.ListBox.ItemIndex()], c.item);
        EXPECT_EQ(PictureOf(f.FileClasses()), IndexOfRegistry()) << "rescanned";
        EXPECT_EQ(f.UndoItem.Caption(), "&Undo");
        EXPECT_FALSE(f.UndoItem.Enabled());
        EXPECT_FALSE(f.tbtnUndo.Enabled());
        EXPECT_EQ(f.UndoItem.ShortCut().Text(), "Ctrl+Z");
        CloseAndDestroy();
        EXPECT_EQ(dialogs_.Pending(), 0u);
    }
}

TEST_F(MainUndoTest, TheGateAndTheQuestionComeBeforeTheUndo) {
    TMainForm& f = OpenForChanges();
    ClickItem(".txt");
    const std::string before = DumpRegistry();
    f.btnExtDissocClick();
    const std::string changed = DumpRegistry();

    f.Commands().SetAllowChanges(false);
    dialogs_.Expect(TDialogKind::Plain, mrOk);
    f.UndoItem.Click();
    EXPECT_EQ(DumpRegistry(), changed);

    f.Commands().SetAllowChanges(true);
    f.Commands().Settings().AlwaysAsk = true;
    dialogs_.Forget();
    dialogs_.Expect(TDialogKind::Confirmation, mrNo);
    f.UndoItem.Click();
    ASSERT_EQ(dialogs_.Asked().size(), 1u);
    EXPECT_EQ(dialogs_.Asked()[0].text,
              "Are you sure to undo 'Dissociate '.txt' from 'txtfile''?\r\nEvery key it changed "
              "gets back the state it had before.");
    EXPECT_EQ(DumpRegistry(), changed);
    EXPECT_TRUE(f.UndoItem.Enabled());

    dialogs_.Expect(TDialogKind::Confirmation, mrYes);
    f.UndoItem.Click();
    EXPECT_EQ(DumpRegistry(), before);
}

TEST_F(MainUndoTest, StepsMadeBeforeARestartAreUndoneInOrderAfterIt) {
    TMainForm& f = OpenForChanges();
    const std::string start = DumpRegistry();
    ClickItem(".txt");
    f.btnExtDissocClick();
    const std::string afterFirst = DumpRegistry();
    ClickItem(".log");
    f.ExtView.cbClasses.SetText("oneclass");
    f.btnExtAssocClick();
    CloseAndDestroy();

    TMainForm& g = OpenForChanges();
    EXPECT_EQ(g.UndoItem.Caption(), "&Undo Associate '.log' with 'oneclass'");
    g.UndoItem.Click();
    EXPECT_EQ(DumpRegistry(), afterFirst);
    EXPECT_EQ(g.UndoItem.Caption(), "&Undo Dissociate '.txt' from 'txtfile'");
    g.UndoItem.Click();
    EXPECT_EQ(DumpRegistry(), start);
}

TEST_F(MainUndoTest, ADamagedJournalIsReportedOnceAtStart) {
    {
        std::FILE* file = std::fopen(UndoJournalPath(SettingsPath()).c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fputs("Corvix undo journal 1\r\nentry 1 \"x\"\r\ngarbage\r\n", file);
        std::fclose(file);
    }
    dialogs_.Expect(TDialogKind::Warning, mrOk);
    Open();
    ASSERT_EQ(dialogs_.Asked().size(), 1u);
    EXPECT_NE(dialogs_.Asked()[0].text.find("is damaged from line 3 on"), std::string::npos)
        << dialogs_.Asked()[0].text;
    CloseAndDestroy();
    dialogs_.Forget();
    Open(); // no second box
    EXPECT_TRUE(dialogs_.Asked().empty());
}

TEST_F(MainUndoTest, ABackupHoldsTheChangedKeysOrAllAsARegistryFile) {
    TMainForm& f = OpenForChanges();
    const std::string file = folder_.File("backup.reg");
    f.PickBackupFile = [&](std::string& path) {
        path = file;
        return true;
    };
    f.Commands().Settings().OptimizeSystem = false; // the link goes, the key stays
    ClickItem(".txt");
    f.btnExtDissocClick();
    ClickItem(".one");
    f.DeleteExtensionItemClick();

    dialogs_.Expect(TDialogKind::Confirmation, mrNo); // the changed keys as they were
    f.ExportBackupItem.Click();
    // On NT a registry file of version 5, in UTF-16 with its byte order mark.
    std::string text;
    const auto readBack = [&] {
        std::string bytes;
        if (!ReadWholeFile(file, bytes) || bytes.compare(0, 2, "\xFF\xFE") != 0)
            return false;
        text = Utf8FromWide(reinterpret_cast<const WCHAR*>(bytes.data() + 2),
                            static_cast<int>(bytes.size() - 2) / 2);
        return true;
    };
    ASSERT_TRUE(readBack());
    // Each key under its store's own root (every user's here).
    const std::string root = StoreName(TwoClassesStores() ? TClassesStore::Machine
                                                          : TClassesStore::View);
    EXPECT_EQ(text, "Windows Registry Editor Version 5.00\r\n\r\n[" + root +
                        "\\.txt]\r\n@=\"txtfile\"\r\n\"Content Type\"=\"text/plain\"\r\n\r\n[" + root +
                        "\\.txt\\ShellNew]\r\n\"NullFile\"=\"\"\r\n\r\n[" + root +
                        "\\.one]\r\n@=\"oneclass\"\r\n\r\n");

    dialogs_.Expect(TDialogKind::Confirmation, mrYes); // all of HKEY_CLASSES_ROOT
    f.ExportBackupItem.Click();
    ASSERT_TRUE(readBack());
    EXPECT_NE(text.find("[" + root + "\\oneclass]\r\n@=\"One Document\"\r\n"
                        "\"Multi\"=hex(7):61,00,00,00,62,00,00,00,00,00\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\"EditFlags\"=hex:00,00,01,00\r\n"), std::string::npos);

    dialogs_.Expect(TDialogKind::Confirmation, mrCancel);
    std::remove(file.c_str());
    f.ExportBackupItem.Click();
    EXPECT_FALSE(ReadWholeFile(file, text));
}

TEST_F(MainUndoTest, AJournalThatCantBeWrittenAsksBeforeAChangeWithoutUndoNoBeingTheDefault) {
    // The journal's name is taken by a folder: no entry can be written.
    const std::string journal = UndoJournalPath(SettingsPath());
    ASSERT_TRUE(CreateDirectoryA(journal.c_str(), nullptr));
    TMainForm& f = OpenForChanges();
    ClickItem(".one");
    const std::string before = DumpRegistry();
    for (int answer : {mrNo, mrYes}) {
        dialogs_.Forget();
        dialogs_.Expect(TDialogKind::Warning, mbYes | mbNo, answer);
        f.ExtView.cbClasses.SetText("txtfile");
        if (answer == mrNo) {
            EXPECT_THROW(f.btnExtAssocClick(), EJournalError);
            EXPECT_EQ(DumpRegistry(), before) << "nothing changed";
        } else {
            f.btnExtAssocClick();
            EXPECT_EQ(GetText(".one", ""), "txtfile");
            EXPECT_FALSE(f.UndoItem.Enabled()) << "the change has no undo";
        }
        ASSERT_EQ(dialogs_.Asked().size(), 1u);
        EXPECT_EQ(dialogs_.Asked()[0].defaultButton, unsigned(mbNo));
        EXPECT_NE(dialogs_.Asked()[0].text.find("without the possibility to undo"),
                  std::string::npos);
    }
    RemoveDirectoryA(journal.c_str());
}

TEST_F(MainUndoTest, AProfileAppliesTheCheckedChangesAsOneStepAndExportsGoOut) {
    TMainForm& f = OpenForChanges();
    const std::string before = DumpRegistry();
    const std::string profile = folder_.File("profile.xml");
    ASSERT_TRUE(ReplaceWholeFile(
        profile, "<DefaultAssociations>\r\n<Association Identifier=\".one\" ProgId=\"txtfile\" />\r\n"
                 "<Association Identifier=\".log\" ProgId=\"oneclass\" />\r\n"
                 "<Association Identifier=\".txt\" ProgId=\"txtfile\" />\r\n"
                 "</DefaultAssociations>\r\n"));
    f.PickProfileFile = [&](std::string& path) {
        path = profile;
        return true;
    };
    dialogs_.ExpectModal([](TForm& dialog) {
        auto& apply = dynamic_cast<TApplyProfileForm&>(dialog);
        EXPECT_EQ(apply.Plan().ChosenChanges(), 2u);
        EXPECT_EQ(apply.List.RowCount(), 3);
        apply.ToggleRow(1); // .log stays
        ClickButton(apply.btnApply);
        return static_cast<int>(mrNone);
    });
    dialogs_.Expect(TDialogKind::Confirmation, mrYes);
    f.ApplyProfileItem.Click();
    EXPECT_TRUE(dialogs_.Asked().back().text.find("1 change will be made as one step") !=
                std::string::npos);
    EXPECT_EQ(GetText(".one", ""), "txtfile");
    EXPECT_EQ(GetText(".log", ""), "txtfile");
    EXPECT_EQ(f.UndoItem.Caption(), "&Undo Apply profile '" + profile + "'");
    f.UndoItemClick();
    EXPECT_EQ(DumpRegistry(), before);

    // The export dialog: the shown item as a CSV table.
    const std::string table = folder_.File("one.csv");
    f.PickExportFile = [&](TExportFormat format, std::string& path) {
        EXPECT_EQ(format, TExportFormat::Csv);
        path = table;
        return true;
    };
    ClickItem(".one");
    dialogs_.ExpectModal([](TForm& dialog) {
        auto& form = dynamic_cast<TExportForm&>(dialog);
        form.rgFormat.SetItemIndex(2);
        form.rgItems.SetItemIndex(1);
        ClickButton(form.btnOK);
        return static_cast<int>(mrNone);
    });
    f.ExportItem.Click();
    std::string text;
    ASSERT_TRUE(ReadWholeFile(table, text));
    EXPECT_EQ(text.substr(text.find('\n') + 1), ".one,oneclass,One Document,,\r\n");
}
