#include "association/ExtensionRecord.h"

#include "association/Errors.h"
#include "association/LayerRegistry.h"
#include "association/Lookups.h"
#include "association/Names.h"
#include "association/RegistryWriter.h"
#include "association/SubkeyRegistry.h"
#include "association/VersionRules.h"
#include "support/StringList.h"
#include "support/TextSearch.h"

const char* const PerceivedTypeNames[PerceivedTypeCount] = {"Image", "Text",       "Audio",
                                                            "Video", "Compressed", "System"};

namespace {

bool HasEntries(const TStringList* list) {
    return list && list->Count() > 0;
}

// A name that becomes exactly one subkey: not empty and without backslash
// (a backslash would create nested keys, a leading one a key at the root).
bool IsSingleKeyName(const std::string& name) {
    return !name.empty() && !HasCharOf(name, "\\");
}

void CheckProgramNames(const TStringList* list) {
    if (!list)
        return;
    for (const std::string& name : *list)
        if (!IsSingleKeyName(name))
            throw EValidError(name + " is not a valid name of a program.");
}

void CheckClassNames(const TStringList* list) {
    if (!list)
        return;
    for (const std::string& name : *list)
        if (!IsValidFileClass(name) || !IsSingleKeyName(name))
            throw EValidError::ForFileClass(name);
}

// Deletes the subkey `name` of the key `ext` has open, with all its own
// subkeys. The writing operations work with KEY_WRITE, which can't list
// subkeys, and the NT family refuses to delete a key that still has some; an
// object that may also read empties it first.
void DeleteSubtree(const TRegistry& ext, const char* name) {
    RegistryBelow(ext, KEY_READ | KEY_WRITE).DeleteKey(name);
}

// Adds one subkey per list entry below the subkey `name` of the extension key
// (creating it); an empty or missing list deletes that subkey with its
// contents instead. A subkey that can't be opened is skipped.
void WriteKeyList(const TRegistry& ext, const char* name, const TStringList* list) {
    if (!HasEntries(list)) {
        DeleteSubtree(ext, name);
        return;
    }
    TRegistry reg = RegistryBelow(ext, KEY_WRITE);
    if (!reg.OpenKey(name, true))
        return;
    for (const std::string& entry : *list)
        reg.CreateKey(entry);
}

void WriteShellNew(const TRegistry& ext, TShellNewKind kind, const std::string& data) {
    if (kind == snkNone) {
        DeleteSubtree(ext, "ShellNew");
        return;
    }
    TRegistry reg = RegistryBelow(ext, KEY_WRITE);
    if (!reg.OpenKey("ShellNew", true))
        return;
    switch (kind) {
    case snkCommand:
        reg.WriteString("Command", data);
        break;
    case snkFileName:
        reg.WriteString("FileName", data);
        break;
    case snkNullFile:
        reg.WriteString("NullFile", "");
        break;
    default:
        break; // the subkey alone
    }
}

// The names of an extension record about to be written, checked before the
// first write: an empty class name becomes the extension's own
// "<ext without point>_auto_file".
void CheckRecordNames(const std::string& ext, std::string& className,
                      TPerceivedType perceivedType) {
    if (!IsValidExtension(ext))
        throw EValidError::ForExtension(ext);
    if (className.empty())
        className = ext.substr(1) + "_auto_file";
    if (!IsValidFileClass(className))
        throw EValidError::ForFileClass(className);
    if (perceivedType < 0 || perceivedType >= PerceivedTypeCount)
        throw EValidError(std::to_string(static_cast<int>(perceivedType)) +
                          " is not a valid perceived type.");
}

// Opens (creating it) the extension key with its class link written. A key
// that can't be opened or created is reported rather than passed over in
// silence: the caller would take the refused write for done.
void WriteClassLink(TRegistry& reg, const std::string& ext, const std::string& className) {
    if (!reg.OpenKey(ExtensionKey(ext), true))
        throw ERegistryException("Erzeugung von Schlüssel " + ext + " misslungen");
    reg.WriteString("", className);
}

} // namespace

void RegisterExtension(TRegistryWriter& writer, const std::string& ext, std::string& className,
                       const std::string& contentType, const TEditFlags& editFlags, bool noOpen,
                       const std::string& noOpenText, TPerceivedType perceivedType,
                       TShellNewKind shellNewKind, const std::string& shellNewData,
                       const TStringList* openWithList, const TStringList* openWithProgIDs) {
    CheckRecordNames(ext, className, perceivedType);
    CheckProgramNames(openWithList);
    CheckClassNames(openWithProgIDs);

    TKeyChange reg = writer.Key(HKEY_CLASSES_ROOT, ExtensionKey(ext));
    WriteClassLink(reg, ext, className);

    if (!contentType.empty())
        reg.WriteString("Content Type", contentType);
    else
        reg.DeleteValue("Content Type");

    const uint32_t flags = EditFlagsToInt(editFlags);
    if (flags != 0)
        reg.WriteInteger("EditFlags", static_cast<int32_t>(flags));
    else
        reg.DeleteValue("EditFlags");

    if (noOpen)
        reg.WriteString("NoOpen", noOpenText);
    else
        reg.DeleteValue("NoOpen");

    const bool xp = KeepsXPExtensionEntries();
    if (xp)
        reg.WriteString("PerceivedType", PerceivedTypeNames[perceivedType]);

    // The subkeys are reached from the open extension key.
    WriteShellNew(reg, shellNewKind, shellNewData);
    WriteKeyList(reg, "OpenWithList", openWithList);
    if (xp)
        WriteKeyList(reg, "OpenWithProgIDs", openWithProgIDs);
}

