// TMainForm: the two views (tabs and item list) and the commands of the File
// and Help menus.
#include "mainwindow/MainUnit.h"

#include "association/DataType.h"
#include "commands/Commands.h"
#include "index/ZQFileAssoc.h"
#include "support/StringList.h"
#include "toolkit/Application.h"

namespace {

// The Help menu item opens the help file's topics: help command 15, data 0.
const UINT kHelpTopics = 15;
const int kExtensionViewHelp = 100;
const int kClassViewHelp = 200;

} // namespace

std::string UnreadableKeysHint(int count) {
    if (count <= 0)
        return std::string();
    return std::to_string(count) + (count == 1 ? " extension key" : " extension keys") +
           " could not be read";
}

void TMainForm::TabControlChange() {
    const std::string caption = SelectedTabCaption();
    for (int view = 0; view <= 1; ++view) {
        if (caption == TabCaptions[view] && (view != CurrentView || ForceViewUpdate)) {
            ForceViewUpdate = false;
            CurrentView = view;
            ShowView(view);
        }
    }
}

void TMainForm::ShowView(int view) {
    ListBox.Items().Clear();
    ShortInfoPanel.SetVisible(false);
    TStringList names;
    if (view == 0) {
        ExtPanel.SetVisible(true);
        ClassPanel.SetVisible(false);
        // Right after a scan its list is as fresh as a new enumeration.
        if (!scannedExtensions_)
            GetExtensions(names);
        ListBox.Items().Assign(scannedExtensions_ ? *scannedExtensions_ : names);
        TStringList classNames;
        FileClasses().GetClassNames(classNames);
        cbClasses.Items().Assign(classNames);
        NewExtensionItem.SetEnabled(Commands().AllowChanges());
        NewFileclassItem.SetEnabled(false);
        DeleteFileclassItem.SetEnabled(false);
    } else {
        ClassPanel.SetVisible(true);
        ExtPanel.SetVisible(false);
        FileClasses().GetClassNames(names);
        ListBox.Items().Assign(names);
        NewFileclassItem.SetEnabled(Commands().AllowChanges());
        NewExtensionItem.SetEnabled(false);
        DeleteExtensionItem.SetEnabled(false);
    }
    if (ListBox.Items().Count() > 0) {
        // Reselect the item last shown in this view, else the first.
        const int index = LastShownIndex();
        ListBox.SetItemIndex(index >= 0 ? index : 0);
        ListBoxClick();
    } else {
        // Nothing to delete in an empty list.
        DeleteExtensionItem.SetEnabled(false);
        DeleteFileclassItem.SetEnabled(false);
    }
    ListBox.SetFocus();
}

void TMainForm::ListBoxClick() {
    if (CurrentView == 0)
        ShowExtensionDetails(ListBox.ItemIndex());
    else if (CurrentView == 1)
        ShowClassDetails(ListBox.ItemIndex());
}

void TMainForm::ExitItemClick() {
    Close();
}

void TMainForm::HelpItemClick() {
    Application.HelpCommand(kHelpTopics, 0);
}

void TMainForm::btnHelpClick() {
    if (CurrentView == 0)
        Application.HelpContext(kExtensionViewHelp);
    else if (CurrentView == 1)
        Application.HelpContext(kClassViewHelp);
}

bool TMainForm::FormShortCut(WORD key) {
    if (key != VK_TAB || GetKeyState(VK_CONTROL) >= 0)
        return false;
    const int count = TabControl.TabCount();
    if (count == 0)
        return true;
    const int step = GetKeyState(VK_SHIFT) < 0 ? count - 1 : 1;
    TabControl.SetTabIndex((TabControl.TabIndex() + step) % count);
    TabControlChange();
    return true;
}
