#pragma once

#include "common/result.h"
#include "kanji/kanjifacttypes.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace bks {

// A group of a KanjiVG file that carries kvg:radical.
struct KanjivgRadicalGroup {
    QString element;   // kvg:element, as written (氵)
    QString original;  // kvg:original, the character it stands for (水), or empty
    QString position;  // kvg:position (left, tare, kamaec, …), or empty
    QString kind;      // kvg:radical: general, tradit, nelson, jis
    int strokes = 0;   // paths inside the group
};

struct KanjivgRadicals {
    QList<KanjivgRadicalGroup> groups;
    int strokes = 0;  // paths of the whole character
};

// The radical groups of one KanjiVG file, in document order.
Result<KanjivgRadicals> readKanjivgRadicals(const QByteArray &svg);

struct RadicalDecision {
    KanjiRadical radical;
    // How KanjiVG and KANJIDIC2 disagree and which was taken; empty when
    // they agree.
    QString disagreement;
};

// The radical to print for a kanji from KanjiVG's groups and KANJIDIC2's
// Kangxi radical number. KanjiVG's modern radical (general) is taken, else
// its traditional one (tradit). Where KANJIDIC2 disagrees:
// - KanjiVG's 月 of 肉 where KANJIDIC2 files the kanji under 月 (朝 有 服):
//   月, as Japanese dictionaries file them;
// - KanjiVG marking only the traditional radical, by a part of its shape
//   (日 inside 田 of 由 申 甲): KANJIDIC2's, the same tradition;
// - otherwise KanjiVG's holds (全 人, 当 ⺌, 歯 歯).
// KanjiVG's original is kept only where it is the radical the kanji is filed
// under (氵 of 水), or where KanjiVG's radical holds against KANJIDIC2.
// Fails when KanjiVG marks no radical.
Result<RadicalDecision> decideRadical(const KanjivgRadicals &kanjivg, int kangxiNumber);

// The name school dictionaries give the radical `form` (standing for
// `original`) at `place`: さんずい, くにがまえ, …; empty when it has none here.
QString radicalName(const QString &form, const QString &original, RadicalPlace place);

}  // namespace bks
