// The registry scan: the index it builds from HKEY_CLASSES_ROOT and the counts
// it reports, natively on the stand-in and under Wine on the real registry.
#include "index/FileClassScan.h"
#include "association/DataType.h"
#include "support/ScratchRegistry.h"
#include "support/StringList.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

using Entries = std::vector<std::pair<std::string, std::vector<std::string>>>;

// Every entry of the index in index order, with its extensions in stored order.
Entries Dump(const TFileClass& index) {
    Entries entries;
    TStringList names;
    index.GetClassNames(names);
    for (const std::string& name : names) {
        TStringList extensions;
        index.GetClassExtensions(name, extensions);
        entries.emplace_back(name, extensions.Items());
    }
    return entries;
}

void PutExtension(const std::string& ext, const std::string& className) {
    PutString(ext, "", className);
}

void PutClass(const std::string& className, const std::string& description) {
    PutString(className, "", description);
    PutString(className + "\\shell\\open\\command", "", "notepad.exe %1");
}

const std::string kClsidClass = "CLSID\\{0002DF01-0000-0000-C000-000000000046}";

} // namespace

using FileClassScanTest = RegistryTest;

TEST_F(FileClassScanTest, FilesEveryExtensionUnderItsClass) {
    PutExtension(".htm", "htmlfile");
    PutExtension(".html", "htmlfile");
    PutExtension(".shtml", "htmlfile");
    PutClass("htmlfile", "HTML Document");
    PutExtension(".txt", "txtfile");
    PutExtension(".log", "txtfile");
    PutClass("txtfile", "Text Document");
    // Spellings of one class: the extension that sorts last is met first and
    // gives the entry its name; the extensions keep their visiting order.
    PutExtension(".aaa", "MixedCase");
    PutExtension(".mmm", "mixedcase");
    PutExtension(".nnn", "MixedCase");
    PutExtension(".zzz", "MIXEDCASE");
    PutClass("MixedCase", "Mixed");
    // No default value: the empty class name.
    PutKey(".none1");
    PutKey(".none2");
    // A default value that holds no text: the empty name too, counted.
    PutDword(".dw", "", 7);
    PutBinary(".bin", "", std::string("\x01\x02\x03", 3));
    // A class without a key of its own is listed all the same; a class whose
    // description holds no text does not stop the scan.
    PutExtension(".orphan", "noKeyClass");
    PutExtension(".num", "numdesc");
    PutDword("numdesc", "", 1);
    PutExtension(".clsidext", kClsidClass);
    PutString(kClsidClass, "", "Some object");
    // Keys that are no extensions, and a class no extension names.
    PutClass("unusedfile", "Unused");
    PutKey("*\\shellex");
    PutKey(".a.b");

    TFileClass index;
    index.Add("stale", "", ".old"); // a scan replaces everything
    TStringList read;
    read.Add(".stale");
    TScanResult result = ScanFileClasses(index, nullptr, &read);
    TStringList listed;
    GetExtensions(listed);
    EXPECT_EQ(read.Items(), listed.Items()); // what a view would list afresh

    EXPECT_EQ(result.Extensions, 16);
    EXPECT_EQ(result.Classes, 7);
    EXPECT_EQ(result.Unreadable, 2);
    EXPECT_EQ(index.Count(), result.Classes);
    EXPECT_FALSE(index.Updating());
    const Entries expected = {
        {"", {".none2", ".none1", ".dw", ".bin"}},
        {kClsidClass, {".clsidext"}},
        {"htmlfile", {".shtml", ".html", ".htm"}},
        {"MIXEDCASE", {".zzz", ".nnn", ".mmm", ".aaa"}},
        {"noKeyClass", {".orphan"}},
        {"numdesc", {".num"}},
        {"txtfile", {".txt", ".log"}},
    };
    EXPECT_EQ(Dump(index), expected);
}

