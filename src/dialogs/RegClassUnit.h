// TRegClassForm (unit RegClassUnit): the modal dialog that registers a file
// class whose name is fixed by its opener (a name extensions use that has no
// key yet): description, info tip, current version and icon. Register writes
// the class and has the opener's index rebuilt.
#pragma once

#include <string>

#include "support/ZQWinDialogs.h"
#include "toolkit/Containers.h"
#include "toolkit/Form.h"
#include "toolkit/ListControls.h"

class TRegisterHost;

class TRegClassForm : public TForm {
public:
    explicit TRegClassForm(TRegisterHost& host);

    // Shows the dialog modally for the class `className` (also its caption);
    // mrOk when the user chose Register, mrCancel otherwise.
    int Execute(const std::string& className);

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
    TRegisterHost& host_;
};
