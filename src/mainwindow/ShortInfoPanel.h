// TShortInfoPanel: the panel shown in place of the extension or class panel
// when there is no registered item to show: nothing selected, a class that
// extensions name but that has no key (with its extensions and a button to
// register it), or the extensions without a class.
#pragma once

#include <string>

#include "toolkit/Containers.h"
#include "toolkit/ListControls.h"

class TFileClass;

// What the short-info panel says, with its caption formats (one %s each).
enum TShortInfoMode { simNothingSelected, simClassNotRegistered, simExtensionsWithoutClass };
extern const char* const ShortInfoFormats[3];
// The caption of a mode: its format with `text` in place of %s.
std::string ShortInfoCaption(TShortInfoMode mode, const std::string& text);

// Places of the short-info panel's controls for a panel size (outer size).
// Only the visible controls move; the caption keeps its top.
struct TShortInfoLayout {
    int panelWidth = 0;
    int panelHeight = 0;
    TBounds caption;
    TBounds list;
    TBounds btnReg;
    TBounds btnViewExt;
    bool listVisible = false;
    bool regVisible = false;
    bool viewExtVisible = false;
};
TShortInfoLayout ArrangeShortInfo(TShortInfoLayout layout);

class TShortInfoPanel {
public:
    // Creates the controls inside ShortInfoPanel (which its owner has created).
    void CreateControls();
    // Places the visible controls for the panel's size.
    void Resize();
    // Says `mode`; the modes but "nothing selected" list the extensions the
    // index files under the class `text`.
    void Show(TShortInfoMode mode, std::string text, const TFileClass& index);
    // The view button follows the chosen extension.
    void ExtensionChosen();
    // The extension chosen in the list, or empty.
    std::string ChosenExtension() const;

    TPanel ShortInfoPanel{TBevelCut::Lowered, TBevelCut::Raised};
    TLabel lShortInfo;
    TButton btnReg;
    TListBox lbShortInfo;
    TButton btnShortInfoViewExt;
};
