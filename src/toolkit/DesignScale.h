// Design pixels and screen pixels. The windows are designed for a screen of
// 96 pixels per logical inch; on a screen with more (Windows set to 125 %,
// 150 %, ...) a design pixel covers ScreenDpi() / 96 screen pixels, rounded
// to the nearest one.
//
// Who scales: the toolkit turns the tables into windows at the screen's
// scale (a TControlRow's bounds, a TFormArgs' sizes). Everything else the
// toolkit offers is in screen pixels - the bounds a window has and is given,
// status panel widths, tool button sizes, list columns, splitter sizes - so
// code that hands it a number of the design wraps that number in Scaled.
//
// Bitmaps are enlarged only by a whole factor (BitmapScale), each pixel
// becoming a square block, so that they stay sharp: at 150 % they keep their
// size, at 200 % they double.
#pragma once

#include "toolkit/Handles.h"
#include "toolkit/Window.h"

constexpr int kDesignDpi = 96;

// The screen's pixels per logical inch (LOGPIXELSY of the screen's DC),
// read once.
int ScreenDpi();

// A length of the design in pixels of a screen with `dpi`, rounded to the
// nearest pixel (halves away from zero).
int ScaleToDpi(int designPixels, int dpi);
// A length of the design in pixels of this screen.
int Scaled(int designPixels);
TBounds Scaled(const TBounds& design);

// The whole factor bitmaps are enlarged by on a screen with `dpi`: the
// factor rounded down, at least 1.
int BitmapScaleForDpi(int dpi);
// The same for this screen.
int BitmapScale();
// A copy of `bitmap` enlarged `factor` times, each pixel a square block of
// its colour (null for a null bitmap).
TBitmapHandle EnlargedBitmap(HBITMAP bitmap, int factor);
