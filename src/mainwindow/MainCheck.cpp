// TMainForm: the window of the association check, and what it hands back to
// the main window: showing an item, the dialogs that mend a class, and the
// views after a repair.
#include "mainwindow/MainUnit.h"

#include "commands/Commands.h"
#include "dialogs/CheckForm.h"

void TMainForm::CheckItemClick() {
    if (!CheckForm) {
        CheckForm = std::make_shared<TCheckForm>(Commands());
        CheckForm->onShowItem = [this](const TFinding& finding) {
            ShowItemIn(FindingAboutExtension(finding.Kind) ? 0 : 1, finding.Name);
        };
        CheckForm->onChanged = [this](const TChange& change) { ShowChange(change); };
        CheckForm->onEditActions = [this](const std::string& className) {
            ShowItemIn(1, className);
            if (!ClassView.cbShowActions.Checked())
                ClassView.cbShowActions.SetChecked(true); // opens the action window
        };
        CheckForm->onChangeIcon = [this](const std::string& className) {
            ShowItemIn(1, className);
            ItemIconChangeClick();
        };
        CheckForm->onRegisterClass = [this](const std::string& className) {
            ShowItemIn(1, className);
            btnRegClick();
        };
    }
    CheckForm->Show();
    CheckForm->BringToFront();
    if (!CheckForm->Checking())
        CheckForm->StartCheck();
}
