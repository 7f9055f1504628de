// TProgConfigForm (unit ProgConfig): edits the program's switches in the
// settings file. The main window reads them at start-up, so a change takes
// effect at the next start, as the dialog says.
#pragma once

#include <string>

#include "controls/ZQLabels.h"
#include "toolkit/Containers.h"
#include "toolkit/Form.h"

class TProgConfigForm : public TForm {
public:
    static constexpr int kHelpContext = 40;

    explicit TProgConfigForm(const std::string& settingsPath);

    // Loads the check boxes from the file.
    void FormShow();
    // Writes all eight switches (and, where the system has two stores, the
    // store changes go to) and closes the dialog; a failed write raises
    // and leaves the dialog open.
    void btnOKClick();
    void btnCancelClick();
    void btnHelpClick();

    TCheckBox cbStartupScan, cbSaveMode, cbVersionWarn;
    TGroupBox gbWhileWorking;
    TCheckBox cbOptimizeSystem, cbAlwaysAsk;
    TGroupBox gbRestore;
    TCheckBox cbRestoreWnd, cbRestoreTab, cbRestoreSelItem;
    TCheckBox cbScopeUser;
    TZQUrlLabel laMail;
    TLabel laNote;
    TPanel BottomPanel;
    TButton btnHelp, btnCancel, btnOK;

private:
    std::string settingsPath_;
};
