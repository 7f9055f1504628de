// The items of a list box narrowed by a search text (see NameFilter.h): it
// keeps every item and lets the list show those that pass, in the list's
// own order.
#pragma once

#include <string>

#include "support/NameFilter.h"
#include "support/StringList.h"

class TListBox;

class TListFilter {
public:
    explicit TListFilter(TListBox& list) : list_(list) {}

    // Takes the items and shows those that pass the text set before.
    void SetItems(const TStringList& items);
    // Shows the items that pass `text`. The selected item stays selected
    // when it still passes; true when it did, false when it is gone or
    // nothing was selected.
    bool SetText(const std::string& text);
    // Whether `item` passes the text set.
    bool Passes(const std::string& item) const { return filter_.Matches(item); }
    const std::string& Text() const { return text_; }
    // A text is set: the list may show fewer items than it holds.
    bool Active() const { return !filter_.Empty(); }
    int Shown() const { return shown_; }
    int Total() const { return all_.Count(); }
    // Whether `item` is one of all the items (ignoring case), shown or not.
    bool Holds(const std::string& item) const { return all_.IndexOf(item) >= 0; }

private:
    // Shows the items that pass; unless `always`, only when they differ from
    // those shown. True when the list was filled.
    bool Fill(bool always);

    TListBox& list_;
    TStringList all_;
    TStringList shownItems_;
    std::string text_;
    TNameFilter filter_;
    int shown_ = 0;
};
