// The splitter: its arithmetic, its setters, and dragging, collapsing and
// restoring the item list of the main window, kept in the settings file.
#include <algorithm>
#include <string>
#include <vector>

#include "UiTestSupport.h"
#include "controls/ZQMiscCtrl.h"
#include "support/ErrorOf.h"

namespace {

// Presses, moves and releases the left button on the bar (bar coordinates).
void Drag(TZQSplitter& bar, POINT from, POINT to, bool release = true) {
    SendMessageA(bar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    SendMessageA(bar.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    if (release)
        SendMessageA(bar.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
}

POINT OnHandle(const TZQSplitter& bar) {
    const RECT h = bar.HandleRect();
    return {(h.left + h.right) / 2, (h.top + h.bottom) / 2};
}

POINT OffHandle(const TZQSplitter& bar) {
    return {3, bar.HandleRect().bottom + 5};
}

// Three panels side by side: left, the bar, the rest.
class SplitForm : public TForm {
public:
    explicit SplitForm(TAlign side = TAlign::Left)
        : TForm({"SplitForm", "Split", 0, 0, TBorderStyle::Dialog, nullptr, 400, 300}) {
        const bool left = side == TAlign::Left;
        CreateControls({
            {&neighbour, "neighbour", "", {left ? 0 : 300, 0, 100, 300}, this, "", side},
            {&bar, "bar", "", {left ? 100 : 293, 0, 7, 300}, this, "", side},
            {&rest, "rest", "", {0, 0, 10, 10}, this, "", TAlign::Client},
        });
        bar.Loaded();
    }
    TPanel neighbour;
    TZQSplitter bar;
    TPanel rest;
};

// The pixels a window shows on the screen, as 32-bit colours row by row.
std::vector<DWORD> ScreenPixels(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const DWORD* first = static_cast<const DWORD*>(bits);
    std::vector<DWORD> pixels(first, first + w * h);
    SelectObject(memory, old);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// "" when both pictures are the same, else where they differ.
std::string Difference(const std::vector<DWORD>& a, const std::vector<DWORD>& b, int width) {
    int count = 0, left = width, right = -1, top = -1, bottom = -1;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (a[i] == b[i])
            continue;
        const int x = static_cast<int>(i) % width, y = static_cast<int>(i) / width;
        ++count;
        left = std::min(left, x);
        right = std::max(right, x);
        top = top < 0 ? y : top;
        bottom = y;
    }
    if (count == 0 && a.size() == b.size())
        return "";
    return std::to_string(count) + " pixels differ within x " + std::to_string(left) + ".." +
           std::to_string(right) + ", y " + std::to_string(top) + ".." + std::to_string(bottom);
}

} // namespace

TEST(Splitter, HandleLengthPlaceAndNewSize) {
    EXPECT_EQ(SplitterHandleLength(hwtPixels, 80, 300), 80);
    EXPECT_EQ(SplitterHandleLength(hwtPercentage, 25, 330), 82); // truncated
    EXPECT_EQ(SplitterHandleLength(hwtPercentage, 100, 331), 331);
    EXPECT_EQ(SplitterHandleLength(hwtPercentage, 1, 50), 1); // at least 1
    EXPECT_EQ(SplitterHandleSpan(haLeft, 300, 80), (TSpan{0, 80}));
    EXPECT_EQ(SplitterHandleSpan(haCenter, 300, 81), (TSpan{110, 191}));
    EXPECT_EQ(SplitterHandleSpan(haRight, 300, 80), (TSpan{220, 300}));

    const struct {
        TAlign align;
        int size, split;
        TSplitSize expected;
    } cases[] = {
        {TAlign::Left, 100, 30, {130, 30}},
        {TAlign::Left, 100, -90, {25, -75}},  // MinSize 25: the split follows
        {TAlign::Left, 100, 400, {250, 150}}, // the limit 250
        {TAlign::Right, 100, 30, {70, 30}},
        {TAlign::Right, 100, 90, {25, 75}},
        {TAlign::Right, 100, -400, {250, -150}},
        {TAlign::Top, 0, 10, {25, 25}}, // collapsed, dragged open
        {TAlign::Bottom, 60, -10, {70, -10}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitterNewSize(c.align, c.size, c.split, 25, 250), c.expected)
            << static_cast<int>(c.align) << " " << c.split;
}

TEST(Splitter, SettersRefuseWhatTheBarCantBe) {
    SplitForm form;
    TZQSplitter& bar = form.bar;
    EXPECT_EQ(bar.Width(), 7);
    EXPECT_EQ(bar.HandleSize(), 80);
    EXPECT_EQ(bar.MinSize(), 30);
    EXPECT_EQ(bar.ResizeStyle(), rsPattern);
    for (TAlign bad : {TAlign::None, TAlign::Client})
        EXPECT_EQ(ErrorOf<Exception>([&] { bar.SetAlign(bad); }),
                  "Value not allowed for TZQSplitter component.");
    EXPECT_EQ(bar.Align(), TAlign::Left);
    EXPECT_EQ(ErrorOf<Exception>([&] { bar.SetWidth(6); }),
              "Min. width for a handled TZQSplitter component is 7");
    bar.SetWidth(9);
    EXPECT_EQ(bar.Width(), 9);
    bar.SetHandled(false);
    bar.SetWidth(3);
    EXPECT_EQ(bar.Width(), 3);
    bar.SetHandled(true); // widened again
    EXPECT_EQ(bar.Width(), 7);

    bar.SetAlign(TAlign::Top);
    EXPECT_EQ(bar.Arrow(), TArrowDirection::Up);
    EXPECT_EQ(ErrorOf<Exception>([&] { bar.SetHeight(6); }),
              "Min. height for a handled TZQSplitter component is 7");
    bar.SetAlign(TAlign::Bottom);
    EXPECT_EQ(bar.Arrow(), TArrowDirection::Down);
    bar.SetAlign(TAlign::Right);
    EXPECT_EQ(bar.Arrow(), TArrowDirection::Right);

    bar.SetHandleSize(150);
    bar.SetHandleWidthType(hwtPercentage);
    EXPECT_EQ(bar.HandleSize(), 100);
}

TEST(Splitter, EscapeEndsADragWithoutApplyingIt) {
    SplitForm form;
    form.Show();
    TZQSplitter& bar = form.bar;
    bar.SetMinSize(25);
    int moved = 0;
    bar.onMoved = [&] { ++moved; };
    Drag(bar, OffHandle(bar), {OffHandle(bar).x + 40, OffHandle(bar).y}, false);
    EXPECT_TRUE(bar.Dragging());
    EXPECT_EQ(form.neighbour.Width(), 100); // the pattern shows, nothing moves yet
    SendMessageA(bar.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(bar.Dragging());
    SendMessageA(bar.Handle(), WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(form.neighbour.Width(), 100);
    EXPECT_EQ(moved, 1);
    // Released normally, the pattern's size is applied.
    Drag(bar, OffHandle(bar), {OffHandle(bar).x + 40, OffHandle(bar).y});
    EXPECT_EQ(form.neighbour.Width(), 140);
    EXPECT_EQ(bar.Left(), 140);

    // A veto of the size leaves the last one.
    bar.onCanResize = [](int&, bool& accept) { accept = false; };
    Drag(bar, OffHandle(bar), {OffHandle(bar).x + 40, OffHandle(bar).y});
    EXPECT_EQ(form.neighbour.Width(), 140);
}

// The bar is filled with its colour. While a drag shows its band, the
// parent is locked against painting (one window at a time can be: a second
// lock fails), and unlocked when the drag ends, released or not; a live
// drag locks nothing.
TEST(Splitter, ColourAndTheParentLockedWhileTheBandShows) {
    SplitForm form;
    form.Show();
    TZQSplitter& bar = form.bar;
    const POINT off = OffHandle(bar);
    const auto shown = [&] {
        UpdateWindow(bar.Handle());
        const DWORD pixel = ScreenPixels(bar.Handle())[off.y * bar.Width() + off.x] & 0xFFFFFF;
        return RGB(pixel >> 16, (pixel >> 8) & 0xFF, pixel & 0xFF);
    };
    EXPECT_EQ(bar.Color(), CLR_DEFAULT);
    EXPECT_EQ(shown(), GetSysColor(COLOR_BTNFACE));
    bar.SetColor(RGB(200, 30, 40));
    EXPECT_EQ(shown(), RGB(200, 30, 40));

    const auto lockable = [&] {
        const bool locked = LockWindowUpdate(form.rest.Handle()) != FALSE;
        if (locked)
            LockWindowUpdate(nullptr);
        return locked;
    };
    const POINT to = {off.x + 40, off.y};
    Drag(bar, off, to, false);
    ASSERT_TRUE(bar.Dragging());
    EXPECT_FALSE(lockable());
    SendMessageA(bar.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    EXPECT_TRUE(lockable());
    Drag(bar, off, to, false);
    SendMessageA(bar.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(lockable());
    bar.SetResizeStyle(rsUpdate);
    Drag(bar, off, to, false);
    EXPECT_TRUE(lockable());
    SendMessageA(bar.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
}

TEST(Splitter, ARightAlignedBarResizesTheControlOnItsRight) {
    SplitForm form(TAlign::Right);
    form.Show();
    TZQSplitter& bar = form.bar;
    bar.SetResizeStyle(rsUpdate);
    ASSERT_EQ(bar.ResizeControl(), &form.neighbour);
    Drag(bar, OffHandle(bar), {OffHandle(bar).x - 30, OffHandle(bar).y});
    EXPECT_EQ(form.neighbour.Width(), 130);
    EXPECT_EQ(form.neighbour.Left() + 130, form.ClientWidth());
    bar.ToggleCollapse();
    EXPECT_EQ(form.neighbour.Width(), 0);
    EXPECT_EQ(bar.Arrow(), TArrowDirection::Left);
    bar.ToggleCollapse();
    EXPECT_EQ(form.neighbour.Width(), 130);
    EXPECT_EQ(bar.Arrow(), TArrowDirection::Right);
}

TEST_F(MainWindowTest, TheListIsDraggedCollapsedRestoredAndKept) {
    QuietGate();
    TMainForm& form = Open();
    TZQSplitter& bar = form.ZQSplitter1;
    TListBox& list = form.ListBox;
    ASSERT_EQ(bar.ResizeControl(), &form.ListPanel);
    EXPECT_EQ(bar.ResizeStyle(), rsUpdate);
    EXPECT_EQ(bar.HandleWidthType(), hwtPercentage);
    const RECT h = bar.HandleRect();
    EXPECT_EQ(h.bottom - h.top, form.TabControl.ClientHeight() / 4);
    const RECT area = form.TabControl.AlignArea();
    const int limit = area.right - area.left - 7 - 25;

    const POINT off = OffHandle(bar);
    Drag(bar, off, {off.x + 50, off.y});
    EXPECT_EQ(list.Width(), 171);
    EXPECT_EQ(bar.Left(), form.ListPanel.Left() + 171);
    EXPECT_EQ(form.MainPanel.Left(), bar.Left() + 7);
    Drag(bar, off, {off.x - 500, off.y});
    EXPECT_EQ(list.Width(), 25); // MinSize
    Drag(bar, off, {off.x + 5000, off.y});
    EXPECT_EQ(list.Width(), limit); // the panels keep MinSize
    EXPECT_EQ(form.MainPanel.Width(), 25);
    Drag(bar, off, {off.x - (limit - 150), off.y});
    EXPECT_EQ(list.Width(), 150);

    // The handle collapses the list and restores exactly its size.
    EXPECT_EQ(bar.Arrow(), TArrowDirection::Left);
    Drag(bar, OnHandle(bar), OnHandle(bar));
    EXPECT_EQ(list.Width(), 0);
    EXPECT_EQ(bar.Arrow(), TArrowDirection::Right);
    Drag(bar, OnHandle(bar), OnHandle(bar));
    EXPECT_EQ(list.Width(), 150);
    EXPECT_EQ(bar.Arrow(), TArrowDirection::Left);
    // Collapsed and dragged open: the arrows point to the list again.
    Drag(bar, OnHandle(bar), OnHandle(bar));
    Drag(bar, off, {off.x + 10, off.y});
    EXPECT_EQ(list.Width(), 25);
    EXPECT_EQ(bar.Arrow(), TArrowDirection::Left);

    // Collapsed when the window closes: collapsed at the next start, and
    // the handle brings back the size it had.
    Drag(bar, off, {off.x + 95, off.y});
    EXPECT_EQ(list.Width(), 120);
    Drag(bar, OnHandle(bar), OnHandle(bar));
    CloseAndDestroy();
    EXPECT_EQ(Get("MainForm", "ListWidth"), "0");
    EXPECT_EQ(Get("MainForm", "ListRestoreWidth"), "120");
    TMainForm& again = Open();
    EXPECT_EQ(again.ListBox.Width(), 0);
    EXPECT_EQ(again.ZQSplitter1.Arrow(), TArrowDirection::Right);
    again.ZQSplitter1.ToggleCollapse();
    EXPECT_EQ(again.ListBox.Width(), 120);
    CloseAndDestroy();
    EXPECT_EQ(Get("MainForm", "ListWidth"), "120");
    EXPECT_EQ(Open().ListBox.Width(), 120);
}

// Collapsing moves the panels and their buttons in one layout pass; every
// control must then show what it shows when painted afresh (moved pixels
// once left a button showing its neighbours' captions).
TEST_F(MainWindowTest, CollapsingTheListLeavesThePanelsPaintedAsNew) {
    PutString(".txt", "", "txtfile");
    PutString("txtfile", "", "Text Document");
    QuietGate();
    TMainForm& form = Open();
    UpdateWindow(form.Handle());
    form.ZQSplitter1.ToggleCollapse();
    UpdateWindow(form.Handle());
    Pump();
    for (TWindow* button : std::initializer_list<TWindow*>{&form.ExtView.btnExtAssoc, &form.ExtView.btnExtDissoc,
                                                           &form.ExtView.btnViewClass}) {
        const std::vector<DWORD> moved = ScreenPixels(button->Handle());
        RedrawWindow(button->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        Pump();
        EXPECT_EQ(Difference(moved, ScreenPixels(button->Handle()), button->Width()), "")
            << button->Name();
    }
}
