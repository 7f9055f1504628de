// Whole windows read as the user sees them and compared with their design
// tables: the main window (controls, menu bar, tool bar, status bar) and the
// message boxes. Forms of other windows add their own tables here.
#include "WindowTable.h"
#include "UiTestSupport.h"

#include <algorithm>

#include "registry/ClassesStore.h"
#include "toolkit/DesignScale.h"
#include "toolkit/Dialogs.h"

namespace {

// The main window as designed, at its default size on the extension view.
// Aligned controls follow the window, so only the sizes the design fixes are
// given: the item list's width, the splitter's, the bottom bar's height. The
// controls of the extension and class panels have their own table
// (MainPanelsTest.cpp) and are left out here.
const std::vector<TControlFacts> kMainWindowDesign = {
    // name, parent, caption, hint, {left, top, width, height}, visible, enabled, tab stop
    {"ToolBar", "MainForm", "", "", {0, 0, kAny, kAny}, true, true, false},
    {"StatusBar", "MainForm", "1/1", "", {0, kAny, kAny, kAny}, true, true, false},
    {"TabControl", "MainForm", "", "", {0, kAny, kAny, kAny}, true, true, true},
    {"ListPanel", "TabControl", "", "", {kAny, kAny, 121, kAny}, true, true, false},
    {"edSearch",
     "ListPanel",
     "",
     "Narrow the list to the names holding this text (* and ? as wildcards)",
     {0, 0, 121, 21},
     true,
     true,
     true},
    {"laFilter", "ListPanel", "", "", {0, 21, 121, 13}, false, true, false},
    {"ListBox", "ListPanel", "", "", {0, 21, 121, kAny}, true, true, true},
    {"ZQSplitter1", "TabControl", "", "", {kAny, kAny, 7, kAny}, true, true, false},
    {"MainPanel", "TabControl", "", "", {kAny, kAny, kAny, kAny}, true, true, false},
    {"ExtPanel", "MainPanel", "", "", {0, 0, kAny, kAny}, true, true, false},
    {"ClassPanel", "MainPanel", "", "", {0, 0, kAny, kAny}, false, true, false},
    {"ShortInfoPanel", "MainPanel", "", "", {0, 0, kAny, kAny}, false, true, false},
    {"lShortInfo", "ShortInfoPanel", "", "", {8, 8, kAny, kAny}, true, true, false},
    {"btnReg",
     "ShortInfoPanel",
     "Register fileclass ...",
     "Register the current fileclass",
     {kAny, kAny, 113, 21},
     true,
     true,
     true},
    {"lbShortInfo", "ShortInfoPanel", "", "", {8, 24, kAny, kAny}, true, true, true},
    {"btnShortInfoViewExt",
     "ShortInfoPanel",
     "View this extension",
     "",
     {kAny, kAny, 113, 21},
     true,
     true,
     true},
    {"BottomPanel", "MainPanel", "", "", {0, kAny, kAny, 36}, true, true, false},
    {"btnHelp", "BottomPanel", "Help", "", {8, 7, 75, 21}, true, true, true},
    {"laHint", "BottomPanel", "", "", {96, 12, kAny, kAny}, true, true, false},
};

const std::vector<TMenuFacts> kMainMenuDesign = {
    // level, caption, shortcut, name, hint, enabled
    {0, "&File"},
    {1, "(Re-)&scan", "F5", "ScanItem", "(Re-)scan the registry"},
    {1, "&Check associations ...", "", "CheckItem",
     "Find broken links, programs and icons and repair them"},
    {1, "Export &backup ...", "", "ExportBackupItem",
     "Write the changed keys or all file types to a REGEDIT4 file"},
    {1, "&Export ...", "", "ExportItem", "Write the associations for other machines or as a table"},
    {1, "Apply &profile ...", "", "ApplyProfileItem",
     "Apply the associations of another machine (XML or .reg) as one step"},
    {1, "-", "", "", "", false},
    {1, "E&xit", "Ctrl+Q", "ExitItem", "Exit the program"},
    {0, "&Edit"},
    {1, "&Undo", "Ctrl+Z", "UndoItem", "Take back the last change", false},
    {1, "-", "", "", "", false},
    {1, "Systemsettings ...", "", "Systemsettings1", "Change global system settings"},
    {1, "-", "", "", "", false},
    {1, "New Extension ...", "", "NewExtensionItem", "Register new extension to the system", false},
    {1, "Delete Extension", "", "DeleteExtensionItem", "Delete the selected extension", false},
    {1, "-", "", "", "", false},
    // "New Fileclass" is never visible.
    {1, "Delete Fileclass", "", "DeleteFileclassItem", "Delete the selected fileclass", false},
    {0, "&Advanced"},
    {1, "'New' ...", "", "NewMenuItem", "", false},
    {1, "'Open with' Lists ...", "", "OpenWithListsItem",
     "Show what opens the extension and edit its 'Open with' lists"},
    {1, "'Select program' ...", "", "SelectProgramItem", "", false},
    {0, "&Options"},
    {1, "&Configuration ...", "", "ConfigurationItem", "Configurate the program"},
    {0, "&Help"},
    {1, "&Help", "F1", "HelpItem", "Do you need Help?"},
    {1, "-", "", "", "", false},
    {1, "&Info ...", "", "InfoItem", "About the program"},
};

const std::vector<TToolButtonFacts> kToolBarDesign = {
    // name, caption, hint, image, width, height, enabled
    {"tbtnScan", "Registry&scan", "(Re-)scan the registry", 0, 27, 27, true},
    {"tbtnUndo", "&Undo", "Take back the last change", 7, 27, 27, false},
    {"tbtnCheck", "&Check", "Check associations", 8, 27, 27, true},
    {"-", "", "", -1, kAny, 27, false},
    {"tbtnNew", "", "", 2, 27, 27, false},
    {"tbtnOpenwithLists", "", "Show what opens the extension", 3, 27, 27, true},
    {"tbtnSelectprogram", "", "", 4, 27, 27, false},
    {"-", "", "", -1, kAny, 27, false},
    {"tbtnConfiguration", "&Configuration", "Opens the Configuration-Dialog", 5, 27, 27, true},
    {"-", "", "", -1, kAny, 27, false},
    {"tbtnHelp", "&Help", "Do you need Help?", 6, 27, 27, true},
};

// The main window without the contents of its two view panels.
std::vector<TControlFacts> FrameOf(const TMainForm& form) {
    std::vector<TControlFacts> facts = ReadControls(form);
    facts.erase(std::remove_if(facts.begin(), facts.end(),
                               [](const TControlFacts& f) {
                                   return f.parent == "ExtPanel" || f.parent == "ClassPanel";
                               }),
                facts.end());
    return facts;
}

} // namespace

