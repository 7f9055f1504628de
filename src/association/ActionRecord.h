// Writing the actions (shell verbs) of a file class: a verb's command and DDE
// settings, adding and deleting a verb, and the default verb named by the
// default value of "shell". Every write goes through a TRegistryWriter and
// touches only what differs from what the registry holds; texts keep the
// value type they have (a REG_EXPAND_SZ command stays expandable).
//
// The class must be a valid name with a key of its own, and the verb one
// that exists (AddAction: one that doesn't): otherwise EValidError or
// ERegistryException is raised before anything is written.
#pragma once

#include "association/Actions.h"

#include <string>

class TRegistryWriter;

// The longest name a registry key can have.
constexpr size_t MaxActionNameLength = 255;

// Raises EValidError with the reason when `verb` can't name an action: it
// is empty, holds a backslash (it would reach a key further down) or is
// longer than a key name can be.
void CheckActionName(const std::string& verb);

// The name of the class's action `verb` as its key spells it (the registry
// ignores case); empty when the class has no such action.
std::string FindAction(const std::string& className, const std::string& verb);

// The name of the class's action `verb` as its key spells it; raises as the
// writers below do when the class or the action can't be written.
std::string ExistingAction(const std::string& className, const std::string& verb);

// Whether a command line names an environment variable (%SystemRoot%), so
// that a new command value is stored as REG_EXPAND_SZ; "%1" and "%L" are the
// shell's placeholders, not variables.
bool HoldsVariable(const std::string& command);

// The command line that runs a program on the document: the path, quoted
// when it holds a blank, followed by " "%1"".
std::string CommandForProgram(const std::string& path);

// Stores the verb's command line (the default value of its "command" key,
// made when missing). EValidError for an empty command.
void SetActionCommand(TRegistryWriter& writer, const std::string& className,
                      const std::string& verb, const std::string& command);

// Stores the verb's DDE settings in its "ddeexec" key: the message as its
// default value, application, topic and ifexec as the default values of its
// subkeys; an empty field removes its entry, and all four empty remove
// "ddeexec" altogether.
void SetActionDDE(TRegistryWriter& writer, const std::string& className, const std::string& verb,
                  const TDDEInfo& info);

// Makes "shell\<verb>" (its default value the caption, when not empty) with
// "command" holding the command. EValidError for an invalid or existing verb
// and an empty command.
void AddAction(TRegistryWriter& writer, const std::string& className, const std::string& verb,
               const std::string& caption, const std::string& command);

// Deletes "shell\<verb>" with everything below it; when the default value of
// "shell" names the verb, that value goes too.
void DeleteAction(TRegistryWriter& writer, const std::string& className, const std::string& verb);

// Makes the verb the default value of "shell".
void SetDefaultAction(TRegistryWriter& writer, const std::string& className,
                      const std::string& verb);
