// Help: the help file in the system's help viewer where there is one, else the
// user guide in the web browser at the window's anchor, and a message naming
// the file looked for when neither is there. The browser and the system
// viewer are replaced by recorders.
#include <fstream>

#include "UiTestSupport.h"
#include "dialogs/ActionUnit.h"
#include "dialogs/AdvOptionUnit.h"
#include "support/ErrorOf.h"

namespace {

// A help viewer on a folder of the test's own, recording what it hands to the
// system viewer ("file command/data") and to the browser ("file#anchor").
struct RecordedHelp {
    RecordedHelp(const TempFolder& folder, bool systemShowsHlp)
        : viewer(folder.Path() + "\\", systemShowsHlp) {
        viewer.openDocument = [this](HWND, const std::string& path, const std::string& anchor) {
            opened.push_back(path + "#" + anchor);
        };
        viewer.systemViewer = [this](HWND, const std::string& file, UINT command, ULONG_PTR data) {
            viewed.push_back(file + " " + std::to_string(command) + "/" + std::to_string(data));
            return systemViewerWorks;
        };
    }
    THelpViewer viewer;
    std::vector<std::string> opened, viewed;
    bool systemViewerWorks = true;
};

void Touch(const std::string& path) {
    std::ofstream(path) << "help";
}

void ClickBox(TCheckBox& box) {
    SendMessageA(box.Handle(), BM_CLICK, 0, 0);
}

} // namespace

TEST(HelpViewer, TakesTheHelpFileWhereTheSystemShowsItElseTheGuide) {
    struct Case {
        bool hlp, systemShowsHlp, systemViewerWorks, guide;
        const char* shown; // "viewer", "guide" or "error"
    } cases[] = {
        {true, true, true, true, "viewer"},
        {true, false, true, true, "guide"},  // Windows Vista and later
        {false, true, true, true, "guide"},  // no help file
        {true, true, false, true, "guide"},  // the viewer failed
        {true, false, true, false, "error"}, // a help file nobody shows, no guide
        {false, true, true, false, "error"},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        if (c.hlp)
            Touch(folder.File("Corvix.hlp"));
        if (c.guide)
            Touch(folder.File("Corvix.html"));
        RecordedHelp help(folder, c.systemShowsHlp);
        help.systemViewerWorks = c.systemViewerWorks;
        const std::string error =
            ErrorOf<Exception>([&] { help.viewer.Show(nullptr, "Corvix.hlp", HELP_CONTEXT, 40); });
        const std::string shown = error != "(no error)"          ? "error"
                                  : !help.opened.empty()         ? "guide"
                                  : c.systemViewerWorks && c.hlp ? "viewer"
                                                                 : "nothing";
        SCOPED_TRACE(std::string("case ") + c.shown + " hlp " + std::to_string(c.hlp) + " system " +
                     std::to_string(c.systemShowsHlp));
        EXPECT_EQ(shown, c.shown);
        if (shown == "guide") {
            EXPECT_EQ(help.opened,
                      std::vector<std::string>{folder.File("Corvix.html") + "#context-40"});
        }
        if (shown == "error") {
            EXPECT_NE(error.find(folder.File("Corvix.html")), std::string::npos) << error;
        }

        // Closing the program closes the system viewer, and only when it was opened.
        const size_t asked = help.viewed.size();
        help.viewer.Show(nullptr, "Corvix.hlp", HELP_QUIT, 0);
        EXPECT_EQ(help.viewed.size(), asked + (shown == "viewer" ? 1 : 0));
        if (shown == "viewer") {
            EXPECT_EQ(help.viewed.back(), folder.File("Corvix.hlp") + " 2/0");
        }
    }
}

TEST_F(MainWindowTest, F1InEachWindowOpensTheGuideAtThatWindowsAnchor) {
    PutString(".txt", "", "txtfile");
    PutString("txtfile", "", "Text Document");
    PutString("txtfile\\shell\\open\\command", "", "notepad.exe \"%1\"");
    PutString(".gh", "", "ghostclass");
    Set("config", "SaveMode", "0");
    Set("config", "AllowMods", "1");
    ExpectGateWarning();
    TempFolder guideFolder;
    Touch(guideFolder.File("Corvix.html"));
    RecordedHelp help(guideFolder, false);
    dialogs_.RouteHelpTo(&help.viewer);
    TMainForm& form = Open();
    const std::string guide = guideFolder.File("Corvix.html");
    auto lastOpened = [&] { return help.opened.empty() ? std::string() : help.opened.back(); };
    // A modal dialog opened by `open`, F1 pressed in it, then closed.
    auto pressF1InDialog = [&](const std::function<void()>& open) {
        help.opened.clear();
        dialogs_.ExpectModal([](TForm& dialog) {
            PressKey(dialog.Handle(), VK_F1);
            return int(mrCancel);
        });
        open();
        return lastOpened();
    };
    auto choose = [&](TMenuItem& item) {
        SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(item.Id(), 0), 0);
    };

    // The main window: F1 (the Help menu) gives the contents.
    PressKey(form.ListBox.Handle(), VK_F1);
    EXPECT_EQ(lastOpened(), guide + "#contents");
    EXPECT_EQ(pressF1InDialog([&] { choose(form.NewExtensionItem); }), guide + "#context-0");
    EXPECT_EQ(pressF1InDialog([&] { choose(form.ConfigurationItem); }), guide + "#context-40");
    EXPECT_EQ(pressF1InDialog([&] { choose(form.Systemsettings1); }), guide + "#context-0");

    ClickTab(1);
    ClickItem("ghostclass");
    EXPECT_EQ(pressF1InDialog([&] { ClickButton(form.ShortInfo.btnReg); }), guide + "#context-0");
    ClickItem("txtfile");
    ClickBox(form.ClassView.cbAdvOption);
    ClickBox(form.ClassView.cbShowActions);
    ASSERT_TRUE(form.AdvOptionForm && form.ActionForm);
    PressKey(form.AdvOptionForm->CheckBox(2).Handle(), VK_F1);
    EXPECT_EQ(lastOpened(), guide + "#context-60");
    PressKey(form.ActionForm->TreeNTActions.Handle(), VK_F1);
    EXPECT_EQ(lastOpened(), guide + "#actions");

    // Without the guide the box names the file looked for; nothing opens.
    DeleteFileA(guide.c_str());
    help.opened.clear();
    dialogs_.Expect(TDialogKind::Error, mrOk);
    PressKey(form.ListBox.Handle(), VK_F1);
    EXPECT_TRUE(help.opened.empty());
    ASSERT_FALSE(dialogs_.Asked().empty());
    EXPECT_NE(dialogs_.Asked().back().text.find(guide), std::string::npos)
        << dialogs_.Asked().back().text;
    dialogs_.RouteHelpTo(nullptr);
}
