#pragma once

#include "kanji/kanjifacttypes.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

namespace bks {

// The kanji facts file built from the 常用漢字表, KANJIDIC2, KanjiVG and EDICT
// and installed with the program: readings, radicals and the words of the
// tests. Nothing here throws or stops a run: a missing or damaged file gives
// facts that are not available and say why. Copies share one reading of the
// file.
class KanjiFacts {
public:
    // The file at `path`, read the first time anything is asked of it, so a
    // start that uses no facts never touches it.
    static KanjiFacts open(const QString &path);
    // A file's bytes already read; `name` is what problem() calls it.
    static KanjiFacts fromBytes(QByteArray bytes, const QString &name);
    // Where the program's own file lies (see installedDataFile()).
    static QString installedPath();

    bool available() const;
    // Why the readings, radicals and tests are off, in the user's words;
    // empty when the facts are there.
    QString problem() const;
    // The readings and radical of `kanji`; nothing when the file has none for
    // it (outside the 常用漢字表) or is not available.
    std::optional<KanjiFactsEntry> lookup(char32_t kanji) const;
    // The words a test may ask `kanji` in, best first.
    QList<FactWord> words(char32_t kanji) const;
    // Every character with facts, in code-point order.
    QList<char32_t> characters() const;

    KanjiFacts();

private:
    struct State;
    const State &loaded() const;
    std::shared_ptr<State> d;
};

}  // namespace bks
