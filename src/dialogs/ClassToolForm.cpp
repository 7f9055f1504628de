#include "dialogs/ClassToolForm.h"

#include "support/ZQIniFiles.h"
#include "toolkit/Dialogs.h"
#include "toolkit/ScreenPlacement.h"

TClassToolForm::TClassToolForm(const TFormArgs& args, const std::string& settingsPath,
                               const TToolWindowPlacement& placement)
    : TForm(args), ToolTips(*this), settingsPath_(settingsPath), placement_(placement) {
    SetEscapeCloses(true);
    onShow = [this] { FormShow(); };
    onClose = [this] { FormClose(); };
    btnOK.onClick = Handler(this, &TClassToolForm::btnOKClick);
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

void TClassToolForm::btnOKClick() {
    ShowMessage("Sorry has to be done in futur");
}
