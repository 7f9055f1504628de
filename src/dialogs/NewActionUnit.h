// TNewActionForm: the small modal dialog "New action" of the action window.
// It collects the new verb's name (its key name), its menu text and its
// command line; OK hands them to the command that adds the verb and closes
// the dialog only when the verb was added. A name or command the command
// refuses is shown as an error and the dialog stays open as it was.
#pragma once

#include <string>

#include "commands/Commands.h"
#include "controls/ZQButtonEdit.h"
#include "toolkit/Containers.h"
#include "toolkit/Form.h"

class TNewActionForm : public TForm {
public:
    // The dialog for a new verb of `className`, owned by the window `owner`.
    TNewActionForm(TCommands& commands, const std::string& className, HWND owner);

    void btnOKClick();
    // The button inside the command field: a program chosen in the system's
    // file dialog becomes the command.
    void edtCommandButtonClick();

    TPanel Panel1;
    TPanel Panel2{TBevelCut::Lowered, TBevelCut::Raised};
    TLabel lAction, lCaption, lCommand;
    TEdit edtAction;
    TEdit edtCaption;
    TZQButtonEdit edtCommand;
    TButton btnCancel, btnOK;

    // What OK changed.
    TChange Change;

private:
    TCommands& commands_;
    std::string className_;
};
