// One press of "熟語表示" with two characters on the sheet: both halves are
// filled again and walked once per character.
#include "dictionary/compounddictionary.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void BM_MatchCompoundsTwoCharacters(benchmark::State &state)
{
    auto dictionary = std::make_unique<bks::CompoundDictionary>();
    const QString first = QStringLiteral("水");
    const QString second = QStringLiteral("山");
    for (auto _ : state) {
        bks::PickLists lists = bks::MatchCompounds(*dictionary, first, second);
        benchmark::DoNotOptimize(lists);
    }
}
BENCHMARK(BM_MatchCompoundsTwoCharacters)->Unit(benchmark::kMicrosecond);

void BM_FillBothHalves(benchmark::State &state)
{
    auto dictionary = std::make_unique<bks::CompoundDictionary>();
    for (auto _ : state) {
        dictionary->FillCompoundListA();
        dictionary->FillCompoundListB();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FillBothHalves)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
