// TCommands: the actions (shell verbs) of a class and its flags: a verb's
// command and DDE settings, adding and deleting a verb, the default verb, and
// "EditFlags".
#include "commands/Commands.h"

#include "association/DataType.h"
#include "association/RegistryWriter.h"

#include <cstdio>

std::string ChangeActionQuestion(const std::string& className, const std::string& verb) {
    return "Are you sure to change the action '" + verb + "' of '" + className + "'?";
}

std::string ChangeActionStepName(const std::string& className, const std::string& verb) {
    return "Change action '" + verb + "' of '" + className + "'";
}

std::string DeleteActionQuestion(const std::string& verb) {
    return "Are you sure to delete the action '" + verb + "'?";
}

TChange TCommands::ChangeAction(const std::string& className, const std::string& verb,
                                const TActionEdit& edit) {
    const std::string stored = ExistingAction(className, verb);
    const bool commandDiffers =
        edit.Command && *edit.Command != GetActionCommand(className, stored);
    if (commandDiffers && edit.Command->empty())
        throw EValidError("The command of an action can't be empty.");
    TDDEInfo dde;
    if (edit.DDE)
        GetActionDDE(className, stored, dde);
    const bool ddeDiffers = edit.DDE && *edit.DDE != dde;
    if (!CanModify() || (!commandDiffers && !ddeDiffers) ||
        (!edit.Agreed &&
         !Confirm(ChangeActionQuestion(className, stored) +
                  (commandDiffers ? "\r\nNew command: " + *edit.Command : std::string()))))
        return TChange();
    auto writer = Writer(ChangeActionStepName(className, stored));
    if (commandDiffers)
        SetActionCommand(*writer, className, stored, *edit.Command);
    if (ddeDiffers)
        SetActionDDE(*writer, className, stored, *edit.DDE);
    TChange change;
    change.FileClass = className;
    return Finish(*writer, change);
}

TChange TCommands::AddAction(const TNewAction& input) {
    const std::string& className = input.FileClass;
    // The checks of the layer, before anything is asked.
    if (!IsValidFileClass(className))
        throw EValidError::ForFileClass(className);
    if (!FileClassExists(className))
        throw ERegistryException(className + " is not registered to the system.");
    CheckActionName(input.Verb);
    if (!FindAction(className, input.Verb).empty())
        throw EValidError("The action '" + input.Verb + "' exists already.");
    if (input.Command.empty())
        throw EValidError("The command of an action can't be empty.");
    if (!CanModify() || !Confirm("Are you sure to add the action '" + input.Verb + "' to '" +
                                 className + "'?\r\nCommand: " + input.Command))
        return TChange();
    auto writer = Writer("Add action '" + input.Verb + "' to '" + className + "'");
    ::AddAction(*writer, className, input.Verb, input.Caption, input.Command);
    TChange change;
    change.FileClass = className;
    return Finish(*writer, change);
}

TChange TCommands::DeleteAction(const std::string& className, const std::string& verb) {
    const std::string stored = ExistingAction(className, verb);
    if (!CanModify() || !Confirm(DeleteActionQuestion(stored)))
        return TChange();
    auto writer = Writer("Delete action '" + stored + "' of '" + className + "'");
    ::DeleteAction(*writer, className, stored);
    TChange change;
    change.FileClass = className;
    return Finish(*writer, change);
}

TChange TCommands::SetDefaultAction(const std::string& className, const std::string& verb) {
    const std::string stored = ExistingAction(className, verb);
    if (!CanModify() || GetDefaultAction(className) == stored ||
        !Confirm("Are you sure to make '" + stored + "' the default action of '" + className +
                 "'?"))
        return TChange();
    auto writer = Writer("Make '" + stored + "' the default action of '" + className + "'");
    ::SetDefaultAction(*writer, className, stored);
    TChange change;
    change.FileClass = className;
    return Finish(*writer, change);
}

TChange TCommands::SetEditFlags(const std::string& className, uint32_t value, uint32_t mask) {
    if (!IsValidFileClass(className))
        throw EValidError::ForFileClass(className);
    if (!FileClassExists(className))
        throw ERegistryException(className + " is not registered to the system.");
    const uint32_t old = GetEditFlagsNumber(className);
    const uint32_t now = (old & ~mask) | (value & mask);
    char numbers[48];
    std::snprintf(numbers, sizeof numbers, "\r\nFrom 0x%08X to 0x%08X", static_cast<unsigned>(old),
                  static_cast<unsigned>(now));
    if (!CanModify() || now == old ||
        !Confirm("Are you sure to change the flags of '" + className + "'?" + numbers))
        return TChange();
    auto writer = Writer("Change the flags of '" + className + "'");
    SetEditFlagsBits(*writer, className, value, mask);
    TChange change;
    change.FileClass = className;
    return Finish(*writer, change);
}
