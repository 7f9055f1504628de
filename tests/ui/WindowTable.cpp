#include "WindowTable.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <map>
#include <sstream>

#include "toolkit/Bars.h"
#include "toolkit/DesignScale.h"
#include "toolkit/Menus.h"

namespace {

// Whether Tab stops at a control: at the control itself, or at one of the
// parts it is made of (the first button of a radio group).
bool IsTabStop(HWND control) {
    if (GetWindowLongA(control, GWL_STYLE) & WS_TABSTOP)
        return true;
    for (HWND part = GetWindow(control, GW_CHILD); part; part = GetWindow(part, GW_HWNDNEXT)) {
        const TWindow* window = TWindow::FromHandle(part);
        if ((!window || window->Name().empty()) && (GetWindowLongA(part, GWL_STYLE) & WS_TABSTOP))
            return true;
    }
    return false;
}

void ReadChildren(HWND parent, std::vector<TControlFacts>& facts) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const TWindow* window = TWindow::FromHandle(child);
        if (window && !window->Name().empty()) {
            TControlFacts f;
            f.name = window->Name();
            f.parent = window->Parent() ? window->Parent()->Name() : std::string();
            f.caption = window->Text();
            f.hint = window->Hint();
            f.bounds = window->Bounds();
            f.visible = window->Visible();
            f.enabled = window->Enabled();
            f.tabStop = IsTabStop(child);
            facts.push_back(f);
        }
        ReadChildren(child, facts);
    }
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// A design length on this screen, as text ("*" for kAny).
std::string OnScreen(int design) {
    return design == kAny ? std::string("*") : std::to_string(Scaled(design));
}

std::string Place(const TBounds& b) {
    return "{" + OnScreen(b.left) + ", " + OnScreen(b.top) + ", " + OnScreen(b.width) + ", " +
           OnScreen(b.height) + "}";
}

std::string ShownPlace(const TBounds& b) {
    return "{" + std::to_string(b.left) + ", " + std::to_string(b.top) + ", " +
           std::to_string(b.width) + ", " + std::to_string(b.height) + "}";
}

bool SamePlace(const TBounds& shown, const TBounds& design) {
    return SameOnScreen(shown.left, design.left) && SameOnScreen(shown.top, design.top) &&
           SameOnScreen(shown.width, design.width) && SameOnScreen(shown.height, design.height);
}

// The named window below `root`, or null.
HWND FindNamed(HWND root, const std::string& name) {
    for (HWND child = GetWindow(root, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const TWindow* window = TWindow::FromHandle(child);
        if (window && window->Name() == name)
            return child;
        if (HWND found = FindNamed(child, name))
            return found;
    }
    return nullptr;
}

// Collects "what: shown X, design Y" lines.
class TDifferences {
public:
    template <typename T>
    void Check(const std::string& row, const char* what, const T& shown, const T& design,
               std::string (*text)(const T&)) {
        if (!(shown == design))
            out_ << row << ": " << what << " " << text(shown) << ", design " << text(design)
                 << "\n";
    }
    void Line(const std::string& line) { out_ << line << "\n"; }
    std::string Text() const { return out_.str(); }

private:
    std::ostringstream out_;
};

std::string TextOf(const std::string& s) {
    return Quoted(s);
}
std::string TextOfBool(const bool& b) {
    return b ? "true" : "false";
}
std::string TextOfInt(const int& v) {
    return std::to_string(v);
}

template <typename Row>
std::string Sequence(const std::vector<Row>& rows, std::string (*key)(const Row&)) {
    std::string text;
    for (const Row& row : rows)
        text += (text.empty() ? "" : ", ") + key(row);
    return text;
}

std::string ControlKey(const TControlFacts& f) {
    return f.name;
}
std::string MenuKey(const TMenuFacts& f) {
    return std::string(f.level, '>') + f.caption;
}
std::string ButtonKey(const TToolButtonFacts& f) {
    return f.name;
}

} // namespace

int ScaleTolerance() {
    return ScreenDpi() == kDesignDpi ? 0 : 1;
}

bool SameOnScreen(int shown, int design) {
    return design == kAny || std::abs(shown - Scaled(design)) <= ScaleTolerance();
}

std::vector<TControlFacts> ReadControls(const TWindow& window) {
    std::vector<TControlFacts> facts;
    ReadChildren(window.Handle(), facts);
    return facts;
}

