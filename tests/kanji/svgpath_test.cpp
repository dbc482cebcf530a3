#include "kanji/svgpath.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QStringList>

namespace bks {
namespace {

// The elements of a parsed path as text, so a failure shows both paths.
QString describe(const std::optional<QPainterPath> &path)
{
    if (!path)
        return QStringLiteral("(none)");
    static const char *const kinds[] = {"M", "L", "C", "c"};
    QStringList parts;
    for (int i = 0; i < path->elementCount(); ++i) {
        const QPainterPath::Element e = path->elementAt(i);
        parts.append(QStringLiteral("%1%2,%3")
                         .arg(QLatin1String(kinds[e.type]))
                         .arg(e.x, 0, 'f', 3)
                         .arg(e.y, 0, 'f', 3));
    }
    return parts.join(QLatin1Char(' '));
}

void expectSamePath(const char *written, const char *spelledOut)
{
    const std::optional<QPainterPath> a = parseSvgPath(QByteArrayView(written));
    const std::optional<QPainterPath> b = parseSvgPath(QByteArrayView(spelledOut));
    ASSERT_TRUE(a) << written;
    ASSERT_TRUE(b) << spelledOut;
    EXPECT_EQ(describe(a), describe(b)) << written << "  vs  " << spelledOut;
}

TEST(SvgPath, RelativeCommandsStepFromTheCurrentPoint)
{
    expectSamePath("m10,20 l20,20 h5 v-10 c1,2 3,4 5,6 s7,8 9,10",
                   "M10,20 L30,40 H35 V30 C36,32 38,34 40,36 S47,44 49,46");
    // A path that opens with a relative move starts from the origin.
    expectSamePath("m5,5", "M5,5");
}

TEST(SvgPath, NumbersAfterACommandRepeatIt)
{
    expectSamePath("M0,0 10,0 10,10", "M0,0 L10,0 L10,10");
    expectSamePath("m1,1 2,2 3,3", "M1,1 L3,3 L6,6");
    expectSamePath("M0,0 C1,1 2,2 3,3 4,4 5,5 6,6", "M0,0 C1,1 2,2 3,3 C4,4 5,5 6,6");
    expectSamePath("M0,0 c1,1 2,2 3,3 1,1 2,2 3,3", "M0,0 C1,1 2,2 3,3 C4,4 5,5 6,6");
    expectSamePath("M0,0 H1 2 3 V4 5", "M0,0 L1,0 L2,0 L3,0 L3,4 L3,5");
}

TEST(SvgPath, SmoothCubicReflectsOnlyAPreviousCubic)
{
    // After a cubic: the mirror of its second control point.
    expectSamePath("M0,0 C0,10 10,10 10,0 S20,-10 20,0", "M0,0 C0,10 10,10 10,0 C10,-10 20,-10 20,0");
    expectSamePath("M0,0 C0,10 10,10 10,0 s10,-10 10,0", "M0,0 C0,10 10,10 10,0 C10,-10 20,-10 20,0");
    // After a smooth cubic: the mirror of that one's.
    expectSamePath("M0,0 S5,5 10,0 S15,-5 20,0", "M0,0 C0,0 5,5 10,0 C15,-5 15,-5 20,0");
    // After a line, a move or a close: the current point itself.
    expectSamePath("M0,0 C1,9 9,9 10,0 L20,0 S25,5 30,0", "M0,0 C1,9 9,9 10,0 L20,0 C20,0 25,5 30,0");
    expectSamePath("M7,7 s3,3 6,0", "M7,7 C7,7 10,10 13,7");
    expectSamePath("M0,0 C1,9 9,9 10,0 Z S1,1 2,2", "M0,0 C1,9 9,9 10,0 Z M0,0 C0,0 1,1 2,2");
}

TEST(SvgPath, CloseReturnsToTheSubpathStart)
{
    expectSamePath("M5,5 L10,5 L10,10 Z l1,1", "M5,5 L10,5 L10,10 L5,5 M5,5 L6,6");
    expectSamePath("M5,5 L10,5 z M20,20 L21,21", "M5,5 L10,5 L5,5 M20,20 L21,21");
}

TEST(SvgPath, NumbersInEverySpelling)
{
    expectSamePath("M1.5-2.5L.5.5", "M1.5,-2.5 L0.5,0.5");
    expectSamePath("M1e1,2E-1 l+1,-.25e1", "M10,0.2 L11,-2.3");
    expectSamePath(" M 1 , 2\tl\n3\r\n4 ", "M1,2 L4,6");
    expectSamePath("M1.2.3", "M1.2,0.3");
    // KanjiVG writes spaces after a command letter in some files.
    expectSamePath("M46.49,34.38 c 0.79,0.14,1.42,0.42,2.53,0.42",
                   "M46.49,34.38 C47.28,34.52 47.91,34.8 49.02,34.8");
}

TEST(SvgPath, DamagedPathDataGivesNothing)
{
    const char *const damaged[] = {
        "",
        "   ",
        "L1,2",
        "1,2",
        "M",
        "M1",
        "M1,2L",
        "M1,2 3",
        "M1,2,",
        "M,1,2",
        "M1,,2",
        "M1,2 L3,4,",
        "Mx",
        "M1,2 X3,4",
        "M1,2Q3,4,5,6",
        "M1,2A1,1,0,0,1,3,4",
        "M1,2C1,2,3",
        "M1,2 Z 3,4",
        "M--1,2",
        "M1e,2",
        "M.,2",
        "MNaN,1",
        "Minf,1",
        "M1e400,2",
        "M1e6,0",
        "M0,0 L100001,0",
        "m90000,0 l90000,0",
        "M0,0 h60000 60000",
        "M1,2\xE3\x80\x80L3,4",
        "M46.49,34.38 c 0.79,0.14,1.42",
    };
    for (const char *d : damaged)
        EXPECT_EQ(describe(parseSvgPath(QByteArrayView(d))), QStringLiteral("(none)")) << '"' << d << '"';
    // Bytes after a NUL are still part of the text and must be read as such.
    EXPECT_FALSE(parseSvgPath(QByteArray("M1,2\0L3,4", 9)));
}

TEST(SvgPath, LongInputIsReadInOnePass)
{
    QByteArray many = "M0,0";
    for (int i = 0; i < 100000; ++i)
        many += "l.001,0";
    const std::optional<QPainterPath> path = parseSvgPath(many);
    ASSERT_TRUE(path);
    EXPECT_EQ(path->elementCount(), 100001);
    EXPECT_NEAR(path->currentPosition().x(), 100.0, 1e-6);

    QByteArray garbage = "M1,1 L";
    garbage.append(QByteArray(1 << 20, '9'));
    EXPECT_FALSE(parseSvgPath(garbage));
}

}  // namespace
}  // namespace bks
