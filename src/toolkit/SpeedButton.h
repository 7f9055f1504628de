// TSpeedButton: a small push button that never takes the focus, so the
// control the user works in keeps it (a button inside an edit field, a tool
// button beside a list). It is no tab stop.
#pragma once

#include "toolkit/Controls.h"

class TSpeedButton : public TControl {
public:
    // Runs onClick, as a click does.
    void Click();
    TNotifyEvent onClick;

protected:
    TCreateParams KindParams() const override;
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(WORD code, WORD id) override;

private:
    HWND returnFocus_ = nullptr;
};
