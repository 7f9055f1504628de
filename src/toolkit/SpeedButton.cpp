#include "toolkit/SpeedButton.h"

TCreateParams TSpeedButton::KindParams() const {
    return {"BUTTON", BS_PUSHBUTTON};
}

LRESULT TSpeedButton::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    // The system's button takes the focus while it is pressed (and lets go
    // of the press when it loses it); once released, the focus goes back to
    // the control that had it.
    if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) {
        HWND focused = GetFocus();
        if (focused != Handle())
            returnFocus_ = focused;
    }
    const LRESULT result = TControl::OnMessage(msg, wParam, lParam);
    if (msg == WM_LBUTTONUP || msg == WM_CAPTURECHANGED) {
        HWND back = returnFocus_;
        returnFocus_ = nullptr;
        if (back && IsWindow(back) && GetFocus() == Handle())
            ::SetFocus(back);
    }
    return result;
}

bool TSpeedButton::OnCommand(WORD code, WORD) {
    if (code != BN_CLICKED)
        return false;
    Click();
    return true;
}

void TSpeedButton::Click() {
    if (onClick)
        onClick();
}
