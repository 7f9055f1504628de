// TApplyProfileForm: the modal window of "Apply profile ...": every entry of
// the profile with what it would change in the registry as it is now, each
// change with a check box. "Apply" makes the checked changes through the
// command layer, after its one question, as one undo step.
#pragma once

#include "commands/Commands.h"
#include "toolkit/Bars.h"
#include "toolkit/Containers.h"
#include "toolkit/Form.h"
#include "toolkit/ListView.h"

class TApplyProfileForm : public TForm {
public:
    TApplyProfileForm(TCommands& commands, TProfile profile);

    const TPlan& Plan() const { return plan_; }
    // Checks or unchecks a row's change (the check box's click).
    void ToggleRow(int row);
    // What Apply changed.
    TChange Change;

    void btnApplyClick();

    TPanel ButtonPanel{TBevelCut::None};
    TLabel lSummary;
    TButton btnApply, btnCancel;
    TListView List;

private:
    void ShowSummary();

    TCommands& commands_;
    TProfile profile_;
    TPlan plan_;
};
