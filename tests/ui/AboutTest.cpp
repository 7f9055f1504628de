// The version record of the program and the about box built from it: both
// styles, a record without texts, short and long comments.
#include <fstream>

#include "CorvixVersion.h" // generated from VERSION
#include "UiTestSupport.h"
#include "controls/ZQDialogs.h"
#include "support/ErrorOf.h"
#include "support/ZQFileVersion.h"
#include "support/ZQIniFiles.h"

namespace {

std::string ThisProgram() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

int Bottom(const TWindow& w) {
    return w.Top() + w.Height();
}
int Right(const TWindow& w) {
    return w.Left() + w.Width();
}

class AboutTest : public testing::Test {
protected:
    std::string PlainFile() {
        const std::string path = folder_.File("plain.txt");
        std::ofstream(path) << "no version record here";
        return path;
    }
    // A box filled and shown as Execute does it.
    std::unique_ptr<TZQAboutDlg> Shown(const TZQAboutDialog& component) {
        auto box = std::make_unique<TZQAboutDlg>();
        component.Fill(*box);
        box->Show();
        return box;
    }
    TempFolder folder_;
    ScriptedDialogs dialogs_;
};

} // namespace

TEST_F(AboutTest, VersionRecordOfTheProgramHasTheTwelveStrings) {
    TStringList list;
    list.Add("stale");
    GetFileVersionStrings(ThisProgram(), list);
    EXPECT_EQ(list.Items(),
              (std::vector<std::string>{
                  "Corvix", "Corvix - Adaptation of Extensions", CORVIX_FILE_VERSION, "corvix",
                  "Copyright © 2026 Corvix", "", "corvix.exe", "Corvix", CORVIX_PRODUCT_VERSION,
                  "Inspects and repairs the file name extension associations of Windows.",
                  "http://www.corvix.de", "support@corvix.de"}));

    // Files without a record: the error names the file; the list is emptied.
    const std::string plain = PlainFile();
    for (const std::string& file : {plain, folder_.File("missing.exe")}) {
        EXPECT_EQ(ErrorOf<ZQException>([&] { GetFileVersionStrings(file, list); }),
                  "'" + file + "' contains no versioninformation.");
        EXPECT_EQ(list.Count(), 0);
    }
}

TEST_F(AboutTest, ComponentTakesItsTextsFromTheRecord) {
    TZQAboutDialog about;
    EXPECT_TRUE(about.VersionAvailable());
    EXPECT_EQ(about.ProductName(), "Corvix");
    EXPECT_EQ(about.Version(), CORVIX_FILE_VERSION);
    EXPECT_EQ(about.Copyright(), "Copyright © 2026 Corvix");
    EXPECT_EQ(about.Homepage, "http://www.corvix.de");
    EXPECT_EQ(about.Email, "support@corvix.de");
    EXPECT_EQ(about.DialogStyle, dsModern);
    about.SetShowFileVer(false);
    EXPECT_EQ(about.Version(), CORVIX_PRODUCT_VERSION);
    about.SetShowFileVer(true);
    EXPECT_EQ(about.Version(), CORVIX_FILE_VERSION);

    TZQAboutDialog none(PlainFile());
    EXPECT_FALSE(none.VersionAvailable());
    EXPECT_EQ(none.ProductName(), Application.Title());
    EXPECT_EQ(none.Version(), "");
    EXPECT_EQ(none.Email, "");
}

