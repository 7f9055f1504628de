// TMainForm: the commands that open the program's dialogs: configuration,
// system-wide settings and the about box.
#include "mainwindow/MainUnit.h"

#include "dialogs/ProgConfig.h"
#include "dialogs/SysOptionUnit.h"

void TMainForm::ConfigurationItemClick() {
    TProgConfigForm form(SettingsPath());
    form.ShowModal();
}

void TMainForm::Systemsettings1Click() {
    TSysOptionForm form({[this] { return CanModify(); },
                         [this](const std::string& question) { return Confirm(question); },
                         [this](const std::string& name, const std::function<void()>& change) {
                             TUndoStep step(*this, name);
                             change();
                         },
                         ShellStateChanged});
    form.ShowModal();
}

void TMainForm::InfoItemClick() {
    ZQAboutDialog1.Execute();
}
