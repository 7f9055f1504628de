// The program's own controls on real windows: the tree view with per-node
// font styles, the edit field with a button, and tool tips.
#include <cstring>

#include "UiTestSupport.h"
#include "controls/ZQButtonEdit.h"
#include "controls/ZQTreeView.h"
#include "toolkit/ToolTips.h"

namespace {

class TControlsForm : public TForm {
public:
    TControlsForm() : TForm({"ControlsForm", "Controls", 400, 300}), tips(*this) {
        CreateControls({
            {&tree, "Tree", "", {0, 0, 185, 89}},
            {&edit, "Edit", "", {80, 120, 185, 21}, nullptr, "the command line"},
            {&plain, "Plain", "", {80, 150, 185, 21}},
            {&help, "Help", "Help", {8, 200, 75, 21}, nullptr, "Do you need Help?"},
        });
        tips.Add(edit);
        tips.Add(plain);
        tips.Add(help);
        Show();
    }
    TZQTreeView tree;
    TZQButtonEdit edit;
    TEdit plain;
    TButton help;
    TToolTips tips;
};

RECT TextRectOf(const TZQTreeView& tree, int index) {
    // The node's handle is the first TVM_GETNEXTITEM walk from the root.
    auto node =
        reinterpret_cast<HTREEITEM>(SendMessageA(tree.Handle(), TVM_GETNEXTITEM, TVGN_ROOT, 0));
    for (int i = 0; i < index; ++i)
        node = reinterpret_cast<HTREEITEM>(SendMessageA(tree.Handle(), TVM_GETNEXTITEM, TVGN_NEXT,
                                                        reinterpret_cast<LPARAM>(node)));
    // TVM_GETITEMRECT takes the node in the rectangle's place.
    RECT r = {};
    static_assert(sizeof node <= sizeof r, "a node handle fits the rectangle");
    memcpy(&r, &node, sizeof node);
    SendMessageA(tree.Handle(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r));
    return r;
}

bool BoldInControl(const TZQTreeView& tree, int index) {
    RECT r = TextRectOf(tree, index);
    TVHITTESTINFO hit = {{r.left + 1, r.top + 1}, 0, nullptr};
    SendMessageA(tree.Handle(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    TVITEMA item = {};
    item.mask = TVIF_STATE;
    item.hItem = hit.hItem;
    item.stateMask = TVIS_BOLD;
    SendMessageA(tree.Handle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return (item.state & TVIS_BOLD) != 0;
}

// Both messages are queued first: a control may wait in a loop of its own
// for the button's release after the press.
void ClickAt(const TWindow& w, POINT p) {
    PostMessageA(w.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    PostMessageA(w.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    Pump();
}

} // namespace

TEST(TreeView, TopLevelNodesWithTheirOwnFontStylesAndSelection) {
    TControlsForm form;
    TZQTreeView& tree = form.tree;
    EXPECT_EQ(tree.Indent(), 19);
    EXPECT_EQ(tree.ItemHeight(), 16);
    int changes = 0;
    std::vector<int> seen;
    tree.onChange = [&] {
        ++changes;
        seen.push_back(tree.Selected());
    };
    {
        TTreeUpdate update(tree);
        for (const char* verb : {"open", "open", "print", "Edit"})
            tree.Add(verb);
        tree.SetNodeStyle(1, fsBold);
        tree.SetNodeStyle(2, fsItalic | fsUnderline);
    }
    ASSERT_EQ(tree.Count(), 4);
    EXPECT_EQ(tree.NodeText(3), "Edit");
    const TFontStyles expected[4] = {0, fsBold, fsItalic | fsUnderline, 0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(tree.NodeStyle(i), expected[i]) << i;
        EXPECT_EQ(BoldInControl(tree, i), i == 1) << i;
    }
    // The bold node is measured in the bold font: the same text takes more room.
    const RECT plain = TextRectOf(tree, 0), bold = TextRectOf(tree, 1);
    EXPECT_GT(bold.right - bold.left, plain.right - plain.left);
    EXPECT_EQ(bold.top - plain.top, 16); // one item height apart
    EXPECT_EQ(tree.Selected(), -1);
    EXPECT_EQ(changes, 0); // adding selects nothing

    // A click on a node selects it and reports the change; so does the program.
    const RECT print = TextRectOf(tree, 2);
    ClickAt(tree, {print.left + 3, (print.top + print.bottom) / 2});
    tree.SetSelected(3);
    EXPECT_EQ(seen, (std::vector<int>{2, 3}));

    // Clearing reports no change; the styles go with the nodes.
    tree.Clear();
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(tree.Count(), 0);
    EXPECT_EQ(tree.Selected(), -1);
    EXPECT_EQ(tree.Add("new"), 0);
    EXPECT_EQ(tree.NodeStyle(0), 0u);
    // A text beyond the code page comes back whole on the NT family.
    EXPECT_EQ(tree.Add("Zoë 文書"), 1);
    EXPECT_EQ(tree.NodeText(1), WideSystem() ? "Zoë 文書" : Utf8FromAnsi(AnsiFromUtf8("Zoë 文書")));
    tree.Clear();
    EXPECT_THROW(tree.NodeStyle(1), Exception);
    EXPECT_THROW(tree.SetNodeStyle(-1, fsBold), Exception);
}

TEST(ButtonEdit, TheButtonSitsInsideTheFieldAtItsRightEdgeAndKeepsTheFocusThere) {
    TControlsForm form;
    TZQButtonEdit& edit = form.edit;
    TSpeedButton& button = edit.Button;
    for (int width : {185, 300, 60}) {
        edit.SetWidth(width);
        EXPECT_EQ(GetParent(button.Handle()), edit.Handle());
        EXPECT_EQ(button.Bounds(), (TBounds{edit.ClientWidth() - TZQButtonEdit::ButtonWidth, 0,
                                            TZQButtonEdit::ButtonWidth, edit.ClientHeight()}))
            << width;
    }
    // Typed text ends before the button.
    const LRESULT margins = SendMessageA(edit.Handle(), EM_GETMARGINS, 0, 0);
    EXPECT_GT(HIWORD(margins), TZQButtonEdit::ButtonWidth);
    EXPECT_FALSE(GetWindowLongA(button.Handle(), GWL_STYLE) & WS_TABSTOP);

    int clicks = 0;
    edit.onButtonClick = [&] { ++clicks; };
    edit.SetText("notepad.exe %1");
    edit.SetFocus();
    ClickAt(button, {4, 4});
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(edit.Focused());
    EXPECT_EQ(edit.Text(), "notepad.exe %1");
}

TEST(ToolTips, HintsShowAsTipsWhileThePointerRests) {
    TControlsForm form;
    EXPECT_EQ(form.tips.Count(), 2); // the field without hint has no tip
    EXPECT_EQ(form.tips.TipOf(form.help), "Do you need Help?");
    EXPECT_EQ(form.tips.TipOf(form.edit), "the command line");
    EXPECT_EQ(form.tips.TipOf(form.plain), "");

    // The pointer coming to rest on the button shows its tip.
    form.BringToFront();
    RECT r;
    GetWindowRect(form.help.Handle(), &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PostMessageA(form.help.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    const DWORD until = GetTickCount() + 3000;
    while (!IsWindowVisible(form.tips.Handle()) && GetTickCount() < until) {
        Application.ProcessMessages();
        Sleep(20);
    }
    EXPECT_TRUE(IsWindowVisible(form.tips.Handle()));
}
