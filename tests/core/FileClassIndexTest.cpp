#include "index/ZQFileAssoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <iterator>
#include <map>
#include <random>

#include "support/Exception.h"
#include "support/StringList.h"
#include "support/TextCompare.h"

namespace {

std::vector<std::string> Extensions(const TFileClass& index, const std::string& name) {
    TStringList list;
    index.GetClassExtensions(name, list);
    return list.Items();
}

std::vector<std::string> Names(const TFileClass& index) {
    TStringList list;
    index.GetClassNames(list);
    return list.Items();
}

using Strings = std::vector<std::string>;

std::string Upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

} // namespace

TEST(FileClassIndex, RemovingFirstMiddleLastAndOnlyExtensionKeepsTheRest) {
    TFileClass index;
    for (const char* ext : {".htm", ".html", ".shtml", ".xhtml"})
        index.Add("htmlfile", "HTML Document", ext);
    int i = index.IndexOf("htmlfile");
    index.RemoveExtension(i, ".htm"); // first
    EXPECT_EQ(Extensions(index, "htmlfile"), (Strings{".html", ".shtml", ".xhtml"}));
    index.RemoveExtension(i, ".shtml"); // middle
    EXPECT_EQ(Extensions(index, "htmlfile"), (Strings{".html", ".xhtml"}));
    index.RemoveExtension(i, ".xhtml"); // last
    EXPECT_EQ(Extensions(index, "htmlfile"), (Strings{".html"}));
    index.RemoveExtension(i, ".html"); // only
    EXPECT_TRUE(Extensions(index, "htmlfile").empty());
    EXPECT_EQ(index.ExtensionCount(i), 0);
    EXPECT_EQ(index.Count(), 1); // an entry without extensions stays

    index.AddExtension(i, ".htm");
    index.AddExtension(i, ".htm"); // never listed twice
    index.Add("htmlfile", "", ".asp");
    EXPECT_EQ(Extensions(index, "htmlfile"), (Strings{".htm", ".asp"}));
    EXPECT_EQ(index.ExtensionCount(i), 2);
}

TEST(FileClassIndex, ClassNamesIgnoreCaseAndKeepTheFirstSpelling) {
    TFileClass index;
    int first = index.Add("txtfile", "Text Document", ".txt");
    EXPECT_EQ(index.Add("TXTFILE", "Another text", ".log"), first);
    EXPECT_EQ(index.Add("", "", ".none"), 0); // the empty name sorts first
    index.Add("", "", ".nix");
    EXPECT_EQ(index.Count(), 2);
    EXPECT_EQ(Names(index), (Strings{"", "txtfile"}));
    EXPECT_EQ(Extensions(index, "TxtFile"), (Strings{".txt", ".log"}));
    EXPECT_EQ(Extensions(index, ""), (Strings{".none", ".nix"}));
    EXPECT_EQ(index.ClassExtensionCount("TXTfile"), 2);
}

TEST(FileClassIndex, SemicolonsInADescriptionAreNotTakenForExtensions) {
    TFileClass index;
    index.Add("a", "Odd;;.txt;", ".log");
    index.Add("b", ";;", ".doc");
    index.Add("c", "x;.y;", ".z");
    index.Add("d", "Only;;", ".1");
    index.RemoveClassExtension("d", ".1");
    EXPECT_EQ(Extensions(index, "a"), (Strings{".log"}));
    EXPECT_FALSE(index.HasExtension(index.IndexOf("a"), ".txt"));
    index.RemoveClassExtension("a", ".txt");
    EXPECT_EQ(index.ClassExtensionCount("a"), 1);
    EXPECT_EQ(Extensions(index, "b"), (Strings{".doc"}));
    EXPECT_FALSE(index.HasExtension(index.IndexOf("c"), ".y"));
    index.AddClassExtension("c", ".y"); // not mistaken for a held one
    EXPECT_EQ(Extensions(index, "c"), (Strings{".z", ".y"}));
    EXPECT_EQ(index.ClassExtensionCount("d"), 0);
    EXPECT_TRUE(Extensions(index, "d").empty());
}

TEST(FileClassIndex, ExtensionsMatchCaseSensitively) {
    TFileClass index;
    index.Add("txtfile", "", ".txt");
    index.AddClassExtension("txtfile", ".TXT");
    int i = index.IndexOf("txtfile");
    EXPECT_TRUE(index.HasExtension(i, ".TXT"));
    EXPECT_FALSE(index.HasExtension(i, ".Txt"));
    EXPECT_FALSE(index.HasExtension(i, "txt")); // no partial match
    index.RemoveExtension(i, ".TXT");
    EXPECT_EQ(Extensions(index, "txtfile"), (Strings{".txt"}));
}

