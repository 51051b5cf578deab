#include "ChannelCheck.h"
#include "ChannelCsv.h"
#include "ChannelDocument.h"
#include "DatBuilder.h"
#include "DatFile.h"
#include "PlanComparison.h"

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

// 200 channels in use whose lines all read back: simplex and repeaters in
// both 2 m and 70 cm, with tones.
std::vector<CChannel> TwoHundredChannels() {
    std::vector<CChannel> records;
    for (int i = 0; i < 200; ++i) {
        const int rx = (i % 2 ? 43000000 : 14400000) + 2500 * (i / 2);
        records.push_back(UsedChannel(kTGUV2, rx, rx - (i % 3 ? 0 : 60000)));
        records.back().SetToneSelection(i % 259, i % 3 == 0);
    }
    return records;
}

void BM_ExportCsv200Rows(benchmark::State& state) {
    const std::vector<CChannel> records = TwoHundredChannels();
    std::vector<const CChannel*> rows;
    for (const CChannel& record : records)
        rows.push_back(&record);
    for (auto _ : state)
        benchmark::DoNotOptimize(ChannelsToCsv(rows, kTGUV2));
}
BENCHMARK(BM_ExportCsv200Rows)->Unit(benchmark::kMillisecond);

void BM_ImportCsv200Lines(benchmark::State& state) {
    const std::vector<CChannel> records = TwoHundredChannels();
    std::vector<const CChannel*> rows;
    for (const CChannel& record : records)
        rows.push_back(&record);
    const std::string csv = ChannelsToCsv(rows, kTGUV2);
    for (auto _ : state) {
        const CsvChannels read = ChannelsFromCsv(csv, kTGUV2, 0);
        if (!read.skipped.empty())
            state.SkipWithError("a line did not read back");
        benchmark::DoNotOptimize(read.records.data());
    }
}
BENCHMARK(BM_ImportCsv200Lines)->Unit(benchmark::kMillisecond);

// The largest file the Import window reads, 4 MiB, of empty lines (0), of
// lines that give no channel (1), or of good lines (2), all but 200 of them
// for a row given before; or one line of 4 MiB of separators (3).
void BM_ImportCsv4MiB(benchmark::State& state) {
    const char* const kinds[] = {"\r\n", "x,145.5,-,0.6,Tone,67.0,NFM,12.5\r\n",
                                 ",145.5,-,0.6,Tone,67.0,NFM,12.5\r\n", ","};
    std::string csv = "Location,Frequency,Duplex,Offset,Tone,rToneFreq,Mode,TStep\r\n";
    for (int line = 0; csv.size() < 4 << 20; ++line)
        csv += (state.range(0) == 2 ? std::to_string(line % 200) : "") + kinds[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(ChannelsFromCsv(csv, kTGUV2, 0).records.data());
}
BENCHMARK(BM_ImportCsv4MiB)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// A document of 200 random channels in use, for the list's own commands.
struct RandomDocument {
    TempDir dir;
    CChannelDocument doc;
    RandomDocument() {
        WriteBytes(dir / "radio.DAT", RandomDat(kTGUV2, 3, true));
        doc.Load(dir / "radio.DAT");
    }
};

// Sorting all 200 rows by RX frequency, then undoing it, so that every
// round sorts the same disorder.
void BM_Sort200Rows(benchmark::State& state) {
    RandomDocument f;
    for (auto _ : state) {
        ListChange change = f.doc.Sort({}, SortKey::kRxFreq, false);
        state.PauseTiming();
        if (change.stepped)
            f.doc.Undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Sort200Rows)->Unit(benchmark::kMicrosecond);

void BM_Compare200Channels(benchmark::State& state) {
    RandomDocument a, b;
    b.doc.Delete(RowSelection::Of(200, {3, 50, 120}, 3));
    for (auto _ : state)
        benchmark::DoNotOptimize(ComparePlans(a.doc.Records(), b.doc.Records(), kTGUV2));
}
BENCHMARK(BM_Compare200Channels)->Unit(benchmark::kMicrosecond);

void BM_Check200Channels(benchmark::State& state) {
    RandomDocument f;
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckChannels(f.doc.Records(), f.doc.Model(), f.doc.Image()));
}
BENCHMARK(BM_Check200Channels)->Unit(benchmark::kMicrosecond);

} // namespace
