#include "dialogs/NewActionUnit.h"

#include "association/ActionRecord.h"
#include "dialogs/ProgramPicker.h"
#include "toolkit/Dialogs.h"

TNewActionForm::TNewActionForm(TCommands& commands, const std::string& className, HWND owner)
    : TForm({"NewActionForm", "New action", 0, 0, TBorderStyle::Dialog, owner, 297, 121,
             TPosition::ScreenCenter}),
      commands_(commands), className_(className) {
    CreateControls({
        {&Panel1, "Panel1", "", {0, 0, 297, 85}, this, "", TAlign::Client},
        {&Panel2, "Panel2", "", {0, 85, 297, 36}, this, "", TAlign::Bottom},
        {&lAction, "lAction", "Action", {8, 12, 0, 13}, &Panel1},
        {&lCaption, "lCaption", "Caption", {8, 36, 0, 13}, &Panel1},
        {&lCommand, "lCommand", "Command", {8, 60, 0, 13}, &Panel1},
        {&edtAction, "edtAction", "", {72, 8, 217, 21}, &Panel1,
         "The name of the action's key, e.g. open or print"},
        {&edtCaption, "edtCaption", "", {72, 32, 217, 21}, &Panel1,
         "The text of the context menu; empty: the action's name"},
        {&edtCommand, "edtCommand", "", {72, 56, 217, 21}, &Panel1,
         "The command line; %1 stands for the file"},
        {&btnCancel, "btnCancel", "Cancel", {131, 8, 75, 21}, &Panel2},
        {&btnOK, "btnOK", "OK", {214, 8, 75, 21}, &Panel2, "Add the action"},
    });
    btnCancel.SetModalResult(mrCancel);
    SetDefaultButton(&btnOK);
    SetCancelButton(&btnCancel);
    btnOK.onClick = Handler(this, &TNewActionForm::btnOKClick);
    edtCommand.onButtonClick = Handler(this, &TNewActionForm::edtCommandButtonClick);
}

void TNewActionForm::btnOKClick() {
    try {
        Change = commands_.AddAction(
            {className_, edtAction.Text(), edtCaption.Text(), edtCommand.Text()});
    } catch (const Exception& e) {
        // The dialog stays as it was, for the user to put right.
        MessageDlg(e.what(), TDialogKind::Error, mbOK);
        return;
    }
    // Declined or refused: the dialog stays open; the user may cancel.
    if (Change.Done)
        SetModalResult(mrOk);
}

void TNewActionForm::edtCommandButtonClick() {
    std::string path;
    if (PickProgram(Handle(), path))
        edtCommand.SetText(CommandForProgram(path));
}
