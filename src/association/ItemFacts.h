// What the check of the associations and the exports read of an extension
// key and of a class key, each read in one visit of the key, so that many
// can be read at once (registry/ParallelReads.h) and judged afterwards. A
// read that fails leaves its part empty; nothing here raises.
#pragma once

#include <string>
#include <vector>

struct TExtensionFacts {
    bool Exists = false;   // the key opened
    bool Readable = false; // its default value is missing or holds text
    bool HasDefault = false;
    std::string ClassName; // the default value
    // No class, and no value (but an empty default) and no subkey.
    bool Bare = false;
    bool HasOpenWithProgids = false;
};

struct TActionFacts {
    std::string Verb;
    std::string Command; // the default value of "command"; empty when missing
};

struct TClassFacts {
    bool Exists = false;
    std::string IconLocation; // the default value of "DefaultIcon"
    std::string CurVer;       // the default value of "CurVer"
    std::vector<TActionFacts> Actions; // below "shell", in index order
    // Read only for a table (ReadClassFacts' `forTable`):
    std::string Description; // as GetClassDescription gives it
    std::string ShellDefault; // the default value of "shell"

    // The command line of the default action (as GetDefaultAction chooses
    // it); empty when there is none.
    std::string DefaultCommand() const;
};

TExtensionFacts ReadExtensionFacts(const std::string& ext);
// `forTable` also reads the description and the default action's name.
TClassFacts ReadClassFacts(const std::string& className, bool forTable);
