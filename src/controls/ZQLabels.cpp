#include "controls/ZQLabels.h"

#include <algorithm>
#include <cstring>

#include "association/RegisteredProgram.h"
#include "support/Exception.h"
#include "toolkit/Application.h"
#include "toolkit/Fonts.h"
#include "toolkit/SystemFunctions.h"
#include "toolkit/SystemShell.h"
#include "toolkit/SystemWindows.h"

std::vector<TTextCopy> TextCopiesOf(TZQTextStyle style, int shadowIndent) {
    using C = TCopyColor;
    switch (style) {
    case tsRaised:
        return {{C::Light, -1}, {C::Text, 0}};
    case tsHeavyRaised:
        return {{C::Shadow, 1}, {C::Light, -1}, {C::Text, 0}};
    case tsLowered:
        return {{C::Light, 1}, {C::Text, 0}};
    case tsHeavyLowered:
        return {{C::Light, 1}, {C::Shadow, -1}, {C::Text, 0}};
    case tsShadow:
        return {{C::Shadow, shadowIndent}, {C::Text, 0}};
    default:
        return {{C::Text, 0}};
    }
}

UINT LabelDrawFlags(const TLabelTextOptions& o) {
    UINT flags = DT_EXPANDTABS;
    switch (o.alignment) {
    case TTextAlignment::Right:
        flags |= DT_RIGHT;
        break;
    case TTextAlignment::Center:
        flags |= DT_CENTER;
        break;
    default:
        flags |= DT_LEFT;
        break;
    }
    if (o.wordWrap)
        flags |= DT_WORDBREAK;
    if (!o.showAccelChar)
        flags |= DT_NOPREFIX;
    if (o.ellipses == esEnd)
        flags |= DT_END_ELLIPSIS;
    else if (o.ellipses == esPath)
        flags |= DT_PATH_ELLIPSIS;
    if (o.layout == TTextLayout::Center)
        flags |= DT_SINGLELINE | DT_VCENTER;
    else if (o.layout == TTextLayout::Bottom)
        flags |= DT_SINGLELINE | DT_BOTTOM;
    return flags;
}

TZQMouseState LabelMouseState(bool hovering, bool released) {
    if (!hovering)
        return TZQMouseState::Normal;
    return released ? TZQMouseState::Hover : TZQMouseState::Down;
}

// --- TZQCustomLabel

TZQCustomLabel::TZQCustomLabel() : fontColor_(textColors_.Colors().Color()) {
    textColors_.onChange = [this] {
        fontColor_ = textColors_.Colors().Color();
        Repaint();
    };
}

TCreateParams TZQCustomLabel::KindParams() const {
    return {"CorvixZQLabel"};
}

void TZQCustomLabel::AfterCreate() {
    AdjustBounds();
}

void TZQCustomLabel::FontChanged() {
    AdjustBounds();
    Repaint();
}

void TZQCustomLabel::Repaint() {
    if (Handle())
        InvalidateRect(Handle(), nullptr, TRUE);
}

void TZQCustomLabel::SetText(const std::string& text) {
    TControl::SetText(text);
    Repaint();
    AdjustBounds();
}

void TZQCustomLabel::SetAutoSize(bool value) {
    if (value == autoSize_)
        return;
    autoSize_ = value;
    AdjustBounds();
}

void TZQCustomLabel::SetBevel(TZQBevel value) {
    if (value == bevel_)
        return;
    bevel_ = value;
    Repaint();
}

void TZQCustomLabel::SetBorder(TZQBorder value) {
    if (value == border_)
        return;
    border_ = value;
    Repaint();
}

void TZQCustomLabel::SetEllipsesStyle(TEllipsesStyle value) {
    if (value == ellipses_)
        return;
    // A label that grows with its text never needs an ellipsis.
    if (value != esNone)
        SetAutoSize(false);
    ellipses_ = value;
    options_.ellipses = value;
    Repaint();
}

void TZQCustomLabel::SetShadowIndent(int value) {
    if (value == shadowIndent_)
        return;
    shadowIndent_ = value;
    Repaint();
    AdjustBounds(); // copies further right need room
}

void TZQCustomLabel::SetTextStyle(TZQTextStyle value) {
    if (value == textStyle_)
        return;
    textStyle_ = value;
    Repaint();
    AdjustBounds(); // copies further right need room
}

void TZQCustomLabel::SetTransparent(bool value) {
    if (value == transparent_)
        return;
    transparent_ = value;
    Repaint();
}

void TZQCustomLabel::SetWordWrap(bool value) {
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    options_.wordWrap = value;
    AdjustBounds();
    Repaint();
}

