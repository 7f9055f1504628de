#include "dialogs/SysOptionUnit.h"

#include "association/Visibility.h"
#include "toolkit/Application.h"
#include "toolkit/HelpKey.h"


TSysOptionForm::TSysOptionForm(TCommands& commands)
    : TForm({"SysOptionForm", "Systemwide Settings", 0, 0, TBorderStyle::DialogMinimizeBox, nullptr,
             337, 193, TPosition::ScreenCenter}),
      commands_(commands) {
    CreateControls({
        {&CheckBox1,
         "CheckBox1",
         "Show extensions",
         {16, 16, 305, 17},
         this,
         "Show the extensions of known file types everywhere"},
        {&BottomPanel, "BottomPanel", "", {0, 157, 337, 36}, this, "", TAlign::Bottom},
        {&btnHelp, "btnHelp", "Help", {8, 7, 75, 23}, &BottomPanel, "Do you need Help?"},
        {&btnCancel, "btnCancel", "Cancel", {174, 7, 75, 23}, &BottomPanel},
        {&btnOK, "btnOK", "OK", {254, 7, 75, 23}, &BottomPanel, "Confirm your changes"},
    });
    SetDefaultButton(&btnOK);
    SetCancelButton(&btnCancel);

    onShow = Handler(this, &TSysOptionForm::FormShow);
    btnOK.onClick = Handler(this, &TSysOptionForm::btnOKClick);
    btnCancel.onClick = Handler(this, &TSysOptionForm::btnCancelClick);
    btnHelp.onClick = Handler(this, &TSysOptionForm::btnHelpClick);
    onShortCut = HelpKey(Handler(this, &TSysOptionForm::btnHelpClick));
}

void TSysOptionForm::FormShow() {
    // A missing or malformed setting counts as extensions shown, as at start-up.
    shownAtStart_ = !ReadHideFileExt(false);
    CheckBox1.SetChecked(shownAtStart_);
}

void TSysOptionForm::btnOKClick() {
    const bool show = CheckBox1.Checked();
    // Refused or declined: the dialog stays open.
    if (show != shownAtStart_) {
        if (!commands_.ShowExtensions(show).Done)
            return;
        shownAtStart_ = show;
    }
    SetModalResult(mrOk);
}

void TSysOptionForm::btnCancelClick() {
    SetModalResult(mrCancel);
}

void TSysOptionForm::btnHelpClick() {
    Application.HelpContext(kHelpContext);
}
