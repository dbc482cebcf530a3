#include "kanji/tools/kanjivgradical.h"

#include "kanji/tools/kanjidic.h"

#include <QXmlStreamReader>

namespace bks {
namespace {

RadicalPlace placeOf(const QString &position)
{
    static const QHash<QString, RadicalPlace> places = {
        {QStringLiteral("left"), RadicalPlace::Left},     {QStringLiteral("right"), RadicalPlace::Right},
        {QStringLiteral("top"), RadicalPlace::Top},       {QStringLiteral("bottom"), RadicalPlace::Bottom},
        {QStringLiteral("tare"), RadicalPlace::Tare},     {QStringLiteral("nyo"), RadicalPlace::Nyo},
        {QStringLiteral("kamae"), RadicalPlace::Kamae},   {QStringLiteral("tarec"), RadicalPlace::Inside},
        {QStringLiteral("nyoc"), RadicalPlace::Inside},   {QStringLiteral("kamaec"), RadicalPlace::Inside},
        {QStringLiteral("middle"), RadicalPlace::Inside},
    };
    return places.value(position, RadicalPlace::Unknown);
}

// Forms KanjiVG and the Kangxi list write differently for one radical.
QString sameRadical(const QString &form)
{
    static const QHash<QString, QString> variants = {
        {QStringLiteral("戶"), QStringLiteral("戸")}, {QStringLiteral("靑"), QStringLiteral("青")},
        {QStringLiteral("黃"), QStringLiteral("黄")}, {QStringLiteral("辵"), QStringLiteral("辶")},
        {QStringLiteral("⻌"), QStringLiteral("辶")}, {QStringLiteral("夊"), QStringLiteral("夂")},
        {QStringLiteral("彑"), QStringLiteral("彐")}, {QStringLiteral("⺕"), QStringLiteral("彐")},
    };
    return variants.value(form, form);
}

}  // namespace

Result<KanjivgRadicals> readKanjivgRadicals(const QByteArray &svg)
{
    QXmlStreamReader xml(svg);
    // KanjiVG declares its kvg: prefix in the DTD, which the reader does not
    // read: the attributes are taken by their written names.
    xml.setNamespaceProcessing(false);
    KanjivgRadicals out;
    // For each open <g>, the index of its radical group, or -1.
    QList<qsizetype> open;
    bool inStrokes = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("g")) {
            const QXmlStreamAttributes a = xml.attributes();
            if (a.value(QLatin1String("id")).startsWith(QLatin1String("kvg:StrokePaths_")))
                inStrokes = true;
            if (inStrokes && a.hasAttribute(QLatin1String("kvg:radical"))) {
                out.groups.append({a.value(QLatin1String("kvg:element")).toString(),
                                   a.value(QLatin1String("kvg:original")).toString(),
                                   a.value(QLatin1String("kvg:position")).toString(),
                                   a.value(QLatin1String("kvg:radical")).toString(), 0});
                open.append(out.groups.size() - 1);
            } else {
                open.append(-1);
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("g") && !open.isEmpty()) {
            open.removeLast();
            if (open.isEmpty())
                inStrokes = false;
        } else if (xml.isStartElement() && xml.name() == QLatin1String("path") && inStrokes) {
            ++out.strokes;
            for (qsizetype g : open) {
                if (g >= 0)
                    ++out.groups[g].strokes;
            }
        }
    }
    if (xml.hasError())
        return Failure{xml.errorString()};
    return out;
}

Result<RadicalDecision> decideRadical(const KanjivgRadicals &kanjivg, int kangxiNumber)
{
    QList<KanjivgRadicalGroup> picked;
    for (const char *kind : {"general", "tradit"}) {
        for (const KanjivgRadicalGroup &g : kanjivg.groups) {
            if (g.kind == QLatin1String(kind) && !g.element.isEmpty())
                picked.append(g);
        }
        if (!picked.isEmpty())
            break;
    }
    if (picked.isEmpty())
        return Failure{QStringLiteral("KanjiVG marks no radical")};
    const KanjivgRadicalGroup &first = picked.front();
    RadicalDecision out;
    out.radical.form = first.element;
    out.radical.original = first.original == first.element ? QString() : first.original;
    int strokes = 0;
    for (const KanjivgRadicalGroup &g : picked) {
        strokes += g.strokes;
        if (out.radical.place == RadicalPlace::Unknown)
            out.radical.place = placeOf(g.position);
    }
    if (strokes == kanjivg.strokes)
        out.radical.place = RadicalPlace::Whole;

    const QString kangxi = kangxiRadical(kangxiNumber);
    const QString kanjivgText = out.radical.original.isEmpty()
                                    ? out.radical.form
                                    : QStringLiteral("%1（%2）").arg(out.radical.form, out.radical.original);
    const auto disagree = [&](const QString &taken) {
        return QStringLiteral("KanjiVG %1, KANJIDIC2 %2 %3: %4")
            .arg(kanjivgText)
            .arg(kangxiNumber)
            .arg(kangxi, taken);
    };
    const bool byForm = sameRadical(kangxi) == sameRadical(out.radical.form);
    const bool byOriginal = !out.radical.original.isEmpty()
                            && sameRadical(kangxi) == sameRadical(out.radical.original);
    if (out.radical.original == QStringLiteral("肉") && kangxi == QStringLiteral("月")) {
        out.radical.original.clear();
        out.disagreement = disagree(QStringLiteral("月"));
    } else if (!byForm && !byOriginal) {
        if (first.kind == QLatin1String("tradit") && !kangxi.isEmpty()) {
            out.radical = KanjiRadical{kangxi, QString(), RadicalPlace::Unknown, QString()};
            out.disagreement = disagree(kangxi);
        } else {
            out.disagreement = disagree(out.radical.form);
        }
    } else if (!byOriginal) {
        // KanjiVG's original names a look-alike here, not the radical the
        // kanji is filed under (儿 "of" 八, 士 of 土).
        out.radical.original.clear();
    }
    out.radical.name = radicalName(out.radical.form, out.radical.original, out.radical.place);
    return out;
}

}  // namespace bks
