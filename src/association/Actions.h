// The actions (shell verbs) of a file class, read from the subkey "shell" of
// the class key: one subkey per action with its "command" and, for DDE,
// "ddeexec" with "application", "topic" and "ifexec". Only read; a missing
// key or value answers empty. A default value that holds no text raises
// ERegistryException "Ungültiger Datentyp für ''".
#pragma once

#include <string>

class TStringList;

// The DDE settings of one action; each field empty when its entry is missing.
struct TDDEInfo {
    std::string Message;     // default value of ddeexec
    std::string Application; // ddeexec\application
    std::string Topic;       // ddeexec\topic
    std::string IfExec;      // ddeexec\ifexec

    bool operator==(const TDDEInfo& o) const {
        return Message == o.Message && Application == o.Application && Topic == o.Topic &&
               IfExec == o.IfExec;
    }
    bool operator!=(const TDDEInfo& o) const { return !(*this == o); }
};

// Replaces the list's contents with the action names of a class in the
// registry's index order (not sorted); empty when the class key or its
// "shell" subkey is missing. Raises EValidError for an invalid class name
// (the list is then empty).
void GetActions(const std::string& className, TStringList& list);

// The default action: the default value of "shell" when not empty (whether or
// not such an action exists); else "open" (lower case) when an action of that
// name exists in any case; else the first action in index order; else empty.
// Empty for an invalid name or a missing key.
std::string GetDefaultAction(const std::string& className);
// The same chosen from what was read: the default value of "shell" and the
// actions in index order.
std::string ChooseDefaultAction(const std::string& shellDefault, const TStringList& verbs);

// The command line of an action, as stored; empty when anything is missing.
// A verb that can't name one subkey (empty, or with a backslash) has none.
std::string GetActionCommand(const std::string& className, const std::string& verb);

// Fills `info` with the DDE settings of an action; all four empty when the
// class, the action or its "ddeexec" is missing. When a read raises, the
// fields read before stay filled and the rest are empty.
void GetActionDDE(const std::string& className, const std::string& verb, TDDEInfo& info);

// Sets all four fields to the empty text.
void ClearDDEInfo(TDDEInfo& info);
