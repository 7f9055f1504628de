#include "controls/ZQButtonEdit.h"

TCreateParams TZQButtonEdit::KindParams() const {
    TCreateParams p = TEdit::KindParams();
    p.style |= WS_CLIPCHILDREN; // the field's text is not drawn over the button
    return p;
}

void TZQButtonEdit::AfterCreate() {
    TEdit::AfterCreate();
    TControlRow row;
    row.control = &Button;
    row.name = "Button";
    row.caption = "...";
    row.bounds = {0, 0, ButtonWidth, ClientHeight()};
    row.parent = this;
    row.align = TAlign::Right;
    Button.Create(row);
    // The text ends where the button begins.
    SendMessageA(Handle(), EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, ButtonWidth + 1));
    Button.onClick = [this] {
        if (onButtonClick)
            onButtonClick();
    };
}
