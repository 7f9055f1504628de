// TOpensWithForm: what a double-click on a file of one extension opens and
// why (the choice made in Windows, else the extension's class with its
// default action), the perceived and content types, and what "Open with"
// offers, each entry marked when its class or program is not there. A
// resizable tool window that follows the extension the main window shows.
// Its buttons reset the choice made in Windows and edit the Open With lists
// through the command layer.
#pragma once

#include <functional>
#include <string>

#include "association/OpensWith.h"
#include "toolkit/Containers.h"
#include "toolkit/Form.h"
#include "toolkit/ListControls.h"
#include "toolkit/ListView.h"

class TCommands;
struct TChange;

class TOpensWithForm : public TForm {
public:
    explicit TOpensWithForm(TCommands& commands);

    // Reads the extension afresh and shows it; `classNames` fill the combo
    // box of classes that can be offered.
    void SetExtension(const std::string& ext, const TStringList& classNames);
    // Reads the extension shown afresh (after a change made elsewhere).
    void Reload();
    const std::string& Extension() const { return ext_; }
    const TOpensWith& Shown() const { return opens_; }

    // A command of the window ran.
    std::function<void(const TChange&)> onChanged;
    // Opens Windows' "Default apps" settings (tests replace it).
    std::function<void()> onOpenDefaultApps;

    void btnResetClick();
    void btnAddClick();
    void btnRemoveClick();
    void ListSelectionChange();

    TPanel TopPanel{TBevelCut::None};
    TLabel laOpens, laCommand, laTypes, laList;
    TButton btnReset;
    TListView List;
    TPanel ButtonPanel{TBevelCut::None};
    TComboBox cbClass;
    TButton btnAdd, btnRemove, btnClose;

private:
    void UpdateButtons();
    void Changed(const TChange& change);

    TCommands& commands_;
    std::string ext_;
    TOpensWith opens_;
};
