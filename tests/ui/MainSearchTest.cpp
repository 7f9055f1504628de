// The search field above the item list and typing into the list itself.
#include "UiTestSupport.h"

namespace {

void PutAssociations() {
    PutString(".doc", "", "Word.Document.8");
    PutString("Word.Document.8", "", "Word Document");
    PutString(".docx", "", "Word.Document.12");
    PutString("Word.Document.12", "", "Word Document");
    PutString(".txt", "", "txtfile");
    PutString("txtfile", "", "Text Document");
    PutString(".mp3", "", "mp3file");
    PutString("mp3file", "", "MP3 Audio");
    PutString(".m3u", "", "m3ufile");
}

// What the window shows of the search: the list, its selection, the count
// label, the status bar's counts and the panel shown.
struct TSearchView {
    std::vector<std::string> items;
    std::string selected;
    std::string count; // "" while hidden
    std::string panel;
};

bool operator==(const TSearchView& a, const TSearchView& b) {
    return a.items == b.items && a.selected == b.selected && a.count == b.count &&
           a.panel == b.panel;
}

std::ostream& operator<<(std::ostream& out, const TSearchView& v) {
    out << "{";
    for (const std::string& item : v.items)
        out << "\"" << item << "\" ";
    return out << "| " << v.selected << " | " << v.count << " | " << v.panel << "}";
}

TSearchView ViewOf(TMainForm& form) {
    std::string panel = form.ExtView.ExtPanel.Visible()     ? "extension " + form.CurrentExt
                        : form.ClassView.ClassPanel.Visible() ? "class " + form.CurrentClass
                        : form.ShortInfo.ShortInfoPanel.Visible()
                            ? "info " + form.ShortInfo.lShortInfo.Text()
                            : "none";
    EXPECT_EQ(form.StatusBar.PanelText(0), "5/5"); // the index's counts, whatever is shown
    return {form.ListBox.Items().ToVector(), Selected(form),
            form.laFilter.Visible() ? form.laFilter.Text() : "", panel};
}

} // namespace

TEST_F(MainWindowTest, SearchNarrowsBothViewsAndKeepsTheSelectionWhileItMatches) {
    PutAssociations();
    QuietGate();
    TMainForm& form = Open();
    ClickItem(".docx");
    const std::string noExtension = "info No extension selected.";
    const struct {
        int tab; // -1: stay
        const char* text;
        TSearchView shown;
    } steps[] = {
        {-1, "d", {{".doc", ".docx"}, ".docx", "2 of 5", "extension .docx"}},
        {-1, "DOCX", {{".docx"}, ".docx", "1 of 5", "extension .docx"}},
        {-1, "m?u", {{".m3u"}, ".m3u", "1 of 5", "extension .m3u"}},
        {-1, ".*3", {{".m3u", ".mp3"}, ".m3u", "2 of 5", "extension .m3u"}},
        {-1, "zz", {{}, "<none>", "0 of 5", noExtension}},
        {-1, "", {{".doc", ".docx", ".m3u", ".mp3", ".txt"}, ".doc", "", "extension .doc"}},
        // The text stays on when the view changes and narrows the classes.
        {-1, "file", {{}, "<none>", "0 of 5", noExtension}},
        {1, nullptr, {{"m3ufile", "mp3file", "txtfile"}, "m3ufile", "3 of 5",
                      "info 'm3ufile' is not registered to the system."}},
        {-1, "word", {{"Word.Document.12", "Word.Document.8"}, "Word.Document.12", "2 of 5",
                       "class Word.Document.12"}},
        {-1, "w*8", {{"Word.Document.8"}, "Word.Document.8", "1 of 5", "class Word.Document.8"}},
        {0, nullptr, {{}, "<none>", "0 of 5", noExtension}},
    };
    for (const auto& step : steps) {
        if (step.tab >= 0)
            ClickTab(step.tab);
        if (step.text)
            TypeText(form.edSearch, step.text);
        EXPECT_EQ(ViewOf(form), step.shown)
            << "after " << (step.text ? step.text : "switching the view");
    }

    // Showing an item the search hides (the class of an extension, an item
    // of the check) shows all items again.
    TypeText(form.edSearch, ".mp");
    ClickButton(form.ExtView.btnViewClass);
    EXPECT_EQ(ViewOf(form), (TSearchView{{"m3ufile", "mp3file", "txtfile", "Word.Document.12",
                                          "Word.Document.8"},
                                         "mp3file",
                                         "",
                                         "class mp3file"}));
    EXPECT_EQ(form.edSearch.Text(), "");
}

TEST_F(MainWindowTest, SearchKeysAndTypingIntoTheListFindItems) {
    PutAssociations();
    QuietGate();
    TMainForm& form = Open();
    const auto typeIntoList = [&](const char* letters) {
        for (const char* c = letters; *c; ++c)
            PostMessageA(form.ListBox.Handle(), WM_CHAR, static_cast<unsigned char>(*c), 1);
        Application.ProcessMessages();
        return Selected(form) + " " + form.CurrentExt;
    };
    // Letters typed in quick succession find the item beginning with them
    // all; the same letter again steps on; a pause starts anew.
    SetFocus(form.ListBox.Handle());
    EXPECT_EQ(typeIntoList(".m"), ".m3u .m3u");
    EXPECT_EQ(typeIntoList("p"), ".mp3 .mp3");
    Sleep(1100);
    EXPECT_EQ(typeIntoList("."), ".txt .txt");
    EXPECT_EQ(typeIntoList("."), ".doc .doc"); // round to the top
    Sleep(1100);
    EXPECT_EQ(typeIntoList(".t"), ".txt .txt");
    EXPECT_EQ(typeIntoList("x"), ".txt .txt");
    EXPECT_EQ(typeIntoList("q"), ".txt .txt"); // nothing begins with ".txq"

    // Ctrl+F puts the focus into the field, Down into the list, Escape
    // empties the field, and on an empty field goes back to the list.
    PressKey(form.ListBox.Handle(), 'F', true);
    EXPECT_TRUE(form.edSearch.Focused());
    TypeText(form.edSearch, "m");
    EXPECT_EQ(Selected(form) + " " + form.CurrentExt, ".m3u .m3u"); // .txt does not match
    PressKey(form.edSearch.Handle(), VK_DOWN);
    EXPECT_TRUE(form.ListBox.Focused());
    PressKey(form.ListBox.Handle(), 'F', true);
    PressKey(form.edSearch.Handle(), VK_ESCAPE);
    EXPECT_EQ(form.edSearch.Text(), "");
    EXPECT_EQ(form.ListBox.Items().Count(), 5);
    EXPECT_EQ(Selected(form), ".m3u");
    EXPECT_TRUE(form.edSearch.Focused());
    PressKey(form.edSearch.Handle(), VK_ESCAPE);
    EXPECT_TRUE(form.ListBox.Focused());

    // Typed characters beyond the code page reach the field whole through
    // the message loop on the NT family, and the search takes them.
    if (WideSystem()) {
        PressKey(form.ListBox.Handle(), 'F', true);
        for (const WCHAR unit : WideFromUtf8("Ωmega"))
            PostMessageW(form.edSearch.Handle(), WM_CHAR, unit, 1);
        Application.ProcessMessages();
        EXPECT_EQ(form.edSearch.Text(), "Ωmega");
        EXPECT_EQ(form.ListBox.Items().Count(), 0);
    }
}
