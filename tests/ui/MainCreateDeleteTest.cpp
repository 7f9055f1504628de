// The commands that register and delete extensions and classes, on the real
// main window: for every way through their questions, the whole registry
// before and after, the index and the item list afterwards.
#include <algorithm>

#include "RegistryDiff.h"
#include "UiTestSupport.h"
#include "dialogs/RegClassUnit.h"
#include "dialogs/RegExtUnit.h"
#include "index/ZQFileAssoc.h"
#include "support/StringList.h"
#include "support/ZQRoutines.h"
#include "toolkit/Assert.h"

namespace {

const char* const kGateRefuses =
    "You checked, that no changes should be done.\r\nPlease watch the configurationdialog.";

// Descriptions are also written as "FriendlyTypeName" on Windows 2000 and XP.
bool WritesFriendlyName() {
    return GetOSVersionCode() == 8 || GetOSVersionCode() == 9;
}

std::vector<std::string> Sorted(std::vector<std::string> lines) {
    std::sort(lines.begin(), lines.end());
    return lines;
}

// Every line of the picture that belongs to one of the keys (the key itself,
// its values and everything below it), each with "- ": what deleting them shows.
std::vector<std::string> Removed(const TRegistryPicture& picture,
                                 const std::vector<std::string>& keys) {
    std::vector<std::string> lines;
    for (const std::string& line : picture)
        for (const std::string& key : keys)
            if (line == key || line.rfind(key + "\\", 0) == 0)
                lines.push_back("- " + line);
    return Sorted(lines);
}

class CreateDeleteTest : public MainWindowTest {
protected:
    // A registry with classes of one, two and no extensions, an extension
    // without class and one whose class has no key.
    void PutAssociations() {
        PutString(".txt", "", "txtfile");
        PutString(".log", "", "txtfile");
        PutString(".text", "", "txtfile");
        PutString("txtfile", "", "Text Document");
        PutString("txtfile\\DefaultIcon", "", "notepad.exe,0");
        PutString("txtfile\\shell\\open\\command", "", "notepad.exe %1");
        PutString(".one", "", "onefile");
        PutString(".one", "Content Type", "text/x-one");
        PutString("onefile", "", "One File");
        PutString(".none", "Content Type", "text/x-none");
        PutString(".gh", "", "ghostclass");
    }
    // Opens the window with changes allowed and the two switches as given.
    TMainForm& OpenWritable(bool optimize = true, bool alwaysAsk = true) {
        Set("config", "SaveMode", "0");
        Set("config", "AllowMods", "1");
        Set("config", "OptimizeSystem", optimize ? "1" : "0");
        Set("config", "AlwaysAsk", alwaysAsk ? "1" : "0");
        ExpectGateWarning();
        TMainForm& form = Open();
        dialogs_.Forget();
        return form;
    }
    // Chooses a menu item as the user does (a disabled one does nothing).
    void ChooseMenu(TMenuItem& item) {
        SendMessageA(form_->Handle(), WM_COMMAND, MAKEWPARAM(item.Id(), 0), 0);
    }
    std::string Selected() const {
        const int index = form_->ListBox.ItemIndex();
        return index < 0 ? "<none>" : form_->ListBox.Items()[index];
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const TAsked& asked : dialogs_.Asked())
            texts.push_back(asked.text);
        return texts;
    }
    std::vector<std::string> ExtensionsOf(const std::string& className) {
        TStringList list;
        form_->FileClasses().GetClassExtensions(className, list);
        return list.Items();
    }
};

struct TDeleteCase {
    const char* name;
    const char* item;
    bool optimize;
    bool alwaysAsk;
    std::vector<int> answers; // the confirmation boxes, in order
    std::vector<std::string> questions;
    std::vector<std::string> removedKeys; // keys gone with everything below
    const char* selectedAfter;
};

} // namespace

