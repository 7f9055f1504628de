// The extension record below HKEY_CLASSES_ROOT: the key named like the
// extension (.txt) with its class link (default value), "Content Type",
// "EditFlags", "NoOpen", "PerceivedType" (Windows XP), and the subkeys
// "ShellNew", "OpenWithList" and "OpenWithProgIDs" (Windows XP).
#pragma once

#include "association/EditFlags.h"

#include <string>

class TRegistryWriter;

class TStringList;

// The perceived type of an extension, indexing PerceivedTypeNames.
enum TPerceivedType : int { ptImage, ptText, ptAudio, ptVideo, ptCompressed, ptSystem };

constexpr int PerceivedTypeCount = 6;

// "Image", "Text", "Audio", "Video", "Compressed", "System": the texts
// written as "PerceivedType", in the order of TPerceivedType.
extern const char* const PerceivedTypeNames[PerceivedTypeCount];

// What RegisterExtension puts into the "ShellNew" subkey: snkNone deletes the
// subkey; snkCommand writes "Command" = the data text; snkFileName writes
// "FileName" = the data text; snkNullFile writes "NullFile" = the empty text;
// any other number creates the subkey without a value.
using TShellNewKind = int;
constexpr TShellNewKind snkNone = 0;
constexpr TShellNewKind snkCommand = 1;
constexpr TShellNewKind snkFileName = 3;
constexpr TShellNewKind snkNullFile = 4;

// Writes the whole record of an extension, creating its key:
// - className: the default value; empty makes it (for the caller too) the
//   extension without its point followed by "_auto_file" (.xyz: xyz_auto_file);
// - contentType: "Content Type"; empty removes it;
// - editFlags: "EditFlags" as REG_DWORD; a set whose number is 0 removes it;
// - noOpen on: "NoOpen" = noOpenText (an empty text too); off removes it;
// - perceivedType: "PerceivedType", written on Windows XP only, never removed;
// - shellNewKind / shellNewData: the "ShellNew" subkey (see TShellNewKind);
// - openWithList: one subkey of "OpenWithList" per program name;
// - openWithProgIDs: one subkey of "OpenWithProgIDs" per class name, on
//   Windows XP only (elsewhere the subkey is neither written nor deleted).
// A list (null or empty) deletes its subkey. A non-empty list only adds:
// subkeys already there stay. The subkeys deleted here ("ShellNew",
// "OpenWithList", "OpenWithProgIDs") go with their own subkeys.
//
// Every name is checked before the first write, raising EValidError: the
// extension, the class name, each program name (not empty, no backslash),
// each class of openWithProgIDs (a valid class name without backslash, so a
// single subkey), and the perceived type (one of the six). When the extension
// key can't be opened or created, nothing is written and ERegistryException
// "Erzeugung von Schlüssel %s misslungen" is raised (%s the extension); a
// subkey that can't be opened is skipped and the later steps still run. A
// value that can't be written raises ERegistryException, a list entry whose
// subkey can't be created raises "Erzeugung von Schlüssel %s misslungen";
// what was written before stays.
void RegisterExtension(TRegistryWriter& writer, const std::string& ext, std::string& className,
                       const std::string& contentType, const TEditFlags& editFlags, bool noOpen,
                       const std::string& noOpenText, TPerceivedType perceivedType,
                       TShellNewKind shellNewKind, const std::string& shellNewData,
                       const TStringList* openWithList, const TStringList* openWithProgIDs);

// Links an extension to a class: writes the class name as the default value
// of the extension key, creating the key only when canCreate is true. True
// when written, false when the key isn't there (or can't be opened).
// EValidError for an invalid extension (tested first) or class name.
bool AssociateExtension(TRegistryWriter& writer, const std::string& ext,
                        const std::string& className, bool canCreate);

// Removes the link: deletes the default value of the extension key. A missing
// key or value is no error; an invalid extension raises EValidError, a key or
// value the registry refuses ERegistryException.
void DissociateExtension(TRegistryWriter& writer, const std::string& ext);

// Registers an extension whose key exists already, keeping what the key holds
// besides: writes the class link (an empty className made as RegisterExtension
// makes it), "Content Type" when one is given, and on Windows XP
// "PerceivedType"; "EditFlags", "NoOpen", "ShellNew" and the Open With lists
// stay. Names are checked as RegisterExtension checks them; a key that can't
// be opened raises ERegistryException "Erzeugung von Schlüssel %s misslungen".
void RelinkExtension(TRegistryWriter& writer, const std::string& ext, std::string& className,
                     const std::string& contentType, TPerceivedType perceivedType);
// Deletes the extension key with everything below it. A missing key is no
// error; an invalid extension raises EValidError.
void DeleteExtension(TRegistryWriter& writer, const std::string& ext);

// The extension's "Content Type"; empty for an invalid name, a missing key or
// a missing value.
std::string GetContentType(const std::string& ext);

// True when the extension has an item in the shell's "New" menu, that is when
// a "ShellNew" subkey sits directly below the extension key (.txt\ShellNew)
// or below the subkey named like the extension's class
// (.doc\Word.Document.8\ShellNew, where the shell also looks). Only the key
// is looked for, not its values. False for an invalid extension or a missing
// key.
bool QueryShellNew(const std::string& ext);

// Gives the extension an item in the shell's "New" menu that makes an empty
// file: .ext\ShellNew with "NullFile" = "". Raises ERegistryException when
// the key can't be written.
void AddShellNew(TRegistryWriter& writer, const std::string& ext);
// Takes the extension's item out of the "New" menu: the "ShellNew" keys that
// QueryShellNew looks for, with their values. Raises ERegistryException when
// one can't be deleted.
void RemoveShellNew(TRegistryWriter& writer, const std::string& ext);
