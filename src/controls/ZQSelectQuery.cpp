#include "controls/ZQSelectQuery.h"

#include <algorithm>

#include "../../res/resource.h"
#include "support/ResString.h"
#include "toolkit/Application.h"
#include "toolkit/DesignScale.h"

namespace {

// Design pixels.
const int kMargin = 8;
const int kPromptGap = 3;
const int kButtonGap = 12;
const int kCentreGap = 4;

} // namespace

int SelectQueryClientWidth(const TSelectQueryLayout& l) {
    return l.prompt.width + 2 * Scaled(kMargin);
}

int SelectQueryClientHeight(const TSelectQueryLayout& l) {
    return l.prompt.Bottom() + Scaled(kPromptGap) + l.list.height + Scaled(kButtonGap) +
           l.ok.height + Scaled(kButtonGap);
}

TSelectQueryLayout ArrangeSelectQuery(TSelectQueryLayout l) {
    const int margin = Scaled(kMargin);
    l.clientWidth = std::max(l.clientWidth, l.ok.width + l.cancel.width + 3 * margin);
    l.list.width = l.clientWidth - 2 * margin;
    const int centre = l.clientWidth / 2;
    l.ok.left = centre - l.ok.width - Scaled(kCentreGap);
    l.cancel.left = centre + Scaled(kCentreGap);
    l.list.top = l.prompt.Bottom() + Scaled(kPromptGap);
    l.ok.top = l.list.Bottom() + Scaled(kButtonGap);
    l.cancel.top = l.ok.top;
    return l;
}

TSelectQuery::TSelectQuery()
    : TForm({"SelectQuery", "SelectQuery", 0, 0, TBorderStyle::Dialog, nullptr, 312, 108,
             TPosition::ScreenCenter}) {
    CreateControls({
        {&laPrompt, "laPrompt", "", {8, 12, 0, 13}},
        {&cbList, "cbList", "", {8, 32, 289, 21}},
        {&btnOK, "btnOK", "OK", {72, 72, 75, 25}},
        {&btnCancel, "btnCancel", "Abbrechen", {160, 72, 75, 25}},
    });
    btnOK.SetModalResult(mrOk);
    btnCancel.SetModalResult(mrCancel);
    SetDefaultButton(&btnOK);
    SetCancelButton(&btnCancel);
    onShow = Handler(this, &TSelectQuery::FormShow);
    onResize = Handler(this, &TSelectQuery::FormResize);
    cbList.onChange = Handler(this, &TSelectQuery::cbListChange);
    FormCreate();
}

void TSelectQuery::FormCreate() {
    btnOK.SetCaption(LoadResString(IDS_OK));
    btnCancel.SetCaption(LoadResString(IDS_CANCEL));
}

TSelectQueryLayout TSelectQuery::Layout() const {
    TSelectQueryLayout l;
    l.clientWidth = ClientWidth();
    l.prompt = laPrompt.Bounds();
    l.list = cbList.Bounds();
    l.ok = btnOK.Bounds();
    l.cancel = btnCancel.Bounds();
    return l;
}

void TSelectQuery::FormShow() {
    const TSelectQueryLayout l = Layout();
    SetClientSize(SelectQueryClientWidth(l), SelectQueryClientHeight(l));
    // The size is the prompt's now; the window stays in the middle of the screen.
    CenterOnScreen();
    cbList.SetFocus();
}

void TSelectQuery::FormResize() {
    const TSelectQueryLayout placed = ArrangeSelectQuery(Layout());
    if (placed.clientWidth != ClientWidth()) {
        SetClientSize(placed.clientWidth, ClientHeight()); // runs FormResize again
        return;
    }
    cbList.SetBounds(placed.list);
    btnOK.SetBounds(placed.ok);
    btnCancel.SetBounds(placed.cancel);
}

void TSelectQuery::cbListChange() {
    btnOK.SetEnabled(cbList.ItemIndex() >= 0);
}
