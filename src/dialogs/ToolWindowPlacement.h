// The place of a tool window kept in the settings file, in a section named
// after the window: "Top" and "Left", and for a sizeable window "Height" and
// "Width" too.
#pragma once

#include <string>

#include "toolkit/Window.h"

class TZQIniFile;

struct TToolWindowPlacement {
    std::string section; // "ActionForm", "AdvOptionForm"
    bool sizeable = false;
    // Defaults of "Width" and "Height" (sizeable windows), in design pixels.
    int designWidth = 0;
    int designHeight = 0;
};

// The stored bounds of a window whose bounds are now `current`. The keys are
// read in the order Top, Left, Height, Width, each default taken from the
// bounds as set so far: Top and Left default to the place that centres the
// window at its current size on the screen (truncated toward zero), Height
// and Width to the design size scaled to the screen. The result lies on the
// screen. Stored values are screen pixels, taken as they are.
TBounds ReadToolWindowBounds(const TZQIniFile& ini, const TToolWindowPlacement& placement,
                             TBounds current, int screenWidth, int screenHeight);

// Stores Top, Left and, for a sizeable window, Height and Width, in that order.
void WriteToolWindowBounds(const TZQIniFile& ini, const TToolWindowPlacement& placement,
                           const TBounds& bounds);
