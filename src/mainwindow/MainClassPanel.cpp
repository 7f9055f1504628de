// TMainForm: the class view's panel, which shows one file class, and the two
// tool windows it opens (actions, flags).
#include "mainwindow/MainUnit.h"

#include "association/DataType.h"
#include "commands/Commands.h"
#include "dialogs/ActionUnit.h"
#include "dialogs/AdvOptionUnit.h"
#include "index/ZQFileAssoc.h"
#include "registry/ValueText.h"
#include "support/StringList.h"
#include "toolkit/Application.h"

namespace {

const int kRightMargin = 11;
const int kButtonGap = 5;

// Opens the tool window of a ticked box, or releases the open one of an
// unticked box. An error while opening is swallowed: the window goes again
// and the box stays ticked. The window's own close unticks the box.
template <typename TToolForm>
void SwitchToolWindow(TCheckBox& box, TToolForm*& form, TCommands& commands,
                      const std::string& settingsPath, const std::string& className,
                      const std::function<void(const TChange&)>& changed) {
    if (!box.Checked()) {
        if (TToolForm* closing = form) {
            form = nullptr;
            // Released, not destroyed: this may run inside the window's own
            // close handling.
            Application.Release(*closing);
        }
        return;
    }
    if (form)
        return;
    TToolForm* made = nullptr;
    try {
        made = &Application.CreateForm<TToolForm>(commands, settingsPath);
        form = made;
        made->onUserClose = [&box] { box.SetChecked(false); };
        made->onChanged = changed;
        made->ShowFileClass(className);
    } catch (...) {
        form = nullptr;
        if (made)
            Application.Release(*made);
    }
}

} // namespace

TClassPanelLayout ArrangeClassPanel(TClassPanelLayout l) {
    l.edtClass_Type.width = l.panelWidth - l.edtClass_Type.left - kRightMargin;
    l.edtIconFileName.width = l.edtClass_Type.width;
    l.rgExtVisibility.width = l.panelWidth - l.rgExtVisibility.left - kRightMargin;
    l.lbAssocExt.width =
        l.panelWidth - l.lbAssocExt.left - kButtonGap - l.btnClassAssoc.width - kRightMargin;
    l.btnClassAssoc.left = l.lbAssocExt.Right() + kButtonGap;
    l.btnClassDissoc.left = l.btnClassAssoc.left;
    l.btnViewExt.left = l.btnClassAssoc.left;
    return l;
}

void TMainForm::CreateClassPanel() {
    // Siblings are created in their tab order.
    CreateControls({
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
    });
    rgExtVisibility.SetItems({"always show", "like default setting", "never show"});
    edtIconFileName.SetReadOnly(true);
    edtIconFileName.SetColor(GetSysColor(COLOR_INACTIVEBORDER));
    imgIcon.SetCursor(LoadCursor(nullptr, IDC_HAND));
    pmIcon.Build({
        {&ItemIconChange, 0, "ItemIconChange", "Change Icon"},
        {&ItemIconShell, 0, "ItemIconShell", "Shell"},
        {nullptr, 1, "", "{auslesen}"},
    });
    imgIcon.SetPopupMenu(&pmIcon);
    ZQShChangeIconDialog1.Owner = Handle();

    ClassPanel.onResize = Handler(this, &TMainForm::ClassPanelResize);
    imgIcon.onClick = Handler(this, &TMainForm::ItemIconChangeClick);
    ItemIconChange.onClick = Handler(this, &TMainForm::ItemIconChangeClick);
    cbAdvOption.onClick = Handler(this, &TMainForm::cbAdvOptionClick);
    cbShowActions.onClick = Handler(this, &TMainForm::cbShowActionsClick);
    lbAssocExt.onClick = Handler(this, &TMainForm::lbAssocExtClick);
    lbAssocExt.onDblClick = Handler(this, &TMainForm::lbAssocExtDblClick);
    btnViewExt.onClick = Handler(this, &TMainForm::btnViewExtClick);
    btnClassAssoc.onClick = Handler(this, &TMainForm::btnClassAssocClick);
    btnClassDissoc.onClick = Handler(this, &TMainForm::btnClassDissocClick);
    ClassPanelResize();
}

