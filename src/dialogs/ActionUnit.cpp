#include "dialogs/ActionUnit.h"

#include "association/Actions.h"
#include "association/Lookups.h"
#include "toolkit/Dialogs.h"
#include "toolkit/HelpKey.h"

namespace {

const TToolWindowPlacement kPlacement = {"ActionForm", true, 285, 300};
const int kGap = 7;
// The Help menu's command: the help file's contents (command 15, data 0).
const UINT kHelpTopics = 15;
const char kNotYet[] = "Sorry has to be done in futur";

// The text in lower case, by the platform's rules for the user's language
// (umlauts included).
std::string Lower(std::string s) {
    if (!s.empty())
        CharLowerBuffA(&s[0], static_cast<DWORD>(s.size()));
    return s;
}

} // namespace

TActionLayout ArrangeActionForm(TActionLayout l) {
    l.treeHeight = l.panel1ClientHeight - l.commandHeight - l.ddeHeight;
    l.treeWidth = l.panel1ClientWidth - l.buttonWidth - 2 * kGap;
    l.buttonsLeft = l.treeLeft + l.treeWidth + kGap;
    l.commandEditWidth = l.commandClientWidth - l.commandEditLeft - kGap;
    l.ddeEditWidth = l.ddeClientWidth - l.ddeEditLeft - kGap;
    l.okLeft = l.panel2Width - l.okWidth - kGap;
    return l;
}

TActionForm::TActionForm(const std::string& settingsPath)
    : TClassToolForm({"ActionForm", "", 285, 300, TBorderStyle::SizeToolWindow, nullptr, 0, 0,
                      TPosition::ScreenCenter},
                     settingsPath, kPlacement) {
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
    for (TButton* b : {&btnNew, &btnDel, &btnDefault})
        b->onClick = Handler(this, &TActionForm::NotYetClick);
    edtCommand.onButtonClick = Handler(this, &TActionForm::NotYetClick);
    edtDDECommand.onButtonClick = Handler(this, &TActionForm::NotYetClick);
    Panel1Resize();
    Panel2Resize();
}

void TActionForm::SetFileClass(const std::string& className) {
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
    if (index < 0)
        return;
    const std::string verb = Actions[index];
    edtCommand.SetText(GetActionCommand(FileClassName, verb));
    TDDEInfo dde;
    GetActionDDE(FileClassName, verb, dde);
    edtDDECommand.SetText(dde.Message);
    edtDDEApp.SetText(dde.Application);
    edtDDETopic.SetText(dde.Topic);
    edtDDEIfExec.SetText(dde.IfExec);
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

void TActionForm::NotYetClick() {
    ShowMessage(kNotYet);
}
