// The version record of an executable file, read as the twelve strings the
// about box shows.
#pragma once

#include <cstddef>
#include <string>

class TStringList;

// The names of the version strings, in the order GetFileVersionStrings
// lists their values.
constexpr int kVersionStringCount = 12;
extern const char* const VersionStringNames[kVersionStringCount];

// Replaces the list's contents with the values of the twelve version strings
// of `fileName` (an empty string for each one the record lacks). Raises
// ZQException "'<file>' contains no versioninformation." when the file has no
// record, and "Error while reading versioninformation." when the record can't
// be read or has no usable translation table. (Windows only.)
void GetFileVersionStrings(const std::string& fileName, TStringList& list);

// --- Decoding of a version record (pure, so it is tested without a file).

// The language and code page of the first entry of a translation table of
// `length` bytes, as eight upper-case hex digits, language first
// ("040704E4"). Raises ZQException "Error while reading versioninformation."
// for a missing table or one shorter than an entry.
std::string TranslationKeyOf(const void* table, unsigned length);

// The query path of a version string: "StringFileInfo\<key>\<name>".
std::string VersionStringPath(const std::string& translationKey, const std::string& name);

// The text of a string value the platform found at `value`, `length`
// characters long, inside the record [block, block + blockSize): it ends at
// its first NUL, after `length` characters, or at the end of the record,
// whichever comes first. A value outside the record gives the empty string.
std::string VersionTextOf(const char* block, size_t blockSize, const char* value, unsigned length);
