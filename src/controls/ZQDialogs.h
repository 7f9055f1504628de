// ZQDialogs: the program's reusable dialog functions.
#pragma once

#include <string>

class TStringList;

// Asks the user to choose one of `items` in a TSelectQuery captioned
// `caption` with `prompt` above the list; the entry at `initialIndex` (the
// first one when it is out of range) is selected at first. True when the
// user confirmed with OK: `index` is then the chosen position. Otherwise
// false, and `index` is `initialIndex`.
bool SelectQuery(const std::string& caption, const std::string& prompt, const TStringList& items,
                 int initialIndex, int& index);
