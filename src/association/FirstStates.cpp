#include "association/FirstStates.h"

#include <algorithm>

namespace {

// The subkey of `tree` named `name`, as the registry compares names.
std::vector<TKeyTree>::iterator SubKey(TKeyTree& tree, const std::string& name) {
    return std::find_if(tree.SubKeys.begin(), tree.SubKeys.end(),
                        [&](const TKeyTree& sub) { return SameKeyName(sub.Name, name); });
}

// Puts the state `earlier` holds into `later`, which holds it; false when
// `later` has no place for it, and `later` is left as it was.
bool TakeIn(TKeyImage& later, const TKeyImage& earlier) {
    const bool oneValue = earlier.Exists && earlier.OneValue;
    const size_t depth = SplitKeyPath(later.Path).size();
    const std::vector<std::string> names = SplitKeyPath(earlier.Path);
    if (names.size() == depth && (!oneValue || later.OneValue)) {
        later = earlier; // the same part, as it was before
        return true;
    }
    if (!later.Exists)
        return !earlier.Exists; // missing then as it is later
    // The node of the earlier key for one value, else of the key above it.
    TKeyTree* node = &later.Tree;
    for (size_t i = depth; i < names.size() - (oneValue ? 0 : 1); ++i) {
        const auto sub = SubKey(*node, names[i]);
        if (sub == node->SubKeys.end())
            return !earlier.Exists;
        node = &*sub;
    }
    if (oneValue) {
        std::vector<TRawValue>& values = node->Values;
        values.erase(std::remove_if(values.begin(), values.end(),
                                    [&](const TRawValue& value) {
                                        return SameKeyName(value.Name, earlier.ValueName);
                                    }),
                     values.end());
        values.insert(values.end(), earlier.Tree.Values.begin(), earlier.Tree.Values.end());
        return true;
    }
    const auto sub = SubKey(*node, names.back());
    if (!earlier.Exists) {
        if (sub != node->SubKeys.end())
            node->SubKeys.erase(sub);
    } else if (sub != node->SubKeys.end()) {
        *sub = earlier.Tree;
    } else {
        node->SubKeys.push_back(earlier.Tree);
    }
    return true;
}

} // namespace

bool ImageHolds(const TKeyImage& outer, const TKeyImage& inner) {
    if (outer.Root != inner.Root || !IsSameOrBelow(inner.Path, outer.Path))
        return false;
    if (!outer.Exists || !outer.OneValue)
        return true;
    return inner.Exists && inner.OneValue && IsSameOrBelow(outer.Path, inner.Path) &&
           SameKeyName(outer.ValueName, inner.ValueName);
}

void AddFirstState(std::vector<TKeyImage>& first, TKeyImage image) {
    if (std::any_of(first.begin(), first.end(),
                    [&](const TKeyImage& known) { return ImageHolds(known, image); }))
        return;
    size_t place = first.size();
    for (size_t i = 0; i < first.size();) {
        if (ImageHolds(image, first[i]) && TakeIn(image, first[i])) {
            place = std::min(place, i);
            first.erase(first.begin() + i);
        } else {
            ++i;
        }
    }
    first.insert(first.begin() + place, std::move(image));
}
