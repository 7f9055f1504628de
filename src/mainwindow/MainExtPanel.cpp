// TMainForm: the handlers of the extension view's panel (TExtensionPanel).
#include "mainwindow/MainUnit.h"

#include "association/DataType.h"
#include "commands/Commands.h"

void TMainForm::ShowExtensionDetails(int index) {
    // With nothing selected the first extension is shown; the list's
    // selection stays as it is.
    if (index == -1 && ListBox.Items().Count() > 0)
        index = 0;
    if (index < 0) {
        CurrentExt.clear();
        ExtView.ExtPanel.SetVisible(false);
        ShowShortInfo(simNothingSelected, "extension");
        DeleteExtensionItem.SetEnabled(false);
        return;
    }
    CurrentExt = ListBox.Items()[index];
    ExtView.ShowExtension(CurrentExt);
    ShowExtensionHint();
    DeleteExtensionItem.SetEnabled(Commands().AllowChanges());
}

void TMainForm::ShowExtensionHint() {
    laHint.SetText(GetExtensionClass(CurrentExt).empty() ? "not associated to a fileclass" : "");
}

void TMainForm::cbClassesChange() {
    ExtView.ClassTextChanged();
}

void TMainForm::cbClassesDblClick() {
    btnViewClassClick();
}

void TMainForm::btnViewClassClick() {
    // An empty text finds the entry of the extensions without a class.
    ShowItemIn(1, ExtView.cbClasses.Text());
}

void TMainForm::ShowItemIn(int view, const std::string& item) {
    for (int tab = 0; tab < TabControl.TabCount(); ++tab) {
        if (TabControl.TabCaption(tab) != TabCaptions[view])
            continue;
        TabControl.SetTabIndex(tab);
        TabControlChange();
        ListBox.SetItemIndex(ListBox.Items().IndexOf(item));
        ListBoxClick();
    }
}
