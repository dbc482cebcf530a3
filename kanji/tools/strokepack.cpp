// Converts KanjiVG's main SVG files into the program's stroke data file, at
// build time:  strokepack SVG-FOLDER OUTPUT
// A file whose strokes or numbers do not count 1 to n, or whose XML or path
// data is broken, is named and left out; the summary says how many were.
#include "kanji/tools/kanjivgsvg.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace {

void say(const QString &text)
{
    std::fprintf(stderr, "strokepack: %s\n", qPrintable(text));
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: strokepack SVG-FOLDER OUTPUT\n");
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    const QDir folder(QFile::decodeName(argv[1]));
    const QString output = QFile::decodeName(argv[2]);
    QList<bks::StrokeRecord> records;
    int leftOut = 0;
    const QStringList names = folder.entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        const std::optional<char32_t> codePoint = bks::kanjivgMainFileCodePoint(name);
        if (!codePoint)
            continue;
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            say(QStringLiteral("%1: cannot be read; left out").arg(name));
            ++leftOut;
            continue;
        }
        bks::Result<bks::StrokeRecord> read = bks::readKanjivgSvg(file.readAll(), *codePoint);
        if (!read) {
            say(QStringLiteral("%1: %2; left out").arg(name, read.failure()));
            ++leftOut;
            continue;
        }
        records.append(std::move(read).value());
    }
    if (records.isEmpty()) {
        say(QStringLiteral("no KanjiVG main files in %1").arg(folder.path()));
        return 1;
    }
    const std::optional<QByteArray> bytes = bks::writeStrokeFile(records);
    // Written beside and renamed into place: a program reading the old file
    // never sees a half-written one.
    QSaveFile out(output);
    if (!bytes || !out.open(QIODevice::WriteOnly) || out.write(*bytes) != bytes->size() || !out.flush()
        || !out.commit()) {
        out.cancelWriting();
        say(QStringLiteral("cannot write %1").arg(output));
        return 1;
    }
    say(QStringLiteral("%1 characters, %2 files left out, %3 bytes, %4 ms")
            .arg(records.size())
            .arg(leftOut)
            .arg(bytes->size())
            .arg(timer.elapsed()));
    return 0;
}
