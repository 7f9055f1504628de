#include "toolkit/Fonts.h"

#include "support/TextCompare.h"
#include "toolkit/SystemWindows.h"

namespace {

TFontHandle CreateDialogFont(HDC dc, const char* face, bool bold, int pointSize) {
    const int height = -MulDiv(pointSize, GetDeviceCaps(dc, LOGPIXELSY), 72);
    return TFontHandle(CreateFontOf(height, bold ? FW_BOLD : FW_NORMAL, false, false, false,
                                    DEFAULT_CHARSET, VARIABLE_PITCH | FF_SWISS, face));
}

struct TDefaultFace {
    TFontHandle font;
    std::string face = "MS Shell Dlg";
};

// Made on first use: the face is decided once, with the first font.
TDefaultFace& Default() {
    static TDefaultFace made;
    if (made.font)
        return made;
    HDC dc = GetDC(nullptr);
    // Tahoma where the system has it ("MS Shell Dlg 2"), else "MS Shell Dlg".
    for (const char* face : {"Tahoma", "MS Shell Dlg"}) {
        made.font = CreateDialogFont(dc, face, false, kDefaultFontSize);
        HGDIOBJ old = SelectObject(dc, made.font.Get());
        const std::string actual = TextFaceOf(dc);
        SelectObject(dc, old);
        if (CompareText(actual, face) == 0) {
            made.face = face;
            break;
        }
    }
    ReleaseDC(nullptr, dc);
    return made;
}

} // namespace

HFONT DefaultFont() {
    return Default().font.Get();
}

TFontHandle MakeFont(bool bold, int pointSize) {
    const std::string face = Default().face;
    HDC dc = GetDC(nullptr);
    TFontHandle font = CreateDialogFont(dc, face.c_str(), bold, pointSize);
    ReleaseDC(nullptr, dc);
    return font;
}

SIZE TextExtent(const std::string& text, int width, bool wordBreak, HFONT font) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font ? font : DefaultFont());
    RECT r = {0, 0, width, 0};
    DrawTextOf(dc, text.empty() ? " " : text, r,
               DT_CALCRECT | DT_LEFT | (wordBreak ? DT_WORDBREAK : 0));
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {r.right, r.bottom};
}

SIZE DrawnTextSize(const std::string& text, int width, UINT flags, HFONT font) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldFont = SelectObject(dc, font ? font : DefaultFont());
    RECT r = {0, 0, width, 0};
    DrawTextOf(dc, text, r, flags | DT_CALCRECT);
    SIZE size = {r.right, r.bottom};
    // Drawn unclipped, black on white, into a bitmap with room to the right:
    // the last column holding a black pixel ends the text.
    const int room = r.bottom; // more than any glyph reaches past its advance
    const int cx = r.right + room, cy = r.bottom;
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), cx, -cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    TBitmapHandle bitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap && cx > 0 && cy > 0 && !(flags & DT_WORDBREAK)) {
        HGDIOBJ oldBitmap = SelectObject(dc, bitmap.Get());
        RECT all = {0, 0, cx, cy};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkMode(dc, TRANSPARENT);
        DrawTextOf(dc, text, r, (flags & ~DT_CALCRECT) | DT_NOCLIP);
        GdiFlush();
        const auto* pixels = static_cast<const DWORD*>(bits);
        for (int x = cx - 1; x >= size.cx; --x) {
            bool set = false;
            for (int y = 0; y < cy && !set; ++y)
                set = (pixels[y * cx + x] & 0xFFFFFF) != 0xFFFFFF;
            if (set) {
                size.cx = x + 1;
                break;
            }
        }
        SelectObject(dc, oldBitmap);
    }
    SelectObject(dc, oldFont);
    DeleteDC(dc);
    return size;
}
