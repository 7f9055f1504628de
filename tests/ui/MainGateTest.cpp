// The modification gate: the decision taken when the main window is created,
// under the Windows version Wine pretends, and the two questions commands ask.
#include <cstdlib>

#include "UiTestSupport.h"

namespace {

struct TGateCase {
    const char* winver;
    const char* systemName; // null: Windows 2000, no warning
};

const TGateCase kGateCases[] = {
    {"win95", " Windows 95"}, {"win98", "Windows 98SE"}, {"winme", "Windows ME"},
    {"nt40", "Windows NT"},   {"win2k", nullptr},        {"winxp", "Whistler"},
    {"win2003", "Unknown"},   {"win7", "Unknown"},
};

} // namespace

TEST_F(MainWindowTest, GateTableOnWindowsVersion) {
    const char* winver = std::getenv("CORVIX_EXPECT_WINVER");
    if (!winver)
        GTEST_SKIP() << "CORVIX_EXPECT_WINVER is not set";
    const TGateCase* expected = nullptr;
    for (const TGateCase& c : kGateCases)
        if (std::string(c.winver) == winver)
            expected = &c;
    ASSERT_NE(expected, nullptr) << "no expectation for " << winver;

    // Defaults: no run may change anything; the warning shows on every
    // system but Windows 2000.
    if (expected->systemName)
        dialogs_.Expect(TDialogKind::Warning, mbOK, mrOk);
    EXPECT_FALSE(Create().Commands().AllowChanges());
    if (expected->systemName) {
        ASSERT_EQ(dialogs_.Asked().size(), 1u);
        EXPECT_EQ(dialogs_.Asked()[0].caption, "Warnung");
        EXPECT_EQ(dialogs_.Asked()[0].text, UntestedSystemWarning(expected->systemName));
        if (std::string(winver) == "win95") {
            EXPECT_EQ(dialogs_.Asked()[0].text.find("tested with  Windows 95, so"), 21u);
        }
    } else {
        EXPECT_TRUE(dialogs_.Asked().empty());
    }

    // "AllowMods" opens the gate after the warning; without the warning it
    // is not even read. On Windows 2000 only "SaveMode" counts.
    Set("config", "AllowMods", "1");
    if (expected->systemName)
        dialogs_.Expect(TDialogKind::Warning, mbOK, mrOk);
    EXPECT_EQ(Create().Commands().AllowChanges(), expected->systemName != nullptr);
    Set("config", "VersionWarn", "0");
    EXPECT_FALSE(Create().Commands().AllowChanges());
    Set("config", "SaveMode", "0");
    EXPECT_EQ(Create().Commands().AllowChanges(), expected->systemName == nullptr);
}

TEST(UntestedSystemWarning, TextOfTheWarning) {
    EXPECT_EQ(UntestedSystemWarning("Whistler"),
              "This program was not tested with Whistler, so there is just no possibility for "
              "you, to save any changes.\r\nMaybe there is just a new version of this program, "
              "which now can save changes to your OS.\r\nContact me at support@corvix.de");
}

TEST_F(MainWindowTest, CanModifyRefusesWithItsMessageAndConfirmAsksOnlyWhenWanted) {
    QuietGate();
    TMainForm& form = Create();
    dialogs_.Expect(TDialogKind::Plain, mbOK, mrOk);
    EXPECT_FALSE(form.Commands().CanModify());
    ASSERT_EQ(dialogs_.Asked().size(), 1u);
    EXPECT_EQ(dialogs_.Asked()[0].caption, "Corvix - Adaptation of Extensions");
    EXPECT_EQ(dialogs_.Asked()[0].text,
              "You checked, that no changes should be done.\r\nPlease watch the "
              "configurationdialog.");
    form.Commands().SetAllowChanges(true);
    EXPECT_TRUE(form.Commands().CanModify());

    form.Commands().Settings().AlwaysAsk = false;
    EXPECT_TRUE(form.Commands().Confirm("Are you sure?"));
    EXPECT_EQ(dialogs_.Asked().size(), 1u);
    form.Commands().Settings().AlwaysAsk = true;
    // A question before a change offers Yes and No; closing it is No.
    dialogs_.Expect(TDialogKind::Confirmation, mbYes | mbNo, mrYes);
    dialogs_.Expect(TDialogKind::Confirmation, mbYes | mbNo, mrNo);
    EXPECT_TRUE(form.Commands().Confirm("Are you sure?"));
    EXPECT_FALSE(form.Commands().Confirm("Are you sure?"));
    EXPECT_EQ(dialogs_.Asked().back().caption, "Bestätigen");
    EXPECT_EQ(dialogs_.Asked().back().text, "Are you sure?");
}
