// A list view in report style with columns, whose rows the owner keeps: the
// control asks for each cell's text when it draws it (LVS_OWNERDATA), so
// thousands of rows cost nothing to show or to sort again. Whole rows are
// selected, several at a time.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/Controls.h"

class TListView : public TControl {
public:
    // Replaces the columns: captions and widths in screen pixels.
    void SetColumns(const std::vector<std::pair<std::string, int>>& columns);
    // The number of rows; the selection is cleared and the texts are asked
    // for afresh.
    void SetRowCount(int count);
    int RowCount() const;
    // The selected rows, in ascending order.
    std::vector<int> SelectedRows() const;
    // Selects exactly `row` (-1: none) and gives it the focus mark.
    void SelectRow(int row);
    // Selects every row.
    void SelectAll();
    // Marks a column's header as the one sorted by (-1: none), ascending or not.
    void SetSortMark(int column, bool ascending);
    // Gives every row a check box in its first column, whose state the owner
    // keeps (onGetChecked) and changes when the box is clicked or the space
    // bar pressed on selected rows (onToggle; the rows are drawn again).
    void ShowCheckBoxes();

    // The text of a cell.
    std::function<std::string(int row, int column)> onGetText;
    std::function<bool(int row)> onGetChecked;
    // Whether a row has a check box at all (none given: every row).
    std::function<bool(int row)> onHasCheckBox;
    std::function<void(int row)> onToggle;
    // A header was clicked.
    std::function<void(int column)> onColumnClick;
    TNotifyEvent onDblClick;
    TNotifyEvent onSelectionChange;

protected:
    TCreateParams KindParams() const override;
    void AfterCreate() override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;

private:
    void Toggle(const std::vector<int>& rows);

    int columns_ = 0;
};
