// Labels and link labels: the text styles and their copies, the drawing
// flags, the colour sets, mouse states, bounds and the link handling.
#include "UiTestSupport.h"
#include "controls/ZQLabels.h"
#include "support/ErrorOf.h"

namespace {

using C = TCopyColor;

class LabelForm : public TForm {
public:
    LabelForm() : TForm({"LabelForm", "Labels", 400, 200, TBorderStyle::Dialog}) {
        CreateControls({
            {&label, "label", "Some caption", {10, 10, 0, 13}},
            {&link, "link", "www.example.org", {10, 40, 0, 13}},
        });
    }
    TZQLabel label;
    TZQUrlLabel link;
};

// What the link label asked the shell to open.
class RecordedShell {
public:
    explicit RecordedShell(std::vector<bool> answers = {})
        : answers_(std::move(answers)),
          previous_(SetShellOpen([this](const std::string& file, const std::string& params) {
              opened.push_back(file + "|" + params);
              if (answers_.empty())
                  return true;
              const bool ok = answers_.front();
              answers_.erase(answers_.begin());
              return ok;
          })) {}
    ~RecordedShell() { SetShellOpen(previous_); }
    std::vector<std::string> opened;

private:
    std::vector<bool> answers_;
    TShellOpen previous_;
};

SIZE CaptionExtent(const TWindow& label, const std::string& text) {
    return Application.TextExtent(text, 0, false, label.Font());
}

} // namespace

TEST(Labels, TextStylesDrawTheirCopiesInOrder) {
    const struct {
        TZQTextStyle style;
        std::vector<TTextCopy> copies;
    } cases[] = {
        {tsNone, {{C::Text, 0}}},
        {tsRaised, {{C::Light, -1}, {C::Text, 0}}},
        {tsHeavyRaised, {{C::Shadow, 1}, {C::Light, -1}, {C::Text, 0}}},
        {tsLowered, {{C::Light, 1}, {C::Text, 0}}},
        {tsHeavyLowered, {{C::Light, 1}, {C::Shadow, -1}, {C::Text, 0}}},
        {tsShadow, {{C::Shadow, 3}, {C::Text, 0}}}, // the shadow indent, right and down
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextCopiesOf(c.style, 3), c.copies) << c.style;
    EXPECT_EQ(TextCopiesOf(tsShadow, 1)[0], (TTextCopy{C::Shadow, 1}));
}

TEST(Labels, DrawFlagsAndMouseStates) {
    const struct {
        TLabelTextOptions options;
        UINT flags;
    } cases[] = {
        {{}, DT_EXPANDTABS | DT_LEFT},
        {{TTextAlignment::Right, TTextLayout::Center, false, true, esEnd},
         DT_EXPANDTABS | DT_RIGHT | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS},
        {{TTextAlignment::Center, TTextLayout::Bottom, false, false, esPath},
         DT_EXPANDTABS | DT_CENTER | DT_SINGLELINE | DT_BOTTOM | DT_NOPREFIX | DT_PATH_ELLIPSIS},
        {{TTextAlignment::Left, TTextLayout::Top, true, true, esNone},
         DT_EXPANDTABS | DT_LEFT | DT_WORDBREAK},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LabelDrawFlags(c.options), c.flags);

    EXPECT_EQ(LabelMouseState(false, true), TZQMouseState::Normal);
    EXPECT_EQ(LabelMouseState(false, false), TZQMouseState::Normal);
    EXPECT_EQ(LabelMouseState(true, true), TZQMouseState::Hover);
    EXPECT_EQ(LabelMouseState(true, false), TZQMouseState::Down);
}

TEST(Labels, ColourSetsCopyAsAWholeAndNotify) {
    TZQMouseColors target(RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3));
    int changes = 0;
    target.onChange = [&] { ++changes; };
    // The source's down colour equals the target's hover colour.
    target.Assign(TZQMouseColors(RGB(9, 9, 9), RGB(8, 8, 8), RGB(2, 2, 2)));
    EXPECT_EQ(target.Color(), RGB(9, 9, 9));
    EXPECT_EQ(target.HoverColor(), RGB(8, 8, 8));
    EXPECT_EQ(target.DownColor(), RGB(2, 2, 2));
    EXPECT_EQ(changes, 1);
    target.SetHoverColor(RGB(8, 8, 8)); // unchanged: no notification
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(target.ColorOf(TZQMouseState::Down), RGB(2, 2, 2));

    TZQTextColors colors;
    EXPECT_EQ(colors.Colors().Color(), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(colors.LightColors().Color(), GetSysColor(COLOR_HIGHLIGHTTEXT));
    EXPECT_EQ(colors.ShadowColors().Color(), GetSysColor(COLOR_GRAYTEXT));
    EXPECT_EQ(colors.DisabledColor(), GetSysColor(COLOR_GRAYTEXT));
}

