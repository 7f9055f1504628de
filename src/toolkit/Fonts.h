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
