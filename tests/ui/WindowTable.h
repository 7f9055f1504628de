// Table tests of whole windows: read what a window really shows (its
// controls with captions, hints, places, states and tab order; its menu bar;
// its tool bar; its status bar) and compare it with the design table. A
// difference in any caption, hint, size or order fails with every differing
// row listed. Each form's test holds its design table; add rows for new
// windows in the same way.
//
// Places and sizes in the tables are design pixels. On a screen of another
// scale than 96 pixels per inch they are compared scaled to it (as the
// toolkit scales them, DesignScale.h), give or take a pixel of rounding;
// at 96 they must be exact.
#pragma once

#include <climits>
#include <string>
#include <vector>

#include "toolkit/Form.h"

// A coordinate a row does not fix (it follows the font or the screen).
constexpr int kAny = INT_MIN;

// How far a shown length may be from its design scaled to the screen: 0 at
// 96 pixels per inch, else 1 (each design length is rounded on its own).
int ScaleTolerance();
// Whether a shown length is its design length on this screen (kAny: any).
bool SameOnScreen(int shown, int design);

// One control: its name, its parent's name (empty: the form), caption
// (window text), hint, place in the parent's client area, its own
// visibility, whether it is enabled and whether Tab stops at it.
struct TControlFacts {
    std::string name;
    std::string parent;
    std::string caption;
    std::string hint;
    TBounds bounds;
    bool visible = true;
    bool enabled = true;
    bool tabStop = false;
};

// Every named control of a window, parents before children and siblings in
// tab order (the order of the window list, which is the creation order).
std::vector<TControlFacts> ReadControls(const TWindow& window);

// One entry of a menu bar: level 0 a menu of the bar, 1 an item of it;
// the caption without the shortcut, the shortcut as shown ("F5",
// "Ctrl+Q"), the item's name and hint (empty for separators and menus),
// whether it is enabled. Separators read as "-". Invisible items are not
// in the real menu and so not read.
struct TMenuFacts {
    int level = 0;
    std::string caption;
    std::string shortcut;
    std::string name;
    std::string hint;
    bool enabled = true;
};
std::vector<TMenuFacts> ReadMenuBar(const TForm& form);

// One tool bar button, left to right; separators read with the name "-".
struct TToolButtonFacts {
    std::string name;
    std::string caption;
    std::string hint; // as the status bar gets it for the button's place
    int image = -1;
    int width = 0;
    int height = 0;
    bool enabled = true;
};
class TToolBar;
std::vector<TToolButtonFacts> ReadToolBar(const TToolBar& bar);

// The widths of a status bar's panels; the last one, which reaches the
// right edge, reads as -1.
class TStatusBar;
std::vector<int> ReadPanelWidths(const TStatusBar& bar);

// Controls are matched by name; the tab order is the order of the rows with
// a tab stop, each parent's children in turn.
// The differences between what a window shows and its design, one line each
// ("btnHelp: caption \"Hilfe\", design \"Help\""); empty when they agree.
std::string CompareControls(const std::vector<TControlFacts>& shown,
                            const std::vector<TControlFacts>& design);
std::string CompareMenus(const std::vector<TMenuFacts>& shown,
                         const std::vector<TMenuFacts>& design);
std::string CompareToolButtons(const std::vector<TToolButtonFacts>& shown,
                               const std::vector<TToolButtonFacts>& design);

// Where a control stands in its parent's client area: its bounds, and the
// gaps from its right and bottom edges to the parent's (for controls that a
// layout stretches or moves with the parent's size; kAny: not fixed).
struct TPlaceFacts {
    std::string name;
    TBounds bounds;
    int rightGap = kAny;
    int bottomGap = kAny;
};
// The places of every named control of a window compared with a table that
// has a row for each of them; the differences one line each, as above.
std::string ComparePlaces(const TWindow& window, const std::vector<TPlaceFacts>& design);
