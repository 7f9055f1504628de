#include "dialogs/ActionUnit.h"

#include "association/ActionRecord.h"
#include "association/Actions.h"
#include "association/Lookups.h"
#include "dialogs/NewActionUnit.h"
#include "dialogs/ProgramPicker.h"
#include "support/TextCompare.h"
#include "toolkit/DesignScale.h"
#include "toolkit/Dialogs.h"
#include "toolkit/HelpKey.h"
#include "toolkit/SystemWindows.h"

namespace {

const TToolWindowPlacement kPlacement = {"ActionForm", true, 285, 300};
const int kGap = 7; // design pixels
// The Help menu's command: the help file's contents (command 15, data 0).
const UINT kHelpTopics = 15;
const char kSelectFirst[] = "Please select an action first.";

// The text in lower case, by the platform's rules for the user's language
// (umlauts included).
std::string Lower(const std::string& s) {
    return LowerText(s);
}

} // namespace

TActionLayout ArrangeActionForm(TActionLayout l) {
    const int gap = Scaled(kGap);
    l.treeHeight = l.panel1ClientHeight - l.commandHeight - l.ddeHeight;
    l.treeWidth = l.panel1ClientWidth - l.buttonWidth - 2 * gap;
    l.buttonsLeft = l.treeLeft + l.treeWidth + gap;
    l.commandEditWidth = l.commandClientWidth - l.commandEditLeft - gap;
    l.ddeEditWidth = l.ddeClientWidth - l.ddeEditLeft - gap;
    l.okLeft = l.panel2Width - l.okWidth - gap;
    return l;
}

