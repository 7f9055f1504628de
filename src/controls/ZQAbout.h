// TZQAboutDlg (unit ZQAbout): the "about" box. It shows the program's icon,
// product name, version, copyright, homepage, e-mail address and a comment,
// and lays itself out to fit the texts present, in a classic or a modern
// style. TZQAboutDialog (ZQDialogs.h) fills and runs it.
#pragma once

#include <string>

#include "controls/ZQLabels.h"
#include "toolkit/Form.h"

enum TZQAboutDlgStyle { dsClassic, dsModern };

// The texts of the box.
extern const char* const
    AboutTexts[7]; // Info, Produktname:, Version:, Copyright:, Homepage:, E-mail:, OK

class TZQAboutDlg : public TForm {
public:
    TZQAboutDlg();

    // Each changes its label only when the text differs. An empty title keeps
    // the caption.
    void SetTitle(const std::string& title);
    void SetProductName(const std::string& text);
    void SetVersion(const std::string& text);
    void SetCopyright(const std::string& text);
    void SetComment(const std::string& text);
    // The caption, then the link: raises ZQException for a text that is no link.
    void SetHomepage(const std::string& text);
    // The caption, then the link "mailto:" + text.
    void SetEmail(const std::string& text);
    void SetDialogStyle(TZQAboutDlgStyle style) { style_ = style; }
    TZQAboutDlgStyle DialogStyle() const { return style_; }

    // Lays the box out for its texts and style, then centres it.
    void FormShow();

    TImage AppIconImg;
    TLabel ProductL, VersionL, LegalCopyrightL, HomepageL, EmailL;
    TZQLabel AppProductnameL, AppVersionL;
    TLabel AppCopyrightL;
    TZQUrlLabel AppHomepageL, AppEmailL;
    TBevel Bevel1;
    TZQLabel AppCommentL;
    TButton OKBtn;

private:
    TZQAboutDlgStyle style_ = dsModern;
};
