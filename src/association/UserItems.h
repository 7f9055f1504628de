// This user's items of the classes (see registry/ClassesStore.h), listed
// once: while a TUserItemsSnapshot lives, the reads through the merged view
// on its thread take from it which store holds an item, instead of asking
// the user's store at each open. For a run of reads in which nothing is
// written: an export, the check, the plan of a profile. With one store, or a
// user's store that can't be listed, or inside another snapshot, it changes
// nothing.
#pragma once

#include "registry/ClassesStore.h"

#include <string>
#include <unordered_set>

class TUserItemsSnapshot {
public:
    TUserItemsSnapshot();
    TUserItemsSnapshot(const TUserItemsSnapshot&) = delete;
    TUserItemsSnapshot& operator=(const TUserItemsSnapshot&) = delete;

private:
    // In this order: the list is filled, then the reads are told of it.
    std::unordered_set<std::string> folded_; // FoldedKeyName of each item
    bool listed_;
    TKnownUserItems known_;
};
