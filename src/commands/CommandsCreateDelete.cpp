// TCommands: registering and deleting extensions and file classes, the icon
// change and the per-user extensions switch.
#include "commands/Commands.h"

#include "association/DataType.h"
#include "association/RegistryWriter.h"
#include "commands/RecordText.h"
#include "index/ZQFileAssoc.h"
#include "support/StringList.h"
#include "support/TextCompare.h"

#include <algorithm>

std::string ShowExtensionsQuestion(bool show) {
    return show ? "Do you really want the extensions of all known file types to be shown?"
                : "Do you really want the extensions of known file types to be hidden?";
}

std::string ShowExtensionsStepName(bool show) {
    return show ? "Show file extensions" : "Hide file extensions";
}

TChange TCommands::RegisterExtension(const TNewExtension& input,
                                     const std::function<bool(TNewClass&)>& describeClass) {
    if (!CanModify())
        return TChange();
    std::string className = input.FileClass;
    const bool newClass = index_->IndexOf(className) < 0;
    const bool oldExists = ExtensionExists(input.Extension);
    const std::string oldClass = oldExists ? ScannedClass(input.Extension) : std::string();
    auto writer = Writer("Register new extension");
    // A refused write raises here: no question follows. An extension that
    // is registered already keeps what its key holds besides the link (its
    // "New" menu item, flags and Open With lists): only what the dialog
    // shows is written.
    if (oldExists)
        RelinkExtension(*writer, input.Extension, className, input.ContentType,
                        static_cast<TPerceivedType>(input.PerceivedType));
    else
        ::RegisterExtension(
            *writer, input.Extension, className, input.ContentType, TEditFlags{efNone}, false, "",
            static_cast<TPerceivedType>(input.PerceivedType), snkNone, "", nullptr, nullptr);
    Refile(input.Extension, oldClass);
    if (newClass && settings_.OptimizeSystem && describeClass &&
        Confirm("The extension is now registered to the system!\r\nBut there is no "
                "information on the fileclass. Maybe you want to change this?",
                TQuestionRole::Offer)) {
        TNewClass record;
        record.FileClass = className;
        if (describeClass(record)) {
            record.FileClass = className;
            const std::string icon = record.Icon.empty() ? GetDefaultIcon(className) : record.Icon;
            RegisterFileClass(*writer, className, record.Description, record.InfoTip, record.CurVer,
                              icon);
        }
    }
    TChange change;
    change.Extension = input.Extension;
    change.FileClass = className;
    return Finish(*writer, change);
}

TChange TCommands::RegisterClass(const TNewClass& input) {
    if (!IsValidFileClass(input.FileClass))
        throw EValidError::ForFileClass(input.FileClass);
    if (!CanModify())
        return TChange();
    // What the dialog does not show stays as it is: the flags (their type,
    // length and every bit), and the icon when none was chosen.
    const std::string icon = input.Icon.empty() ? GetDefaultIcon(input.FileClass) : input.Icon;
    auto writer = Writer("Register fileclass '" + input.FileClass + "'");
    RegisterFileClass(*writer, input.FileClass, input.Description, input.InfoTip, input.CurVer,
                      icon);
    TChange change;
    change.FileClass = input.FileClass;
    return Finish(*writer, change);
}

TChange TCommands::DeleteExtension(const std::string& ext) {
    if (!IsValidExtension(ext))
        throw EValidError::ForExtension(ext);
    const std::string className = ScannedClass(ext);
    if (!CanModify())
        return TChange();
    RefuseUndeletable(ExtensionKey(ext));
    const std::string changed = ChangedSinceScan(ext, true);
    if (!changed.empty())
        return StaleChange(changed);
    if (!Confirm("Are you sure to delete '" + ext + "'?"))
        return TChange();
    const bool deleteClass =
        OrphanedClassToGo(className, ext, index_->ClassExtensionCount(className) == 1,
                          "The fileclass will not be used by any other extension.\r\nShould '" +
                              className + "' be deleted?");
    auto writer = Writer("Delete extension '" + ext + "'");
    if (deleteClass)
        DeleteFileClass(*writer, className);
    ::DeleteExtension(*writer, ext);
    Refile(ext, className);
    TChange change;
    change.FileClass = className;
    return Finish(*writer, change);
}

