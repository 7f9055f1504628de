// TActionForm (unit ActionUnit): a sizeable tool window that shows the
// actions (shell verbs) of one file class: the verbs in a tree with the
// default one in bold and, for the verb selected, its command and its DDE
// settings. It follows the class selected in the main window and keeps its
// bounds in the settings file (section "ActionForm").
//
// When changes are allowed, the user adds ("New ..."), deletes and chooses
// the default verb, and edits the selected verb's command and DDE fields,
// which OK stores; each is one command of TCommands. Edits not yet stored
// are offered for saving before another verb or class is shown, before the
// other commands and when the window is closed. While changes are not
// allowed the fields are read-only and each editing control tells so.
#pragma once

#include <functional>
#include <string>

#include "controls/ZQButtonEdit.h"
#include "controls/ZQTreeView.h"
#include "dialogs/ClassToolForm.h"
#include "support/StringList.h"

// The sizes the layout of the action window depends on, and the places it
// gives (all in screen pixels, client sizes where the names say so).
struct TActionLayout {
    // In:
    int panel1ClientWidth = 0;
    int panel1ClientHeight = 0;
    int commandHeight = 0;      // pCommand
    int commandClientWidth = 0; // pCommand
    int ddeHeight = 0;          // gbDDE
    int ddeClientWidth = 0;     // gbDDE
    int treeLeft = 0;
    int buttonWidth = 0; // btnNew
    int commandEditLeft = 0;
    int ddeEditLeft = 0;
    int panel2Width = 0;
    int okWidth = 0;
    // Out:
    int treeWidth = 0;
    int treeHeight = 0;
    int buttonsLeft = 0; // btnNew, btnDel, btnDefault
    int commandEditWidth = 0;
    int ddeEditWidth = 0; // each of the four DDE fields
    int okLeft = 0;
};

// The tree takes what the command row and the DDE group leave; the buttons
// stand 7 pixels right of it; fields end 7 pixels before their container's
// right edge, and OK 7 pixels before the bottom panel's (7 design pixels,
// scaled to the screen).
TActionLayout ArrangeActionForm(TActionLayout layout);

class TActionForm : public TClassToolForm {
public:
    // `settingsPath` is the settings file the window keeps its bounds in.
    TActionForm(TCommands& commands, const std::string& settingsPath);

    // Loads a class: its verbs in the tree, the default one bold. An empty
    // name ("no fileclass selected") or one without a key of its own
    // ("<name> is not registered to the system.") shows nothing but the
    // button row.
    void SetFileClass(const std::string& className) override;

    // The verbs of the shown class; entry i is node i of the tree.
    TStringList Actions;

    void Panel1Resize();
    void Panel2Resize();
    void TreeNTActionsChange();
    void btnHelpClick();
    void btnOKClick();
    void btnNewClick();
    void btnDelClick();
    void btnDefaultClick();
    // The buttons inside the two command fields: a program chosen in the
    // system's file dialog becomes the field's command.
    void edtCommandButtonClick();
    void edtDDECommandButtonClick();

    // Whether the fields hold edits of the shown verb that are not stored.
    bool Modified();

    TPanel Panel1{TBevelCut::None};
    TZQTreeView TreeNTActions;
    TButton btnNew;
    TButton btnDel;
    TButton btnDefault;
    TGroupBox gbDDE;
    TLabel laDDECommand, laDDEApp, laDDETopic, laDDEIfExec;
    TZQButtonEdit edtDDECommand;
    TEdit edtDDEApp;
    TEdit edtDDETopic;
    TEdit edtDDEIfExec;
    TPanel pCommand{TBevelCut::None};
    TLabel laCommand;
    TZQButtonEdit edtCommand;

protected:
    // Closing with unsaved edits asks to save them first (Cancel keeps the
    // window open).
    void FormClose() override;

private:
    // The verb whose command and DDE settings the fields show.
    struct TShownVerb {
        int node = -1; // -1: none
        std::string verb;
        std::string command;
        TDDEInfo dde;
    };
    void ShowVerb(int node);
    // Reads the fields as shown before the user's edits.
    TDDEInfo FieldsDDE();
    void SetEditable(bool on);
    // Unsaved edits: asks whether to save them (Yes saves, No drops them);
    // false when the user cancelled (only asked with `canCancel`).
    bool SettleEdits(bool canCancel);
    // Stores the fields for the shown verb.
    void SaveEdits(bool asked);
    // Runs a command of the window: the main window is told (also of a
    // change a failing command left behind) and, with `reload`, the class is
    // shown afresh with `select` (read after the command) selected when it
    // is a verb of the class.
    void RunCommand(const std::function<TChange()>& command, const std::string& select,
                    bool reload = true);
    // The selected verb, or empty after telling the user to select one.
    std::string SelectedVerb();
    void PickCommand(TEdit& field);

    TShownVerb shown_;
    bool reselecting_ = false;
};
