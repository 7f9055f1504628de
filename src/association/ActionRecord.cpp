#include "association/ActionRecord.h"

#include "association/Errors.h"
#include "association/LayerRegistry.h"
#include "association/Lookups.h"
#include "association/Names.h"
#include "association/RegistryWriter.h"
#include "association/SubkeyRegistry.h"
#include "support/StringList.h"
#include "support/TextCompare.h"
#include "support/TextSearch.h"
#include "support/Utf8Text.h"

#include <cctype>
#include <initializer_list>

namespace {

const char kShell[] = "shell";
const char kCommand[] = "command";
const char kDDEExec[] = "ddeexec";

const char kEmptyCommand[] = "The command of an action can't be empty.";

// Raises when actions can't be written for the class: an invalid name, or a
// class without a key of its own (it has to be registered first).
void CheckClass(const std::string& className) {
    if (!IsValidFileClass(className))
        throw EValidError::ForFileClass(className);
    if (!FileClassExists(className))
        throw ERegistryException(className + " is not registered to the system.");
}

std::string VerbPath(const std::string& className, const std::string& verb) {
    return FileClassKey(className) + "\\" + kShell + "\\" + verb;
}

// Opens the class key and then, one key at a time (short paths, also for
// long names), each of `below`, creating those when `create`; raises when
// one doesn't open.
void OpenSteps(TRegistry& reg, const std::string& className,
               std::initializer_list<std::string> below, bool create) {
    if (!reg.OpenKey(FileClassKey(className), false))
        throw ERegistryException(className + " is not registered to the system.");
    for (const std::string& name : below)
        if (!reg.OpenKey(name, create))
            throw ERegistryException(create ? "Erzeugung von Schlüssel " + name + " misslungen"
                                            : "Schlüssel " + name + " existiert nicht");
}

// The text of the open key's value `name`; empty when it is missing or
// holds no text.
std::string TextOf(TRegistry& reg, const std::string& name) {
    const TRegDataType type = reg.GetDataType(name);
    return type == rdString || type == rdExpandString ? reg.ReadString(name) : std::string();
}

} // namespace

void CheckActionName(const std::string& verb) {
    if (verb.empty())
        throw EValidError("The name of an action can't be empty.");
    if (HasCharOf(verb, "\\"))
        throw EValidError(verb + " is not a valid name of an action: it holds a backslash.");
    if (WideFromUtf8(verb).size() > MaxActionNameLength) // as the registry counts them
        throw EValidError("The name of an action can't be longer than " +
                          std::to_string(MaxActionNameLength) + " characters.");
}

std::string ExistingAction(const std::string& className, const std::string& verb) {
    CheckClass(className);
    CheckActionName(verb);
    const std::string stored = FindAction(className, verb);
    if (stored.empty())
        throw EValidError("The fileclass '" + className + "' has no action '" + verb + "'.");
    return stored;
}

std::string FindAction(const std::string& className, const std::string& verb) {
    TStringList verbs;
    if (!IsValidFileClass(className))
        return std::string();
    GetActions(className, verbs);
    for (const std::string& name : verbs)
        if (SameText(name, verb))
            return name;
    return std::string();
}

bool HoldsVariable(const std::string& command) {
    for (size_t i = command.find('%'); i != std::string::npos; i = command.find('%', i + 1)) {
        const size_t first = i + 1;
        if (first >= command.size())
            break;
        const unsigned char c = static_cast<unsigned char>(command[first]);
        if (!std::isalpha(c) && c != '_')
            continue;
        const size_t end = command.find_first_of("% \"", first);
        if (end != std::string::npos && command[end] == '%')
            return true;
    }
    return false;
}

std::string CommandForProgram(const std::string& path) {
    const bool quote = path.find(' ') != std::string::npos;
    return (quote ? "\"" + path + "\"" : path) + " \"%1\"";
}

void SetActionCommand(TRegistryWriter& writer, const std::string& className,
                      const std::string& verb, const std::string& command) {
    const std::string stored = ExistingAction(className, verb);
    if (command.empty())
        throw EValidError(kEmptyCommand);
    TRegistry read = ClassesRootRegistry(KEY_READ);
    if (read.OpenKey(FileClassKey(className), false) && read.OpenKey(kShell, false) &&
        read.OpenKey(stored, false) && read.OpenKey(kCommand, false) && read.ValueExists("") &&
        TextOf(read, "") == command)
        return;
    TKeyChange reg = writer.Key(HKEY_CLASSES_ROOT, VerbPath(className, stored));
    OpenSteps(reg, className, {kShell, stored, kCommand}, true);
    WriteTextKeepingType(reg, "", command, HoldsVariable(command));
}

