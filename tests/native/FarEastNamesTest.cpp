// Names beyond ASCII on every kind of system. Inside the program they are
// UTF-8, searched byte by byte; at the registry they are UTF-16 on NT (the
// wide functions) and ANSI on the 95 family. On a Far East 95-family system
// (code page 932 here) the ANSI form of a character may end in the byte of
// "\" or "|": ".ソ" is 0x2E 0x83 0x5C, and must still be one key. The same
// runs under Wine with code page 932 (the end-to-end case far_east).
#include "association/DataType.h"
#include "association/RegistryWriter.h"
#include "association/UndoJournal.h"
#include "index/FileClassScan.h"
#include "platform/FakeControl.h"
#include "support/GuideLink.h"
#include "support/NameFilter.h"
#include "support/RegistryDump.h"
#include "support/ScratchRegistry.h"
#include "support/StringList.h"
#include "support/SystemText.h"
#include "support/TextSearch.h"
#include "support/ZQIniFiles.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// Code page 932: "ソ" is 83 5C, "ポ" 83 7C, "ミ" 83 7E; "ア" 83 41 and "ヂ"
// 83 61 differ only in a second byte that looks like "A" and "a".
const std::string kSo = "ソ";
const std::string kPo = "ポ";
const std::string kMi = "ミ";
const std::string kA = "ア";
const std::string kDi = "ヂ";

class FarEastTest : public RegistryTest {
protected:
    void SetUp() override { fake::SetDbcsEnabled(true); }
};

// The systems the names are tried on: a Far East one of the 95 family (ANSI
// functions, code page 932), and NT (wide functions); and a Western 95-family
// one with names of Windows-1252.
// Each with an extension, its class, a new extension, a subkey, a value and
// two extensions whose names differ only in a second byte in code page 932.
struct System {
    const char* version;
    bool dbcs;
    std::string ext, cls, other, sub, value, sibling1, sibling2;
};
const System kSystems[] = {
    {"win98", true, "." + kSo, kSo + kMi, "." + kPo, kSo, kPo, "." + kA, "." + kDi},
    {"win2k", false, "." + kSo, kSo + kMi, "." + kPo, kSo, kPo, "." + kA, "." + kDi},
    {"win2k", false, ".zoë", "Zoë 文書", ".文書", "打开", "Ωmega.文書", ".Ω", ".ω2"},
    {"win98", false, ".ä", "Ärger", ".ö", "ß", "Größe", ".é", ".è"},
};

void Use(const System& system) {
    fake::SetVersion(system.version);
    fake::SetDbcsEnabled(system.dbcs);
}

} // namespace

TEST_F(FarEastTest, NameRulesSearchTheUtf8ByteByByte) {
    const struct {
        std::string name;
        bool extension;
        bool fileClass;
    } cases[] = {
        {"." + kSo, true, false},
        {"." + kPo + kSo, true, false},
        {".a" + kSo + "b", true, false},
        {kSo + kMi, false, true},
        {"My " + kSo + " Type", false, true},
        {"." + kSo + "\\", false, false}, // a backslash of its own after the character
        {kSo + "\\" + kMi, false, false},
        {"." + kSo + "|", false, false},
        {"." + kSo + ".", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsValidExtension(c.name), c.extension) << c.name;
        EXPECT_EQ(IsValidFileClass(c.name), c.fileClass) << c.name;
    }
    // What the ANSI functions are given holds the byte of "\".
    EXPECT_EQ(AnsiFromUtf8("." + kSo), ".\x83\x5C");
    EXPECT_EQ(Utf8FromAnsi(".\x83\x5C"), "." + kSo);
}

TEST_F(FarEastTest, SearchFilterTakesCharactersWholeAndFoldsThemAsTheSystemDoes) {
    // "?" takes a whole character of several bytes; letters beyond ASCII fold
    // as the system folds them, through the wide functions on NT and through
    // the ANSI code page on the 95 family.
    for (const System& system : kSystems) {
        Use(system);
        EXPECT_TRUE(TNameFilter(".?.").Matches("." + kSo + ".")) << system.version;
        EXPECT_FALSE(TNameFilter(".??.").Matches("." + kSo + ".")) << system.version;
        EXPECT_TRUE(TNameFilter(kA).Matches("x" + kA + "y")) << system.version;
        EXPECT_FALSE(TNameFilter(kA).Matches("x" + kDi + "y")) << system.version;
        EXPECT_FALSE(TNameFilter("\\").Matches(kSo + kMi)) << system.version;
    }
    Use(kSystems[3]);
    EXPECT_TRUE(TNameFilter("ärg").Matches("ÄRGER"));
    Use(kSystems[2]);
    EXPECT_TRUE(TNameFilter("ωmega").Matches("Ωmega.文書"));
    EXPECT_TRUE(TNameFilter("文*ω").Matches(".文書Ω"));
}

