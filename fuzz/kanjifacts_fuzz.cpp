// The kanji facts file is installed with the program, but a damaged disk, a
// half-finished package or a stray file in its place must not bring the
// program down: the reader either refuses the file or gives sane facts. The
// checksum refuses nearly every mutation at once, so each input is also tried
// with its length and checksum made right, which lets the fuzzer reach the
// index and the records.
#include "kanji/checksum.h"
#include "kanji/factsfile.h"
#include "kanji/kanjifacts.h"

#include "fuzz/fuzzcheck.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace {

QByteArray resealed(QByteArray bytes)
{
    if (bytes.size() < bks::kFactsFileHeaderBytes)
        return bytes;
    const auto put = [&bytes](int at, quint32 v) {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = char((v >> (8 * i)) & 0xFF);
    };
    put(12, quint32(bytes.size()));
    put(16, bks::crc32Of(QByteArrayView(bytes).sliced(bks::kFactsFileHeaderBytes)));
    return bytes;
}

void check(const QByteArray &bytes)
{
    const bks::KanjiFacts facts = bks::KanjiFacts::fromBytes(bytes, QStringLiteral("fuzz"));
    if (!facts.available()) {
        BKS_FUZZ_CHECK(!facts.problem().isEmpty());
        BKS_FUZZ_CHECK(facts.characters().isEmpty() && !facts.lookup(U'生'));
        return;
    }
    BKS_FUZZ_CHECK(facts.problem().isEmpty());
    const QList<char32_t> characters = facts.characters();
    for (qsizetype i = 0; i < characters.size() && i < 64; ++i) {
        BKS_FUZZ_CHECK(i == 0 || characters[i - 1] < characters[i]);
        const std::optional<bks::KanjiFactsEntry> entry = facts.lookup(characters[i]);
        BKS_FUZZ_CHECK(entry.has_value());
        for (const bks::KanjiReading &r : entry->readings) {
            BKS_FUZZ_CHECK(r.stemLength >= 1 && r.stemLength <= r.text.size());
            BKS_FUZZ_CHECK(!r.marked().isEmpty());
        }
        for (const bks::FactWord &w : facts.words(characters[i])) {
            qsizetype reading = 0;
            for (const bks::WordPart &p : w.parts) {
                BKS_FUZZ_CHECK(p.textStart + p.textLength <= w.text.size() && !p.reading.isEmpty());
                reading += p.reading.size();
            }
            BKS_FUZZ_CHECK(reading == w.reading.size());
        }
    }
    BKS_FUZZ_CHECK(!facts.lookup(0x110000));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    check(bytes);
    check(resealed(bytes));
    return 0;
}
