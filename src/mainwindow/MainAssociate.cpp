// TMainForm: the commands that link extensions to file classes and unlink
// them. Each handler collects what the user chose and calls one command.
#include "mainwindow/MainUnit.h"

#include "association/DataType.h"
#include "commands/Commands.h"
#include "controls/ZQDialogs.h"
#include "index/ZQFileAssoc.h"
#include "support/StringList.h"
#include "toolkit/Assert.h"

void TMainForm::btnExtAssocClick() {
    Assert(!ExtView.cbClasses.Text().empty(), "There should be a string for the fileclass.");
    ShowChange(Commands().Associate(SelectedItem(), ExtView.cbClasses.Text()));
}

void TMainForm::btnExtDissocClick() {
    Assert(!ExtView.cbClasses.Text().empty(), "There should be a fileclass selected.");
    ShowChange(Commands().Dissociate(SelectedItem()));
}

void TMainForm::btnClassAssocClick() {
    Assert(CurrentView == 1 && ListBox.ItemIndex() >= 0, "There should be a fileclass selected.");
    if (!Commands().CanModify())
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
    ShowChange(Commands().AddExtension(className, extensions[chosen]));
}

void TMainForm::btnClassDissocClick() {
    Assert(ClassView.lbAssocExt.ItemIndex() >= 0, "There should be an extension selected.");
    ShowChange(Commands().DissociateFromClass(
        SelectedItem(), ClassView.lbAssocExt.Items()[ClassView.lbAssocExt.ItemIndex()]));
}

void TMainForm::ShowChange(const TChange& change) {
    UpdateUndoItem();
    // The command found the registry changed by another program: the lists
    // are read again, as F5 reads them.
    if (change.Stale) {
        ScanItemClick();
        return;
    }
    if (!change.Done)
        return;
    // The lists follow the index (a new class, a deleted one, a moved
    // extension); the item last shown stays selected when it is still there.
    ShowCounts();
    ShowViewAgain();
}