TEST_F(AboutTest, LayoutOfBothStyles) {
    for (TZQAboutDlgStyle style : {dsClassic, dsModern}) {
        SCOPED_TRACE(style == dsClassic ? "classic" : "modern");
        TZQAboutDialog about;
        about.DialogStyle = style;
        auto box = Shown(about);
        TZQAboutDlg& b = *box;
        EXPECT_EQ(b.Text(), "Info");
        EXPECT_EQ(b.AppIconImg.Bounds(), (TBounds{8, 8, 32, 32}));
        EXPECT_NE(b.AppIconImg.Icon(), nullptr);
        for (TLabel* caption :
             {&b.ProductL, &b.VersionL, &b.LegalCopyrightL, &b.HomepageL, &b.EmailL})
            EXPECT_TRUE(caption->FontBold()) << caption->Text();
        EXPECT_EQ(b.ProductL.Text(), "Produktname:");
        EXPECT_EQ(b.LegalCopyrightL.Text(), "Copyright:");
        if (style == dsClassic) {
            EXPECT_TRUE(b.ProductL.Visible());
            EXPECT_EQ(b.ProductL.Bounds().left, 56);
            EXPECT_EQ(b.AppProductnameL.Bounds().left, 144);
            EXPECT_EQ(b.AppProductnameL.Top(), 8);
            EXPECT_EQ(b.AppProductnameL.TextStyle(), tsNone);
            EXPECT_EQ(b.AppVersionL.Top(), 8 + b.AppProductnameL.Height() + 8);
            EXPECT_EQ(b.VersionL.Top(), b.AppVersionL.Top());
            EXPECT_EQ(b.AppVersionL.Left(), 144);
        } else {
            EXPECT_FALSE(b.ProductL.Visible());
            EXPECT_FALSE(b.VersionL.Visible());
            EXPECT_EQ(b.AppProductnameL.Left(), 56);
            EXPECT_EQ(b.AppProductnameL.Top(), 16);
            EXPECT_EQ(b.AppProductnameL.FontSize(), 12);
            EXPECT_EQ(b.AppProductnameL.TextStyle(), tsHeavyRaised);
            EXPECT_EQ(b.AppVersionL.TextStyle(), tsHeavyLowered);
            EXPECT_EQ(b.AppVersionL.Top(), 16 + b.AppProductnameL.Height() + 1);
            EXPECT_EQ(b.AppVersionL.Left(),
                      std::max(b.AppProductnameL.Left(),
                               Right(b.AppProductnameL) - b.AppVersionL.Width()));
        }
        // The rows below, captions at 8 and values at 80, beside each other.
        EXPECT_EQ(b.AppCopyrightL.Top(), Bottom(b.AppVersionL) + 8);
        EXPECT_EQ(b.AppHomepageL.Top(), b.AppCopyrightL.Top() + b.LegalCopyrightL.Height() + 8);
        EXPECT_EQ(b.AppEmailL.Top(), b.AppHomepageL.Top() + b.HomepageL.Height() + 3);
        for (TWindow* caption :
             {static_cast<TWindow*>(&b.LegalCopyrightL), static_cast<TWindow*>(&b.HomepageL),
              static_cast<TWindow*>(&b.EmailL)})
            EXPECT_EQ(caption->Left(), 8);
        EXPECT_EQ(b.AppCopyrightL.Left(), 80);
        EXPECT_EQ(b.AppHomepageL.Url(), "http://www.corvix.de");
        EXPECT_EQ(b.AppEmailL.Url(), "mailto:support@corvix.de");
        EXPECT_FALSE(b.AppEmailL.NewWindow());
        // Separator, the long comment across the box, the button below it.
        const int width = b.ClientWidth();
        EXPECT_EQ(b.Bevel1.Top(), Bottom(b.AppEmailL) + 8);
        EXPECT_EQ(b.Bevel1.Width(), width - 8);
        EXPECT_EQ(b.AppCommentL.Top(), Bottom(b.Bevel1) + 8);
        EXPECT_LE(b.AppCommentL.Width(), width - 16);
        EXPECT_GT(b.AppCommentL.Height(), LineHeight()); // wrapped
        EXPECT_EQ(b.OKBtn.Top(), Bottom(b.AppCommentL) + 8);
        EXPECT_EQ(Right(b.OKBtn), width - 8);
        EXPECT_EQ(b.ClientHeight(), Bottom(b.OKBtn) + 8);
        const int widest =
            std::max({Right(b.AppProductnameL), Right(b.AppVersionL), Right(b.AppCopyrightL),
                      Right(b.AppHomepageL), Right(b.AppEmailL)});
        EXPECT_EQ(width, std::max(widest + 8, b.OKBtn.Width() + 16));
        EXPECT_EQ(b.Left(), (GetSystemMetrics(SM_CXSCREEN) - b.Width()) / 2);
        EXPECT_EQ(b.Top(), (GetSystemMetrics(SM_CYSCREEN) - b.Height()) / 2);
    }
}

