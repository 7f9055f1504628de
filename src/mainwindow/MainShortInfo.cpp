// TMainForm: the handlers of the short-info panel (TShortInfoPanel), shown in
// place of the extension or class panel when there is no registered item to
// show.
#include "mainwindow/MainUnit.h"

void TMainForm::ShowShortInfo(TShortInfoMode mode, std::string text) {
    ExtView.ExtPanel.SetVisible(false);
    ClassView.ClassPanel.SetVisible(false);
    ShortInfo.ShortInfoPanel.SetVisible(true);
    ShortInfo.Show(mode, std::move(text), FileClasses());
}

void TMainForm::ShowClassPanel() {
    ClassView.ClassPanel.SetVisible(true);
    ShortInfo.ShortInfoPanel.SetVisible(false);
}

void TMainForm::lbShortInfoDblClick() {
    btnShortInfoViewExtClick();
}

void TMainForm::btnShortInfoViewExtClick() {
    // With no entry chosen nothing is selected, and the extension view shows
    // its first extension.
    ShowItemIn(0, ShortInfo.ChosenExtension());
}
