#include "toolkit/SpeedButton.h"

#include "toolkit/Fonts.h"
#include "toolkit/SystemWindows.h"

TCreateParams TSpeedButton::KindParams() const {
    return {"CorvixSpeedButton", 0};
}

void TSpeedButton::Click() {
    if (onClick)
        onClick();
}

void TSpeedButton::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    RECT r;
    GetClientRect(Handle(), &r);
    const bool enabled = Enabled();
    DrawFrameControl(dc, &r, DFC_BUTTON,
                     DFCS_BUTTONPUSH | (Down() ? DFCS_PUSHED : 0) | (enabled ? 0 : DFCS_INACTIVE));
    if (Down())
        OffsetRect(&r, 1, 1);
    HGDIOBJ oldFont = SelectObject(dc, DefaultFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    const std::string caption = Text();
    DrawTextOf(dc, caption, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    EndPaint(Handle(), &ps);
}

LRESULT TSpeedButton::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1; // the frame covers the whole button
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetCapture(Handle());
        pressed_ = inside_ = true;
        InvalidateRect(Handle(), nullptr, FALSE);
        return 0;
    case WM_MOUSEMOVE:
        if (pressed_) {
            RECT r;
            GetClientRect(Handle(), &r);
            const POINT at = {static_cast<short>(LOWORD(lParam)),
                              static_cast<short>(HIWORD(lParam))};
            const bool inside = PtInRect(&r, at) != FALSE;
            if (inside != inside_) {
                inside_ = inside;
                InvalidateRect(Handle(), nullptr, FALSE);
            }
        }
        break;
    case WM_LBUTTONUP:
        if (pressed_) {
            const bool click = inside_;
            pressed_ = false;
            if (GetCapture() == Handle())
                ReleaseCapture();
            InvalidateRect(Handle(), nullptr, FALSE);
            if (click)
                Click();
        }
        return 0;
    case WM_CAPTURECHANGED:
        if (pressed_) {
            pressed_ = false;
            InvalidateRect(Handle(), nullptr, FALSE);
        }
        break;
    case WM_ENABLE:
        InvalidateRect(Handle(), nullptr, FALSE);
        break;
    default:
        break;
    }
    return TControl::OnMessage(msg, wParam, lParam);
}
