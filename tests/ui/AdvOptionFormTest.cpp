// The flags window: its boxes, tips and places, the flags it ticks for a
// class, its buttons and its place in the settings file.
#include "ToolWindowSupport.h"
#include "dialogs/AdvOptionUnit.h"

namespace {

// Boxes ticked, by number.
std::vector<int> Ticked(TAdvOptionForm& form) {
    std::vector<int> ticked;
    for (int n = 1; n <= FlagBoxCount; ++n)
        if (form.CheckBox(n).Checked())
            ticked.push_back(n);
    return ticked;
}

} // namespace

TEST_F(ToolWindowTest, FlagsWindowShowsNineteenBoxesWithTheirTipsAtTheirPlaces) {
    TAdvOptionForm form(Commands(), SettingsPath());
    EXPECT_EQ(form.ClientWidth(), 386);
    EXPECT_EQ(form.ClientHeight(), 317);
    EXPECT_TRUE(GetWindowLongA(form.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(GetWindowLongA(form.Handle(), GWL_STYLE) & WS_THICKFRAME);
    EXPECT_EQ(form.gbExtOptions.Bounds(), (TBounds{0, 0, 386, 281}));
    EXPECT_EQ(form.gbExtOptions.Text(), " Options ");
    EXPECT_EQ(form.Panel2.Bounds(), (TBounds{0, 281, 386, 36}));
    EXPECT_EQ(form.btnOK.Bounds(), (TBounds{304, 7, 75, 21}));
    EXPECT_EQ(form.btnHelp.Bounds(), (TBounds{8, 7, 75, 21}));
    EXPECT_EQ(form.ToolTips.TipOf(form.btnOK), "Confirm your changes");
    EXPECT_EQ(form.ToolTips.TipOf(form.btnHelp), "Do you need Help?");
    EXPECT_EQ(SendMessageA(form.btnOK.Handle(), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON,
              DLGC_DEFPUSHBUTTON);

    struct Row {
        const char* caption;
        TBounds bounds;
        bool hasHint;
    } rows[FlagBoxCount] = {
        {"efExclude", {16, 24, 97, 17}, false},
        {"show file class", {16, 50, 97, 17}, true},
        {"has extension", {16, 76, 97, 17}, true},
        {"can't be edited", {16, 102, 97, 17}, true},
        {"can't be deleted", {16, 128, 97, 17}, true},
        {"no new action", {16, 152, 97, 17}, true},
        {"can't modify canonical verbs", {16, 178, 153, 17}, true},
        {"can't delete canonical verbs", {16, 204, 153, 17}, true},
        {"can't modify the description", {16, 230, 153, 17}, true},
        {"can't modify the icon", {16, 256, 153, 17}, true},
        {"can't modify default verb", {184, 24, 193, 17}, true},
        {"can't modify default verb commands", {184, 50, 193, 17}, true},
        {"can't modify any verb", {184, 76, 193, 17}, true},
        {"can't modify any DDE-entries", {184, 102, 193, 17}, true},
        {"can't modify the content-type", {184, 128, 193, 17}, true},
        {"open is safe (downloaded files)", {184, 152, 193, 17}, true},
        {"can't enable \"Never ask me\"", {184, 178, 193, 17}, true},
        {"always show the extension", {184, 204, 193, 17}, true},
        {"don't add to recent documents", {184, 230, 193, 17}, true},
    };
    HWND previous = nullptr;
    for (int n = 1; n <= FlagBoxCount; ++n) {
        const Row& row = rows[n - 1];
        TCheckBox& box = form.CheckBox(n);
        EXPECT_EQ(box.Name(), "CheckBox" + std::to_string(n));
        EXPECT_EQ(box.Text(), row.caption) << n;
        EXPECT_EQ(box.Bounds(), row.bounds) << n;
        EXPECT_EQ(GetParent(box.Handle()), form.gbExtOptions.Handle()) << n;
        EXPECT_EQ(box.Enabled(), n != 1) << n;
        // The tip is the box's hint, the whole text.
        EXPECT_EQ(form.ToolTips.TipOf(box), box.Hint()) << n;
        EXPECT_EQ(!box.Hint().empty(), row.hasHint) << n;
        // Tab order: box after box.
        if (previous) {
            EXPECT_EQ(GetWindow(previous, GW_HWNDNEXT), box.Handle()) << n;
        }
        previous = box.Handle();
    }
    EXPECT_EQ(form.CheckBox(17).Hint(),
              "Do not allow the \"Never ask me\" check box to be enabled. The user can override "
              "this attribute through the File Type dialog box.");
    EXPECT_EQ(form.CheckBox(18).Hint(),
              "Always show the file class's file name extension, even if the user has selected "
              "the \"Hide Extensions\" option.");
    EXPECT_EQ(form.CheckBox(2).Hint(), "Shows the file class also if it isn't associated with a "
                                       "file name extension. (e.g.: folders)");
}

TEST_F(ToolWindowTest, FlagsWindowTicksTheBoxesOfTheClassFlags) {
    PutDword("dword", "EditFlags", 0x10000);
    PutBinary("binary", "EditFlags", std::string("\x00\x00\x01\x00", 4));
    PutBinary("short", "EditFlags", "\x38\x07"); // two bytes: 0x738
    PutBinary("onebyte", "EditFlags", "\x01");
    PutDword("holes", "EditFlags", 0x4000 | 0x80000);
    PutDword("exclude", "EditFlags", 0x1);
    PutDword("all", "EditFlags", 0xFFFFFFFF);
    PutString("noflags", "", "No flags");
    const TRegistrySnapshot before = TakeRegistrySnapshot();

    struct Case {
        const char* name;
        const char* caption;
        bool boxesShown;
        std::vector<int> ticked;
    } cases[] = {
        {"dword", "dword", true, {16}},
        {"binary", "binary", true, {16}},
        {"short", "short", true, {4, 5, 6, 9, 10, 11}},
        {"onebyte", "onebyte", true, {1}},
        {"holes", "holes", true, {}},
        {"exclude", "exclude", true, {1}},
        {"all", "all", true, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}},
        {"noflags", "noflags", true, {}},
        {"nokey", "nokey", true, {}}, // no key of its own: all unticked under its name
        {"", "no fileclass selected", false, {}},
    };
    TAdvOptionForm form(Commands(), SettingsPath());
    for (const Case& c : cases) {
        // Each load starts from all boxes ticked, so every untick shows.
        for (int n = 1; n <= FlagBoxCount; ++n)
            form.CheckBox(n).SetChecked(true);
        form.SetFileClass(c.name);
        EXPECT_EQ(form.Text(), c.caption) << c.name;
        EXPECT_EQ(form.FileClassName, c.name);
        EXPECT_EQ(form.gbExtOptions.Visible(), c.boxesShown) << c.name;
        if (c.boxesShown) {
            EXPECT_EQ(Ticked(form), c.ticked) << c.name;
        }
    }
    EXPECT_EQ(TakeRegistrySnapshot(), before);
}

TEST_F(ToolWindowTest, FlagsOfAnotherTypeRaiseAndLeaveTheBoxesAsTheyWere) {
    PutDword("dword", "EditFlags", 0x10000 | 0x8);
    PutString("text", "EditFlags", "24");
    PutBinary("long", "EditFlags", std::string("\x01\x00\x00\x00\x00", 5));
    TAdvOptionForm form(Commands(), SettingsPath());
    form.SetFileClass("dword");
    try {
        form.SetFileClass("text");
        ADD_FAILURE() << "no error";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Wrong DataType for 'EditFlags' of text");
    }
    EXPECT_EQ(Ticked(form), (std::vector<int>{4, 16}));
    EXPECT_THROW(form.SetFileClass("long"), std::exception);
    EXPECT_EQ(Ticked(form), (std::vector<int>{4, 16}));
}

TEST_F(ToolWindowTest, FlagsWindowOkStoresTheBoxesInTheTypeTheValueHad) {
    // efExclude, 0x4000 (no box) and efOpenIsSafe, as 4 binary bytes.
    PutBinary("cls", "EditFlags", std::string("\x01\x40\x01\x00", 4));
    const TRegistrySnapshot before = TakeRegistrySnapshot();
    TAdvOptionForm form(Commands(), SettingsPath());
    form.ShowFileClass("cls");
    Pump();
    int changes = 0;
    form.onChanged = [&](const TChange& change) { changes += change.Done; };
    SendMessageA(form.CheckBox(4).Handle(), BM_CLICK, 0, 0);
    SendMessageA(form.CheckBox(16).Handle(), BM_CLICK, 0, 0);
    // No: nothing stored, the ticks stay.
    dialogs_.Expect(TDialogKind::Confirmation, mrNo);
    form.btnOK.Click();
    EXPECT_EQ(TakeRegistrySnapshot(), before);
    EXPECT_TRUE(form.CheckBox(4).Checked());
    // Enter, Yes: the boxes' bits stored, the others kept, still 4 bytes.
    dialogs_.Expect(TDialogKind::Confirmation, mrYes);
    SendMessageA(form.Handle(), WM_COMMAND, IDOK, 0);
    EXPECT_EQ(GetRaw("cls", "EditFlags").type, DWORD(REG_BINARY));
    EXPECT_EQ(GetRaw("cls", "EditFlags").bytes, std::string("\x09\x40\x00\x00", 4));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Commands().Journal().LastName(), "Change the flags of 'cls'");
    form.btnOK.Click(); // nothing changed: nothing asked
    form.btnHelp.Click();
    ASSERT_EQ(dialogs_.HelpCalls().size(), 1u);
    EXPECT_EQ(dialogs_.HelpCalls()[0], (std::pair<UINT, ULONG_PTR>{HELP_CONTEXT, 60}));
    dialogs_.Expect(TDialogKind::Confirmation, mrYes);
    EXPECT_TRUE(Commands().Undo().Done);
    EXPECT_EQ(TakeRegistrySnapshot(), before);
    // While changes are not allowed OK says so.
    Commands().SetAllowChanges(false);
    dialogs_.Expect(TDialogKind::Plain, mrOk);
    form.btnOK.Click();
    EXPECT_EQ(dialogs_.Asked().back().text, kChangesRefused);
    form.Close();
    EXPECT_EQ(TakeRegistrySnapshot(), before);
}

TEST_F(ToolWindowTest, FlagsWindowOpensCentredAndWhereItWasClosed) {
    TBounds outer;
    {
        TAdvOptionForm form(Commands(), SettingsPath());
        outer = form.Bounds();
        form.ShowFileClass("");
        EXPECT_EQ(form.Bounds(), CentredBounds(outer.width, outer.height));
        form.SetBounds({40, 60, outer.width, outer.height});
        form.Close();
    }
    EXPECT_EQ(Get("AdvOptionForm", "Top"), "60");
    EXPECT_EQ(Get("AdvOptionForm", "Left"), "40");
    EXPECT_EQ(Get("AdvOptionForm", "Height"), "<none>"); // a fixed window keeps its size
    EXPECT_EQ(Get("AdvOptionForm", "Width"), "<none>");
    {
        TAdvOptionForm form(Commands(), SettingsPath());
        form.ShowFileClass("");
        EXPECT_EQ(form.Bounds(), (TBounds{40, 60, outer.width, outer.height}));
    }
    // A place stored while minimized, or on a larger screen, comes back onto this one.
    const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    struct Stored {
        int top, left;
        TBounds expected;
    } stored[] = {
        {-32000, -32000, {0, 0, outer.width, outer.height}},
        {screenH + 200,
         screenW + 500,
         {screenW - outer.width, screenH - outer.height, outer.width, outer.height}},
    };
    for (const Stored& s : stored) {
        Set("AdvOptionForm", "Top", s.top);
        Set("AdvOptionForm", "Left", s.left);
        TAdvOptionForm form(Commands(), SettingsPath());
        form.ShowFileClass("");
        EXPECT_EQ(form.Bounds(), s.expected) << s.top;
    }
}
