// TZQButtonEdit: a single-line edit field with a speed button at its right
// edge, inside the field's frame. The button keeps the field's height and
// stays at the right edge when the field is resized; typed text never runs
// under it. onButtonClick runs when the button is clicked.
#pragma once

#include "toolkit/Controls.h"
#include "toolkit/SpeedButton.h"

class TZQButtonEdit : public TEdit {
public:
    // Width of the button in design pixels.
    static constexpr int ButtonWidth = 18;

    TSpeedButton Button;
    TNotifyEvent onButtonClick;

protected:
    TCreateParams KindParams() const override;
    void AfterCreate() override;
};
