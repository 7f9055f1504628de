// TCommands: the program's use cases, one operation per user command, with no
// window code. The object owns the class index, the undo journal and the
// settings, and keeps the modification gate. Each operation
//  - asks the gate (CanModify) and its questions through TQuestions, with the
//    exact texts the windows have always shown;
//  - makes its changes through one TRegistryWriter, so they are one undo
//    entry named for the user;
//  - brings the index to what a fresh scan would give;
//  - tells the shell;
//  - and returns what changed (TChange), which the views use to refresh.
// A command that is refused, declined or finds nothing to do returns a
// TChange with Done false and has changed nothing (an error raised halfway
// leaves what was written before, undoable).
#pragma once

#include "association/Actions.h"
#include "association/UndoJournal.h"
#include "commands/AssociationCheck.h"
#include "commands/ProfileExport.h"
#include "commands/ProfilePlan.h"
#include "commands/Questions.h"
#include "commands/Settings.h"
#include "index/FileClassScan.h"
#include "registry/ClassesStore.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TFileClass;
class TRegistryWriter;
class TStringList;

// What a command changed.
struct TChange {
    // The registry was changed.
    bool Done = false;
    // The item the views show afterwards: the extension or class the command
    // was about, or the neighbour of a deleted one (empty: keep the
    // selection).
    std::string Extension;
    std::string FileClass;
    // The command was made without undo (the user agreed to that).
    bool WithoutUndo = false;
    // Undo: the keys put back and those the registry refused.
    TRestoreReport Restored;
    // The registry no longer holds what the index (and so the view) showed of
    // the item, so the command changed nothing and told the user: the views
    // read the registry again.
    bool Stale = false;
};

// What the register-extension dialog collects.
struct TNewExtension {
    std::string Extension;
    std::string FileClass; // empty: "<ext without point>_auto_file"
    std::string ContentType;
    int PerceivedType = 0; // a TPerceivedType; written on Windows XP only
};

// What the register-class dialog collects. Icon empty: the class keeps the
// icon it has.
struct TNewClass {
    std::string FileClass;
    std::string Description;
    std::string InfoTip;
    std::string CurVer;
    std::string Icon;
};

// What the "New action" dialog collects. Caption empty: the menu shows the
// verb's name.
struct TNewAction {
    std::string FileClass;
    std::string Verb;
    std::string Caption;
    std::string Command;
};

// What the action window's OK changes of one verb; a part not given stays.
struct TActionEdit {
    std::optional<std::string> Command;
    std::optional<TDDEInfo> DDE;
    // The user has agreed already (the window's question whether to save
    // edits): the command asks no more.
    bool Agreed = false;
};

// Windows refused to reset the choice made in it: today's Windows protects
// the choice of some types; its "Default apps" settings change it then
// (ms-settings:defaultapps, offered from Windows 10 on).
class EProtectedChoice : public Exception {
public:
    explicit EProtectedChoice(const std::string& refusal);
    bool OffersDefaultApps;
};

class TCommands {
public:
    // Reads the settings file at `settingsPath` and opens the undo journal
    // beside it; the gate is decided by DecideGate.
    TCommands(const std::string& settingsPath, TQuestions& questions);
    ~TCommands();
    TCommands(const TCommands&) = delete;
    TCommands& operator=(const TCommands&) = delete;

    TSettings& Settings() { return settings_; }
    TFileClass& Index() { return *index_; }
    TUndoJournal& Journal() { return *journal_; }
    TQuestions& Questions() { return questions_; }

    // Tells the shell that associations changed (Explorer then shows the
    // new icons and links); tests replace it.
    std::function<void()> AssociationsChanged;
    // Tells the shell that the extensions switch changed.
    std::function<void()> ShellStateChanged;

    // --- The modification gate.
    // Decides once per run whether changes are allowed: on the one tested
    // system by "SaveMode"; elsewhere, after the warning (unless
    // "VersionWarn" is off), by "AllowMods".
    void DecideGate();
    bool AllowChanges() const { return allowChanges_; }
    void SetAllowChanges(bool allow) { allowChanges_ = allow; }
    // True when changes are allowed and the chosen store takes them; else
    // tells the refusal (offering RestartAsAdministrator when set) and is
    // false. `ofStore` false leaves the store out (undo writes to the stores
    // its keys came from).
    bool CanModify(bool ofStore = true);

