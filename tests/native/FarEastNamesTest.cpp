// Names in a double-byte ANSI code page (932 here): the second byte of a
// character may be "\" or "|" and must not count as one. The stand-in plays a
// Far East system when told to; the same runs under Wine with code page 932
// (tests/e2e/far-east.sh).
#include "association/DataType.h"
#include "association/RegistryWriter.h"
#include "association/UndoJournal.h"
#include "index/FileClassScan.h"
#include "platform/FakeControl.h"
#include "support/AnsiText.h"
#include "support/GuideLink.h"
#include "support/NameFilter.h"
#include "support/RegistryDump.h"
#include "support/ScratchRegistry.h"
#include "support/StringList.h"
#include "support/ZQIniFiles.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// Code page 932: "ソ" is 83 5C, "表" 95 5C, "ポ" 83 7C, "示" 8E A6; "ア" 83 41
// and "ッ" 83 61 differ only in a second byte that looks like "A" and "a".
const std::string kSo = "\x83\x5C";
const std::string kHyo = "\x95\x5C";
const std::string kPo = "\x83\x7C";
const std::string kJi = "\x8E\xA6";
const std::string kA = "\x83\x41";
const std::string kTsu = "\x83\x61";

class FarEastTest : public RegistryTest {
protected:
    void SetUp() override { fake::SetDbcsEnabled(true); }
};

} // namespace

TEST_F(FarEastTest, NameRulesWalkByCharacter) {
    const struct {
        std::string name;
        bool extension;
        bool fileClass;
    } cases[] = {
        {"." + kSo, true, false},
        {"." + kPo + kSo, true, false},
        {".a" + kHyo + "b", true, false},
        {kHyo + kJi, false, true},
        {"My " + kSo + " Type", false, true},
        {"." + kSo + "\\", false, false}, // a backslash of its own after the character
        {kHyo + "\\" + kJi, false, false},
        {"." + kSo + "|", false, false},
        {"." + kSo + ".", false, false},
        {".\x83", true, false}, // a lead byte at the end is a character
        {".\x83" + std::string(1, '\0') + "\\", false, false}, // a NUL ends no pair
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsValidExtension(c.name), c.extension) << c.name;
        EXPECT_EQ(IsValidFileClass(c.name), c.fileClass) << c.name;
    }
    // On a Western system the same bytes are two characters, the second "\".
    fake::SetDbcsEnabled(false);
    EXPECT_FALSE(IsValidExtension("." + kSo));
    EXPECT_FALSE(IsValidFileClass(kHyo + kJi));
}

TEST_F(FarEastTest, SearchFilterTakesTwoByteCharactersWhole) {
    // The second byte of "ア", "A", is neither folded nor found alone; "?"
    // takes the whole character.
    EXPECT_FALSE(TNameFilter("a").Matches(kA + ".txt"));
    EXPECT_TRUE(TNameFilter(kA).Matches("x" + kA + "y"));
    EXPECT_TRUE(TNameFilter(".?.").Matches("." + kSo + "."));
    EXPECT_FALSE(TNameFilter(".??.").Matches("." + kSo + "."));
    EXPECT_TRUE(TNameFilter("\\").Matches("a\\b"));
    EXPECT_FALSE(TNameFilter("\\").Matches(kHyo + kJi));
}

TEST_F(FarEastTest, ExtensionAndClassWithDoubleByteNamesAreScannedAndFound) {
    PutString("." + kSo, "", kHyo + kJi);
    PutString(kHyo + kJi, "", "Hyouji " + kSo);
    PutString(".txt", "", "txtfile");
    ASSERT_TRUE(HasKey("." + kSo)); // one key at the root, not "." below ".\x83"

    TStringList extensions;
    GetExtensions(extensions);
    EXPECT_EQ(extensions.Items(), (std::vector<std::string>{"." + kSo, ".txt"}));
    EXPECT_TRUE(ExtensionExists("." + kSo));
    EXPECT_TRUE(FileClassExists(kHyo + kJi));
    EXPECT_EQ(GetExtensionClass("." + kSo), kHyo + kJi);
    EXPECT_EQ(GetClassDescription(kHyo + kJi), "Hyouji " + kSo);

    TFileClass index;
    const TScanResult found = ScanFileClasses(index);
    EXPECT_EQ(found.Extensions, 2);
    EXPECT_EQ(found.Classes, 2);
    TStringList filed;
    index.GetClassExtensions(kHyo + kJi, filed);
    EXPECT_EQ(filed.Items(), (std::vector<std::string>{"." + kSo}));
}

