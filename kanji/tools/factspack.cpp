// Converts the 常用漢字表 (mojidata's database), KANJIDIC2, KanjiVG's radicals
// and EDICT into the program's kanji facts file, at build time:
//   factspack MOJIDATA-DB KANJIDIC2-XML-GZ KANJIVG-FOLDER EDICT OUTPUT
// It prints what it could not decide and how it was resolved; it fails only
// when a source cannot be read or is plainly not what it should be.
#include "dictionary/compoundwords.h"
#include "kanji/tools/factsbuild.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cstdio>

namespace {

void say(const QString &text)
{
    std::fprintf(stderr, "factspack: %s\n", qPrintable(text));
}

int fail(const QString &text)
{
    say(text);
    return 1;
}

QStringList compoundWords()
{
    QStringList out;
    for (const auto half : {bks::CompoundWordsA(), bks::CompoundWordsB()}) {
        for (std::u16string_view w : half)
            out.append(QString::fromUtf16(w.data(), qsizetype(w.size())));
    }
    return out;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: factspack MOJIDATA-DB KANJIDIC2-XML-GZ KANJIVG-FOLDER EDICT OUTPUT\n");
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    const QString output = QFile::decodeName(argv[5]);
    bks::FactsSources sources;
    QStringList mended;
    bks::Result<QList<bks::JoyoKanji>> joyo = bks::readJoyoTable(QFile::decodeName(argv[1]), &mended);
    if (!joyo)
        return fail(joyo.failure());
    sources.joyo = std::move(joyo).value();
    // The 2010 table has 2,136 kanji; far fewer is not that table.
    if (sources.joyo.size() < 2000)
        return fail(QStringLiteral("only %1 kanji in the joyo table").arg(sources.joyo.size()));
    for (const QString &line : mended)
        say(QStringLiteral("mended: ") + line);

    bks::Result<QHash<char32_t, bks::KanjidicEntry>> kanjidic = bks::readKanjidic(QFile::decodeName(argv[2]));
    if (!kanjidic)
        return fail(kanjidic.failure());
    sources.kanjidic = std::move(kanjidic).value();

    const QDir kanjivg(QFile::decodeName(argv[3]));
    sources.kanjivg = [&kanjivg](char32_t c) -> bks::Result<bks::KanjivgRadicals> {
        QFile file(kanjivg.filePath(QStringLiteral("%1.svg").arg(uint(c), 5, 16, QLatin1Char('0'))));
        if (!file.open(QIODevice::ReadOnly))
            return bks::Failure{file.fileName() + QStringLiteral(": ") + file.errorString()};
        return bks::readKanjivgRadicals(file.readAll());
    };

    sources.compounds = compoundWords();
    bks::Result<QHash<QString, bks::EdictEntry>> edict = bks::readEdict(QFile::decodeName(argv[4]),
                                                                        bks::wordCandidates(sources));
    if (!edict)
        return fail(edict.failure());
    sources.edict = std::move(edict).value();

    const bks::FactsBuild built = bks::buildFacts(sources);
    for (const QString &line : built.undecided)
        say(line);
    for (const QString &line : built.summary)
        say(line);
    // A few kanji may lack a radical and many words a single reading; most
    // kanji without a radical, or hardly any words, mean a source is broken.
    const qsizetype withRadical = std::count_if(built.characters.cbegin(), built.characters.cend(),
                                                [](const bks::FactsCharacter &c) {
                                                    return c.facts.radical.has_value();
                                                });
    if (withRadical < built.characters.size() * 9 / 10 || built.words.size() < 1000)
        return fail(QStringLiteral("only %1 kanji with a radical and %2 words: is a source broken?")
                        .arg(withRadical)
                        .arg(built.words.size()));
    const bks::Result<QByteArray> bytes = bks::writeFactsFile(built.characters, built.words);
    if (!bytes)
        return fail(bytes.failure());
    // Written beside and renamed into place: a program reading the old file
    // never sees a half-written one.
    QSaveFile out(output);
    if (!out.open(QIODevice::WriteOnly) || out.write(*bytes) != bytes->size() || !out.commit()) {
        out.cancelWriting();
        return fail(QStringLiteral("cannot write %1").arg(output));
    }
    say(QStringLiteral("%1 bytes, %2 ms").arg(bytes->size()).arg(timer.elapsed()));
    return 0;
}
