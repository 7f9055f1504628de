// The check boxes of the flags window: one per flag element, with its
// caption, its hint (shown as a tool tip) and its place on the options group.
#pragma once

#include "association/EditFlags.h"
#include "toolkit/Window.h"

struct TFlagBox {
    const char* name; // "CheckBox1" ... "CheckBox19"
    const char* caption;
    const char* hint;  // empty: none
    TEditFlag element; // element N for box N
    TBounds bounds;    // on the options group
};

constexpr int FlagBoxCount = 19;
extern const TFlagBox FlagBoxes[FlagBoxCount];
