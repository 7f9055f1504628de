// TMainForm: the commands that register and delete extensions and file
// classes, the entries for features the program does not have, and the
// bridge that lets the register dialogs use the window's index.
#include "mainwindow/MainUnit.h"

#include "association/DataType.h"
#include "dialogs/RegClassUnit.h"
#include "dialogs/RegExtUnit.h"
#include "dialogs/RegisterHost.h"
#include "index/ZQFileAssoc.h"
#include "support/StringList.h"
#include "toolkit/Application.h"
#include "toolkit/Assert.h"
#include "toolkit/Dialogs.h"

namespace {

const char* const kNotYet = "Sorry has to be done in futur";

// The register dialogs work on the main window's index, switches and questions.
class TMainRegisterHost : public TRegisterHost {
public:
    explicit TMainRegisterHost(TMainForm& form) : form_(form) {}
    void GetClassNames(TStringList& list) override { form_.FileClasses().GetClassNames(list); }
    void ScanRegistry() override {
        form_.NotifyAssociationsChanged();
        form_.ScanRegistry();
    }
    bool OptimizeSystem() const override { return form_.OptimizeSystem; }
    bool Confirm(const std::string& message) override { return form_.Confirm(message); }

private:
    TMainForm& form_;
};

// The entry that takes a removed entry's place: the next one, else the one before.
std::string NeighbourOf(const TListBox& list, int index) {
    const int count = list.Items().Count();
    if (index + 1 < count)
        return list.Items()[index + 1];
    return index > 0 ? list.Items()[index - 1] : std::string();
}

} // namespace

void TMainForm::ShowViewAgain() {
    ForceViewUpdate = true;
    TabControlChange();
}

void TMainForm::NewExtensionItemClick() {
    Assert(CurrentView == 0, "You should be on Extensions-tab.");
    if (!CanModify())
        return;
    TMainRegisterHost host(*this);
    TRegExtForm form(host);
    if (form.ShowModal() != mrOk)
        return;
    // The new extension is listed and shown at once.
    CurrentExt = form.edtExtension.Text();
    ShowViewAgain();
}

void TMainForm::DeleteExtensionItemClick() {
    const int index = ListBox.ItemIndex();
    const std::string ext = ListBox.Items()[index];
    const std::string className = GetExtensionClass(ext);
    if (!CanModify())
        return;
    if (!Confirm("Are you sure to delete '" + ext + "'?"))
        return;
    DeleteOrphanedClass(className, FileClasses().ClassExtensionCount(className) == 1,
                        "The fileclass will not be used by any other extension.\r\nShould '" +
                            className + "' be deleted?");
    DeleteExtension(ext);
    FileClasses().RemoveClassExtension(className, ext);
    NotifyAssociationsChanged();
    CurrentExt = NeighbourOf(ListBox, index);
    ShowViewAgain();
}

void TMainForm::NewFileclassItemClick() {
    ShowMessage("This option will never be implemented.");
}

void TMainForm::DeleteFileclassItemClick() {
    const int index = ListBox.ItemIndex();
    Assert(CurrentView == 1 && index >= 0, "There should be a fileclass selected.");
    const std::string className = ListBox.Items()[index];
    if (!CanModify())
        return;
    if (!Confirm("Are you sure to delete '" + className + "'?"))
        return;
    if (OptimizeSystem && FileClasses().ClassExtensionCount(className) > 0) {
        TStringList linked;
        FileClasses().GetClassExtensions(className, linked);
        const bool deleteLinked =
            Confirm("There are " + std::to_string(linked.Count()) + " extensions linked to '" +
                    className + "'.\r\nShould thies extensions also be deleted?");
        for (int i = linked.Count() - 1; i >= 0; --i) {
            if (deleteLinked)
                DeleteExtension(linked[i]);
            else // kept without a class of their own in the index
                FileClasses().Add("", "", linked[i]);
        }
    }
    DeleteFileClass(className);
    FileClasses().DeleteClass(className);
    NotifyAssociationsChanged();
    CurrentClass = NeighbourOf(ListBox, index);
    ShowViewAgain();
}

void TMainForm::btnRegClick() {
    const int index = ListBox.ItemIndex();
    Assert(index >= 0 && !FileClassExists(ListBox.Items()[index]),
           "You should only be able to register an already used fileclass.");
    const std::string className = ListBox.Items()[index];
    if (!CanModify())
        return;
    TMainRegisterHost host(*this);
    TRegClassForm form(host);
    if (form.Execute(className) != mrOk)
        return;
    // The class is shown as registered at once.
    CurrentClass = className;
    ShowViewAgain();
}

void TMainForm::NewMenuBtnClick() {
    if (CanModify())
        ShowMessage(kNotYet);
}

void TMainForm::NotYetClick() {
    ShowMessage(kNotYet);
}
