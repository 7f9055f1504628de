#include "toolkit/Controls.h"

#include "toolkit/DesignScale.h"
#include "toolkit/DialogRequest.h"
#include "toolkit/Fonts.h"
#include "toolkit/SystemFunctions.h"

namespace {

// Control ids only need to differ among siblings; one running number does.
UINT NextControlId() {
    static UINT id = 100;
    if (++id >= 0x8000)
        id = 101;
    return id;
}

} // namespace

void TControl::Create(const TControlRow& row) {
    TCreateParams p = KindParams();
    p.style |= WS_CHILD | WS_VISIBLE | row.style;
    p.name = row.name;
    p.caption = row.caption;
    p.bounds = Scaled(row.bounds);
    p.parent = row.parent ? row.parent->Handle() : nullptr;
    p.id = NextControlId();
    CreateHandle(p);
    SetHint(row.hint);
    AfterCreate();
    if (row.align != TAlign::None)
        SetAlign(row.align);
}

// --- TLabel

TCreateParams TLabel::KindParams() const {
    return TCreateParams("STATIC", SS_LEFT | (wordWrap_ ? 0 : SS_LEFTNOWORDWRAP));
}

void TLabel::SetText(const std::string& text) {
    TWindow::SetText(text);
    AdjustSize();
}

void TLabel::SetFontColor(COLORREF color) {
    color_ = color;
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TLabel::SetAutoSize(bool on) {
    autoSize_ = on;
    AdjustSize();
}

void TLabel::SetWordWrap(bool on) {
    wordWrap_ = on;
    LONG style = WindowStyle(Handle()) & ~SS_LEFTNOWORDWRAP;
    SetWindowStyle(Handle(), on ? style : style | SS_LEFTNOWORDWRAP);
    AdjustSize();
}

void TLabel::AdjustSize() {
    if (!autoSize_ || !Handle())
        return;
    const std::string text = Text();
    // An empty label keeps the height of one line, as a text would have.
    const SIZE size = TextExtent(text, wordWrap_ ? Width() : 0, wordWrap_, Font());
    TBounds b = Bounds();
    b.width = text.empty() && !wordWrap_ ? 0 : size.cx;
    b.height = size.cy;
    SetBounds(b);
}

HBRUSH TLabel::OnCtlColor(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color_ == CLR_DEFAULT ? GetSysColor(COLOR_WINDOWTEXT) : color_);
    return GetSysColorBrush(COLOR_BTNFACE);
}

// --- TButton

TCreateParams TButton::KindParams() const {
    return {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP};
}

bool TButton::OnCommand(WORD code, WORD) {
    if (code != BN_CLICKED)
        return false;
    // A disabled button is not pressed, also not by a click that the dialog
    // keys or another program report for it.
    if (Enabled())
        Click();
    return true;
}

void TButton::Click() {
    // The result is handed over first, so the form closes after the handler
    // also when the handler fails (its error box shown); a handler that
    // wants the form to stay open sets the form's result back to mrNone.
    if (modalResult_ != mrNone)
        SendWindowMessage(RootWindow(Handle()), CM_MODALRESULT, modalResult_, 0);
    if (onClick)
        onClick();
}

void TButton::SetDefault(bool on) {
    SendWindowMessage(Handle(), BM_SETSTYLE, on ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

// --- TCheckBox

TCreateParams TCheckBox::KindParams() const {
    return {"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP};
}

bool TCheckBox::Checked() const {
    return SendWindowMessage(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TCheckBox::SetChecked(bool checked) {
    if (checked == Checked())
        return;
    SendWindowMessage(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (onClick)
        onClick();
}

bool TCheckBox::OnCommand(WORD code, WORD) {
    if (code != BN_CLICKED)
        return false;
    if (onClick)
        onClick();
    return true;
}

// --- TEdit

TCreateParams TEdit::KindParams() const {
    return {"EDIT", ES_AUTOHSCROLL | ES_LEFT | WS_TABSTOP, WS_EX_CLIENTEDGE};
}

bool TEdit::ReadOnly() const {
    return (WindowStyle(Handle()) & ES_READONLY) != 0;
}
void TEdit::SetReadOnly(bool on) {
    SendWindowMessage(Handle(), EM_SETREADONLY, on ? TRUE : FALSE, 0);
}

void TEdit::SetColor(COLORREF color) {
    color_ = color;
    brush_.Reset(color == CLR_DEFAULT ? nullptr : CreateSolidBrush(color));
    InvalidateRect(Handle(), nullptr, TRUE);
}

bool TEdit::OnCommand(WORD code, WORD) {
    if (code != EN_CHANGE)
        return false;
    if (onChange)
        onChange();
    return true;
}

HBRUSH TEdit::OnCtlColor(HDC dc) {
    if (!brush_)
        return nullptr;
    SetBkColor(dc, color_);
    return brush_.Get();
}

// --- TBevel

TCreateParams TBevel::KindParams() const {
    return {"STATIC"};
}

void TBevel::AfterCreate() {
    // A row that names no shape of its own gets the frame.
    LONG style = WindowStyle(Handle());
    if ((style & SS_TYPEMASK) == 0)
        SetWindowStyle(Handle(), style | SS_ETCHEDFRAME);
}

// --- TImage

TCreateParams TImage::KindParams() const {
    // SS_CENTERIMAGE keeps the control's size instead of fitting it to the icon.
    return {"STATIC", SS_ICON | SS_CENTERIMAGE | SS_NOTIFY};
}

void TImage::SetIcon(TIconHandle icon) {
    SendWindowMessage(Handle(), STM_SETICON, reinterpret_cast<WPARAM>(icon.Get()), 0);
    icon_ = std::move(icon);
}

bool TImage::OnCommand(WORD code, WORD) {
    if (code != STN_CLICKED)
        return false;
    if (onClick)
        onClick();
    return true;
}

void CreateControlRows(std::initializer_list<TControlRow> rows) {
    for (const TControlRow& row : rows)
        row.control->Create(row);
}
