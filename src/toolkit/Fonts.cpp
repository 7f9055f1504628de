#include "toolkit/Fonts.h"

namespace {

TFontHandle CreateDialogFont(HDC dc, const char* face, bool bold, int pointSize) {
    const int height = -MulDiv(pointSize, GetDeviceCaps(dc, LOGPIXELSY), 72);
    return TFontHandle(CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                   DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                   DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, face));
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
        char actual[LF_FACESIZE] = "";
        GetTextFaceA(dc, sizeof actual, actual);
        SelectObject(dc, old);
        if (lstrcmpiA(actual, face) == 0) {
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
    DrawTextA(dc, text.empty() ? " " : text.c_str(), -1, &r,
              DT_CALCRECT | DT_LEFT | (wordBreak ? DT_WORDBREAK : 0));
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {r.right, r.bottom};
}
