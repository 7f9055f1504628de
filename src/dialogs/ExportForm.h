// TExportForm: the modal dialog of "Export ...": the format (the
// default-associations XML, a .reg file, CSV or an HTML page) and the items
// (every extension, or the item the main window shows).
#pragma once

#include "commands/ProfileExport.h"
#include "toolkit/Containers.h"
#include "toolkit/Form.h"
#include "toolkit/ListControls.h"

#include <string>

class TExportForm : public TForm {
public:
    // `item`: the extension or class the main window shows (empty: none).
    explicit TExportForm(const std::string& item);

    TExportFormat Format() const;
    // The names to export: none for all.
    std::vector<std::string> Names() const;

    TRadioGroup rgFormat, rgItems;
    TPanel ButtonPanel{TBevelCut::None};
    TButton btnOK, btnCancel;

private:
    std::string item_;
};

// The save dialog's filter and default extension of a format.
struct TExportFileKind {
    const char* filter;
    const char* pattern;
    const char* extension;
};
TExportFileKind ExportFileKind(TExportFormat format);
