// Controls that hold a list of texts: list box, combo box, radio group.
// TItems is the one view of the texts of a list box or combo box; each
// accessor is one message.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "toolkit/Containers.h"
#include "toolkit/SystemWindows.h"

class TStringList;

// The messages of one kind of list control, with its "no entry" answer and
// the style bit of a sorted one.
struct TListMessages {
    UINT addString, insertString, deleteString, resetContent, getCount, getText, getTextLen,
        findStringExact, initStorage;
    LRESULT error;   // LB_ERR / CB_ERR
    DWORD sortStyle; // LBS_SORT / CBS_SORT
};

class TItems {
public:
    TItems(HWND hwnd, const TListMessages& messages) : hwnd_(hwnd), m_(messages) {}
    int Count() const;
    std::string operator[](int index) const;
    // Adds at the end, or at the sorted place in a sorted list; returns the position.
    int Add(const std::string& text);
    void Insert(int index, const std::string& text);
    void Delete(int index);
    void Clear();
    // Position of the first entry equal to text ignoring case (SameText), or -1.
    int IndexOf(const std::string& text) const;
    // Replaces the entries by those of list, with the control's redrawing
    // off and its storage reserved. A sorted control sorts them; a list
    // already in its order (ascending by CompareText, which is the control's
    // comparison) is taken as it stands.
    void Assign(const TStringList& list);
    std::vector<std::string> ToVector() const;

private:
    HWND hwnd_;
    const TListMessages& m_;
};

// A list box with single selection. The row style LBS_SORT makes it sorted
// (the platform's word sort). onClick runs when the user changes the
// selection, onDblClick on a double click; setting ItemIndex runs neither.
//
// Letters typed into the list in quick succession select the next item that
// begins with them all ("do" finds ".doc"); the same letter typed again
// steps on to the next item beginning with it, as Explorer's lists do.
class TListBox : public TControl {
public:
    TItems Items() const;
    // Selected position, or -1 when nothing is selected.
    int ItemIndex() const;
    void SetItemIndex(int index);
    bool Sorted() const { return (WindowStyle(Handle()) & LBS_SORT) != 0; }
    TNotifyEvent onClick;
    TNotifyEvent onDblClick;

protected:
    TCreateParams KindParams() const override;
    bool OnCommand(WORD code, WORD id) override;
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // Selects the item the letters typed so far lead to (see above).
    void TypeAhead(const std::string& letter);
    TTypedChars typedChars_;
    std::string typed_;
    DWORD typedAt_ = 0;
};

// How a combo box takes its text.
enum class TComboStyle {
    DropDown,     // an edit field with a drop-down list: free text or an entry
    DropDownList, // a drop-down list only: the text is the chosen entry
    Simple,       // an edit field alone, without a drop-down list
};

// A combo box, by default with an edit field and a drop-down list. onChange
// runs at every change of its text, typed or chosen from the list (the text
// is already the chosen entry then); onDblClick on a double click into the
// edit field.
class TComboBox : public TControl {
public:
    explicit TComboBox(TComboStyle style = TComboStyle::DropDown);
    ~TComboBox() override;
    TComboStyle Style() const { return style_; }
    TItems Items() const;
    int ItemIndex() const;
    // Selects the entry (the text becomes it); -1 selects nothing and empties the text.
    void SetItemIndex(int index);
    TNotifyEvent onChange;
    TNotifyEvent onDblClick;

protected:
    TCreateParams KindParams() const override;
    void AfterCreate() override;
    bool OnCommand(WORD code, WORD id) override;

private:
    class TEditPart;
    TComboStyle style_;
    std::unique_ptr<TEditPart> edit_;
};

// A group box with one radio button per item, arranged in a column. onClick
// runs when the user picks an item.
class TRadioGroup : public TGroupBox {
public:
    void SetItems(const std::vector<std::string>& items);
    const std::vector<std::string>& Items() const { return items_; }
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    TNotifyEvent onClick;

protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void ArrangeButtons();
    std::vector<std::string> items_;
    std::vector<HWND> buttons_;
    int itemIndex_ = -1;
};
