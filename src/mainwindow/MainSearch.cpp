// TMainForm: the search field above the item list and its keys.
#include "mainwindow/MainUnit.h"

void TMainForm::edSearchChange() {
    const std::string text = edSearch.Text();
    // Emptying the field from code (ClearFilter) has filtered already.
    if (text == listFilter_.Text())
        return;
    const bool kept = listFilter_.SetText(text);
    ShowFilterCount();
    if (kept)
        return;
    // The item shown no longer matches: the first match is shown, or, with
    // none, that nothing is selected.
    if (ListBox.Items().Count() > 0)
        ListBox.SetItemIndex(0);
    ListBoxClick();
}

bool TMainForm::SearchShortCut(WORD key) {
    if (key == 'F' && GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0) {
        edSearch.SetFocus();
        SendWindowMessage(edSearch.Handle(), EM_SETSEL, 0, -1);
        return true;
    }
    if (!edSearch.Focused())
        return false;
    if (key == VK_ESCAPE) {
        if (edSearch.Text().empty())
            ListBox.SetFocus();
        else
            edSearch.SetText("");
        return true;
    }
    if (key == VK_DOWN) {
        ListBox.SetFocus();
        if (ListBox.ItemIndex() < 0 && ListBox.Items().Count() > 0) {
            ListBox.SetItemIndex(0);
            ListBoxClick();
        }
        return true;
    }
    return false;
}
