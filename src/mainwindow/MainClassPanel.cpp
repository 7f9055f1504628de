// TMainForm: the handlers of the class view's panel (TClassPanel) and the two
// tool windows it opens (actions, flags).
#include "mainwindow/MainUnit.h"

#include "association/DataType.h"
#include "commands/Commands.h"
#include "dialogs/ActionUnit.h"
#include "dialogs/AdvOptionUnit.h"
#include "registry/ValueText.h"
#include "toolkit/Application.h"

namespace {

// Opens the tool window of a ticked box, or releases the open one of an
// unticked box. An error while opening is swallowed: the window goes again
// and the box stays ticked. The window's own close unticks the box.
template <typename TToolForm>
void SwitchToolWindow(TCheckBox& box, TToolForm*& form, TCommands& commands,
                      const std::string& settingsPath, const std::string& className,
                      const std::function<void(const TChange&)>& changed) {
    if (!box.Checked()) {
        if (TToolForm* closing = form) {
            form = nullptr;
            // Released, not destroyed: this may run inside the window's own
            // close handling.
            Application.Release(*closing);
        }
        return;
    }
    if (form)
        return;
    TToolForm* made = nullptr;
    try {
        made = &Application.CreateForm<TToolForm>(commands, settingsPath);
        form = made;
        made->onUserClose = [&box] { box.SetChecked(false); };
        made->onChanged = changed;
        made->ShowFileClass(className);
    } catch (...) {
        form = nullptr;
        if (made)
            Application.Release(*made);
    }
}

} // namespace

void TMainForm::cbAdvOptionClick() {
    SwitchToolWindow(ClassView.cbAdvOption, AdvOptionForm, Commands(), SettingsPath(), SelectedItem(),
                     [this](const TChange& change) { ShowChange(change); });
}

void TMainForm::cbShowActionsClick() {
    SwitchToolWindow(ClassView.cbShowActions, ActionForm, Commands(), SettingsPath(), SelectedItem(),
                     [this](const TChange& change) { ShowChange(change); });
}

void TMainForm::FreeToolWindows() {
    Application.FreeForm(ActionForm);
    Application.FreeForm(AdvOptionForm);
    ActionForm = nullptr;
    AdvOptionForm = nullptr;
}

void TMainForm::ItemIconChangeClick() {
    if (!Commands().CanModify())
        return;
    const std::string className = SelectedItem();
    const std::string stored = GetDefaultIcon(className);
    TZQShChangeIconDialog& picker = ClassView.ZQShChangeIconDialog1;
    picker.FileName = IconFileOf(stored);
    picker.IconIndex = IconIndexOf(stored);
    if (!picker.Execute())
        return;
    const TChange change =
        Commands().ChangeIcon(className, MakeIconLocation(picker.FileName, picker.IconIndex));
    UpdateUndoItem();
    if (change.Done)
        ClassView.ShowIcon(className); // what the registry holds now
}
