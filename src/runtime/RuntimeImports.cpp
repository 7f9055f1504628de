// The system functions that the compiler's static runtime (the POSIX thread
// library under std::thread and std::mutex, and the C runtime's additions)
// calls but Windows 95 or NT 4 do not export (GetTickCount64: no system
// before Vista), and MoveFileExA, which the portable core calls. Imported
// directly, any one of them would make the loader refuse corvix.exe there.
// Callers reach them through import pointers (__imp__Name@bytes); this file
// defines those pointers itself, so the linker takes them from here instead
// of from the system's import libraries. Each function looks the system's
// own up at run time and falls back where it is missing. Linked into
// corvix.exe and corvix.com as an object of its own (an archive member would come too late
// to stand in). tests/release/check-imports.sh checks that none of them is
// imported.
#include "platform/Win32.h"

#include <string>

namespace {

FARPROC Kernel32(const char* name) {
    return GetProcAddress(GetModuleHandleA("kernel32.dll"), name);
}

template <typename F> F Find(const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(Kernel32(name)));
}

bool IsNT() {
    return GetVersion() < 0x80000000;
}

ULONGLONG WINAPI TickCount64() {
    if (const auto real = Find<ULONGLONG(WINAPI*)()>("GetTickCount64"))
        return real();
    // GetTickCount wraps after 49.7 days: carried on past that.
    static DWORD last = 0;
    static ULONGLONG wraps = 0;
    const DWORD now = GetTickCount();
    if (now < last)
        wraps += 0x100000000ULL;
    last = now;
    return wraps + now;
}

// The thread library watches for the debugger's "thread name" exception,
// which it raises only while a debugger is there.
PVOID WINAPI AddVectoredHandler(ULONG first, PVECTORED_EXCEPTION_HANDLER handler) {
    const auto real =
        Find<PVOID(WINAPI*)(ULONG, PVECTORED_EXCEPTION_HANDLER)>("AddVectoredExceptionHandler");
    return real ? real(first, handler) : nullptr;
}

ULONG WINAPI RemoveVectoredHandler(PVOID handle) {
    const auto real = Find<ULONG(WINAPI*)(PVOID)>("RemoveVectoredExceptionHandler");
    return real && handle ? real(handle) : 0;
}

BOOL WINAPI DebuggerPresent() {
    const auto real = Find<BOOL(WINAPI*)()>("IsDebuggerPresent");
    return real ? real() : FALSE;
}

// Windows 95 to ME: waits for the section where NT would fail at once (the
// thread library tries it only to report a condition variable still in use).
BOOL WINAPI TryEnterSection(LPCRITICAL_SECTION section) {
    if (const auto real = Find<BOOL(WINAPI*)(LPCRITICAL_SECTION)>("TryEnterCriticalSection"))
        return real(section);
    EnterCriticalSection(section);
    return TRUE;
}

// Windows 95 to ME: every handle the thread library holds counts as valid.
BOOL WINAPI HandleInformation(HANDLE handle, LPDWORD flags) {
    if (const auto real = Find<BOOL(WINAPI*)(HANDLE, LPDWORD)>("GetHandleInformation"))
        return real(handle, flags);
    *flags = 0;
    return TRUE;
}

BOOL NotImplemented() {
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return FALSE;
}

BOOL WINAPI ThreadTimes(HANDLE thread, LPFILETIME a, LPFILETIME b, LPFILETIME c, LPFILETIME d) {
    using F = BOOL(WINAPI*)(HANDLE, LPFILETIME, LPFILETIME, LPFILETIME, LPFILETIME);
    const auto real = Find<F>("GetThreadTimes");
    return real ? real(thread, a, b, c, d) : NotImplemented();
}

BOOL WINAPI ProcessTimes(HANDLE process, LPFILETIME a, LPFILETIME b, LPFILETIME c, LPFILETIME d) {
    using F = BOOL(WINAPI*)(HANDLE, LPFILETIME, LPFILETIME, LPFILETIME, LPFILETIME);
    const auto real = Find<F>("GetProcessTimes");
    return real ? real(process, a, b, c, d) : NotImplemented();
}

// Windows 95 to ME run on one processor.
BOOL WINAPI ProcessAffinity(HANDLE process, PDWORD_PTR mask, PDWORD_PTR systemMask) {
    using F = BOOL(WINAPI*)(HANDLE, PDWORD_PTR, PDWORD_PTR);
    if (const auto real = Find<F>("GetProcessAffinityMask"))
        return real(process, mask, systemMask);
    *mask = *systemMask = 1;
    return TRUE;
}