TEST_F(CreateDeleteTest, DeleteExtensionWithEveryAnswerAndSwitch) {
    const std::string sureOne = "Are you sure to delete '.one'?";
    const std::string cleanOne =
        "The fileclass will not be used by any other extension.\r\nShould 'onefile' be deleted?";
    const TDeleteCase cases[] = {
        {"last extension, Yes, Yes",
         ".one",
         true,
         true,
         {mrYes, mrYes},
         {sureOne, cleanOne},
         {".one", "onefile"},
         ".text"},
        {"last extension, Yes, No",
         ".one",
         true,
         true,
         {mrYes, mrNo},
         {sureOne, cleanOne},
         {".one"},
         ".text"},
        {"last extension, No", ".one", true, true, {mrNo}, {sureOne}, {}, ".one"},
        {"OptimizeSystem off", ".one", false, true, {mrYes}, {sureOne}, {".one"}, ".text"},
        {"AlwaysAsk off", ".one", true, false, {}, {}, {".one", "onefile"}, ".text"},
        {"no class",
         ".none",
         true,
         true,
         {mrYes},
         {"Are you sure to delete '.none'?"},
         {".none"},
         ".one"},
        {"class keeps others",
         ".txt",
         true,
         true,
         {mrYes},
         {"Are you sure to delete '.txt'?"},
         {".txt"},
         ".text"},
        {"class without key",
         ".gh",
         true,
         true,
         {mrYes},
         {"Are you sure to delete '.gh'?"},
         {".gh"},
         ".log"},
        {"the last in the list moves up", ".txt", true, false, {}, {}, {".txt"}, ".text"},
    };
    for (const TDeleteCase& c : cases) {
        SCOPED_TRACE(c.name);
        EmptyClassesRoot();
        PutAssociations();
        TMainForm& form = OpenWritable(c.optimize, c.alwaysAsk);
        ClickItem(c.item);
        const TRegistryPicture before = PictureOfClassesRoot();
        for (int answer : c.answers)
            dialogs_.Expect(TDialogKind::Confirmation, answer);
        ChooseMenu(form.DeleteExtensionItem);
        EXPECT_EQ(Texts(), c.questions);
        EXPECT_EQ(Difference(before, PictureOfClassesRoot()), Removed(before, c.removedKeys));
        // The list shows the new state, the selection on the neighbour.
        EXPECT_EQ(form.ListBox.Items().IndexOf(c.item) >= 0, c.removedKeys.empty());
        EXPECT_EQ(Selected(), c.selectedAfter);
        // The index follows: the extension and a deleted class are gone from it.
        const bool removed = !c.removedKeys.empty();
        EXPECT_EQ(form.FileClasses().ClassExtensionCount("onefile"),
                  std::string(c.item) == ".one" && removed ? 0 : 1);
        EXPECT_EQ(form.FileClasses().ClassExtensionCount("txtfile"),
                  std::string(c.item) == ".txt" ? 2 : 3);
    }
}

TEST_F(CreateDeleteTest, DeleteFileclassWithEveryAnswerAndSwitch) {
    const std::string sureTxt = "Are you sure to delete 'txtfile'?";
    const std::string linkedTxt = "There are 3 extensions linked to 'txtfile'.\r\nShould thies "
                                  "extensions also be deleted?";
    const TDeleteCase cases[] = {
        {"Yes, Yes",
         "txtfile",
         true,
         true,
         {mrYes, mrYes},
         {sureTxt, linkedTxt},
         {"txtfile", ".txt", ".log", ".text"},
         "<none>"},
        {"Yes, No",
         "txtfile",
         true,
         true,
         {mrYes, mrNo},
         {sureTxt, linkedTxt},
         {"txtfile"},
         "txtfile"},
        {"No", "txtfile", true, true, {mrNo}, {sureTxt}, {}, "txtfile"},
        {"OptimizeSystem off", "txtfile", false, true, {mrYes}, {sureTxt}, {"txtfile"}, "txtfile"},
        {"AlwaysAsk off",
         "txtfile",
         true,
         false,
         {},
         {},
         {"txtfile", ".txt", ".log", ".text"},
         "<none>"},
        {"one extension",
         "onefile",
         true,
         true,
         {mrYes, mrYes},
         {"Are you sure to delete 'onefile'?",
          "There are 1 extensions linked to 'onefile'.\r\nShould thies extensions also be "
          "deleted?"},
         {"onefile", ".one"},
         "txtfile"},
    };
    for (const TDeleteCase& c : cases) {
        SCOPED_TRACE(c.name);
        EmptyClassesRoot();
        PutAssociations();
        TMainForm& form = OpenWritable(c.optimize, c.alwaysAsk);
        ClickTab(1);
        ClickItem(c.item);
        const TRegistryPicture before = PictureOfClassesRoot();
        for (int answer : c.answers)
            dialogs_.Expect(TDialogKind::Confirmation, answer);
        ChooseMenu(form.DeleteFileclassItem);
        EXPECT_EQ(Texts(), c.questions);
        EXPECT_EQ(Difference(before, PictureOfClassesRoot()), Removed(before, c.removedKeys));
        const bool deleted = !c.removedKeys.empty();
        // A class its kept extensions still name stays listed, as a scan
        // lists it (as not registered).
        const bool listed = !deleted || std::string(c.selectedAfter) == c.item;
        EXPECT_EQ(form.ListBox.Items().IndexOf(c.item) >= 0, listed);
        if (deleted && std::string(c.selectedAfter) == "<none>") {
            // The neighbour of txtfile: the next class, else the one before.
            EXPECT_EQ(Selected(), "onefile");
        } else {
            EXPECT_EQ(Selected(), c.selectedAfter);
        }
        EXPECT_EQ(ExtensionsOf(""), std::vector<std::string>{".none"});
    }
}

