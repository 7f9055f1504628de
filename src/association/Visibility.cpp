#include "association/Visibility.h"

#include "association/Errors.h"
#include "registry/Registry5LE.h"

bool GetHideFileExt() {
    // The registry object's defaults: HKEY_CURRENT_USER with full access.
    TRegistry reg;
    if (!reg.OpenKey("\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced", false))
        throw EExistensError();
    if (!reg.ValueExists("HideFileExt"))
        throw EValExistensError();
    switch (reg.ReadInteger("HideFileExt")) {
    case 0:
        return false;
    case 1:
        return true;
    default:
        throw EValueError();
    }
}
