#include "dialogs/ApplyProfileForm.h"

#include "toolkit/DesignScale.h"

namespace {

std::string CellText(const TPlanItem& item, int column) {
    switch (column) {
    case 0: return item.Name;
    case 1: return PlanStateName(item.State);
    case 2: return std::to_string(item.Line);
    default: return item.Detail;
    }
}

} // namespace

TApplyProfileForm::TApplyProfileForm(TCommands& commands, TProfile profile)
    : TForm({"ApplyProfileForm", "Apply profile", 0, 0, TBorderStyle::Sizeable, nullptr, 640, 400,
             TPosition::ScreenCenter}),
      commands_(commands), profile_(std::move(profile)), plan_(PlanProfile(profile_)) {
    CreateControls({
        {&ButtonPanel, "ButtonPanel", "", {0, 0, 640, 60}, this, "", TAlign::Bottom},
        {&lSummary, "lSummary", "", {8, 6, 624, 13}, &ButtonPanel},
        {&btnApply,
         "btnApply",
         "&Apply",
         {476, 29, 75, 23},
         &ButtonPanel,
         "Make the checked changes as one step"},
        {&btnCancel, "btnCancel", "Cancel", {557, 29, 75, 23}, &ButtonPanel},
        {&List, "List", "", {0, 0, 640, 340}, this, "", TAlign::Client},
    });
    SetCaption("Apply profile " + profile_.File);
    List.SetColumns({{"Entry", Scaled(160)},
                     {"Plan", Scaled(70)},
                     {"Line", Scaled(40)},
                     {"Detail", Scaled(340)}});
    List.ShowCheckBoxes();
    List.onGetText = [this](int row, int column) {
        return row >= 0 && row < static_cast<int>(plan_.Items.size())
                   ? CellText(plan_.Items[row], column)
                   : std::string();
    };
    List.onGetChecked = [this](int row) {
        return row >= 0 && row < static_cast<int>(plan_.Items.size()) &&
               plan_.Items[row].State == TPlanState::Change && plan_.Items[row].Chosen;
    };
    List.onHasCheckBox = [this](int row) {
        return row >= 0 && row < static_cast<int>(plan_.Items.size()) &&
               plan_.Items[row].State == TPlanState::Change;
    };
    List.onToggle = [this](int row) { ToggleRow(row); };
    List.SetRowCount(static_cast<int>(plan_.Items.size()));
    btnCancel.SetModalResult(mrCancel);
    SetDefaultButton(&btnApply);
    SetCancelButton(&btnCancel);
    btnApply.onClick = Handler(this, &TApplyProfileForm::btnApplyClick);
    ShowSummary();
}

void TApplyProfileForm::ToggleRow(int row) {
    if (row < 0 || row >= static_cast<int>(plan_.Items.size()) ||
        plan_.Items[row].State != TPlanState::Change)
        return;
    plan_.Items[row].Chosen = !plan_.Items[row].Chosen;
    ShowSummary();
}

void TApplyProfileForm::ShowSummary() {
    const auto count = [this](TPlanState state, const char* one, const char* more) {
        const size_t n = plan_.Count(state);
        return std::to_string(n) + (n == 1 ? one : more);
    };
    lSummary.SetCaption(std::to_string(plan_.ChosenChanges()) + " of " +
                        count(TPlanState::Change, " change", " changes") + " checked; " +
                        count(TPlanState::Unchanged, " entry", " entries") + " unchanged, " +
                        count(TPlanState::Missing, " skipped", " skipped") +
                        " (class not registered), " +
                        count(TPlanState::Protocol, " protocol", " protocols") +
                        " left to Windows.");
    btnApply.SetEnabled(plan_.ChosenChanges() > 0);
}

void TApplyProfileForm::btnApplyClick() {
    Change = commands_.ApplyProfile(profile_, plan_);
    if (Change.Done)
        SetModalResult(mrOk);
}
