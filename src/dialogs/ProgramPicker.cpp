#include "dialogs/ProgramPicker.h"

#include "toolkit/SystemFunctions.h"

#include <commdlg.h>

namespace {

bool SystemPicker(HWND owner, std::string& path) {
    char file[MAX_PATH] = "";
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = OpenFileNameSize();
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = "Programs (*.exe;*.com;*.bat;*.cmd)\0*.exe;*.com;*.bat;*.cmd\0"
                      "All files (*.*)\0*.*\0";
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrTitle = "Choose a program";
    // The program's own folder stays the current one: the settings file is
    // found beside it.
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameA(&ofn))
        return false;
    path = file;
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
