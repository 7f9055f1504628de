// TSpeedButton: a small push button that never takes the focus, so the
// control the user works in keeps it (a button inside an edit field, a tool
// button beside a list). It is no tab stop. It draws itself: the system's
// button draws through its parent's clipping and can't sit inside a control
// that clips its children.
#pragma once

#include "toolkit/Controls.h"

class TSpeedButton : public TControl {
public:
    // Runs onClick, as a click does.
    void Click();
    // Shown pressed (the pointer pressed on it and still over it).
    bool Down() const { return pressed_ && inside_; }
    TNotifyEvent onClick;

protected:
    TCreateParams KindParams() const override;
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();
    bool pressed_ = false; // the button is held down
    bool inside_ = false;  // and the pointer is over it
};
