// TMainForm: taking back the changes the commands made to the registry (the
// undo journal beside the settings file) and the export of a backup.
#include "mainwindow/MainUnit.h"

#include "association/Names.h"
#include "association/RegExport.h"
#include "association/UndoJournal.h"
#include "association/Visibility.h"
#include "dialogs/SysOptionUnit.h"
#include "index/ZQFileAssoc.h"
#include "support/WholeFile.h"
#include "toolkit/Dialogs.h"

#include <algorithm>
#include <commdlg.h>

std::string UndoJournalPath(const std::string& settingsPath) {
    const size_t slash = settingsPath.find_last_of("\\/");
    return (slash == std::string::npos ? std::string() : settingsPath.substr(0, slash + 1)) +
           "undo.log";
}

TMainForm::TUndoStep::TUndoStep(TMainForm& form, const std::string& name)
    : form_(form), entry_(std::make_unique<TJournalEntry>(form.Journal_.get(), name)) {}

TMainForm::TUndoStep::~TUndoStep() {
    entry_.reset();
    form_.UpdateUndoItem();
}

namespace {

// The system's save dialog for a .reg file; false when cancelled.
bool AskForBackupFile(HWND owner, std::string& path) {
    char file[MAX_PATH] = "backup.reg";
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = "Registration files (*.reg)\0*.reg\0All files (*.*)\0*.*\0";
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrTitle = "Export backup";
    ofn.lpstrDefExt = "reg";
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetSaveFileNameA(&ofn))
        return false;
    path = file;
    return true;
}

} // namespace

void TMainForm::OpenJournal() {
    PickBackupFile = [this](std::string& path) { return AskForBackupFile(Handle(), path); };
    ShellStateChanged = NotifyShellStateChanged;
    Journal_ = std::make_unique<TUndoJournal>(UndoJournalPath(settingsPath_));
    UpdateUndoItem();
}

void TMainForm::ReportJournalDamage() {
    const std::string report = Journal_->TakeDamageReport();
    if (!report.empty())
        MessageDlg(report, TDialogKind::Warning, mbOK);
}

void TMainForm::UpdateUndoItem() {
    const bool canUndo = Journal_ && Journal_->CanUndo();
    UndoItem.SetCaption(canUndo ? "&Undo " + Journal_->LastName() : std::string("&Undo"));
    UndoItem.SetEnabled(canUndo);
    tbtnUndo.SetEnabled(canUndo);
}

void TMainForm::UndoItemClick() {
    if (!Journal_->CanUndo() || !CanModify())
        return;
    const std::string name = Journal_->LastName();
    if (!Confirm("Are you sure to undo '" + name +
                 "'?\r\nEvery key it changed gets back the state it had before."))
        return;
    const TRestoreReport report = Journal_->UndoLast();
    NotifyAssociationsChanged();
    // The extensions switch restored: the shell is told as when it was set.
    if (std::any_of(report.Restored.begin(), report.Restored.end(), IsShellStateKey))
        ShellStateChanged();
    UpdateUndoItem();
    ScanRegistry();
    ShowRestoredItem(report);
    if (!report.Complete())
        MessageDlg("The registry refused part of the undo of '" + name +
                       "'. The step is kept, so that you can try again.\r\n" + report.Message(),
                   TDialogKind::Error, mbOK);
}

void TMainForm::ShowRestoredItem(const TRestoreReport& report) {
    // The keys restored last are the first the command changed. The item
    // shown is the first of them that the current view lists, else the first
    // the other view lists.
    const std::string prefix = "HKEY_CLASSES_ROOT\\";
    auto itemOf = [&](const std::string& key) {
        return key.compare(0, prefix.size(), prefix) == 0 ? key.substr(prefix.size())
                                                          : std::string();
    };
    auto listedIn = [&](int view, const std::string& item) {
        return view == 0 ? IsValidExtension(item)
                         : IsValidFileClass(item) && FileClasses().IndexOf(item) >= 0;
    };
    for (int view : {CurrentView, 1 - CurrentView}) {
        for (auto it = report.Restored.rbegin(); it != report.Restored.rend(); ++it) {
            const std::string item = itemOf(*it);
            if (!listedIn(view, item))
                continue;
            (view == 0 ? CurrentExt : CurrentClass) = item;
            TabControl.SetTabIndex(view);
            ForceViewUpdate = true;
            TabControlChange();
            return;
        }
    }
    ForceViewUpdate = true;
    TabControlChange();
}

void TMainForm::ExportBackupItemClick() {
    const int answer = MessageDlg(
        "Export all of HKEY_CLASSES_ROOT?\r\nYes: every extension and class.\r\nNo: only the "
        "keys changed in this run (" +
            std::to_string(Journal_->ChangedKeys().size()) + ").",
        TDialogKind::Confirmation, mbYes | mbNo | mbCancel);
    if (answer == mrCancel)
        return;
    if (answer == mrNo && Journal_->ChangedKeys().empty()) {
        MessageDlg("No key was changed in this run.", TDialogKind::Information, mbOK);
        return;
    }
    std::string path;
    if (!PickBackupFile(path))
        return;
    const std::vector<TKeyImage> keys = answer == mrYes ? CaptureWholeRoot(HKEY_CLASSES_ROOT)
                                                        : CaptureKeys(Journal_->ChangedKeys());
    if (!ReplaceWholeFile(path, Regedit4Text(keys)))
        throw Exception("The backup could not be written to " + path + ".");
}
