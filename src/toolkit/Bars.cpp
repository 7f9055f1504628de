#include "toolkit/Bars.h"

#include "toolkit/DesignScale.h"
#include "toolkit/SystemWindows.h"

namespace {

// The images of a strip in cells of `cell` pixels, each enlarged by
// `factor` (pixel blocks) and centred in its cell on the transparent colour:
// the cells grow with the screen like any design length, the pictures only
// by whole factors, so they stay sharp.
TBitmapHandle ScaledStrip(HBITMAP strip, SIZE image, SIZE cell, int factor, COLORREF transparent) {
    const int count = BitmapSizeOf(strip).cx / image.cx;
    HDC screen = GetDC(nullptr);
    TBitmapHandle scaled(CreateCompatibleBitmap(screen, count * cell.cx, cell.cy));
    HDC source = CreateCompatibleDC(screen);
    HDC target = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldSource = SelectObject(source, strip);
    HGDIOBJ oldTarget = SelectObject(target, scaled.Get());
    TBrushHandle background(CreateSolidBrush(transparent));
    const RECT all = {0, 0, count * cell.cx, cell.cy};
    FillRect(target, &all, background.Get());
    // COLORONCOLOR repeats pixels without blending them: hard edges.
    SetStretchBltMode(target, COLORONCOLOR);
    const int width = image.cx * factor, height = image.cy * factor;
    for (int i = 0; i < count; ++i)
        StretchBlt(target, i * cell.cx + (cell.cx - width) / 2, (cell.cy - height) / 2, width,
                   height, source, i * image.cx, 0, image.cx, image.cy, SRCCOPY);
    SelectObject(target, oldTarget);
    SelectObject(source, oldSource);
    DeleteDC(target);
    DeleteDC(source);
    return scaled;
}

} // namespace

// --- TStatusBar

TCreateParams TStatusBar::KindParams() const {
    return {STATUSCLASSNAMEA, SBARS_SIZEGRIP};
}

void TStatusBar::SetPanelWidths(const std::vector<int>& widths) {
    widths_ = widths;
    std::vector<int> edges;
    int right = 0;
    for (size_t i = 0; i < widths.size(); ++i) {
        right += widths[i];
        edges.push_back(i + 1 == widths.size() ? -1 : right);
    }
    SendWindowMessage(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

// The status bar's text messages have a code for each kind of text.
std::string TStatusBar::PanelText(int index) const {
    if (WideSystem()) {
        const LRESULT info = SendWindowMessage(Handle(), SB_GETTEXTLENGTHW, index, 0);
        WideString text(LOWORD(info) + 1u, L'\0');
        SendWindowMessage(Handle(), SB_GETTEXTW, index, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(LOWORD(info));
        return Utf8FromWide(text);
    }
    const LRESULT info = SendWindowMessage(Handle(), SB_GETTEXTLENGTHA, index, 0);
    std::string text(LOWORD(info) + 1u, '\0');
    SendWindowMessage(Handle(), SB_GETTEXTA, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(LOWORD(info));
    return Utf8FromAnsi(text);
}

void TStatusBar::SetPanelText(int index, const std::string& text) {
    if (WideSystem()) {
        const WideString wide = WideFromUtf8(text);
        SendWindowMessage(Handle(), SB_SETTEXTW, index, reinterpret_cast<LPARAM>(wide.c_str()));
        return;
    }
    const std::string ansi = AnsiFromUtf8(text);
    SendWindowMessage(Handle(), SB_SETTEXTA, index, reinterpret_cast<LPARAM>(ansi.c_str()));
}

// --- TToolButton

void TToolButton::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (bar_)
        SendWindowMessage(bar_->Handle(), TB_ENABLEBUTTON, id_,
                          MAKELONG(enabled ? TRUE : FALSE, 0));
}

void TToolButton::Click() {
    if (enabled_ && onClick)
        onClick();
}

// --- TToolBar

TCreateParams TToolBar::KindParams() const {
    // The bar is laid out by its parent like any aligned control.
    return {TOOLBARCLASSNAMEA, TBSTYLE_FLAT | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN};
}

void TToolBar::AfterCreate() {
    SendWindowMessage(Handle(), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
}

void TToolBar::SetImages(HBITMAP strip, int imageWidth, int imageHeight, COLORREF transparent) {
    const SIZE image = {imageWidth, imageHeight};
    const SIZE cell = {Scaled(imageWidth), Scaled(imageHeight)};
    SendWindowMessage(Handle(), TB_SETBITMAPSIZE, 0, MAKELONG(cell.cx, cell.cy));
    if (!strip || imageWidth <= 0 || imageHeight <= 0)
        return;
    TBitmapHandle scaled;
    if (cell.cx != imageWidth || cell.cy != imageHeight) {
        scaled = ScaledStrip(strip, image, cell, BitmapScale(), transparent);
        strip = scaled.Get();
    }
    const int count = BitmapSizeOf(strip).cx / cell.cx;
    images_.Reset(ImageList_Create(cell.cx, cell.cy, ILC_COLOR24 | ILC_MASK, count, 0));
    ImageList_AddMasked(images_.Get(), strip, transparent);
    SendWindowMessage(Handle(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_.Get()));
}

int TToolBar::ImageCount() const {
    return images_ ? ImageList_GetImageCount(images_.Get()) : 0;
}

void TToolBar::SetButtonSize(int width, int height) {
    SendWindowMessage(Handle(), TB_SETBUTTONSIZE, 0, MAKELONG(width, height));
}

void TToolBar::AddButtons(const std::vector<TToolButtonRow>& rows) {
    static int nextId = 0x7000;
    for (const TToolButtonRow& row : rows) {
        TBBUTTON b = {};
        b.iString = -1;
        if (!row.button) {
            b.fsStyle = BTNS_SEP;
            b.iBitmap = Scaled(8); // separator width
        } else {
            TToolButton& button = *row.button;
            button.bar_ = this;
            button.id_ = ++nextId;
            button.image_ = row.image;
            button.enabled_ = row.enabled;
            button.name_ = row.name;
            button.caption_ = row.caption;
            button.hint_ = row.hint;
            buttons_.push_back(&button);
            b.iBitmap = row.image;
            b.idCommand = button.id_;
            b.fsState = row.enabled ? TBSTATE_ENABLED : 0;
            b.fsStyle = BTNS_BUTTON;
        }
        SendWindowMessage(Handle(), TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&b));
    }
}

TToolButton* TToolBar::ButtonAt(POINT clientPoint) const {
    const auto index = static_cast<int>(
        SendWindowMessage(Handle(), TB_HITTEST, 0, reinterpret_cast<LPARAM>(&clientPoint)));
    if (index < 0)
        return nullptr;
    TBBUTTON b = {};
    if (!SendWindowMessage(Handle(), TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&b)))
        return nullptr;
    for (TToolButton* button : buttons_)
        if (button->id_ == b.idCommand)
            return button;
    return nullptr;
}

const TToolButton* TToolBar::ButtonById(int id) const {
    for (const TToolButton* button : buttons_)
        if (button->id_ == id)
            return button;
    return nullptr;
}

std::string TToolBar::HintAt(POINT clientPoint) const {
    if (TToolButton* button = ButtonAt(clientPoint))
        return button->Hint();
    return Hint();
}

bool TToolBar::OnCommand(WORD, WORD id) {
    for (TToolButton* button : buttons_)
        if (button->id_ == id) {
            button->Click();
            return true;
        }
    return false;
}
