// Runs one check of the associations in this process and prints what it
// cost: elapsed time, what it found and the registry calls it made (each a
// round trip to the wine server under Wine). bench/check.sh times it against
// the scan program.
#include "commands/AssociationCheck.h"
#include "registry/Registry5LE.h"

#include <cstdio>
#include <windows.h>

int main() {
    LARGE_INTEGER frequency, start, stop;
    QueryPerformanceFrequency(&frequency);
    const long callsBefore = RegistryCallCount();
    QueryPerformanceCounter(&start);

    const TCheckResult result = CheckAssociations();

    QueryPerformanceCounter(&stop);
    const long calls = RegistryCallCount() - callsBefore;
    const double ms = 1000.0 * double(stop.QuadPart - start.QuadPart) / double(frequency.QuadPart);
    std::printf("check: %.1f ms, %d extensions, %d classes, %d findings, %ld registry calls, "
                "%.3f calls per extension key\n",
                ms, result.Extensions, result.Classes, static_cast<int>(result.Findings.size()),
                calls, result.Extensions ? double(calls) / result.Extensions : 0.0);
    return 0;
}
