#include "association/ExplorerChoice.h"

#include "association/RegistryWriter.h"
#include "registry/Registry5LE.h"
#include "support/StringList.h"
#include "support/ZQRoutines.h"

namespace {

const std::string kFileExts = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts";

TRegistry UserRegistry() {
    TRegistry reg;
    reg.SetRootKey(HKEY_CURRENT_USER);
    reg.SetAccess(KEY_READ);
    return reg;
}

// The text of a value, empty when it is missing or holds no text.
std::string TextOf(TRegistry& reg, const std::string& name) {
    const TRegDataType type = reg.GetDataType(name);
    if (type != rdString && type != rdExpandString)
        return std::string();
    return reg.ReadString(name);
}

} // namespace

bool KeepsExplorerChoices() {
    // Code 0 is any system newer than Windows XP, or one not known at all.
    const int code = GetOSVersionCode();
    return code == 9 || (code == 0 && !IsWindows95Family());
}

std::vector<std::string> ExplorerChoiceKeys() {
    std::vector<std::string> keys;
    TRegistry reg = UserRegistry();
    if (!reg.OpenKey(kFileExts, false))
        return keys;
    TStringList names;
    reg.GetKeyNames(names);
    for (int i = 0; i < names.Count(); ++i)
        keys.push_back(names[i]);
    return keys;
}

TExplorerChoice GetExplorerChoice(const std::string& ext) {
    TExplorerChoice choice;
    // Absolute paths: "Progid" and "Application" lie in the extension's own
    // key, not below "UserChoice" when that was opened first.
    const std::string key = "\\" + kFileExts + "\\" + ext;
    TRegistry reg = UserRegistry();
    if (reg.OpenKey(key + "\\UserChoice", false)) {
        choice.Target = TextOf(reg, "Progid");
        choice.Source = "UserChoice\\Progid";
    }
    if (choice.Target.empty() && reg.OpenKey(key, false)) {
        for (const char* name : {"Progid", "Application"}) {
            choice.Target = TextOf(reg, name);
            choice.Source = name;
            if (!choice.Target.empty())
                break;
        }
    }
    if (choice.Target.empty())
        choice.Source.clear();
    return choice;
}

void RemoveExplorerChoice(TRegistryWriter& writer, const std::string& ext) {
    const std::string key = kFileExts + "\\" + ext;
    TKeyChange reg = writer.Key(HKEY_CURRENT_USER, key);
    if (!reg.OpenKey(key, false))
        return;
    for (const char* name : {"Progid", "Application"})
        if (reg.ValueExists(name) && !reg.DeleteValue(name))
            throw ERegistryException(std::string("Löschen von Wert ") + name + " misslungen");
    if (reg.KeyExists("UserChoice") && !reg.DeleteKey("UserChoice"))
        throw ERegistryException("Löschen von Schlüssel UserChoice misslungen");
}
