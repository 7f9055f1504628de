#include "toolkit/Containers.h"

#include <algorithm>

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
    SendMessageA(Handle(), TCM_DELETEALLITEMS, 0, 0);
    for (size_t i = 0; i < captions.size(); ++i) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(captions[i].c_str());
        SendMessageA(Handle(), TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    Realign();
}

int TTabControl::TabCount() const {
    return static_cast<int>(SendMessageA(Handle(), TCM_GETITEMCOUNT, 0, 0));
}

std::string TTabControl::TabCaption(int index) const {
    char buffer[256] = "";
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    if (!SendMessageA(Handle(), TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item)))
        return std::string();
    return item.pszText ? item.pszText : "";
}

int TTabControl::TabIndex() const {
    return static_cast<int>(SendMessageA(Handle(), TCM_GETCURSEL, 0, 0));
}

void TTabControl::SetTabIndex(int index) {
    SendMessageA(Handle(), TCM_SETCURSEL, index, 0);
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
    SendMessageA(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
    return r;
}
