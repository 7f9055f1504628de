// TAdvOptionForm (unit AdvOptionUnit): a fixed tool window that shows the
// "EditFlags" of one file class as 19 check boxes, each with a tool tip that
// explains its flag. It follows the class selected in the main window and
// writes nothing to the registry; it keeps only its place in the settings
// file (section "AdvOptionForm").
#pragma once

#include <string>

#include "dialogs/AdvOptionFlags.h"
#include "toolkit/Containers.h"
#include "toolkit/Form.h"
#include "toolkit/ToolTips.h"

class TAdvOptionForm : public TForm {
public:
    // `settingsPath` is the settings file the window keeps its place in.
    explicit TAdvOptionForm(const std::string& settingsPath);

    // Loads the class and shows the window in front, not modally.
    void ShowFileClass(const std::string& className);
    // Loads a class: its name as caption and its flags as ticks; the empty
    // name hides the boxes and reads "no fileclass selected".
    void SetFileClass(const std::string& className);

    std::string FileClassName;

    void FormShow();
    void FormClose();
    void btnOKClick();
    void btnHelpClick();

    // Box N (1 to 19).
    TCheckBox& CheckBox(int n) { return CheckBoxes[n - 1]; }

    TGroupBox gbExtOptions;
    TCheckBox CheckBoxes[FlagBoxCount];
    TPanel Panel2{TBevelCut::Lowered, TBevelCut::Raised};
    TButton btnOK;
    TButton btnHelp;
    TToolTips ToolTips;

    static constexpr int HelpContextNumber = 60;

private:
    std::string settingsPath_;
};
