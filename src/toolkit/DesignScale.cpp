#include "toolkit/DesignScale.h"

#include <algorithm>

#include "toolkit/SystemWindows.h"

int ScreenDpi() {
    static const int dpi = [] {
        HDC dc = GetDC(nullptr);
        const int logPixels = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 0;
        if (dc)
            ReleaseDC(nullptr, dc);
        return logPixels > 0 ? logPixels : kDesignDpi;
    }();
    return dpi;
}

int ScaleToDpi(int designPixels, int dpi) {
    return dpi == kDesignDpi ? designPixels : MulDiv(designPixels, dpi, kDesignDpi);
}

int Scaled(int designPixels) {
    return ScaleToDpi(designPixels, ScreenDpi());
}

TBounds Scaled(const TBounds& d) {
    return {Scaled(d.left), Scaled(d.top), Scaled(d.width), Scaled(d.height)};
}

int BitmapScaleForDpi(int dpi) {
    return std::max(1, dpi / kDesignDpi);
}

int BitmapScale() {
    return BitmapScaleForDpi(ScreenDpi());
}

TBitmapHandle EnlargedBitmap(HBITMAP bitmap, int factor) {
    if (!bitmap)
        return TBitmapHandle();
    const SIZE size = BitmapSizeOf(bitmap);
    const BITMAP info = {0, size.cx, size.cy, 0, 0, 0, nullptr};
    HDC screen = GetDC(nullptr);
    TBitmapHandle enlarged(
        CreateCompatibleBitmap(screen, info.bmWidth * factor, info.bmHeight * factor));
    HDC source = CreateCompatibleDC(screen);
    HDC target = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldSource = SelectObject(source, bitmap);
    HGDIOBJ oldTarget = SelectObject(target, enlarged.Get());
    // COLORONCOLOR drops the pixels it does not need and repeats those it
    // does: no blending, so the edges stay hard.
    SetStretchBltMode(target, COLORONCOLOR);
    StretchBlt(target, 0, 0, info.bmWidth * factor, info.bmHeight * factor, source, 0, 0,
               info.bmWidth, info.bmHeight, SRCCOPY);
    SelectObject(target, oldTarget);
    SelectObject(source, oldSource);
    DeleteDC(target);
    DeleteDC(source);
    return enlarged;
}
