// TCommands: the object itself, the modification gate, the writer each
// command makes its changes through, and the index kept equal to a scan.
#include "commands/Commands.h"

#include "association/DataType.h"
#include "association/RegistryWriter.h"
#include "commands/ShellNotice.h"
#include "index/ZQFileAssoc.h"
#include "registry/RawKey.h"
#include "registry/Registry5LE.h"
#include "support/StringList.h"
#include "support/TextCompare.h"
#include "support/ZQRoutines.h"

namespace {

// The one Windows version the program was tested with: Windows 2000.
const int kTestedVersion = 8;

} // namespace

const char* const kRestartAsAdministrator = "Restart as administrator";

const char* const kChangesRefused =
    "You checked, that no changes should be done.\r\nPlease watch the configurationdialog.";

std::string UntestedSystemWarning(const std::string& systemName) {
    return "This program was not tested with " + systemName +
           ", so there is just no possibility for you, to save any changes.\r\n"
           "Maybe there is just a new version of this program, which now can save "
           "changes to your OS.\r\n"
           "Contact me at support@corvix.de";
}

TCommands::TCommands(const std::string& settingsPath, TQuestions& questions)
    : AssociationsChanged(NotifyAssociationsChanged), ShellStateChanged(NotifyShellStateChanged),
      settings_(settingsPath), questions_(questions), index_(std::make_unique<TFileClass>()),
      journal_(std::make_unique<TUndoJournal>(UndoJournalPath(settingsPath))) {}

TCommands::~TCommands() = default;

void TCommands::DecideGate() {
    if (GetOSVersionCode() == kTestedVersion) {
        allowChanges_ = !settings_.SaveMode;
    } else if (settings_.VersionWarn) {
        std::string name;
        GetOSName(name);
        questions_.Tell(TBoxKind::Warning, UntestedSystemWarning(name));
        allowChanges_ = settings_.AllowMods;
    } else {
        allowChanges_ = false;
    }
}

bool TCommands::CanModify(bool ofStore) {
    if (!allowChanges_) {
        questions_.Tell(TBoxKind::Plain, kChangesRefused);
        return false;
    }
    const std::string refusal = ofStore ? StoreRefusal() : std::string();
    if (refusal.empty())
        return true;
    if (!RestartAsAdministrator) {
        questions_.Tell(TBoxKind::Warning, refusal);
        return false;
    }
    TQuestion question;
    question.Role = TQuestionRole::Offer;
    question.Kind = TBoxKind::Warning;
    question.Text = refusal + "\r\n\r\n" + kRestartAsAdministrator + "?";
    question.Default = TAnswer::No;
    if (questions_.Ask(question) == TAnswer::Yes)
        RestartAsAdministrator();
    return false;
}

TClassesStore TCommands::ChangeStore() {
    if (!TwoClassesStores())
        return TClassesStore::View;
    if (settings_.Scope == "user")
        return TClassesStore::User;
    if (settings_.Scope == "machine")
        return TClassesStore::Machine;
    return StoreWritable(TClassesStore::Machine) == ERROR_SUCCESS ? TClassesStore::Machine
                                                                   : TClassesStore::User;
}

std::string TCommands::StoreRefusal() {
    const TClassesStore store = ChangeStore();
    const LONG rc = StoreWritable(store);
    if (rc == ERROR_SUCCESS)
        return std::string();
    const std::string cause = "Changes can't be written to " + StoreName(store) + " (" +
                              RegistryErrorText(rc) + ").";
    if (store == TClassesStore::Machine)
        return cause + "\r\nChoose \"Changes apply to: this user\" (Options menu, or --scope "
                       "user), or start Corvix as administrator.";
    return cause;
}

bool TCommands::Confirm(const std::string& text, TQuestionRole role) {
    if (!settings_.AlwaysAsk && !questions_.AlwaysAsks())
        return true;
    TQuestion question;
    question.Role = role;
    question.Text = text;
    return questions_.Ask(question) == TAnswer::Yes;
}

bool TCommands::DeletableHere(const std::string& item) {
    return ChangeStore() != TClassesStore::User || PlaceOfItem(item) != TItemPlace::Machine;
}

void TCommands::RefuseUndeletable(const std::string& item) {
    if (!DeletableHere(item))
        throw Exception(NotDeletableForUser(item));
}

std::unique_ptr<TRegistryWriter> TCommands::Writer(const std::string& name) {
    auto writer = std::make_unique<TRegistryWriter>(journal_.get(), name);
    writer->SetStore(ChangeStore());
    writer->onFirstChange = [this] { questions_.BeforeFirstChange(); };
    writer->onJournalFailure = [this](const std::string& message) {
        TQuestion question;
        question.Role = TQuestionRole::WithoutUndo;
        question.Kind = TBoxKind::Warning;
        question.Text = message + "\r\nThe undo journal can't be written. Make the change "
                                  "anyway, without the possibility to undo it?";
        question.Default = TAnswer::No;
        return questions_.Ask(question) == TAnswer::Yes;
    };
    return writer;
}

TChange TCommands::Finish(const TRegistryWriter& writer, TChange change) {
    change.Done = writer.Changed();
    change.WithoutUndo = writer.Changed() && writer.WithoutUndo();
    if (change.Done && AssociationsChanged)
        AssociationsChanged();
    return change;
}

std::string TCommands::ScannedClass(const std::string& ext) {
    try {
        return GetExtensionClass(ext);
    } catch (const ERegistryException&) {
        return std::string();
    }
}

void TCommands::Refile(const std::string& ext, const std::string& was) {
    TFileClass& index = *index_;
    index.RemoveClassExtension(was, ext);
    if (index.IndexOf(was) >= 0 && index.ClassExtensionCount(was) == 0)
        index.DeleteClass(was);
    if (ExtensionExists(ext))
        index.Add(ScannedClass(ext), "", ext);
}

std::string TCommands::ChangedSinceScan(const std::string& ext, bool mustExist) {
    if (!ExtensionExists(ext))
        return mustExist ? "'" + ext + "' no longer exists." : std::string();
    const std::string linked = ScannedClass(ext);
    TStringList shown;
    index_->GetClassExtensions(linked, shown);
    for (const std::string& listed : shown)
        if (SameText(listed, ext))
            return std::string();
    return linked.empty() ? "'" + ext + "' is no longer associated with a fileclass."
                          : "'" + ext + "' is now associated with '" + linked + "'.";
}

void TCommands::LinkedNow(const std::string& className, TStringList& linked) {
    TFileClass fresh;
    ScanFileClasses(fresh);
    fresh.GetClassExtensions(className, linked);
    // The fresh scan is the better index: what the command changes next is
    // filed into it, and the views show it.
    index_->Swap(fresh);
}

TChange TCommands::StaleChange(const std::string& what) {
    questions_.Tell(TBoxKind::Warning,
                    what + "\r\nThe registry was changed since it was read. Nothing was "
                           "changed; the registry is read again.");
    TChange change;
    change.Stale = true;
    return change;
}

TScanResult TCommands::Rescan(const TScanProgress& progress, TStringList* extensions) {
    return ScanFileClasses(*index_, progress, extensions);
}
