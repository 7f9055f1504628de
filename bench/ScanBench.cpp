// Runs one registry scan of HKEY_CLASSES_ROOT in this process and prints what
// it cost: elapsed time, the counts the main window would show, the number of
// registry calls (each one a round trip to the wine server under Wine) and
// the private bytes the process gained while the index was filled.
// bench/scan.sh times this whole process against "cmd /c assoc",
// bench/startup.sh against the start of corvix.exe.
#include "index/FileClassScan.h"
#include "registry/Registry5LE.h"

#include <cstdio>
#include <windows.h>

namespace {

// The process's private bytes: its committed memory that is no mapped file
// or image, summed over its address space (Wine reports no PrivateUsage in
// the process memory counters).
double PrivateBytes() {
    double total = 0;
    MEMORY_BASIC_INFORMATION info;
    for (const char* p = nullptr; VirtualQuery(p, &info, sizeof info) == sizeof info;) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE)
            total += double(info.RegionSize);
        const char* next = static_cast<const char*>(info.BaseAddress) + info.RegionSize;
        if (next <= p)
            break;
        p = next;
    }
    return total;
}

} // namespace

int main() {
    LARGE_INTEGER frequency, start, stop;
    QueryPerformanceFrequency(&frequency);
    const double bytesBefore = PrivateBytes();
    const long callsBefore = RegistryCallCount();
    QueryPerformanceCounter(&start);

    TFileClass index;
    const TScanResult result = ScanFileClasses(index);

    QueryPerformanceCounter(&stop);
    const long calls = RegistryCallCount() - callsBefore;
    const double bytesAfter = PrivateBytes();
    const double ms = 1000.0 * double(stop.QuadPart - start.QuadPart) / double(frequency.QuadPart);
    std::printf("scan: %.1f ms, %d extensions, %d classes, %d unreadable, %ld registry calls, "
                "%.3f calls per extension key\n",
                ms, result.Extensions, result.Classes, result.Unreadable, calls,
                result.Extensions ? double(calls) / result.Extensions : 0.0);
    // The growth includes heap the scan's temporary lists left behind, so it
    // bounds the index's own size from above.
    std::printf("memory: %.2f MB private bytes gained by the scan with the index alive, "
                "%.2f MB in all\n",
                (bytesAfter - bytesBefore) / (1024.0 * 1024.0), bytesAfter / (1024.0 * 1024.0));
    return 0;
}
