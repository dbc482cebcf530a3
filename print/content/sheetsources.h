#pragma once

#include "kanji/kanjifacttypes.h"
#include "kanji/strokedata.h"

#include <QString>

#include <any>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace bks {

class KanjiFacts;

// A data source the sheets can draw on: what it knows about one character.
class SheetSource {
public:
    virtual ~SheetSource() = default;
    // Why it has nothing to give, in the user's words (a file missing or
    // damaged); empty when it is there. Asking may open it.
    virtual QString problem() const = 0;
    // What it holds for the character `codePoint` (composed, its variation
    // selectors left off), or nothing.
    virtual std::any lookUp(char32_t codePoint) const = 0;
};

// Names a source and the kind of fact it gives about a character: what a
// layout's row lists and a sheet's content is read by.
template <typename Fact>
struct SourceKey {
    std::string_view id;
};

// How each character is written, for the 書き順 sheets.
inline constexpr SourceKey<CharacterStrokes> kStrokes{"strokes"};
// The readings and the radical, for the heading cells.
inline constexpr SourceKey<KanjiFactsEntry> kFacts{"facts"};

// Every data source a sheet can draw on, under its key. Built once where
// the program starts and handed to every output; tests and benchmarks build
// their own. A source is opened the first time something asks it.
class SheetSources {
public:
    // Adds `source` under `id`, in the place of one added before under it.
    void add(std::string_view id, std::shared_ptr<const SheetSource> source);
    const SheetSource *find(std::string_view id) const;

    // Why sheets drawing on the sources `ids` cannot print: what the first
    // of them that is not there says. Empty when every one is there.
    QString problem(std::span<const std::string_view> ids) const;

    // What the source `key` holds for `codePoint`; nothing where the source
    // is missing, not there or has nothing for it.
    template <typename Fact>
    std::optional<Fact> lookUp(SourceKey<Fact> key, char32_t codePoint) const
    {
        const SheetSource *source = find(key.id);
        if (!source)
            return std::nullopt;
        std::any found = source->lookUp(codePoint);
        if (Fact *fact = std::any_cast<Fact>(&found))
            return std::move(*fact);
        return std::nullopt;
    }

private:
    std::vector<std::pair<std::string, std::shared_ptr<const SheetSource>>> m_sources;
};

// The stroke data as a source: `open` reads it the first time it is asked,
// so a start that prints no stroke order never reads the file.
std::shared_ptr<const SheetSource> strokeSource(std::function<StrokeData()> open);
// Stroke data already read (or held in memory).
std::shared_ptr<const SheetSource> strokeSource(StrokeData data);

// The kanji facts file as a source, read the first time it is asked.
std::shared_ptr<const SheetSource> factsSource(const QString &path);
// The whole of the kanji facts the sources hold, which a test draws its
// words from; nullptr when they hold none.
const KanjiFacts *kanjiFactsIn(const SheetSources &sources);

// The program's own sources: the data files installed with it.
SheetSources installedSources();

}  // namespace bks