TEST_F(AboutTest, WithoutARecordOnlyTheProductNameAndTheEmailShow) {
    for (bool withEmail : {false, true}) {
        TZQAboutDialog about(PlainFile());
        about.DialogStyle = dsClassic;
        if (withEmail)
            about.Email = "support@corvix.de";
        auto box = Shown(about);
        TZQAboutDlg& b = *box;
        EXPECT_EQ(b.AppProductnameL.Text(), Application.Title());
        for (TWindow* hidden :
             {static_cast<TWindow*>(&b.AppVersionL), static_cast<TWindow*>(&b.VersionL),
              static_cast<TWindow*>(&b.AppCopyrightL), static_cast<TWindow*>(&b.LegalCopyrightL),
              static_cast<TWindow*>(&b.AppHomepageL), static_cast<TWindow*>(&b.HomepageL),
              static_cast<TWindow*>(&b.AppCommentL), static_cast<TWindow*>(&b.Bevel1)})
            EXPECT_FALSE(hidden->Visible()) << hidden->Name();
        EXPECT_EQ(b.AppEmailL.Visible(), withEmail);
        EXPECT_EQ(b.EmailL.Visible(), withEmail);
        // The button sits 8 pixels below the last row shown (the icon's when none).
        const int last = withEmail ? Bottom(b.AppEmailL) : Bottom(b.AppIconImg);
        EXPECT_EQ(b.OKBtn.Top(), last + 8);
        EXPECT_EQ(b.ClientHeight(), Bottom(b.OKBtn) + 8);
    }
}

TEST_F(AboutTest, AShortCommentLeavesTheButtonBesideIt) {
    TZQAboutDialog about;
    about.Info = "Hi";
    about.Homepage = "";
    auto box = Shown(about);
    TZQAboutDlg& b = *box;
    EXPECT_FALSE(b.AppHomepageL.Visible());
    EXPECT_EQ(b.AppEmailL.Top(), b.AppCopyrightL.Top() + b.LegalCopyrightL.Height() + 8);
    EXPECT_EQ(b.OKBtn.Top(), b.AppCommentL.Top());
    EXPECT_LT(Right(b.AppCommentL) + 8, b.OKBtn.Left());
    EXPECT_EQ(b.ClientHeight(), Bottom(b.OKBtn) + 8);
}

TEST_F(AboutTest, AHomepageThatIsNoLinkIsRefused) {
    TZQAboutDialog about;
    about.Homepage = "corvix.de";
    TZQAboutDlg box;
    EXPECT_EQ(ErrorOf<ZQException>([&] { about.Fill(box); }),
              "'corvix.de' is not a valid linkaddress.");
}

TEST_F(AboutTest, InfoMenuItemShowsTheClassicBox) {
    ScriptedDialogs* script = &dialogs_;
    TempFolder settings;
    TZQIniFile(settings.File("settings.ini")).WriteBool("config", "VersionWarn", false);
    TMainForm main(settings.File("settings.ini"));
    std::string caption, product;
    script->ExpectModal([&](TForm& form) {
        auto& box = dynamic_cast<TZQAboutDlg&>(form);
        form.Show();
        caption = form.Text();
        EXPECT_EQ(box.DialogStyle(), dsClassic);
        EXPECT_TRUE(box.ProductL.Visible());
        EXPECT_EQ(box.AppEmailL.Text(), "support@corvix.de");
        return static_cast<int>(mrOk);
    });
    main.InfoItem.Click();
    EXPECT_EQ(caption, "Info");
    EXPECT_EQ(main.InfoItem.Caption(), "&Info ...");
}
