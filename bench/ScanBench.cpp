// Runs one registry scan of HKEY_CLASSES_ROOT in this process and prints what
// it cost: elapsed time, the counts the main window would show, and the
// number of registry calls (each one a round trip to the wine server under
// Wine). bench/scan.sh times this whole process against "cmd /c assoc".
#include "index/FileClassScan.h"
#include "registry/Registry5LE.h"

#include <windows.h>

#include <cstdio>

int main() {
    LARGE_INTEGER frequency, start, stop;
    QueryPerformanceFrequency(&frequency);
    const long callsBefore = RegistryCallCount();
    QueryPerformanceCounter(&start);

    TFileClass index;
    const TScanResult result = ScanFileClasses(index);

    QueryPerformanceCounter(&stop);
    const long calls = RegistryCallCount() - callsBefore;
    const double ms = 1000.0 * double(stop.QuadPart - start.QuadPart) / double(frequency.QuadPart);
    std::printf("scan: %.1f ms, %d extensions, %d classes, %d unreadable, %ld registry calls, "
                "%.3f calls per extension key\n",
                ms, result.Extensions, result.Classes, result.Unreadable, calls,
                result.Extensions ? double(calls) / result.Extensions : 0.0);
    return 0;
}
