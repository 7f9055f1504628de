// Error reporting: an exception that reaches a window's message handling is
// reported here and the program goes on. The application object installs the
// error box as the reporter; without one the platform's message box shows it.
#pragma once

#include <string>

using TErrorReporter = void (*)(const std::string& message);

// Reports the exception being handled (call it inside a catch block): its
// message, or "Unbekannter Fehler" for one that carries none.
void ReportException();
// Reports an error message. A reporter that fails itself is ignored:
// reporting an error must not raise another one.
void ReportError(const std::string& message);
// Installs the reporter (null: the platform's box); returns the one before.
TErrorReporter SetErrorReporter(TErrorReporter reporter);
