// TMainForm: taking back the changes the commands made to the registry (the
// undo journal beside the settings file) and the export of a backup.
#include "mainwindow/MainUnit.h"

#include "association/KeyImage.h"
#include "association/Names.h"
#include "association/UndoJournal.h"
#include "commands/Commands.h"
#include "index/ZQFileAssoc.h"
#include "registry/ClassesStore.h"
#include "support/ZQWinDialogs.h"
#include "toolkit/Dialogs.h"

#include <commdlg.h>

// The system's save dialog for a .reg file; false when cancelled.
bool AskForBackupFile(HWND owner, std::string& path) {
    TFileDialogArgs args;
    args.owner = owner;
    args.title = "Export backup";
    args.filters = {{"Registration files (*.reg)", "*.reg"}, {"All files (*.*)", "*.*"}};
    args.defaultExtension = "reg";
    args.flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    std::string chosen = "backup.reg";
    if (!AskSaveFileName(args, chosen))
        return false;
    path = chosen;
    return true;
}

TUndoJournal& TMainForm::Journal() {
    return Commands().Journal();
}

void TMainForm::ReportJournalDamage() {
    const std::string report = Journal().TakeDamageReport();
    if (!report.empty())
        MessageDlg(report, TDialogKind::Warning, mbOK);
}

void TMainForm::UpdateUndoItem() {
    const bool canUndo = Journal().CanUndo();
    UndoItem.SetCaption(canUndo ? "&Undo " + Journal().LastName() : std::string("&Undo"));
    UndoItem.SetEnabled(canUndo);
    tbtnUndo.SetEnabled(canUndo);
}

void TMainForm::UndoItemClick() {
    const TChange change = Commands().Undo();
    UpdateUndoItem();
    if (!change.Done)
        return;
    ShowCounts();
    ShowRestoredItem(change.Restored);
}

void TMainForm::ShowRestoredItem(const TRestoreReport& report) {
    // The keys restored last are the first the command changed. The item
    // shown is the first of them that the current view lists, else the first
    // the other view lists.
    // A key of either store or of the view names the item below its root.
    auto itemOf = [](const std::string& key) {
        for (TClassesStore store :
             {TClassesStore::View, TClassesStore::User, TClassesStore::Machine}) {
            const std::string prefix = StoreName(store) + "\\";
            if (key.size() > prefix.size() && SameKeyName(key.substr(0, prefix.size()), prefix))
                return key.substr(prefix.size());
        }
        return std::string();
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
    Commands().ExportBackup(PickBackupFile);
}
