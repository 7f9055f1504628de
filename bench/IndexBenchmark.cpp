// Cost of filling the class index: Clear, then an update bracket around one
// Add per extension. Every class gets two extensions. The names arrive in
// index order (as the registry scan creates its entries: each new one is
// appended), in descending order (each new one is inserted at the front) or
// in random order. The table is a sorted array, so the last two pay for
// moving the entries behind each insertion.
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

enum class Order { Index, Descending, Random };

// Two extensions for each of `classes` distinct, randomly spelt class names,
// each class's two extensions together, the classes in `order`.
std::vector<Filing> MakeFilings(int classes, Order order) {
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
              [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; });
    if (order == Order::Descending)
        std::reverse(names.begin(), names.end());
    else if (order == Order::Random)
        std::shuffle(names.begin(), names.end(), std::mt19937(678));
    std::vector<Filing> filings;
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::string ext = "." + std::to_string(i);
        filings.push_back({names[i], names[i] + " Document", ext + "x"});
        filings.push_back({names[i], names[i] + " Document", ext});
    }
    return filings;
}

const std::vector<Filing>& Filings(int classes, Order order) {
    static std::map<std::pair<int, Order>, std::vector<Filing>> cache;
    auto& filings = cache[{classes, order}];
    if (filings.empty())
        filings = MakeFilings(classes, order);
    return filings;
}

void Fill(benchmark::State& state, Order order) {
    const auto& filings = Filings(static_cast<int>(state.range(0)), order);
    TFileClass index;
    for (auto _ : state) {
        index.Clear();
        index.BeginUpdate();
        for (const auto& f : filings)
            index.Add(f.className, f.description, f.ext);
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

void FillInIndexOrder(benchmark::State& state) {
    Fill(state, Order::Index);
}
void FillDescending(benchmark::State& state) {
    Fill(state, Order::Descending);
}
void FillRandom(benchmark::State& state) {
    Fill(state, Order::Random);
}

} // namespace

BENCHMARK(FillInIndexOrder)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
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

BENCHMARK_MAIN();