void TZQCustomLabel::SetAlignment(TTextAlignment value) {
    options_.alignment = value;
    Repaint();
}

void TZQCustomLabel::SetLayout(TTextLayout value) {
    options_.layout = value;
    Repaint();
}

void TZQCustomLabel::SetShowAccelChar(bool value) {
    options_.showAccelChar = value;
    AdjustBounds();
    Repaint();
}

void TZQCustomLabel::SetColor(COLORREF value) {
    color_ = value;
    Repaint();
}

void TZQCustomLabel::SetTextColors(const TZQTextColors& value) {
    textColors_.Assign(value); // notifies: font colour and repaint
}

void TZQCustomLabel::AdjustBounds() {
    if (!autoSize_ || !Handle())
        return;
    std::string text = Text();
    if (text.empty() || (options_.showAccelChar && text == "&"))
        text += " ";
    // As wide as the drawing reaches, not just as the text measures, and the
    // copies of the text style that are drawn further right with it.
    const SIZE size = DrawnTextSize(text, wordWrap_ ? Width() : 0,
                                    DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0) |
                                        (options_.showAccelChar ? 0 : DT_NOPREFIX),
                                    Font());
    int shifted = 0;
    for (const TTextCopy& copy : TextCopiesOf(textStyle_, shadowIndent_))
        shifted = std::max(shifted, copy.offset);
    const int frame = (border_ != bsNone ? 1 : 0) + (bevel_ != bvNone ? 1 : 0);
    TBounds b = Bounds();
    const int right = b.Right();
    b.width = size.cx + shifted + frame;
    b.height = size.cy + frame;
    if (options_.alignment == TTextAlignment::Right)
        b.left = right - b.width;
    SetBounds(b);
}

void TZQCustomLabel::Paint(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    // A child window can't show its parent through; a transparent label
    // shows the dialog colour its parents are painted in.
    const COLORREF back =
        transparent_ || color_ == CLR_DEFAULT ? GetSysColor(COLOR_BTNFACE) : color_;
    TBrushHandle brush(CreateSolidBrush(back));
    FillRect(dc, &client, brush.Get());

    RECT r = client;
    if (bevel_ != bvNone) {
        const COLORREF topLeft =
            GetSysColor(bevel_ == bvLowered ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT);
        const COLORREF bottomRight =
            GetSysColor(bevel_ == bvLowered ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW);
        TBrushHandle tl(CreateSolidBrush(topLeft)), br(CreateSolidBrush(bottomRight));
        RECT top = {r.left, r.top, r.right, r.top + 1},
             left = {r.left, r.top, r.left + 1, r.bottom};
        RECT bottom = {r.left, r.bottom - 1, r.right, r.bottom};
        RECT right = {r.right - 1, r.top, r.right, r.bottom};
        FillRect(dc, &top, tl.Get());
        FillRect(dc, &left, tl.Get());
        FillRect(dc, &bottom, br.Get());
        FillRect(dc, &right, br.Get());
        InflateRect(&r, -1, -1);
    }
    if (border_ == bsSingle)
        FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));

    const TZQMouseState state = LabelMouseState(hovering_, released_);
    const std::string text = Text();
    HGDIOBJ oldFont = SelectObject(dc, Font());
    SetBkMode(dc, TRANSPARENT);
    const UINT flags = LabelDrawFlags(options_);
    for (const TTextCopy& copy : TextCopiesOf(textStyle_, shadowIndent_)) {
        COLORREF color;
        switch (copy.color) {
        case TCopyColor::Light:
            color = textColors_.LightColors().ColorOf(state);
            break;
        case TCopyColor::Shadow:
            color = textColors_.ShadowColors().ColorOf(state);
            break;
        default:
            color = Enabled() ? textColors_.Colors().ColorOf(state) : textColors_.DisabledColor();
            break;
        }
        RECT at = client;
        OffsetRect(&at, copy.offset, copy.offset);
        SetTextColor(dc, color);
        DrawTextOf(dc, text, at, flags);
    }
    SelectObject(dc, oldFont);
}

