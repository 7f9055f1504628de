#include "association/ClassRecord.h"

#include "association/Errors.h"
#include "association/LayerRegistry.h"
#include "association/Lookups.h"
#include "association/Names.h"
#include "association/SubkeyRegistry.h"
#include "association/VersionRules.h"

namespace {

const char kEditFlags[] = "EditFlags";

// Makes the default value of the subkey `name` of the class key `cls` has
// open `text`, creating the subkey; an empty text deletes the subkey instead.
// A subkey that can't be opened is skipped.
void WriteSubkeyDefault(const TRegistry& cls, const char* name, const std::string& text) {
    TRegistry reg = RegistryBelow(cls, KEY_WRITE);
    if (text.empty())
        reg.DeleteKey(name);
    else if (reg.OpenKey(name, true))
        reg.WriteString("", text);
}

// The number of a REG_BINARY "EditFlags": up to four bytes, lowest first.
uint32_t BinaryFlagsNumber(TRegistry& reg) {
    unsigned char bytes[4] = {0, 0, 0, 0};
    reg.ReadBinaryData(kEditFlags, bytes, sizeof bytes); // raises for more than 4 bytes
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
           uint32_t(bytes[3]) << 24;
}

} // namespace

TEditFlags GetEditFlags(const std::string& className) {
    const TEditFlags none{efNone};
    if (!IsValidFileClass(className))
        return none;
    TRegistry reg = ClassesRootRegistry(KEY_READ);
    if (!reg.OpenKey(FileClassKey(className), false))
        return none;
    TRegDataInfo info;
    if (!reg.GetDataInfo(kEditFlags, info))
        return none;
    switch (info.RegData) {
    case rdInteger:
        return IntToEditFlags(static_cast<uint32_t>(reg.ReadInteger(kEditFlags)));
    case rdBinary:
        return IntToEditFlags(BinaryFlagsNumber(reg));
    default:
        throw EDataTypeError::ForEditFlags(className);
    }
}

void RegisterFileClass(const std::string& className, const std::string& description,
                       const TEditFlags& editFlags, const std::string& infoTip,
                       const std::string& curVer, const std::string& defaultIcon) {
    if (!IsValidFileClass(className))
        throw EValidError::ForFileClass(className);
    // Both names are checked before the first write, so a bad CurVer leaves
    // the class as it was instead of half rewritten.
    if (!curVer.empty() && !IsValidFileClass(curVer))
        throw EValidError::ForFileClass(curVer);

    // A class key that can't be opened or created is reported rather than
    // passed over in silence: the caller would take the refused write for
    // done.
    TRegistry reg = ClassesRootRegistry(KEY_WRITE);
    if (!reg.OpenKey(FileClassKey(className), true))
        throw ERegistryException("Erzeugung von Schlüssel " + className + " misslungen");

    if (!description.empty()) {
        reg.WriteString("", description);
        if (KeepsFriendlyTypeName())
            reg.WriteString("FriendlyTypeName", description);
    } else {
        reg.DeleteValue("");
        reg.DeleteValue("FriendlyTypeName");
    }

    const uint32_t flags = EditFlagsToInt(editFlags);
    if (flags != 0)
        reg.WriteInteger(kEditFlags, static_cast<int32_t>(flags));
    else
        reg.DeleteValue(kEditFlags);

    if (!infoTip.empty())
        reg.WriteString("InfoTip", infoTip);
    else
        reg.DeleteValue("InfoTip");

    WriteSubkeyDefault(reg, "CurVer", curVer);
    WriteSubkeyDefault(reg, "DefaultIcon", defaultIcon);
}

void DeleteFileClass(const std::string& className) {
    if (!FileClassExists(className))
        return;
    // KEY_READ lets the deletion list the subkeys, so the whole tree goes.
    ClassesRootRegistry(KEY_READ).DeleteKey(FileClassKey(className));
}

std::string GetDefaultIcon(const std::string& className) {
    if (!IsValidFileClass(className))
        return std::string();
    TRegistry reg = ClassesRootRegistry(KEY_READ);
    if (!reg.OpenKey(FileClassKey(className), false) || !reg.OpenKey("DefaultIcon", false))
        return std::string();
    return reg.ReadString("");
}

void SetDefaultIcon(const std::string& className, const std::string& location) {
    if (!IsValidFileClass(className))
        throw EValidError::ForFileClass(className);
    if (location.empty())
        throw EValidError("\"\" is not a valid icon location.");
    TRegistry reg = ClassesRootRegistry(KEY_WRITE);
    if (!reg.OpenKey(FileClassKey(className), false))
        throw ERegistryException("Schlüssel " + className + " existiert nicht");
    WriteSubkeyDefault(reg, "DefaultIcon", location);
}

HICON GetClassIcon(const std::string& className) {
    if (!IsValidFileClass(className))
        return nullptr;
    const std::string location = GetDefaultIcon(className);
    const std::string file = IconFileOf(location);
    if (file == "%1")
        return nullptr;
    int index = IconIndexOf(location);
    if (index == -1)
        index = 0;
    // A negative index names an icon resource by its identifier; ExtractIconA
    // takes it in the unsigned parameter.
    HICON icon = ExtractIconA(GetModuleHandleA(nullptr), file.c_str(), static_cast<UINT>(index));
    // ExtractIconA answers 1 for a file that is no executable, library or
    // icon file; that is no icon at all.
    if (icon == reinterpret_cast<HICON>(static_cast<uintptr_t>(1)))
        return nullptr;
    return icon;
}

int GetExtVisibility(const std::string& className) {
    if (!IsValidFileClass(className))
        return 0;
    TRegistry reg = ClassesRootRegistry(KEY_READ);
    if (!reg.OpenKey(FileClassKey(className), false))
        return 0;
    if (reg.ValueExists("NeverShowExt"))
        return 2;
    return reg.ValueExists("AlwaysShowExt") ? 1 : 0;
}