    // --- The stores of the classes (see registry/ClassesStore.h).
    // Where changes go: View with one store; with two the store the
    // settings' "Scope" names, by default every user's where the process
    // may write it, else this user's.
    TClassesStore ChangeStore();
    // Why the chosen store can't take changes (the cause and the remedies);
    // empty when it can.
    std::string StoreRefusal();
    // Set by a window where the process could gain administrator rights
    // (Vista and later, not elevated): offered with the refusal; it starts
    // the program anew as administrator and answers whether it did.
    std::function<bool()> RestartAsAdministrator;
    // Asks `text` when the "AlwaysAsk" switch is on (or the questions are
    // always put); true when the answer is Yes or nothing was asked.
    bool Confirm(const std::string& text, TQuestionRole role = TQuestionRole::Command);

    // --- The index.
    // Reads HKEY_CLASSES_ROOT into the index (see ScanFileClasses).
    TScanResult Rescan(const TScanProgress& progress = nullptr, TStringList* extensions = nullptr);

    // --- Association commands.
    // Extension view: links `ext` to `className` ("Associate").
    TChange Associate(const std::string& ext, const std::string& className);
    // Extension view: unlinks `ext` from its class ("Dissociate").
    TChange Dissociate(const std::string& ext);
    // Class view: links an existing extension to the class ("Add new
    // Extension ..."); the key is not made when it went meanwhile.
    TChange AddExtension(const std::string& className, const std::string& ext);
    // Class view: unlinks one of the class's extensions ("Dissociate").
    TChange DissociateFromClass(const std::string& className, const std::string& ext);

    // --- Create and delete commands.
    // Registers an extension; when its class is new and "OptimizeSystem" is
    // on, offers to describe the class: on Yes `describeClass` collects the
    // class's record (false: cancelled), which is written in the same step.
    TChange RegisterExtension(const TNewExtension& input,
                              const std::function<bool(TNewClass&)>& describeClass = nullptr);
    // Registers (or rewrites) a class's record.
    TChange RegisterClass(const TNewClass& input);
    TChange DeleteExtension(const std::string& ext);
    // Extension view: adds (an empty new file, "NullFile") or removes the
    // extension's item in the shell's "New" menu, after a question, as one
    // undo entry. Adding needs the extension to name a class, as the shell
    // offers no item otherwise.
    TChange SetNewMenuItem(const std::string& ext, bool on);
    TChange DeleteClass(const std::string& className);
    // Stores a class's icon location ("file,index").
    TChange ChangeIcon(const std::string& className, const std::string& location);
    // The per-user switch that hides known extensions everywhere.
    TChange ShowExtensions(bool show);

    // --- Repairs of the check's findings (see AssociationCheck.h).
    // Repairs the findings of the kinds RepairedByCommand names, after one
    // question, as one undo entry: missing-class dissociates the extension,
    // empty-extension erases its key, unquoted-path puts the program path in
    // quotes, missing-curver removes "CurVer", user-choice removes the
    // user's Explorer choice. Findings of other kinds, and those that no
    // longer hold, are left; with none left nothing is asked.
    TChange Repair(const std::vector<TFinding>& findings);

    // Resets the choice the user made for `ext` in Windows (Explorer's
    // "UserChoice" and XP's "Progid" and "Application"), after a question, as
    // one undo entry: the extension's class in HKEY_CLASSES_ROOT then holds.
    // Raises EUnknownItem when there is no such choice, and EProtectedChoice
    // when Windows refuses. Never writes a choice.
    TChange ResetUserChoice(const std::string& ext);
    // Offers the registered class under "Open with" for `ext` (the
    // extension's OpenWithProgids), after a question, as one undo entry;
    // nothing is asked when it is offered already.
    TChange AddToOpenWith(const std::string& ext, const std::string& className);
    // Takes `name` (a class or a program) out of every Open With list of
    // `ext`, after a question, as one undo entry; EUnknownItem when no list
    // offers it.
    TChange RemoveFromOpenWith(const std::string& ext, const std::string& name);

    // --- Action and flags commands. Each raises EValidError (or
    // ERegistryException for a class without a key) before asking anything
    // when the names don't fit; a change that leaves everything as it is
    // asks nothing and returns Done false.
    // Writes the verb's command and DDE settings where they differ.
    TChange ChangeAction(const std::string& className, const std::string& verb,
                         const TActionEdit& edit);
    TChange AddAction(const TNewAction& input);
    TChange DeleteAction(const std::string& className, const std::string& verb);
    TChange SetDefaultAction(const std::string& className, const std::string& verb);
    // Replaces the bits of `mask` in the class's "EditFlags" by those of
    // `value` (see SetEditFlagsBits).
    TChange SetEditFlags(const std::string& className, uint32_t value, uint32_t mask = 0xFFFFFFFF);

