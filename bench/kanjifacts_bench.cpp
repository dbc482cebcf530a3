// The kanji facts' cost to a run: opening the file (once, when the first
// reading, radical or test is asked for) and the lookups of a sheet.
#include "kanji/kanjifacts.h"
#include "kanji/gradetables.h"
#include "kanji/kanjisearch.h"
#include "quiz/testitems.h"

#include <benchmark/benchmark.h>

namespace {

const QString kFile = QStringLiteral(BKS_KANJI_FACTS_FILE);

QList<char32_t> educationKanji()
{
    QList<char32_t> out;
    for (int grade = 1; grade <= 6; ++grade) {
        for (uint c : bks::SearchList(grade).toUcs4())
            out.append(char32_t(c));
    }
    return out;
}

// Read, checksum, index and every record checked.
void BM_OpenFile(benchmark::State &state)
{
    for (auto _ : state) {
        const bks::KanjiFacts facts = bks::KanjiFacts::open(kFile);
        if (!facts.available())
            state.SkipWithError("no kanji facts");
        benchmark::DoNotOptimize(facts);
    }
}
BENCHMARK(BM_OpenFile)->Unit(benchmark::kMillisecond);

void BM_LookupSei(benchmark::State &state)
{
    const bks::KanjiFacts facts = bks::KanjiFacts::open(kFile);
    facts.available();
    for (auto _ : state) {
        std::optional<bks::KanjiFactsEntry> entry = facts.lookup(U'生');
        benchmark::DoNotOptimize(entry);
    }
}
BENCHMARK(BM_LookupSei)->Unit(benchmark::kMicrosecond);

// Every education kanji once, as a run of one-character sheets looks them up.
void BM_LookupEducationKanji(benchmark::State &state)
{
    const bks::KanjiFacts facts = bks::KanjiFacts::open(kFile);
    facts.available();
    const QList<char32_t> all = educationKanji();
    for (auto _ : state) {
        for (char32_t c : all) {
            std::optional<bks::KanjiFactsEntry> entry = facts.lookup(c);
            benchmark::DoNotOptimize(entry);
        }
    }
    state.SetItemsProcessed(state.iterations() * all.size());
}
BENCHMARK(BM_LookupEducationKanji)->Unit(benchmark::kMillisecond);

// The items of a test of one grade of 200 kanji (光村図書's third), the
// file already open as it is after the first test of a run.
void BM_BuildGradeItems(benchmark::State &state)
{
    const bks::KanjiFacts facts = bks::KanjiFacts::open(kFile);
    facts.available();
    const QString publisher = QStringLiteral("光村図書");
    const bks::TestList list{bks::GradeKanji(publisher, QStringLiteral("３年")).value_or(QString()),
                             publisher, 3};
    for (auto _ : state) {
        bks::Result<bks::TestItems> items = bks::buildTestItems(list, facts, bks::TestKind::Reading, 0);
        if (!items || items->items.size() != 200)
            state.SkipWithError("not 200 items");
        benchmark::DoNotOptimize(items);
    }
}
BENCHMARK(BM_BuildGradeItems)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
