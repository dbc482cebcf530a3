#include "print/surfaces/recordingsurface.h"
#include "print/text/textqueue.h"
#include "tests/print/layout_helpers.h"

#include <gtest/gtest.h>

namespace bks::test {
namespace {

TEST(RecordingSurface, PrintableAreaFollowsScaleModeAndOrientation)
{
    RecordingSurface s;
    EXPECT_NEAR(s.scaleWidth(), 11338.58, 0.01);  // twips at start: exact, not rounded
    EXPECT_NEAR(s.scaleHeight(), 287.0 * kTwipsPerMm, 1e-9);
    s.setScaleMode(PrintSurface::Millimetres);
    EXPECT_DOUBLE_EQ(s.scaleWidth(), 200.0);
    EXPECT_DOUBLE_EQ(s.scaleHeight(), 287.0);
    s.setOrientation(PrintSurface::Landscape);
    EXPECT_DOUBLE_EQ(s.scaleWidth(), 287.0);
    EXPECT_DOUBLE_EQ(s.scaleHeight(), 200.0);
    // A new document starts in portrait; the scale mode stays.
    s.endDoc();
    EXPECT_DOUBLE_EQ(s.scaleWidth(), 200.0);
    EXPECT_EQ(s.ops().back().orientation, PrintSurface::Landscape);

    RecordingSurface other(204.0, 290.0);
    other.setScaleMode(PrintSurface::Millimetres);
    EXPECT_DOUBLE_EQ(other.scaleWidth(), 204.0);
}

TEST(RecordingSurface, RecordsEachCallWithTheStateInForce)
{
    RecordingSurface s;
    s.setFontName(QStringLiteral("IPAexMincho"));
    s.setFontSize(17);
    s.setForeColor(255);
    s.setDrawStyle(PrintSurface::Dotted);
    s.setCurrentX(10);
    s.setCurrentY(20);
    s.print(QStringLiteral("山"));
    s.line(PrintSurface::Box, 1, 2, 3, 4, 0);
    ASSERT_EQ(s.ops().size(), 2u);
    const RecordedOp &p = s.ops()[0];
    EXPECT_EQ(p.kind, RecordedOp::Print);
    EXPECT_EQ(p.text, QStringLiteral("山"));
    EXPECT_EQ(Pos(p.x, p.y), Pos(10, 20));
    EXPECT_EQ(p.fontName, QStringLiteral("IPAexMincho"));
    EXPECT_EQ(p.fontSize, 17);
    EXPECT_EQ(p.colour, 255);
    const RecordedOp &l = s.ops()[1];
    EXPECT_EQ(l.kind, RecordedOp::Line);
    EXPECT_EQ(l.flags, PrintSurface::Box);
    EXPECT_EQ(l.colour, 0);  // the line's own colour, not ForeColor
    EXPECT_EQ(l.drawStyle, PrintSurface::Dotted);
    EXPECT_EQ(l.x2, 3);
    EXPECT_EQ(l.y2, 4);
}

TEST(RecordingSurface, SheetsSkipDocumentEndsWithNothingDrawn)
{
    RecordingSurface s;
    s.endDoc();  // nothing drawn yet
    s.line(PrintSurface::StraightLine, 0, 0, 1, 1, 0);
    s.print(QStringLiteral("一"));
    s.endDoc();
    s.endDoc();
    s.newPage();
    s.print(QStringLiteral("二"));
    s.newPage();
    s.print(QStringLiteral("三"));
    s.endDoc();
    s.newPage();
    const auto sheets = s.sheets();
    ASSERT_EQ(sheets.size(), 3u);
    EXPECT_EQ(sheets[0].size(), 2u);
    EXPECT_EQ(sheets[1][0].text, QStringLiteral("二"));
    EXPECT_EQ(sheets[2][0].text, QStringLiteral("三"));
}

TEST(RecordingSurface, FailsFromTheNthCallAndOnFinish)
{
    RecordingSurface s;
    s.failFrom(2);
    s.setFontSize(10);
    s.print(QStringLiteral("一"));
    EXPECT_THROW(s.print(QStringLiteral("二")), PrintSurfaceError);
    EXPECT_THROW(s.setFontSize(12), PrintSurfaceError);
    EXPECT_THROW(s.endDoc(), PrintSurfaceError);
    EXPECT_EQ(s.ops().size(), 1u);
    EXPECT_DOUBLE_EQ(s.ops()[0].fontSize, 10);

    EXPECT_TRUE(s.finish().ok());
    s.failFinish(true);
    const Result<> failed = s.finish();
    EXPECT_FALSE(failed.ok());
    EXPECT_FALSE(failed.failure().isEmpty());
    EXPECT_EQ(s.finishCount(), 2);
}

TEST(TextQueue, CountsAsTheWindowCounts)
{
    TextQueue q(QStringLiteral("山\r\n川"));
    EXPECT_EQ(q.charCount(), 4);  // a line break counts two
    q.setText(QString());
    EXPECT_EQ(q.charCount(), 0);
    q.setText(QString(40000, QChar(0x5C71)));
    EXPECT_EQ(q.charCount(), 32767);
    EXPECT_EQ(q.characters(), 40000);
    EXPECT_EQ(saturatedCount(32768), 32767);
    EXPECT_EQ(saturatedCount(12), 12);
}

}  // namespace
}  // namespace bks::test
