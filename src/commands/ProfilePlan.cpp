#include "commands/ProfilePlan.h"

#include "association/DataType.h"
#include "association/ExplorerChoice.h"
#include "association/KeyImage.h"
#include "association/RegistryWriter.h"
#include "association/UserItems.h"
#include "support/TextCompare.h"
#include "support/WholeFile.h"

#include <algorithm>

namespace {

bool LooksLikeXml(const std::string& bytes) {
    size_t pos = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    // UTF-16 (either order) puts a NUL beside every ASCII character.
    const bool wide = bytes.compare(0, 2, "\xFF\xFE") == 0 || bytes.compare(0, 2, "\xFE\xFF") == 0;
    if (wide)
        pos = 2;
    for (; pos < bytes.size(); ++pos) {
        const char c = bytes[pos];
        if (c == '<')
            return true;
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && !(wide && c == '\0'))
            return false;
    }
    return false;
}

std::string ClassOrNothing(const std::string& ext) {
    try {
        return GetExtensionClass(ext);
    } catch (const ERegistryException&) {
        return std::string();
    }
}

TPlanItem PlanAssociation(const TAssociationEntry& entry, bool choices) {
    TPlanItem item;
    item.Line = entry.Line;
    item.Name = entry.Identifier;
    if (!IsValidExtension(entry.Identifier)) {
        item.State = TPlanState::Protocol;
        item.Detail = entry.ProgId + ": left to Windows, which keeps a protocol's program in the "
                                     "user's choice";
        return item;
    }
    if (!FileClassExists(entry.ProgId)) {
        item.State = TPlanState::Missing;
        item.Detail = "the class '" + entry.ProgId + "' is not registered; skipped";
        return item;
    }
    const std::string now = ClassOrNothing(entry.Identifier);
    item.Detail = entry.ProgId;
    if (SameText(now, entry.ProgId)) {
        item.State = TPlanState::Unchanged;
    } else {
        item.State = TPlanState::Change;
        item.Detail += !now.empty()                            ? " (now " + now + ")"
                       : ExtensionExists(entry.Identifier)     ? " (now no class)"
                                                                : " (new extension)";
    }
    if (choices) {
        const TExplorerChoice choice = GetExplorerChoice(entry.Identifier);
        if (!choice.Target.empty() && !SameText(choice.Target, entry.ProgId))
            item.Detail += "; the choice made in Windows, " + choice.Target + " (" + choice.Source +
                           "), wins";
    }
    return item;
}

const TRawValue* FindValue(const std::vector<TRawValue>& values, const std::string& name) {
    for (const TRawValue& value : values)
        if (SameKeyName(value.Name, name))
            return &value;
    return nullptr;
}

bool OpenKey(const TRegFileKey& key, std::vector<TRawValue>& values) {
    TRawKey open;
    if (TRawKey::Open(TRawKey(key.Root, false), key.Path, KEY_READ, open) != ERROR_SUCCESS)
        return false;
    open.Values(values);
    return true;
}

// Whether the file's value differs from what the key holds.
bool ValueChanges(const TRegFileValue& value, const std::vector<TRawValue>& now) {
    const TRawValue* held = FindValue(now, value.Value.Name);
    if (value.Delete)
        return held != nullptr;
    return !held || held->Type != value.Value.Type || held->Data != value.Value.Data;
}

TPlanItem PlanKey(const TRegFileKey& key) {
    TPlanItem item;
    item.Line = key.Line;
    item.Name = key.FullName;
    std::vector<TRawValue> now;
    const bool exists = OpenKey(key, now);
    if (key.Delete) {
        item.State = exists ? TPlanState::Change : TPlanState::Unchanged;
        item.Detail = exists ? "deleted with its subkeys" : "not there";
        return item;
    }
    size_t set = 0, deleted = 0;
    for (const TRegFileValue& value : key.Values)
        if (ValueChanges(value, now))
            ++(value.Delete ? deleted : set);
    const auto count = [](size_t n, const char* what) {
        return std::to_string(n) + (n == 1 ? " value " : " values ") + what;
    };
    if (!exists) {
        item.State = TPlanState::Change;
        item.Detail = "new key, " + count(set, "set");
    } else if (set + deleted == 0) {
        item.Detail = key.Values.empty() ? "there" : count(key.Values.size(), "as wanted");
    } else {
        item.State = TPlanState::Change;
        item.Detail = count(set, "set") + (deleted ? ", " + count(deleted, "deleted") : "");
    }
    return item;
}

