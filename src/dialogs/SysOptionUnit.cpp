#include "dialogs/SysOptionUnit.h"

#include "association/Visibility.h"
#include "toolkit/Application.h"
#include "toolkit/HelpKey.h"

#include <shlobj.h>

void NotifyShellStateChanged() {
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("ShellState"),
                        SMTO_ABORTIFHUNG, 1000, &ignored);
}

std::string ShowExtensionsQuestion(bool show) {
    return show ? "Do you really want the extensions of all known file types to be shown?"
                : "Do you really want the extensions of known file types to be hidden?";
}

std::string ShowExtensionsStepName(bool show) {
    return show ? "Show file extensions" : "Hide file extensions";
}

TSysOptionForm::TSysOptionForm(TChangeGate gate)
    : TForm({"SysOptionForm", "Systemwide Settings", 0, 0, TBorderStyle::DialogMinimizeBox, nullptr,
             337, 193, TPosition::ScreenCenter}),
      gate_(std::move(gate)) {
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
    if (show != shownAtStart_) {
        if (!gate_.canModify || !gate_.canModify())
            return;
        if (gate_.confirm && !gate_.confirm(ShowExtensionsQuestion(show)))
            return;
        const auto change = [show] { SetHideFileExt(!show); };
        if (gate_.undoable)
            gate_.undoable(ShowExtensionsStepName(show), change);
        else
            change();
        shownAtStart_ = show;
        if (gate_.shellStateChanged)
            gate_.shellStateChanged();
        else
            NotifyShellStateChanged();
    }
    SetModalResult(mrOk);
}

void TSysOptionForm::btnCancelClick() {
    SetModalResult(mrCancel);
}

void TSysOptionForm::btnHelpClick() {
    Application.HelpContext(kHelpContext);
}
