// TCommands: taking back the newest undo entry, and the backup export.
#include "commands/Commands.h"

#include "association/Names.h"
#include "association/RegExport.h"
#include "association/Visibility.h"
#include "support/Exception.h"
#include "support/WholeFile.h"

#include <algorithm>

TChange TCommands::Undo() {
    // Undo writes each key back to the store it came from, not to the
    // chosen one: a store that refuses shows in the report.
    if (!journal_->CanUndo() || !CanModify(false))
        return TChange();
    const std::string name = journal_->LastName();
    if (!Confirm("Are you sure to undo '" + name +
                 "'?\r\nEvery key it changed gets back the state it had before."))
        return TChange();
    questions_.BeforeFirstChange();
    TChange change;
    change.Restored = journal_->UndoLast();
    change.Done = true;
    if (AssociationsChanged)
        AssociationsChanged();
    // The extensions switch restored: the shell is told as when it was set.
    if (std::any_of(change.Restored.Restored.begin(), change.Restored.Restored.end(),
                    IsShellStateKey) &&
        ShellStateChanged)
        ShellStateChanged();
    Rescan();
    if (!change.Restored.Complete())
        questions_.Tell(TBoxKind::Error, "The registry refused part of the undo of '" + name +
                                             "'. The step is kept, so that you can try "
                                             "again.\r\n" +
                                             change.Restored.Message());
    return change;
}

bool TCommands::ExportBackup(const std::function<bool(std::string& path)>& pickFile) {
    TQuestion question;
    question.Text = "Export all of HKEY_CLASSES_ROOT?\r\nYes: every extension and class.\r\nNo: "
                    "only the keys changed in this run (" +
                    std::to_string(journal_->ChangedKeys().size()) + ").";
    question.Buttons = TButtons::YesNoCancel;
    const TAnswer answer = questions_.Ask(question);
    if (answer == TAnswer::Cancel)
        return false;
    if (answer == TAnswer::No && journal_->ChangedKeys().empty()) {
        questions_.Tell(TBoxKind::Information, "No key was changed in this run.");
        return false;
    }
    std::string path;
    if (!pickFile(path))
        return false;
    WriteBackup(path, answer == TAnswer::Yes);
    return true;
}

void TCommands::WriteBackup(const std::string& path, bool whole) {
    // The changed keys as the journal's before-images hold them: a key
    // deleted in this run is brought back by the backup.
    const std::vector<TKeyImage> keys =
        whole ? CaptureWholeRoot(HKEY_CLASSES_ROOT) : journal_->ChangedKeys();
    if (!ReplaceWholeFile(path, RegFileBytes(keys)))
        throw Exception("The backup could not be written to " + path + ".");
}
