#include "dialogs/ClassToolForm.h"

#include "toolkit/Dialogs.h"

TClassToolForm::TClassToolForm(const TFormArgs& args, const std::string& settingsPath)
    : TForm(args), settingsPath_(settingsPath) {
    onClose = [this] { FormClose(); };
    btnOK.onClick = Handler(this, &TClassToolForm::btnOKClick);
}

void TClassToolForm::ShowFileClass(const std::string& className) {
    SetFileClass(className);
    Show();
    BringToFront();
}

void TClassToolForm::FormClose() {
    SetCloseAction(TCloseAction::None);
    if (onUserClose)
        onUserClose();
}

void TClassToolForm::btnOKClick() {
    ShowMessage("Sorry has to be done in futur");
}
