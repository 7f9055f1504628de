// TMainForm: the modification gate. Whether the program may change the
// registry is decided once, when the window is created; every command that
// changes something asks CanModify first and Confirm before each change.
#include "mainwindow/MainUnit.h"

#include "support/ZQIniFiles.h"
#include "support/ZQRoutines.h"
#include "toolkit/Dialogs.h"

namespace {

// The one Windows version the program was tested with: Windows 2000.
const int kTestedVersion = 8;

} // namespace

std::string UntestedSystemWarning(const std::string& systemName) {
    return "This program was not tested with " + systemName +
           ", so there is just no possibility for you, to save any changes.\r\n"
           "Maybe there is just a new version of this program, which now can save "
           "changes to your OS.\r\n"
           "Contact me at support@corvix.de";
}

void TMainForm::CheckOSVersion() {
    TZQIniFile ini(SettingsPath());
    if (GetOSVersionCode() == kTestedVersion) {
        AllowChanges = !ini.ReadBool("config", "SaveMode", true);
    } else if (ini.ReadBool("config", "VersionWarn", true)) {
        std::string name;
        GetOSName(name);
        MessageDlg(UntestedSystemWarning(name), TDialogKind::Warning, mbOK);
        AllowChanges = ini.ReadBool("config", "AllowMods", false);
    }
}

bool TMainForm::CanModify() {
    if (AllowChanges)
        return true;
    ShowMessage("You checked, that no changes should be done.\r\nPlease watch the "
                "configurationdialog.");
    return false;
}

bool TMainForm::Confirm(const std::string& message) {
    if (!AlwaysAsk)
        return true;
    return MessageDlg(message, TDialogKind::Confirmation, mbYes | mbNo) == mrYes;
}
