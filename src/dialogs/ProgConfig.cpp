#include "dialogs/ProgConfig.h"

#include "registry/ClassesStore.h"
#include "support/ZQIniFiles.h"
#include "support/ZQRoutines.h"
#include "toolkit/Application.h"
#include "toolkit/HelpKey.h"

namespace {

const char* const kConfig = "config";
const char* const kMainForm = "MainForm";

} // namespace

TProgConfigForm::TProgConfigForm(const std::string& settingsPath)
    : TForm({"ProgConfigForm", "Configuration", 0, 0, TBorderStyle::DialogMinimizeBox, nullptr, 379,
             341, TPosition::ScreenCenter}),
      settingsPath_(settingsPath) {
    CreateControls({
        {&cbStartupScan, "cbStartupScan", "Scan on Startup", {8, 8, 363, 17}},
        {&cbSaveMode, "cbSaveMode", "Save Mode (no changes are saved)", {8, 28, 363, 17}},
        {&cbVersionWarn,
         "cbVersionWarn",
         "Always warn if the current version of Windows isn't supported",
         {8, 48, 363, 17}},
        {&gbWhileWorking, "gbWhileWorking", " While working ", {8, 72, 363, 76}},
        {&cbOptimizeSystem,
         "cbOptimizeSystem",
         "Delete all things, that are modiefied and no longer needed (recommered)",
         {8, 16, 349, 28}, // two lines: the caption is wider than the group
         &gbWhileWorking,
         "",
         TAlign::None,
         BS_MULTILINE},
        {&cbAlwaysAsk,
         "cbAlwaysAsk",
         "Disturb me, while it should be secure!",
         {8, 48, 349, 17},
         &gbWhileWorking},
        {&gbRestore, "gbRestore", " Restore on startup ", {8, 154, 363, 88}},
        {&cbRestoreWnd,
         "cbRestoreWnd",
         "... window size and position",
         {8, 18, 349, 17},
         &gbRestore},
        {&cbRestoreTab, "cbRestoreTab", "... selected tab", {8, 40, 349, 17}, &gbRestore},
        {&cbRestoreSelItem,
         "cbRestoreSelItem",
         "... selected item (extension and fileclass)",
         {8, 62, 349, 17},
         &gbRestore},
        {&cbScopeUser,
         "cbScopeUser",
         "Changes apply to this user only (else to all users)",
         {8, 248, 363, 17}},
        {&laMail, "laMail", "Do you have any other idea? Send me a mail!", {8, 272, 0, 13}},
        {&laNote,
         "laNote",
         "Note: Please restart the program if you change a setting.",
         {8, 290, 0, 13}},
        {&BottomPanel, "BottomPanel", "", {0, 305, 379, 36}, this, "", TAlign::Bottom},
        {&btnHelp, "btnHelp", "Help", {8, 7, 75, 23}, &BottomPanel, "Do you need Help?"},
        {&btnCancel, "btnCancel", "Cancel", {216, 7, 75, 23}, &BottomPanel},
        {&btnOK, "btnOK", "OK", {296, 7, 75, 23}, &BottomPanel, "Confirm your changes"},
    });
    laMail.SetTextStyle(tsNone);
    laMail.SetUrl("mailto:support@corvix.de");
    btnCancel.SetModalResult(mrCancel);
    SetDefaultButton(&btnOK);
    SetCancelButton(&btnCancel);

    onShow = Handler(this, &TProgConfigForm::FormShow);
    btnOK.onClick = Handler(this, &TProgConfigForm::btnOKClick);
    btnCancel.onClick = Handler(this, &TProgConfigForm::btnCancelClick);
    btnHelp.onClick = Handler(this, &TProgConfigForm::btnHelpClick);
    onShortCut = HelpKey(Handler(this, &TProgConfigForm::btnHelpClick));
}

void TProgConfigForm::FormShow() {
    TZQIniFile ini(settingsPath_);
    cbStartupScan.SetChecked(ini.ReadBool(kConfig, "StartupScan", true));
    // On the NT family changes need "AllowMods" in the file; without it the
    // Save Mode stays on.
    if (IsWindows95Family() || ini.ReadBool(kConfig, "AllowMods", false)) {
        cbSaveMode.SetChecked(ini.ReadBool(kConfig, "SaveMode", true));
        cbSaveMode.SetEnabled(true);
    } else {
        cbSaveMode.SetChecked(true);
        cbSaveMode.SetEnabled(false);
    }
    cbVersionWarn.SetChecked(ini.ReadBool(kConfig, "VersionWarn", true));
    cbOptimizeSystem.SetChecked(ini.ReadBool(kConfig, "OptimizeSystem", true));
    cbAlwaysAsk.SetChecked(ini.ReadBool(kConfig, "AlwaysAsk", true));
    cbRestoreWnd.SetChecked(ini.ReadBool(kMainForm, "RestoreWnd", true));
    cbRestoreTab.SetChecked(ini.ReadBool(kMainForm, "RestoreTab", true));
    cbRestoreSelItem.SetChecked(ini.ReadBool(kMainForm, "RestoreSelItem", true));
    // The choice of the store exists where the system has two; not chosen
    // yet, it shows what the commands would take.
    cbScopeUser.SetEnabled(TwoClassesStores());
    const std::string scope = ini.ReadString(kConfig, "Scope", "");
    cbScopeUser.SetChecked(TwoClassesStores() &&
                           (scope == "user" ||
                            (scope != "machine" &&
                             StoreWritable(TClassesStore::Machine) != ERROR_SUCCESS)));
}

void TProgConfigForm::btnOKClick() {
    TZQIniFile ini(settingsPath_);
    ini.WriteBool(kConfig, "StartupScan", cbStartupScan.Checked());
    ini.WriteBool(kConfig, "SaveMode", cbSaveMode.Checked());
    ini.WriteBool(kConfig, "VersionWarn", cbVersionWarn.Checked());
    ini.WriteBool(kConfig, "OptimizeSystem", cbOptimizeSystem.Checked());
    ini.WriteBool(kConfig, "AlwaysAsk", cbAlwaysAsk.Checked());
    ini.WriteBool(kMainForm, "RestoreWnd", cbRestoreWnd.Checked());
    ini.WriteBool(kMainForm, "RestoreTab", cbRestoreTab.Checked());
    ini.WriteBool(kMainForm, "RestoreSelItem", cbRestoreSelItem.Checked());
    if (TwoClassesStores())
        ini.WriteString(kConfig, "Scope", cbScopeUser.Checked() ? "user" : "machine");
    SetModalResult(mrOk);
}

void TProgConfigForm::btnCancelClick() {
    SetModalResult(mrCancel);
}

void TProgConfigForm::btnHelpClick() {
    Application.HelpContext(kHelpContext);
}
