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
#pragma once

#include <string>

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

    TPanel Panel2{TBevelCut::Lowered, TBevelCut::Raised};
    TButton btnHelp;
    TButton btnOK;
    TToolTips ToolTips;

protected:
    // `settingsPath` is the settings file the window keeps its place in,
    // under `placement`.
    TClassToolForm(const TFormArgs& args, const std::string& settingsPath,
                   const TToolWindowPlacement& placement);
    const std::string& SettingsPath() const { return settingsPath_; }

    // First showing: the stored place, brought onto the screen.
    void FormShow();
    // The close box: stores the place, refuses the close and hands it to
    // onUserClose.
    virtual void FormClose();
    // OK stores nothing yet and says so.
    void btnOKClick();

private:
    std::string settingsPath_;
    TToolWindowPlacement placement_;
};
