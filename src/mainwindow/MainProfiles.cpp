// TMainForm: profiles for other machines, written out ("Export ...") and
// applied ("Apply profile ...").
#include "mainwindow/MainUnit.h"

#include "commands/Commands.h"
#include "dialogs/ApplyProfileForm.h"
#include "dialogs/ExportForm.h"
#include "toolkit/Dialogs.h"

#include <commdlg.h>

bool AskForExportFile(HWND owner, TExportFormat format, std::string& path) {
    const TExportFileKind kind = ExportFileKind(format);
    TFileDialogArgs args;
    args.owner = owner;
    args.title = "Export";
    args.filters = {{kind.filter, kind.pattern}, {"All files (*.*)", "*.*"}};
    args.defaultExtension = kind.extension;
    args.flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    std::string chosen = std::string("associations.") + kind.extension;
    if (!AskSaveFileName(args, chosen))
        return false;
    path = chosen;
    return true;
}

bool AskForProfileFile(HWND owner, std::string& path) {
    TFileDialogArgs args;
    args.owner = owner;
    args.title = "Apply profile";
    args.filters = {{"Profiles (*.xml;*.reg)", "*.xml;*.reg"}, {"All files (*.*)", "*.*"}};
    args.flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    std::string chosen;
    if (!AskOpenFileName(args, chosen))
        return false;
    path = chosen;
    return true;
}

void TMainForm::ExportItemClick() {
    TExportForm form(CurrentView == 0 ? CurrentExt : CurrentClass);
    if (form.ShowModal() != mrOk)
        return;
    std::string path;
    if (!PickExportFile(form.Format(), path))
        return;
    Commands().WriteExport(form.Format(), path, form.Names());
}

void TMainForm::ApplyProfileItemClick() {
    std::string path;
    if (!PickProfileFile(path))
        return;
    // A bad file raises its message (file, line, cause) before any window.
    TApplyProfileForm form(Commands(), ReadProfile(path));
    if (form.ShowModal() != mrOk)
        return;
    UpdateUndoItem();
    ShowCounts();
    ForceViewUpdate = true;
    TabControlChange();
}
