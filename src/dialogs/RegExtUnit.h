// TRegExtForm (unit RegExtUnit): the modal dialog that registers a new
// extension with its class, content type and (on Windows XP) perceived type.
// Register calls the command that writes the extension and offers to describe
// a class no extension used before (TRegClassForm collects that record).
#pragma once

#include "commands/Commands.h"
#include "toolkit/Containers.h"
#include "toolkit/Form.h"
#include "toolkit/ListControls.h"


class TRegExtForm : public TForm {
public:
    explicit TRegExtForm(TCommands& commands);

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

    // What Register changed.
    TChange Change;

private:
    TCommands& commands_;
};
