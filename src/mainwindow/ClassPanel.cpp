#include "mainwindow/ClassPanel.h"

#include "association/DataType.h"
#include "index/ZQFileAssoc.h"
#include "registry/ClassesStore.h"
#include "registry/ValueText.h"
#include "support/StringList.h"
#include "toolkit/DesignScale.h"
#include "toolkit/Handles.h"

namespace {

// Design pixels.
const int kRightMargin = 11;
const int kButtonGap = 5;

} // namespace

TClassPanelLayout ArrangeClassPanel(TClassPanelLayout l) {
    const int margin = Scaled(kRightMargin), gap = Scaled(kButtonGap);
    l.edtClass_Type.width = l.panelWidth - l.edtClass_Type.left - margin;
    l.edtIconFileName.width = l.edtClass_Type.width;
    l.rgExtVisibility.width = l.panelWidth - l.rgExtVisibility.left - margin;
    l.lbAssocExt.width = l.panelWidth - l.lbAssocExt.left - gap - l.btnClassAssoc.width - margin;
    l.btnClassAssoc.left = l.lbAssocExt.Right() + gap;
    l.btnClassDissoc.left = l.btnClassAssoc.left;
    l.btnViewExt.left = l.btnClassAssoc.left;
    return l;
}

void TClassPanel::CreateControls(HWND owner) {
    // Siblings are created in their tab order.
    CreateControlRows({
        {&laClassType, "laClassType", "Filetype:", {8, 12, 0, 13}, &ClassPanel},
        {&edtClass_Type, "edtClass_Type", "", {80, 8, 161, 21}, &ClassPanel},
        {&rgExtVisibility, "rgExtVisibility", " Extension ", {8, 88, 169, 81}, &ClassPanel},
        {&cbAdvOption, "cbAdvOption", "Advanced Options", {8, 176, 169, 17}, &ClassPanel},
        {&lbAssocExt, "lbAssocExt", "", {8, 232, 105, 69}, &ClassPanel},
        {&btnClassAssoc,
         "btnClassAssoc",
         "Add new Extension ...",
         {120, 232, 113, 21},
         &ClassPanel,
         "Add new extension to the selected fileclass"},
        {&btnClassDissoc,
         "btnClassDissoc",
         "Dissociate",
         {120, 256, 113, 21},
         &ClassPanel,
         "Dissociate the selected extension from the fileclass"},
        {&btnViewExt, "btnViewExt", "View this extension", {120, 280, 113, 21}, &ClassPanel},
        {&edtIconFileName, "edtIconFileName", "", {80, 47, 161, 21}, &ClassPanel},
        {&cbShowActions, "cbShowActions", "Show Actions", {8, 192, 97, 17}, &ClassPanel},
        {&Bevel1, "Bevel1", "", {8, 36, 42, 42}, &ClassPanel},
        {&imgIcon, "imgIcon", "", {13, 41, 32, 32}, &ClassPanel, "Current icon, Click to change"},
        {&laLinkedExtCount, "laLinkedExtCount", "", {8, 216, 0, 13}, &ClassPanel},
        {&laClassStored, "laClassStored", "", {56, 72, 0, 13}, &ClassPanel},
    });
    rgExtVisibility.SetItems({"always show", "like default setting", "never show"});
    edtIconFileName.SetReadOnly(true);
    edtIconFileName.SetColor(GetSysColor(COLOR_INACTIVEBORDER));
    imgIcon.SetCursor(SystemCursor(IDC_HAND));
    pmIcon.Build({
        {&ItemIconChange, 0, "ItemIconChange", "Change Icon"},
        {&ItemIconShell, 0, "ItemIconShell", "Shell"},
        {nullptr, 1, "", "{auslesen}"},
    });
    imgIcon.SetPopupMenu(&pmIcon);
    ZQShChangeIconDialog1.Owner = owner;
    ClassPanel.onResize = [this] { Resize(); };
    Resize();
}

void TClassPanel::Resize() {
    TClassPanelLayout l;
    l.panelWidth = ClassPanel.Width();
    l.edtClass_Type = edtClass_Type.Bounds();
    l.edtIconFileName = edtIconFileName.Bounds();
    l.rgExtVisibility = rgExtVisibility.Bounds();
    l.lbAssocExt = lbAssocExt.Bounds();
    l.btnClassAssoc = btnClassAssoc.Bounds();
    l.btnClassDissoc = btnClassDissoc.Bounds();
    l.btnViewExt = btnViewExt.Bounds();
    const TClassPanelLayout placed = ArrangeClassPanel(l);
    edtClass_Type.SetBounds(placed.edtClass_Type);
    edtIconFileName.SetBounds(placed.edtIconFileName);
    rgExtVisibility.SetBounds(placed.rgExtVisibility);
    lbAssocExt.SetBounds(placed.lbAssocExt);
    btnClassAssoc.SetBounds(placed.btnClassAssoc);
    btnClassDissoc.SetBounds(placed.btnClassDissoc);
    btnViewExt.SetBounds(placed.btnViewExt);
}

void TClassPanel::ShowClass(const std::string& className, const TFileClass& index) {
    edtClass_Type.SetText(GetClassDescription(className));
    ShowIcon(className);
    // 2: "NeverShowExt" (whatever else), 1: "AlwaysShowExt", 0: neither.
    const int visibility = GetExtVisibility(className);
    rgExtVisibility.SetItemIndex(visibility == 2 ? 2 : visibility == 1 ? 0 : 1);
    TStringList extensions;
    index.GetClassExtensions(className, extensions);
    lbAssocExt.Items().Assign(extensions);
    laLinkedExtCount.SetText("Number of associated extensions: " +
                             std::to_string(lbAssocExt.Items().Count()));
    const TItemPlace place =
        IsValidFileClass(className) ? PlaceOfItem(FileClassKey(className)) : TItemPlace::None;
    // Beside the icon, below its file: the panel's width holds "For" and the place.
    laClassStored.SetText(place == TItemPlace::None ? std::string()
                                                    : std::string("For ") + PlaceText(place));
}

void TClassPanel::ShowIcon(const std::string& className) {
    imgIcon.SetIcon(TIconHandle(GetClassIcon(className)));
    edtIconFileName.SetText(GetDefaultIcon(className));
}

void TClassPanel::ExtensionChosen(bool classShown) {
    const bool chosen = lbAssocExt.ItemIndex() >= 0;
    btnClassDissoc.SetEnabled(classShown && chosen);
    btnViewExt.SetEnabled(chosen);
}

std::string TClassPanel::ChosenExtension() const {
    const int index = lbAssocExt.ItemIndex();
    return index >= 0 ? lbAssocExt.Items()[index] : std::string();
}
