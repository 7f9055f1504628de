#include "association/ClassRecord.h"

#include "association/Errors.h"
#include "association/LayerRegistry.h"
#include "association/Lookups.h"
#include "association/Names.h"
#include "association/RegistryWriter.h"
#include "association/SubkeyRegistry.h"
#include "association/VersionRules.h"
#include "support/SystemFiles.h"

namespace {

const char kEditFlags[] = "EditFlags";

// The number of a REG_BINARY "EditFlags": up to four bytes, lowest first.
uint32_t BinaryFlagsNumber(TRegistry& reg) {
    unsigned char bytes[4] = {0, 0, 0, 0};
    reg.ReadBinaryData(kEditFlags, bytes, sizeof bytes); // raises for more than 4 bytes
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
           uint32_t(bytes[3]) << 24;
}

// The file with the environment's variables in place of their %NAME%
// (system classes keep "%SystemRoot%\system32\shell32.dll,-152"); the icon
// functions take no variables.
std::string ExpandedFileName(const std::string& file) {
    if (file.find('%') == std::string::npos)
        return file;
    return ExpandEnvironmentText(file);
}

} // namespace

TEditFlags GetEditFlags(const std::string& className) {
    return IntToEditFlags(GetEditFlagsNumber(className));
}

uint32_t GetEditFlagsNumber(const std::string& className) {
    if (!IsValidFileClass(className))
        return 0;
    TRegistry reg = ClassesRootRegistry(KEY_READ);
    if (!reg.OpenKey(FileClassKey(className), false))
        return 0;
    TRegDataInfo info;
    if (!reg.GetDataInfo(kEditFlags, info))
        return 0;
    switch (info.RegData) {
    case rdInteger:
        return static_cast<uint32_t>(reg.ReadInteger(kEditFlags));
    case rdBinary:
        return BinaryFlagsNumber(reg);
    default:
        throw EDataTypeError::ForEditFlags(className);
    }
}

void SetEditFlagsBits(TRegistryWriter& writer, const std::string& className, uint32_t value,
                      uint32_t mask) {
    if (!IsValidFileClass(className))
        throw EValidError::ForFileClass(className);
    TRegistry read = ClassesRootRegistry(KEY_READ);
    if (!read.OpenKey(FileClassKey(className), false))
        throw ERegistryException(className + " is not registered to the system.");
    TRegDataInfo info;
    const bool exists = read.GetDataInfo(kEditFlags, info);
    const uint32_t old = GetEditFlagsNumber(className);
    const uint32_t flags = (old & ~mask) | (value & mask);
    if (exists ? flags == old : flags == 0)
        return;
    TKeyChange reg = writer.Value(HKEY_CLASSES_ROOT, FileClassKey(className), kEditFlags);
    if (!reg.OpenKey(FileClassKey(className), false))
        throw ERegistryException(className + " is not registered to the system.");
    if (exists && info.RegData == rdBinary) {
        int size = info.DataSize;
        while (size < 4 && (flags >> (8 * size)) != 0)
            ++size;
        unsigned char bytes[4];
        for (int i = 0; i < 4; ++i)
            bytes[i] = static_cast<unsigned char>(flags >> (8 * i));
        reg.WriteBinaryData(kEditFlags, bytes, size);
    } else {
        reg.WriteInteger(kEditFlags, static_cast<int32_t>(flags));
    }
}

