// The exact state of one registry key, taken before a change so that the
// change can be taken back: whether the key exists, all its values with their
// types and raw bytes, and all its subkeys with theirs, to any depth.
#pragma once

#include "registry/RawKey.h"
#include "support/Exception.h"

#include <string>
#include <vector>

// A key below the one an image starts at: its name, values and subkeys.
struct TKeyTree {
    std::string Name;
    std::vector<TRawValue> Values;
    std::vector<TKeyTree> SubKeys;
};

// The state of the key `Path` below the predefined `Root`. When Exists is
// false, Tree is empty. An image of one value (OneValue) keeps only the
// value `ValueName` of an existing key: Tree.Values holds it, or is empty
// when the key had no such value; Tree.SubKeys is empty.
struct TKeyImage {
    HKEY Root = HKEY_CLASSES_ROOT;
    std::string Path;
    bool Exists = false;
    TKeyTree Tree;
    bool OneValue = false;
    std::string ValueName;

    // The key as a person writes it: "HKEY_CLASSES_ROOT\.txt".
    std::string FullName() const;
};

bool operator==(const TRawValue& a, const TRawValue& b);
bool operator==(const TKeyTree& a, const TKeyTree& b);
bool operator==(const TKeyImage& a, const TKeyImage& b);

// A key whose state can't be read or written; the message names the key.
class EKeyImageError : public Exception {
public:
    using Exception::Exception;
};

// Reads the state of `path` below `root`. A missing key gives an image with
// Exists false whose Path is that of the topmost missing key on the way (so
// restoring it also removes the keys above that a creation added); any other failure raises
// EKeyImageError, since an image that leaves something out could not take the
// change back.
TKeyImage CaptureKey(HKEY root, const std::string& path);
// As CaptureKey, but the key keeps the spelling `path` gives it: its parent's
// subkeys are not searched for the registry's own spelling, which would make
// a capture of thousands of keys below one parent take quadratic time. For
// exports, whose keys are named by the path.
TKeyImage CaptureKeyAsNamed(HKEY root, const std::string& path);
// CaptureKeyAsNamed of each of `paths` below `root`, read by several threads
// at once (registry/ParallelReads.h); the images in the order of the paths.
std::vector<TKeyImage> CaptureKeysAsNamed(HKEY root, const std::vector<std::string>& paths);

// Reads the state of the value `name` of the key `path` below `root`, for a
// change of that value alone. A missing key gives the same image as
// CaptureKey (restoring it removes the keys the change created).
TKeyImage CaptureValue(HKEY root, const std::string& path, const std::string& name);

// Makes the key exactly what the image holds: a key that did not exist is
// deleted with its subkeys; otherwise it is created as needed, values and
// subkeys it did not have are deleted, and every value is written with its old
// type and bytes, to any depth. Raises EKeyImageError when the registry
// refuses a step; what was done before that step stays, and restoring again
// finishes the work. An image of one value writes that value back (or
// deletes it when it was not there) and leaves the rest of the key alone.
void RestoreKey(const TKeyImage& image);

// Whether two key or value names (UTF-8) are the same as the registry
// compares them, character by character: letters without regard to case
// (those of ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic), every
// other character as it is.
bool SameKeyName(const std::string& a, const std::string& b);
// The name with its letters folded as SameKeyName folds them: two names are
// the same key name when their folded forms are equal.
std::string FoldedKeyName(const std::string& name);

// Whether the key `path` is `ancestor` or lies below it (names compared
// without regard to case, as the registry compares them).
bool IsSameOrBelow(const std::string& path, const std::string& ancestor);
