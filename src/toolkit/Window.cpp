#include "toolkit/Window.h"

#include <algorithm>
#include <cstring>
#include <set>

#include "support/Exception.h"
#include "toolkit/ErrorReport.h"
#include "toolkit/Fonts.h"
#include "toolkit/Menus.h"
#include "toolkit/SystemWindows.h"

namespace {

bool IsOwnClass(const char* className) {
    return std::strncmp(className, "Corvix", 6) == 0;
}

} // namespace

TWindow::~TWindow() {
    for (TWindow* child : children_)
        child->parentWindow_ = nullptr;
    if (parentWindow_) {
        auto& siblings = parentWindow_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    DestroyHandle();
}

void TWindow::RegisterOwnClass(const char* className) {
    static std::set<std::string> registered;
    if (!registered.insert(className).second)
        return;
    // The program's icon (resource 1), when present.
    RegisterWindowClass(className, Trampoline, CS_DBLCLKS, LoadProgramIcon(1),
                        SystemCursor(IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
}

void TWindow::CreateHandle(const TCreateParams& p) {
    name_ = p.name;
    const bool own = IsOwnClass(p.className);
    if (own)
        RegisterOwnClass(p.className);
    const int x = p.useDefaultPosition ? CW_USEDEFAULT : p.bounds.left;
    const int y = p.useDefaultPosition ? CW_USEDEFAULT : p.bounds.top;
    HMENU menuOrId =
        (p.style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(p.id)) : nullptr;
    HWND hwnd = CreateWindowOf(p.exStyle, p.className, p.caption, p.style, x, y, p.bounds.width,
                               p.bounds.height, p.parent, menuOrId, own ? this : nullptr);
    if (!hwnd)
        throw Exception("Fenster " + p.name + " kann nicht erzeugt werden");
    if (!own)
        Subclass(hwnd);
    SendWindowMessage(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultFont()), FALSE);
    if (TWindow* parent = (p.style & WS_CHILD) ? FromHandle(p.parent) : nullptr) {
        parentWindow_ = parent;
        parent->children_.push_back(this);
    }
}

void TWindow::Subclass(HWND hwnd) {
    hwnd_ = hwnd;
    SetWindowLongPtrOf(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    defaultProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrOf(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Trampoline)));
}

void TWindow::DestroyHandle() {
    if (!hwnd_)
        return;
    HWND hwnd = hwnd_;
    Detach();
    if (IsWindow(hwnd))
        DestroyWindow(hwnd);
}

// Cuts the tie between the window and this object: later messages go to the
// window's own procedure only.
void TWindow::Detach() {
    if (!hwnd_)
        return;
    if (IsWindow(hwnd_) && FromHandle(hwnd_) == this) {
        SetWindowLongPtrOf(hwnd_, GWLP_USERDATA, 0);
        if (defaultProc_)
            SetWindowLongPtrOf(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(defaultProc_));
    }
    hwnd_ = nullptr;
}

TWindow* TWindow::FromHandle(HWND hwnd) {
    if (!hwnd)
        return nullptr;
    if (reinterpret_cast<WNDPROC>(WindowLongPtr(hwnd, GWLP_WNDPROC)) != &Trampoline)
        return nullptr;
    return reinterpret_cast<TWindow*>(WindowLongPtr(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK TWindow::Trampoline(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TWindow*>(WindowLongPtr(hwnd, GWLP_USERDATA));
    if (!self && msg == WM_NCCREATE) {
        // lpCreateParams is at the same place in CREATESTRUCTA and CREATESTRUCTW.
        self = static_cast<TWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (self) {
            self->hwnd_ = hwnd;
            self->defaultProc_ = nullptr; // the system's default procedure
            SetWindowLongPtrOf(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    }
    if (!self)
        return DefaultWindowProc(hwnd, msg, wParam, lParam);
    LRESULT result = 0;
    try {
        result = self->OnMessage(msg, wParam, lParam);
    } catch (...) {
        ReportException();
    }
    if (msg == WM_NCDESTROY)
        self->hwnd_ = nullptr;
    return result;
}

LRESULT TWindow::DefaultMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (defaultProc_)
        return CallWindowProcOf(defaultProc_, hwnd_, msg, wParam, lParam);
    return DefaultWindowProc(hwnd_, msg, wParam, lParam);
}

LRESULT TWindow::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
        if (TWindow* child = FromHandle(reinterpret_cast<HWND>(lParam)))
            if (child->OnCommand(HIWORD(wParam), LOWORD(wParam)))
                return 0;
        break;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        LRESULT result = 0;
        if (TWindow* child = FromHandle(header->hwndFrom))
            if (child->OnNotify(*header, result))
                return result;
        break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        if (TWindow* child = FromHandle(reinterpret_cast<HWND>(lParam)))
            if (HBRUSH brush = child->OnCtlColor(reinterpret_cast<HDC>(wParam)))
                return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_SETCURSOR:
        if (TWindow* target = FromHandle(reinterpret_cast<HWND>(wParam)))
            if (target->cursor_ && LOWORD(lParam) == HTCLIENT) {
                ::SetCursor(target->cursor_);
                return TRUE;
            }
        break;
    case WM_CONTEXTMENU:
        if (popupMenu_ && reinterpret_cast<HWND>(wParam) == hwnd_) {
            POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (at.x == -1 && at.y == -1) { // from the keyboard: at the window's corner
                at = {0, 0};
                ClientToScreen(hwnd_, &at);
            }
            popupMenu_->Popup(hwnd_, at);
            return 0;
        }
        break;
    case WM_SIZE: {
        LRESULT result = DefaultMessage(msg, wParam, lParam);
        Realign();
        if (onResize)
            onResize();
        return result;
    }
    default:
        break;
    }
    return DefaultMessage(msg, wParam, lParam);
}

bool TWindow::PreTranslateMessage(MSG&) {
    return false;
}

bool TWindow::OnCommand(WORD, WORD) {
    return false;
}
bool TWindow::OnNotify(NMHDR&, LRESULT&) {
    return false;
}
HBRUSH TWindow::OnCtlColor(HDC) {
    return nullptr;
}

RECT TWindow::AlignRect() const {
    RECT r = {0, 0, 0, 0};
    GetClientRect(hwnd_, &r);
    return r;
}

void TWindow::Realign() {
    if (!hwnd_ || aligning_)
        return;
    aligning_ = true;
    RECT r = AlignRect();
    for (TAlign pass : {TAlign::Top, TAlign::Bottom, TAlign::Left, TAlign::Right, TAlign::Client}) {
        for (TWindow* child : children_) {
            if (child->align_ != pass || !child->Visible())
                continue;
            TBounds b = child->Bounds();
            const int w = r.right - r.left, h = r.bottom - r.top;
            switch (pass) {
            case TAlign::Top:
                b = {r.left, r.top, w, b.height};
                r.top += b.height;
                break;
            case TAlign::Bottom:
                b = {r.left, r.bottom - b.height, w, b.height};
                r.bottom -= b.height;
                break;
            case TAlign::Left:
                b = {r.left, r.top, b.width, h};
                r.left += b.width;
                break;
            case TAlign::Right:
                b = {r.right - b.width, r.top, b.width, h};
                r.right -= b.width;
                break;
            default:
                b = {r.left, r.top, std::max(w, 0), std::max(h, 0)};
                break;
            }
            if (b != child->Bounds())
                child->MoveTo(b);
        }
    }
    aligning_ = false;
}

void TWindow::MoveTo(const TBounds& b) {
    // The window is painted afresh instead of having its old pixels copied:
    // when several siblings move in one layout pass, the pixels at a
    // control's old place may already show a sibling that moved there.
    SetWindowPos(hwnd_, nullptr, b.left, b.top, b.width, b.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

TWindow* TWindow::Parent() const {
    return parentWindow_;
}

TBounds TWindow::Bounds() const {
    RECT r = {0, 0, 0, 0};
    GetWindowRect(hwnd_, &r);
    if (WindowStyle(hwnd_) & WS_CHILD)
        MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void TWindow::SetBounds(const TBounds& b) {
    if (b == Bounds())
        return;
    MoveTo(b);
    if (align_ != TAlign::None && parentWindow_)
        parentWindow_->Realign();
}

void TWindow::SetLeft(int v) {
    TBounds b = Bounds();
    b.left = v;
    SetBounds(b);
}
void TWindow::SetTop(int v) {
    TBounds b = Bounds();
    b.top = v;
    SetBounds(b);
}
void TWindow::SetWidth(int v) {
    TBounds b = Bounds();
    b.width = v;
    SetBounds(b);
}
void TWindow::SetHeight(int v) {
    TBounds b = Bounds();
    b.height = v;
    SetBounds(b);
}

int TWindow::ClientWidth() const {
    RECT r = {0, 0, 0, 0};
    GetClientRect(hwnd_, &r);
    return r.right;
}
int TWindow::ClientHeight() const {
    RECT r = {0, 0, 0, 0};
    GetClientRect(hwnd_, &r);
    return r.bottom;
}

bool TWindow::Visible() const {
    return (WindowStyle(hwnd_) & WS_VISIBLE) != 0;
}

void TWindow::SetVisible(bool visible) {
    if (visible == Visible())
        return;
    ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
    if (align_ != TAlign::None && parentWindow_)
        parentWindow_->Realign();
}

bool TWindow::Enabled() const {
    return IsWindowEnabled(hwnd_) != FALSE;
}
void TWindow::SetEnabled(bool enabled) {
    EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

std::string TWindow::Text() const {
    return ReadWindowText(hwnd_);
}

void TWindow::SetText(const std::string& text) {
    WriteWindowText(hwnd_, text);
}

std::string TWindow::HintAt(POINT) const {
    return hint_;
}

void TWindow::SetAlign(TAlign align) {
    align_ = align;
    if (parentWindow_)
        parentWindow_->Realign();
}

void TWindow::SetFocus() {
    ::SetFocus(hwnd_);
}
bool TWindow::Focused() const {
    return hwnd_ && GetFocus() == hwnd_;
}

HFONT TWindow::Font() const {
    return font_ ? font_.Get() : DefaultFont();
}

int TWindow::FontSize() const {
    return fontSize_ > 0 ? fontSize_ : kDefaultFontSize;
}

void TWindow::SetFontStyle(bool bold, int pointSize) {
    fontBold_ = bold;
    fontSize_ = pointSize;
    font_ = MakeFont(bold, FontSize());
    SendWindowMessage(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
    FontChanged();
}
