// Which of the system's two kinds of text functions the program speaks, and
// the conversions of the ANSI side. Inside the program all text is UTF-8. On
// the NT family the boundary wrappers call the wide ("W") functions with
// UTF-16 (support/Utf8Text.h); on Windows 95, 98 and ME, whose registry,
// windows and files are ANSI, they call the "A" functions with text in the
// system's ANSI code page. Only those wrappers call an "A" or "W" function.
#pragma once

#include "support/Utf8Text.h"

#include <string>

// Whether the running system is of the NT family, whose wide functions the
// boundary uses. Decided once per run on Windows; the native stand-in answers
// after the version record set at the time.
bool WideSystem();

// UTF-8 text in the ANSI code page: a character the code page lacks becomes
// the code page's default character ("?").
std::string AnsiFromUtf8(const std::string& text);

// ANSI text (of the system's code page) in UTF-8.
std::string Utf8FromAnsi(const std::string& text);

// A character (its Unicode code) in lower case as the system folds it:
// CharLowerBuffW on the NT family, CharLowerBuffA in the ANSI code page on
// the 95 family. A character beyond U+FFFF, or one the code page lacks,
// stays as it is.
unsigned long SystemLowerCase(unsigned long code);
