#include "association/Visibility.h"

#include "association/Errors.h"
#include "association/KeyImage.h"
#include "association/RegistryWriter.h"
#include "registry/Registry5LE.h"

namespace {

const char kAdvancedKey[] = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";

} // namespace

bool GetHideFileExt() {
    // The registry object's defaults: HKEY_CURRENT_USER with full access.
    TRegistry reg;
    if (!reg.OpenKey(kAdvancedKey, false))
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

bool ReadHideFileExt(bool fallback) {
    try {
        return GetHideFileExt();
    } catch (const EExistensError&) {
    } catch (const EValueError&) {
    } catch (const ERegistryException&) {
    }
    return fallback;
}

void SetHideFileExt(TRegistryWriter& writer, bool hidden) {
    TKeyChange reg = writer.Value(HKEY_CURRENT_USER, kAdvancedKey + 1, "HideFileExt");
    if (!reg.OpenKey(kAdvancedKey, true))
        throw ERegistryException(std::string("Erzeugung von Schlüssel ") + (kAdvancedKey + 1) +
                                 " misslungen");
    reg.WriteInteger("HideFileExt", hidden ? 1 : 0);
}

bool IsShellStateKey(const std::string& path) {
    const std::string root = "HKEY_CURRENT_USER\\";
    return path.compare(0, root.size(), root) == 0 &&
           IsSameOrBelow(kAdvancedKey + 1, path.substr(root.size()));
}
