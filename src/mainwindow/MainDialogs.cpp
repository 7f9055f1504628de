// TMainForm: the commands that open the program's dialogs: configuration,
// system-wide settings and the about box.
#include "mainwindow/MainUnit.h"

#include "commands/Commands.h"
#include "dialogs/ProgConfig.h"
#include "dialogs/SysOptionUnit.h"

void TMainForm::ConfigurationItemClick() {
    TProgConfigForm form(SettingsPath());
    form.ShowModal();
}

void TMainForm::Systemsettings1Click() {
    TSysOptionForm form(Commands());
    form.ShowModal();
    UpdateUndoItem();
}

void TMainForm::InfoItemClick() {
    ZQAboutDialog1.Execute();
}
