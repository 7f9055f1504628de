// TExtensionPanel: the extension view's panel, which shows one extension with
// its class, content type, "New"-menu state and what a double-click opens. The main window creates the
// panel in its table, binds the buttons to its handlers and tells the panel
// which extension to show.
#pragma once

#include <string>

#include "toolkit/Containers.h"
#include "toolkit/ListControls.h"

class TStringList;

// Places of the extension panel's controls for a panel width (outer width).
// The class combo box, the content-type field and the two separators
// stretch to 11 pixels before the right edge; the three buttons below the
// combo box end where it ends, or start at the label's left when they don't
// fit there.
struct TExtPanelLayout {
    int panelWidth = 0;
    TBounds laFileClass;
    TBounds cbClasses;
    TBounds btnExtAssoc;
    TBounds btnExtDissoc;
    TBounds btnViewClass;
    TBounds bExt1;
    TBounds bExt2;
    TBounds bExt3;
    TBounds laOpensWith;
    TBounds edtContentType;
};
TExtPanelLayout ArrangeExtPanel(TExtPanelLayout layout);

class TExtensionPanel {
public:
    // Creates the controls inside ExtPanel (which its owner has created).
    void CreateControls();
    // Places the controls for the panel's width.
    void Resize();
    // The class names the combo box offers.
    void SetClassNames(const TStringList& names);
    // Shows `ext`: its class chosen in the combo box, its content type,
    // whether it has an item in the "New" menu, and what a double-click
    // opens when that is not the extension's class.
    void ShowExtension(const std::string& ext);
    // The associate, dissociate and view buttons for the class typed or
    // chosen: associate for another class than the extension's, dissociate
    // and view for its own.
    void ClassTextChanged();
    // The extension shown.
    const std::string& Extension() const { return extension_; }

    TPanel ExtPanel{TBevelCut::Lowered, TBevelCut::Raised};
    TLabel laFileClass;
    TComboBox cbClasses;
    TButton btnExtAssoc;
    TButton btnExtDissoc;
    TButton btnViewClass;
    TBevel bExt1;
    TLabel laContentType;
    TEdit edtContentType;
    TBevel bExt2;
    TLabel laNew_Menu;
    TButton btnNew_Menu;
    TBevel bExt3;
    TLabel laOpensWith;
    TButton btnOpensWith;

private:
    std::string extension_;
};