TEST_F(FarEastTest, ExtensionAndClassWithNamesBeyondAsciiAreScannedAndFound) {
    for (const System& system : kSystems) {
        SCOPED_TRACE(std::string(system.version) + " " + system.cls);
        fake::ResetRegistry();
        Use(system);
        PutString(system.ext, "", system.cls);
        PutString(system.cls, "", "Described " + system.cls);
        PutString(".txt", "", "txtfile");
        ASSERT_TRUE(HasKey(system.ext)); // one key at the root, not "." below ".\x83"
        if (system.dbcs) {
            // The ANSI name with its 0x5C is the same key.
            HKEY key = nullptr;
            ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, ".\x83\x5C", 0, KEY_READ, &key),
                      ERROR_SUCCESS);
            RegCloseKey(key);
        }

        TStringList extensions;
        GetExtensions(extensions);
        // Sorted as the system sorts: kana and ideographs after the letters.
        const bool first = system.ext == ".ä";
        EXPECT_EQ(extensions.Items(), (first ? std::vector<std::string>{system.ext, ".txt"}
                                             : std::vector<std::string>{".txt", system.ext}));
        EXPECT_TRUE(ExtensionExists(system.ext));
        EXPECT_TRUE(FileClassExists(system.cls));
        EXPECT_EQ(GetExtensionClass(system.ext), system.cls);
        EXPECT_EQ(GetClassDescription(system.cls), "Described " + system.cls);

        TFileClass index;
        const TScanResult found = ScanFileClasses(index);
        EXPECT_EQ(found.Extensions, 2);
        EXPECT_EQ(found.Classes, 2);
        TStringList filed;
        index.GetClassExtensions(system.cls, filed);
        EXPECT_EQ(filed.Items(), (std::vector<std::string>{system.ext}));
    }
}

TEST_F(FarEastTest, SettingsFileAndGuideLieInTheProgramsFolder) {
    // The guide's link keeps the names' characters as they are.
    const struct {
        std::string exe;
        std::string settings;
        std::string guideUrl;
    } cases[] = {
        {"C:\\" + kSo + "\\corvix.exe", "C:\\" + kSo + "\\settings.ini",
         "file:///C:/" + kSo + "/Corvix.html#a"},
        {"C:\\Tools\\" + kSo + kPo + ".exe", "C:\\Tools\\settings.ini",
         "file:///C:/Tools/Corvix.html#a"},
        {"C:\\" + kMi + "\\" + kSo + ".exe", "C:\\" + kMi + "\\settings.ini",
         "file:///C:/" + kMi + "/Corvix.html#a"},
        {"\\\\" + kSo + "\\" + kMi + " " + kSo + "\\c.exe",
         "\\\\" + kSo + "\\" + kMi + " " + kSo + "\\settings.ini",
         "file://" + kSo + "/" + kMi + "%20" + kSo + "/Corvix.html#a"},
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

TEST_F(FarEastTest, JournalKeepsAndRestoresNamesBeyondAscii) {
    const std::string path = testing::TempDir() + "corvix-far-east-undo.log";
    for (const System& system : kSystems) {
        SCOPED_TRACE(std::string(system.version) + " " + system.cls);
        fake::ResetRegistry();
        Use(system);
        std::remove(path.c_str());
        static const System* current;
        current = &system;
        // The extension with a subkey whose name ends in 0x5C in code page 932
        // too, and values so named.
        PutString(system.ext, "", system.cls);
        PutString(system.ext + "\\" + system.sub + "\\" + system.other, system.value,
                  "x " + system.cls);
        PutString(system.ext + "\\ShellNew", "", "");
        PutString(system.cls, "", "Described");
        // Two keys whose names differ only in a second byte of code page 932:
        // restoring one keeps the other.
        PutString(system.sibling1, "", "afile");
        PutString(system.sibling2, "", "difile");
        const struct {
            const char* name;
            void (*change)(TRegistryWriter&);
        } commands[] = {
            {"Associate",
             [](TRegistryWriter& w) {
                 AssociateExtension(w, current->ext, current->cls + "2", true);
             }},
            {"Dissociate", [](TRegistryWriter& w) { DissociateExtension(w, current->ext); }},
            {"Delete", [](TRegistryWriter& w) { DeleteExtension(w, current->ext); }},
            {"New",
             [](TRegistryWriter& w) { AssociateExtension(w, current->other, current->cls, true); }},
            {"Class", [](TRegistryWriter& w) { DeleteFileClass(w, current->cls); }},
            {"Sibling", [](TRegistryWriter& w) { DeleteExtension(w, current->sibling1); }},
            {"Sibling value",
             [](TRegistryWriter& w) { DissociateExtension(w, current->sibling2); }},
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
    }
    std::remove(path.c_str());
}