namespace {

// Whether two lists hold the same names, ignoring case and order.
bool SameNames(const TStringList& a, const TStringList& b) {
    if (a.Count() != b.Count())
        return false;
    for (const std::string& name : a)
        if (std::none_of(b.begin(), b.end(),
                         [&](const std::string& other) { return SameText(name, other); }))
            return false;
    return true;
}

} // namespace

TChange TCommands::DeleteClass(const std::string& className) {
    if (!IsValidFileClass(className))
        throw EValidError::ForFileClass(className);
    if (!CanModify())
        return TChange();
    RefuseUndeletable(FileClassKey(className));
    // The extensions deleted with the class are those that name it in the
    // registry now, and they must be those the view showed.
    TStringList linked;
    if (settings_.OptimizeSystem) {
        TStringList shown;
        index_->GetClassExtensions(className, shown);
        LinkedNow(className, linked);
        if (!SameNames(linked, shown))
            return StaleChange("The extensions linked to '" + className + "' have changed.");
    }
    if (!Confirm("Are you sure to delete '" + className + "'?"))
        return TChange();
    bool deleteLinked = false;
    if (linked.Count() > 0)
        deleteLinked =
            Confirm("There are " + std::to_string(linked.Count()) + " extensions linked to '" +
                        className + "'.\r\nShould thies extensions also be deleted?",
                    TQuestionRole::CleanUp);
    auto writer = Writer(
        "Delete fileclass '" + className + "'" +
        (deleteLinked ? " with " + std::to_string(linked.Count()) + " extensions" : std::string()));
    if (deleteLinked) {
        for (int i = linked.Count() - 1; i >= 0; --i) {
            ::DeleteExtension(*writer, linked[i]);
            Refile(linked[i], className);
        }
    }
    // Extensions that still name the class keep it listed, as a scan would:
    // it shows as a class that is not registered.
    DeleteFileClass(*writer, className);
    TChange change;
    change.FileClass = className;
    return Finish(*writer, change);
}

TChange TCommands::ChangeIcon(const std::string& className, const std::string& location) {
    if (!CanModify() ||
        !Confirm("Are you sure to change the icon of '" + className + "' to '" + location + "'?"))
        return TChange();
    auto writer = Writer("Change the icon of '" + className + "'");
    SetDefaultIcon(*writer, className, location);
    TChange change;
    change.FileClass = className;
    return Finish(*writer, change);
}

TChange TCommands::ShowExtensions(bool show) {
    if (!CanModify() || !Confirm(ShowExtensionsQuestion(show)))
        return TChange();
    auto writer = Writer(ShowExtensionsStepName(show));
    SetHideFileExt(*writer, !show);
    // The shell is told once, of its state (which covers associations).
    TChange change;
    change.Done = writer->Changed();
    change.WithoutUndo = change.Done && writer->WithoutUndo();
    if (change.Done && ShellStateChanged)
        ShellStateChanged();
    return change;
}

TChange TCommands::SetNewMenuItem(const std::string& ext, bool on) {
    if (!IsValidExtension(ext))
        throw EValidError::ForExtension(ext);
    if (!ExtensionExists(ext))
        throw EUnknownItem("The extension '" + ext + "' is not registered.");
    if (on == QueryShellNew(ext))
        return TChange();
    if (on && GetExtensionClass(ext).empty())
        throw Exception("'" + ext + "' is not associated to a fileclass; the 'New'-menu offers "
                        "no item for it.");
    if (!CanModify() ||
        !Confirm(on ? "Are you sure to add an item for '" + ext +
                          "' (an empty new file) to the 'New'-menu?"
                    : "Are you sure to delete the item for '" + ext + "' from the 'New'-menu?"))
        return TChange();
    auto writer = Writer(std::string(on ? "Add '" : "Delete '") + ext +
                         (on ? "' to the 'New'-menu" : "' from the 'New'-menu"));
    if (on)
        AddShellNew(*writer, ext);
    else
        RemoveShellNew(*writer, ext);
    TChange change;
    change.Extension = ext;
    return Finish(*writer, change);
}
