// Functions of the system libraries that Windows 95 or NT 4 lack, among them
// every wide ("W") function the NT family's boundary calls: each is looked up
// at run time, so that the loader of those systems never sees it among the
// program's imports (tests/release/check-imports.sh keeps them out).
#pragma once

#include "platform/Win32.h"

#ifdef _WIN32
// The function `name` of the loaded system library `library`, or null.
template <typename F> F SystemFunction(const char* library, const char* name) {
    const HMODULE module = GetModuleHandleA(library);
    return module ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                  : nullptr;
}

// The system function `function` of `library`, looked up once per call site.
// Only for libraries the program imports anyway (kernel32, user32, gdi32,
// advapi32, shell32, comctl32, comdlg32), which are loaded from the start.
#define SYSTEM_FUNCTION(library, function)                                                       \
    ([] {                                                                                        \
        static const auto found = SystemFunction<decltype(&function)>(library, #function);      \
        return found;                                                                            \
    }())
#else
// The native stand-in links its functions directly.
#define SYSTEM_FUNCTION(library, function) (&function)
#endif
