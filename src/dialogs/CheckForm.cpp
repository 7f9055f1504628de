#include "dialogs/CheckForm.h"

#include <algorithm>

#include "commands/CheckJob.h"
#include "commands/Commands.h"
#include "support/TextCompare.h"
#include "toolkit/Application.h"
#include "toolkit/DesignScale.h"

namespace {

// The timer that follows a running check.
const UINT_PTR kCheckTimer = 1;
const UINT kCheckInterval = 50;

const char* const kColumns[] = {"Kind", "Extension or class", "Detail"};

std::string CellText(const TFinding& finding, int column) {
    switch (column) {
    case 0:
        return FindingKindName(finding.Kind);
    case 1:
        return finding.Name;
    default:
        return finding.Detail;
    }
}

} // namespace

TCheckForm::TCheckForm(TCommands& commands)
    : TForm({"CheckForm", "Check associations", 0, 0, TBorderStyle::SizeToolWindow, nullptr, 640,
             360, TPosition::ScreenCenter}),
      commands_(commands) {
    CreateControls({
        {&StatusBar, "StatusBar", "", {0, 0, 640, 19}, this, "", TAlign::Bottom},
        {&ButtonPanel, "ButtonPanel", "", {0, 0, 640, 37}, this, "", TAlign::Bottom},
        {&btnCheck,
         "btnCheck",
         "Check &again",
         {8, 8, 85, 23},
         &ButtonPanel,
         "Check the associations again (F5)"},
        {&btnStop, "btnStop", "&Stop", {98, 8, 60, 23}, &ButtonPanel, "Stop the check"},
        {&btnRepair,
         "btnRepair",
         "&Repair ...",
         {170, 8, 75, 23},
         &ButtonPanel,
         "Repair the selected findings"},
        {&btnRepairKind,
         "btnRepairKind",
         "Repair all of this &kind ...",
         {250, 8, 140, 23},
         &ButtonPanel,
         "Repair every finding of the selected kind"},
        {&btnRegister,
         "btnRegister",
         "Register &class ...",
         {395, 8, 100, 23},
         &ButtonPanel,
         "Register the missing class instead"},
        {&btnShow,
         "btnShow",
         "S&how",
         {500, 8, 60, 23},
         &ButtonPanel,
         "Show the item in the main window"},
        {&btnClose, "btnClose", "Close", {572, 8, 60, 23}, &ButtonPanel},
        {&List, "List", "", {0, 0, 640, 304}, this, "", TAlign::Client},
    });
    List.SetColumns(
        {{kColumns[0], Scaled(110)}, {kColumns[1], Scaled(150)}, {kColumns[2], Scaled(360)}});
    List.SetSortMark(sortColumn_, ascending_);
    StatusBar.SetPanelWidths({-1});
    SetEscapeCloses(true);
    List.onGetText = [this](int row, int column) {
        return row >= 0 && row < static_cast<int>(findings_.size())
                   ? CellText(findings_[row], column)
                   : std::string();
    };
    List.onColumnClick = [this](int column) { SortBy(column); };
    List.onDblClick = Handler(this, &TCheckForm::ListDblClick);
    List.onSelectionChange = Handler(this, &TCheckForm::ListSelectionChange);
    btnCheck.onClick = Handler(this, &TCheckForm::btnCheckClick);
    btnStop.onClick = Handler(this, &TCheckForm::btnStopClick);
    btnRepair.onClick = Handler(this, &TCheckForm::btnRepairClick);
    btnRepairKind.onClick = Handler(this, &TCheckForm::btnRepairKindClick);
    btnRegister.onClick = Handler(this, &TCheckForm::btnRegisterClick);
    btnShow.onClick = Handler(this, &TCheckForm::btnShowClick);
    btnClose.onClick = [this] { Close(); };
    onShortCut = [this](WORD key) { return FormShortCut(key); };
    onClose = [this] { StopCheck(); };
    UpdateButtons();
}

TCheckForm::~TCheckForm() {
    if (Handle())
        KillTimer(Handle(), kCheckTimer);
}

void TCheckForm::StartCheck() {
    if (job_)
        job_->Stop();
    job_.reset();
    findings_.clear();
    ShowFindings();
    StatusBar.SetPanelText(0, "Checking ...");
    job_ = std::make_unique<TCheckJob>();
    SetTimer(Handle(), kCheckTimer, kCheckInterval, nullptr);
    UpdateButtons();
}

void TCheckForm::StopCheck() {
    if (job_)
        job_->Stop();
}

void TCheckForm::WaitForCheck() {
    if (job_)
        TakeResult();
}

LRESULT TCheckForm::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER && wParam == kCheckTimer) {
        if (!job_) {
            KillTimer(Handle(), kCheckTimer);
        } else if (job_->Done()) {
            TakeResult();
        } else {
            StatusBar.SetPanelText(0, "Checking ... " + std::to_string(job_->Checked()) + " of " +
                                          std::to_string(job_->Total()) + " extensions");
        }
        return 0;
    }
    return TForm::OnMessage(msg, wParam, lParam);
}