std::vector<TMenuFacts> ReadMenuBar(const TForm& form) {
    std::vector<TMenuFacts> facts;
    const TMainMenu* menu = static_cast<const TMainMenu*>(form.Menu());
    std::function<void(HMENU, int)> read = [&](HMENU handle, int level) {
        const int count = GetMenuItemCount(handle);
        for (int i = 0; i < count; ++i) {
            char text[256] = "";
            MENUITEMINFOA info = {};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
            info.dwTypeData = text;
            info.cch = sizeof text;
            GetMenuItemInfoA(handle, i, TRUE, &info);
            TMenuFacts f;
            f.level = level;
            f.enabled = (info.fState & MFS_DISABLED) == 0;
            if (info.fType & MFT_SEPARATOR) {
                f.caption = "-";
            } else {
                const std::string all = text;
                const auto tab = all.find('\t');
                f.caption = all.substr(0, tab);
                f.shortcut = tab == std::string::npos ? "" : all.substr(tab + 1);
                if (!info.hSubMenu && menu)
                    if (const TMenuItem* item = menu->ItemById(info.wID)) {
                        f.name = item->Name();
                        f.hint = item->Hint();
                    }
            }
            facts.push_back(f);
            if (info.hSubMenu)
                read(info.hSubMenu, level + 1);
        }
    };
    if (HMENU bar = GetMenu(form.Handle()))
        read(bar, 0);
    return facts;
}

