// The search field's filter step against filling the item list once, in one
// process: a sorted list box of 20,000 names (10,000 extensions, 10,000
// classes) in a shown window. Each round fills the list with every name and
// then types a text letter by letter, as a user does ("w", "wo", "wor", ...,
// a wildcard text, and back to empty), timing each step: the filter's
// matching, the list's refill and the repaint. Fills and steps alternate, so
// both see the same load of the machine. Prints every round and, last, the
// median step, the median fill and their ratio. bench/filter.sh runs it.
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/ListControls.h"
#include "toolkit/ListFilter.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const int kNames = 20000;

// Names as a registry holds them: extensions of two to five letters and
// digits, classes of a vendor, a product and a version.
TStringList MakeNames() {
    const char* const vendors[] = {"Word", "Excel", "Acro", "VLC", "Paint", "Visio", "Notepad",
                                   "Media", "Photo", "Zip"};
    const char* const products[] = {"Document", "Sheet", "Image", "Audio", "Video", "Archive",
                                    "Project", "Drawing"};
    unsigned seed = 12345;
    const auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7fff; };
    TStringList names;
    for (int i = 0; i < kNames / 2; ++i) {
        std::string ext = ".";
        const int length = 2 + next() % 4;
        for (int c = 0; c < length; ++c)
            ext += "abcdefghijklmnopqrstuvwxyz0123456789"[next() % 36];
        names.Add(ext + std::to_string(i % 10));
    }
    for (int i = 0; i < kNames / 2; ++i)
        names.Add(std::string(vendors[next() % 10]) + "." + products[next() % 8] + "." +
                  std::to_string(i));
    return names;
}

class TBenchForm : public TForm {
public:
    TBenchForm() : TForm({"FilterBench", "Filter benchmark", 300, 600}) {
        CreateControls({{&List, "List", "", {0, 0, 280, 560}, this, "", TAlign::Client, LBS_SORT}});
    }
    TListBox List;
};

double Now() {
    LARGE_INTEGER t, f;
    QueryPerformanceCounter(&t);
    QueryPerformanceFrequency(&f);
    return 1000.0 * double(t.QuadPart) / double(f.QuadPart);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 11;
    const std::vector<std::string> typed = {"w", "wo", "wor", "word", "word.d", "word.do",
                                            "word.d", "word", "wor", "wo", "w", "",
                                            ".a", ".ab", "*doc*1?", "d?c", ""};
    const TStringList names = MakeNames();
    TBenchForm form;
    form.Show();
    TListFilter filter(form.List);
    std::vector<double> fills, steps;
    for (int round = 0; round <= rounds; ++round) {
        double t0 = Now();
        filter.SetItems(names);
        UpdateWindow(form.Handle());
        const double fill = Now() - t0;
        double worst = 0, sum = 0;
        for (const std::string& text : typed) {
            t0 = Now();
            filter.SetText(text);
            UpdateWindow(form.Handle());
            const double step = Now() - t0;
            worst = std::max(worst, step);
            sum += step;
            if (round > 0)
                steps.push_back(step);
        }
        Application.ProcessMessages();
        std::printf("round %d: fill %.1f ms, steps mean %.2f ms, worst %.2f ms\n", round, fill,
                    sum / typed.size(), worst);
        if (round > 0)
            fills.push_back(fill);
    }
    // The share of the matching alone, without the list.
    std::vector<double> matches;
    for (int round = 0; round < 5; ++round)
        for (const std::string& text : typed) {
            const double t0 = Now();
            const TNameFilter match(text);
            int passed = 0;
            for (const std::string& name : names)
                passed += match.Matches(name);
            matches.push_back(Now() - t0);
            if (round == 0)
                std::printf("\"%s\": %d names\n", text.c_str(), passed);
        }
    std::printf("median matching alone %.2f ms\n", Median(matches));
    const double step = Median(steps), fill = Median(fills);
    std::printf("median filter step %.2f ms, median fill %.1f ms (%d names)\n", step, fill, kNames);
    std::printf("filter step/fill median ratio: %.3f\n", step / fill);
    return 0;
}