void TCheckForm::TakeResult() {
    KillTimer(Handle(), kCheckTimer);
    std::unique_ptr<TCheckJob> job = std::move(job_);
    TCheckResult result;
    try {
        result = job->Finish();
    } catch (...) {
        StatusBar.SetPanelText(0, "The check failed.");
        UpdateButtons();
        throw;
    }
    findings_ = std::move(result.Findings);
    const std::string count =
        std::to_string(findings_.size()) + (findings_.size() == 1 ? " finding" : " findings");
    StatusBar.SetPanelText(
        0, result.Stopped ? "Stopped after " + std::to_string(job->Checked()) + " of " +
                                std::to_string(job->Total()) + " extensions: " + count
                          : count + " in " + std::to_string(result.Extensions) +
                                " extensions and " + std::to_string(result.Classes) + " classes");
    ascending_ = !ascending_; // SortBy turns it back
    SortBy(sortColumn_);
}

void TCheckForm::SortBy(int column) {
    ascending_ = column == sortColumn_ ? !ascending_ : true;
    sortColumn_ = column;
    // Equal cells keep the check's order: by name, then kind.
    SortFindings(findings_);
    SortFindingsBy(findings_, [&](const TFinding& a, const TFinding& b) {
        const int order = column == 0 ? static_cast<int>(a.Kind) - static_cast<int>(b.Kind)
                                      : CompareText(CellText(a, column), CellText(b, column));
        return ascending_ ? order < 0 : order > 0;
    });
    List.SetSortMark(sortColumn_, ascending_);
    ShowFindings();
}

void TCheckForm::ShowFindings() {
    List.SetRowCount(static_cast<int>(findings_.size()));
    UpdateButtons();
}

std::vector<TFinding> TCheckForm::Selected() const {
    std::vector<TFinding> selected;
    for (int row : List.SelectedRows())
        if (row < static_cast<int>(findings_.size()))
            selected.push_back(findings_[row]);
    return selected;
}

void TCheckForm::UpdateButtons() {
    const std::vector<TFinding> selected = Selected();
    const bool idle = !job_;
    bool repairable = selected.size() == 1;
    for (const TFinding& f : selected)
        repairable = repairable || RepairedByCommand(f.Kind);
    btnCheck.SetEnabled(idle);
    btnStop.SetEnabled(!idle);
    btnRepair.SetEnabled(idle && repairable);
    btnRepairKind.SetEnabled(idle && !selected.empty() && RepairedByCommand(selected[0].Kind));
    btnRegister.SetEnabled(idle && selected.size() == 1 &&
                           selected[0].Kind == TFindingKind::MissingClass);
    // An "Applications\<program>" key is no item of the views.
    btnShow.SetEnabled(selected.size() == 1 &&
                       selected[0].Kind != TFindingKind::MissingApplication);
}

void TCheckForm::ListSelectionChange() {
    UpdateButtons();
}

void TCheckForm::btnCheckClick() {
    StartCheck();
}

void TCheckForm::btnStopClick() {
    StopCheck();
}

void TCheckForm::Repair(const std::vector<TFinding>& findings) {
    const TChange change = commands_.Repair(findings);
    if (onChanged)
        onChanged(change);
    if (change.Done)
        StartCheck();
}

void TCheckForm::btnRepairClick() {
    const std::vector<TFinding> selected = Selected();
    if (selected.size() == 1 && !RepairedByCommand(selected[0].Kind)) {
        // Mended in the main window's dialogs; the user checks again after.
        const auto& open =
            selected[0].Kind == TFindingKind::MissingIcon ? onChangeIcon : onEditActions;
        if (onShowItem)
            onShowItem(selected[0]);
        if (open)
            open(selected[0].Name);
        return;
    }
    Repair(selected);
}

void TCheckForm::btnRepairKindClick() {
    const std::vector<TFinding> selected = Selected();
    if (selected.empty())
        return;
    std::vector<TFinding> ofKind;
    for (const TFinding& f : findings_)
        if (f.Kind == selected[0].Kind)
            ofKind.push_back(f);
    Repair(ofKind);
}

void TCheckForm::btnRegisterClick() {
    const std::vector<TFinding> selected = Selected();
    if (selected.size() == 1 && onRegisterClass)
        onRegisterClass(selected[0].Text);
}

void TCheckForm::btnShowClick() {
    const std::vector<TFinding> selected = Selected();
    if (selected.size() == 1 && selected[0].Kind != TFindingKind::MissingApplication && onShowItem)
        onShowItem(selected[0]);
}

void TCheckForm::ListDblClick() {
    btnShowClick();
}

bool TCheckForm::FormShortCut(WORD key) {
    if (key == VK_F5 && !job_) {
        StartCheck();
        return true;
    }
    if (key == 'A' && (GetKeyState(VK_CONTROL) & 0x8000) && GetFocus() == List.Handle()) {
        List.SelectAll();
        UpdateButtons();
        return true;
    }
    return false;
}
