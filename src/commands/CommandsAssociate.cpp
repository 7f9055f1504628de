// TCommands: the commands that link extensions to file classes and unlink
// them, with the clean-up of a class a change leaves without extensions.
// Every question is asked before the first write, so that a declined
// question leaves the registry untouched.
#include "commands/Commands.h"

#include "association/DataType.h"
#include "association/RegistryWriter.h"
#include "index/ZQFileAssoc.h"
#include "support/StringList.h"
#include "support/TextCompare.h"

std::string AssociateQuestion(const std::string& ext, const std::string& className,
                              const std::string& oldClass) {
    std::string question = "Are you sure to associate '" + ext + "' to '" + className + "'?";
    if (!oldClass.empty())
        question += "\r\nNote: '" + ext + "' is currently associated with '" + oldClass + "'";
    return question;
}

std::string DissociateQuestion(const std::string& ext, const std::string& className) {
    return "Are you sure to dissociate '" + ext + "' from '" + className + "'?";
}

bool TCommands::OrphanedClassToGo(const std::string& className, const std::string& ext, bool unused,
                                  const std::string& question) {
    if (!settings_.OptimizeSystem || !unused || !FileClassExists(className) ||
        !DeletableHere(FileClassKey(className)))
        return false;
    // Another process may have linked more extensions to the class since the
    // index was read: the registry decides, and a class still named
    // elsewhere is kept without a question.
    TStringList linked;
    LinkedNow(className, linked);
    for (const std::string& other : linked)
        if (!SameText(other, ext))
            return false;
    return Confirm(question, TQuestionRole::CleanUp);
}

TChange TCommands::Associate(const std::string& ext, const std::string& className) {
    // A name that can't be stored is refused before anything is asked.
    if (!IsValidExtension(ext))
        throw EValidError::ForExtension(ext);
    if (!IsValidFileClass(className))
        throw EValidError::ForFileClass(className);
    const std::string oldClass = ScannedClass(ext);
    if (!CanModify())
        return TChange();
    const std::string changed = ChangedSinceScan(ext, false);
    if (!changed.empty())
        return StaleChange(changed);
    if (!Confirm(AssociateQuestion(ext, className, oldClass)))
        return TChange();
    // The old class goes unused unless it is the new one in another spelling.
    const bool deleteOld = OrphanedClassToGo(
        oldClass, ext, index_->ClassExtensionCount(oldClass) == 1 && !SameText(oldClass, className),
        "The fileclass '" + oldClass +
            "' will not be used by any other extension.\r\nShould it be deleted?");
    auto writer = Writer("Associate '" + ext + "' with '" + className + "'");
    if (deleteOld)
        DeleteFileClass(*writer, oldClass);
    if (!AssociateExtension(*writer, ext, className, true))
        throw ERegistryException("Erzeugung von Schlüssel " + ext + " misslungen");
    Refile(ext, oldClass);
    TChange change;
    change.Extension = ext;
    change.FileClass = className;
    return Finish(*writer, change);
}

TChange TCommands::Dissociate(const std::string& ext) {
    if (!IsValidExtension(ext))
        throw EValidError::ForExtension(ext);
    const std::string className = ScannedClass(ext);
    if (!CanModify())
        return TChange();
    const std::string changed = ChangedSinceScan(ext, true);
    if (!changed.empty())
        return StaleChange(changed);
    if (!Confirm(DissociateQuestion(ext, className)))
        return TChange();
    const bool deleteClass =
        OrphanedClassToGo(className, ext, index_->ClassExtensionCount(className) == 1,
                          "The fileclass will not be used by any other extension.\r\nShould '" +
                              className + "' be deleted?");
    const bool erase =
        settings_.OptimizeSystem && DeletableHere(ExtensionKey(ext)) &&
        Confirm("Erase extension from registry?\r\nNote: If you want to associate it to another "
                "fileclass, press 'No'.",
                TQuestionRole::CleanUp);
    return Unlink("Dissociate '" + ext + "' from '" + className + "'", ext, className, deleteClass,
                  erase);
}

TChange TCommands::AddExtension(const std::string& className, const std::string& ext) {
    if (!IsValidExtension(ext))
        throw EValidError::ForExtension(ext);
    if (!IsValidFileClass(className))
        throw EValidError::ForFileClass(className);
    if (!CanModify())
        return TChange();
    // The key may have gone since the list was read; then nothing is written.
    if (!ExtensionExists(ext))
        return StaleChange("'" + ext + "' no longer exists.");
    const std::string oldClass = ScannedClass(ext);
    auto writer = Writer("Associate '" + ext + "' with '" + className + "'");
    if (!AssociateExtension(*writer, ext, className, false))
        throw ERegistryException("Erzeugung von Schlüssel " + ext + " misslungen");
    Refile(ext, oldClass);
    TChange change;
    change.Extension = ext;
    change.FileClass = className;
    return Finish(*writer, change);
}

TChange TCommands::DissociateFromClass(const std::string& className, const std::string& ext) {
    if (!IsValidExtension(ext))
        throw EValidError::ForExtension(ext);
    if (!CanModify())
        return TChange();
    // The view shows `ext` under `className`; what is unlinked, and the class
    // that may go with it, is what the registry names now, so the two must
    // agree.
    const std::string linked = ExtensionExists(ext) ? ScannedClass(ext) : std::string();
    if (!SameText(linked, className) || !ChangedSinceScan(ext, true).empty())
        return StaleChange("'" + ext + "' is no longer associated with '" + className + "'.");
    const bool deleteClass =
        OrphanedClassToGo(linked, ext, index_->ClassExtensionCount(linked) == 1,
                          "The fileclass will not be used by any other extension.\r\nShould '" +
                              linked + "' be deleted?");
    // Asked always, whatever "AlwaysAsk" says.
    TQuestion question;
    question.Role = TQuestionRole::CleanUp;
    question.Text = "While this extension is no longer linked to a fileclass, it only waste space "
                    "in the registry.\r\nDo you want to erase it from there?\r\nNote: If you want "
                    "to associate it to another fileclass, press 'No'.";
    const bool erase = DeletableHere(ExtensionKey(ext)) && questions_.Ask(question) == TAnswer::Yes;
    return Unlink("Dissociate '" + ext + "' from '" + linked + "'", ext, linked, deleteClass,
                  erase);
}

TChange TCommands::Unlink(const std::string& stepName, const std::string& ext,
                          const std::string& className, bool deleteClass, bool erase) {
    auto writer = Writer(stepName);
    if (deleteClass)
        DeleteFileClass(*writer, className);
    if (erase)
        ::DeleteExtension(*writer, ext);
    else
        DissociateExtension(*writer, ext);
    Refile(ext, className);
    TChange change;
    change.Extension = ext;
    change.FileClass = className;
    return Finish(*writer, change);
}