TEST_F(CreateDeleteTest, NewExtensionRegistersItsClassAndShowsItAtOnce) {
    PutAssociations();
    TMainForm& form = OpenWritable();
    ClickItem(".one");
    const TRegistryPicture before = PictureOfClassesRoot();
    dialogs_.ExpectModal([](TForm& dialog) {
        auto& ext = dynamic_cast<TRegExtForm&>(dialog);
        TypeText(ext.edtExtension, ".abc");
        TypeText(ext.cbFileclass, "abcfile");
        if (GetOSVersionCode() == 9)
            ChooseEntry(ext.cbPerceivedType, 0);
        ClickButton(ext.btnOK);
        return static_cast<int>(mrNone);
    });
    dialogs_.Expect(TDialogKind::Confirmation, mrYes);
    dialogs_.ExpectModal([](TForm& dialog) {
        auto& cls = dynamic_cast<TRegClassForm&>(dialog);
        EXPECT_EQ(cls.Text(), "abcfile");
        TypeText(cls.edtFileType, "ABC File");
        ClickButton(cls.btnOK);
        return static_cast<int>(mrNone);
    });
    ChooseMenu(form.NewExtensionItem);
    std::vector<std::string> expected = {"+ .abc", "+ .abc\\[]=abcfile", "+ abcfile",
                                         "+ abcfile\\[]=ABC File"};
    if (GetOSVersionCode() == 9)
        expected.push_back("+ .abc\\[PerceivedType]=Image");
    if (WritesFriendlyName())
        expected.push_back("+ abcfile\\[FriendlyTypeName]=ABC File");
    EXPECT_EQ(Difference(before, PictureOfClassesRoot()), Sorted(expected));
    EXPECT_EQ(Selected(), ".abc");
    EXPECT_EQ(form.StatusBar.PanelText(0), "7/5");
    EXPECT_EQ(ExtensionsOf("abcfile"), std::vector<std::string>{".abc"});

    // Cancelled: nothing changes, the selection stays.
    const TRegistryPicture after = PictureOfClassesRoot();
    dialogs_.ExpectModal([](TForm& dialog) {
        TypeText(dynamic_cast<TRegExtForm&>(dialog).edtExtension, ".xyz");
        PressEscape(dialog);
        return static_cast<int>(mrNone);
    });
    ChooseMenu(form.NewExtensionItem);
    EXPECT_EQ(PictureOfClassesRoot(), after);
    EXPECT_EQ(Selected(), ".abc");
}

TEST_F(CreateDeleteTest, RegisterFileclassFromTheShortInfoPanel) {
    PutAssociations();
    TMainForm& form = OpenWritable();
    ClickTab(1);
    ClickItem("ghostclass");
    ASSERT_TRUE(form.ShortInfo.btnReg.Visible());
    const TRegistryPicture before = PictureOfClassesRoot();
    dialogs_.ExpectModal([](TForm& dialog) {
        auto& cls = dynamic_cast<TRegClassForm&>(dialog);
        EXPECT_EQ(cls.Text(), "ghostclass");
        EXPECT_EQ(cls.cbFileClass.Text(), "ghostclass");
        TypeText(cls.edtInfoTip, "Ghosts");
        TypeText(cls.cbCurVer, "txtfile");
        PressEnter(cls);
        return static_cast<int>(mrNone);
    });
    ClickButton(form.ShortInfo.btnReg);
    EXPECT_EQ(Difference(before, PictureOfClassesRoot()),
              Sorted({"+ ghostclass", "+ ghostclass\\[InfoTip]=Ghosts", "+ ghostclass\\CurVer",
                      "+ ghostclass\\CurVer\\[]=txtfile"}));
    // Shown as registered at once.
    EXPECT_EQ(Selected(), "ghostclass");
    EXPECT_FALSE(form.ShortInfo.ShortInfoPanel.Visible());
    EXPECT_TRUE(form.DeleteFileclassItem.Enabled());
}

