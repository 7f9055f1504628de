// The main menu, built from a table of rows: menus and their items with
// captions, shortcuts (keyboard accelerators) and hints. An item keeps its
// state (enabled, visible, checked) itself; an invisible item is left out of
// the menu bar until it is shown again.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "toolkit/Handles.h"
#include "toolkit/Window.h"

// A key with modifiers (FCONTROL, FSHIFT, FALT); key 0 is no shortcut.
struct TShortCut {
    WORD key = 0;
    BYTE modifiers = 0;
    // The text shown beside the caption: "F5", "Ctrl+Q".
    std::string Text() const;
};

class TMainMenu;

class TMenuItem {
public:
    const std::string& Name() const { return name_; }
    // The command id the item sends (WM_COMMAND, WM_MENUSELECT).
    UINT Id() const { return id_; }
    const std::string& Caption() const { return caption_; }
    const std::string& Hint() const { return hint_; }
    const TShortCut& ShortCut() const { return shortcut_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool IsSeparator() const { return caption_ == "-"; }
    // Runs onClick when the item is enabled.
    void Click();
    TNotifyEvent onClick;

private:
    friend class TMainMenu;
    TMainMenu* menu_ = nullptr;
    UINT id_ = 0;
    bool enabled_ = true;
    bool visible_ = true;
    std::string name_;
    std::string caption_;
    std::string hint_;
    TShortCut shortcut_;
};

// One entry of a menu table: level 0 is a menu of the bar, level 1 an item
// of the menu above it, level 2 an item of a sub-menu. A null item is one
// the form does not name (separators "-", fixed entries).
struct TMenuRow {
    TMenuItem* item = nullptr;
    int level = 0;
    const char* name = "";
    const char* caption = "";
    TShortCut shortcut = {};
    const char* hint = "";
    bool enabled = true;
    bool visible = true;
};

class TMainMenu {
public:
    TMainMenu();
    ~TMainMenu();
    TMainMenu(const TMainMenu&) = delete;
    TMainMenu& operator=(const TMainMenu&) = delete;

    void Build(const std::vector<TMenuRow>& rows);
    // Puts the menu on a window's bar (rebuilt there after changes).
    void AttachTo(HWND window);
    HACCEL Accelerators() const { return accelerators_.Get(); }
    // The item with a command id, or null.
    TMenuItem* ItemById(UINT id) const;
    TMenuItem* ItemByName(const std::string& name) const;

private:
    friend class TMenuItem;
    struct TNode;
    void Rebuild();
    void UpdateState(TMenuItem& item);
    HMENU MakeMenu(const std::vector<TNode>& nodes, bool bar) const;

    std::vector<TNode> roots_;
    std::vector<std::unique_ptr<TMenuItem>> unnamed_;
    std::vector<TMenuItem*> items_;
    HWND window_ = nullptr;
    TMenuHandle menu_;
    TAccelHandle accelerators_;
};
