// TAdvOptionForm (unit AdvOptionUnit): a fixed tool window that shows the
// "EditFlags" of one file class as 19 check boxes, each with a tool tip that
// explains its flag. It follows the class selected in the main window and
// keeps its place in the settings file (section "AdvOptionForm"). OK stores
// the ticked boxes in "EditFlags" through the commands; the bits no box can
// change stay as they are.
#pragma once

#include <string>

#include "dialogs/AdvOptionFlags.h"
#include "dialogs/ClassToolForm.h"

class TAdvOptionForm : public TClassToolForm {
public:
    // `settingsPath` is the settings file the window keeps its place in.
    TAdvOptionForm(TCommands& commands, const std::string& settingsPath);

    // Loads a class: its name as caption and its flags as ticks; the empty
    // name hides the boxes and reads "no fileclass selected". A flags value
    // that can't be read raises and leaves the boxes as they were.
    void SetFileClass(const std::string& className) override;

    void btnHelpClick();
    void btnOKClick();

    // Box N (1 to 19).
    TCheckBox& CheckBox(int n) { return CheckBoxes[n - 1]; }

    TGroupBox gbExtOptions;
    TCheckBox CheckBoxes[FlagBoxCount];

    static constexpr int HelpContextNumber = 60;
};
