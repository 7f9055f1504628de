// TCheckForm: the window of the association check. A resizable tool window
// listing what the check found (kind, extension or class, detail), sortable
// by a click on a column's header. The check runs on a thread of its own;
// the window shows its progress and can stop it; F5 (and "Check again")
// checks anew. The repair buttons act on the selected findings through the
// command layer; what needs another window (an action's program, an icon,
// registering a class) and showing an item are handed to the main window.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "commands/AssociationCheck.h"
#include "toolkit/Bars.h"
#include "toolkit/Containers.h"
#include "toolkit/Form.h"
#include "toolkit/ListView.h"

class TCheckJob;
class TCommands;
struct TChange;

class TCheckForm : public TForm {
public:
    explicit TCheckForm(TCommands& commands);
    ~TCheckForm() override;

    // Starts a check (a running one is stopped first).
    void StartCheck();
    // Stops a running check; the list keeps what it found so far.
    void StopCheck();
    // Waits for a running check and shows its findings (tests; the window
    // takes them by its timer).
    void WaitForCheck();
    bool Checking() const { return job_ != nullptr; }

    // The findings in the list's order.
    const std::vector<TFinding>& Findings() const { return findings_; }
    // Sorts the list by a column (0 kind, 1 name, 2 detail); the same
    // column again turns the order round.
    void SortBy(int column);

    // Shows the item of a finding in the main window.
    std::function<void(const TFinding&)> onShowItem;
    // A repair changed the registry.
    std::function<void(const TChange&)> onChanged;
    // The repairs the main window's own dialogs make: the actions of a
    // class (missing-program), its icon (missing-icon), registering a class
    // an extension names (missing-class).
    std::function<void(const std::string& className)> onEditActions;
    std::function<void(const std::string& className)> onChangeIcon;
    std::function<void(const std::string& className)> onRegisterClass;

    // Handlers.
    void btnCheckClick();
    void btnStopClick();
    void btnRepairClick();
    void btnRepairKindClick();
    void btnRegisterClick();
    void btnShowClick();
    void ListDblClick();
    void ListSelectionChange();
    bool FormShortCut(WORD key);

    TPanel ButtonPanel{TBevelCut::None};
    TButton btnCheck, btnStop, btnRepair, btnRepairKind, btnRegister, btnShow, btnClose;
    TListView List;
    TStatusBar StatusBar;

protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // Takes the result of an ended check into the list.
    void TakeResult();
    void ShowFindings();
    void UpdateButtons();
    std::vector<TFinding> Selected() const;
    // Repairs through the command layer and checks again when it changed
    // anything.
    void Repair(const std::vector<TFinding>& findings);

    TCommands& commands_;
    std::unique_ptr<TCheckJob> job_;
    std::vector<TFinding> findings_;
    int sortColumn_ = 1;
    bool ascending_ = true;
};
