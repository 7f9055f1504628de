#include "dialogs/AdvOptionUnit.h"

#include "toolkit/Application.h"

namespace {

const int kHelpContext = 60;

} // namespace

TAdvOptionForm::TAdvOptionForm(const std::string& settingsPath)
    : TClassToolForm({"AdvOptionForm", "", 0, 0, TBorderStyle::ToolWindow, nullptr, 386, 317,
                      TPosition::ScreenCenter},
                     settingsPath) {
    CreateControls({
        {&Panel2, "Panel2", "", {0, 281, 386, 36}, this, "", TAlign::Bottom},
        {&btnHelp, "btnHelp", "Help", {8, 7, 75, 21}, &Panel2, "Do you need Help?"},
        {&btnOK, "btnOK", "OK", {304, 7, 75, 21}, &Panel2, "Confirm your changes"},
        {&gbExtOptions, "gbExtOptions", " Options ", {0, 0, 386, 281}, this, "", TAlign::Client},
    });
    SetDefaultButton(&btnOK);
    btnHelp.onClick = Handler(this, &TAdvOptionForm::btnHelpClick);
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
}

void TAdvOptionForm::btnHelpClick() {
    Application.HelpContext(kHelpContext);
}
