// Menus built from a table of rows: the main menu (menus and their items with
// captions, shortcuts as keyboard accelerators, and hints) and pop-up menus.
// An item keeps its state (enabled, visible) itself; an invisible item is
// left out of the menu until it is shown again.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Win32.h"
#include "toolkit/Events.h"
#include "toolkit/Handles.h"

// A key with modifiers (FCONTROL, FSHIFT, FALT); key 0 is no shortcut.
struct TShortCut {
    WORD key = 0;
    BYTE modifiers = 0;
    // The text shown beside the caption: "F5", "Ctrl+Q".
    std::string Text() const;
};

class TMenu;

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
    // A new caption; the menu shows it at once.
    void SetCaption(const std::string& caption);
    bool IsSeparator() const { return caption_ == "-"; }
    // Runs onClick when the item is enabled.
    void Click();
    TNotifyEvent onClick;

private:
    friend class TMenu;
    TMenu* menu_ = nullptr;
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

// The items of a menu table and the menu made of them.
class TMenu {
public:
    TMenu();
    virtual ~TMenu();
    TMenu(const TMenu&) = delete;
    TMenu& operator=(const TMenu&) = delete;

    void Build(const std::vector<TMenuRow>& rows);
    HACCEL Accelerators() const { return accelerators_.Get(); }
    // The item with a command id, or null.
    TMenuItem* ItemById(UINT id) const;
    TMenuItem* ItemByName(const std::string& name) const;

protected:
    struct TNode;
    // A menu of the visible items (a bar or a pop-up); the caller owns it.
    HMENU MakeMenu(bool bar) const;
    // Called when an item changed its state, and after Build.
    virtual void ItemChanged(TMenuItem& item, bool visibility) = 0;
    virtual void Refresh() {}
    bool IsTopLevel(const TMenuItem& item) const;

private:
    friend class TMenuItem;
    HMENU MakeMenu(const std::vector<TNode>& nodes, bool bar) const;

    std::vector<TNode> roots_;
    std::vector<std::unique_ptr<TMenuItem>> unnamed_;
    std::vector<TMenuItem*> items_;
    TAccelHandle accelerators_;
};

// The menu bar of a form.
class TMainMenu : public TMenu {
public:
    ~TMainMenu() override;
    // Puts the menu on a window's bar (rebuilt there after changes).
    void AttachTo(HWND window);

protected:
    void ItemChanged(TMenuItem& item, bool visibility) override;
    void Refresh() override { Rebuild(); }

private:
    void Rebuild();
    HWND window_ = nullptr;
    TMenuHandle menu_;
};

// A context menu: shown where the user asks for it, made afresh each time.
class TPopupMenu : public TMenu {
public:
    // Shows the menu at a screen point and runs the item chosen, if any.
    void Popup(HWND owner, POINT screenPoint);

protected:
    void ItemChanged(TMenuItem&, bool) override {}
};
