#include "commands/AssociationCheck.h"

#include "association/CommandProgram.h"
#include "association/DataType.h"
#include "association/ExplorerChoice.h"
#include "association/ItemFacts.h"
#include "association/KeyImage.h"
#include "association/OpensWith.h"
#include "association/UserItems.h"
#include "registry/ParallelReads.h"
#include "support/StringList.h"
#include "support/TextCompare.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>
#include <unordered_set>

namespace {

const char* const kKindNames[FindingKindCount] = {
    "empty-extension", "user-choice",     "missing-application", "missing-class",  "missing-curver",
    "missing-icon",    "missing-program", "stale-open-with",     "unquoted-path",
    "user-hides-machine",
};

const std::string kApplications = "Applications\\";

// The default value of the key `path` below HKEY_CLASSES_ROOT; empty when
// the key or the value is missing or holds no text.
std::string DefaultText(const std::string& path) {
    TRegistry reg = ClassesRootRegistry(KEY_READ);
    std::string text;
    try {
        if (reg.OpenKey(path, false))
            reg.ReadStringIfExists("", text);
    } catch (const ERegistryException&) {
        text.clear();
    }
    return text;
}

std::string Quoted(const std::string& text) {
    return "'" + text + "'";
}

class TChecker {
public:
    TCheckResult result;

    TChecker() {
        if (KeepsExplorerChoices())
            for (const std::string& ext : ExplorerChoiceKeys())
                choices_.insert(UpperCaseAZ(ext));
    }

    void CheckExtension(const std::string& ext) { CheckExtension(ext, ReadExtensionFacts(ext)); }

    void CheckExtension(const std::string& ext, const TExtensionFacts& facts) {
        if (!facts.Exists || !facts.Readable)
            return; // gone since the enumeration, or a class link that holds no text (the scan counts those)
        const std::string& className = facts.ClassName;
        if (className.empty()) {
            if (facts.Bare)
                Add(TFindingKind::EmptyExtension, ext, "no class, no other value, no subkey");
        } else if (!CheckClass(className)) {
            Add(TFindingKind::MissingClass, ext,
                "names the class " + Quoted(className) + ", which has no key", "", className);
        }
        const bool userLists = choices_.count(UpperCaseAZ(ext)) != 0;
        if (userLists)
            CheckExplorerChoice(ext, className);
        if (UserHolds(ext))
            CheckHiding(ext, className);
        // The user's lists are read only where the user's layer has a key.
        if (userLists || facts.HasOpenWithProgids)
            for (const TOpenWithEntry& entry : GetOpenWithList(ext, userLists))
                if (entry.Missing)
                    Add(TFindingKind::StaleOpenWith, ext,
                        "'Open with' offers " + Quoted(entry.Name) + " (" + entry.Source +
                            "), which is not there",
                        "", entry.Name);
    }

    // Checks the extensions in runs: the keys of a run and of the classes they
    // name are read by several threads at once, then judged in order.
    // `progress` is told after each extension; false stops the check.
    bool CheckExtensions(const std::vector<std::string>& extensions,
                         const std::function<bool(size_t)>& progress) {
        const size_t kRun = 512;
        for (size_t first = 0; first < extensions.size(); first += kRun) {
            const size_t count = std::min(kRun, extensions.size() - first);
            std::vector<TExtensionFacts> facts(count);
            ReadInParallel(count,
                           [&](size_t i) { facts[i] = ReadExtensionFacts(extensions[first + i]); });
            std::vector<std::string> unread;
            for (const TExtensionFacts& ext : facts)
                if (!ext.ClassName.empty() &&
                    classFacts.emplace(UpperCaseAZ(ext.ClassName), TClassFacts()).second)
                    unread.push_back(ext.ClassName);
            std::vector<TClassFacts> read(unread.size());
            ReadInParallel(unread.size(),
                           [&](size_t i) { read[i] = ReadClassFacts(unread[i], forTable); });
            for (size_t i = 0; i < unread.size(); ++i)
                classFacts[UpperCaseAZ(unread[i])] = std::move(read[i]);
            for (size_t i = 0; i < count; ++i) {
                CheckExtension(extensions[first + i], facts[i]);
                if (!progress(first + i + 1))
                    return false;
            }
        }
        return true;
    }

