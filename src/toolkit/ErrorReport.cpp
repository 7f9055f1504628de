#include "toolkit/ErrorReport.h"

#include <exception>

#include "platform/Win32.h"
#include "toolkit/SystemWindows.h"

namespace {

TErrorReporter reporter = nullptr;

} // namespace

void ReportException() {
    try {
        throw;
    } catch (const std::exception& e) {
        ReportError(e.what());
    } catch (...) {
        ReportError("Unbekannter Fehler");
    }
}

void ReportError(const std::string& message) {
    try {
        if (reporter)
            reporter(message);
        else
            ShowSystemMessageBox(nullptr, message, "Fehler", MB_OK | MB_ICONERROR);
    } catch (...) {
    }
}

TErrorReporter SetErrorReporter(TErrorReporter next) {
    TErrorReporter previous = reporter;
    reporter = next;
    return previous;
}
