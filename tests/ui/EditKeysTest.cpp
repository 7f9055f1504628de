// The keys an edit field works on its text with reach the field before any
// shortcut: in a form with a menu, in a tool window that borrows the main
// window's shortcuts (as the action window's fields do), and in the main
// window itself, where Ctrl+Z once took back the last association instead
// of the typing.
#include <cstdio>

#include "UiTestSupport.h"
#include "association/UndoJournal.h"
#include "controls/ZQButtonEdit.h"
#include "support/RegistryDump.h"

namespace {

// The window that takes the keys of a field: a combo box's edit part.
HWND KeyTarget(const TWindow& field) {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(field.Handle(), &info) && info.hwndItem)
        return info.hwndItem;
    return field.Handle();
}

std::string WindowText(HWND hwnd) {
    char text[256] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

// A main form with a menu whose shortcuts are the editing keys, and a tool
// window without menu of its own.
class TShortcutForm : public TForm {
public:
    TShortcutForm() : TForm({"ShortcutForm", "Shortcuts", 400, 200}) {
        menu.Build({
            {&editMenu, 0, "EditMenu", "&Edit"},
            {&items[0], 1, "Undo", "Undo", {'Z', FCONTROL}},
            {&items[1], 1, "Cut", "Cut", {'X', FCONTROL}},
            {&items[2], 1, "Copy", "Copy", {'C', FCONTROL}},
            {&items[3], 1, "Paste", "Paste", {'V', FCONTROL}},
            {&items[4], 1, "All", "All", {'A', FCONTROL}},
            {&items[5], 1, "Delete", "Delete", {VK_DELETE}},
        });
        for (TMenuItem& item : items)
            item.onClick = [this, &item] { run.push_back(item.Name()); };
        SetMainMenu(&menu);
        CreateControls({
            {&edit, "edit", "", {8, 8, 150, 21}},
            {&combo, "combo", "", {8, 40, 150, 21}},
            {&list, "list", "", {8, 70, 150, 60}},
        });
        list.Items().Add("entry");
        Show();
    }
    TMainMenu menu;
    TMenuItem editMenu, items[6];
    TEdit edit;
    TComboBox combo;
    TListBox list;
    std::vector<std::string> run; // the items run, by name
};

class TToolForm : public TForm {
public:
    TToolForm() : TForm({"Tool", "Tool", 0, 0, TBorderStyle::SizeToolWindow, nullptr, 200, 40}) {
        CreateControls({{&field, "field", "", {8, 8, 150, 21}}});
        Show();
    }
    TZQButtonEdit field;
};

} // namespace

TEST(EditKeys, TextKeysWorkInTheFieldAndRunNoShortcut) {
    TShortcutForm main;
    Application.SetMainForm(&main);
    TToolForm tool;
    for (TWindow* field : std::initializer_list<TWindow*>{&main.edit, &main.combo, &tool.field}) {
        SCOPED_TRACE(field->Name());
        const HWND target = KeyTarget(*field);
        field->SetText("one two");
        PressKey(target, 'A', true);
        DWORD start = 1, end = 0;
        SendMessageA(target, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 7u);
        PressKey(target, 'X', true);
        EXPECT_EQ(WindowText(target), "");
        PressKey(target, 'V', true);
        EXPECT_EQ(WindowText(target), "one two");
        SendMessageA(target, EM_SETSEL, 7, 7);
        SendMessageA(target, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("!")); // typed
        PressKey(target, 'Z', true);
        EXPECT_EQ(WindowText(target), "one two");
        SendMessageA(target, EM_SETSEL, 0, 0);
        PressKey(target, VK_DELETE, false);
        EXPECT_EQ(WindowText(target), "ne two");
        EXPECT_EQ(main.run, std::vector<std::string>{});
    }
    // Elsewhere the shortcuts run their items, also from the tool window.
    PressKey(main.list.Handle(), 'Z', true);
    PressKey(main.list.Handle(), VK_DELETE, false);
    PressKey(tool.Handle(), 'C', true);
    EXPECT_EQ(main.run, (std::vector<std::string>{"Undo", "Delete", "Copy"}));
    Application.SetMainForm(nullptr);
}

class EditKeysMainTest : public MainWindowTest {
protected:
    void SetUp() override {
        std::remove(UndoJournalPath(SettingsPath()).c_str());
        QuietGate();
        PutString(".txt", "", "txtfile");
        PutString("txtfile", "", "Text Document");
        PutString("txtfile\\shell\\open\\command", "", "notepad.exe %1");
        PutString(".one", "", "oneclass");
        PutString("oneclass", "", "One Document");
    }
};

// Typed after an association that can be undone, with no question asked
// before an undo: Ctrl+Z takes back the typing in the class box, and the
// association stays.
TEST_F(EditKeysMainTest, CtrlZTakesBackTheTypingNotTheAssociation) {
    TMainForm& f = Open();
    f.Commands().SetAllowChanges(true);
    f.Commands().Settings().AlwaysAsk = false;
    f.Commands().Settings().OptimizeSystem = true;
    ClickItem(".one");
    f.ExtView.cbClasses.SetText("txtfile");
    f.btnExtAssocClick();
    const std::string associated = DumpRegistry();
    const std::string undoCaption = f.UndoItem.Caption();
    ASSERT_TRUE(f.UndoItem.Enabled());

    TypeText(f.ExtView.cbClasses, "txtfil");
    PressKey(KeyTarget(f.ExtView.cbClasses), 'Z', true);
    EXPECT_EQ(f.ExtView.cbClasses.Text(), "txtfile");
    EXPECT_EQ(DumpRegistry(), associated);
    EXPECT_EQ(f.UndoItem.Caption(), undoCaption);
    EXPECT_TRUE(f.UndoItem.Enabled());
}
