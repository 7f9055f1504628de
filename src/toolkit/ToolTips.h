// TToolTips: shows the hints of a form's controls as tool tips while the
// pointer rests on them. The form hands the tips the mouse messages of its
// windows (TForm::PreTranslateMessage); the controls are not subclassed, so
// their own message handling stays as it is. Long hints wrap.
#pragma once

#include <string>

#include "toolkit/Window.h"

class TForm;

class TToolTips {
public:
    // Makes the tip window, owned by `form`, and registers with the form.
    explicit TToolTips(TForm& form);
    ~TToolTips();
    TToolTips(const TToolTips&) = delete;
    TToolTips& operator=(const TToolTips&) = delete;

    // Shows the control's hint as its tip (a control without hint gets none).
    void Add(const TWindow& control);
    // The tip of a control; empty when it has none.
    std::string TipOf(const TWindow& control) const;
    int Count() const;
    HWND Handle() const { return hwnd_; }

    // Width in design pixels at which a tip wraps.
    static constexpr int MaxTipWidth = 300;

private:
    TForm& form_;
    HWND hwnd_ = nullptr;
};