TEST_F(MainWindowTest, MainWindowShowsItsDesign) {
    PutString(".txt", "", "txtfile");
    QuietGate();
    TMainForm& form = Open();
    EXPECT_EQ(form.Text(), "Corvix - Adaptation of Extensions");
    EXPECT_EQ(form.Width(), Scaled(385));
    EXPECT_EQ(form.Height(), Scaled(465));
    EXPECT_EQ(CompareControls(FrameOf(form), kMainWindowDesign), "");
    std::vector<TMenuFacts> menu = kMainMenuDesign;
    if (TwoClassesStores()) // the choice of the store; the one taken (all users) marked "•"
        menu.insert(std::find_if(menu.begin(), menu.end(),
                                 [](const TMenuFacts& row) {
                                     return std::string(row.caption) == "&Help";
                                 }),
                    {{1, "-", "", "", "", false},
                     {1, "Changes apply to: this user", "", "ScopeUserItem",
                      "Changes go to this user's classes (HKEY_CURRENT_USER\\Software\\Classes)"},
                     {1, "\x95 Changes apply to: all users", "", "ScopeMachineItem",
                      "Changes go to every user's classes (HKEY_LOCAL_MACHINE\\Software\\Classes)"}});
    EXPECT_EQ(CompareMenus(ReadMenuBar(form), menu), "");
    EXPECT_EQ(CompareToolButtons(ReadToolBar(form.ToolBar), kToolBarDesign), "");
    EXPECT_EQ(ReadPanelWidths(form.StatusBar), (std::vector<int>{Scaled(75), Scaled(300), -1}));
    EXPECT_EQ(form.TabControl.TabCount(), 2);
    EXPECT_EQ(form.TabControl.TabCaption(0), "File Extensions");
    EXPECT_EQ(form.TabControl.TabCaption(1), "File Classes");
    EXPECT_EQ(form.laHint.FontColor(), RGB(255, 0, 0));
}

