#include "kanji/tools/kanjivgsvg.h"

#include <gtest/gtest.h>

namespace bks {
namespace {

// A file shaped as KanjiVG's are (DTD, groups, the numbers' group), with
// made-up strokes; `strokes` and `numbers` are the elements inside.
QByteArray svgFile(const QByteArray &strokes, const QByteArray &numbers)
{
    return QByteArray(R"svg(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE svg PUBLIC "-//W3C//DTD SVG 1.0//EN" "http://www.w3.org/TR/2001/REC-SVG-20010904/DTD/svg10.dtd" [
<!ATTLIST g
xmlns:kvg CDATA #FIXED "http://kanjivg.tagaini.net"
kvg:element CDATA #IMPLIED >
]>
<svg xmlns="http://www.w3.org/2000/svg" width="109" height="109" viewBox="0 0 109 109">
<g id="kvg:StrokePaths_05341" style="fill:none;stroke:#000000;stroke-width:3;">
<g id="kvg:05341" kvg:element="十">
)svg") + strokes
           + R"svg(</g>
</g>
<g id="kvg:StrokeNumbers_05341" style="font-size:8;fill:#808080">
)svg" + numbers
           + R"svg(</g>
</svg>
)svg";
}

const QByteArray kTwoStrokes = R"svg(<g id="kvg:05341-g1" kvg:element="一">
<path id="kvg:05341-s1" d="M20,50c20,0,50-1,70-1"/>
</g>
<path id="kvg:05341-s2" d="M54,15C54.5,40 55,70 55,95"/>
)svg";
const QByteArray kTwoNumbers = R"svg(<text transform="matrix(1 0 0 1 12.50 48)">1</text>
<text transform="matrix(1 0 0 1 45.25 14.00)">2</text>
)svg";

TEST(KanjivgSvg, MainFilesAreNamedByFiveHexDigits)
{
    EXPECT_EQ(kanjivgMainFileCodePoint(QStringLiteral("06f5f.svg")), U'潟');
    EXPECT_EQ(kanjivgMainFileCodePoint(QStringLiteral("03042.svg")), U'あ');
    for (const char *other : {"04e14-Kaisho.svg", "04e9b-HzFst.svg", "06F5F.svg", "6f5f.svg", "06f5f.svg~",
                              "kvg-index.json", ".complete"})
        EXPECT_FALSE(kanjivgMainFileCodePoint(QLatin1String(other))) << other;
}

TEST(KanjivgSvg, StrokesAndNumbersInTheirNumberedOrder)
{
    const auto read = readKanjivgSvg(svgFile(kTwoStrokes, kTwoNumbers), U'十');
    ASSERT_TRUE(read.ok()) << qPrintable(read.failure());
    const StrokeRecord &record = read.value();
    EXPECT_EQ(record.codePoint, U'十');
    EXPECT_EQ(record.paths, (QList<QByteArray>{"M20,50c20,0,50-1,70-1", "M54,15C54.5,40 55,70 55,95"}));
    EXPECT_EQ(record.numberPositions, (QList<QPointF>{QPointF(12.5, 48), QPointF(45.25, 14)}));

    // Written out of order, they are still taken by their numbers.
    QByteArray swapped = kTwoStrokes;
    swapped.replace("-s1", "-sX").replace("-s2", "-s1").replace("-sX", "-s2");
    QByteArray swappedNumbers = kTwoNumbers;
    swappedNumbers.replace(">1<", ">X<").replace(">2<", ">1<").replace(">X<", ">2<");
    const auto reordered = readKanjivgSvg(svgFile(swapped, swappedNumbers), U'十');
    ASSERT_TRUE(reordered.ok());
    EXPECT_EQ(reordered->paths.first(), "M54,15C54.5,40 55,70 55,95");
    EXPECT_EQ(reordered->numberPositions.first(), QPointF(45.25, 14));
}

TEST(KanjivgSvg, FilesThatDoNotCountOneToNAreRefused)
{
    struct Case {
        const char *what;
        QByteArray strokes;
        QByteArray numbers;
    };
    QByteArray gap = kTwoStrokes;
    gap.replace("-s2", "-s3");
    QByteArray twice = kTwoStrokes;
    twice.replace("-s2", "-s1");
    QByteArray fromZero = kTwoStrokes;
    fromZero.replace("-s1", "-s0").replace("-s2", "-s1");
    QByteArray otherCharacter = kTwoStrokes;
    otherCharacter.replace("05341-s2", "05342-s2");
    QByteArray brokenPath = kTwoStrokes;
    brokenPath.replace("C54.5,40", "C54.5,");
    QByteArray numberGap = kTwoNumbers;
    numberGap.replace(">2<", ">3<");
    QByteArray numberNoPosition = kTwoNumbers;
    numberNoPosition.replace("matrix(1 0 0 1 45.25 14.00)", "rotate(90)");
    const Case cases[] = {
        {"a gap in the strokes", gap, kTwoNumbers},
        {"a stroke twice", twice, kTwoNumbers},
        {"strokes from zero", fromZero, kTwoNumbers},
        {"a stroke of another character", otherCharacter, kTwoNumbers},
        {"path data that does not parse", brokenPath, kTwoNumbers},
        {"a gap in the numbers", kTwoStrokes, numberGap},
        {"a number without its position", kTwoStrokes, numberNoPosition},
        {"one number missing", kTwoStrokes, kTwoNumbers.left(kTwoNumbers.indexOf('\n') + 1)},
        {"no strokes", QByteArray(), QByteArray()},
    };
    for (const Case &c : cases)
        EXPECT_FALSE(readKanjivgSvg(svgFile(c.strokes, c.numbers), U'十').ok()) << c.what;
    EXPECT_FALSE(readKanjivgSvg(svgFile(kTwoStrokes, kTwoNumbers).left(600), U'十').ok()) << "XML cut short";
}

}  // namespace
}  // namespace bks
