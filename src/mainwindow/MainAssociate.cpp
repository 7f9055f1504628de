// TMainForm: the commands that link extensions to file classes and unlink
// them, and what they share with the create and delete commands: the
// clean-up of a class that a change leaves without extensions, and the
// notice to the shell after a change.
#include "mainwindow/MainUnit.h"

#include "association/DataType.h"
#include "controls/ZQDialogs.h"
#include "index/ZQFileAssoc.h"
#include "support/StringList.h"
#include "support/TextCompare.h"
#include "toolkit/Assert.h"
#include "toolkit/Dialogs.h"

#include <shlobj.h>

bool TMainForm::DeleteOrphanedClass(const std::string& className, bool unused,
                                    const std::string& question) {
    if (!OptimizeSystem || !unused || !FileClassExists(className))
        return false;
    if (!Confirm(question))
        return false;
    DeleteFileClass(className);
    NotifyAssociationsChanged();
    // A class the index does not know (the registry changed since the last
    // scan) has no entry to remove.
    if (FileClasses().IndexOf(className) >= 0)
        FileClasses().DeleteClass(className);
    return true;
}

void TMainForm::NotifyAssociationsChanged() {
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

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

void TMainForm::MoveInIndex(const std::string& ext, const std::string& from,
                            const std::string* to) {
    TFileClass& index = FileClasses();
    index.RemoveClassExtension(from, ext);
    if (index.IndexOf(from) >= 0 && index.ClassExtensionCount(from) == 0)
        index.DeleteClass(from);
    // Add makes the entry when the index has none (the empty name too).
    if (to)
        index.Add(*to, "", ext);
}

void TMainForm::ShowChangedItem() {
    if (CurrentView == 0) {
        // The class choice follows the index (a new class, a deleted one).
        TStringList names;
        FileClasses().GetClassNames(names);
        cbClasses.Items().Assign(names);
    }
    ListBoxClick();
}

void TMainForm::btnExtAssocClick() {
    const std::string className = cbClasses.Text();
    Assert(!className.empty(), "There should be a string for the fileclass.");
    const std::string ext = SelectedItem();
    const std::string oldClass = GetExtensionClass(ext);
    // A name that can't be stored is refused before anything is asked or
    // deleted.
    if (!IsValidFileClass(className))
        throw EValidError::ForFileClass(className);
    if (!CanModify() || !Confirm(AssociateQuestion(ext, className, oldClass)))
        return;
    TUndoStep step(*this, "Associate '" + ext + "' with '" + className + "'");
    // The old class goes unused unless it is the new one in another spelling.
    DeleteOrphanedClass(oldClass,
                        FileClasses().ClassExtensionCount(oldClass) == 1 &&
                            !SameText(oldClass, className),
                        "The fileclass '" + oldClass +
                            "' will not be used by any other extension.\r\nShould it be deleted?");
    AssociateExtension(ext, className, true);
    NotifyAssociationsChanged();
    MoveInIndex(ext, oldClass, &className);
    ShowChangedItem();
}

void TMainForm::btnExtDissocClick() {
    Assert(!cbClasses.Text().empty(), "There should be a fileclass selected.");
    const std::string ext = SelectedItem();
    const std::string className = GetExtensionClass(ext);
    if (!CanModify() || !Confirm(DissociateQuestion(ext, className)))
        return;
    TUndoStep step(*this, "Dissociate '" + ext + "' from '" + className + "'");
    DeleteOrphanedClass(className, FileClasses().ClassExtensionCount(className) == 1,
                        "The fileclass will not be used by any other extension.\r\nShould '" +
                            className + "' be deleted?");
    EraseOrDissociate(ext, className,
                      OptimizeSystem &&
                          Confirm("Erase extension from registry?\r\nNote: If you want to "
                                  "associate it to another fileclass, press 'No'."));
}

void TMainForm::btnClassAssocClick() {
    Assert(CurrentView == 1 && ListBox.ItemIndex() >= 0, "There should be a fileclass selected.");
    if (!CanModify())
        return;
    const std::string className = SelectedItem();
    TStringList extensions;
    GetExtensions(extensions);
    int chosen = 0;
    if (!SelectQuery("Mit " + className + " assoziieren",
                     "Bitte wählen sie die Erweiterung aus, die sie mit\r\n'" + className +
                         "'\r\nassoziieren möchten.",
                     extensions, 0, chosen))
        return;
    const std::string ext = extensions[chosen];
    const std::string oldClass = GetExtensionClass(ext);
    TUndoStep step(*this, "Associate '" + ext + "' with '" + className + "'");
    // The key may have gone since the list was read; then nothing is written.
    if (!AssociateExtension(ext, className, false))
        return;
    NotifyAssociationsChanged();
    MoveInIndex(ext, oldClass, &className);
    ShowChangedItem();
}

void TMainForm::btnClassDissocClick() {
    Assert(lbAssocExt.ItemIndex() >= 0, "There should be an extension selected.");
    if (!CanModify())
        return;
    const std::string ext = lbAssocExt.Items()[lbAssocExt.ItemIndex()];
    const std::string className = GetExtensionClass(ext);
    TUndoStep step(*this, "Dissociate '" + ext + "' from '" + className + "'");
    DeleteOrphanedClass(className, lbAssocExt.Items().Count() == 1,
                        "The fileclass will not be used by any other extension.\r\nShould the "
                        "fileclass be deleted?");
    // Asked always, whatever AlwaysAsk says.
    const bool erase =
        MessageDlg("While this extension is no longer linked to a fileclass, it only waste space "
                   "in the registry.\r\nDo you want to erase it from there?\r\nNote: If you want "
                   "to associate it to another fileclass, press 'No'.",
                   TDialogKind::Confirmation, mbYes | mbNo) == mrYes;
    EraseOrDissociate(ext, className, erase);
}

void TMainForm::EraseOrDissociate(const std::string& ext, const std::string& className,
                                  bool erase) {
    const std::string noClass;
    if (erase) {
        DeleteExtension(ext);
        NotifyAssociationsChanged();
        MoveInIndex(ext, className, nullptr);
    } else {
        DissociateExtension(ext);
        NotifyAssociationsChanged();
        MoveInIndex(ext, className, &noClass);
    }
    ShowChangedItem();
}
