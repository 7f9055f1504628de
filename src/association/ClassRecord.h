// The file class record below HKEY_CLASSES_ROOT: description (default value,
// and "FriendlyTypeName" on Windows 2000 and XP), "EditFlags", "InfoTip", the
// "CurVer" and "DefaultIcon" subkeys, and the "AlwaysShowExt" /
// "NeverShowExt" markers. Reads answer empty (or {efNone}, 0, null) for an
// invalid name or whatever is missing; writes raise EValidError for an
// invalid name before anything is written.
#pragma once

#include "association/EditFlags.h"
#include "platform/Win32.h"

#include <string>

class TRegistryWriter;

// The flags of a class. {efNone} for an invalid name, a missing key or a
// missing "EditFlags". A REG_DWORD value is the number itself; a REG_BINARY
// value of up to 4 bytes holds it lowest byte first (38 07 is 0x738).
// Raises ERegistryException "Ungültiger Datentyp für 'EditFlags'" for a
// binary value longer than 4 bytes, the errors of TRegistry::ReadInteger for a
// malformed REG_DWORD, and EDataTypeError for any other type.
TEditFlags GetEditFlags(const std::string& className);
// The same as the number stored, with every bit: 0 where GetEditFlags
// answers {efNone} for a missing value.
uint32_t GetEditFlagsNumber(const std::string& className);

// Replaces the bits of `mask` in the class's "EditFlags" number by those of
// `value` and keeps every other bit. The value keeps its type: a REG_DWORD
// stays one, a REG_BINARY keeps its length (it grows only when the number
// needs more bytes); a missing value is made a REG_DWORD, unless the number
// stays 0. Nothing is written when the number stays the same. Raises
// EValidError for an invalid name, ERegistryException for a class without a
// key, and the errors of GetEditFlags for a value that can't be read.
void SetEditFlagsBits(TRegistryWriter& writer, const std::string& className, uint32_t value,
                      uint32_t mask);

// Writes the whole record of a class, creating its key:
// - description: the default value, and on Windows 2000/XP also
//   "FriendlyTypeName"; empty removes both (on every system);
// - editFlags: "EditFlags" as REG_DWORD; a set whose number is 0 removes it;
// - infoTip: "InfoTip"; empty removes it;
// - curVer: default value of the subkey "CurVer"; empty deletes that subkey;
// - defaultIcon: default value of the subkey "DefaultIcon"; empty deletes it.
// className and a non-empty curVer must be valid class names: EValidError is
// raised for either before anything is written. When the class key can't be
// opened or created, nothing is written and ERegistryException
// "Erzeugung von Schlüssel %s misslungen" is raised (%s the class); a "CurVer" or
// "DefaultIcon" subkey that can't be opened is skipped. A value that can't be
// written raises ERegistryException; what was written before stays.
void RegisterFileClass(TRegistryWriter& writer, const std::string& className,
                       const std::string& description, const TEditFlags& editFlags,
                       const std::string& infoTip, const std::string& curVer,
                       const std::string& defaultIcon);

// The same, keeping "EditFlags" as it is (type, length and every bit): for a
// dialog that does not show the flags.
void RegisterFileClass(TRegistryWriter& writer, const std::string& className,
                       const std::string& description, const std::string& infoTip,
                       const std::string& curVer, const std::string& defaultIcon);
// The texts of a class record as stored: the default value (not the
// "FriendlyTypeName"), "InfoTip" and the default value of "CurVer"; empty for
// an invalid name or whatever is missing or holds no text.
struct TClassTexts {
    std::string Description;
    std::string InfoTip;
    std::string CurVer;
};
TClassTexts GetClassTexts(const std::string& className);

// Deletes an existing class key with everything below it (for "CLSID\{...}"
// the key of that class identifier). An invalid name or a missing key is
// silently ignored.
void DeleteFileClass(TRegistryWriter& writer, const std::string& className);

// The icon location text of a class: the default value of its "DefaultIcon"
// subkey; empty for an invalid name or whatever is missing.
std::string GetDefaultIcon(const std::string& className);

// Stores a class's icon location text as the default value of its
// "DefaultIcon" subkey, creating the subkey; the rest of the record stays.
// Raises EValidError for an invalid class name and ERegistryException
// "Schlüssel %s existiert nicht" (%s the class) when the class has no key: a
// missing class is not made by a change of its icon. An empty location is
// refused the same way as an invalid name ("" is not a valid icon location).
void SetDefaultIcon(TRegistryWriter& writer, const std::string& className,
                    const std::string& location);

// The icon of a class, extracted with ExtractIconA from the file and index
// that GetDefaultIcon names (index -1 is taken as 0; other negative indexes
// are resource identifiers and passed on; environment variables in the file,
// as in "%SystemRoot%\system32\shell32.dll", are expanded). The caller owns a returned icon
// and frees it with DestroyIcon. Null for an invalid name, for the location
// "%1" (each document has its own icon), when the file holds no icon at that
// index, and when it is no executable, library or icon file (ExtractIconA's
// answer 1 is not an icon handle and is never handed out).
HICON GetClassIcon(const std::string& className);

// 2 when the class key has a value "NeverShowExt", else 1 when it has
// "AlwaysShowExt", else 0 (also for an invalid name or a missing key).
int GetExtVisibility(const std::string& className);
