// Applying a profile: what its entries would change in the registry as it is
// now. One plan for both kinds of profile, the default-associations XML
// (each entry sets an extension's class) and a .reg file (each key made,
// filled or deleted), so that the command line's dry run, the window's list
// and the apply itself agree.
#pragma once

#include "association/AssociationsXml.h"
#include "association/RegFileReader.h"

#include <string>
#include <vector>

class TRegistryWriter;

struct TProfile {
    // The file as given (messages and the undo entry name it).
    std::string File;
    bool Xml = false;
    std::vector<TAssociationEntry> Associations; // of an XML profile
    std::vector<TRegFileKey> Keys;               // of a .reg profile
};

// The profile's kind by its content (XML when its first character is "<",
// after a byte order mark and blanks). The text is checked whole: a bad file
// raises EProfileError with its line and cause.
TProfile ParseProfile(const std::string& file, const std::string& bytes);
// Reads the file and parses it; a file that can't be read raises Exception.
TProfile ReadProfile(const std::string& path);

enum class TPlanState {
    Change,    // "change": the entry changes the registry
    Unchanged, // "unchanged": the registry is as the entry wants it
    Missing,   // "missing": the entry's class is not registered; it is skipped
    Protocol,  // "protocol": Windows keeps a protocol's program in the user's choice
};
const char* PlanStateName(TPlanState state);

struct TPlanItem {
    TPlanState State = TPlanState::Unchanged;
    int Line = 0;
    // The extension or protocol, or the key as the file names it.
    std::string Name;
    // What it changes, or why not; for an extension whose choice made in
    // Windows differs, that the choice wins.
    std::string Detail;
    // The entry or key of the profile it stands for.
    size_t Source = 0;
    // Applied (the window's check box); only items that change count.
    bool Chosen = true;
};

struct TPlan {
    std::vector<TPlanItem> Items;
    size_t Count(TPlanState state) const;
    // The chosen items that change something.
    size_t ChosenChanges() const;
};

// The plan of every entry, in the file's order.
TPlan PlanProfile(const TProfile& profile);

// "state<TAB>name<TAB>detail".
std::string PlanLine(const TPlanItem& item);

// Makes the item's change through `writer`. Raises ERegistryException when
// the registry refuses.
void ApplyPlanItem(TRegistryWriter& writer, const TProfile& profile, const TPlanItem& item);
