// The stroke data's cost to a run: opening the file (once, at the first
// stroke-order sheet) and one lookup per character on a sheet.
#include "kanji/kanjisearch.h"
#include "kanji/strokedata.h"

#include <benchmark/benchmark.h>

namespace {

const QString kFile = QStringLiteral(BKS_STROKE_DATA_FILE);

void BM_OpenFile(benchmark::State &state)
{
    for (auto _ : state) {
        bks::StrokeData data = bks::StrokeData::fromFile(kFile);
        if (!data.available())
            state.SkipWithError("no stroke data");
        benchmark::DoNotOptimize(data);
    }
}
BENCHMARK(BM_OpenFile)->Unit(benchmark::kMillisecond);

void BM_LookupKata(benchmark::State &state)
{
    const bks::StrokeData data = bks::StrokeData::fromFile(kFile);
    for (auto _ : state) {
        std::optional<bks::CharacterStrokes> strokes = data.lookup(U'潟');
        benchmark::DoNotOptimize(strokes);
    }
}
BENCHMARK(BM_LookupKata)->Unit(benchmark::kMicrosecond);

// Every education kanji once, as a run of one-character sheets looks them up.
void BM_LookupEducationKanji(benchmark::State &state)
{
    const bks::StrokeData data = bks::StrokeData::fromFile(kFile);
    QString all;
    for (int grade = 1; grade <= 6; ++grade)
        all += bks::SearchList(grade);
    for (auto _ : state) {
        for (QChar c : all) {
            std::optional<bks::CharacterStrokes> strokes = data.lookup(c.unicode());
            benchmark::DoNotOptimize(strokes);
        }
    }
    state.SetItemsProcessed(state.iterations() * all.size());
}
BENCHMARK(BM_LookupEducationKanji)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
