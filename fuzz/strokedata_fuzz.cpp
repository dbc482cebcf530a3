// The stroke data file is installed with the program, but a damaged disk, a
// half-finished package or a stray file in its place must not bring the
// program down: the reader either refuses the file or gives sane strokes.
#include "kanji/strokedata.h"
#include "kanji/svgpath.h"

#include "fuzz/fuzzcheck.h"

#include <QByteArray>

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

bool near(double v)
{
    return std::isfinite(v) && std::abs(v) <= 3 * bks::kStrokeBoxUnits;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    // The same bytes as path data: the parser ends and gives finite points.
    if (const std::optional<QPainterPath> path = bks::parseSvgPath(bytes)) {
        for (int i = 0; i < path->elementCount(); ++i) {
            const QPainterPath::Element e = path->elementAt(i);
            BKS_FUZZ_CHECK(std::isfinite(e.x) && std::isfinite(e.y));
            BKS_FUZZ_CHECK(std::abs(e.x) <= bks::kSvgPathCoordinateLimit);
        }
    }

    const bks::StrokeData strokes = bks::StrokeData::fromBytes(bytes, QStringLiteral("fuzz"));
    if (!strokes.available()) {
        BKS_FUZZ_CHECK(!strokes.problem().isEmpty());
        BKS_FUZZ_CHECK(strokes.characters().isEmpty());
        return 0;
    }
    BKS_FUZZ_CHECK(strokes.problem().isEmpty());
    const QList<char32_t> characters = strokes.characters();
    for (qsizetype i = 0; i < characters.size() && i < 64; ++i) {
        BKS_FUZZ_CHECK(i == 0 || characters[i - 1] < characters[i]);
        const std::optional<bks::CharacterStrokes> found = strokes.lookup(characters[i]);
        if (!found)
            continue;
        BKS_FUZZ_CHECK(found->count() > 0 && found->numberPositions.size() == found->count());
        for (const QPointF &p : found->numberPositions)
            BKS_FUZZ_CHECK(near(p.x()) && near(p.y()));
        for (const QPainterPath &stroke : found->strokes) {
            const QRectF r = stroke.controlPointRect();
            BKS_FUZZ_CHECK(near(r.left()) && near(r.top()) && near(r.right()) && near(r.bottom()));
        }
    }
    BKS_FUZZ_CHECK(!strokes.lookup(0x110000));
    return 0;
}