TEST_F(FarEastTest, SettingsFileAndGuideLieInTheProgramsFolder) {
    // The guide's link keeps the second bytes (0x5C) of the folder's name.
    const struct {
        std::string exe;
        std::string settings;
        std::string guideUrl;
    } cases[] = {
        {"C:\\" + kSo + "\\corvix.exe", "C:\\" + kSo + "\\settings.ini",
         "file:///C:/" + kSo + "/Corvix.html#a"},
        {"C:\\Tools\\" + kSo + kPo + ".exe", "C:\\Tools\\settings.ini",
         "file:///C:/Tools/Corvix.html#a"},
        {"C:\\" + kHyo + "\\" + kSo + ".exe", "C:\\" + kHyo + "\\settings.ini",
         "file:///C:/" + kHyo + "/Corvix.html#a"},
        {"\\\\" + kSo + "\\" + kHyo + " " + kSo + "\\c.exe",
         "\\\\" + kSo + "\\" + kHyo + " " + kSo + "\\settings.ini",
         "file://" + kSo + "/" + kHyo + "%20" + kSo + "/Corvix.html#a"},
        {kSo + ".exe", "settings.ini", "file:///Corvix.html#a"},
    };
    for (const auto& c : cases) {
        fake::SetModuleFileName(c.exe);
        EXPECT_EQ(SettingsFilePath(), c.settings) << c.exe;
        EXPECT_EQ(FileUrl(FolderOfPath(c.exe) + GuideFileName("Corvix.hlp"), "a"), c.guideUrl)
            << c.exe;
    }
    EXPECT_EQ(GuideFileName("Corvix.h" + kSo), "Corvix.html");
    EXPECT_EQ(FolderOfPath("D:" + kSo), "D:");
}

TEST_F(FarEastTest, JournalKeepsAndRestoresDoubleByteNames) {
    // ".ソ" with a subkey whose name ends in 0x5C too, and values so named.
    PutString("." + kSo, "", kHyo + kJi);
    PutString("." + kSo + "\\" + kHyo + "\\" + kSo, kPo, "x");
    PutString("." + kSo + "\\ShellNew", "", "");
    PutString(kHyo + kJi, "", "Hyouji");
    // Two keys whose names differ only in a second byte: restoring one keeps
    // the other.
    PutString("." + kA, "", "afile");
    PutString("." + kTsu, "", "tsufile");
    const std::string path = testing::TempDir() + "corvix-far-east-undo.log";
    std::remove(path.c_str());
    const struct {
        const char* name;
        void (*change)(TRegistryWriter&);
    } commands[] = {
        {"Associate",
         [](TRegistryWriter& w) { AssociateExtension(w, "." + kSo, kPo + kJi, true); }},
        {"Dissociate", [](TRegistryWriter& w) { DissociateExtension(w, "." + kSo); }},
        {"Delete", [](TRegistryWriter& w) { DeleteExtension(w, "." + kSo); }},
        {"New",
         [](TRegistryWriter& w) { AssociateExtension(w, ".a" + kSo + "b", kHyo + kJi, true); }},
        {"Class", [](TRegistryWriter& w) { DeleteFileClass(w, kHyo + kJi); }},
        {"Sibling", [](TRegistryWriter& w) { DeleteExtension(w, "." + kA); }},
        {"Sibling value", [](TRegistryWriter& w) { DissociateExtension(w, "." + kTsu); }},
    };
    for (const auto& command : commands) {
        const std::string before = DumpRegistry();
        {
            TUndoJournal journal(path);
            TRegistryWriter writer(&journal, command.name);
            command.change(writer);
        }
        ASSERT_NE(DumpRegistry(), before) << command.name;
        // Read back from the file, as after a restart.
        TUndoJournal journal(path);
        EXPECT_EQ(journal.TakeDamageReport(), "") << command.name;
        ASSERT_EQ(journal.LastName(), command.name);
        EXPECT_TRUE(journal.UndoLast().Complete()) << command.name;
        EXPECT_EQ(DumpRegistry(), before) << command.name;
    }
    std::remove(path.c_str());
}