void SetActionDDE(TRegistryWriter& writer, const std::string& className, const std::string& verb,
                  const TDDEInfo& info) {
    const std::string stored = ExistingAction(className, verb);
    TDDEInfo current;
    GetActionDDE(className, stored, current);
    if (current == info)
        return;
    TKeyChange reg = writer.Key(HKEY_CLASSES_ROOT, VerbPath(className, stored));
    OpenSteps(reg, className, {kShell, stored}, false);
    if (info == TDDEInfo()) {
        if (!reg.DeleteKey(kDDEExec))
            throw ERegistryException(std::string("Löschen von Schlüssel ") + kDDEExec +
                                     " misslungen");
        return;
    }
    if (!reg.OpenKey(kDDEExec, true))
        throw ERegistryException(std::string("Erzeugung von Schlüssel ") + kDDEExec +
                                 " misslungen");
    if (info.Message != current.Message) {
        if (!info.Message.empty())
            WriteTextKeepingType(reg, "", info.Message);
        else if (reg.ValueExists("") && !reg.DeleteValue(""))
            throw ERegistryException("Konnte Daten für '' nicht setzen");
    }
    const struct {
        const char* name;
        const std::string& now;
        const std::string& was;
    } subkeys[] = {{"application", info.Application, current.Application},
                   {"topic", info.Topic, current.Topic},
                   {"ifexec", info.IfExec, current.IfExec}};
    for (const auto& sub : subkeys)
        if (sub.now != sub.was)
            WriteSubkeyDefault(reg, sub.name, sub.now);
}

void AddAction(TRegistryWriter& writer, const std::string& className, const std::string& verb,
               const std::string& caption, const std::string& command) {
    CheckClass(className);
    CheckActionName(verb);
    if (!FindAction(className, verb).empty())
        throw EValidError("The action '" + verb + "' exists already.");
    if (command.empty())
        throw EValidError(kEmptyCommand);
    TRegistry probe = ClassesRootRegistry(KEY_READ);
    const bool hasShell =
        probe.OpenKey(FileClassKey(className), false) && probe.OpenKey(kShell, false);
    // Undo takes away what was made: the new verb, or "shell" when it is new
    // as well.
    TKeyChange reg =
        writer.Key(HKEY_CLASSES_ROOT,
                   hasShell ? VerbPath(className, verb) : FileClassKey(className) + "\\" + kShell);
    OpenSteps(reg, className, {kShell, verb}, true);
    if (!caption.empty())
        reg.WriteString("", caption);
    if (!reg.OpenKey(kCommand, true))
        throw ERegistryException(std::string("Erzeugung von Schlüssel ") + kCommand +
                                 " misslungen");
    WriteTextKeepingType(reg, "", command, HoldsVariable(command));
}

void DeleteAction(TRegistryWriter& writer, const std::string& className, const std::string& verb) {
    const std::string stored = ExistingAction(className, verb);
    TRegistry read = ClassesRootRegistry(KEY_READ);
    OpenSteps(read, className, {kShell}, false);
    const bool named = SameText(TextOf(read, ""), stored);
    // The verb first: when the registry refuses it, the default stays too.
    // Its change is let go before the next is asked for, which may ask the
    // user whether to go on without undo.
    {
        TKeyChange reg = writer.Key(HKEY_CLASSES_ROOT, VerbPath(className, stored));
        OpenSteps(reg, className, {kShell}, false);
        if (!reg.DeleteKey(stored))
            throw ERegistryException("Löschen von Schlüssel " + stored + " misslungen");
    }
    if (named) {
        TKeyChange shell =
            writer.Value(HKEY_CLASSES_ROOT, FileClassKey(className) + "\\" + kShell, "");
        OpenSteps(shell, className, {kShell}, false);
        if (!shell.DeleteValue(""))
            throw ERegistryException("Konnte Daten für '' nicht setzen");
    }
}

void SetDefaultAction(TRegistryWriter& writer, const std::string& className,
                      const std::string& verb) {
    const std::string stored = ExistingAction(className, verb);
    TRegistry read = ClassesRootRegistry(KEY_READ);
    OpenSteps(read, className, {kShell}, false);
    if (TextOf(read, "") == stored)
        return;
    TKeyChange reg = writer.Value(HKEY_CLASSES_ROOT, FileClassKey(className) + "\\" + kShell, "");
    OpenSteps(reg, className, {kShell}, false);
    WriteTextKeepingType(reg, "", stored);
}
