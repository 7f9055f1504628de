// The check of the associations: what years of installs and uninstalls
// leave behind under HKEY_CLASSES_ROOT. It visits every extension key, every
// class an extension names and the classes those name through "CurVer", and
// reads only what it reports on (no flags; descriptions only for a table).
// The keys are read by several threads at once, a run of extensions and
// their classes at a time, and judged in order on the calling thread.
#pragma once

#include "association/ItemFacts.h"

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

// The kinds of problem, in the order of their names.
enum class TFindingKind {
    EmptyExtension,   // "empty-extension": no class, no other value, no subkey
    UserChoice, // "user-choice" (formerly "explorer-override"): Explorer uses the user's own choice
    MissingApplication, // "missing-application": Applications\<exe> of a program not there
    MissingClass,     // "missing-class": the extension names a class without a key
    MissingCurVer,    // "missing-curver": "CurVer" names a class without a key
    MissingIcon,      // "missing-icon": "DefaultIcon" names a file that is not there
    MissingProgram,   // "missing-program": an action's program is not there
    StaleOpenWith,    // "stale-open-with": "Open with" offers a class or program not there
    UnquotedPath,     // "unquoted-path": a program path with a blank, not quoted
    // "user-hides-machine": this user's extension key hides every user's and
    // names another class than it, or none
    UserHidesMachine,
};
constexpr int FindingKindCount = 10;

// "missing-class", ...; and back (false for an unknown name).
const char* FindingKindName(TFindingKind kind);
bool FindingKindOfName(const std::string& name, TFindingKind& kind);
// Whether findings of the kind are about an extension (else a class, or
// for missing-application the key "Applications\<program>").
bool FindingAboutExtension(TFindingKind kind);

struct TFinding {
    TFindingKind Kind = TFindingKind::MissingClass;
    // The extension (FindingAboutExtension), the class, or the key
    // "Applications\<program>" (missing-application) the finding is about.
    std::string Name;
    // One line that explains it.
    std::string Detail;
    // The action, for missing-program and unquoted-path.
    std::string Verb;
    // The registry text found: the class named (missing-class,
    // missing-curver), the command line, the icon location, the
    // Explorer's choice, or the name "Open with" offers (stale-open-with).
    std::string Text;
};

// "kind<TAB>name<TAB>detail".
std::string FindingLine(const TFinding& finding);

// Told after the enumeration (0 of the total) and after each extension with
// its classes; returning false stops the check.
using TCheckProgress = std::function<bool(int checked, int total)>;

struct TCheckResult {
    // Sorted by name (the program's text order), then kind.
    std::vector<TFinding> Findings;
    int Extensions = 0;
    int Classes = 0;
    // Stopped by the progress callback: Findings holds what was found so far.
    bool Stopped = false;
};

TCheckResult CheckAssociations(const TCheckProgress& progress = nullptr);

// The check of the extensions given and the classes they name, without the
// "Applications" keys: for a table of these extensions. `classes` receives
// what was read of each class met, with its description and default
// action, by upper-case name.
TCheckResult CheckExtensionsAndClasses(const std::vector<std::string>& extensions,
                                       std::unordered_map<std::string, TClassFacts>& classes);

// Whether the finding still holds: the extension or class it is about,
// checked again, gives it (same kind, name, action and text).
bool FindingHolds(const TFinding& finding);

// Sorts findings by name, then kind (equal ones keep their order).
void SortFindings(std::vector<TFinding>& findings);

// Sorts findings by `less`; equal ones keep their order.
using TFindingOrder = std::function<bool(const TFinding& a, const TFinding& b)>;
void SortFindingsBy(std::vector<TFinding>& findings, const TFindingOrder& less);
