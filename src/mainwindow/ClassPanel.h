// TClassPanel: the class view's panel, which shows one registered file class:
// its description, icon, extension visibility and the extensions that name
// it. The main window creates the panel in its table, binds the buttons and
// the two tool-window boxes to its handlers and tells the panel which class
// to show.
#pragma once

#include <string>

#include "support/ZQWinDialogs.h"
#include "toolkit/Containers.h"
#include "toolkit/ListControls.h"
#include "toolkit/Menus.h"

class TFileClass;

// Places of the class panel's controls for a panel width (outer width): the
// two edit fields and the radio group stretch to 11 pixels before the right
// edge; the extension list stretches so that its buttons stand 5 pixels
// beside it and 11 before the edge.
struct TClassPanelLayout {
    int panelWidth = 0;
    TBounds edtClass_Type;
    TBounds edtIconFileName;
    TBounds rgExtVisibility;
    TBounds lbAssocExt;
    TBounds btnClassAssoc;
    TBounds btnClassDissoc;
    TBounds btnViewExt;
};
TClassPanelLayout ArrangeClassPanel(TClassPanelLayout layout);

class TClassPanel {
public:
    // Creates the controls inside ClassPanel (which its owner has created);
    // `owner` owns the shell's icon dialog.
    void CreateControls(HWND owner);
    // Places the controls for the panel's width.
    void Resize();
    // Shows the registered class `className` with the extensions the index
    // files under it.
    void ShowClass(const std::string& className, const TFileClass& index);
    // Shows the icon the registry holds for the class now.
    void ShowIcon(const std::string& className);
    // The dissociate and view buttons follow the chosen extension;
    // dissociating also needs a class shown in the class view.
    void ExtensionChosen(bool classShown);
    // The extension chosen in the list, or empty.
    std::string ChosenExtension() const;

    TPanel ClassPanel{TBevelCut::Lowered, TBevelCut::Raised};
    TLabel laClassType;
    TEdit edtClass_Type;
    TBevel Bevel1;
    TImage imgIcon;
    TPopupMenu pmIcon;
    TMenuItem ItemIconChange, ItemIconShell;
    TEdit edtIconFileName;
    TRadioGroup rgExtVisibility;
    TCheckBox cbAdvOption;
    TCheckBox cbShowActions;
    TLabel laLinkedExtCount;
    // Where the class's key is stored: this user's or every user's classes.
    TLabel laClassStored;
    TListBox lbAssocExt;
    TButton btnClassAssoc;
    TButton btnClassDissoc;
    TButton btnViewExt;
    TZQShChangeIconDialog ZQShChangeIconDialog1;
};
