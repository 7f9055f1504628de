#include "toolkit/Menus.h"

#include <stdexcept>

#include "toolkit/SystemWindows.h"

struct TMenu::TNode {
    TMenuItem* item = nullptr;
    std::vector<TNode> children;
};

std::string TShortCut::Text() const {
    if (!key)
        return std::string();
    std::string text;
    if (modifiers & FCONTROL)
        text += "Ctrl+";
    if (modifiers & FSHIFT)
        text += "Shift+";
    if (modifiers & FALT)
        text += "Alt+";
    if (key >= VK_F1 && key <= VK_F24)
        text += "F" + std::to_string(key - VK_F1 + 1);
    else if (key == VK_DELETE)
        text += "Del";
    else if (key == VK_INSERT)
        text += "Ins";
    else
        text += static_cast<char>(key);
    return text;
}

void TMenuItem::SetEnabled(bool enabled) {
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    if (menu_)
        menu_->ItemChanged(*this, false);
}

void TMenuItem::SetVisible(bool visible) {
    if (visible_ == visible)
        return;
    visible_ = visible;
    if (menu_)
        menu_->ItemChanged(*this, true);
}

void TMenuItem::SetCaption(const std::string& caption) {
    if (caption_ == caption)
        return;
    caption_ = caption;
    if (menu_)
        menu_->ItemChanged(*this, true);
}

void TMenuItem::Click() {
    if (enabled_ && onClick)
        onClick();
}

TMenu::TMenu() = default;
TMenu::~TMenu() = default;

void TMenu::Build(const std::vector<TMenuRow>& rows) {
    static UINT nextId = 0xA000;
    roots_.clear();
    std::vector<ACCEL> accel;
    for (const TMenuRow& row : rows) {
        TMenuItem* item = row.item;
        if (!item) {
            unnamed_.push_back(std::make_unique<TMenuItem>());
            item = unnamed_.back().get();
        }
        item->menu_ = this;
        item->id_ = ++nextId;
        item->name_ = row.name;
        item->caption_ = row.caption;
        item->hint_ = row.hint;
        item->shortcut_ = row.shortcut;
        item->enabled_ = row.enabled;
        item->visible_ = row.visible;
        items_.push_back(item);
        if (row.shortcut.key)
            accel.push_back({static_cast<BYTE>(FVIRTKEY | row.shortcut.modifiers), row.shortcut.key,
                             static_cast<WORD>(item->id_)});
        std::vector<TNode>* level = &roots_;
        for (int i = 0; i < row.level; ++i) {
            if (level->empty())
                throw std::logic_error(std::string("menu row without a parent: ") + row.name);
            level = &level->back().children;
        }
        level->push_back(TNode{item, {}});
    }
    accelerators_.Reset(accel.empty()
                            ? nullptr
                            : CreateAcceleratorsOf(accel.data(), static_cast<int>(accel.size())));
    Refresh();
}

HMENU TMenu::MakeMenu(bool bar) const {
    return MakeMenu(roots_, bar);
}

bool TMenu::IsTopLevel(const TMenuItem& item) const {
    for (const TNode& root : roots_)
        if (root.item == &item)
            return true;
    return false;
}

HMENU TMenu::MakeMenu(const std::vector<TNode>& nodes, bool bar) const {
    HMENU menu = bar ? CreateMenu() : CreatePopupMenu();
    for (const TNode& node : nodes) {
        const TMenuItem& item = *node.item;
        if (!item.visible_)
            continue;
        if (item.IsSeparator()) {
            AppendMenuSeparator(menu);
            continue;
        }
        std::string caption = item.caption_;
        if (item.shortcut_.key)
            caption += "\t" + item.shortcut_.Text();
        UINT flags = MF_STRING | (item.enabled_ ? MF_ENABLED : MF_GRAYED);
        if (node.children.empty()) {
            AppendMenuText(menu, flags, item.id_, caption);
        } else {
            HMENU sub = MakeMenu(node.children, false);
            AppendMenuText(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), caption);
        }
    }
    return menu;
}

TMainMenu::~TMainMenu() {
    if (window_ && IsWindow(window_) && GetMenu(window_) == menu_.Get())
        ::SetMenu(window_, nullptr);
}

void TMainMenu::AttachTo(HWND window) {
    window_ = window;
    Rebuild();
}

void TMainMenu::Rebuild() {
    TMenuHandle fresh(MakeMenu(true));
    if (window_)
        ::SetMenu(window_, fresh.Get());
    menu_ = std::move(fresh); // the previous menu is detached now and destroyed here
    if (window_)
        DrawMenuBar(window_);
}

void TMainMenu::ItemChanged(TMenuItem& item, bool visibility) {
    // Menus of the bar carry their sub-menu's handle instead of an id; they
    // are rebuilt like a change of visibility, the items change in place.
    if (visibility || !menu_ || IsTopLevel(item)) {
        Rebuild();
        return;
    }
    EnableMenuItem(menu_.Get(), item.Id(),
                   MF_BYCOMMAND | (item.Enabled() ? MF_ENABLED : MF_GRAYED));
}

void TPopupMenu::Popup(HWND owner, POINT at) {
    TMenuHandle menu(MakeMenu(false));
    const UINT id = TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x,
                                   at.y, 0, owner, nullptr);
    if (TMenuItem* item = id ? ItemById(id) : nullptr)
        item->Click();
}

TMenuItem* TMenu::ItemById(UINT id) const {
    for (TMenuItem* item : items_)
        if (item->id_ == id)
            return item;
    return nullptr;
}

TMenuItem* TMenu::ItemByName(const std::string& name) const {
    for (TMenuItem* item : items_)
        if (!name.empty() && item->name_ == name)
            return item;
    return nullptr;
}
