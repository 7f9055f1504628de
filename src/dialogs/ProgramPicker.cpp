#include "dialogs/ProgramPicker.h"

#include "support/ZQWinDialogs.h"

#include <commdlg.h>

namespace {

bool SystemPicker(HWND owner, std::string& path) {
    TFileDialogArgs args;
    args.owner = owner;
    args.title = "Choose a program";
    args.filters = {{"Programs (*.exe;*.com;*.bat;*.cmd)", "*.exe;*.com;*.bat;*.cmd"},
                    {"All files (*.*)", "*.*"}};
    // The program's own folder stays the current one: the settings file is
    // found beside it.
    args.flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    std::string chosen;
    if (!AskOpenFileName(args, chosen))
        return false;
    path = chosen;
    return true;
}

TProgramPicker& Picker() {
    static TProgramPicker picker = SystemPicker;
    return picker;
}

} // namespace

bool PickProgram(HWND owner, std::string& path) {
    return Picker()(owner, path);
}

TProgramPicker SetProgramPicker(TProgramPicker picker) {
    TProgramPicker before = Picker();
    Picker() = picker ? std::move(picker) : TProgramPicker(SystemPicker);
    return before;
}
