#include <benchmark/benchmark.h>

#include <string>

#include "model/CompanyProfileFile.h"
#include "model/Cp874.h"

namespace {

// A typical profile line with a Thai name and address, as the file holds it.
const std::string kExampleLine = mervane::Utf8ToCp874(",บริษัท ตัวอย่าง จำกัด, ,12 หมู่ 3, ,1234567890, ,1234567890123, ,5, ,27,");

void BM_SplitProfileLine(benchmark::State& state)
{
    for (auto _ : state) {
        auto fields = mervane::SplitProfileLine(kExampleLine);
        benchmark::DoNotOptimize(fields);
    }
}
BENCHMARK(BM_SplitProfileLine);

} // namespace
