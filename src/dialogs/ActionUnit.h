// TActionForm (unit ActionUnit): a sizeable tool window that shows the
// actions (shell verbs) of one file class: the verbs in a tree with the
// default one in bold and, for the verb selected, its command and its DDE
// settings. It follows the class selected in the main window and writes
// nothing to the registry; it keeps only its bounds in the settings file
// (section "ActionForm").
#pragma once

#include <string>

#include "controls/ZQButtonEdit.h"
#include "controls/ZQTreeView.h"
#include "dialogs/ClassToolForm.h"
#include "support/StringList.h"

// The sizes the layout of the action window depends on, and the places it
// gives (all in pixels, client sizes where the names say so).
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
// right edge, and OK 7 pixels before the bottom panel's.
TActionLayout ArrangeActionForm(TActionLayout layout);

class TActionForm : public TClassToolForm {
public:
    // `settingsPath` is the settings file the window keeps its bounds in.
    explicit TActionForm(const std::string& settingsPath);

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
    // The editing controls: adding, deleting and choosing verbs, and the
    // buttons inside the command fields.
    void NotYetClick();

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
};