TEST_F(FileClassScanTest, EmptyRegistryAndRescan) {
    TFileClass index;
    index.Add("stale", "", ".old");
    TScanResult result = ScanFileClasses(index);
    EXPECT_EQ(result.Extensions, 0);
    EXPECT_EQ(result.Classes, 0);
    EXPECT_EQ(result.Unreadable, 0);
    EXPECT_EQ(index.Count(), 0);

    // Only keys that are no extensions: still nothing.
    PutClass("txtfile", "Text Document");
    PutKey("CLSID\\{0002DF01-0000-0000-C000-000000000046}\\InprocServer32");
    result = ScanFileClasses(index);
    EXPECT_EQ(result.Extensions, 0);
    EXPECT_EQ(index.Count(), 0);

    // A second scan reflects the registry as it is then, nothing accumulates.
    PutExtension(".txt", "txtfile");
    PutDword(".odd", "", 1);
    EXPECT_EQ(ScanFileClasses(index).Classes, 2);
    PutExtension(".odd", "txtfile");
    result = ScanFileClasses(index);
    EXPECT_EQ(result.Extensions, 2);
    EXPECT_EQ(result.Classes, 1);
    EXPECT_EQ(result.Unreadable, 0);
    EXPECT_EQ(Dump(index), (Entries{{"txtfile", {".txt", ".odd"}}}));
}

// The scan sorts and groups before it fills the index; the index must be the
// one that filing the extensions one at a time, last first, gives.
TEST_F(FileClassScanTest, MatchesFilingOneExtensionAtATime) {
    const char* spellings[] = {"Class%02d", "CLASS%02d", "class%02d", "cLaSs%02d"};
    for (int e = 0; e < 60; ++e) {
        char ext[16], cls[16];
        std::snprintf(ext, sizeof ext, ".e%02d", e);
        std::snprintf(cls, sizeof cls, spellings[(e * e / 7) % 4], (e * 7) % 20);
        if (e % 11 == 0)
            PutKey(ext);
        else if (e % 13 == 0)
            PutDword(ext, "", e);
        else
            PutExtension(ext, cls);
        if (e % 3 == 0)
            PutClass(cls, cls);
    }

    TFileClass expected;
    TStringList extensions;
    GetExtensions(extensions);
    for (int i = extensions.Count() - 1; i >= 0; --i) {
        std::string className;
        try {
            className = GetExtensionClass(extensions[i]);
        } catch (const ERegistryException&) {
        }
        expected.Add(className, "", extensions[i]);
    }

    TFileClass index;
    TScanResult result = ScanFileClasses(index);
    EXPECT_EQ(result.Extensions, 60);
    EXPECT_EQ(result.Unreadable, 4); // .e13, .e26, .e39, .e52
    EXPECT_EQ(result.Classes, 21);   // 20 classes and the empty name
    EXPECT_EQ(Dump(index), Dump(expected));
}

// The progress a scan reports, and a scan stopped by its caller: the index
// is left empty (an index half read would show a wrong picture) and the
// result says so.
TEST_F(FileClassScanTest, ReportsItsProgressAndStopsWhenTold) {
    PutExtension(".a", "afile");
    PutExtension(".b", "afile");
    PutExtension(".c", "cfile");
    PutKey("afile");

    struct Case {
        int stopAfter; // reads after which the callback says stop; -1 never
        std::vector<int> reported;
        bool stopped;
        int classes;
    };
    const Case cases[] = {
        {-1, {0, 1, 2, 3}, false, 2},
        {0, {0}, true, 0},
        {2, {0, 1, 2}, true, 0},
    };
    for (const Case& c : cases) {
        TFileClass index;
        index.Add("stale", "", ".old");
        std::vector<int> reported;
        const TScanResult result = ScanFileClasses(index, [&](int read, int total) {
            EXPECT_EQ(total, 3);
            reported.push_back(read);
            return read != c.stopAfter;
        });
        EXPECT_EQ(reported, c.reported) << c.stopAfter;
        EXPECT_EQ(result.Stopped, c.stopped) << c.stopAfter;
        EXPECT_EQ(index.Count(), c.classes) << c.stopAfter;
        EXPECT_EQ(result.Extensions, 3) << c.stopAfter;
    }
}
