#include "amounts/UbahtStang.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cfloat>
#include <cstddef>

namespace {

// Tax totals of the size a certificate carries, cycled so that no single
// length dominates.
constexpr std::array<double, 6> kTypicalAmounts = {
    0.25, 101.0, 1500.75, 37'250.5, 1'234'567.89, 12'000'000'000'005.0,
};

void BM_AmountToThaiText(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(mervane::AmountToThaiText(kTypicalAmounts[i]));
        i = i + 1 == kTypicalAmounts.size() ? 0 : i + 1;
    }
}
BENCHMARK(BM_AmountToThaiText);

// The worst case: every one of the 309 digits of the largest double.
void BM_AmountToThaiText_Largest(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(mervane::AmountToThaiText(DBL_MAX));
}
BENCHMARK(BM_AmountToThaiText_Largest);

} // namespace