namespace {

// The record as RegisterFileClass writes it; without `editFlags` the
// "EditFlags" value is left as it is.
void WriteFileClass(TRegistryWriter& writer, const std::string& className,
                    const std::string& description, const TEditFlags* editFlags,
                    const std::string& infoTip, const std::string& curVer,
                    const std::string& defaultIcon) {
    if (!IsValidFileClass(className))
        throw EValidError::ForFileClass(className);
    // Both names are checked before the first write, so a bad CurVer leaves
    // the class as it was instead of half rewritten.
    if (!curVer.empty() && !IsValidFileClass(curVer))
        throw EValidError::ForFileClass(curVer);

    // A class key that can't be opened or created is reported rather than
    // passed over in silence: the caller would take the refused write for
    // done.
    TKeyChange reg = writer.Key(HKEY_CLASSES_ROOT, FileClassKey(className));
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

    if (editFlags) {
        const uint32_t flags = EditFlagsToInt(*editFlags);
        if (flags != 0)
            reg.WriteInteger(kEditFlags, static_cast<int32_t>(flags));
        else
            reg.DeleteValue(kEditFlags);
    }

    if (!infoTip.empty())
        reg.WriteString("InfoTip", infoTip);
    else
        reg.DeleteValue("InfoTip");

    WriteSubkeyDefault(reg, "CurVer", curVer);
    WriteSubkeyDefault(reg, "DefaultIcon", defaultIcon);
}

} // namespace

void RegisterFileClass(TRegistryWriter& writer, const std::string& className,
                       const std::string& description, const TEditFlags& editFlags,
                       const std::string& infoTip, const std::string& curVer,
                       const std::string& defaultIcon) {
    WriteFileClass(writer, className, description, &editFlags, infoTip, curVer, defaultIcon);
}

void RegisterFileClass(TRegistryWriter& writer, const std::string& className,
                       const std::string& description, const std::string& infoTip,
                       const std::string& curVer, const std::string& defaultIcon) {
    WriteFileClass(writer, className, description, nullptr, infoTip, curVer, defaultIcon);
}

void DeleteFileClass(TRegistryWriter& writer, const std::string& className) {
    if (!FileClassExists(className))
        return;
    if (!writer.Key(HKEY_CLASSES_ROOT, FileClassKey(className)).DeleteKey(FileClassKey(className)))
        throw ERegistryException("Löschen von Schlüssel " + className + " misslungen");
}

TClassTexts GetClassTexts(const std::string& className) {
    TClassTexts texts;
    if (!IsValidFileClass(className))
        return texts;
    TRegistry reg = ClassesRootRegistry(KEY_READ);
    if (!reg.OpenKey(FileClassKey(className), false))
        return texts;
    const auto text = [&reg](const std::string& name) {
        const TRegDataType type = reg.GetDataType(name);
        return type == rdString || type == rdExpandString ? reg.ReadString(name) : std::string();
    };
    texts.Description = text("");
    texts.InfoTip = text("InfoTip");
    if (reg.OpenKey("CurVer", false))
        texts.CurVer = text("");
    return texts;
}

std::string GetDefaultIcon(const std::string& className) {
    if (!IsValidFileClass(className))
        return std::string();
    TRegistry reg = ClassesRootRegistry(KEY_READ);
    if (!reg.OpenKey(FileClassKey(className), false) || !reg.OpenKey("DefaultIcon", false))
        return std::string();
    return reg.ReadString("");
}

void SetDefaultIcon(TRegistryWriter& writer, const std::string& className,
                    const std::string& location) {
    if (!IsValidFileClass(className))
        throw EValidError::ForFileClass(className);
    if (location.empty())
        throw EValidError("\"\" is not a valid icon location.");
    if (!FileClassExists(className))
        throw ERegistryException("Schlüssel " + className + " existiert nicht");
    TKeyChange reg = writer.Key(HKEY_CLASSES_ROOT, FileClassKey(className));
    if (!reg.OpenKey(FileClassKey(className), false))
        throw ERegistryException("Schlüssel " + className + " existiert nicht");
    WriteSubkeyDefault(reg, "DefaultIcon", location);
}

HICON GetClassIcon(const std::string& className) {
    if (!IsValidFileClass(className))
        return nullptr;
    const std::string location = GetDefaultIcon(className);
    std::string file = IconFileOf(location);
    if (file == "%1")
        return nullptr;
    file = ExpandedFileName(file);
    int index = IconIndexOf(location);
    if (index == -1)
        index = 0;
    // A negative index names an icon resource by its identifier; ExtractIcon
    // takes it in the unsigned parameter.
    HICON icon = ExtractFileIcon(file, static_cast<UINT>(index));
    // ExtractIcon answers 1 for a file that is no executable, library or
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
