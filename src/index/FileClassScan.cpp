#include "index/FileClassScan.h"

#include "association/DataType.h"
#include "association/KeyImage.h"
#include "support/StringList.h"
#include "support/TextCompare.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

// The result is the index that visiting the extensions from the last to the
// first and filing each with Add(class, "", extension) would build. It is
// built in three steps so that the platform's text comparison, which costs
// about a microsecond per call under Wine, runs a few times per class
// instead of two binary searches per extension:
//  1. read the class of every extension, in visiting order, and collect the
//     extensions by the exact spelling of their class (a hash, no comparison);
//  2. sort the spellings with the index's comparison; spellings that differ
//     only in case become neighbours, the one visited first leading;
//  3. create the entries in index order, each under its first-visited
//     spelling with that spelling's description, and append its extensions
//     in visiting order.
// The registry is read exactly as often as by the plain loop: each extension
// key once. Class keys are not read at all: the index never hands a
// description back, so the entries are created with an empty one, and the
// class view reads a class's description when it shows the class.

namespace {

// Holds the index's update bracket for one scope, so that it is closed on
// every path.
class TFileClassUpdate {
public:
    explicit TFileClassUpdate(TFileClass& index) : index_(index) { index_.BeginUpdate(); }
    ~TFileClassUpdate() { index_.EndUpdate(); }
    TFileClassUpdate(const TFileClassUpdate&) = delete;
    TFileClassUpdate& operator=(const TFileClassUpdate&) = delete;

private:
    TFileClass& index_;
};

// The class an extension names. A default value that holds no text makes
// GetExtensionClass raise; such an extension is reported as unreadable and
// filed under the empty name, so that one odd key does not end the scan.
bool ReadExtensionClass(const std::string& ext, TClassesStore store, std::string& className) {
    try {
        className = GetExtensionClassIn(store, ext);
        return true;
    } catch (const ERegistryException&) {
        className.clear();
        return false;
    }
}

// One spelling of a class name and the extensions naming it so, by their
// position in visiting order.
struct TSpelling {
    std::string name;
    std::vector<int> visits;
};

} // namespace

TScanResult ScanFileClasses(TFileClass& index, const TScanProgress& progress,
                            TStringList* extensionsRead) {
    TScanResult result;
    index.Clear();
    if (extensionsRead)
        extensionsRead->Clear();
    TStringList extensions;
    std::unordered_set<std::string> userKeys;
    GetExtensions(extensions, userKeys);
    // Each extension is read from the store that holds it: no request goes
    // to find the store.
    const bool twoStores = TwoClassesStores();
    auto storeOf = [&](const std::string& ext) {
        if (!twoStores)
            return TClassesStore::View;
        if (userKeys.empty())
            return TClassesStore::Machine;
        return userKeys.count(FoldedKeyName(ext)) ? TClassesStore::User : TClassesStore::Machine;
    };
    const int count = extensions.Count();
    result.Extensions = count;
    // The last extension is visited first.
    auto visited = [&](int visit) -> const std::string& { return extensions[count - 1 - visit]; };
    auto goOn = [&](int read) { return !progress || progress(read, count); };
    if (!goOn(0)) {
        result.Stopped = true;
        return result;
    }

    // 1. Spellings in the order they are first met.
    std::vector<TSpelling> spellings;
    {
        std::unordered_map<std::string, int> byName;
        std::string className;
        for (int visit = 0; visit < count; ++visit) {
            if (!ReadExtensionClass(visited(visit), storeOf(visited(visit)), className))
                ++result.Unreadable;
            auto found = byName.emplace(className, static_cast<int>(spellings.size()));
            if (found.second)
                spellings.push_back({className, {}});
            spellings[found.first->second].visits.push_back(visit);
            if (!goOn(visit + 1)) {
                result.Stopped = true;
                return result;
            }
        }
    }

    // 2. Index order; the stable sort keeps the first-met spelling of equal
    // names in front.
    std::vector<int> order(spellings.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return CompareText(spellings[a].name, spellings[b].name) < 0;
    });

    // 3. One entry per run of equal names. Every entry is new (the index was
    // cleared and the runs hold different names).
    TFileClassUpdate update(index);
    std::vector<int> visits;
    for (std::size_t first = 0, next; first < order.size(); first = next) {
        const TSpelling& spelling = spellings[order[first]];
        visits = spelling.visits;
        for (next = first + 1;
             next < order.size() && SameText(spellings[order[next]].name, spelling.name); ++next)
            visits.insert(visits.end(), spellings[order[next]].visits.begin(),
                          spellings[order[next]].visits.end());
        if (next - first > 1)
            std::sort(visits.begin(), visits.end());
        const int entry = index.Add(spelling.name, std::string(), visited(visits[0]));
        for (std::size_t k = 1; k < visits.size(); ++k)
            index.AddExtension(entry, visited(visits[k]));
    }
    result.Classes = index.Count();
    if (extensionsRead)
        std::swap(*extensionsRead, extensions);
    return result;
}
