#include "kanji/strokedata.h"

namespace bks {

struct StrokeData::Data {
    QString problem;
    QHash<char32_t, CharacterStrokes> characters;
};

StrokeData::StrokeData() : d(std::make_unique<Data>()) {}
StrokeData::~StrokeData() = default;
StrokeData::StrokeData(StrokeData &&) noexcept = default;
StrokeData &StrokeData::operator=(StrokeData &&) noexcept = default;

const StrokeData &StrokeData::installed()
{
    static const StrokeData data = fromFile(QString());
    return data;
}

StrokeData StrokeData::fromFile(const QString &path)
{
    StrokeData data;
    data.d->problem = QStringLiteral("書き順データが見つかりません: %1").arg(path);
    return data;
}

StrokeData StrokeData::fromCharacters(QHash<char32_t, CharacterStrokes> characters)
{
    StrokeData data;
    data.d->characters = std::move(characters);
    return data;
}

bool StrokeData::available() const
{
    return d->problem.isEmpty();
}

QString StrokeData::problem() const
{
    return d->problem;
}

std::optional<CharacterStrokes> StrokeData::lookup(char32_t codePoint) const
{
    const auto found = d->characters.constFind(codePoint);
    if (found == d->characters.cend())
        return std::nullopt;
    return *found;
}

}  // namespace bks
