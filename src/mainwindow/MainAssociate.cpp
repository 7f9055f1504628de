// TMainForm: the commands that link extensions to file classes and unlink
// them, and what they share with the create and delete commands: the
// clean-up of a class that a change leaves without extensions, and the
// notice to the shell after a change.
#include "mainwindow/MainUnit.h"

#include "association/DataType.h"
#include "index/ZQFileAssoc.h"

#include <shlobj.h>

bool TMainForm::DeleteOrphanedClass(const std::string& className, bool unused,
                                    const std::string& question) {
    if (!OptimizeSystem || !unused || !FileClassExists(className))
        return false;
    if (!Confirm(question))
        return false;
    DeleteFileClass(className);
    NotifyAssociationsChanged();
    // A class the index does not know (the registry changed since the last
    // scan) has no entry to remove.
    if (FileClasses().IndexOf(className) >= 0)
        FileClasses().DeleteClass(className);
    return true;
}

void TMainForm::NotifyAssociationsChanged() {
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}
