// TMainForm: the commands that open the program's dialogs: configuration,
// system-wide settings and the about box; the Options menu's choice of the
// store changes go to.
#include "mainwindow/MainUnit.h"

#include "commands/Commands.h"
#include "dialogs/ProgConfig.h"
#include "dialogs/SysOptionUnit.h"
#include "registry/ClassesStore.h"
#include "support/ZQIniFiles.h"

void TMainForm::ConfigurationItemClick() {
    TProgConfigForm form(SettingsPath());
    if (form.ShowModal() == mrOk) {
        // The store changes go to takes effect at once.
        Commands().Settings().Scope = TSettings(SettingsPath()).Scope;
        UpdateScopeItems();
    }
}

namespace {

void ChooseScope(TMainForm& form, const char* scope) {
    form.Commands().Settings().Scope = scope;
    TZQIniFile(form.SettingsPath()).WriteString(kConfigSection, "Scope", scope);
    form.UpdateScopeItems();
}

} // namespace

void TMainForm::ScopeUserItemClick() {
    ChooseScope(*this, "user");
}

void TMainForm::ScopeMachineItemClick() {
    ChooseScope(*this, "machine");
}

void TMainForm::UpdateScopeItems() {
    const bool two = TwoClassesStores();
    ScopeUserItem.SetVisible(two);
    ScopeMachineItem.SetVisible(two);
    if (two) {
        // The chosen one is marked with a bullet (the menu items keep no
        // check state).
        const bool user = Commands().ChangeStore() == TClassesStore::User;
        ScopeUserItem.SetCaption(std::string(user ? "\u2022 " : "") +
                                 "Changes apply to: this user");
        ScopeMachineItem.SetCaption(std::string(user ? "" : "\u2022 ") +
                                    "Changes apply to: all users");
    }
    RestartAdminItem.SetVisible(two && ElevationOffered && ElevationOffered());
}

bool TMainForm::RestartAsAdministrator() {
    // The view and item shown, as the command line gives them to the window.
    const std::string item = CurrentView == 0 ? CurrentExt : CurrentClass;
    const std::string parameters =
        item.empty() ? std::string() : "--select \"" + item + "\"";
    if (!RestartElevated || !RestartElevated(parameters))
        return false;
    Close();
    return true;
}

void TMainForm::Systemsettings1Click() {
    TSysOptionForm form(Commands());
    form.ShowModal();
    UpdateUndoItem();
}

void TMainForm::InfoItemClick() {
    ZQAboutDialog1.Execute();
}
