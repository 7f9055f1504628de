#include "association/ItemFacts.h"

#include "association/Actions.h"
#include "association/KeyImage.h"
#include "association/LayerRegistry.h"
#include "association/Lookups.h"
#include "association/Names.h"
#include "association/SubkeyRegistry.h"
#include "support/StringList.h"

namespace {

// The default value of `reg`'s open key, or empty when it is missing or
// holds no text.
std::string DefaultOf(TRegistry& reg) {
    std::string text;
    try {
        reg.ReadStringIfExists("", text);
    } catch (const ERegistryException&) {
        text.clear();
    }
    return text;
}

// The default value of the key `path` below `parent`'s open key.
std::string DefaultBelow(const TRegistry& parent, const std::string& path) {
    TRegistry reg = RegistryBelow(parent, KEY_READ);
    return reg.OpenKey(path, false) ? DefaultOf(reg) : std::string();
}

} // namespace

std::string TClassFacts::DefaultCommand() const {
    TStringList verbs;
    for (const TActionFacts& action : Actions)
        verbs.Add(action.Verb);
    const std::string verb = ChooseDefaultAction(ShellDefault, verbs);
    for (const TActionFacts& action : Actions)
        if (SameKeyName(action.Verb, verb))
            return action.Command;
    return std::string();
}

TExtensionFacts ReadExtensionFacts(const std::string& ext) {
    TExtensionFacts facts;
    TRegistry reg = ClassesRootRegistry(KEY_READ);
    if (!reg.OpenKey(ExtensionKey(ext), false))
        return facts; // gone since the enumeration
    facts.Exists = true;
    try {
        facts.HasDefault = reg.ReadStringIfExists("", facts.ClassName);
    } catch (const ERegistryException&) {
        return facts; // a class link that holds no text
    }
    facts.Readable = true;
    if (facts.ClassName.empty()) {
        TRegKeyInfo info;
        facts.Bare = reg.GetKeyInfo(info) && info.NumSubKeys == 0 &&
                     info.NumValues == (facts.HasDefault ? 1u : 0u);
    }
    facts.HasOpenWithProgids = !facts.Bare && reg.KeyExists("OpenWithProgids");
    return facts;
}

TClassFacts ReadClassFacts(const std::string& className, bool forTable) {
    TClassFacts facts;
    TRegistry reg = ClassesRootRegistry(KEY_READ);
    if (!reg.OpenKey(FileClassKey(className), false))
        return facts;
    facts.Exists = true;
    if (forTable && IsValidFileClass(className)) {
        try {
            facts.Description = DescriptionOfOpenClass(reg);
        } catch (const ERegistryException&) {
            facts.Description.clear();
        }
    }
    facts.IconLocation = DefaultBelow(reg, "DefaultIcon");
    TRegistry shell = RegistryBelow(reg, KEY_READ);
    if (shell.OpenKey("shell", false)) {
        if (forTable)
            facts.ShellDefault = DefaultOf(shell);
        TStringList verbs;
        shell.GetKeyNames(verbs);
        for (int i = 0; i < verbs.Count(); ++i)
            facts.Actions.push_back({verbs[i], DefaultBelow(shell, verbs[i] + "\\command")});
    }
    facts.CurVer = DefaultBelow(reg, "CurVer");
    return facts;
}