    // --- Undo and backup.
    // Takes back the newest undo entry, after the gate and its question.
    TChange Undo();
    // Asks what to export (all of HKEY_CLASSES_ROOT, or the keys changed in
    // this run as they were before the first change), has `pickFile` choose
    // the file (false: cancelled) and writes it; true when written.
    bool ExportBackup(const std::function<bool(std::string& path)>& pickFile);
    // Writes the .reg file without asking.
    void WriteBackup(const std::string& path, bool whole);

    // --- Profiles for other machines.
    // Writes the export of the named extensions and classes (all when none
    // is named) to `path`.
    void WriteExport(TExportFormat format, const std::string& path,
                     const std::vector<std::string>& names);
    // Makes the chosen changes of `plan` (made of `profile` against the
    // registry as it is now) after one question, as one undo entry; with
    // none to make it asks nothing and returns Done false. The index is read
    // afresh.
    TChange ApplyProfile(const TProfile& profile, const TPlan& plan);

private:
    // The extension's class as the scan files it: the text of its default
    // value; an unreadable value files it under the empty name.
    static std::string ScannedClass(const std::string& ext);
    // Files `ext` in the index as its key says now; `was` is where the index
    // had it (an entry left without extensions goes, as a scan would not list
    // it).
    void Refile(const std::string& ext, const std::string& was);
    // What the registry holds of `ext` now that the index does not show: its
    // class another, or its key gone (when the command needs it); empty when
    // the two agree.
    std::string ChangedSinceScan(const std::string& ext, bool mustExist);
    // The extensions that name `className` in the registry now, read afresh:
    // what a command deletes is never taken from an index another process may
    // have made stale. The fresh scan becomes the index.
    void LinkedNow(const std::string& className, TStringList& linked);
    // The end of a command that found the registry changed: tells `what` and
    // that nothing was changed.
    TChange StaleChange(const std::string& what);
    // When "OptimizeSystem" is on, the class's key exists, the index shows it
    // `unused` by anything but `ext` and the registry confirms that `ext` is
    // the one extension naming it: asks `question`; true when the class is to
    // go.
    bool OrphanedClassToGo(const std::string& className, const std::string& ext, bool unused,
                           const std::string& question);
    // The end of both dissociations: deletes the orphaned class when asked
    // to, then erases the extension's key (`erase`) or only its class.
    TChange Unlink(const std::string& stepName, const std::string& ext,
                   const std::string& className, bool deleteClass, bool erase);
    // A writer for one user command named `name`: it asks before the first
    // write (BeforeFirstChange) and whether to go on without undo when the
    // journal can't keep a before-image.
    std::unique_ptr<TRegistryWriter> Writer(const std::string& name);
    // Whether the item key can be deleted where the changes go: not for this
    // user when only every user's store holds it. RefuseUndeletable raises
    // Exception saying so (before anything is asked or written).
    bool DeletableHere(const std::string& item);
    void RefuseUndeletable(const std::string& item);
    TChange Finish(const TRegistryWriter& writer, TChange change);

    TSettings settings_;
    TQuestions& questions_;
    std::unique_ptr<TFileClass> index_;
    std::unique_ptr<TUndoJournal> journal_;
    bool allowChanges_ = false;
};

// The questions of the association commands.
std::string AssociateQuestion(const std::string& ext, const std::string& className,
                              const std::string& oldClass);
std::string DissociateQuestion(const std::string& ext, const std::string& className);
// The text of the warning shown on a system the program was not tested with.
std::string UntestedSystemWarning(const std::string& systemName);
// The question and the undo entry's name of the extensions switch.
std::string ShowExtensionsQuestion(bool show);
std::string ShowExtensionsStepName(bool show);
// Whether Repair mends findings of that kind (missing-program and
// missing-icon are mended in the action and icon dialogs).
bool RepairedByCommand(TFindingKind kind);
// The question Repair asks, and the name of its undo entry.
std::string RepairQuestion(const std::vector<TFinding>& findings);
std::string RepairStepName(const std::vector<TFinding>& findings);

// The questions and undo entry names of the action and flags commands.
std::string ChangeActionQuestion(const std::string& className, const std::string& verb);
std::string ChangeActionStepName(const std::string& className, const std::string& verb);
std::string DeleteActionQuestion(const std::string& verb);
// The question of applying a profile.
std::string ApplyProfileQuestion(const std::string& file, size_t changes);
// The refusal of a change while changes are not allowed.
extern const char* const kChangesRefused;
// The offer to start the program anew with administrator rights (the Options
// menu's item and the refusal's question).
extern const char* const kRestartAsAdministrator;