TEST_F(MainWindowTest, TableTestsCatchABrokenText) {
    // The comparison itself: a changed caption, hint, size or order is found.
    PutString(".txt", "", "txtfile");
    QuietGate();
    TMainForm& form = Open();
    form.btnHelp.SetText("Hilfe");
    form.ShortInfo.btnReg.SetHint("");
    form.ShortInfo.btnShortInfoViewExt.SetWidth(100);
    EXPECT_EQ(CompareControls(FrameOf(form), kMainWindowDesign),
              "btnReg: hint \"\", design \"Register the current fileclass\"\n"
              "btnShortInfoViewExt: place {120, 84, 100, 21}, design {*, *, 113, 21}\n"
              "btnHelp: caption \"Hilfe\", design \"Help\"\n");
    std::vector<TMenuFacts> menu = kMainMenuDesign;
    std::swap(menu[1], menu[3]);
    EXPECT_NE(CompareMenus(ReadMenuBar(form), menu), "");
    std::vector<TToolButtonFacts> bar = kToolBarDesign;
    bar[0].hint = "Scan";
    EXPECT_EQ(CompareToolButtons(ReadToolBar(form.ToolBar), bar),
              "button 0 tbtnScan: hint \"(Re-)scan the registry\", design \"Scan\"\n");
}

TEST(MessageBoxTable, EachKindShowsItsFrameTextIconAndButtons) {
    // A short text: the row of buttons sets the width, 12 pixels each side.
    const struct {
        TDialogKind kind;
        unsigned buttons;
        const char* caption;
        bool icon;
        std::vector<std::string> captions;
    } boxes[] = {
        {TDialogKind::Confirmation, mbYes | mbNo, "Bestätigen", true, {"&Ja", "&Nein"}},
        {TDialogKind::Warning, mbOK, "Warnung", true, {"OK"}},
        {TDialogKind::Error, mbOK, "Fehler", true, {"OK"}},
        {TDialogKind::Information, mbOK | mbCancel, "Information", true, {"OK", "Abbrechen"}},
        {TDialogKind::Plain, mbOK, "Corvix - Adaptation of Extensions", false, {"OK"}},
        {TDialogKind::Confirmation,
         mbYes | mbNo | mbCancel,
         "Bestätigen",
         true,
         {"&Ja", "&Nein", "Abbrechen"}},
    };
    for (const auto& b : boxes) {
        TMessageForm box(b.kind, DialogCaption(b.kind), "x", b.buttons);
        EXPECT_EQ(box.Text(), b.caption);
        const int count = static_cast<int>(b.captions.size());
        const int row = count * 75 + (count - 1) * 6;
        const int clientWidth = std::max(row + 24, (b.icon ? 56 : 12) + 20);
        std::vector<TControlFacts> design = {
            {"Image", "MessageForm", "", "", {12, 12, 32, 32}, b.icon, true, false},
            {"Message",
             "MessageForm",
             "x",
             "",
             {b.icon ? 56 : 12, 12, kAny, kAny},
             true,
             true,
             false},
        };
        int left = (clientWidth - row) / 2;
        for (const std::string& caption : b.captions) {
            design.push_back(
                {caption, "MessageForm", caption, "", {left, kAny, 75, 23}, true, true, true});
            left += 81;
        }
        EXPECT_EQ(CompareControls(ReadControls(box), design), "") << b.caption;
        EXPECT_NEAR(box.ClientWidth(), Scaled(clientWidth), ScaleTolerance()) << b.caption;
    }
}

TEST(DialogSeam, ABoxWithOtherButtonsThanScriptedFails) {
    // A question offered with OK/Abbrechen where Ja/Nein is scripted, or one
    // that doesn't offer the scripted answer, is refused and recorded.
    ScriptedDialogs dialogs;
    dialogs.Expect(TDialogKind::Confirmation, mbYes | mbNo, mrYes);
    EXPECT_THROW(MessageDlg("Delete?", TDialogKind::Confirmation, mbOK | mbCancel),
                 EUnexpectedDialog);
    dialogs.Forget();
    EXPECT_EQ(MessageDlg("Delete?", TDialogKind::Confirmation, mbYes | mbNo), mrYes);
    dialogs.Expect(TDialogKind::Warning, mrCancel);
    EXPECT_THROW(MessageDlg("Careful", TDialogKind::Warning, mbOK), EUnexpectedDialog);
    ASSERT_EQ(dialogs.Unexpected().size(), 1u);
    EXPECT_EQ(dialogs.Unexpected()[0].buttons, static_cast<unsigned>(mbOK));
    EXPECT_EQ(ButtonCaptions(dialogs.Asked().back().buttons), "OK");
}
