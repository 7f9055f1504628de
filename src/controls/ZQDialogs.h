// ZQDialogs: the program's reusable dialogs: the choose-one query, and
// TZQAboutDialog, which fills the about box from the program's own version
// record and runs it (its texts can be set before Execute and then override
// the record's).
#pragma once

#include <string>

#include "controls/ZQAbout.h"
#include "support/StringList.h"

// Asks the user to choose one of `items` in a TSelectQuery captioned
// `caption` with `prompt` above the list; the entry at `initialIndex` (the
// first one when it is out of range) is selected at first. True when the
// user confirmed with OK: `index` is then the chosen position. Otherwise
// false, and `index` is `initialIndex`.
bool SelectQuery(const std::string& caption, const std::string& prompt, const TStringList& items,
                 int initialIndex, int& index);

class TZQAboutDialog {
public:
    // Reads the version record of `fileName` (empty: the running program).
    // A missing or unreadable record leaves the texts empty; the product
    // name is then the application title.
    explicit TZQAboutDialog(const std::string& fileName = std::string());

    bool ShowFileVer() const { return showFileVer_; }
    // On: the version is "FileVersion"; off: "ProductVersion".
    void SetShowFileVer(bool value);

    std::string Title;
    std::string Homepage;
    std::string Email;
    std::string Info;
    TZQAboutDlgStyle DialogStyle = dsModern;

    const std::string& ProductName() const { return productName_; }
    const std::string& Version() const { return version_; }
    const std::string& Copyright() const { return copyright_; }
    bool VersionAvailable() const { return versionAvailable_; }
    // The twelve strings of the record (empty when it is not available).
    const TStringList& VersionStrings() const { return versionStrings_; }

    // Makes the box, fills it, shows it modally and frees it.
    void Execute();
    // Fills a box as Execute does (for Execute and for tests).
    void Fill(TZQAboutDlg& box) const;

private:
    std::string Field(const char* name) const;

    bool showFileVer_ = true;
    bool versionAvailable_ = true;
    std::string productName_;
    std::string version_;
    std::string copyright_;
    TStringList versionStrings_;
};
