#include "toolkit/Menus.h"

#include <stdexcept>

struct TMainMenu::TNode {
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
        menu_->UpdateState(*this);
}

void TMenuItem::SetVisible(bool visible) {
    if (visible_ == visible)
        return;
    visible_ = visible;
    if (menu_)
        menu_->Rebuild();
}

void TMenuItem::Click() {
    if (enabled_ && onClick)
        onClick();
}

TMainMenu::TMainMenu() = default;

TMainMenu::~TMainMenu() {
    if (window_ && IsWindow(window_) && GetMenu(window_) == menu_.Get())
        SetMenu(window_, nullptr);
}

void TMainMenu::Build(const std::vector<TMenuRow>& rows) {
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
            accel.push_back({static_cast<BYTE>(FVIRTKEY | row.shortcut.modifiers),
                             row.shortcut.key, static_cast<WORD>(item->id_)});
        std::vector<TNode>* level = &roots_;
        for (int i = 0; i < row.level; ++i) {
            if (level->empty())
                throw std::logic_error(std::string("menu row without a parent: ") + row.name);
            level = &level->back().children;
        }
        level->push_back(TNode{item, {}});
    }
    accelerators_.Reset(accel.empty() ? nullptr
                                      : CreateAcceleratorTableA(accel.data(),
                                                                static_cast<int>(accel.size())));
    Rebuild();
}

void TMainMenu::AttachTo(HWND window) {
    window_ = window;
    Rebuild();
}

HMENU TMainMenu::MakeMenu(const std::vector<TNode>& nodes, bool bar) const {
    HMENU menu = bar ? CreateMenu() : CreatePopupMenu();
    for (const TNode& node : nodes) {
        const TMenuItem& item = *node.item;
        if (!item.visible_)
            continue;
        if (item.IsSeparator()) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        std::string caption = item.caption_;
        if (item.shortcut_.key)
            caption += "\t" + item.shortcut_.Text();
        UINT flags = MF_STRING | (item.enabled_ ? MF_ENABLED : MF_GRAYED);
        if (node.children.empty()) {
            AppendMenuA(menu, flags, item.id_, caption.c_str());
        } else {
            HMENU sub = MakeMenu(node.children, false);
            AppendMenuA(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), caption.c_str());
        }
    }
    return menu;
}

void TMainMenu::Rebuild() {
    TMenuHandle fresh(MakeMenu(roots_, true));
    if (window_)
        SetMenu(window_, fresh.Get());
    menu_ = std::move(fresh); // the previous menu is detached now and destroyed here
    if (window_)
        DrawMenuBar(window_);
}

void TMainMenu::UpdateState(TMenuItem& item) {
    if (!menu_)
        return;
    // Menus of the bar carry their sub-menu's handle instead of an id; they
    // are rebuilt, the items are changed in place.
    for (const TNode& root : roots_)
        if (root.item == &item) {
            Rebuild();
            return;
        }
    EnableMenuItem(menu_.Get(), item.id_, MF_BYCOMMAND | (item.enabled_ ? MF_ENABLED : MF_GRAYED));
}

TMenuItem* TMainMenu::ItemById(UINT id) const {
    for (TMenuItem* item : items_)
        if (item->id_ == id)
            return item;
    return nullptr;
}

TMenuItem* TMainMenu::ItemByName(const std::string& name) const {
    for (TMenuItem* item : items_)
        if (!name.empty() && item->name_ == name)
            return item;
    return nullptr;
}
