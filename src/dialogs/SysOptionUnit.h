// TSysOptionForm (unit SysOptionUnit): settings that affect the whole system
// rather than one extension or class. "Show extensions" is the user's shell
// switch "HideFileExt" (ticked: extensions shown); OK calls the command that
// writes a changed state (the gate, the question, the undo entry, the shell).
#pragma once

#include <functional>
#include <string>

#include "commands/Commands.h"
#include "toolkit/Containers.h"
#include "toolkit/Form.h"

class TSysOptionForm : public TForm {
public:
    static constexpr int kHelpContext = 0;

    explicit TSysOptionForm(TCommands& commands);

    // Shows the user's current state of the switch.
    void FormShow();
    // Writes a changed state (after the gate and a confirmation), tells the
    // shell and closes; an unchanged state just closes.
    void btnOKClick();
    void btnCancelClick();
    void btnHelpClick();

    TCheckBox CheckBox1;
    TPanel BottomPanel;
    TButton btnHelp, btnCancel, btnOK;

private:
    TCommands& commands_;
    bool shownAtStart_ = true; // the state read when the dialog opened
};

