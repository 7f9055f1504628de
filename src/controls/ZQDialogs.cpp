#include "controls/ZQDialogs.h"

#include "controls/ZQSelectQuery.h"
#include "platform/Win32.h"
#include "support/Exception.h"
#include "support/StringList.h"
#include "support/ZQFileVersion.h"
#include "toolkit/Application.h"
#include "toolkit/SystemShell.h"

bool SelectQuery(const std::string& caption, const std::string& prompt, const TStringList& items,
                 int initialIndex, int& index) {
    TSelectQuery query;
    query.SetCaption(caption);
    query.laPrompt.SetText(prompt);
    for (const std::string& item : items)
        query.cbList.Items().Add(item);
    const bool inRange = initialIndex >= 0 && initialIndex < items.Count();
    query.cbList.SetItemIndex(inRange ? initialIndex : (items.Count() > 0 ? 0 : -1));
    query.cbListChange();
    if (query.ShowModal() == mrOk) {
        index = query.cbList.ItemIndex();
        return true;
    }
    index = initialIndex;
    return false;
}

namespace {

std::string ProgramFileName() {
    return ProgramFilePath();
}

} // namespace

TZQAboutDialog::TZQAboutDialog(const std::string& fileName) {
    try {
        GetFileVersionStrings(fileName.empty() ? ProgramFileName() : fileName, versionStrings_);
    } catch (const ZQException&) {
        versionAvailable_ = false;
        versionStrings_.Clear();
    }
    productName_ = Field("ProductName");
    if (productName_.empty())
        productName_ = Application.Title();
    version_ = Field(showFileVer_ ? "FileVersion" : "ProductVersion");
    copyright_ = Field("LegalCopyright");
    Homepage = Field("Homepage");
    Email = Field("E-mail");
    Info = Field("Comments");
}

std::string TZQAboutDialog::Field(const char* name) const {
    if (!versionAvailable_)
        return std::string();
    for (int i = 0; i < kVersionStringCount && i < versionStrings_.Count(); ++i)
        if (std::string(VersionStringNames[i]) == name)
            return versionStrings_[i];
    return std::string();
}

void TZQAboutDialog::SetShowFileVer(bool value) {
    if (value == showFileVer_)
        return;
    showFileVer_ = value;
    version_ = Field(showFileVer_ ? "FileVersion" : "ProductVersion");
}

void TZQAboutDialog::Fill(TZQAboutDlg& box) const {
    box.SetTitle(Title);
    box.SetProductName(productName_);
    box.SetVersion(version_);
    box.SetCopyright(copyright_);
    box.SetHomepage(Homepage);
    box.SetEmail(Email);
    box.SetComment(Info);
    box.SetDialogStyle(DialogStyle);
}

void TZQAboutDialog::Execute() {
    TZQAboutDlg box;
    Fill(box);
    box.ShowModal();
}