TEST_F(CreateDeleteTest, PreconditionsAndTheGateStopEveryCommandBeforeAnyChange) {
    PutAssociations();
    // Preconditions: the framework's assertion error names the message.
    TMainForm& form = OpenWritable();
    const TRegistryPicture before = PictureOfClassesRoot();
    ClickTab(1);
    ClickItem("txtfile");
    const auto failure = [](const std::function<void()>& command) {
        try {
            command();
        } catch (const EAssertionFailed& e) {
            return std::string(e.what()).substr(0, std::string(e.what()).find(" ("));
        }
        return std::string("<no assertion>");
    };
    EXPECT_EQ(failure([&] { form.NewExtensionItemClick(); }), "You should be on Extensions-tab.");
    EXPECT_EQ(failure([&] { form.btnRegClick(); }),
              "You should only be able to register an already used fileclass.");
    form.ListBox.SetItemIndex(-1);
    EXPECT_EQ(failure([&] { form.DeleteFileclassItemClick(); }),
              "There should be a fileclass selected.");
    ClickTab(0);
    EXPECT_EQ(failure([&] { form.DeleteFileclassItemClick(); }),
              "There should be a fileclass selected.");
    EXPECT_EQ(PictureOfClassesRoot(), before);
    EXPECT_TRUE(dialogs_.Asked().empty());

    // The gate: each command shows its message and nothing else.
    QuietGate();
    Set("config", "SaveMode", "1");
    Set("config", "AllowMods", "0");
    Open();
    const std::vector<std::pair<const char*, std::function<void()>>> commands = {
        {"New Extension", [&] { form_->NewExtensionItemClick(); }},
        {"Delete Extension", [&] { form_->DeleteExtensionItemClick(); }},
        {"New menu button", [&] { form_->NewMenuBtnClick(); }},
        {"Delete Fileclass",
         [&] {
             ClickTab(1);
             ClickItem("txtfile");
             form_->DeleteFileclassItemClick();
         }},
        {"Register fileclass",
         [&] {
             ClickItem("ghostclass");
             form_->btnRegClick();
         }},
    };
    ClickItem(".one");
    for (const auto& command : commands) {
        dialogs_.Forget();
        dialogs_.Expect(TDialogKind::Plain, mrOk);
        command.second();
        EXPECT_EQ(Texts(), std::vector<std::string>{kGateRefuses}) << command.first;
    }
    EXPECT_EQ(PictureOfClassesRoot(), before);
}

TEST_F(CreateDeleteTest, EntriesOfFeaturesThatAreNotThereSaySo) {
    PutAssociations();
    TMainForm& form = OpenWritable();
    EXPECT_FALSE(form.NewFileclassItem.Visible());
    const TRegistryPicture before = PictureOfClassesRoot();
    dialogs_.Expect(TDialogKind::Plain, mrOk);
    form.NewFileclassItemClick();
    // The "New" menu button works now: it asks, and No changes nothing.
    dialogs_.Expect(TDialogKind::Confirmation, mrNo);
    ClickItem(".txt");
    ClickButton(form.ExtView.btnNew_Menu);
    ASSERT_EQ(Texts().size(), 2u);
    EXPECT_EQ(Texts()[0], "This option will never be implemented.");
    EXPECT_NE(Texts()[1].find("'New'-menu?"), std::string::npos) << Texts()[1];
    EXPECT_EQ(PictureOfClassesRoot(), before);
    // The dialogs' menu items and tool button open their dialogs.
    for (TMenuItem* item : {&form.Systemsettings1, &form.ConfigurationItem, &form.InfoItem}) {
        dialogs_.Forget();
        dialogs_.ExpectModal([](TForm&) { return static_cast<int>(mrCancel); });
        ChooseMenu(*item);
        ASSERT_EQ(dialogs_.Asked().size(), 1u) << item->Name();
        EXPECT_EQ(dialogs_.Asked()[0].kind, TDialogKind::Modal) << item->Name();
    }
    dialogs_.Forget();
    dialogs_.ExpectModal([](TForm&) { return static_cast<int>(mrCancel); });
    form.tbtnConfiguration.Click();
    ASSERT_EQ(dialogs_.Asked().size(), 1u);
    EXPECT_EQ(dialogs_.Asked()[0].caption, "Configuration");
    EXPECT_EQ(PictureOfClassesRoot(), before);
}

TEST_F(CreateDeleteTest, TheViewsFollowADeletedClassAndAnEmptiedList) {
    EmptyClassesRoot();
    PutString(".one", "", "onefile");
    PutString("onefile", "", "One File");
    TMainForm& form = OpenWritable();
    // Class view: dissociating the one extension of a class, the class
    // deleted as asked, leaves the class out of the list.
    ClickTab(1);
    ClickItem("onefile");
    form.ClassView.lbAssocExt.SetItemIndex(0);
    form.lbAssocExtClick();
    dialogs_.Expect(TDialogKind::Confirmation, mrYes); // delete the class
    dialogs_.Expect(TDialogKind::Confirmation, mrNo);  // keep the extension's key
    ClickButton(form.ClassView.btnClassDissoc);
    EXPECT_FALSE(HasKey("onefile"));
    EXPECT_LT(form.ListBox.Items().IndexOf("onefile"), 0);
    EXPECT_FALSE(form.ShortInfo.btnReg.Visible());
    // Extension view: deleting the last extension turns the command off.
    ClickTab(0);
    ClickItem(".one");
    dialogs_.Expect(TDialogKind::Confirmation, mrYes);
    ChooseMenu(form.DeleteExtensionItem);
    EXPECT_EQ(form.ListBox.Items().Count(), 0);
    EXPECT_FALSE(form.DeleteExtensionItem.Enabled());
}
