#include "dialogs/ExportForm.h"

TExportForm::TExportForm(const std::string& item)
    : TForm({"ExportForm", "Export", 0, 0, TBorderStyle::Dialog, nullptr, 330, 236,
             TPosition::ScreenCenter}),
      item_(item) {
    CreateControls({
        {&rgFormat, "rgFormat", "Format", {8, 8, 314, 100}, this},
        {&rgItems, "rgItems", "Items", {8, 114, 314, 72}, this},
        {&ButtonPanel, "ButtonPanel", "", {0, 196, 330, 40}, this, "", TAlign::Bottom},
        {&btnOK, "btnOK", "OK", {166, 8, 75, 23}, &ButtonPanel},
        {&btnCancel, "btnCancel", "Cancel", {247, 8, 75, 23}, &ButtonPanel},
    });
    rgFormat.SetItems({"Default associations (XML, for Dism, Group Policy, Intune)",
                       "Registration file (.reg) of the classes",
                       "Table for spreadsheets (CSV)", "Report page (HTML)"});
    rgFormat.SetItemIndex(0);
    rgItems.SetItems(
        {"All extensions", item.empty() ? std::string("The shown item") : "Only " + item});
    rgItems.SetItemIndex(0);
    rgItems.SetEnabled(!item.empty());
    btnOK.SetModalResult(mrOk);
    btnCancel.SetModalResult(mrCancel);
    SetDefaultButton(&btnOK);
    SetCancelButton(&btnCancel);
}

TExportFormat TExportForm::Format() const {
    static const TExportFormat kFormats[] = {TExportFormat::Associations, TExportFormat::Reg,
                                             TExportFormat::Csv, TExportFormat::Html};
    const int index = rgFormat.ItemIndex();
    return kFormats[index >= 0 && index < 4 ? index : 0];
}

std::vector<std::string> TExportForm::Names() const {
    if (rgItems.ItemIndex() == 1 && !item_.empty())
        return {item_};
    return {};
}

TExportFileKind ExportFileKind(TExportFormat format) {
    switch (format) {
    case TExportFormat::Associations: return {"Default associations (*.xml)", "*.xml", "xml"};
    case TExportFormat::Reg: return {"Registration files (*.reg)", "*.reg", "reg"};
    case TExportFormat::Csv: return {"CSV tables (*.csv)", "*.csv", "csv"};
    case TExportFormat::Html: return {"HTML pages (*.html)", "*.html", "html"};
    }
    return {"All files (*.*)", "*.*", ""};
}
