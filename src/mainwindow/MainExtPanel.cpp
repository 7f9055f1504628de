// TMainForm: the extension view's panel, which shows one extension with its
// class, content type and "New"-menu state.
#include "mainwindow/MainUnit.h"

#include "association/DataType.h"
#include "commands/Commands.h"
#include "support/TextCompare.h"

namespace {

const int kRightMargin = 11;

} // namespace

TExtPanelLayout ArrangeExtPanel(TExtPanelLayout l) {
    l.cbClasses.width = l.panelWidth - l.cbClasses.left - kRightMargin;
    l.bExt1.width = l.panelWidth - l.bExt1.left - kRightMargin;
    l.bExt2.width = l.bExt1.width;
    l.edtContentType.width = l.panelWidth - l.edtContentType.left - kRightMargin;
    const int needed = l.btnExtAssoc.width + l.btnExtDissoc.width + l.btnViewClass.width;
    const int room = l.cbClasses.Right() - l.laFileClass.left;
    if (needed > room) {
        l.btnExtAssoc.left = l.laFileClass.left;
        l.btnExtDissoc.left = l.btnExtAssoc.Right();
        l.btnViewClass.left = l.btnExtDissoc.Right();
    } else {
        l.btnViewClass.left = l.cbClasses.Right() - l.btnViewClass.width;
        l.btnExtDissoc.left = l.btnViewClass.left - l.btnExtDissoc.width;
        l.btnExtAssoc.left = l.btnExtDissoc.left - l.btnExtAssoc.width;
    }
    return l;
}

void TMainForm::CreateExtPanel() {
    // Siblings are created in their tab order.
    CreateControls({
        {&laFileClass, "laFileClass", "Fileclass:", {8, 12, 0, 13}, &ExtPanel},
        {&cbClasses, "cbClasses", "", {80, 8, 193, 21}, &ExtPanel},
        {&btnExtAssoc,
         "btnExtAssoc",
         "Associate",
         {48, 34, 65, 21},
         &ExtPanel,
         "Associate the selected extension to this fileclass"},
        {&btnExtDissoc,
         "btnExtDissoc",
         "Dissociate",
         {112, 34, 65, 21},
         &ExtPanel,
         "Dissociate the selected extension from this fileclass"},
        {&btnViewClass, "btnViewClass", "View this fileclass", {177, 34, 97, 21}, &ExtPanel},
        {&bExt1, "bExt1", "", {8, 64, 265, 2}, &ExtPanel, "", TAlign::None, SS_ETCHEDHORZ},
        {&laContentType, "laContentType", "Content Type:", {8, 76, 0, 13}, &ExtPanel},
        {&edtContentType, "edtContentType", "", {80, 72, 193, 21}, &ExtPanel},
        {&bExt2, "bExt2", "", {8, 104, 265, 2}, &ExtPanel, "", TAlign::None, SS_ETCHEDHORZ},
        {&laNew_Menu, "laNew_Menu", "", {8, 116, 0, 13}, &ExtPanel},
        {&btnNew_Menu, "btnNew_Menu", "", {8, 136, 169, 21}, &ExtPanel},
    });
    // The 'New'-menu button gets its caption when an extension is shown;
    // until then (during the start-up scan) it is not shown as an empty box.
    btnNew_Menu.SetVisible(false);
    ExtPanel.onResize = Handler(this, &TMainForm::ExtPanelResize);
    cbClasses.onChange = Handler(this, &TMainForm::cbClassesChange);
    cbClasses.onDblClick = Handler(this, &TMainForm::cbClassesDblClick);
    btnViewClass.onClick = Handler(this, &TMainForm::btnViewClassClick);
    btnExtAssoc.onClick = Handler(this, &TMainForm::btnExtAssocClick);
    btnExtDissoc.onClick = Handler(this, &TMainForm::btnExtDissocClick);
    ExtPanelResize();
}

void TMainForm::ExtPanelResize() {
    TExtPanelLayout l;
    l.panelWidth = ExtPanel.Width();
    l.laFileClass = laFileClass.Bounds();
    l.cbClasses = cbClasses.Bounds();
    l.btnExtAssoc = btnExtAssoc.Bounds();
    l.btnExtDissoc = btnExtDissoc.Bounds();
    l.btnViewClass = btnViewClass.Bounds();
    l.bExt1 = bExt1.Bounds();
    l.bExt2 = bExt2.Bounds();
    l.edtContentType = edtContentType.Bounds();
    const TExtPanelLayout placed = ArrangeExtPanel(l);
    cbClasses.SetBounds(placed.cbClasses);
    bExt1.SetBounds(placed.bExt1);
    bExt2.SetBounds(placed.bExt2);
    edtContentType.SetBounds(placed.edtContentType);
    btnExtAssoc.SetBounds(placed.btnExtAssoc);
    btnExtDissoc.SetBounds(placed.btnExtDissoc);
    btnViewClass.SetBounds(placed.btnViewClass);
}

void TMainForm::ShowExtensionDetails(int index) {
    // With nothing selected the first extension is shown; the list's
    // selection stays as it is.
    if (index == -1 && ListBox.Items().Count() > 0)
        index = 0;
    if (index < 0) {
        CurrentExt.clear();
        ExtPanel.SetVisible(false);
        ShowShortInfo(simNothingSelected, "extension");
        DeleteExtensionItem.SetEnabled(false);
        return;
    }
    CurrentExt = ListBox.Items()[index];
    cbClasses.SetItemIndex(cbClasses.Items().IndexOf(GetExtensionClass(CurrentExt)));
    cbClassesChange();
    edtContentType.SetText(GetContentType(CurrentExt));
    // QueryShellNew answers true when the extension has an item in the
    // shell's "New" menu.
    if (QueryShellNew(CurrentExt)) {
        laNew_Menu.SetText("This extension has an item in the 'New'-menu.");
        btnNew_Menu.SetCaption("Delete item from 'New'-menu");
    } else {
        laNew_Menu.SetText("No item in the 'New'-menu for this extension.");
        btnNew_Menu.SetCaption("Add item to 'New'-menu");
    }
    ShowExtensionHint();
    cbClasses.SetEnabled(true);
    edtContentType.SetEnabled(true);
    btnNew_Menu.SetEnabled(true);
    btnNew_Menu.SetVisible(true);
    DeleteExtensionItem.SetEnabled(Commands().AllowChanges());
}

void TMainForm::ShowExtensionHint() {
    laHint.SetText(GetExtensionClass(CurrentExt).empty() ? "not associated to a fileclass" : "");
}

void TMainForm::cbClassesChange() {
    const std::string text = cbClasses.Text();
    if (text.empty()) {
        btnExtAssoc.SetEnabled(false);
        btnExtDissoc.SetEnabled(false);
        btnViewClass.SetEnabled(false);
        return;
    }
    const bool same = UpperCaseAZ(text) == UpperCaseAZ(GetExtensionClass(SelectedItem()));
    btnExtAssoc.SetEnabled(!same);
    btnExtDissoc.SetEnabled(same);
    btnViewClass.SetEnabled(true);
}

void TMainForm::cbClassesDblClick() {
    btnViewClassClick();
}

void TMainForm::btnViewClassClick() {
    for (int tab = 0; tab < TabControl.TabCount(); ++tab) {
        if (TabControl.TabCaption(tab) != TabCaptions[1])
            continue;
        TabControl.SetTabIndex(tab);
        TabControlChange();
        // An empty text finds the entry of the extensions without a class.
        ListBox.SetItemIndex(ListBox.Items().IndexOf(cbClasses.Text()));
        ListBoxClick();
    }
}
