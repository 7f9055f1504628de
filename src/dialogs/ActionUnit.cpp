#include "dialogs/ActionUnit.h"

#include "association/DataType.h"

TActionForm::TActionForm(const std::string& settingsPath)
    : TClassToolForm({"ActionForm", "", 285, 300, TBorderStyle::SizeToolWindow, nullptr, 0, 0,
                      TPosition::ScreenCenter},
                     settingsPath) {
    CreateControls({
        {&Panel2, "Panel2", "", {0, 237, 277, 36}, this, "", TAlign::Bottom},
        {&btnHelp, "btnHelp", "Help", {8, 7, 75, 21}, &Panel2, "Do you need Help?"},
        {&btnOK, "btnOK", "OK", {195, 7, 75, 21}, &Panel2, "Confirm your changes"},
        {&Panel1, "Panel1", "", {0, 0, 277, 237}, this, "", TAlign::Client},
    });
    SetDefaultButton(&btnOK);
    Panel2.onResize = Handler(this, &TActionForm::Panel2Resize);
    Panel2Resize();
}

void TActionForm::SetFileClass(const std::string& className) {
    FileClassName = className;
    SetCaption(className);
    if (className.empty()) {
        Panel1.SetVisible(false);
        SetCaption("no fileclass selected");
        return;
    }
    if (!FileClassExists(className)) {
        Panel1.SetVisible(false);
        SetCaption(className + " is not registered to the system.");
        return;
    }
    Panel1.SetVisible(true);
}

void TActionForm::Panel2Resize() {
    btnOK.SetLeft(Panel2.Width() - btnOK.Width() - 7);
}
