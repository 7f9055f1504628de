// TSysOptionForm (unit SysOptionUnit): settings that affect the whole system
// rather than one extension or class. "Show extensions" is the user's shell
// switch "HideFileExt" (ticked: extensions shown); OK writes a changed state
// after the modification gate and a confirmation, and tells the shell.
#pragma once

#include <functional>
#include <string>

#include "toolkit/Containers.h"
#include "toolkit/Form.h"

// The main window's modification gate, as the dialog asks it: whether
// changes are allowed at all (it says why not itself), the confirmation of
// one change, the undo step a change is recorded in (it runs `change` as
// one step of that name; without it the change is made unrecorded), and how
// the shell is told of the change (NotifyShellStateChanged when not set).
struct TChangeGate {
    std::function<bool()> canModify;
    std::function<bool(const std::string&)> confirm;
    std::function<void(const std::string& name, const std::function<void()>& change)> undoable;
    std::function<void()> shellStateChanged;
};

class TSysOptionForm : public TForm {
public:
    static constexpr int kHelpContext = 0;

    explicit TSysOptionForm(TChangeGate gate);

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
    TChangeGate gate_;
    bool shownAtStart_ = true; // the state read when the dialog opened
};

// The question asked before the switch is changed, and the name of the
// change in the Edit menu's undo item.
std::string ShowExtensionsQuestion(bool show);
std::string ShowExtensionsStepName(bool show);

// Tells Explorer and the open folder windows that the switch changed, so
// they read it again (also after the change is undone).
void NotifyShellStateChanged();
