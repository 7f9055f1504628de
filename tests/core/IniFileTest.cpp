#include "support/ZQIniFiles.h"

#include "support/Exception.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

// A fresh folder under the system's temporary folder, removed afterwards.
class IniFileTest : public testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        dir_ = fs::temp_directory_path() /
               ("corvix-ini-" + std::to_string(stamp) + "-" + std::to_string(++counter));
        fs::create_directories(dir_);
        path_ = (dir_ / "settings.ini").string();
    }
    void TearDown() override {
        std::error_code ignored;
        if (fs::exists(path_, ignored))
            fs::permissions(path_, fs::perms::owner_write, fs::perm_options::add, ignored);
        fs::remove_all(dir_, ignored);
    }

    std::string FileText() const {
        std::ifstream in(path_, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void PutFileText(const std::string& text) const {
        std::ofstream(path_, std::ios::binary) << text;
    }
    size_t FilesInFolder() const {
        size_t n = 0;
        for (auto it = fs::directory_iterator(dir_); it != fs::directory_iterator(); ++it)
            ++n;
        return n;
    }

    fs::path dir_;
    std::string path_;
};

// The message of the write error for `path`, or "" when nothing was raised.
template <typename F> std::string WriteError(F write) {
    try {
        write();
    } catch (const Exception& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST_F(IniFileTest, MissingFileGivesDefaultsAndTheFirstWriteCreatesIt) {
    TZQIniFile ini(path_);
    EXPECT_EQ(ini.FileName(), path_);
    EXPECT_EQ(ini.ReadString("MainForm", "LastExt", ""), "");
    EXPECT_EQ(ini.ReadString("MainForm", "LastExt", ".txt"), ".txt");
    EXPECT_EQ(ini.ReadInteger("MainForm", "Top", 42), 42);
    EXPECT_TRUE(ini.ReadBool("config", "StartupScan", true));
    EXPECT_FALSE(ini.ReadBool("config", "AllowMods", false));
    EXPECT_FALSE(fs::exists(path_)); // reading creates nothing

    ini.WriteBool("config", "StartupScan", false);
    ini.WriteInteger("MainForm", "Top", -12);
    ini.WriteString("MainForm", "LastExt", ".htm");
    ini.WriteBool("config", "AllowMods", true);
    EXPECT_EQ(FileText(), "[config]\r\nStartupScan=0\r\nAllowMods=1\r\n\r\n"
                          "[MainForm]\r\nTop=-12\r\nLastExt=.htm\r\n");

    // Every read goes to the file: a second object sees the values at once.
    TZQIniFile other(path_);
    EXPECT_FALSE(other.ReadBool("config", "StartupScan", true));
    EXPECT_EQ(other.ReadInteger("MainForm", "Top", 0), -12);
    EXPECT_EQ(other.ReadInteger("config", "AllowMods", 0), 1);
    EXPECT_EQ(other.ReadString("MainForm", "LastExt", ""), ".htm");
}

TEST_F(IniFileTest, RewritesAKeyInPlaceAndMatchesNamesIgnoringCase) {
    TZQIniFile ini(path_);
    ini.WriteString("MainForm", "LastClass", "txtfile");
    ini.WriteString("ActionForm", "Top", "5");
    ini.WriteString("mainform", "LASTCLASS", "htmlfile");
    EXPECT_EQ(ini.ReadString("MAINFORM", "lastclass", ""), "htmlfile");
    EXPECT_EQ(ini.ReadString("MainForm", "Top", "none"), "none"); // keys belong to sections
    EXPECT_EQ(FileText(), "[MainForm]\r\nLastClass=htmlfile\r\n\r\n[ActionForm]\r\nTop=5\r\n");

    // A key present with an empty value: empty text, but the default number.
    ini.WriteString("config", "SaveMode", "");
    EXPECT_EQ(ini.ReadString("config", "SaveMode", "x"), "");
    EXPECT_EQ(ini.ReadInteger("config", "SaveMode", 7), 7);
    EXPECT_TRUE(ini.ReadBool("config", "SaveMode", true));
}

TEST_F(IniFileTest, ReadsAHandWrittenFileAndKeepsItsOtherLines) {
    PutFileText("; Corvix settings\n"
                "  [ config ]  \n"
                "StartupScan = 0\n"
                "Tab\n"
                "VersionWarn=0\n"
                "VersionWarn=1\n"
                "\n"
                "[MainForm]\r\n"
                "Top=\t10 \r\n");
    TZQIniFile ini(path_);
    EXPECT_FALSE(ini.ReadBool("config", "StartupScan", true));
    EXPECT_EQ(ini.ReadString("config", "Tab", "x"), "");       // a key without "="
    EXPECT_FALSE(ini.ReadBool("config", "VersionWarn", true)); // the first one counts
    EXPECT_EQ(ini.ReadInteger("MainForm", "Top", 0), 10);
    EXPECT_EQ(ini.ReadString("config", "; Corvix settings", "none"), "none");

    // A new key goes to the end of its section, before the blank line.
    ini.WriteInteger("config", "AllowMods", 1);
    ini.WriteInteger("MainForm", "Top", 20);
    EXPECT_EQ(FileText(), "; Corvix settings\r\n"
                          "  [ config ]  \r\n"
                          "StartupScan = 0\r\n"
                          "Tab\r\n"
                          "VersionWarn=0\r\n"
                          "VersionWarn=1\r\n"
                          "AllowMods=1\r\n"
                          "\r\n"
                          "[MainForm]\r\n"
                          "Top=20\r\n");
}

TEST_F(IniFileTest, IntegerAndBooleanTexts) {
    PutFileText("[n]\r\nhex=0X10\r\nhex2=0x1F\r\ndollar=$1f\r\nplain=12\r\nneg=-12\r\n"
                "plus=+7\r\nbare=0x\r\nbadhex=0x1G\r\nyes=yes\r\ntrue=true\r\nfrac=1.5\r\n"
                "min=-2147483648\r\nover=2147483648\r\nallbits=$FFFFFFFF\r\nzero=0\r\n"
                "inner=1 2\r\nsign=-\r\n");
    TZQIniFile ini(path_);
    EXPECT_EQ(ini.ReadInteger("n", "hex", -1), 16);
    EXPECT_EQ(ini.ReadInteger("n", "hex2", -1), 31);
    EXPECT_EQ(ini.ReadInteger("n", "dollar", -1), 31);
    EXPECT_EQ(ini.ReadInteger("n", "plain", -1), 12);
    EXPECT_EQ(ini.ReadInteger("n", "neg", -1), -12);
    EXPECT_EQ(ini.ReadInteger("n", "plus", -1), 7);
    EXPECT_EQ(ini.ReadInteger("n", "min", -1), INT32_MIN);
    EXPECT_EQ(ini.ReadInteger("n", "allbits", 0), -1);
    for (const char* key : {"bare", "badhex", "yes", "true", "frac", "over", "inner", "sign"})
        EXPECT_EQ(ini.ReadInteger("n", key, 99), 99) << key;

    EXPECT_TRUE(ini.ReadBool("n", "hex", false));
    EXPECT_FALSE(ini.ReadBool("n", "zero", true));
    EXPECT_TRUE(ini.ReadBool("n", "neg", false));
    for (const char* key : {"yes", "true", "bare"}) {
        EXPECT_TRUE(ini.ReadBool("n", key, true)) << key;
        EXPECT_FALSE(ini.ReadBool("n", key, false)) << key;
    }
    ini.WriteBool("n", "flag", true);
    EXPECT_EQ(ini.ReadInteger("n", "flag", 0), 1);
}

TEST_F(IniFileTest, LongValuesReadBackCutAndLineBreaksStayInTheirValue) {
    TZQIniFile ini(path_);
    std::string value(1500, 'v');
    value[1022] = 'e';
    ini.WriteString("MainForm", "LastClass", value);
    EXPECT_EQ(ini.ReadString("MainForm", "LastClass", ""), value.substr(0, 1023));

    // A value with a line break must not add keys or sections of its own.
    ini.WriteString("MainForm", "LastExt", ".a\r\n[config]\r\nAllowMods=1");
    EXPECT_EQ(ini.ReadString("MainForm", "LastExt", ""), ".a");
    EXPECT_FALSE(ini.ReadBool("config", "AllowMods", false));
}

TEST_F(IniFileTest, ReadOnlyFileRaisesTheWriteErrorAndKeepsItsContents) {
    TZQIniFile ini(path_);
    ini.WriteInteger("MainForm", "Top", 1);
    const std::string before = FileText();
    fs::permissions(path_,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);

    EXPECT_EQ(WriteError([&] { ini.WriteInteger("MainForm", "Top", 2); }),
              "nach " + path_ + " kann nicht geschrieben werden");
    EXPECT_EQ(WriteError([&] { ini.WriteBool("config", "AllowMods", true); }),
              "nach " + path_ + " kann nicht geschrieben werden");
    EXPECT_EQ(FileText(), before);
    EXPECT_EQ(FilesInFolder(), 1u); // no temporary file left behind
    EXPECT_EQ(ini.ReadInteger("MainForm", "Top", 0), 1);
}

TEST_F(IniFileTest, UnreadableOrUnreachableFileGivesDefaultsAndRaisesOnWrite) {
    // The path names a folder: nothing can be read from or written to it.
    fs::create_directory(path_);
    TZQIniFile folder(path_);
    EXPECT_EQ(folder.ReadString("MainForm", "LastExt", "d"), "d");
    EXPECT_EQ(folder.ReadInteger("MainForm", "Top", 3), 3);
    EXPECT_EQ(WriteError([&] { folder.WriteString("MainForm", "LastExt", ".x"); }),
              "nach " + path_ + " kann nicht geschrieben werden");
    EXPECT_TRUE(fs::is_directory(path_));

    // The folder of the file doesn't exist.
    const std::string missing = (dir_ / "absent" / "settings.ini").string();
    TZQIniFile nowhere(missing);
    EXPECT_TRUE(nowhere.ReadBool("config", "StartupScan", true));
    EXPECT_EQ(WriteError([&] { nowhere.WriteBool("config", "StartupScan", false); }),
              "nach " + missing + " kann nicht geschrieben werden");
    EXPECT_FALSE(fs::exists(dir_ / "absent"));
}

TEST(SettingsFile, LiesInTheFolderOfTheExecutable) {
    // The folder the build put the test program in, as this system names it
    // (under Wine the build's folders are on drive Z:).
    std::string folder = CORVIX_TEST_BINARY_DIR;
#ifdef _WIN32
    if (!folder.empty() && folder[0] == '/') {
        for (char& c : folder)
            c = c == '/' ? '\\' : c;
        folder = "Z:" + folder;
    }
#endif
    const std::string path = SettingsFilePath();
    const std::string name = "settings.ini";
    ASSERT_GT(path.size(), name.size());
    EXPECT_EQ(path.substr(path.size() - name.size()), name);
    const std::string shownFolder = path.substr(0, path.size() - name.size());
    EXPECT_TRUE(shownFolder.back() == '\\' || shownFolder.back() == '/') << path;
#ifdef _WIN32
    // Wine's file identities can't tell folders apart; names are compared
    // as Windows does, without regard to case.
    std::string a = shownFolder, b = folder + "\\";
    for (std::string* s : {&a, &b})
        for (char& c : *s)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(a, b) << path << " is not in " << folder;
#else
    std::error_code error;
    EXPECT_TRUE(fs::equivalent(shownFolder, folder, error)) << path << " is not in " << folder;
#endif
}
