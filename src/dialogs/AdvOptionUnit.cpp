#include "dialogs/AdvOptionUnit.h"

#include "association/ClassRecord.h"
#include "toolkit/Application.h"
#include "toolkit/HelpKey.h"

namespace {

const TToolWindowPlacement kPlacement = {"AdvOptionForm", false, 0, 0};

} // namespace

TAdvOptionForm::TAdvOptionForm(TCommands& commands, const std::string& settingsPath)
    : TClassToolForm({"AdvOptionForm", "", 0, 0, TBorderStyle::ToolWindow, nullptr, 386, 317,
                      TPosition::ScreenCenter},
                     commands, settingsPath, kPlacement) {
    CreateControls({
        {&gbExtOptions, "gbExtOptions", " Options ", {0, 0, 386, 281}, this, "", TAlign::Client},
        {&Panel2, "Panel2", "", {0, 281, 386, 36}, this, "", TAlign::Bottom},
        {&btnOK, "btnOK", "OK", {304, 7, 75, 21}, &Panel2, "Confirm your changes"},
        {&btnHelp, "btnHelp", "Help", {8, 7, 75, 21}, &Panel2, "Do you need Help?"},
    });
    for (int i = 0; i < FlagBoxCount; ++i) {
        const TFlagBox& box = FlagBoxes[i];
        TControlRow row;
        row.control = &CheckBoxes[i];
        row.name = box.name;
        row.caption = box.caption;
        row.bounds = box.bounds;
        row.parent = &gbExtOptions;
        row.hint = box.hint;
        CheckBoxes[i].Create(row);
        ToolTips.Add(CheckBoxes[i]);
    }
    ToolTips.Add(btnOK);
    ToolTips.Add(btnHelp);
    // The exclusion flag is shown, never changed.
    CheckBox(1).SetEnabled(false);
    SetDefaultButton(&btnOK);

    btnHelp.onClick = Handler(this, &TAdvOptionForm::btnHelpClick);
    onShortCut = HelpKey(Handler(this, &TAdvOptionForm::btnHelpClick));
    btnOK.onClick = Handler(this, &TAdvOptionForm::btnOKClick);
}

void TAdvOptionForm::SetFileClass(const std::string& className) {
    FileClassName = className;
    SetCaption(className);
    if (className.empty()) {
        gbExtOptions.SetVisible(false);
        SetCaption("no fileclass selected");
        return;
    }
    gbExtOptions.SetVisible(true);
    // Read first: an unreadable value leaves the boxes as they were.
    const TEditFlags flags = GetEditFlags(className);
    for (int i = 0; i < FlagBoxCount; ++i)
        CheckBoxes[i].SetChecked(flags.contains(FlagBoxes[i].element));
}

void TAdvOptionForm::btnHelpClick() {
    Application.HelpContext(HelpContextNumber);
}

void TAdvOptionForm::btnOKClick() {
    if (FileClassName.empty())
        return;
    // The boxes the user can change; the first one is shown only.
    uint32_t value = 0, mask = 0;
    for (int n = 2; n <= FlagBoxCount; ++n) {
        const uint32_t bit = EditFlagValues[FlagBoxes[n - 1].element];
        mask |= bit;
        if (CheckBox(n).Checked())
            value |= bit;
    }
    const TChange change = Commands().SetEditFlags(FileClassName, value, mask);
    Changed(change);
    if (change.Done)
        SetFileClass(FileClassName); // what is stored now
}
