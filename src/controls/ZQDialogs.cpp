#include "controls/ZQDialogs.h"

#include "dialogs/ZQSelectQuery.h"
#include "support/StringList.h"
#include "toolkit/Application.h"

bool SelectQuery(const std::string& caption, const std::string& prompt, const TStringList& items,
                 int initialIndex, int& index) {
    TSelectQuery query;
    query.SetCaption(caption);
    query.laPrompt.SetText(prompt);
    for (const std::string& item : items)
        query.cbList.Items().Add(item);
    const bool inRange = initialIndex >= 0 && initialIndex < items.Count();
    query.cbList.SetItemIndex(inRange ? initialIndex : (items.Count() > 0 ? 0 : -1));
    query.cbListChange();
    if (query.ShowModal() == mrOk) {
        index = query.cbList.ItemIndex();
        return true;
    }
    index = initialIndex;
    return false;
}
