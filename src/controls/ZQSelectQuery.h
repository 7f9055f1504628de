// TSelectQuery (unit ZQSelectQuery): a small modal dialog that asks the user
// to pick one entry of a list. A prompt (any length, line breaks allowed)
// stands above a choose-only drop-down list, with OK and Cancel centred
// below; the dialog sizes its client area to the prompt when it is shown.
// SelectQuery (unit ZQDialogs) builds, runs and destroys it.
#pragma once

#include "toolkit/Form.h"
#include "toolkit/ListControls.h"

// Places of the dialog's controls for a client width and the prompt's size.
struct TSelectQueryLayout {
    int clientWidth = 0;
    TBounds prompt;
    TBounds list;
    TBounds ok;
    TBounds cancel;
};
// The client width the prompt asks for, and the client height it needs.
int SelectQueryClientWidth(const TSelectQueryLayout& layout);
int SelectQueryClientHeight(const TSelectQueryLayout& layout);
// The layout for layout.clientWidth, raised to the narrowest width that
// holds both buttons: the list 8 pixels from each side and 3 below the
// prompt, the buttons 12 below the list, 8 apart around the centre line
// (design pixels, scaled to the screen).
TSelectQueryLayout ArrangeSelectQuery(TSelectQueryLayout layout);

class TSelectQuery : public TForm {
public:
    TSelectQuery();

    void FormCreate();
    void FormShow();
    void FormResize();
    // OK is enabled exactly when an entry is selected.
    void cbListChange();

    TLabel laPrompt;
    TComboBox cbList{TComboStyle::DropDownList};
    TButton btnOK;
    TButton btnCancel;

private:
    TSelectQueryLayout Layout() const;
};
