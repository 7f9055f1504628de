// TMainForm: the class view's panel, which shows one file class, and the two
// tool windows it opens (actions, flags).
#include "mainwindow/MainUnit.h"

#include "association/DataType.h"
#include "dialogs/ActionUnit.h"
#include "dialogs/AdvOptionUnit.h"
#include "index/ZQFileAssoc.h"
#include "toolkit/Application.h"

namespace {

// Opens the tool window of a ticked box, or releases the open one of an
// unticked box. An error while opening is swallowed: the window goes again
// and the box stays ticked. The window's own close unticks the box.
template <typename TToolForm>
void SwitchToolWindow(TCheckBox& box, TToolForm*& form, const std::string& settingsPath,
                      const std::string& className) {
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
        made = &Application.CreateForm<TToolForm>(settingsPath);
        form = made;
        made->onUserClose = [&box] { box.SetChecked(false); };
        made->ShowFileClass(className);
    } catch (...) {
        form = nullptr;
        if (made)
            Application.Release(*made);
    }
}

} // namespace

void TMainForm::CreateClassPanel() {
    // Siblings are created in their tab order.
    CreateControls({
        {&laClassType, "laClassType", "Filetype:", {8, 12, 0, 13}, &ClassPanel},
        {&edtClass_Type, "edtClass_Type", "", {80, 8, 161, 21}, &ClassPanel},
        {&rgExtVisibility, "rgExtVisibility", " Extension ", {8, 88, 169, 81}, &ClassPanel},
        {&cbAdvOption, "cbAdvOption", "Advanced Options", {8, 176, 169, 17}, &ClassPanel},
        {&lbAssocExt, "lbAssocExt", "", {8, 232, 105, 69}, &ClassPanel},
        {&btnClassAssoc,
         "btnClassAssoc",
         "Add new Extension ...",
         {120, 232, 113, 21},
         &ClassPanel,
         "Add new extension to the selected fileclass"},
        {&btnClassDissoc,
         "btnClassDissoc",
         "Dissociate",
         {120, 256, 113, 21},
         &ClassPanel,
         "Dissociate the selected extension from the fileclass"},
        {&btnViewExt, "btnViewExt", "View this extension", {120, 280, 113, 21}, &ClassPanel},
        {&edtIconFileName, "edtIconFileName", "", {80, 47, 161, 21}, &ClassPanel},
        {&cbShowActions, "cbShowActions", "Show Actions", {8, 192, 97, 17}, &ClassPanel},
        {&Bevel1, "Bevel1", "", {8, 36, 42, 42}, &ClassPanel},
        {&imgIcon, "imgIcon", "", {13, 41, 32, 32}, &ClassPanel, "Current icon, Click to change"},
        {&laLinkedExtCount, "laLinkedExtCount", "", {8, 216, 0, 13}, &ClassPanel},
    });
    rgExtVisibility.SetItems({"always show", "like default setting", "never show"});
    edtIconFileName.SetReadOnly(true);
    edtIconFileName.SetColor(GetSysColor(COLOR_INACTIVEBORDER));
    imgIcon.SetCursor(LoadCursor(nullptr, IDC_HAND));
    pmIcon.Build({
        {&ItemIconChange, 0, "ItemIconChange", "Change Icon"},
        {&ItemIconShell, 0, "ItemIconShell", "Shell"},
        {nullptr, 1, "", "{auslesen}"},
    });
    imgIcon.SetPopupMenu(&pmIcon);
    ZQShChangeIconDialog1.Owner = Handle();

    cbAdvOption.onClick = Handler(this, &TMainForm::cbAdvOptionClick);
    cbShowActions.onClick = Handler(this, &TMainForm::cbShowActionsClick);
}

void TMainForm::ShowClassDetails(int index) {
    if (index < 0) {
        ShowShortInfo(simNothingSelected, "fileclass");
        DeleteFileclassItem.SetEnabled(false);
        return;
    }
    CurrentClass = ListBox.Items()[index];
    if (FileClassExists(CurrentClass)) {
        ShowClassPanel();
        DeleteFileclassItem.SetEnabled(AllowChanges);
    } else {
        if (!CurrentClass.empty())
            ShowShortInfo(simClassNotRegistered, CurrentClass);
        else
            ShowShortInfo(simExtensionsWithoutClass, "");
        laHint.SetText("");
        DeleteFileclassItem.SetEnabled(false);
    }
    // The open tool windows follow the selection, also to a name the panel
    // can't show.
    if (ActionForm)
        ActionForm->SetFileClass(CurrentClass);
    if (AdvOptionForm)
        AdvOptionForm->SetFileClass(CurrentClass);
}

std::string TMainForm::SelectedItem() const {
    const int index = ListBox.ItemIndex();
    return index >= 0 ? ListBox.Items()[index] : std::string();
}

void TMainForm::cbAdvOptionClick() {
    SwitchToolWindow(cbAdvOption, AdvOptionForm, SettingsPath(), SelectedItem());
}

void TMainForm::cbShowActionsClick() {
    SwitchToolWindow(cbShowActions, ActionForm, SettingsPath(), SelectedItem());
}

void TMainForm::FreeToolWindows() {
    Application.FreeForm(ActionForm);
    Application.FreeForm(AdvOptionForm);
    ActionForm = nullptr;
    AdvOptionForm = nullptr;
}
