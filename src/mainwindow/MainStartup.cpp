// TMainForm: creation, first showing, closing and destruction, and the
// window state kept in the settings file.
#include "mainwindow/MainUnit.h"

#include "association/DataType.h"
#include "commands/Commands.h"
#include "index/ScanJob.h"
#include "index/ZQFileAssoc.h"
#include "mainwindow/BoxQuestions.h"
#include "registry/Registry5LE.h"
#include "support/StringList.h"
#include "support/SystemFiles.h"
#include "support/ZQIniFiles.h"
#include "toolkit/Application.h"
#include "toolkit/DesignScale.h"
#include "toolkit/ScreenPlacement.h"
#include "toolkit/SystemShell.h"

namespace {

const char* const kMainForm = kMainFormSection;

} // namespace

bool StartupHideFileExt() {
    // A fresh user profile (a new Wine prefix among them) has no Explorer
    // settings key at all; the program must start all the same.
    return ReadHideFileExt(false);
}

bool StartupScanWanted(const std::string& settingsPath) {
    return TSettings(settingsPath).StartupScan;
}

void TMainForm::FormCreate() {
    questions_ = std::make_unique<TBoxQuestions>();
    commands_ = std::make_unique<TCommands>(settingsPath_, *questions_);
    Commands().DecideGate();
    Application.onHint = Handler(this, &TMainForm::ApplicationHint);
    TabControl.SetTabs({TabCaptions[0], TabCaptions[1]});
    PickBackupFile = [this](std::string& path) { return AskForBackupFile(Handle(), path); };
    ElevationOffered = ::ElevationOffered;
    RestartElevated = [this](const std::string& parameters) {
        return ShellExecuteOf(Handle(), "runas", ModuleFilePath(), parameters) > 32;
    };
    Commands().RestartAsAdministrator = [this] { return RestartAsAdministrator(); };
    PickExportFile = [this](TExportFormat format, std::string& path) {
        return AskForExportFile(Handle(), format, path);
    };
    PickProfileFile = [this](std::string& path) { return AskForProfileFile(Handle(), path); };
    UpdateUndoItem();
    UpdateScopeItems();
}

void TMainForm::FormShow() {
    const bool startupScan = Commands().Settings().StartupScan;
    {
        TZQIniFile ini(settingsPath_);
        RestoreWindow(ini);
    }
    if (!startupScan)
        startupScan_.reset(); // stops a scan started for nothing
    if (startupScan) {
        // The window appears, restored and painted, before the scan, which
        // shows its progress in it.
        Show();
        Application.ProcessPaintMessages();
        TStringList extensions;
        ScanRegistry(&extensions);
        if (closed_)
            return; // closed during the scan
        ShowViewAfterScan(extensions);
    } else {
        ForceViewUpdate = true;
        TabControlChange();
    }
    TZQIniFile ini(settingsPath_);
    if (Commands().Settings().RestoreSelItem) {
        CurrentExt = ini.ReadString(kMainForm, "LastExt", "");
        CurrentClass = ini.ReadString(kMainForm, "LastClass", "");
        const int index = LastShownIndex();
        if (index >= 0)
            ListBox.SetItemIndex(index);
    }
    ListBoxClick();
    if (!StartItem.empty())
        ShowItemIn(IsValidExtension(StartItem) ? 0 : 1, StartItem);
    ReportJournalDamage();
}

void TMainForm::RestoreWindow(TZQIniFile& ini) {
    if (Commands().Settings().RestoreWnd) {
        if (ini.ReadBool(kMainForm, "Maximized", false)) {
            SetMaximized(true);
        } else {
            const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
            const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
            TBounds b;
            b.height = ini.ReadInteger(kMainForm, "Height", Scaled(465));
            b.width = ini.ReadInteger(kMainForm, "Width", Scaled(385));
            b.top = ini.ReadInteger(kMainForm, "Top", (screenHeight - b.height) / 2);
            b.left = ini.ReadInteger(kMainForm, "Left", (screenWidth - b.width) / 2);
            // Stored bounds from another screen (or of a minimized window)
            // are brought back onto this one.
            SetBounds(PlaceOnScreen(b, screenWidth, screenHeight));
        }
        RestoreSplit(ini);
    }
    if (Commands().Settings().RestoreTab) {
        // Only 0 and 1 name a tab; anything else reads as the first.
        const int tab = ini.ReadInteger(kMainForm, "Tab", 0);
        TabControl.SetTabIndex(tab == 0 || tab == 1 ? tab : 0);
        CurrentView = TabControl.TabIndex();
    }
}

void TMainForm::FormClose() {
    closed_ = true;
    // A scan that is running stops before its next key.
    if (runningScan_)
        runningScan_->Stop();
    Application.HelpCommand(HELP_QUIT, 0);
    TZQIniFile ini(settingsPath_);
    if (Commands().Settings().RestoreWnd) {
        const TBounds b = Bounds();
        ini.WriteInteger(kMainForm, "Top", b.top);
        ini.WriteInteger(kMainForm, "Left", b.left);
        ini.WriteInteger(kMainForm, "Height", b.height);
        ini.WriteInteger(kMainForm, "Width", b.width);
        ini.WriteBool(kMainForm, "Maximized", Maximized());
        SaveSplit(ini);
    }
    if (Commands().Settings().RestoreTab)
        ini.WriteInteger(kMainForm, "Tab", TabControl.TabIndex());
    if (Commands().Settings().RestoreSelItem) {
        ini.WriteString(kMainForm, "LastExt", CurrentExt);
        ini.WriteString(kMainForm, "LastClass", CurrentClass);
    }
}

void TMainForm::FormDestroy() {
    // The hint handler must not outlive the window it writes to.
    Application.onHint = nullptr;
    FreeToolWindows();
}

void TMainForm::ApplicationHint() {
    StatusBar.SetPanelText(1, Application.Hint());
}

