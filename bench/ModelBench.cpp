#include "DatBuilder.h"
#include "DatFile.h"

#include <benchmark/benchmark.h>

using namespace testing_support;

namespace {

void BM_Load(benchmark::State& state) {
    const TempDir dir;
    WriteBytes(dir / "radio.DAT", RandomDat(kTGUV2, 1, true));
    for (auto _ : state) {
        CDatFile file(kTGUV2);
        benchmark::DoNotOptimize(file.Load(dir / "radio.DAT"));
    }
}
BENCHMARK(BM_Load);

void BM_Save(benchmark::State& state) {
    const TempDir dir;
    WriteBytes(dir / "radio.DAT", RandomDat(kTGUV2, 1, true));
    CDatFile file(kTGUV2);
    file.Load(dir / "radio.DAT");
    std::vector<const CChannel*> rows;
    for (int i = 0; i < 200; ++i)
        rows.push_back(&file.GetImage().GetChannels()[i]);
    for (auto _ : state)
        benchmark::DoNotOptimize(file.Save(dir / "saved.DAT", rows));
}
BENCHMARK(BM_Save);

} // namespace