    // Checks the key "Applications\<program>": a program whose file is not
    // there, which "Open with" would still offer (unless "NoOpenWith" hides it).
    void CheckApplication(const std::string& key) {
        TRegistry reg = ClassesRootRegistry(KEY_READ);
        if (!reg.OpenKey(key, false) || reg.ValueExists("NoOpenWith"))
            return;
        TStringList verbs;
        if (reg.OpenKey("shell", false))
            reg.GetKeyNames(verbs);
        // Windows runs the "open" action, else the first one.
        int verb = verbs.IndexOf("open");
        if (verb < 0 && verbs.Count() > 0)
            verb = 0;
        if (verb < 0)
            return;
        const std::string command = DefaultText(key + "\\shell\\" + verbs[verb] + "\\command");
        const TCommandProgram program = FindCommandProgram(command, files_);
        if (!program.None && !program.Exists)
            Add(TFindingKind::MissingApplication, key,
                "the program " + Quoted(program.Path) + " is not there", verbs[verb], command);
    }

    void CheckApplications() {
        TRegistry reg = ClassesRootRegistry(KEY_READ);
        TStringList programs;
        if (reg.OpenKey("Applications", false))
            reg.GetKeyNames(programs);
        for (int i = 0; i < programs.Count(); ++i)
            CheckApplication(kApplications + programs[i]);
    }

    // The user's keys of the extensions (see GetExtensions); without them
    // each extension's stores are looked up.
    const std::unordered_set<std::string>* userKeys_ = nullptr;
    // What was read of each class met, by upper-case name; with `forTable`
    // also its description and default action.
    std::unordered_map<std::string, TClassFacts> classFacts;
    bool forTable = false;

    // Checks the class again, as if it were met for the first time.
    void RecheckClass(const std::string& className) {
        classes_.erase(UpperCaseAZ(className));
        CheckClass(className);
    }

private:
    void Add(TFindingKind kind, const std::string& name, const std::string& detail,
             const std::string& verb = std::string(), const std::string& text = std::string()) {
        result.Findings.push_back({kind, name, detail, verb, text});
    }

    // Checks a class the first time it is met; true when its key exists.
    bool CheckClass(const std::string& className) {
        const auto seen = classes_.emplace(UpperCaseAZ(className), false);
        if (!seen.second)
            return seen.first->second;
        auto known = classFacts.find(UpperCaseAZ(className));
        if (known == classFacts.end())
            known = classFacts.emplace(UpperCaseAZ(className), ReadClassFacts(className, forTable))
                        .first;
        const TClassFacts& facts = known->second;
        if (!facts.Exists)
            return false;
        seen.first->second = true;
        ++result.Classes;
        CheckIcon(className, facts.IconLocation);
        CheckActions(className, facts.Actions);
        // Last: it checks further classes (the maps may grow).
        const std::string curVer = facts.CurVer;
        if (!curVer.empty() && !CheckClass(curVer))
            Add(TFindingKind::MissingCurVer, className,
                "CurVer names the class " + Quoted(curVer) + ", which has no key", "", curVer);
        return true;
    }

    void CheckIcon(const std::string& className, const std::string& location) {
        const std::string file = ExpandEnvironment(IconLocationFile(location));
        if (!file.empty() && !files_.FileExists(file))
            Add(TFindingKind::MissingIcon, className,
                "the icon file " + Quoted(file) + " is not there", "", location);
    }

    void CheckActions(const std::string& className, const std::vector<TActionFacts>& actions) {
        for (const TActionFacts& action : actions) {
            const std::string& verb = action.Verb;
            const std::string& command = action.Command;
            const TCommandProgram program = FindCommandProgram(command, files_);
            if (program.None)
                continue;
            if (!program.Exists)
                Add(TFindingKind::MissingProgram, className,
                    verb + ": the program " + Quoted(program.Path) + " is not there", verb,
                    command);
            else if (!program.Quoted && program.Path.find(' ') != std::string::npos)
                Add(TFindingKind::UnquotedPath, className,
                    verb + ": the path " + Quoted(program.Path) +
                        " holds a blank and is not quoted",
                    verb, command);
        }
    }

    // Whether this user's store holds the extension's key.
    bool UserHolds(const std::string& ext) const {
        if (userKeys_)
            return userKeys_->count(FoldedKeyName(ext)) > 0;
        if (const TKnownUserItems* known = TKnownUserItems::Current())
            return known->UserHolds(ExtensionKey(ext));
        return TwoClassesStores();
    }

    // A user's extension key that hides every user's key and names another
    // class (or none): the classic left-over of a program installed for one
    // user and removed for all.
    void CheckHiding(const std::string& ext, const std::string& className) {
        if (PlaceOfItem(ExtensionKey(ext)) != TItemPlace::UserHidesMachine)
            return;
        std::string machineClass;
        try {
            machineClass = GetExtensionClassIn(TClassesStore::Machine, ext);
        } catch (const ERegistryException&) {
        }
        if (!className.empty() && SameText(className, machineClass))
            return;
        Add(TFindingKind::UserHidesMachine, ext,
            "this user's entry " +
                (className.empty() ? std::string("names no class") : "names " + Quoted(className)) +
                " and hides all users' entry, which names " +
                (machineClass.empty() ? std::string("no class") : Quoted(machineClass)),
            "", machineClass);
    }

