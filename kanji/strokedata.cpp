#include "kanji/strokedata.h"

namespace bks {

struct StrokeData::Data {
    QString problem;
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

bool StrokeData::available() const
{
    return d->problem.isEmpty();
}

QString StrokeData::problem() const
{
    return d->problem;
}

std::optional<CharacterStrokes> StrokeData::lookup(char32_t) const
{
    return std::nullopt;
}

}  // namespace bks
