// Saving the settings file when moving the new file into place fails: on
// every system the user's settings must survive, under their own name when
// the old file could be put back, else in the file renamed aside, where the
// next start finds them.
#include "association/DataType.h"
#include "association/RegistryWriter.h"
#include "association/UndoJournal.h"
#include "platform/FakeControl.h"
#include "support/Exception.h"
#include "support/ZQIniFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string TextOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The files of a folder by name, with their contents.
std::map<std::string, std::string> FilesOf(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder))
        files[entry.path().filename().string()] = TextOf(entry.path());
    return files;
}

const std::string kOld = "[config]\r\nStartupScan=1\r\n";
const std::string kNew = "[config]\r\nStartupScan=0\r\n";

} // namespace

TEST(SettingsSaveFault, AFailedMoveNeverLosesTheSettings) {
    const struct {
        const char* system;
        std::vector<int> failingMoves; // numbers of the moves that fail
        bool saved;
        // The folder afterwards: settings.ini and any other file, by contents;
        // "<temp>" stands for the temporary file holding the new contents.
        std::map<std::string, std::string> files;
        std::string stale; // a file settings.ini.old left from before, or empty
    } cases[] = {
        {"win2k", {}, true, {{"settings.ini", kNew}}, ""},
        {"win2k", {1}, false, {{"settings.ini", kOld}}, ""},
        {"win98", {}, true, {{"settings.ini", kNew}}, ""},
        {"win95", {1}, false, {{"settings.ini", kOld}}, ""}, // renaming aside
        {"win98", {2}, false, {{"settings.ini", kOld}}, ""}, // moving in: put back
        {"winme", {2, 3}, false, {{"settings.ini.old", kOld}, {"<temp>", kNew}}, ""},
        {"win98", {}, true, {{"settings.ini", kNew}, {"settings.ini.old", "x"}}, "x"},
        {"win98", {2}, false, {{"settings.ini", kOld}, {"settings.ini.old", "x"}}, "x"},
    };
    int n = 0;
    for (const auto& c : cases) {
        const fs::path folder =
            fs::temp_directory_path() /
            ("corvix-save-" +
             std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + "-" +
             std::to_string(++n));
        fs::create_directories(folder);
        const fs::path file = folder / "settings.ini";
        std::ofstream(file, std::ios::binary) << kOld;
        if (!c.stale.empty())
            std::ofstream(folder / "settings.ini.old", std::ios::binary) << c.stale;

        fake::ResetRegistry();
        fake::SetVersion(c.system);
        for (int move : c.failingMoves)
            fake::FailMove(move);
        bool saved = true;
        try {
            TZQIniFile(file.string()).WriteBool("config", "StartupScan", false);
        } catch (const Exception& e) {
            saved = false;
            EXPECT_EQ(e.Message(), "nach " + file.string() + " kann nicht geschrieben werden");
        }
        EXPECT_EQ(saved, c.saved) << c.system << " case " << n;

        std::map<std::string, std::string> files = FilesOf(folder);
        std::map<std::string, std::string> expected = c.files;
        if (expected.erase("<temp>")) {
            // The temporary file keeps its own name; only its contents count.
            for (auto it = files.begin(); it != files.end(); ++it)
                if (it->first.rfind("settings.ini.", 0) == 0 && it->second == kNew) {
                    files.erase(it);
                    break;
                }
        }
        EXPECT_EQ(files, expected) << c.system << " case " << n;
        fs::remove_all(folder);
    }
    fake::ResetRegistry();
}

// A save cut off between renaming the old file aside and moving the new one
// in leaves the settings and the undo journal only renamed aside; the next
// start reads them back (the newest, past a stale one) under their own names.
TEST(SettingsSaveFault, FilesLeftRenamedAsideAreReadBack) {
    const fs::path folder = fs::temp_directory_path() / "corvix-left-aside";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string ini = (folder / "settings.ini").string();
    const std::string log = (folder / "undo.log").string();
    fake::ResetRegistry();
    fake::SetVersion("win98");
    std::ofstream(ini, std::ios::binary) << kOld;
    std::ofstream(ini + ".old", std::ios::binary) << "stale";
    fake::FailMove(2); // moving the new file in
    fake::FailMove(3); // putting the old one back
    EXPECT_THROW(TZQIniFile(ini).WriteBool("config", "StartupScan", false), Exception);
    ASSERT_FALSE(fs::exists(ini));
    EXPECT_TRUE(TZQIniFile(ini).ReadBool("config", "StartupScan", false));
    EXPECT_EQ(TextOf(ini), kOld);
    EXPECT_EQ(TextOf(ini + ".old"), "stale");

    // The journal, when keeping it to its bounds is cut off the same way.
    TJournalLimits limits;
    limits.MaxEntries = 2;
    {
        TUndoJournal journal(log, limits);
        for (const char* ext : {".a", ".b"}) {
            TRegistryWriter writer(&journal, ext);
            AssociateExtension(writer, ext, "x", true);
        }
        fake::FailMove(2);
        fake::FailMove(3);
        TRegistryWriter writer(&journal, ".c");
        EXPECT_THROW(AssociateExtension(writer, ".c", "x", true), EJournalError);
    }
    ASSERT_FALSE(fs::exists(log));
    TUndoJournal journal(log, limits);
    EXPECT_EQ(journal.TakeDamageReport(), "");
    EXPECT_EQ(journal.Count(), 2u);
    EXPECT_EQ(journal.LastName(), ".b");
    EXPECT_TRUE(fs::exists(log));
    fs::remove_all(folder);
    fake::ResetRegistry();
}