[[noreturn]] void Refused(const std::string& what, LONG rc) {
    throw ERegistryException(what + " (" + RegistryErrorText(rc) + ").");
}

void ApplyKey(TRegistryWriter& writer, const TRegFileKey& key) {
    const TRawKey root(key.Root, false);
    if (key.Delete) {
        const TKeyChange change = writer.Key(key.Root, key.Path);
        const size_t slash = key.Path.rfind('\\');
        TRawKey parent;
        LONG rc = TRawKey::Open(root, slash == std::string::npos ? "" : key.Path.substr(0, slash),
                                KEY_READ | KEY_WRITE, parent);
        if (rc == ERROR_SUCCESS)
            rc = parent.DeleteTree(slash == std::string::npos ? key.Path : key.Path.substr(slash + 1));
        if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND)
            Refused("The key " + key.FullName + " could not be deleted", rc);
        return;
    }
    std::vector<TRawValue> now;
    const bool exists = OpenKey(key, now);
    // A new key is recorded whole (undo deletes it); in a key that is there
    // each changed value alone.
    if (!exists) {
        const TKeyChange change = writer.Key(key.Root, key.Path);
        TRawKey created;
        if (LONG rc = TRawKey::Create(root, key.Path, KEY_READ | KEY_WRITE, created))
            Refused("The key " + key.FullName + " could not be created", rc);
    }
    for (const TRegFileValue& value : key.Values) {
        if (!ValueChanges(value, now))
            continue;
        const TKeyChange change = writer.Value(key.Root, key.Path, value.Value.Name);
        TRawKey open;
        LONG rc = TRawKey::Create(root, key.Path, KEY_READ | KEY_WRITE, open);
        if (rc == ERROR_SUCCESS)
            rc = value.Delete ? open.DeleteValue(value.Value.Name) : open.SetValue(value.Value);
        if (rc != ERROR_SUCCESS && !(value.Delete && rc == ERROR_FILE_NOT_FOUND))
            Refused("The value '" + value.Value.Name + "' of " + key.FullName +
                        " could not be written",
                    rc);
    }
}

} // namespace

TProfile ParseProfile(const std::string& file, const std::string& bytes) {
    TProfile profile;
    profile.File = file;
    profile.Xml = LooksLikeXml(bytes);
    if (profile.Xml)
        profile.Associations = ReadAssociationsXml(file, bytes);
    else
        profile.Keys = ReadRegFile(file, bytes);
    return profile;
}

TProfile ReadProfile(const std::string& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        throw Exception("The profile " + path + " could not be read.");
    return ParseProfile(path, bytes);
}

const char* PlanStateName(TPlanState state) {
    switch (state) {
    case TPlanState::Change: return "change";
    case TPlanState::Unchanged: return "unchanged";
    case TPlanState::Missing: return "missing";
    case TPlanState::Protocol: return "protocol";
    }
    return "";
}

size_t TPlan::Count(TPlanState state) const {
    return static_cast<size_t>(std::count_if(Items.begin(), Items.end(),
                                             [&](const TPlanItem& i) { return i.State == state; }));
}

size_t TPlan::ChosenChanges() const {
    return static_cast<size_t>(std::count_if(Items.begin(), Items.end(), [](const TPlanItem& i) {
        return i.Chosen && i.State == TPlanState::Change;
    }));
}

TPlan PlanProfile(const TProfile& profile) {
    const TUserItemsSnapshot userItems; // planning reads, it writes nothing
    TPlan plan;
    const bool choices = profile.Xml && KeepsExplorerChoices();
    const size_t count = profile.Xml ? profile.Associations.size() : profile.Keys.size();
    plan.Items.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        plan.Items.push_back(profile.Xml ? PlanAssociation(profile.Associations[i], choices)
                                         : PlanKey(profile.Keys[i]));
        plan.Items.back().Source = i;
    }
    return plan;
}

std::string PlanLine(const TPlanItem& item) {
    return std::string(PlanStateName(item.State)) + "\t" + item.Name + "\t" + item.Detail;
}

void ApplyPlanItem(TRegistryWriter& writer, const TProfile& profile, const TPlanItem& item) {
    if (item.State != TPlanState::Change)
        return;
    if (!profile.Xml) {
        ApplyKey(writer, profile.Keys[item.Source]);
        return;
    }
    const TAssociationEntry& entry = profile.Associations[item.Source];
    if (!AssociateExtension(writer, entry.Identifier, entry.ProgId, true))
        throw ERegistryException("Erzeugung von Schlüssel " + entry.Identifier + " misslungen");
}
