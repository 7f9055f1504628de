// TMainForm: the window of what opens an extension ("Opens with ..." in the
// extension view, "'Open with' Lists ..." in the Advanced menu and its
// toolbar button), which follows the extension the main window shows.
#include "mainwindow/MainUnit.h"

#include "commands/Commands.h"
#include "dialogs/OpensWithForm.h"
#include "index/ZQFileAssoc.h"
#include "support/StringList.h"

void TMainForm::OpensWithClick() {
    if (CurrentView != 0 || CurrentExt.empty())
        return;
    if (!OpensWithForm) {
        OpensWithForm = std::make_shared<TOpensWithForm>(Commands());
        OpensWithForm->onChanged = [this](const TChange& change) { ShowChange(change); };
    }
    TStringList classNames;
    FileClasses().GetClassNames(classNames);
    OpensWithForm->SetExtension(CurrentExt, classNames);
    OpensWithForm->Show();
    OpensWithForm->BringToFront();
}

void TMainForm::FollowOpensWith() {
    if (!OpensWithForm || !OpensWithForm->Visible() || CurrentExt.empty())
        return;
    if (OpensWithForm->Extension() == CurrentExt) {
        OpensWithForm->Reload();
        return;
    }
    TStringList classNames;
    FileClasses().GetClassNames(classNames);
    OpensWithForm->SetExtension(CurrentExt, classNames);
}
