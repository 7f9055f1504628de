// The fonts of the program's windows: "MS Shell Dlg" / Tahoma 8 pt by
// default, bold or other sizes of the same face where a window asks for one,
// and the size a text takes in a font.
#pragma once

#include <string>

#include "platform/Win32.h"
#include "toolkit/Handles.h"

constexpr int kDefaultFontSize = 8;

// The default font, made once (Tahoma where the system has it, else
// "MS Shell Dlg"); it lives until the program ends.
HFONT DefaultFont();
// A new font of the default face, bold or regular, in `pointSize` points;
// the caller owns it.
TFontHandle MakeFont(bool bold, int pointSize);
// The size of a text in `font` (null: the default font); with `wordBreak`
// broken at words to fit `width`. An empty text is as high as one line.
SIZE TextExtent(const std::string& text, int width, bool wordBreak, HFONT font = nullptr);

// The size DrawText gives `text` in `font` with `flags` (DT_CALCRECT added;
// `width` bounds a text that breaks at words), made wide enough for every
// pixel the drawing sets. The two differ where a glyph reaches past its
// advance, or where the rasteriser advances otherwise than the metrics say:
// Wine draws the period of its Tahoma at 8 points 4 pixels wide and measures
// it 3, so "1.0.0.0" measured 33 pixels sets pixels up to the 35th. A label
// exactly as wide as the measure cuts the last character. A text broken at
// words keeps the measured width: it is as wide as it may be.
SIZE DrawnTextSize(const std::string& text, int width, UINT flags, HFONT font);
