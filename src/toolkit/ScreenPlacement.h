// Keeping windows on the screen: bounds stored on a larger screen, or the
// far-off position the system gives a minimized window (-32000), are brought
// back onto the primary screen before a window takes them.
#pragma once

#include "toolkit/Window.h"

// Window bounds brought onto a screen of the given size: no larger than the
// screen, and moved so that no edge lies outside it.
TBounds PlaceOnScreen(TBounds bounds, int screenWidth, int screenHeight);

// The full size of the primary display (not its work area).
int ScreenWidth();
int ScreenHeight();
