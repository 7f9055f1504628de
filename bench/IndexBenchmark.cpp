// Cost of filling the class index as the registry scan does: Clear, then an
// update bracket around one Add per extension. Every class gets two
// extensions. The names arrive either in descending order (the scan visits
// the sorted extensions from the last to the first) or in random order; a
// third series fills in descending order without the bracket, one sorted
// insertion per new class.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "index/ZQFileAssoc.h"
#include "support/TextCompare.h"

namespace {

struct Filing {
    std::string className, description, ext;
};

// Two extensions for each of `classes` distinct, randomly spelt class names,
// with the names in descending order (each class's two extensions together).
std::vector<Filing> DescendingFilings(int classes) {
    std::mt19937 random(12345);
    std::set<std::string> seen;
    std::vector<std::string> names;
    while (static_cast<int>(names.size()) < classes) {
        std::string name;
        for (int n = 6 + random() % 9; n > 0; --n)
            name += static_cast<char>((random() % 4 ? 'a' : 'A') + random() % 26);
        std::string folded = name;
        std::transform(folded.begin(), folded.end(), folded.begin(), ::tolower);
        if (seen.insert(folded).second)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return CompareText(a, b) > 0; });
    std::vector<Filing> filings;
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::string ext = "." + std::to_string(i);
        filings.push_back({names[i], names[i] + " Document", ext + "x"});
        filings.push_back({names[i], names[i] + " Document", ext});
    }
    return filings;
}

const std::vector<Filing>& Filings(int classes, bool shuffled) {
    static std::map<std::pair<int, bool>, std::vector<Filing>> cache;
    auto& filings = cache[{classes, shuffled}];
    if (filings.empty()) {
        filings = DescendingFilings(classes);
        if (shuffled)
            std::shuffle(filings.begin(), filings.end(), std::mt19937(678));
    }
    return filings;
}

void Fill(benchmark::State& state, bool shuffled, bool bracketed) {
    const auto& filings = Filings(static_cast<int>(state.range(0)), shuffled);
    TFileClass index;
    for (auto _ : state) {
        index.Clear();
        if (bracketed)
            index.BeginUpdate();
        for (const auto& f : filings)
            index.Add(f.className, f.description, f.ext);
        if (bracketed)
            index.EndUpdate();
        benchmark::DoNotOptimize(index.Count());
    }
    if (index.Count() != state.range(0))
        state.SkipWithError("wrong number of classes");
    state.SetComplexityN(state.range(0));
    state.counters["ns/class"] = benchmark::Counter(static_cast<double>(state.range(0)),
                                                    benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
}

void FillDescending(benchmark::State& state) {
    Fill(state, false, true);
}
void FillRandom(benchmark::State& state) {
    Fill(state, true, true);
}
void FillDescendingUnbracketed(benchmark::State& state) {
    Fill(state, false, false);
}

} // namespace

BENCHMARK(FillDescending)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(FillRandom)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(FillDescendingUnbracketed)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

BENCHMARK_MAIN();
