// TMainForm: the commands that register and delete extensions and file
// classes, and the entries for features the program does not have.
#include "mainwindow/MainUnit.h"

#include "association/DataType.h"
#include "commands/Commands.h"
#include "dialogs/RegClassUnit.h"
#include "dialogs/RegExtUnit.h"
#include "toolkit/Assert.h"
#include "toolkit/Dialogs.h"

namespace {

const char* const kNotYet = "Sorry has to be done in futur";

// The entry that takes a removed entry's place: the next one, else the one before.
std::string NeighbourOf(const TListBox& list, int index) {
    const int count = list.Items().Count();
    if (index + 1 < count)
        return list.Items()[index + 1];
    return index > 0 ? list.Items()[index - 1] : std::string();
}

} // namespace

void TMainForm::NewExtensionItemClick() {
    Assert(CurrentView == 0, "You should be on Extensions-tab.");
    if (!Commands().CanModify())
        return;
    TRegExtForm form(Commands());
    if (form.ShowModal() != mrOk)
        return;
    // The new extension is listed and shown at once.
    CurrentExt = form.edtExtension.Text();
    ShowChange(form.Change);
}

void TMainForm::DeleteExtensionItemClick() {
    const int index = ListBox.ItemIndex();
    Assert(index >= 0, "There should be an extension selected.");
    const TChange change = Commands().DeleteExtension(ListBox.Items()[index]);
    if (change.Done)
        CurrentExt = NeighbourOf(ListBox, index);
    ShowChange(change);
}

void TMainForm::NewFileclassItemClick() {
    ShowMessage("This option will never be implemented.");
}

void TMainForm::DeleteFileclassItemClick() {
    const int index = ListBox.ItemIndex();
    Assert(CurrentView == 1 && index >= 0, "There should be a fileclass selected.");
    const std::string className = ListBox.Items()[index];
    const TChange change = Commands().DeleteClass(className);
    // A class its extensions still name stays listed, as not registered.
    if (change.Done && FileClasses().IndexOf(className) < 0)
        CurrentClass = NeighbourOf(ListBox, index);
    ShowChange(change);
}

void TMainForm::btnRegClick() {
    const int index = ListBox.ItemIndex();
    Assert(index >= 0 && !FileClassExists(ListBox.Items()[index]),
           "You should only be able to register an already used fileclass.");
    const std::string className = ListBox.Items()[index];
    if (!Commands().CanModify())
        return;
    TRegClassForm form(Commands());
    if (form.Execute(className) != mrOk)
        return;
    // The class is shown as registered at once.
    CurrentClass = className;
    ShowChange(form.Change);
}

void TMainForm::NewMenuBtnClick() {
    ShowChange(Commands().SetNewMenuItem(CurrentExt, !QueryShellNew(CurrentExt)));
}

void TMainForm::NotYetClick() {
    ShowMessage(kNotYet);
}
