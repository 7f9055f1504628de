// The profiles against the scan, in one process and one run: a scan of
// HKEY_CLASSES_ROOT, the export of every extension in each format, and the
// dry run of the exported default-associations XML (read by MSXML, then
// planned against the registry). Each is timed ROUNDS times (argument,
// default 5); the medians and their ratios to the scan's are printed, the
// ratios last. bench/profiles.sh runs it on the 5,000-extension fixture. The
// backup of the whole root is timed beside them, for comparison.
#include "association/RegExport.h"
#include "commands/ProfileExport.h"
#include "commands/ProfilePlan.h"
#include "index/FileClassScan.h"
#include "support/StringList.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>
#include <windows.h>

namespace {

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double TimeMs(const std::function<void()>& work) {
    LARGE_INTEGER frequency, start, stop;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&stop);
    return 1000.0 * double(stop.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(0, std::atoi(argv[1])) : 5;
    TFileClass index;
    std::string xml;
    size_t entries = 0, changes = 0;
    const struct {
        const char* name;
        std::function<void()> work;
    } steps[] = {
        {"scan", [&] { ScanFileClasses(index); }},
        {"export associations",
         [&] { xml = ExportBytes(TExportFormat::Associations, SelectForExport({}, index)); }},
        {"export reg", [&] { ExportBytes(TExportFormat::Reg, SelectForExport({}, index)); }},
        {"export csv", [&] { ExportBytes(TExportFormat::Csv, SelectForExport({}, index)); }},
        {"export html", [&] { ExportBytes(TExportFormat::Html, SelectForExport({}, index)); }},
        // Not held to a goal: the backup of everything, keys of both stores.
        {"backup", [&] { RegFileBytes(CaptureWholeRoot(HKEY_CLASSES_ROOT)); }},
        {"dry run",
         [&] {
             const TProfile profile = ParseProfile("bench.xml", xml);
             const TPlan plan = PlanProfile(profile);
             entries = plan.Items.size();
             changes = plan.Count(TPlanState::Change);
         }},
    };
    std::vector<std::vector<double>> times(sizeof steps / sizeof *steps);
    for (int round = 0; round <= rounds; ++round)
        for (size_t i = 0; i < times.size(); ++i) {
            const double ms = TimeMs(steps[i].work);
            std::printf("round %d, %s: %.1f ms\n", round, steps[i].name, ms);
            std::fflush(stdout);
            if (round > 0) // the first round warms up
                times[i].push_back(ms);
        }
    std::printf("%d extensions in the index's classes, %u profile entries, %u changes planned\n",
                index.Count(), unsigned(entries), unsigned(changes));
    if (rounds == 0)
        return 0;
    const double scan = Median(times[0]);
    for (size_t i = 0; i < times.size(); ++i)
        std::printf("%s: %.1f ms (median of %d)\n", steps[i].name, Median(times[i]), rounds);
    for (size_t i = 1; i < times.size(); ++i)
        std::printf("%s/scan: %.2f\n", steps[i].name, Median(times[i]) / scan);
    return 0;
}
