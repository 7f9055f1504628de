#include "association/Actions.h"

#include "association/Errors.h"
#include "association/LayerRegistry.h"
#include "association/Names.h"
#include "association/SubkeyRegistry.h"
#include "support/StringList.h"
#include "support/TextCompare.h"
#include "support/TextSearch.h"

#include <initializer_list>

namespace {

// An action is one subkey of "shell": its name can't be empty or hold a
// backslash (which would reach a key further down instead).
bool IsActionName(const std::string& verb) {
    return !verb.empty() && !HasCharOf(verb, "\\");
}

// Opens the class key of a valid class name and then, one key at a time,
// each of `below` relative to it (short paths, also for long names); false
// when the name is invalid or any of them doesn't open.
bool OpenBelowClass(TRegistry& reg, const std::string& className,
                    std::initializer_list<std::string> below) {
    if (!IsValidFileClass(className) || !reg.OpenKey(FileClassKey(className), false))
        return false;
    for (const std::string& name : below)
        if (!reg.OpenKey(name, false))
            return false;
    return true;
}

// The default value of the subkey `name` of the key `reg` has open, or empty
// when it doesn't open.
std::string SubkeyDefault(const TRegistry& reg, const char* name) {
    TRegistry sub = RegistryBelow(reg, KEY_READ);
    return sub.OpenKey(name, false) ? sub.ReadString("") : std::string();
}

} // namespace

void GetActions(const std::string& className, TStringList& list) {
    list.Clear();
    if (!IsValidFileClass(className))
        throw EValidError::ForFileClass(className);
    TRegistry reg = ClassesRootRegistry(KEY_READ);
    if (OpenBelowClass(reg, className, {"shell"}))
        reg.GetKeyNames(list);
}

std::string GetDefaultAction(const std::string& className) {
    TRegistry reg = ClassesRootRegistry(KEY_READ);
    if (!OpenBelowClass(reg, className, {"shell"}))
        return std::string();
    const std::string action = reg.ReadString("");
    TStringList verbs;
    if (action.empty())
        reg.GetKeyNames(verbs);
    return ChooseDefaultAction(action, verbs);
}

std::string ChooseDefaultAction(const std::string& shellDefault, const TStringList& verbs) {
    if (!shellDefault.empty())
        return shellDefault;
    for (const std::string& verb : verbs)
        if (SameText(verb, "open"))
            return "open";
    return verbs.Count() > 0 ? verbs[0] : std::string();
}

std::string GetActionCommand(const std::string& className, const std::string& verb) {
    if (!IsActionName(verb))
        return std::string();
    TRegistry reg = ClassesRootRegistry(KEY_READ);
    if (!OpenBelowClass(reg, className, {"shell", verb, "command"}))
        return std::string();
    return reg.ReadString("");
}

void GetActionDDE(const std::string& className, const std::string& verb, TDDEInfo& info) {
    ClearDDEInfo(info);
    if (!IsActionName(verb))
        return;
    TRegistry reg = ClassesRootRegistry(KEY_READ);
    if (!OpenBelowClass(reg, className, {"shell", verb, "ddeexec"}))
        return;
    info.Message = reg.ReadString("");
    info.Application = SubkeyDefault(reg, "application");
    info.Topic = SubkeyDefault(reg, "topic");
    info.IfExec = SubkeyDefault(reg, "ifexec");
}

void ClearDDEInfo(TDDEInfo& info) {
    info.Message.clear();
    info.Application.clear();
    info.Topic.clear();
    info.IfExec.clear();
}
