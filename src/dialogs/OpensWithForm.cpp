#include "dialogs/OpensWithForm.h"

#include "association/DataType.h"
#include "commands/Commands.h"
#include "support/StringList.h"
#include "toolkit/Dialogs.h"
#include "toolkit/DesignScale.h"
#include "toolkit/SystemShell.h"

namespace {

const char* const kColumns[] = {"Open with", "Listed in", "State"};

// The target chosen in Windows (not the extension's own class): only such
// a choice can be reset.
bool ChosenInWindows(const TOpensWith& opens) {
    return !opens.Target.empty() && opens.Reason != "the extension's class";
}

} // namespace

TOpensWithForm::TOpensWithForm(TCommands& commands)
    : TForm({"OpensWithForm", "Opens with", 0, 0, TBorderStyle::SizeToolWindow, nullptr, 520, 330,
             TPosition::ScreenCenter}),
      commands_(commands) {
    CreateControls({
        {&TopPanel, "TopPanel", "", {0, 0, 520, 128}, this, "", TAlign::Top},
        {&laOpens, "laOpens", "", {8, 8, 504, 13}, &TopPanel},
        {&laCommand, "laCommand", "", {8, 28, 504, 13}, &TopPanel},
        {&laTypes, "laTypes", "", {8, 48, 504, 13}, &TopPanel},
        {&btnReset,
         "btnReset",
         "&Reset choice ...",
         {8, 70, 110, 23},
         &TopPanel,
         "Reset the choice made in Windows, so that the extension's fileclass opens it"},
        {&laList, "laList", "'Open with' offers:", {8, 108, 300, 13}, &TopPanel},
        {&ButtonPanel, "ButtonPanel", "", {0, 0, 520, 37}, this, "", TAlign::Bottom},
        {&cbClass, "cbClass", "", {8, 9, 170, 21}, &ButtonPanel},
        {&btnAdd,
         "btnAdd",
         "&Add",
         {184, 8, 70, 23},
         &ButtonPanel,
         "Offer this fileclass under 'Open with' for the extension"},
        {&btnRemove,
         "btnRemove",
         "Re&move ...",
         {262, 8, 80, 23},
         &ButtonPanel,
         "Take the selected entry out of every 'Open with' list of the extension"},
        {&btnClose, "btnClose", "Close", {448, 8, 64, 23}, &ButtonPanel},
        {&List, "List", "", {0, 0, 520, 165}, this, "", TAlign::Client},
    });
    List.SetColumns(
        {{kColumns[0], Scaled(170)}, {kColumns[1], Scaled(200)}, {kColumns[2], Scaled(100)}});
    SetEscapeCloses(true);
    List.onGetText = [this](int row, int column) -> std::string {
        if (row < 0 || row >= static_cast<int>(opens_.OpenWith.size()))
            return std::string();
        const TOpenWithEntry& entry = opens_.OpenWith[row];
        return column == 0 ? entry.Name
                           : column == 1 ? entry.Source : entry.Missing ? "not there" : "";
    };
    List.onSelectionChange = Handler(this, &TOpensWithForm::ListSelectionChange);
    cbClass.onChange = [this] { UpdateButtons(); };
    btnReset.onClick = Handler(this, &TOpensWithForm::btnResetClick);
    btnAdd.onClick = Handler(this, &TOpensWithForm::btnAddClick);
    btnRemove.onClick = Handler(this, &TOpensWithForm::btnRemoveClick);
    btnClose.onClick = [this] { Close(); };
    onOpenDefaultApps = [this] {
        ShellExecuteOf(Handle(), "open", "ms-settings:defaultapps", std::string());
    };
}

void TOpensWithForm::SetExtension(const std::string& ext, const TStringList& classNames) {
    ext_ = ext;
    cbClass.Items().Assign(classNames);
    Reload();
}

void TOpensWithForm::Reload() {
    opens_ = GetOpensWith(ext_);
    SetCaption("Opens with - " + ext_);
    laOpens.SetText("Double-click opens: " +
                    (opens_.Target.empty() ? std::string("nothing")
                                           : opens_.Target + " (" + opens_.Reason + ")"));
    laCommand.SetText("Command: " + (opens_.Command.empty() ? std::string("none (no action, or "
                                                                          "its key is not there)")
                                                            : opens_.Command));
    const std::string perceived = opens_.PerceivedType.empty() ? "none" : opens_.PerceivedType;
    const std::string content = GetContentType(ext_);
    laTypes.SetText("Perceived type: " + perceived +
                    "      Content type: " + (content.empty() ? "none" : content));
    List.SetRowCount(static_cast<int>(opens_.OpenWith.size()));
    UpdateButtons();
}

void TOpensWithForm::UpdateButtons() {
    const bool allowed = commands_.AllowChanges();
    btnReset.SetEnabled(allowed && ChosenInWindows(opens_));
    btnAdd.SetEnabled(allowed && !cbClass.Text().empty());
    btnRemove.SetEnabled(allowed && List.SelectedRows().size() == 1);
}

void TOpensWithForm::ListSelectionChange() {
    UpdateButtons();
}

void TOpensWithForm::Changed(const TChange& change) {
    if (onChanged)
        onChanged(change);
    Reload();
}

void TOpensWithForm::btnResetClick() {
    try {
        Changed(commands_.ResetUserChoice(ext_));
    } catch (const EProtectedChoice& e) {
        Reload();
        if (!e.OffersDefaultApps) {
            MessageDlg(e.what(), TDialogKind::Error, mbOK);
            return;
        }
        if (MessageDlg(std::string(e.what()) + "\r\n\r\nOpen Windows' \"Default apps\" settings?",
                       TDialogKind::Error, mbYes | mbNo) == mrYes &&
            onOpenDefaultApps)
            onOpenDefaultApps();
    }
}

void TOpensWithForm::btnAddClick() {
    Changed(commands_.AddToOpenWith(ext_, cbClass.Text()));
}

void TOpensWithForm::btnRemoveClick() {
    const std::vector<int> rows = List.SelectedRows();
    if (rows.size() != 1 || rows[0] >= static_cast<int>(opens_.OpenWith.size()))
        return;
    const int row = rows[0];
    Changed(commands_.RemoveFromOpenWith(ext_, opens_.OpenWith[row].Name));
}
