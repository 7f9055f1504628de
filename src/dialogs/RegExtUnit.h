// TRegExtForm (unit RegExtUnit): the modal dialog that registers a new
// extension with its class, content type and (on Windows XP) perceived type.
// Register writes the extension, offers to describe a class no extension used
// before (TRegClassForm) and has the opener's index rebuilt.
#pragma once

#include "toolkit/Containers.h"
#include "toolkit/Form.h"
#include "toolkit/ListControls.h"

class TRegisterHost;

class TRegExtForm : public TForm {
public:
    explicit TRegExtForm(TRegisterHost& host);

    void FormShow();
    void edtsChange();
    void btnOKClick();
    void btnHelpClick();

    TPanel Panel1;
    TPanel Panel2{TBevelCut::Lowered, TBevelCut::Raised};
    TLabel lExtension, lFileClass, lContentType, lPerceivedType;
    TEdit edtExtension;
    TComboBox cbFileclass;
    TEdit edtContentType;
    TComboBox cbPerceivedType{TComboStyle::DropDownList};
    TButton btnHelp, btnCancel, btnOK;

private:
    TRegisterHost& host_;
};
