#include "association/OpensWith.h"

#include "association/Actions.h"
#include "association/ExplorerChoice.h"
#include "association/Lookups.h"
#include "association/Names.h"
#include "association/RegistryWriter.h"
#include "registry/RawKey.h"
#include "support/TextCompare.h"

#include <algorithm>

namespace {

const std::string kFileExts = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";

bool IsText(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ;
}

// The text a value holds without its terminating NULs.
std::string Text(const TRawValue& value) {
    std::string text = value.Data;
    while (!text.empty() && text.back() == '\0')
        text.pop_back();
    return text;
}

bool ProgramMissing(const std::string& program) {
    TRawKey key;
    return TRawKey::Open(TRawKey(HKEY_CLASSES_ROOT, false), "Applications\\" + program, KEY_READ,
                         key) != ERROR_SUCCESS;
}

// The classes a list key names: the names of its values (how Windows keeps
// them) and of its subkeys (how older setups wrote them).
void AddClasses(HKEY root, const std::string& path, const std::string& source,
                std::vector<TOpenWithEntry>& entries) {
    TRawKey key;
    if (TRawKey::Open(TRawKey(root, false), path, KEY_READ, key) != ERROR_SUCCESS)
        return;
    std::vector<TRawValue> values;
    std::vector<std::string> names;
    key.Values(values);
    key.SubKeyNames(names);
    for (const TRawValue& value : values)
        if (!value.Name.empty())
            names.push_back(value.Name);
    for (const std::string& name : names)
        entries.push_back({name, source, !FileClassExists(name)});
}

// The programs of the user's "OpenWithList": the text values other than
// "MRUList", in the order of their names (a, b, c, ...).
void AddPrograms(const std::string& path, std::vector<TOpenWithEntry>& entries) {
    TRawKey key;
    std::vector<TRawValue> values;
    if (TRawKey::Open(TRawKey(HKEY_CURRENT_USER, false), path, KEY_READ, key) != ERROR_SUCCESS ||
        key.Values(values) != ERROR_SUCCESS)
        return;
    for (const TRawValue& value : values)
        if (IsText(value.Type) && !value.Name.empty() && value.Name != "MRUList" &&
            !Text(value).empty())
            entries.push_back({Text(value), "user's OpenWithList", ProgramMissing(Text(value))});
}

bool HasHash(const std::string& ext) {
    TRawKey key;
    std::vector<TRawValue> values;
    if (TRawKey::Open(TRawKey(HKEY_CURRENT_USER, false), kFileExts + ext + "\\UserChoice", KEY_READ,
                      key) != ERROR_SUCCESS ||
        key.Values(values) != ERROR_SUCCESS)
        return false;
    for (const TRawValue& value : values)
        if (SameText(value.Name, "Hash"))
            return true;
    return false;
}

// Whether the list key `path` offers `name`, as a value or as a subkey.
bool ListNames(HKEY root, const std::string& path, const std::string& name) {
    TRawKey key;
    if (TRawKey::Open(TRawKey(root, false), path, KEY_READ, key) != ERROR_SUCCESS)
        return false;
    std::vector<TRawValue> values;
    std::vector<std::string> names;
    key.Values(values);
    key.SubKeyNames(names);
    for (const TRawValue& value : values)
        names.push_back(value.Name);
    for (const std::string& listed : names)
        if (SameText(listed, name))
            return true;
    return false;
}

} // namespace

TOpensWith GetOpensWith(const std::string& ext) {
    TOpensWith opens;
    if (!IsValidExtension(ext))
        return opens;
    const bool userLayer = KeepsExplorerChoices();
    const TExplorerChoice choice = userLayer ? GetExplorerChoice(ext) : TExplorerChoice();
    if (choice.Source == "UserChoice\\Progid") {
        opens.Target = choice.Target;
        opens.Reason = std::string("chosen in Windows (UserChoice, ") +
                       (HasHash(ext) ? "with a hash)" : "without a hash)");
    } else if (choice.Source == "Progid") {
        opens.Target = choice.Target;
        opens.Reason = "chosen in Windows XP (Progid)";
    } else if (choice.Source == "Application") {
        opens.Target = "Applications\\" + choice.Target;
        opens.Reason = "chosen with Open with (Application)";
    } else {
        opens.Target = GetExtensionClass(ext);
        opens.Reason = "the extension's class";
    }
    if (IsValidFileClass(opens.Target)) {
        const std::string verb = GetDefaultAction(opens.Target);
        opens.Command = verb.empty() ? std::string() : GetActionCommand(opens.Target, verb);
    } else if (!opens.Target.empty()) {
        // "Applications\x.exe" is no class name; Windows opens with its
        // "open" action.
        TRawKey key;
        std::vector<TRawValue> values;
        if (TRawKey::Open(TRawKey(HKEY_CLASSES_ROOT, false),
                          opens.Target + "\\shell\\open\\command", KEY_READ,
                          key) == ERROR_SUCCESS &&
            key.Values(values) == ERROR_SUCCESS)
            for (const TRawValue& value : values)
                if (value.Name.empty() && IsText(value.Type))
                    opens.Command = Text(value);
    }
    opens.OpenWith = GetOpenWithList(ext, userLayer);
    TRawKey key;
    std::vector<TRawValue> values;
    if (TRawKey::Open(TRawKey(HKEY_CLASSES_ROOT, false), ext, KEY_READ, key) == ERROR_SUCCESS &&
        key.Values(values) == ERROR_SUCCESS)
        for (const TRawValue& value : values)
            if (SameText(value.Name, "PerceivedType") && IsText(value.Type))
                opens.PerceivedType = Text(value);
    return opens;
}

