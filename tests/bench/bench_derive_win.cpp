// The derivation benchmark as a plain console program, for Windows under Wine.
#include <chrono>
#include <cstdio>
#include <string>

#include "core/derive.h"
#include "tests/bench/bench_selections.h"

namespace {

// Average microseconds per call over enough calls to fill about half a second.
double MicrosecondsPerCall(const SelectionFlags& selection) {
    using Clock = std::chrono::steady_clock;
    size_t sink = 0;
    int calls = 0;
    const Clock::time_point start = Clock::now();
    Clock::duration spent{};
    do {
        for (int i = 0; i < 10; ++i) {
            sink += DerivePassword(selection, 3).size();
        }
        calls += 10;
        spent = Clock::now() - start;
    } while (spent < std::chrono::milliseconds(500));
    if (sink == 0) {
        std::puts("");
    }
    return std::chrono::duration<double, std::micro>(spent).count() / calls;
}

void Report(const char* name, const SelectionFlags& selection) {
    std::printf("%-22s %3d pictures, %2zu characters: %10.2f us per call\n", name,
                CountSelected(selection), DerivePassword(selection, 3).size(),
                MicrosecondsPerCall(selection));
}

}  // namespace

int main() {
    Report("worst case", WorstCaseSelection());
    Report("4 pictures", SpreadSelection(4));
    Report("8 pictures", SpreadSelection(8));
    Report("16 pictures", SpreadSelection(16));
    return 0;
}