bool AssociateExtension(TRegistryWriter& writer, const std::string& ext,
                        const std::string& className, bool canCreate) {
    if (!IsValidExtension(ext))
        throw EValidError::ForExtension(ext);
    if (!IsValidFileClass(className))
        throw EValidError::ForFileClass(className);
    TKeyChange reg = writer.Key(HKEY_CLASSES_ROOT, ExtensionKey(ext));
    if (!reg.OpenKey(ExtensionKey(ext), canCreate))
        return false;
    reg.WriteString("", className);
    return true;
}

void DissociateExtension(TRegistryWriter& writer, const std::string& ext) {
    if (!IsValidExtension(ext))
        throw EValidError::ForExtension(ext);
    if (!ExtensionExists(ext))
        return;
    // A key or value the registry refuses (a limited user) is reported: the
    // caller would take the link for gone.
    TKeyChange reg = writer.Key(HKEY_CLASSES_ROOT, ExtensionKey(ext));
    if (!reg.OpenKey(ExtensionKey(ext), false) || (reg.ValueExists("") && !reg.DeleteValue("")))
        throw ERegistryException("Löschen von Wert '' in " + ext + " misslungen");
}

void RelinkExtension(TRegistryWriter& writer, const std::string& ext, std::string& className,
                     const std::string& contentType, TPerceivedType perceivedType) {
    CheckRecordNames(ext, className, perceivedType);
    TKeyChange reg = writer.Key(HKEY_CLASSES_ROOT, ExtensionKey(ext));
    WriteClassLink(reg, ext, className);
    if (!contentType.empty())
        reg.WriteString("Content Type", contentType);
    if (KeepsXPExtensionEntries())
        reg.WriteString("PerceivedType", PerceivedTypeNames[perceivedType]);
}

void DeleteExtension(TRegistryWriter& writer, const std::string& ext) {
    if (!IsValidExtension(ext))
        throw EValidError::ForExtension(ext);
    if (!ExtensionExists(ext))
        return;
    if (!writer.Key(HKEY_CLASSES_ROOT, ExtensionKey(ext)).DeleteKey(ExtensionKey(ext)))
        throw ERegistryException("Löschen von Schlüssel " + ext + " misslungen");
}

std::string GetContentType(const std::string& ext) {
    if (!IsValidExtension(ext))
        return std::string();
    TRegistry reg = ClassesRootRegistry(KEY_READ);
    if (!reg.OpenKey(ExtensionKey(ext), false))
        return std::string();
    return reg.ReadString("Content Type");
}

bool QueryShellNew(const std::string& ext) {
    if (!IsValidExtension(ext))
        return false;
    TRegistry reg = ClassesRootRegistry(KEY_READ);
    if (!reg.OpenKey(ExtensionKey(ext), false))
        return false;
    if (reg.KeyExists("ShellNew"))
        return true;
    // The class link is only followed when it is text naming one subkey; a
    // default value of another type is no link (and no reason to fail).
    const TRegDataType type = reg.GetDataType("");
    if (type != rdString && type != rdExpandString)
        return false;
    const std::string className = reg.ReadString("");
    return IsValidFileClass(className) && IsSingleKeyName(className) &&
           reg.OpenKey(className, false) && reg.KeyExists("ShellNew");
}

void AddShellNew(TRegistryWriter& writer, const std::string& ext) {
    const std::string key = ExtensionKey(ext) + "\\ShellNew";
    TKeyChange reg = writer.Key(HKEY_CLASSES_ROOT, key);
    if (!reg.OpenKey(key, true))
        throw ERegistryException("Erzeugung von Schlüssel " + key + " misslungen");
    reg.WriteString("NullFile", "");
}

void RemoveShellNew(TRegistryWriter& writer, const std::string& ext) {
    std::vector<std::string> keys = {ExtensionKey(ext) + "\\ShellNew"};
    const std::string className = GetExtensionClass(ext);
    if (!className.empty() && IsValidFileClass(className))
        keys.push_back(ExtensionKey(ext) + "\\" + className + "\\ShellNew");
    TRegistry probe = ClassesRootRegistry(KEY_READ);
    for (const std::string& key : keys) {
        if (!probe.KeyExists(key))
            continue;
        if (!writer.Key(HKEY_CLASSES_ROOT, key).DeleteKey(key))
            throw ERegistryException("Löschen von Schlüssel " + key + " misslungen");
    }
}
