#include "toolkit/ListFilter.h"

#include "toolkit/ListControls.h"

void TListFilter::SetItems(const TStringList& items) {
    all_ = items;
    // Kept in the order of a sorted list, every text's items are too, and
    // the list takes them as they stand instead of searching each one's
    // place (which costs it ten times as much).
    if (list_.Sorted() && !all_.InStrictOrder())
        all_.Sort();
    shownItems_.Clear();
    Fill(true);
}

bool TListFilter::SetText(const std::string& text) {
    const int index = list_.ItemIndex();
    const std::string selected = index >= 0 ? list_.Items()[index] : std::string();
    text_ = text;
    filter_ = TNameFilter(text);
    if (!Fill(false))
        return index >= 0; // the list shows what it showed
    if (index < 0)
        return false;
    // The empty name (the class view's entry for extensions without a
    // class) is found too.
    const int again = filter_.Matches(selected) ? list_.Items().IndexOf(selected) : -1;
    list_.SetItemIndex(again);
    return again >= 0;
}

bool TListFilter::Fill(bool always) {
    TStringList passing;
    for (const std::string& item : all_)
        if (filter_.Matches(item))
            passing.Add(item);
    // Refilling costs the list about as much per item as a full fill, so a
    // text that lets the same items pass as the one before ("wor", "word")
    // leaves the list alone.
    if (!always && passing.Items() == shownItems_.Items())
        return false;
    shown_ = passing.Count();
    list_.Items().Assign(passing);
    shownItems_ = std::move(passing);
    return true;
}
