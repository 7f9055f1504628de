// Small conversions of value texts that the association layer and the
// dialogs share: hexadecimal text to number, and the icon location text of a
// class's "DefaultIcon" (a file name, a comma and an icon index).
#pragma once

#include <cstdint>
#include <string>

// The digits IsHexText accepts, upper case only.
extern const char HexDigits[];

// True when the text is not empty and every character is one of HexDigits.
bool IsHexText(const std::string& text);

// The 32-bit pattern of a hexadecimal text (either case; "80000000" gives the
// most negative integer). Digits beyond the eighth from the right fall out of
// the 32 bits. Raises EConvertError "''%s'' ist kein gültiger hexadezimaler
// Wert" with the upper-cased text when it is not hexadecimal.
int32_t HexToInt(const std::string& text);

// The file part of an icon location: the text between a leading double quote
// and the next one (empty when it is never closed), else the text before the
// first comma, or all of it.
std::string IconFileOf(const std::string& location);

// The index part: the text after the first comma (or the whole location) as a
// signed decimal number after leading blanks; 0 when it is no number. Quotes
// are not considered.
int IconIndexOf(const std::string& location);

// The file name in double quotes (an embedded quote doubled), a comma and the
// index in decimal.
std::string MakeIconLocation(const std::string& fileName, int index);
