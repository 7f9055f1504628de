#include "toolkit/ListControls.h"

#include "support/StringList.h"
#include "toolkit/DesignScale.h"
#include "toolkit/Fonts.h"
#include "toolkit/SystemFunctions.h"
#include "toolkit/SystemWindows.h"

namespace {

const TListMessages kListBoxMessages = {
    LB_ADDSTRING,  LB_INSERTSTRING,    LB_DELETESTRING, LB_RESETCONTENT, LB_GETCOUNT, LB_GETTEXT,
    LB_GETTEXTLEN, LB_FINDSTRINGEXACT, LB_INITSTORAGE,  LB_ERR,          LBS_SORT};
const TListMessages kComboBoxMessages = {
    CB_ADDSTRING,   CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT,
    CB_GETCOUNT,    CB_GETLBTEXT,    CB_GETLBTEXTLEN, CB_FINDSTRINGEXACT,
    CB_INITSTORAGE, CB_ERR,          CBS_SORT};

// Holds a window's redrawing off for a bulk change.
class TRedrawLock {
public:
    explicit TRedrawLock(HWND hwnd) : hwnd_(hwnd) {
        SendWindowMessage(hwnd_, WM_SETREDRAW, FALSE, 0);
    }
    ~TRedrawLock() {
        SendWindowMessage(hwnd_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(hwnd_, nullptr, TRUE);
    }
    TRedrawLock(const TRedrawLock&) = delete;
    TRedrawLock& operator=(const TRedrawLock&) = delete;

private:
    HWND hwnd_;
};

} // namespace

// --- TItems

int TItems::Count() const {
    LRESULT n = SendWindowMessage(hwnd_, m_.getCount, 0, 0);
    return n == m_.error ? 0 : static_cast<int>(n);
}

std::string TItems::operator[](int index) const {
    return ReadItemText(hwnd_, m_.getTextLen, m_.getText, static_cast<WPARAM>(index), m_.error);
}

int TItems::Add(const std::string& text) {
    return static_cast<int>(SendTextMessage(hwnd_, m_.addString, 0, text));
}

void TItems::Insert(int index, const std::string& text) {
    SendTextMessage(hwnd_, m_.insertString, static_cast<WPARAM>(index), text);
}

void TItems::Delete(int index) {
    SendWindowMessage(hwnd_, m_.deleteString, index, 0);
}
void TItems::Clear() {
    SendWindowMessage(hwnd_, m_.resetContent, 0, 0);
}

int TItems::IndexOf(const std::string& text) const {
    // Wine's controls never find the empty text (the class view lists the
    // empty class name); it is looked for entry by entry.
    if (text.empty()) {
        const int n = Count();
        for (int i = 0; i < n; ++i)
            if (SendWindowMessage(hwnd_, m_.getTextLen, i, 0) == 0)
                return i;
        return -1;
    }
    // The control compares as SameText does (ignoring case, in the user's
    // locale), and a sorted one searches binary; one message instead of
    // reading every entry.
    const LRESULT i = SendTextMessage(hwnd_, m_.findStringExact, WPARAM(-1), text);
    return i == m_.error || i < 0 ? -1 : static_cast<int>(i);
}

void TItems::Assign(const TStringList& list) {
    TRedrawLock lock(hwnd_);
    Clear();
    size_t bytes = 0;
    for (const std::string& s : list)
        bytes += s.size() + 1;
    SendWindowMessage(hwnd_, m_.initStorage, list.Count(), static_cast<LPARAM>(bytes));
    // Adding to a sorted control searches each entry's place; inserting at
    // the end does not sort, which is right for a list in the control's
    // order. Equal neighbours keep the control's own placing.
    const bool sorted = (WindowStyle(hwnd_) & m_.sortStyle) != 0;
    if (sorted && list.InStrictOrder()) {
        for (const std::string& s : list)
            Insert(-1, s);
    } else {
        for (const std::string& s : list)
            Add(s);
    }
}

std::vector<std::string> TItems::ToVector() const {
    std::vector<std::string> result;
    const int n = Count();
    for (int i = 0; i < n; ++i)
        result.push_back((*this)[i]);
    return result;
}

// --- TListBox

TCreateParams TListBox::KindParams() const {
    return {"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
            WS_EX_CLIENTEDGE};
}

TItems TListBox::Items() const {
    return TItems(Handle(), kListBoxMessages);
}

int TListBox::ItemIndex() const {
    LRESULT i = SendWindowMessage(Handle(), LB_GETCURSEL, 0, 0);
    return i == LB_ERR ? -1 : static_cast<int>(i);
}

void TListBox::SetItemIndex(int index) {
    SendWindowMessage(Handle(), LB_SETCURSEL, index, 0);
}

bool TListBox::OnCommand(WORD code, WORD) {
    if (code == LBN_SELCHANGE && onClick)
        onClick();
    else if (code == LBN_DBLCLK && onDblClick)
        onDblClick();
    else
        return false;
    return true;
}

LRESULT TListBox::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CHAR && wParam >= ' ') {
        const std::string letter = typedChars_.Take(wParam);
        if (!letter.empty())
            TypeAhead(letter);
        return 0;
    }
    return TControl::OnMessage(msg, wParam, lParam);
}