LRESULT TZQCustomLabel::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        Paint(dc);
        EndPaint(Handle(), &ps);
        // The caption may have changed without SetText (WM_SETTEXT from
        // outside) or the font without FontChanged: fitted after each paint.
        AdjustBounds();
        return 0;
    }
    case WM_ERASEBKGND:
        return 1; // Paint fills the whole label
    case WM_ENABLE:
        Repaint();
        break;
    case WM_MOUSEMOVE:
        if (!hovering_) {
            // Ask for WM_MOUSELEAVE, so that leaving the label is seen.
            TrackMouseLeave(Handle());
            MouseEnter();
        }
        return 0;
    case WM_MOUSELEAVE:
        MouseLeave();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        if (msg == WM_LBUTTONDOWN)
            SetCapture(Handle());
        MouseDown(msg == WM_LBUTTONDOWN);
        return 0;
    case WM_LBUTTONUP: {
        POINT p = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        RECT client;
        GetClientRect(Handle(), &client);
        if (GetCapture() == Handle())
            ReleaseCapture();
        MouseUp(true, PtInRect(&client, p) != FALSE);
        return 0;
    }
    default:
        break;
    }
    return TControl::OnMessage(msg, wParam, lParam);
}

void TZQCustomLabel::MouseEnter() {
    hovering_ = true;
    if (onMouseEnter)
        onMouseEnter();
    else
        Repaint();
}

void TZQCustomLabel::MouseLeave() {
    hovering_ = false;
    if (onMouseLeave)
        onMouseLeave();
    else
        Repaint();
}

void TZQCustomLabel::MouseDown(bool left) {
    if (released_)
        Repaint();
    if (left)
        released_ = false;
}

void TZQCustomLabel::MouseUp(bool left, bool inside) {
    if (!released_) {
        released_ = true;
        Repaint();
    }
    if (left && inside && onClick)
        onClick();
}

// --- TZQUrlLabel

const char* const LinkPrefixes[10] = {"http://", "ftp://",     "file://",   "mailto:",
                                      "news:",   "nntp://",    "telnet://", "gopher://",
                                      "wais://", "prospero://"};

namespace {

bool ShellOpenDefault(const std::string& file, const std::string& parameters) {
    return ShellExecuteOf(nullptr, "open", file, parameters) > 32;
}

TShellOpen& ShellOpener() {
    static TShellOpen opener;
    return opener;
}

bool ShellOpen(const std::string& file, const std::string& parameters) {
    return ShellOpener() ? ShellOpener()(file, parameters) : ShellOpenDefault(file, parameters);
}

} // namespace

TShellOpen SetShellOpen(TShellOpen opener) {
    TShellOpen previous = std::move(ShellOpener());
    ShellOpener() = std::move(opener);
    return previous;
}

TZQUrlLabel::TZQUrlLabel() {
    TZQTextColors colors;
    colors.Colors().SetColor(RGB(0, 0, 255));
    colors.Colors().SetHoverColor(RGB(255, 0, 0));
    SetTextColors(colors);
    onClick = [this] { OpenLink(); };
    menu_.Build({
        {&OpenItem, 0, "OpenItem", "Link öffnen"},
        {&CopyItem, 0, "CopyItem", "Linkaddresse kopieren"},
    });
    OpenItem.onClick = [this] { OpenLink(); };
    CopyItem.onClick = [this] { CopyLink(); };
}

void TZQUrlLabel::AfterCreate() {
    TZQLabel::AfterCreate();
    SetPopupMenu(&menu_);
    // The hand pointer exists from Windows 2000 on; older systems show the arrow.
    HCURSOR hand = SystemCursor(IDC_HAND);
    SetCursor(hand ? hand : SystemCursor(IDC_ARROW));
}

void TZQUrlLabel::SetUrl(const std::string& value) {
    std::string url = value;
    if (url.compare(0, 4, "www.") == 0)
        url = "http://" + url;
    for (const char* prefix : LinkPrefixes)
        if (url.find(prefix) != std::string::npos) {
            url_ = url;
            return;
        }
    if (url != url_)
        throw ZQException("'" + value + "' is not a valid linkaddress.");
}

void TZQUrlLabel::OpenLink() {
    if (url_.empty())
        throw ZQException("'' is not a valid linkaddress.");
    if (newWindow_) {
        std::string program;
        GetRegisteredProgram(url_, program);
        if (!program.empty() && ShellOpen(program, url_))
            return;
    }
    // No program registered for the link's kind, or it would not start: the
    // shell picks one for the link itself.
    if (!ShellOpen(url_, ""))
        throw ZQException("'" + url_ + "' can't be opened.");
}

void TZQUrlLabel::CopyLink() {
    switch (PutTextOnClipboard(Handle(), url_)) {
    case TClipboardResult::NoClipboard:
        throw ZQException("The clipboard can't be opened.");
    case TClipboardResult::NotPlaced:
        throw ZQException("The link can't be copied to the clipboard.");
    default:
        break;
    }
}
