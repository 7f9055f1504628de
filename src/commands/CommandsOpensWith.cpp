// TCommands: what a double-click and "Open with" offer for an extension:
// resetting the choice made in Windows, and the Open With lists.
#include "commands/Commands.h"

#include "association/DataType.h"
#include "association/ExplorerChoice.h"
#include "association/OpensWith.h"
#include "association/RegistryWriter.h"
#include "commands/RecordText.h"
#include "support/TextCompare.h"
#include "support/ZQRoutines.h"

namespace {

// The extension must be valid and registered.
void RequireExtension(const std::string& ext) {
    if (!IsValidExtension(ext))
        throw EValidError::ForExtension(ext);
    if (!ExtensionExists(ext))
        throw EUnknownItem("The extension '" + ext + "' is not registered.");
}

} // namespace

EProtectedChoice::EProtectedChoice(const std::string& refusal)
    : Exception(refusal + "\r\nWindows protects this choice: change it in Windows' settings under "
                          "\"Default apps\"."),
      OffersDefaultApps(IsWindows10OrLater()) {}

TChange TCommands::ResetUserChoice(const std::string& ext) {
    const TExplorerChoice choice = GetExplorerChoice(ext);
    if (choice.Target.empty())
        throw EUnknownItem("'" + ext + "' has no choice made in Windows.");
    if (!CanModify() ||
        !Confirm("Are you sure to reset the choice '" + choice.Target + "' (" + choice.Source +
                 ") made in Windows for '" + ext + "'?\r\nThen its fileclass in "
                 "HKEY_CLASSES_ROOT opens it."))
        return TChange();
    auto writer = Writer("Reset the choice of '" + ext + "'");
    try {
        RemoveExplorerChoice(*writer, ext);
    } catch (const ERegistryException& e) {
        // Today's Windows protects the choice of some types (.pdf, http) with
        // a driver; only its own settings change it then.
        throw EProtectedChoice(e.what());
    }
    TChange change;
    change.Extension = ext;
    return Finish(*writer, change);
}

TChange TCommands::AddToOpenWith(const std::string& ext, const std::string& className) {
    RequireExtension(ext);
    if (!IsValidFileClass(className))
        throw EValidError::ForFileClass(className);
    if (!FileClassExists(className))
        throw EUnknownItem("The fileclass '" + className + "' is not registered.");
    for (const TOpenWithEntry& entry : GetOpenWithList(ext, false))
        if (UpperCaseAZ(entry.Name) == UpperCaseAZ(className))
            return TChange(); // offered already
    if (!CanModify() ||
        !Confirm("Are you sure to offer '" + className + "' under 'Open with' for '" + ext + "'?"))
        return TChange();
    auto writer = Writer("Offer '" + className + "' to open '" + ext + "'");
    AddOpenWithClass(*writer, ext, className);
    TChange change;
    change.Extension = ext;
    return Finish(*writer, change);
}

TChange TCommands::RemoveFromOpenWith(const std::string& ext, const std::string& name) {
    RequireExtension(ext);
    bool listed = false;
    for (const TOpenWithEntry& entry : GetOpenWithList(ext, true))
        listed = listed || UpperCaseAZ(entry.Name) == UpperCaseAZ(name);
    if (!listed)
        throw EUnknownItem("'Open with' does not offer '" + name + "' for '" + ext + "'.");
    if (!CanModify() || !Confirm("Are you sure to remove '" + name +
                                 "' from the 'Open with' lists of '" + ext + "'?"))
        return TChange();
    auto writer = Writer("Remove '" + name + "' from 'Open with' of '" + ext + "'");
    RemoveOpenWithEntry(*writer, ext, name);
    TChange change;
    change.Extension = ext;
    return Finish(*writer, change);
}
