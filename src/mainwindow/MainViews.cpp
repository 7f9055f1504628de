// TMainForm: the two views (tabs and item list) with the three panels that
// show the selected item, and the commands of the File and Help menus. The
// handlers of the commands that change something sit above this file and
// call into it; nothing here calls up into them.
#include "mainwindow/MainUnit.h"

#include "association/DataType.h"
#include "commands/Commands.h"
#include "dialogs/ActionUnit.h"
#include "dialogs/AdvOptionUnit.h"
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
    ShortInfo.ShortInfoPanel.SetVisible(false);
    TStringList names;
    if (view == 0) {
        ExtView.ExtPanel.SetVisible(true);
        ClassView.ClassPanel.SetVisible(false);
        // Right after a scan its list is as fresh as a new enumeration.
        if (!scannedExtensions_)
            GetExtensions(names);
        listFilter_.SetItems(scannedExtensions_ ? *scannedExtensions_ : names);
        TStringList classNames;
        FileClasses().GetClassNames(classNames);
        ExtView.cbClasses.Items().Assign(classNames);
        NewExtensionItem.SetEnabled(Commands().AllowChanges());
        NewFileclassItem.SetEnabled(false);
        DeleteFileclassItem.SetEnabled(false);
    } else {
        ClassView.ClassPanel.SetVisible(true);
        ExtView.ExtPanel.SetVisible(false);
        FileClasses().GetClassNames(names);
        listFilter_.SetItems(names);
        NewFileclassItem.SetEnabled(Commands().AllowChanges());
        NewExtensionItem.SetEnabled(false);
        DeleteExtensionItem.SetEnabled(false);
        EnableOpensWith(false);
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
        // A search that finds nothing shows that nothing is selected.
        if (listFilter_.Active())
            ListBoxClick();
    }
    ShowFilterCount();
    // The focus stays in the search field while the user types there.
    if (!edSearch.Focused())
        ListBox.SetFocus();
}

void TMainForm::ShowFilterCount() {
    if (listFilter_.Active())
        laFilter.SetText(std::to_string(listFilter_.Shown()) + " of " +
                         std::to_string(listFilter_.Total()));
    laFilter.SetVisible(listFilter_.Active());
}

void TMainForm::ClearFilter() {
    listFilter_.SetText("");
    edSearch.SetText("");
    ShowFilterCount();
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
        EnableOpensWith(false);
        return;
    }
    CurrentExt = ListBox.Items()[index];
    // After a search that found nothing the panel comes back.
    ShortInfo.ShortInfoPanel.SetVisible(false);
    ExtView.ExtPanel.SetVisible(true);
    ExtView.ShowExtension(CurrentExt);
    ShowExtensionHint();
    DeleteExtensionItem.SetEnabled(Commands().AllowChanges());
    EnableOpensWith(true);
    FollowOpensWith();
}

void TMainForm::EnableOpensWith(bool enabled) {
    OpenWithListsItem.SetEnabled(enabled);
    tbtnOpenwithLists.SetEnabled(enabled);
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
        // An item the search hides is shown with all the others.
        if (ListBox.Items().IndexOf(item) < 0 && listFilter_.Active() && listFilter_.Holds(item))
            ClearFilter();
        ListBox.SetItemIndex(ListBox.Items().IndexOf(item));
        ListBoxClick();
    }
}

void TMainForm::ShowShortInfo(TShortInfoMode mode, std::string text) {
    ExtView.ExtPanel.SetVisible(false);
    ClassView.ClassPanel.SetVisible(false);
    ShortInfo.ShortInfoPanel.SetVisible(true);
    ShortInfo.Show(mode, std::move(text), FileClasses());
}

void TMainForm::ShowClassPanel() {
    ClassView.ClassPanel.SetVisible(true);
    ShortInfo.ShortInfoPanel.SetVisible(false);
}

void TMainForm::lbShortInfoDblClick() {
    btnShortInfoViewExtClick();
}

void TMainForm::btnShortInfoViewExtClick() {
    // With no entry chosen nothing is selected, and the extension view shows
    // its first extension.
    ShowItemIn(0, ShortInfo.ChosenExtension());
}

TFileClass& TMainForm::FileClasses() {
    return Commands().Index();
}

std::string TMainForm::SelectedTabCaption() const {
    return TabControl.TabCaption(TabControl.TabIndex());
}

int TMainForm::LastShownIndex() const {
    const std::string caption = SelectedTabCaption();
    if (caption == TabCaptions[0])
        return ListBox.Items().IndexOf(CurrentExt);
    if (caption == TabCaptions[1])
        return ListBox.Items().IndexOf(CurrentClass);
    return -1;
}

void TMainForm::ShowViewAgain() {
    // The item a command was about is shown even when the search text
    // would hide it.
    const std::string& last = CurrentView == 0 ? CurrentExt : CurrentClass;
    if (listFilter_.Active() && !last.empty() && !listFilter_.Passes(last))
        ClearFilter();
    ForceViewUpdate = true;
    TabControlChange();
}

void TMainForm::ShowClassDetails(int index) {
    if (index < 0) {
        ShowShortInfo(simNothingSelected, "fileclass");
        DeleteFileclassItem.SetEnabled(false);
        return;
    }
    CurrentClass = ListBox.Items()[index];
    if (FileClassExists(CurrentClass)) {
        ShowClassPanel();
        ClassView.ShowClass(CurrentClass, FileClasses());
        lbAssocExtClick();
        laHint.SetText(GetDefaultAction(CurrentClass).empty() ? "no action registered" : "");
        DeleteFileclassItem.SetEnabled(Commands().AllowChanges());
    } else {
        if (!CurrentClass.empty())
            ShowShortInfo(simClassNotRegistered, CurrentClass);
        else
            ShowShortInfo(simExtensionsWithoutClass, "");
        laHint.SetText("");
        DeleteFileclassItem.SetEnabled(false);
    }
    // The open tool windows follow the selection, also to a name the panel
    // can't show.
    if (ActionForm)
        ActionForm->SetFileClass(CurrentClass);
    if (AdvOptionForm)
        AdvOptionForm->SetFileClass(CurrentClass);
}

std::string TMainForm::SelectedItem() const {
    const int index = ListBox.ItemIndex();
    return index >= 0 ? ListBox.Items()[index] : std::string();
}

void TMainForm::lbAssocExtClick() {
    ClassView.ExtensionChosen(CurrentView == 1 && !SelectedItem().empty());
}

void TMainForm::lbAssocExtDblClick() {
    btnViewExtClick();
}

void TMainForm::btnViewExtClick() {
    // With no entry chosen nothing is selected, and the extension view shows
    // its first extension.
    ShowItemIn(0, ClassView.ChosenExtension());
}