TEST(Labels, BoundsFollowTheCaptionUntilAnEllipsisIsChosen) {
    LabelForm form;
    TZQLabel& label = form.label;
    EXPECT_TRUE(label.AutoSize());
    EXPECT_EQ(label.TextStyle(), tsRaised);
    const SIZE size = CaptionExtent(label, "Some caption");
    EXPECT_EQ(label.Bounds(), (TBounds{10, 10, size.cx, size.cy}));
    // A border and a bevel add one pixel each.
    label.SetBorder(bsSingle);
    label.SetBevel(bvLowered);
    label.SetText("Some caption!");
    const SIZE longer = CaptionExtent(label, "Some caption!");
    EXPECT_EQ(label.Width(), longer.cx + 2);
    EXPECT_EQ(label.Height(), longer.cy + 2);
    // Right-aligned labels keep their right edge.
    label.SetAlignment(TTextAlignment::Right);
    const int right = label.Left() + label.Width();
    label.SetText("x");
    EXPECT_EQ(label.Left() + label.Width(), right);
    // An empty caption keeps the height of a line.
    label.SetText("");
    EXPECT_EQ(label.Height(), CaptionExtent(label, " ").cy + 2);

    // An ellipsis switches AutoSize off: a long caption keeps the width.
    label.SetText("short");
    const int width = label.Width();
    label.SetEllipsesStyle(esEnd);
    EXPECT_FALSE(label.AutoSize());
    label.SetText("A caption far too long for the label it is shown in");
    EXPECT_EQ(label.Width(), width);
    // A bigger font fits the bounds again.
    label.SetEllipsesStyle(esNone);
    label.SetAutoSize(true);
    const int normal = label.Height();
    label.SetFontStyle(true, 12);
    EXPECT_GT(label.Height(), normal);
    EXPECT_TRUE(label.FontBold());
    EXPECT_EQ(label.FontSize(), 12);
}

// A caption set behind the label's back (WM_SETTEXT from outside) is
// fitted when the label paints it; without AutoSize the bounds stay.
TEST(Labels, AnAutoSizedLabelFitsItsBoundsAfterPainting) {
    LabelForm form;
    form.Show();
    TZQLabel& label = form.label;
    const auto paint = [&](const char* caption) {
        SetWindowTextA(label.Handle(), caption);
        InvalidateRect(label.Handle(), nullptr, TRUE);
        UpdateWindow(label.Handle());
    };
    const char* longer = "A caption set from outside, longer than before";
    paint(longer);
    const SIZE size = CaptionExtent(label, longer);
    EXPECT_EQ(label.Bounds(), (TBounds{10, 10, size.cx, size.cy}));
    label.SetAutoSize(false);
    paint("short");
    EXPECT_EQ(label.Width(), size.cx);
}

