#include "toolkit/ListFilter.h"

#include "toolkit/ListControls.h"

void TListFilter::SetItems(const TStringList& items) {
    all_ = items;
    Fill();
}

bool TListFilter::SetText(const std::string& text) {
    const int index = list_.ItemIndex();
    const std::string selected = index >= 0 ? list_.Items()[index] : std::string();
    text_ = text;
    filter_ = TNameFilter(text);
    Fill();
    if (index < 0)
        return false;
    // The empty name (the class view's entry for extensions without a
    // class) is found too.
    const int again = filter_.Matches(selected) ? list_.Items().IndexOf(selected) : -1;
    list_.SetItemIndex(again);
    return again >= 0;
}

void TListFilter::Fill() {
    if (filter_.Empty()) {
        shown_ = all_.Count();
        list_.Items().Assign(all_);
        return;
    }
    TStringList passing;
    for (const std::string& item : all_)
        if (filter_.Matches(item))
            passing.Add(item);
    shown_ = passing.Count();
    list_.Items().Assign(passing);
}
