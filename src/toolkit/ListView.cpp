#include "toolkit/ListView.h"

#include "toolkit/SystemWindows.h"

TCreateParams TListView::KindParams() const {
    return {WC_LISTVIEWA,
            LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL,
            WS_EX_CLIENTEDGE};
}

void TListView::AfterCreate() {
    SendWindowMessage(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT,
                      LVS_EX_FULLROWSELECT);
}

void TListView::SetColumns(const std::vector<std::pair<std::string, int>>& columns) {
    while (columns_ > 0)
        SendWindowMessage(Handle(), LVM_DELETECOLUMN, --columns_, 0);
    for (const auto& column : columns) {
        if (WideSystem()) {
            WideString text = WideFromUtf8(column.first);
            LVCOLUMNW c = {};
            c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
            c.pszText = &text[0];
            c.cx = column.second;
            c.iSubItem = columns_;
            SendWindowMessage(Handle(), LVM_INSERTCOLUMNW, columns_++,
                              reinterpret_cast<LPARAM>(&c));
        } else {
            std::string text = AnsiFromUtf8(column.first);
            LVCOLUMNA c = {};
            c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
            c.pszText = &text[0];
            c.cx = column.second;
            c.iSubItem = columns_;
            SendWindowMessage(Handle(), LVM_INSERTCOLUMNA, columns_++,
                              reinterpret_cast<LPARAM>(&c));
        }
    }
}

void TListView::SetRowCount(int count) {
    SelectRow(-1);
    SendWindowMessage(Handle(), LVM_SETITEMCOUNT, count, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
}

int TListView::RowCount() const {
    return static_cast<int>(SendWindowMessage(Handle(), LVM_GETITEMCOUNT, 0, 0));
}

std::vector<int> TListView::SelectedRows() const {
    std::vector<int> rows;
    for (int row = -1;;) {
        row = static_cast<int>(
            SendWindowMessage(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED));
        if (row < 0)
            break;
        rows.push_back(row);
    }
    return rows;
}

void TListView::SelectRow(int row) {
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = 0;
    SendWindowMessage(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                      reinterpret_cast<LPARAM>(&state));
    if (row < 0)
        return;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendWindowMessage(Handle(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    SendWindowMessage(Handle(), LVM_ENSUREVISIBLE, row, FALSE);
}

void TListView::SelectAll() {
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    SendWindowMessage(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                      reinterpret_cast<LPARAM>(&state));
}

void TListView::SetSortMark(int column, bool ascending) {
    HWND header = reinterpret_cast<HWND>(SendWindowMessage(Handle(), LVM_GETHEADER, 0, 0));
    for (int i = 0; i < columns_; ++i) {
        HDITEMA item = {};
        item.mask = HDI_FORMAT;
        SendWindowMessage(header, HDM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (i == column)
            item.fmt |= ascending ? HDF_SORTUP : HDF_SORTDOWN;
        SendWindowMessage(header, HDM_SETITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
}

void TListView::ShowCheckBoxes() {
    SendWindowMessage(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
    // A list whose rows the owner keeps asks for the check box's state image
    // as for the text.
    SendWindowMessage(Handle(), LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK, 0);
}

void TListView::Toggle(const std::vector<int>& rows) {
    if (!onToggle)
        return;
    for (int row : rows) {
        onToggle(row);
        SendWindowMessage(Handle(), LVM_REDRAWITEMS, row, row);
    }
}

namespace {

// The cell's text and, with check boxes, its state image.
template <typename Item>
void FillItem(Item& item, const std::function<std::string(int, int)>& getText,
              const std::function<bool(int)>& getChecked,
              const std::function<bool(int)>& hasCheckBox) {
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0)
        CopyTextOut(getText ? getText(item.iItem, item.iSubItem) : std::string(), item.pszText,
                    item.cchTextMax);
    if ((item.mask & LVIF_STATE) && getChecked && item.iSubItem == 0) {
        item.state = (item.state & ~LVIS_STATEIMAGEMASK) |
                     INDEXTOSTATEIMAGEMASK(hasCheckBox && !hasCheckBox(item.iItem) ? 0
                                           : getChecked(item.iItem)           ? 2
                                                                              : 1);
        item.stateMask |= LVIS_STATEIMAGEMASK;
    }
}

} // namespace

bool TListView::OnNotify(NMHDR& header, LRESULT& result) {
    result = 0;
    switch (header.code) {
    // A Unicode parent (the NT family) is asked in the wide form.
    case LVN_GETDISPINFOA:
        FillItem(reinterpret_cast<NMLVDISPINFOA&>(header).item, onGetText, onGetChecked,
                 onHasCheckBox);
        return true;
    case LVN_GETDISPINFOW:
        FillItem(reinterpret_cast<NMLVDISPINFOW&>(header).item, onGetText, onGetChecked,
                 onHasCheckBox);
        return true;
    case NM_CLICK: {
        if (!onGetChecked)
            return false;
        LVHITTESTINFO hit = {};
        const DWORD at = GetMessagePos();
        hit.pt = {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
        ScreenToClient(Handle(), &hit.pt);
        SendWindowMessage(Handle(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        if (hit.iItem >= 0 && (hit.flags & LVHT_ONITEMSTATEICON))
            Toggle({hit.iItem});
        return true;
    }
    case LVN_KEYDOWN:
        if (onGetChecked && reinterpret_cast<NMLVKEYDOWN&>(header).wVKey == VK_SPACE)
            Toggle(SelectedRows());
        return onGetChecked != nullptr;
    case LVN_COLUMNCLICK:
        if (onColumnClick)
            onColumnClick(reinterpret_cast<NMLISTVIEW&>(header).iSubItem);
        return true;
    case LVN_ITEMCHANGED:
        if ((reinterpret_cast<NMLISTVIEW&>(header).uChanged & LVIF_STATE) && onSelectionChange)
            onSelectionChange();
        return true;
    case LVN_ODSTATECHANGED:
        if (onSelectionChange)
            onSelectionChange();
        return true;
    case NM_DBLCLK:
        if (onDblClick)
            onDblClick();
        return true;
    default:
        return false;
    }
}