BOOL WINAPI SetProcessAffinity(HANDLE process, DWORD_PTR mask) {
    const auto real = Find<BOOL(WINAPI*)(HANDLE, DWORD_PTR)>("SetProcessAffinityMask");
    return real ? real(process, mask) : NotImplemented();
}

BOOL WINAPI TimeAdjustment(PDWORD adjustment, PDWORD increment, PBOOL disabled) {
    const auto real = Find<BOOL(WINAPI*)(PDWORD, PDWORD, PBOOL)>("GetSystemTimeAdjustment");
    return real ? real(adjustment, increment, disabled) : NotImplemented();
}

BOOL WINAPI LeadByteOf(UINT codePage, BYTE c) {
    if (const auto real = Find<BOOL(WINAPI*)(UINT, BYTE)>("IsDBCSLeadByteEx"))
        return real(codePage, c);
    CPINFO info;
    if (!GetCPInfo(codePage, &info))
        return FALSE;
    for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i]; i += 2)
        if (c >= info.LeadByte[i] && c <= info.LeadByte[i + 1])
            return TRUE;
    return FALSE;
}

// Windows 95 to ME do not implement it (Knowledge Base Q129532), and whether
// their kernel32 exports it at all is not documented: looked up like the
// others. support/FileMove takes this answer for the rename those systems
// do instead.
BOOL WINAPI MoveFileReplacing(LPCSTR from, LPCSTR to, DWORD flags) {
    const auto real = Find<BOOL(WINAPI*)(LPCSTR, LPCSTR, DWORD)>("MoveFileExA");
    return real ? real(from, to, flags) : NotImplemented();
}

// The C runtime asks for its own and the system's libraries by their wide
// names; Windows 95 to ME have only the ANSI functions (the names are ASCII).
std::string Narrow(LPCWSTR name) {
    char narrow[MAX_PATH] = "";
    WideCharToMultiByte(CP_ACP, 0, name, -1, narrow, sizeof narrow, nullptr, nullptr);
    return narrow;
}

HMODULE WINAPI ModuleHandleW(LPCWSTR name) {
    const auto real = IsNT() ? Find<HMODULE(WINAPI*)(LPCWSTR)>("GetModuleHandleW") : nullptr;
    if (real || !name)
        return real ? real(name) : GetModuleHandleA(nullptr);
    return GetModuleHandleA(Narrow(name).c_str());
}

HMODULE WINAPI LoadLibraryWide(LPCWSTR name) {
    if (const auto real = IsNT() ? Find<HMODULE(WINAPI*)(LPCWSTR)>("LoadLibraryW") : nullptr)
        return real(name);
    return LoadLibraryA(Narrow(name).c_str());
}

} // namespace

// The import pointers, under the names the runtime's objects refer to.
#define CORVIX_IMPORT(function, bytes, replacement)                                                \
    __attribute__((used)) decltype(&replacement) importOf##function __asm__(                       \
        "__imp__" #function "@" #bytes) = replacement;

extern "C" {
CORVIX_IMPORT(GetTickCount64, 0, TickCount64)
CORVIX_IMPORT(AddVectoredExceptionHandler, 8, AddVectoredHandler)
CORVIX_IMPORT(RemoveVectoredExceptionHandler, 4, RemoveVectoredHandler)
CORVIX_IMPORT(IsDebuggerPresent, 0, DebuggerPresent)
CORVIX_IMPORT(TryEnterCriticalSection, 4, TryEnterSection)
CORVIX_IMPORT(GetHandleInformation, 8, HandleInformation)
CORVIX_IMPORT(GetThreadTimes, 20, ThreadTimes)
CORVIX_IMPORT(GetProcessTimes, 20, ProcessTimes)
CORVIX_IMPORT(GetProcessAffinityMask, 12, ProcessAffinity)
CORVIX_IMPORT(SetProcessAffinityMask, 8, SetProcessAffinity)
CORVIX_IMPORT(GetSystemTimeAdjustment, 12, TimeAdjustment)
CORVIX_IMPORT(IsDBCSLeadByteEx, 8, LeadByteOf)
CORVIX_IMPORT(GetModuleHandleW, 4, ModuleHandleW)
CORVIX_IMPORT(LoadLibraryW, 4, LoadLibraryWide)
CORVIX_IMPORT(MoveFileExA, 12, MoveFileReplacing)
}
