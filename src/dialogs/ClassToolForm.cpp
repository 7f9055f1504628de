#include "dialogs/ClassToolForm.h"

#include "support/ZQIniFiles.h"
#include "toolkit/Dialogs.h"
#include "toolkit/ScreenPlacement.h"

TClassToolForm::TClassToolForm(const TFormArgs& args, TCommands& commands,
                               const std::string& settingsPath,
                               const TToolWindowPlacement& placement)
    : TForm(args), ToolTips(*this), commands_(commands), settingsPath_(settingsPath),
      placement_(placement) {
    SetEscapeCloses(true);
    onShow = [this] { FormShow(); };
    onClose = [this] { FormClose(); };
}

void TClassToolForm::ShowFileClass(const std::string& className) {
    SetFileClass(className);
    Show();
    BringToFront();
}

void TClassToolForm::FormShow() {
    SetBounds(ReadToolWindowBounds(TZQIniFile(settingsPath_), placement_, Bounds(), ScreenWidth(),
                                   ScreenHeight()));
}

void TClassToolForm::FormClose() {
    SetCloseAction(TCloseAction::None);
    try {
        WriteToolWindowBounds(TZQIniFile(settingsPath_), placement_, Bounds());
    } catch (...) {
        // A settings file that can't be written does not keep the window
        // open; its error is shown all the same.
        if (onUserClose)
            onUserClose();
        throw;
    }
    if (onUserClose)
        onUserClose();
}

void TClassToolForm::Changed(const TChange& change) {
    if (onChanged)
        onChanged(change);
}
