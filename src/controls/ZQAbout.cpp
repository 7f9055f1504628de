#include "controls/ZQAbout.h"

#include <algorithm>

#include "../../res/resource.h"
#include "toolkit/Application.h"
#include "toolkit/DesignScale.h"
#include "toolkit/SystemWindows.h"

const char* const AboutTexts[7] = {
    "Info", "Produktname:", "Version:", "Copyright:", "Homepage:", "E-mail:", "OK"};

namespace {

enum { kInfo, kProduct, kVersion, kCopyright, kHomepage, kEmail, kOK };

// Sets a label's caption only when it differs (a link label's link follows).
template <typename L> bool Change(L& label, const std::string& text) {
    if (label.Text() == text)
        return false;
    label.SetText(text);
    return true;
}

} // namespace

TZQAboutDlg::TZQAboutDlg()
    : TForm({"ZQAboutDlg", "", 0, 0, TBorderStyle::Dialog, nullptr, 290, 167,
             TPosition::ScreenCenter}) {
    CreateControls({
        {&AppIconImg, "AppIconImg", "", {8, 8, 32, 32}},
        {&ProductL, "ProductL", "", {56, 8, 0, 13}},
        {&AppProductnameL, "AppProductnameL", "", {144, 8, 0, 13}},
        {&VersionL, "VersionL", "", {56, 28, 0, 13}},
        {&AppVersionL, "AppVersionL", "", {144, 28, 0, 13}},
        {&LegalCopyrightL, "LegalCopyrightL", "", {8, 56, 0, 13}},
        {&AppCopyrightL, "AppCopyrightL", "", {80, 56, 0, 13}},
        {&HomepageL, "HomepageL", "", {8, 77, 0, 13}},
        {&AppHomepageL, "AppHomepageL", "", {80, 77, 0, 13}},
        {&EmailL, "EmailL", "", {8, 93, 0, 13}},
        {&AppEmailL, "AppEmailL", "", {80, 93, 0, 13}},
        {&Bevel1, "Bevel1", "", {4, 114, 282, 2}, this, "", TAlign::None, SS_ETCHEDHORZ},
        {&AppCommentL, "AppCommentL", "", {8, 124, 274, 13}},
        {&OKBtn, "OKBtn", "", {207, 134, 75, 25}},
    });
    for (TLabel* caption : {&ProductL, &VersionL, &LegalCopyrightL, &HomepageL, &EmailL})
        caption->SetFontStyle(true);
    ProductL.SetText(AboutTexts[kProduct]);
    VersionL.SetText(AboutTexts[kVersion]);
    LegalCopyrightL.SetText(AboutTexts[kCopyright]);
    HomepageL.SetText(AboutTexts[kHomepage]);
    EmailL.SetText(AboutTexts[kEmail]);
    OKBtn.SetText(AboutTexts[kOK]);
    SetTitle(AboutTexts[kInfo]);
    AppEmailL.SetNewWindow(false);
    AppCommentL.SetWordWrap(true);
    AppIconImg.SetIcon(TIconHandle(static_cast<HICON>(LoadProgramImage(
        ResourceId(IDI_MAINICON), IMAGE_ICON, 32 * BitmapScale(), 32 * BitmapScale(), 0))));
    OKBtn.SetModalResult(mrOk);
    SetDefaultButton(&OKBtn);
    SetCancelButton(&OKBtn);
    onShow = Handler(this, &TZQAboutDlg::FormShow);
}

void TZQAboutDlg::SetTitle(const std::string& title) {
    if (!title.empty() && title != Text())
        SetText(title);
}

void TZQAboutDlg::SetProductName(const std::string& text) {
    Change(AppProductnameL, text);
}

void TZQAboutDlg::SetVersion(const std::string& text) {
    Change(AppVersionL, text);
}

void TZQAboutDlg::SetCopyright(const std::string& text) {
    Change(AppCopyrightL, text);
}

void TZQAboutDlg::SetComment(const std::string& text) {
    Change(AppCommentL, text);
}

void TZQAboutDlg::SetHomepage(const std::string& text) {
    if (Change(AppHomepageL, text))
        AppHomepageL.SetUrl(text);
}

void TZQAboutDlg::SetEmail(const std::string& text) {
    if (Change(AppEmailL, text))
        AppEmailL.SetUrl("mailto:" + text);
}