    void CheckExplorerChoice(const std::string& ext, const std::string& className) {
        const TExplorerChoice choice = GetExplorerChoice(ext);
        if (choice.Target.empty() || SameText(choice.Target, className))
            return;
        const bool program = choice.Source == "Application";
        Add(TFindingKind::UserChoice, ext,
            "Explorer opens it " + std::string(program ? "with " : "as ") + Quoted(choice.Target) +
                " (" + choice.Source + "), " +
                (className.empty() ? "it names no class" : "not as " + Quoted(className)),
            "", choice.Target);
    }

    TFileLookup files_;
    // Classes met so far, by upper-case name: whether their key exists.
    std::unordered_map<std::string, bool> classes_;
    // Extensions with a key of the user's Explorer choices (upper case).
    std::unordered_set<std::string> choices_;
};

} // namespace

const char* FindingKindName(TFindingKind kind) {
    return kKindNames[static_cast<int>(kind)];
}

bool FindingAboutExtension(TFindingKind kind) {
    return kind == TFindingKind::MissingClass || kind == TFindingKind::EmptyExtension ||
           kind == TFindingKind::UserChoice || kind == TFindingKind::StaleOpenWith ||
           kind == TFindingKind::UserHidesMachine;
}

bool FindingKindOfName(const std::string& name, TFindingKind& kind) {
    // Scripts written for earlier versions name the user's choice by its old name.
    if (name == "explorer-override") {
        kind = TFindingKind::UserChoice;
        return true;
    }
    for (int i = 0; i < FindingKindCount; ++i) {
        if (name == kKindNames[i]) {
            kind = static_cast<TFindingKind>(i);
            return true;
        }
    }
    return false;
}

std::string FindingLine(const TFinding& finding) {
    // A tab or line break inside a registry text would break the line.
    const auto plain = [](std::string text) {
        for (char& c : text)
            if (c == '\t' || c == '\r' || c == '\n')
                c = ' ';
        return text;
    };
    return std::string(FindingKindName(finding.Kind)) + "\t" + plain(finding.Name) + "\t" +
           plain(finding.Detail);
}

bool FindingHolds(const TFinding& finding) {
    TChecker checker;
    if (FindingAboutExtension(finding.Kind))
        checker.CheckExtension(finding.Name);
    else if (finding.Kind == TFindingKind::MissingApplication)
        checker.CheckApplication(finding.Name);
    else
        checker.RecheckClass(finding.Name);
    for (const TFinding& found : checker.result.Findings)
        if (found.Kind == finding.Kind && found.Name == finding.Name &&
            found.Verb == finding.Verb && found.Text == finding.Text)
            return true;
    return false;
}

void SortFindings(std::vector<TFinding>& findings) {
    SortFindingsBy(findings, [](const TFinding& a, const TFinding& b) {
        const int order = CompareText(a.Name, b.Name);
        return order != 0 ? order < 0 : a.Kind < b.Kind;
    });
}

void SortFindingsBy(std::vector<TFinding>& findings, const TFindingOrder& less) {
    // The positions are sorted, not the findings: the sort's code, made for
    // each element type and order, is small for numbers and large for a
    // record of four texts.
    std::vector<size_t> order(findings.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return less(findings[a], findings[b]); });
    std::vector<TFinding> sorted;
    sorted.reserve(findings.size());
    for (size_t i : order)
        sorted.push_back(std::move(findings[i]));
    findings.swap(sorted);
}

TCheckResult CheckAssociations(const TCheckProgress& progress) {
    const TUserItemsSnapshot userItems;
    TChecker checker;
    TStringList list;
    std::unordered_set<std::string> userKeys;
    GetExtensions(list, userKeys);
    checker.userKeys_ = &userKeys;
    const std::vector<std::string> extensions(list.begin(), list.end());
    const int total = list.Count();
    checker.result.Extensions = total;
    bool goOn = !progress || progress(0, total);
    if (goOn)
        goOn = checker.CheckExtensions(
            extensions, [&](size_t checked) { return !progress || progress(int(checked), total); });
    if (goOn)
        checker.CheckApplications();
    checker.result.Stopped = !goOn;
    SortFindings(checker.result.Findings);
    return checker.result;
}

TCheckResult CheckExtensionsAndClasses(const std::vector<std::string>& extensions,
                                       std::unordered_map<std::string, TClassFacts>& classes) {
    const TUserItemsSnapshot userItems;
    TChecker checker;
    checker.forTable = true;
    checker.result.Extensions = int(extensions.size());
    checker.CheckExtensions(extensions, [](size_t) { return true; });
    SortFindings(checker.result.Findings);
    classes = std::move(checker.classFacts);
    return checker.result;
}
