// The keys an edit field works on its text with: Ctrl+Z, Ctrl+X, Ctrl+C,
// Ctrl+V, Ctrl+A, Ctrl+Insert, Shift+Insert, Shift+Delete, Delete and
// Backspace. Typed in an edit field (any window that takes EM_SETSEL: edit
// fields, the edit part of a combo box) they do their text work there, before
// any shortcut of the form sees them: Ctrl+Z takes back the typing, not the
// program's last command.
#pragma once

#include "platform/Win32.h"

enum class TEditFieldKey {
    None,      // not typed in an edit field, or not one of its keys
    ToField,   // the field does the work itself
    SelectAll, // Ctrl+A, which the fields of older systems do not know
};

// What a message of the message loop is to the window it is for.
TEditFieldKey EditFieldKeyOf(const MSG& msg);
