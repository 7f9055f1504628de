// TRegClassForm (unit RegClassUnit): the modal dialog that registers a file
// class whose name is fixed by its opener (a name extensions use that has no
// key yet, or one whose record is to be completed): description, info tip,
// current version and icon, shown as stored. Register calls the command that
// writes the class, or only hands the record back (Describe).
#pragma once

#include <string>

#include "commands/Commands.h"
#include "support/ZQWinDialogs.h"
#include "toolkit/Containers.h"
#include "toolkit/Form.h"
#include "toolkit/ListControls.h"


class TRegClassForm : public TForm {
public:
    explicit TRegClassForm(TCommands& commands);

    // Shows the dialog modally for the class `className` (also its caption);
    // mrOk when the user chose Register, mrCancel otherwise.
    int Execute(const std::string& className);
    // Shows the dialog for record.FileClass and, on Register, fills `record`
    // with what the user entered instead of writing it; false when
    // cancelled.
    bool Describe(TNewClass& record);
    // The record the fields hold (Icon empty: the stored icon is kept).
    TNewClass Record() const;
    // What Register changed.
    TChange Change;

    std::string FileClassName;
    // The "DefaultIcon" text to write: "file",index; empty until known.
    std::string IconLocation;
    // Set at show: the first click on the icon starts from the stored icon.
    bool FetchStoredIcon = false;

    void FormShow();
    void edtsChange();
    void imgIconClick();
    void btnOKClick();
    void btnHelpClick();

    TZQShChangeIconDialog ZQShChangeIconDialog1;

    TPanel Panel1;
    TPanel Panel2{TBevelCut::Lowered, TBevelCut::Raised};
    TLabel lFileClass, lFileType, lInfoTip, lCurVer, lIcon;
    TComboBox cbFileClass{TComboStyle::Simple};
    TEdit edtFileType, edtInfoTip;
    TComboBox cbCurVer;
    TBevel Bevel1;
    TImage imgIcon;
    TButton btnHelp, btnCancel, btnOK;

private:
    TCommands& commands_;
    bool describeOnly_ = false;
};