void TMainForm::ClassPanelResize() {
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

void TMainForm::ShowClassDetails(int index) {
    if (index < 0) {
        ShowShortInfo(simNothingSelected, "fileclass");
        DeleteFileclassItem.SetEnabled(false);
        return;
    }
    CurrentClass = ListBox.Items()[index];
    if (FileClassExists(CurrentClass)) {
        ShowClassPanel();
        edtClass_Type.SetText(GetClassDescription(CurrentClass));
        edtIconFileName.SetText(GetDefaultIcon(CurrentClass));
        imgIcon.SetIcon(TIconHandle(GetClassIcon(CurrentClass)));
        // 2: "NeverShowExt" (whatever else), 1: "AlwaysShowExt", 0: neither.
        const int visibility = GetExtVisibility(CurrentClass);
        rgExtVisibility.SetItemIndex(visibility == 2 ? 2 : visibility == 1 ? 0 : 1);
        TStringList extensions;
        FileClasses().GetClassExtensions(CurrentClass, extensions);
        lbAssocExt.Items().Assign(extensions);
        lbAssocExtClick();
        laLinkedExtCount.SetText("Number of associated extensions: " +
                                 std::to_string(lbAssocExt.Items().Count()));
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

void TMainForm::cbAdvOptionClick() {
    SwitchToolWindow(cbAdvOption, AdvOptionForm, Commands(), SettingsPath(), SelectedItem(),
                     [this](const TChange& change) { ShowChange(change); });
}

void TMainForm::cbShowActionsClick() {
    SwitchToolWindow(cbShowActions, ActionForm, Commands(), SettingsPath(), SelectedItem(),
                     [this](const TChange& change) { ShowChange(change); });
}

void TMainForm::FreeToolWindows() {
    Application.FreeForm(ActionForm);
    Application.FreeForm(AdvOptionForm);
    ActionForm = nullptr;
    AdvOptionForm = nullptr;
}

void TMainForm::lbAssocExtClick() {
    const bool chosen = lbAssocExt.ItemIndex() >= 0;
    btnClassDissoc.SetEnabled(CurrentView == 1 && !SelectedItem().empty() && chosen);
    btnViewExt.SetEnabled(chosen);
}

void TMainForm::lbAssocExtDblClick() {
    btnViewExtClick();
}

void TMainForm::btnViewExtClick() {
    for (int tab = 0; tab < TabControl.TabCount(); ++tab) {
        if (TabControl.TabCaption(tab) != TabCaptions[0])
            continue;
        TabControl.SetTabIndex(tab);
        TabControlChange();
        // With no entry chosen nothing is selected, and the extension view
        // shows its first extension.
        const int chosen = lbAssocExt.ItemIndex();
        ListBox.SetItemIndex(chosen >= 0 ? ListBox.Items().IndexOf(lbAssocExt.Items()[chosen])
                                         : -1);
        ListBoxClick();
    }
}

void TMainForm::ItemIconChangeClick() {
    if (!Commands().CanModify())
        return;
    const std::string className = SelectedItem();
    const std::string stored = GetDefaultIcon(className);
    ZQShChangeIconDialog1.FileName = IconFileOf(stored);
    ZQShChangeIconDialog1.IconIndex = IconIndexOf(stored);
    if (!ZQShChangeIconDialog1.Execute())
        return;
    const std::string location =
        MakeIconLocation(ZQShChangeIconDialog1.FileName, ZQShChangeIconDialog1.IconIndex);
    const TChange change = Commands().ChangeIcon(className, location);
    UpdateUndoItem();
    if (!change.Done)
        return;
    // What the registry holds now.
    imgIcon.SetIcon(TIconHandle(GetClassIcon(className)));
    edtIconFileName.SetText(GetDefaultIcon(className));
}