void TListBox::TypeAhead(const std::string& letter) {
    // Letters further apart than this start a new search.
    const DWORD kPause = 1000;
    const DWORD now = GetTickCount();
    if (now - typedAt_ > kPause)
        typed_.clear();
    typedAt_ = now;
    typed_ += letter;
    // The same letter again steps on from the selected item; more letters
    // search on from it, the selected item included.
    const std::string first = typed_.substr(0, NextUtf8Pos(typed_, 0));
    bool repeated = true;
    for (size_t at = 0; repeated && at < typed_.size(); at += first.size())
        repeated = typed_.compare(at, first.size(), first) == 0;
    const std::string prefix = repeated ? first : typed_;
    const int current = ItemIndex();
    const WPARAM after = static_cast<WPARAM>(repeated || current < 0 ? current : current - 1);
    // LB_FINDSTRING: the first item beginning with the text, ignoring case,
    // after the one given and round to it again.
    const LRESULT found = SendTextMessage(Handle(), LB_FINDSTRING, after, prefix);
    if (found == LB_ERR || found == current)
        return;
    SetItemIndex(static_cast<int>(found));
    if (onClick)
        onClick();
}

// --- TComboBox

// The edit field inside the combo box, watched for double clicks.
class TComboBox::TEditPart : public TWindow {
public:
    TEditPart(HWND edit, TComboBox& owner) : owner_(owner) { Subclass(edit); }
    ~TEditPart() override { Detach(); }

protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        LRESULT result = TWindow::OnMessage(msg, wParam, lParam);
        if (msg == WM_LBUTTONDBLCLK && owner_.onDblClick)
            owner_.onDblClick();
        return result;
    }

private:
    TComboBox& owner_;
};

TComboBox::TComboBox(TComboStyle style) : style_(style) {}
TComboBox::~TComboBox() = default;

TCreateParams TComboBox::KindParams() const {
    switch (style_) {
    case TComboStyle::DropDownList:
        return {"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP};
    case TComboStyle::Simple:
        return {"COMBOBOX", CBS_SIMPLE | CBS_AUTOHSCROLL | WS_TABSTOP};
    default:
        return {"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP};
    }
}

void TComboBox::AfterCreate() {
    // The height given at creation is the closed box; a drop-down list takes
    // its height from a larger one, set once here (eight entries). A simple
    // combo box keeps it: its list would show below the edit field.
    if (style_ != TComboStyle::Simple) {
        TBounds b = Bounds();
        const int itemHeight =
            static_cast<int>(SendWindowMessage(Handle(), CB_GETITEMHEIGHT, 0, 0));
        SetWindowPos(Handle(), nullptr, 0, 0, b.width, b.height + 8 * itemHeight + 2,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // A list-only box has no edit field.
    if (style_ != TComboStyle::DropDownList)
        if (const HWND edit = ComboBoxEdit(Handle()))
            edit_ = std::make_unique<TEditPart>(edit, *this);
}

TItems TComboBox::Items() const {
    return TItems(Handle(), kComboBoxMessages);
}

int TComboBox::ItemIndex() const {
    LRESULT i = SendWindowMessage(Handle(), CB_GETCURSEL, 0, 0);
    return i == CB_ERR ? -1 : static_cast<int>(i);
}

void TComboBox::SetItemIndex(int index) {
    SendWindowMessage(Handle(), CB_SETCURSEL, index, 0);
}

bool TComboBox::OnCommand(WORD code, WORD) {
    if (code == CBN_SELCHANGE) {
        // The edit field still shows the old text here; show the chosen entry first.
        const int index = ItemIndex();
        if (index >= 0)
            TWindow::SetText(Items()[index]);
        if (onChange)
            onChange();
        return true;
    }
    if (code == CBN_EDITCHANGE) {
        if (onChange)
            onChange();
        return true;
    }
    return false;
}

// --- TRadioGroup

void TRadioGroup::SetItems(const std::vector<std::string>& items) {
    for (HWND b : buttons_)
        DestroyWindow(b);
    buttons_.clear();
    items_ = items;
    itemIndex_ = -1;
    for (size_t i = 0; i < items_.size(); ++i) {
        HWND b = CreateWindowOf(0, "BUTTON", items_[i],
                                WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON | (i == 0 ? WS_TABSTOP : 0),
                                0, 0, 0, 0, Handle(), reinterpret_cast<HMENU>(i + 1), nullptr);
        SendWindowMessage(b, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultFont()), FALSE);
        buttons_.push_back(b);
    }
    ArrangeButtons();
}

void TRadioGroup::SetItemIndex(int index) {
    itemIndex_ = index >= 0 && index < static_cast<int>(buttons_.size()) ? index : -1;
    for (size_t i = 0; i < buttons_.size(); ++i)
        SendWindowMessage(buttons_[i], BM_SETCHECK,
                          static_cast<int>(i) == itemIndex_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

// One column: the buttons share the height below the caption evenly.
void TRadioGroup::ArrangeButtons() {
    if (buttons_.empty())
        return;
    HDC dc = GetDC(Handle());
    HGDIOBJ old = SelectObject(dc, DefaultFont());
    const int textHeight = TextHeightOf(dc);
    SelectObject(dc, old);
    ReleaseDC(Handle(), dc);
    const int count = static_cast<int>(buttons_.size());
    const int room = Height() - textHeight - Scaled(5);
    const int buttonHeight = room / count;
    const int topMargin = textHeight + Scaled(1) + (room % count) / 2;
    const int left = Scaled(8);
    for (int i = 0; i < count; ++i)
        MoveWindow(buttons_[i], left, topMargin + i * buttonHeight, Width() - Scaled(10) - left,
                   buttonHeight, TRUE);
}

LRESULT TRadioGroup::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        const int index = static_cast<int>(LOWORD(wParam)) - 1;
        if (index >= 0 && index < static_cast<int>(buttons_.size()) &&
            reinterpret_cast<HWND>(lParam) == buttons_[index]) {
            SetItemIndex(index);
            if (onClick)
                onClick();
            return 0;
        }
    }
    LRESULT result = TGroupBox::OnMessage(msg, wParam, lParam);
    if (msg == WM_SIZE)
        ArrangeButtons();
    return result;
}
