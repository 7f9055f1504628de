#include "controls/ZQButtonEdit.h"

#include "support/Exception.h"
#include "toolkit/DesignScale.h"
#include "toolkit/SystemWindows.h"

namespace {

// The system's edit class draws through its parent's clipping (CS_PARENTDC)
// and so paints over any window placed inside it. The field is made of a
// copy of that class without the flag; its procedure stays the system's.
const char* ButtonEditClass() {
    static const char* const name = [] {
        const char* const own = "ZQButtonEdit";
        if (!RegisterClassCopy("EDIT", own, CS_PARENTDC))
            throw Exception("Fensterklasse ZQButtonEdit kann nicht angemeldet werden");
        return own;
    }();
    return name;
}

} // namespace

TCreateParams TZQButtonEdit::KindParams() const {
    TCreateParams p = TEdit::KindParams();
    p.className = ButtonEditClass();
    p.style |= WS_CLIPCHILDREN; // the field's text is not drawn over the button
    return p;
}

void TZQButtonEdit::AfterCreate() {
    TEdit::AfterCreate();
    TControlRow row;
    row.control = &Button;
    row.name = "Button";
    row.caption = "...";
    row.bounds = {0, 0, ButtonWidth, 0}; // as high as the field: it is aligned right
    row.parent = this;
    row.align = TAlign::Right;
    Button.Create(row);
    // The text ends where the button begins.
    SendWindowMessage(Handle(), EM_SETMARGINS, EC_RIGHTMARGIN,
                      MAKELPARAM(0, Scaled(ButtonWidth) + 1));
    Button.onClick = [this] {
        if (onButtonClick)
            onButtonClick();
    };
}
