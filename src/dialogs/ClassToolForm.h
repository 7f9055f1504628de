// TClassToolForm: the common ground of the class view's two tool windows, the
// action dialog (TActionForm) and the flags dialog (TAdvOptionForm). Each is a
// non-modal tool window that shows one file class and follows the class
// selected in the main window while it is open, with a row of buttons (Help,
// OK) along its bottom edge. Hints show as tool tips.
//
// The window keeps its place in the settings file: read when it is first
// shown, written when the user closes it. Closing the window by its own close
// box (or Escape) neither hides nor frees it: the place is stored, the close
// is refused and onUserClose tells the window's user, which unticks its check
// box and releases the window (Application.Release) once the close handling
// has returned. Released without a close, it stores nothing.
//
// The windows change the registry only through the commands they are given;
// onChanged tells the window's user what a command changed, so that it shows
// it too.
#pragma once

#include <functional>
#include <string>

#include "commands/Commands.h"
#include "dialogs/ToolWindowPlacement.h"
#include "toolkit/Containers.h"
#include "toolkit/Form.h"
#include "toolkit/ToolTips.h"

class TClassToolForm : public TForm {
public:
    // The file class shown; empty when none.
    std::string FileClassName;

    // Loads the window for a class; the caption names it.
    virtual void SetFileClass(const std::string& className) = 0;
    // SetFileClass, then shows the window non-modally and brings it to the front.
    void ShowFileClass(const std::string& className);

    // The user closed the window (its close box, Alt+F4, Escape).
    TNotifyEvent onUserClose;
    // A command of the window ran (Done: it changed the registry; a failed
    // one may still have left an undo entry).
    std::function<void(const TChange&)> onChanged;

    TPanel Panel2{TBevelCut::Lowered, TBevelCut::Raised};
    TButton btnHelp;
    TButton btnOK;
    TToolTips ToolTips;

protected:
    // `settingsPath` is the settings file the window keeps its place in,
    // under `placement`.
    TClassToolForm(const TFormArgs& args, TCommands& commands, const std::string& settingsPath,
                   const TToolWindowPlacement& placement);
    const std::string& SettingsPath() const { return settingsPath_; }
    TCommands& Commands() { return commands_; }
    // Tells onChanged of a command's outcome.
    void Changed(const TChange& change);

    // First showing: the stored place, brought onto the screen.
    void FormShow();
    // The close box: stores the place, refuses the close and hands it to
    // onUserClose.
    virtual void FormClose();

private:
    TCommands& commands_;
    std::string settingsPath_;
    TToolWindowPlacement placement_;
};
