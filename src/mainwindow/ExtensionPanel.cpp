#include "mainwindow/ExtensionPanel.h"

#include "association/DataType.h"
#include "association/OpensWith.h"
#include "support/StringList.h"
#include "support/TextCompare.h"
#include "toolkit/DesignScale.h"

namespace {

const int kRightMargin = 11; // design pixels

} // namespace

TExtPanelLayout ArrangeExtPanel(TExtPanelLayout l) {
    const int margin = Scaled(kRightMargin);
    l.cbClasses.width = l.panelWidth - l.cbClasses.left - margin;
    l.bExt1.width = l.panelWidth - l.bExt1.left - margin;
    l.bExt2.width = l.bExt1.width;
    l.bExt3.width = l.bExt1.width;
    l.laOpensWith.width = l.bExt1.width;
    l.laOpensWith.height = Scaled(26); // two lines
    l.edtContentType.width = l.panelWidth - l.edtContentType.left - margin;
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

void TExtensionPanel::CreateControls() {
    // Siblings are created in their tab order.
    CreateControlRows({
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
        {&bExt3, "bExt3", "", {8, 166, 265, 2}, &ExtPanel, "", TAlign::None, SS_ETCHEDHORZ},
        {&laOpensWith, "laOpensWith", "", {8, 176, 265, 26}, &ExtPanel},
        {&btnOpensWith,
         "btnOpensWith",
         "Opens with ...",
         {8, 206, 97, 21},
         &ExtPanel,
         "Show what a double-click opens and what 'Open with' offers"},
    });
    // The 'New'-menu button gets its caption when an extension is shown;
    // until then (during the start-up scan) it is not shown as an empty box.
    btnNew_Menu.SetVisible(false);
    // Two lines of the panel's width.
    laOpensWith.SetAutoSize(false);
    ExtPanel.onResize = [this] { Resize(); };
    cbClasses.onChange = [this] { ClassTextChanged(); };
    Resize();
}

void TExtensionPanel::Resize() {
    TExtPanelLayout l;
    l.panelWidth = ExtPanel.Width();
    l.laFileClass = laFileClass.Bounds();
    l.cbClasses = cbClasses.Bounds();
    l.btnExtAssoc = btnExtAssoc.Bounds();
    l.btnExtDissoc = btnExtDissoc.Bounds();
    l.btnViewClass = btnViewClass.Bounds();
    l.bExt1 = bExt1.Bounds();
    l.bExt2 = bExt2.Bounds();
    l.bExt3 = bExt3.Bounds();
    l.laOpensWith = laOpensWith.Bounds();
    l.edtContentType = edtContentType.Bounds();
    const TExtPanelLayout placed = ArrangeExtPanel(l);
    cbClasses.SetBounds(placed.cbClasses);
    bExt1.SetBounds(placed.bExt1);
    bExt2.SetBounds(placed.bExt2);
    bExt3.SetBounds(placed.bExt3);
    laOpensWith.SetBounds(placed.laOpensWith);
    edtContentType.SetBounds(placed.edtContentType);
    btnExtAssoc.SetBounds(placed.btnExtAssoc);
    btnExtDissoc.SetBounds(placed.btnExtDissoc);
    btnViewClass.SetBounds(placed.btnViewClass);
}

void TExtensionPanel::SetClassNames(const TStringList& names) {
    cbClasses.Items().Assign(names);
}

void TExtensionPanel::ShowExtension(const std::string& ext) {
    extension_ = ext;
    cbClasses.SetItemIndex(cbClasses.Items().IndexOf(GetExtensionClass(ext)));
    ClassTextChanged();
    edtContentType.SetText(GetContentType(ext));
    // QueryShellNew answers true when the extension has an item in the
    // shell's "New" menu.
    if (QueryShellNew(ext)) {
        laNew_Menu.SetText("This extension has an item in the 'New'-menu.");
        btnNew_Menu.SetCaption("Delete item from 'New'-menu");
    } else {
        laNew_Menu.SetText("No item in the 'New'-menu for this extension.");
        btnNew_Menu.SetCaption("Add item to 'New'-menu");
    }
    // What a double-click opens, named when it is not the extension's class
    // (a choice made in Windows).
    const TOpensWith opens = GetOpensWith(ext);
    if (opens.Target.empty())
        laOpensWith.SetText("A double-click opens nothing.");
    else if (opens.Reason == "the extension's class")
        laOpensWith.SetText("A double-click opens its fileclass.");
    else
        laOpensWith.SetText("A choice made in Windows opens it:\r\n" + opens.Target);
    cbClasses.SetEnabled(true);
    edtContentType.SetEnabled(true);
    btnNew_Menu.SetEnabled(true);
    btnNew_Menu.SetVisible(true);
}

void TExtensionPanel::ClassTextChanged() {
    const std::string text = cbClasses.Text();
    if (text.empty()) {
        btnExtAssoc.SetEnabled(false);
        btnExtDissoc.SetEnabled(false);
        btnViewClass.SetEnabled(false);
        return;
    }
    const bool same = UpperCaseAZ(text) == UpperCaseAZ(GetExtensionClass(extension_));
    btnExtAssoc.SetEnabled(!same);
    btnExtDissoc.SetEnabled(same);
    btnViewClass.SetEnabled(true);
}
