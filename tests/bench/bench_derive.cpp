// Times DerivePassword for the worst case (about 512 pictures, 64 characters) and 4 to 16 pictures.
#include <benchmark/benchmark.h>

#include "core/derive.h"
#include "tests/bench/bench_selections.h"

namespace {

void BM_DeriveWorstCase(benchmark::State& state) {
    const SelectionFlags selection = WorstCaseSelection();
    state.SetLabel(std::to_string(CountSelected(selection)) + " pictures, " +
                   std::to_string(DerivePassword(selection, 3).size()) + " characters");
    for (auto _ : state) {
        benchmark::DoNotOptimize(DerivePassword(selection, 3));
    }
}
BENCHMARK(BM_DeriveWorstCase)->Unit(benchmark::kMillisecond);

void BM_DerivePictures(benchmark::State& state) {
    const SelectionFlags selection = SpreadSelection(static_cast<int>(state.range(0)));
    state.SetLabel(std::to_string(DerivePassword(selection, 3).size()) + " characters");
    for (auto _ : state) {
        benchmark::DoNotOptimize(DerivePassword(selection, 3));
    }
}
BENCHMARK(BM_DerivePictures)->Arg(4)->Arg(8)->Arg(16)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
