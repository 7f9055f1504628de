// The select-one query: its self-sizing layout and the SelectQuery function.
#include "UiTestSupport.h"
#include "controls/ZQDialogs.h"
#include "controls/ZQSelectQuery.h"
#include "support/StringList.h"

namespace {

TStringList List(std::initializer_list<const char*> items) {
    TStringList list;
    for (const char* item : items)
        list.Add(item);
    return list;
}

} // namespace

TEST(SelectQueryLayout, TheWorkedNumbers) {
    struct Case {
        TBounds prompt;
        int width, height; // client size FormShow asks for
        int raisedWidth;   // after FormResize
        TBounds list, ok, cancel;
    } cases[] = {
        // A prompt 150 wide: 166 is raised to 174; centre 87.
        {{8, 12, 150, 13}, 166, 98, 174, {8, 28, 158, 21}, {8, 61, 75, 25}, {91, 61, 75, 25}},
        // Three lines of 13 pixels: 124 high, list at 54, buttons at 87.
        {{8, 12, 300, 39}, 316, 124, 316, {8, 54, 300, 21}, {79, 87, 75, 25}, {162, 87, 75, 25}},
    };
    for (const Case& c : cases) {
        TSelectQueryLayout l;
        l.prompt = c.prompt;
        l.list = {8, 32, 289, 21};
        l.ok = {72, 72, 75, 25};
        l.cancel = {160, 72, 75, 25};
        EXPECT_EQ(SelectQueryClientWidth(l), c.width);
        EXPECT_EQ(SelectQueryClientHeight(l), c.height);
        l.clientWidth = c.width;
        const TSelectQueryLayout placed = ArrangeSelectQuery(l);
        EXPECT_EQ(placed.clientWidth, c.raisedWidth);
        EXPECT_EQ(placed.list, c.list);
        EXPECT_EQ(placed.ok, c.ok);
        EXPECT_EQ(placed.cancel, c.cancel);
    }
}

TEST(SelectQueryDialog, SizesItselfToItsPromptOnTheRealWindow) {
    TSelectQuery query;
    EXPECT_EQ(query.ClientWidth(), 312);
    EXPECT_EQ(query.ClientHeight(), 108);
    EXPECT_EQ(query.btnOK.Text(), "OK");
    EXPECT_EQ(query.btnCancel.Text(), "Abbrechen");
    EXPECT_TRUE(GetWindowLongA(query.cbList.Handle(), GWL_STYLE) & CBS_DROPDOWNLIST);

    // The prompt of the worked example: 150 x 39.
    query.laPrompt.SetAutoSize(false);
    query.laPrompt.SetBounds({8, 12, 150, 39});
    query.Show();
    const int listHeight = query.cbList.Height();
    EXPECT_EQ(query.ClientWidth(), 174);
    EXPECT_EQ(query.ClientHeight(), 12 + 39 + 3 + listHeight + 12 + 25 + 12);
    EXPECT_EQ(query.cbList.Bounds(), (TBounds{8, 54, 158, listHeight}));
    EXPECT_EQ(query.btnOK.Bounds(), (TBounds{8, 54 + listHeight + 12, 75, 25}));
    EXPECT_EQ(query.btnCancel.Bounds(), (TBounds{91, 54 + listHeight + 12, 75, 25}));
    EXPECT_TRUE(query.cbList.Focused());
    // Still in the middle of the screen.
    EXPECT_EQ(query.Left(), (GetSystemMetrics(SM_CXSCREEN) - query.Width()) / 2);
    EXPECT_EQ(query.Top(), (GetSystemMetrics(SM_CYSCREEN) - query.Height()) / 2);
}

TEST(SelectQueryDialog, ChoosingCancellingAndEmptyLists) {
    ScriptedDialogs dialogs;
    const TStringList three = List({".abc", ".def", ".ghi"});
    struct Case {
        const TStringList* items;
        int initial;
        int choose;        // entry the user picks, -1: leaves the selection
        int answer;        // mrOk or mrCancel
        int shownSelected; // selected when the dialog opens
        bool result;
        int index;
    } cases[] = {
        {&three, 1, -1, mrOk, 1, true, 1},     {&three, 0, 2, mrOk, 0, true, 2},
        {&three, 3, -1, mrOk, 0, true, 0},     {&three, -5, -1, mrOk, 0, true, 0},
        {&three, 1, 2, mrCancel, 1, false, 1},
    };
    for (const Case& c : cases) {
        dialogs.ExpectModal([&](TForm& form) {
            auto& query = static_cast<TSelectQuery&>(form);
            form.Show();
            EXPECT_EQ(form.Text(), "Mit txtfile assoziieren");
            EXPECT_EQ(query.laPrompt.Text(), "Bitte wählen\r\nZeile zwei");
            EXPECT_GT(query.laPrompt.Height(), LineHeight()); // two lines
            EXPECT_EQ(query.cbList.Items().ToVector(), c.items->Items());
            EXPECT_EQ(query.cbList.ItemIndex(), c.shownSelected);
            EXPECT_TRUE(query.btnOK.Enabled());
            if (c.choose >= 0)
                query.cbList.SetItemIndex(c.choose);
            return c.answer;
        });
        int index = 99;
        EXPECT_EQ(SelectQuery("Mit txtfile assoziieren", "Bitte wählen\r\nZeile zwei", *c.items,
                              c.initial, index),
                  c.result);
        EXPECT_EQ(index, c.index);
    }

    // Nothing to choose: OK stays disabled; Enter does nothing, Escape cancels.
    const TStringList none;
    dialogs.ExpectModal([](TForm& form) {
        auto& query = static_cast<TSelectQuery&>(form);
        EXPECT_EQ(query.cbList.ItemIndex(), -1);
        EXPECT_FALSE(query.btnOK.Enabled());
        SendMessageA(form.Handle(), WM_COMMAND, IDOK, 0);
        EXPECT_EQ(form.ModalResult(), mrNone);
        SendMessageA(form.Handle(), WM_COMMAND, IDCANCEL, 0);
        return form.ModalResult();
    });
    int index = 99;
    EXPECT_FALSE(SelectQuery("c", "p", none, 0, index));
    EXPECT_EQ(index, 0);
}