TActionForm::TActionForm(TCommands& commands, const std::string& settingsPath)
    : TClassToolForm({"ActionForm", "", 285, 300, TBorderStyle::SizeToolWindow, nullptr, 0, 0,
                      TPosition::ScreenCenter},
                     commands, settingsPath, kPlacement) {
    // The DDE group is made before the command row, so that it lies below
    // it at the bottom of Panel1.
    CreateControls({
        {&Panel1, "Panel1", "", {0, 0, 277, 237}, this, "", TAlign::Client},
        {&TreeNTActions, "TreeNTActions", "", {0, 0, 185, 89}, &Panel1},
        {&btnNew, "btnNew", "New ...", {192, 8, 75, 21}, &Panel1},
        {&btnDel, "btnDel", "Delete", {192, 32, 75, 21}, &Panel1},
        {&btnDefault, "btnDefault", "set as default", {192, 64, 75, 21}, &Panel1},
        {&gbDDE, "gbDDE", " DDE ", {0, 116, 277, 121}, &Panel1, "", TAlign::Bottom},
        {&laDDECommand, "laDDECommand", "Command", {16, 20, 0, 0}, &gbDDE},
        {&edtDDECommand, "edtDDECommand", "", {80, 16, 185, 21}, &gbDDE},
        {&laDDEApp, "laDDEApp", "Application", {16, 44, 0, 0}, &gbDDE},
        {&edtDDEApp, "edtDDEApp", "", {80, 40, 185, 21}, &gbDDE},
        {&laDDETopic, "laDDETopic", "Topic", {16, 68, 0, 0}, &gbDDE},
        {&edtDDETopic, "edtDDETopic", "", {80, 64, 185, 21}, &gbDDE},
        {&laDDEIfExec, "laDDEIfExec", "IfExec", {16, 92, 0, 0}, &gbDDE},
        {&edtDDEIfExec, "edtDDEIfExec", "", {80, 88, 185, 21}, &gbDDE},
        {&pCommand, "pCommand", "", {0, 86, 277, 30}, &Panel1, "", TAlign::Bottom},
        {&laCommand, "laCommand", "Command", {10, 9, 0, 0}, &pCommand},
        {&edtCommand, "edtCommand", "", {80, 5, 185, 21}, &pCommand},
        {&Panel2, "Panel2", "", {0, 237, 277, 36}, this, "", TAlign::Bottom},
        {&btnOK, "btnOK", "OK", {195, 7, 75, 21}, &Panel2, "Confirm your changes"},
        {&btnHelp, "btnHelp", "Help", {8, 7, 75, 21}, &Panel2, "Do you need Help?"},
    });
    // Tab order: the command row comes before the DDE group.
    SetWindowPos(gbDDE.Handle(), pCommand.Handle(), 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ToolTips.Add(btnOK);
    ToolTips.Add(btnHelp);
    SetDefaultButton(&btnOK);

    Panel1.onResize = Handler(this, &TActionForm::Panel1Resize);
    Panel2.onResize = Handler(this, &TActionForm::Panel2Resize);
    TreeNTActions.onChange = Handler(this, &TActionForm::TreeNTActionsChange);
    btnHelp.onClick = Handler(this, &TActionForm::btnHelpClick);
    onShortCut = HelpKey(Handler(this, &TActionForm::btnHelpClick));
    btnOK.onClick = Handler(this, &TActionForm::btnOKClick);
    btnNew.onClick = Handler(this, &TActionForm::btnNewClick);
    btnDel.onClick = Handler(this, &TActionForm::btnDelClick);
    btnDefault.onClick = Handler(this, &TActionForm::btnDefaultClick);
    edtCommand.onButtonClick = Handler(this, &TActionForm::edtCommandButtonClick);
    edtDDECommand.onButtonClick = Handler(this, &TActionForm::edtDDECommandButtonClick);
    SetEditable(false);
    Panel1Resize();
    Panel2Resize();
}

void TActionForm::SetFileClass(const std::string& className) {
    // The main window's selection has moved on already: no way back.
    SettleEdits(false);
    shown_ = TShownVerb();
    SetEditable(false);
    FileClassName = className;
    SetCaption(className);
    TreeNTActions.Clear();
    Actions.Clear();
    if (className.empty()) {
        Panel1.SetVisible(false);
        SetCaption("no fileclass selected");
        return;
    }
    if (!FileClassExists(className)) {
        Panel1.SetVisible(false);
        SetCaption(className + " is not registered to the system.");
        return;
    }
    Panel1.SetVisible(true);
    const std::string defaultVerb = GetDefaultAction(className);
    if (defaultVerb.empty()) {
        for (TEdit* e : {static_cast<TEdit*>(&edtCommand), static_cast<TEdit*>(&edtDDECommand),
                         &edtDDEApp, &edtDDETopic, &edtDDEIfExec})
            e->SetText("");
        return;
    }
    GetActions(className, Actions);
    const std::string defaultLower = Lower(defaultVerb);
    TTreeUpdate update(TreeNTActions);
    for (const std::string& verb : Actions) {
        const int node = TreeNTActions.Add(verb);
        if (Lower(verb) == defaultLower)
            TreeNTActions.SetNodeStyle(node, TreeNTActions.NodeStyle(node) | fsBold);
    }
}

void TActionForm::TreeNTActionsChange() {
    const int index = TreeNTActions.Selected();
    if (reselecting_ || index < 0 || index == shown_.node)
        return;
    try {
        if (!SettleEdits(true)) {
            // Cancelled: the verb with the edits stays selected.
            reselecting_ = true;
            TreeNTActions.SetSelected(shown_.node);
            reselecting_ = false;
            return;
        }
    } catch (...) {
        reselecting_ = true;
        TreeNTActions.SetSelected(shown_.node);
        reselecting_ = false;
        throw;
    }
    // Saving may have loaded the class afresh (the main window shows the
    // change): the chosen verb is selected again.
    if (index >= Actions.Count())
        return;
    reselecting_ = true;
    TreeNTActions.SetSelected(index);
    reselecting_ = false;
    ShowVerb(index);
}

void TActionForm::ShowVerb(int node) {
    shown_ = TShownVerb();
    SetEditable(false);
    const std::string verb = Actions[node];
    edtCommand.SetText(GetActionCommand(FileClassName, verb));
    TDDEInfo dde;
    GetActionDDE(FileClassName, verb, dde);
    edtDDECommand.SetText(dde.Message);
    edtDDEApp.SetText(dde.Application);
    edtDDETopic.SetText(dde.Topic);
    edtDDEIfExec.SetText(dde.IfExec);
    shown_.node = node;
    shown_.verb = verb;
    shown_.command = edtCommand.Text();
    shown_.dde = dde;
    SetEditable(Commands().AllowChanges());
}

TDDEInfo TActionForm::FieldsDDE() {
    TDDEInfo dde;
    dde.Message = edtDDECommand.Text();
    dde.Application = edtDDEApp.Text();
    dde.Topic = edtDDETopic.Text();
    dde.IfExec = edtDDEIfExec.Text();
    return dde;
}

void TActionForm::SetEditable(bool on) {
    for (TEdit* e : {static_cast<TEdit*>(&edtCommand), static_cast<TEdit*>(&edtDDECommand),
                     &edtDDEApp, &edtDDETopic, &edtDDEIfExec})
        e->SetReadOnly(!on);
}

bool TActionForm::Modified() {
    return shown_.node >= 0 &&
           (edtCommand.Text() != shown_.command || FieldsDDE() != shown_.dde);
}

bool TActionForm::SettleEdits(bool canCancel) {
    if (!Modified())
        return true;
    TQuestion question;
    question.Text = "The action '" + shown_.verb + "' was changed. Save the changes?";
    question.Buttons = canCancel ? TButtons::YesNoCancel : TButtons::YesNo;
    switch (Commands().Questions().Ask(question)) {
    case TAnswer::Yes:
        SaveEdits(true);
        return true;
    case TAnswer::No:
        return true;
    case TAnswer::Cancel:
        break;
    }
    return !canCancel;
}

void TActionForm::SaveEdits(bool asked) {
    TActionEdit edit;
    edit.Command = edtCommand.Text();
    edit.DDE = FieldsDDE();
    edit.Agreed = asked;
    const std::string cls = FileClassName, verb = shown_.verb;
    // Saved on the way to another verb, class or the close: that goes on
    // from here.
    RunCommand([&] { return Commands().ChangeAction(cls, verb, edit); }, verb, !asked);
}

void TActionForm::RunCommand(const std::function<TChange()>& command, const std::string& select,
                             bool reload) {
    TChange change;
    try {
        change = command();
    } catch (...) {
        // What a failing command wrote before it failed can be undone: the
        // main window offers it; the fields stay as they were.
        Changed(TChange());
        throw;
    }
    if (!change.Done) {
        Changed(change);
        return;
    }
    // The main window shows the class afresh (and may load this window with
    // it); then this window shows what is stored now.
    const std::string cls = FileClassName;
    shown_ = TShownVerb();
    Changed(change);
    if (!reload)
        return;
    SetFileClass(cls);
    for (int i = 0; i < Actions.Count(); ++i)
        if (!select.empty() && SameText(Actions[i], select))
            TreeNTActions.SetSelected(i);
}

std::string TActionForm::SelectedVerb() {
    const int index = TreeNTActions.Selected();
    if (index < 0) {
        ShowMessage(kSelectFirst);
        return std::string();
    }
    return Actions[index];
}

void TActionForm::btnOKClick() {
    if (shown_.node < 0) {
        if (Commands().CanModify())
            ShowMessage(kSelectFirst);
        return;
    }
    SaveEdits(false);
}

void TActionForm::btnNewClick() {
    if (!Commands().CanModify() || !SettleEdits(true))
        return;
    TNewActionForm dialog(Commands(), FileClassName, Handle());
    std::string verb; // known once the dialog is closed
    RunCommand(
        [&] {
            dialog.ShowModal();
            verb = dialog.edtAction.Text();
            return dialog.Change;
        },
        verb);
}

void TActionForm::btnDelClick() {
    if (!Commands().CanModify() || !SettleEdits(true))
        return;
    const std::string verb = SelectedVerb();
    if (!verb.empty())
        RunCommand([&] { return Commands().DeleteAction(FileClassName, verb); }, "");
}

void TActionForm::btnDefaultClick() {
    if (!Commands().CanModify() || !SettleEdits(true))
        return;
    const std::string verb = SelectedVerb();
    if (!verb.empty())
        RunCommand([&] { return Commands().SetDefaultAction(FileClassName, verb); }, verb);
}

void TActionForm::PickCommand(TEdit& field) {
    if (!Commands().CanModify())
        return;
    if (shown_.node < 0) {
        ShowMessage(kSelectFirst);
        return;
    }
    std::string path;
    if (PickProgram(Handle(), path))
        field.SetText(CommandForProgram(path));
}

void TActionForm::edtCommandButtonClick() {
    PickCommand(edtCommand);
}

void TActionForm::edtDDECommandButtonClick() {
    PickCommand(edtDDECommand);
}

void TActionForm::FormClose() {
    SetCloseAction(TCloseAction::None);
    if (!SettleEdits(true))
        return; // Cancel: the window stays open with its edits
    TClassToolForm::FormClose();
}

void TActionForm::Panel1Resize() {
    TActionLayout l;
    l.panel1ClientWidth = Panel1.ClientWidth();
    l.panel1ClientHeight = Panel1.ClientHeight();
    l.commandHeight = pCommand.Height();
    l.commandClientWidth = pCommand.ClientWidth();
    l.ddeHeight = gbDDE.Height();
    l.ddeClientWidth = gbDDE.ClientWidth();
    l.treeLeft = TreeNTActions.Left();
    l.buttonWidth = btnNew.Width();
    l.commandEditLeft = edtCommand.Left();
    l.ddeEditLeft = edtDDECommand.Left();
    l = ArrangeActionForm(l);
    TBounds tree = TreeNTActions.Bounds();
    tree.width = l.treeWidth;
    tree.height = l.treeHeight;
    TreeNTActions.SetBounds(tree);
    for (TButton* b : {&btnNew, &btnDel, &btnDefault})
        b->SetLeft(l.buttonsLeft);
    edtCommand.SetWidth(l.commandEditWidth);
    for (TEdit* e : {static_cast<TEdit*>(&edtDDECommand), &edtDDEApp, &edtDDETopic, &edtDDEIfExec})
        e->SetWidth(l.ddeEditWidth);
}

void TActionForm::Panel2Resize() {
    TActionLayout l;
    l.panel2Width = Panel2.Width();
    l.okWidth = btnOK.Width();
    btnOK.SetLeft(ArrangeActionForm(l).okLeft);
}

void TActionForm::btnHelpClick() {
    // No context number of its own: the help file opens at its contents, the
    // user guide at its section on actions.
    Application.HelpCommand(kHelpTopics, 0, "actions");
}
