#include "toolkit/Containers.h"

#include <algorithm>

#include "toolkit/SystemWindows.h"

// --- TPanel

TCreateParams TPanel::KindParams() const {
    return {"CorvixPanel", WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT};
}

void TPanel::SetBevels(TBevelCut outer, TBevelCut inner) {
    outer_ = outer;
    inner_ = inner;
    if (Handle()) {
        InvalidateRect(Handle(), nullptr, TRUE);
        Realign();
    }
}

int TPanel::BevelSize() const {
    return (outer_ != TBevelCut::None ? 1 : 0) + (inner_ != TBevelCut::None ? 1 : 0);
}

RECT TPanel::AlignRect() const {
    RECT r = TControl::AlignRect();
    const int inset = BevelSize();
    InflateRect(&r, -inset, -inset);
    return r;
}

LRESULT TPanel::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        RECT r;
        GetClientRect(Handle(), &r);
        // One-pixel edges: the outer one first, the inner one inside it.
        for (TBevelCut cut : {outer_, inner_})
            if (cut != TBevelCut::None)
                DrawEdge(dc, &r, cut == TBevelCut::Raised ? BDR_RAISEDINNER : BDR_SUNKENOUTER,
                         BF_RECT | BF_ADJUST);
        EndPaint(Handle(), &ps);
        return 0;
    }
    if (msg == WM_SIZE)
        InvalidateRect(Handle(), nullptr, TRUE); // the bevels move with the edges
    return TControl::OnMessage(msg, wParam, lParam);
}

// --- TGroupBox

TCreateParams TGroupBox::KindParams() const {
    return {"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
}

LRESULT TGroupBox::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    // The system's group box paints only its frame and caption; the area
    // inside is filled here, since its parent clips its children out.
    if (msg == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(Handle(), &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, GetSysColorBrush(COLOR_BTNFACE));
        return TRUE;
    }
    return TControl::OnMessage(msg, wParam, lParam);
}

// --- TTabControl

TCreateParams TTabControl::KindParams() const {
    return {WC_TABCONTROLA, WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP, WS_EX_CONTROLPARENT};
}

void TTabControl::SetTabs(const std::vector<std::string>& captions) {
    SendWindowMessage(Handle(), TCM_DELETEALLITEMS, 0, 0);
    for (size_t i = 0; i < captions.size(); ++i) {
        if (WideSystem()) {
            WideString wide = WideFromUtf8(captions[i]);
            TCITEMW item = {};
            item.mask = TCIF_TEXT;
            item.pszText = &wide[0];
            SendWindowMessage(Handle(), TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
        } else {
            std::string ansi = AnsiFromUtf8(captions[i]);
            TCITEMA item = {};
            item.mask = TCIF_TEXT;
            item.pszText = &ansi[0];
            SendWindowMessage(Handle(), TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
        }
    }
    Realign();
}

int TTabControl::TabCount() const {
    return static_cast<int>(SendWindowMessage(Handle(), TCM_GETITEMCOUNT, 0, 0));
}

std::string TTabControl::TabCaption(int index) const {
    if (WideSystem()) {
        WCHAR buffer[256] = {};
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = buffer;
        item.cchTextMax = sizeof buffer / sizeof buffer[0];
        if (!SendWindowMessage(Handle(), TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item)))
            return std::string();
        return item.pszText ? Utf8FromWide(item.pszText) : std::string();
    }
    char buffer[256] = "";
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    if (!SendWindowMessage(Handle(), TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item)))
        return std::string();
    return item.pszText ? Utf8FromAnsi(item.pszText) : std::string();
}

int TTabControl::TabIndex() const {
    return static_cast<int>(SendWindowMessage(Handle(), TCM_GETCURSEL, 0, 0));
}

void TTabControl::SetTabIndex(int index) {
    SendWindowMessage(Handle(), TCM_SETCURSEL, index, 0);
}

bool TTabControl::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.code != static_cast<UINT>(TCN_SELCHANGE))
        return false;
    result = 0;
    if (onChange)
        onChange();
    return true;
}

RECT TTabControl::AlignRect() const {
    RECT r = TControl::AlignRect();
    SendWindowMessage(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
    return r;
}