std::vector<TToolButtonFacts> ReadToolBar(const TToolBar& bar) {
    std::vector<TToolButtonFacts> facts;
    const int count = static_cast<int>(SendMessageA(bar.Handle(), TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON b = {};
        SendMessageA(bar.Handle(), TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&b));
        RECT r = {};
        SendMessageA(bar.Handle(), TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
        TToolButtonFacts f;
        f.width = r.right - r.left;
        f.height = r.bottom - r.top;
        if (b.fsStyle & BTNS_SEP) {
            f.name = "-";
            f.enabled = false;
        } else {
            f.image = b.iBitmap;
            f.enabled = (b.fsState & TBSTATE_ENABLED) != 0;
            if (const TToolButton* button = bar.ButtonById(b.idCommand)) {
                f.name = button->Name();
                f.caption = button->Caption();
            }
            f.hint = bar.HintAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
        }
        facts.push_back(f);
    }
    return facts;
}

std::vector<int> ReadPanelWidths(const TStatusBar& bar) {
    int edges[32] = {};
    const int count = static_cast<int>(
        SendMessageA(bar.Handle(), SB_GETPARTS, 32, reinterpret_cast<LPARAM>(edges)));
    std::vector<int> widths;
    for (int i = 0; i < count; ++i)
        widths.push_back(edges[i] < 0 ? -1 : edges[i] - (i > 0 ? edges[i - 1] : 0));
    return widths;
}

std::string CompareControls(const std::vector<TControlFacts>& shown,
                            const std::vector<TControlFacts>& design) {
    TDifferences d;
    // The tab order: the controls Tab stops at, in the order it visits them.
    std::vector<TControlFacts> shownStops, designStops;
    std::copy_if(shown.begin(), shown.end(), std::back_inserter(shownStops),
                 [](const TControlFacts& f) { return f.tabStop; });
    std::copy_if(design.begin(), design.end(), std::back_inserter(designStops),
                 [](const TControlFacts& f) { return f.tabStop; });
    if (Sequence(shownStops, ControlKey) != Sequence(designStops, ControlKey))
        d.Line("tab order: " + Sequence(shownStops, ControlKey) +
               "\n design: " + Sequence(designStops, ControlKey));
    std::map<std::string, const TControlFacts*> byName;
    for (const TControlFacts& f : shown)
        byName[f.name] = &f;
    for (const TControlFacts& f : shown)
        if (std::none_of(design.begin(), design.end(),
                         [&](const TControlFacts& want) { return want.name == f.name; }))
            d.Line(f.name + ": not in the design");
    for (const TControlFacts& want : design) {
        auto found = byName.find(want.name);
        if (found == byName.end()) {
            d.Line(want.name + ": missing");
            continue;
        }
        const TControlFacts& got = *found->second;
        d.Check(want.name, "parent", got.parent, want.parent, TextOf);
        d.Check(want.name, "caption", got.caption, want.caption, TextOf);
        d.Check(want.name, "hint", got.hint, want.hint, TextOf);
        if (!SamePlace(got.bounds, want.bounds))
            d.Line(want.name + ": place " + ShownPlace(got.bounds) + ", design " +
                   Place(want.bounds));
        d.Check(want.name, "visible", got.visible, want.visible, TextOfBool);
        d.Check(want.name, "enabled", got.enabled, want.enabled, TextOfBool);
        d.Check(want.name, "tab stop", got.tabStop, want.tabStop, TextOfBool);
    }
    return d.Text();
}

std::string CompareMenus(const std::vector<TMenuFacts>& shown,
                         const std::vector<TMenuFacts>& design) {
    TDifferences d;
    if (Sequence(shown, MenuKey) != Sequence(design, MenuKey))
        d.Line("menu: " + Sequence(shown, MenuKey) + "\n design: " + Sequence(design, MenuKey));
    for (size_t i = 0; i < shown.size() && i < design.size(); ++i) {
        const std::string row = "menu row " + std::to_string(i) + " " + Quoted(design[i].caption);
        d.Check(row, "shortcut", shown[i].shortcut, design[i].shortcut, TextOf);
        d.Check(row, "name", shown[i].name, design[i].name, TextOf);
        d.Check(row, "hint", shown[i].hint, design[i].hint, TextOf);
        d.Check(row, "enabled", shown[i].enabled, design[i].enabled, TextOfBool);
    }
    return d.Text();
}

std::string CompareToolButtons(const std::vector<TToolButtonFacts>& shown,
                               const std::vector<TToolButtonFacts>& design) {
    TDifferences d;
    if (Sequence(shown, ButtonKey) != Sequence(design, ButtonKey))
        d.Line("buttons: " + Sequence(shown, ButtonKey) +
               "\n design: " + Sequence(design, ButtonKey));
    for (size_t i = 0; i < shown.size() && i < design.size(); ++i) {
        const std::string row = "button " + std::to_string(i) + " " + design[i].name;
        d.Check(row, "caption", shown[i].caption, design[i].caption, TextOf);
        d.Check(row, "hint", shown[i].hint, design[i].hint, TextOf);
        d.Check(row, "image", shown[i].image, design[i].image, TextOfInt);
        if (!SameOnScreen(shown[i].width, design[i].width))
            d.Line(row + ": width " + std::to_string(shown[i].width) + ", design " +
                   OnScreen(design[i].width));
        if (!SameOnScreen(shown[i].height, design[i].height))
            d.Line(row + ": height " + std::to_string(shown[i].height) + ", design " +
                   OnScreen(design[i].height));
        d.Check(row, "enabled", shown[i].enabled, design[i].enabled, TextOfBool);
    }
    return d.Text();
}

std::string ComparePlaces(const TWindow& window, const std::vector<TPlaceFacts>& design) {
    TDifferences d;
    for (const TControlFacts& f : ReadControls(window))
        if (std::none_of(design.begin(), design.end(),
                         [&](const TPlaceFacts& want) { return want.name == f.name; }))
            d.Line(f.name + ": not in the design");
    for (const TPlaceFacts& want : design) {
        HWND control = FindNamed(window.Handle(), want.name);
        if (!control) {
            d.Line(want.name + ": missing");
            continue;
        }
        const TBounds b = TWindow::FromHandle(control)->Bounds();
        RECT parent = {0, 0, 0, 0};
        GetClientRect(GetParent(control), &parent);
        if (!SamePlace(b, want.bounds))
            d.Line(want.name + ": place " + ShownPlace(b) + ", design " + Place(want.bounds));
        const int rightGap = parent.right - b.Right(), bottomGap = parent.bottom - b.Bottom();
        if (!SameOnScreen(rightGap, want.rightGap))
            d.Line(want.name + ": right gap " + std::to_string(rightGap) + ", design " +
                   OnScreen(want.rightGap));
        if (!SameOnScreen(bottomGap, want.bottomGap))
            d.Line(want.name + ": bottom gap " + std::to_string(bottomGap) + ", design " +
                   OnScreen(want.bottomGap));
    }
    return d.Text();
}
