// What counts as an extension name and as a file class name, and where their
// keys are below HKEY_CLASSES_ROOT. Names are used exactly as passed: no
// trimming, no case folding (the registry itself ignores case).
#pragma once

#include <string>

// At least 2 characters, a point first, and none of the others a point, a
// blank or one of " * / : < > ? \ |.
bool IsValidExtension(const std::string& name);

// Not empty and not beginning with a point; a name that begins with exactly
// "CLSID\{" is valid when the text from its "{" on is a GUID; any other name
// is valid when it holds no backslash.
bool IsValidFileClass(const std::string& name);

// Exactly 38 characters: "{", 8 hex digits, "-", 4, "-", 4, "-", 4, "-", 12
// hex digits and "}"; hex digits in either case.
bool IsValidGUID(const std::string& text);

// The path of an extension's key below HKEY_CLASSES_ROOT: the name itself,
// point included (.txt).
inline const std::string& ExtensionKey(const std::string& ext) {
    return ext;
}

// The path of a file class's key below HKEY_CLASSES_ROOT. For the form
// "CLSID\{...}" that is the key of the class identifier below "CLSID", which
// is the name read as a relative path; any other class is the direct subkey
// of its name. Either way the path is the name as passed.
inline const std::string& FileClassKey(const std::string& className) {
    return className;
}