TEST(FileClassIndex, UnknownNamesAndBadPositionsRaiseOrDoNothingAsDocumented) {
    TFileClass index;
    index.Add("txtfile", "", ".txt");
    auto raises = [](auto&& call) {
        try {
            call();
        } catch (const Exception& e) {
            return e.Message() == "FileClass is not in list.";
        }
        return false;
    };
    EXPECT_TRUE(raises([&] { index.DeleteClass("nofile"); }));
    EXPECT_TRUE(raises([&] { index.AddClassExtension("nofile", ".x"); }));
    EXPECT_TRUE(raises([&] { index.HasExtension(-1, ".txt"); }));
    EXPECT_TRUE(raises([&] { index.AddExtension(-1, ".x"); }));
    EXPECT_TRUE(raises([&] { index.Delete(-1); }));
    index.RemoveClassExtension("nofile", ".txt");
    index.RemoveExtension(-1, ".txt");
    EXPECT_EQ(index.ClassExtensionCount("nofile"), 0);
    EXPECT_EQ(index.ExtensionCount(-1), 0);
    TStringList list;
    list.Add("stale");
    index.GetClassExtensions("nofile", list);
    EXPECT_EQ(list.Count(), 0);

    // Positions past the end are callers' errors, reported instead of read.
    for (int bad : {1, 2, 1000}) {
        EXPECT_TRUE(raises([&] { index.HasExtension(bad, ".txt"); }));
        EXPECT_TRUE(raises([&] { index.AddExtension(bad, ".x"); }));
        EXPECT_TRUE(raises([&] { index.RemoveExtension(bad, ".txt"); }));
        EXPECT_TRUE(raises([&] { index.ExtensionCount(bad); }));
        EXPECT_TRUE(raises([&] { index.Delete(bad); }));
    }
    EXPECT_EQ(Names(index), (Strings{"txtfile"})); // unchanged by all of it
    EXPECT_EQ(Extensions(index, "txtfile"), (Strings{".txt"}));

    index.DeleteClass("TXTFILE");
    EXPECT_EQ(index.Count(), 0);
    index.Add("a", "", ".a");
    index.Clear();
    EXPECT_EQ(index.Count(), 0);
    EXPECT_EQ(index.IndexOf("a"), -1);
}

// The scan's pattern: names arrive from the last to the first inside a bracket,
// each class with two extensions met apart; queries may come in between.
TEST(FileClassIndex, BulkFillInDescendingOrderEndsSorted) {
    TFileClass index;
    index.BeginUpdate();
    for (int i = 1199; i >= 0; --i) {
        std::string name = "class" + std::to_string(10000 + i);
        ASSERT_EQ(index.Add(name, "", ".b" + std::to_string(i)), 0);
        if (i % 2 == 0) { // meets the class before again
            ASSERT_EQ(index.Add("CLASS" + std::to_string(10001 + i), "", ".a"), 1);
        }
        if (i == 600) {
            ASSERT_EQ(index.ClassExtensionCount("class10701"), 2);
        }
    }
    index.EndUpdate();
    Strings names = Names(index);
    ASSERT_EQ(names.size(), 1200u);
    for (int i = 0; i < 1200; ++i)
        ASSERT_EQ(names[i], "class" + std::to_string(10000 + i));
    EXPECT_EQ(Extensions(index, "class10001"), (Strings{".b1", ".a"}));
    EXPECT_EQ(Extensions(index, "class10000"), (Strings{".b0"}));
}

// Thousands of random edits, inside and outside update brackets, against a
// plain model: a std::map ordered by CompareText, each entry with its
// extensions in a list.
TEST(FileClassIndex, AgreesWithAModelOverRandomEdits) {
    struct Less {
        bool operator()(const std::string& a, const std::string& b) const {
            return CompareText(a, b) < 0;
        }
    };
    struct Entry {
        std::string name;
        Strings exts;
    };
    std::map<std::string, Entry, Less> model; // key: the name as first added
    auto position = [&](const std::string& name) {
        return static_cast<int>(std::distance(model.begin(), model.lower_bound(name)));
    };

    std::mt19937 random(20240611);
    auto pick = [&](int n) { return static_cast<int>(random() % n); };
    auto randomName = [&] {
        std::string name;
        for (int n = 2 + pick(3); n > 0; --n) {
            char base = pick(2) ? 'a' : 'A';
            name += static_cast<char>(base + pick(8));
        }
        return name;
    };
    auto randomEntry = [&] { return std::next(model.begin(), pick(int(model.size()))); };
    const Strings exts = {".a", ".A", ".b", ".c", ".d"};

    TFileClass index;
    for (int step = 0; step < 6000; ++step) {
        if (step % 1500 == 0)
            index.BeginUpdate();
        if (step % 1500 == 200)
            index.BeginUpdate(); // nested
        if (step % 1500 == 300 || step % 1500 == 1000)
            index.EndUpdate();
        int op = pick(20);
        std::string name = randomName();
        std::string ext = exts[pick(5)];
        if (op < 14) {
            auto it = model.find(name);
            if (it == model.end())
                it = model.emplace(name, Entry{name, {}}).first;
            if (std::find(it->second.exts.begin(), it->second.exts.end(), ext) ==
                it->second.exts.end())
                it->second.exts.push_back(ext);
            ASSERT_EQ(index.Add(name, ";;" + ext + ";", ext), position(name)) << step;
        } else if (op < 16 && !model.empty()) {
            Entry& e = randomEntry()->second;
            e.exts.erase(std::remove(e.exts.begin(), e.exts.end(), ext), e.exts.end());
            index.RemoveClassExtension(Upper(e.name), ext);
        } else if (op < 17 && !model.empty()) {
            auto it = randomEntry();
            index.DeleteClass(Upper(it->first));
            model.erase(it);
        } else if (op < 18 && !model.empty()) {
            auto it = randomEntry();
            index.Delete(position(it->first));
            model.erase(it);
        } else {
            auto it = model.find(name);
            ASSERT_EQ(index.ClassExtensionCount(name),
                      it == model.end() ? 0 : int(it->second.exts.size()));
            ASSERT_EQ(index.IndexOf(name), it == model.end() ? -1 : position(name));
        }
        ASSERT_EQ(index.Count(), static_cast<int>(model.size()));
    }
    EXPECT_FALSE(index.Updating());

    Strings names = Names(index);
    ASSERT_EQ(names.size(), model.size());
    ASSERT_GT(names.size(), 1000u);
    auto it = model.begin();
    for (std::size_t i = 0; i < names.size(); ++i, ++it) {
        ASSERT_EQ(names[i], it->second.name);
        ASSERT_EQ(Extensions(index, it->first), it->second.exts) << it->first;
    }
}