TEST(Labels, MouseEnterLeavePressAndClick) {
    LabelForm form;
    TZQLabel& label = form.label;
    int clicks = 0, entered = 0;
    label.onClick = [&] { ++clicks; };
    SendMessageA(label.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EXPECT_TRUE(label.Hovering());
    SendMessageA(label.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_FALSE(label.Released());
    SendMessageA(label.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_TRUE(label.Released());
    EXPECT_EQ(clicks, 1);
    // Released outside the label: no click.
    SendMessageA(label.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(label.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(-50, 2));
    EXPECT_EQ(clicks, 1);
    // Leaving is seen; the right button does not press.
    SendMessageA(label.Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(label.Hovering());
    label.onMouseEnter = [&] { ++entered; };
    SendMessageA(label.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    SendMessageA(label.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 2));
    EXPECT_EQ(entered, 1);
    SendMessageA(label.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2));
    EXPECT_TRUE(label.Released());
    // Colours follow the text colour set.
    TZQTextColors colors;
    colors.Colors().SetColor(RGB(10, 20, 30));
    label.SetTextColors(colors);
    EXPECT_EQ(label.FontColor(), RGB(10, 20, 30));
}

TEST(Labels, LinkAddressesNeedOneOfTheTenPrefixes) {
    LabelForm form;
    TZQUrlLabel& link = form.link;
    EXPECT_EQ(link.TextColors().Colors().Color(), RGB(0, 0, 255));
    EXPECT_EQ(link.TextColors().Colors().HoverColor(), RGB(255, 0, 0));
    EXPECT_TRUE(link.NewWindow());
    const struct {
        const char* value;
        const char* stored; // null: refused
    } cases[] = {
        {"www.example.org", "http://www.example.org"},
        {"http://a", "http://a"},
        {"ftp://a", "ftp://a"},
        {"file://c:/x", "file://c:/x"},
        {"mailto:a@b", "mailto:a@b"},
        {"news:x", "news:x"},
        {"nntp://x", "nntp://x"},
        {"telnet://x", "telnet://x"},
        {"gopher://x", "gopher://x"},
        {"wais://x", "wais://x"},
        {"prospero://x", "prospero://x"},
        {"see http://x", "see http://x"}, // a prefix in the middle
        {"example.org", nullptr},
        {"HTTP://x", nullptr},
        {"mailto", nullptr},
    };
    for (const auto& c : cases) {
        link.SetUrl("http://before");
        if (c.stored) {
            link.SetUrl(c.value);
            EXPECT_EQ(link.Url(), c.stored) << c.value;
        } else {
            EXPECT_EQ(ErrorOf<ZQException>([&] { link.SetUrl(c.value); }),
                      std::string("'") + c.value + "' is not a valid linkaddress.");
            EXPECT_EQ(link.Url(), "http://before");
        }
    }
    // The same invalid value as the stored one passes silently.
    TZQUrlLabel fresh;
    fresh.SetUrl("");
    EXPECT_EQ(fresh.Url(), "");
}

using LinkLabelTest = RegistryTest;

TEST_F(LinkLabelTest, LinksOpenInTheRegisteredProgramOrThroughTheShell) {
    PutString("mailto\\shell\\open\\command", "", "\"C:\\Mail\\mail.exe\" /m \"%1\"");
    LabelForm form;
    TZQUrlLabel& link = form.link;
    {
        RecordedShell shell;
        link.SetUrl("mailto:someone@example.org");
        link.onClick(); // the click opens the link
        link.SetNewWindow(false);
        link.OpenItem.Click(); // so does "Link öffnen"
        link.SetNewWindow(true);
        link.SetUrl("http://www.example.org"); // no program registered for http
        link.OpenLink();
        EXPECT_EQ(shell.opened, (std::vector<std::string>{
                                    "C:\\Mail\\mail.exe|mailto:someone@example.org",
                                    "mailto:someone@example.org|", "http://www.example.org|"}));
    }
    {
        // The registered program does not start: the link itself is opened.
        RecordedShell shell({false, true});
        link.SetUrl("mailto:x@y");
        link.OpenLink();
        EXPECT_EQ(shell.opened.size(), 2u);
        EXPECT_EQ(shell.opened.back(), "mailto:x@y|");
    }
    {
        RecordedShell shell({false, false});
        EXPECT_EQ(ErrorOf<ZQException>([&] { link.OpenLink(); }), "'mailto:x@y' can't be opened.");
    }
    EXPECT_EQ(link.OpenItem.Caption(), "Link öffnen");
    EXPECT_EQ(link.CopyItem.Caption(), "Linkaddresse kopieren");
    EXPECT_EQ(std::string(link.OpenItem.Caption()).find("\xC3\xB6"), 5u); // UTF-8 ö
}

TEST(Labels, CopyingPutsTheLinkOnTheClipboard) {
    LabelForm form;
    form.link.SetUrl("http://www.example.org/copy");
    form.link.CopyItem.Click();
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_TEXT);
    std::string text = data ? static_cast<const char*>(GlobalLock(data)) : "";
    if (data)
        GlobalUnlock(data);
    CloseClipboard();
    EXPECT_EQ(text, "http://www.example.org/copy");
}