void TZQAboutDlg::FormShow() {
    // Rows without a text are hidden, their captions with them.
    auto showIfText = [](TWindow& value, TWindow* caption) {
        const bool shown = !value.Text().empty();
        value.SetVisible(shown);
        if (caption)
            caption->SetVisible(shown);
        return shown;
    };
    const bool version = showIfText(AppVersionL, nullptr);
    const bool copyright = showIfText(AppCopyrightL, &LegalCopyrightL);
    const bool homepage = showIfText(AppHomepageL, &HomepageL);
    const bool email = showIfText(AppEmailL, &EmailL);
    const bool comment = showIfText(AppCommentL, &Bevel1);
    const int iconBottom = AppIconImg.Top() + AppIconImg.Height();

    // The gaps are design pixels, scaled to the screen.
    const int gap = Scaled(8);
    int y = 0;
    if (style_ == dsClassic) {
        AppProductnameL.SetFontStyle(false);
        AppProductnameL.SetTextStyle(tsNone);
        AppVersionL.SetTextStyle(tsNone);
        ProductL.SetVisible(true);
        ProductL.SetTop(gap);
        AppProductnameL.SetBounds(
            {Scaled(144), gap, AppProductnameL.Width(), AppProductnameL.Height()});
        y = gap + AppProductnameL.Height() + gap;
        VersionL.SetVisible(version);
        if (version) {
            VersionL.SetTop(y);
            AppVersionL.SetBounds({Scaled(144), y, AppVersionL.Width(), AppVersionL.Height()});
            y = AppVersionL.Top() + AppVersionL.Height() + gap;
        } else {
            y = iconBottom + gap;
        }
    } else {
        AppProductnameL.SetTextStyle(tsHeavyRaised);
        AppProductnameL.SetFontStyle(false, 12);
        ProductL.SetVisible(false);
        VersionL.SetVisible(false);
        AppVersionL.SetTextStyle(tsHeavyLowered);
        AppProductnameL.SetBounds(
            {Scaled(56), Scaled(16), AppProductnameL.Width(), AppProductnameL.Height()});
        y = Scaled(16) + AppProductnameL.Height() + Scaled(1);
        if (version) {
            // Right-aligned under the product name, never left of it.
            const int left =
                std::max(AppProductnameL.Left(),
                         AppProductnameL.Left() + AppProductnameL.Width() - AppVersionL.Width());
            AppVersionL.SetBounds({left, y, AppVersionL.Width(), AppVersionL.Height()});
            y = AppVersionL.Top() + AppVersionL.Height() + gap;
        } else {
            y = iconBottom + gap;
        }
    }

    // The widest shown value decides the width (the version too, which would
    // otherwise be cut when it is wider than the product name).
    int right = AppProductnameL.Left() + AppProductnameL.Width();
    for (TWindow* value :
         std::initializer_list<TWindow*>{&AppVersionL, &AppCopyrightL, &AppHomepageL, &AppEmailL})
        if (value->Visible())
            right = std::max(right, value->Left() + value->Width());
    const int clientWidth = std::max(right + gap, OKBtn.Width() + 2 * gap);
    AppCommentL.SetAutoSize(false);
    AppCommentL.SetWidth(clientWidth - 2 * gap);
    AppCommentL.SetAutoSize(true);
    OKBtn.SetLeft(clientWidth - OKBtn.Width() - gap);
    Bevel1.SetWidth(clientWidth - gap);

    // Rows follow each other with their gaps; whatever comes after the last
    // one (separator or button) sits 8 pixels below it.
    int bottom = y - gap;
    auto placeRow = [&y, &bottom](TWindow& caption, TWindow& value, int gap) {
        caption.SetTop(y);
        value.SetTop(y);
        bottom = y + caption.Height();
        y = bottom + gap;
    };
    if (copyright)
        placeRow(LegalCopyrightL, AppCopyrightL, gap);
    if (homepage)
        placeRow(HomepageL, AppHomepageL, Scaled(3));
    if (email)
        placeRow(EmailL, AppEmailL, 0);
    y = bottom + gap;
    if (comment) {
        Bevel1.SetTop(y);
        y += Bevel1.Height() + gap;
        AppCommentL.SetTop(y);
        // A short comment leaves the button beside it.
        if (AppCommentL.Left() + AppCommentL.Width() + gap >= OKBtn.Left())
            y += AppCommentL.Height() + gap;
    }
    OKBtn.SetTop(y);
    SetClientSize(clientWidth, y + OKBtn.Height() + gap);
    CenterOnScreen();
}