std::vector<TOpenWithEntry> GetOpenWithList(const std::string& ext, bool userLists) {
    std::vector<TOpenWithEntry> entries;
    AddClasses(HKEY_CLASSES_ROOT, ext + "\\OpenWithProgids", ext + "\\OpenWithProgids", entries);
    if (userLists && KeepsExplorerChoices()) {
        AddClasses(HKEY_CURRENT_USER, kFileExts + ext + "\\OpenWithProgids",
                   "user's OpenWithProgids", entries);
        AddPrograms(kFileExts + ext + "\\OpenWithList", entries);
    }
    return entries;
}

void AddOpenWithClass(TRegistryWriter& writer, const std::string& ext,
                      const std::string& className) {
    const std::string path = ext + "\\OpenWithProgids";
    TKeyChange reg = writer.Key(HKEY_CLASSES_ROOT, path);
    if (!reg.OpenKey(path, true))
        throw ERegistryException("Schlüssel " + path + " konnte nicht erstellt werden");
    reg.WriteString(className, "");
}

bool RemoveOpenWithEntry(TRegistryWriter& writer, const std::string& ext, const std::string& name) {
    bool removed = false;
    // A list of classes keeps a class as a value or, from older setups, as a subkey.
    const auto removeFromClasses = [&](HKEY root, const std::string& path) {
        if (!ListNames(root, path, name))
            return;
        TKeyChange reg = writer.Key(root, path);
        if (!reg.OpenKey(path, false))
            return;
        if ((reg.ValueExists(name) && !reg.DeleteValue(name)) ||
            (reg.KeyExists(name) && !reg.DeleteKey(name)))
            throw ERegistryException("Löschen von " + name + " in " + path + " misslungen");
        removed = true;
    };
    removeFromClasses(HKEY_CLASSES_ROOT, ext + "\\OpenWithProgids");
    if (!KeepsExplorerChoices())
        return removed;
    removeFromClasses(HKEY_CURRENT_USER, kFileExts + ext + "\\OpenWithProgids");

    // The user's OpenWithList: values "a", "b", ... naming programs, and
    // "MRUList" with their letters in the order last used.
    const std::string path = kFileExts + ext + "\\OpenWithList";
    std::vector<std::string> letters;
    TRawKey key;
    std::vector<TRawValue> values;
    if (TRawKey::Open(TRawKey(HKEY_CURRENT_USER, false), path, KEY_READ, key) == ERROR_SUCCESS &&
        key.Values(values) == ERROR_SUCCESS)
        for (const TRawValue& value : values)
            if (IsText(value.Type) && !value.Name.empty() && value.Name != "MRUList" &&
                SameText(Text(value), name))
                letters.push_back(value.Name);
    if (letters.empty())
        return removed;
    TKeyChange reg = writer.Key(HKEY_CURRENT_USER, path);
    if (!reg.OpenKey(path, false))
        return removed;
    for (const std::string& letter : letters)
        if (!reg.DeleteValue(letter))
            throw ERegistryException("Löschen von Wert " + letter + " in " + path + " misslungen");
    if (reg.GetDataType("MRUList") == rdString) {
        std::string order = reg.ReadString("MRUList");
        for (const std::string& letter : letters)
            if (letter.size() == 1)
                order.erase(std::remove(order.begin(), order.end(), letter[0]), order.end());
        reg.WriteString("MRUList", order);
    }
    return true;
}
