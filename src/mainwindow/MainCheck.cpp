// TMainForm: the window of the association check, and what it hands back to
// the main window: showing an item, the dialogs that mend a class, and the
// views after a repair.
#include "mainwindow/MainUnit.h"

#include "commands/Commands.h"
#include "dialogs/CheckForm.h"

namespace {

// Selects the tab of that caption and in it the item `name` (nothing when
// the view does not list it).
void ShowItem(TMainForm& form, const char* tabCaption, const std::string& name) {
    for (int tab = 0; tab < form.TabControl.TabCount(); ++tab) {
        if (form.TabControl.TabCaption(tab) != tabCaption)
            continue;
        form.TabControl.SetTabIndex(tab);
        form.TabControlChange();
        form.ListBox.SetItemIndex(form.ListBox.Items().IndexOf(name));
        form.ListBoxClick();
    }
}

void ShowClass(TMainForm& form, const std::string& className) {
    ShowItem(form, TabCaptions[1], className);
}

} // namespace

void TMainForm::CheckItemClick() {
    if (!CheckForm) {
        CheckForm = std::make_shared<TCheckForm>(Commands());
        CheckForm->onShowItem = [this](const TFinding& finding) {
            const bool extension = finding.Kind == TFindingKind::MissingClass ||
                                   finding.Kind == TFindingKind::EmptyExtension ||
                                   finding.Kind == TFindingKind::ExplorerOverride;
            ShowItem(*this, TabCaptions[extension ? 0 : 1], finding.Name);
        };
        CheckForm->onChanged = [this](const TChange& change) { ShowChange(change); };
        CheckForm->onEditActions = [this](const std::string& className) {
            ShowClass(*this, className);
            if (!cbShowActions.Checked())
                cbShowActions.SetChecked(true); // opens the action window
        };
        CheckForm->onChangeIcon = [this](const std::string& className) {
            ShowClass(*this, className);
            ItemIconChangeClick();
        };
        CheckForm->onRegisterClass = [this](const std::string& className) {
            ShowClass(*this, className);
            btnRegClick();
        };
    }
    CheckForm->Show();
    CheckForm->BringToFront();
    if (!CheckForm->Checking())
        CheckForm->StartCheck();
}
