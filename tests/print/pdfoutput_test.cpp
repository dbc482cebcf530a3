#include "print/run/continuousrun.h"
#include "print/run/runmessages.h"
#include "print/surfaces/recordingsurface.h"
#include "tests/print/sheetpdf.h"
#include "tests/support/scriptedservices.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace bks {
namespace {

using test::kFace;
using test::oneCharRun;
using test::printOne;
using test::printTwo;
using test::RunTool;
using test::ScratchPath;
using test::settingsFor;
using test::SheetPdf;
using test::twoCharRun;
using test::writePdf;

QString pageText(const QString &pdf, int page)
{
    const auto out = RunTool(QStringLiteral("pdftotext"),
                             {QStringLiteral("-raw"), QStringLiteral("-f"), QString::number(page),
                              QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
    return out ? QString(*out).remove(QRegularExpression(QStringLiteral("[\\s\\x{3000}]"))) : QString();
}

// Every piece appears, in this order.
void expectInOrder(const QString &text, const QStringList &pieces)
{
    qsizetype at = 0;
    for (const QString &piece : pieces) {
        const qsizetype found = text.indexOf(piece, at);
        ASSERT_GE(found, 0) << "missing or out of order: " << piece.toStdString() << " in "
                            << text.toStdString();
        at = found + piece.size();
    }
}

void expectPages(const QString &pdf, int count, bool landscape)
{
    const auto sizes = test::PdfPageSizes(pdf);
    ASSERT_TRUE(sizes);
    ASSERT_EQ(sizes->size(), count);
    for (const QSizeF &size : *sizes) {
        EXPECT_NEAR(landscape ? size.height() : size.width(), 595.3, 1);
        EXPECT_NEAR(landscape ? size.width() : size.height(), 841.9, 1);
    }
}

TEST_F(SheetPdf, OneCharacterRunIsOnePortraitPageASheetWithItsTexts)
{
    const SheetSettings settings = settingsFor(kFace);
    const QString pdf = writePdf(QStringLiteral("one.pdf"), oneCharRun(settings, QStringLiteral("右左森")));
    expectPages(pdf, 3, false);

    const auto fonts = RunTool(QStringLiteral("pdffonts"), {pdf});
    ASSERT_TRUE(fonts);
    EXPECT_TRUE(
        fonts->contains(QRegularExpression(QStringLiteral("BIZUDMincho\\S*\\s+CID TrueType.*\\syes\\s"))))
        << fonts->toStdString();

    const QStringList chars = {QStringLiteral("右"), QStringLiteral("左"), QStringLiteral("森")};
    const QStringList digits = {QStringLiteral("１"), QStringLiteral("２"), QStringLiteral("３")};
    for (int page = 1; page <= 3; ++page) {
        SCOPED_TRACE(page);
        const QString c = chars[page - 1];
        // Model, six tracing copies, practice line, headings 2, 1, 3 to 7, number.
        expectInOrder(pageText(pdf, page),
                      {c + c + c + c + c + c + c, QStringLiteral("学校"), QStringLiteral("名前"),
                       QStringLiteral("漢字練習帳"), QStringLiteral("音読み"), QStringLiteral("訓読み"),
                       QStringLiteral("部首"), QStringLiteral("画数"), QStringLiteral("文作りをしましょう"),
                       digits[page - 1]});
    }
}

TEST_F(SheetPdf, TwoCharacterRunIsOneLandscapePageASheetReadFromTheRight)
{
    const SheetSettings settings = settingsFor(kFace);
    const QString pdf = writePdf(QStringLiteral("two.pdf"), twoCharRun(settings, QStringLiteral("右左森林")));
    expectPages(pdf, 2, true);
    // The left block (second character) is drawn first, then the number,
    // then the right block.
    expectInOrder(pageText(pdf, 1), {QStringLiteral("左"), QStringLiteral("草花"),
                                     QStringLiteral("漢字練習帳"), QStringLiteral("1"), QStringLiteral("右"),
                                     QStringLiteral("学校"), QStringLiteral("漢字練習帳")});
    expectInOrder(pageText(pdf, 2), {QStringLiteral("林"), QStringLiteral("2"), QStringLiteral("森")});
}

TEST_F(SheetPdf, VerticalFaceSheetsTurnTheirPages)
{
    const SheetSettings settings = settingsFor(QLatin1Char('@') + kFace);
    const QString one = writePdf(QStringLiteral("one-at.pdf"), oneCharRun(settings, QStringLiteral("右左")));
    expectPages(one, 2, true);
    const QString two = writePdf(QStringLiteral("two-at.pdf"),
                                 twoCharRun(settings, QStringLiteral("右左森林")));
    expectPages(two, 2, false);
    const auto fonts = RunTool(QStringLiteral("pdffonts"), {two});
    ASSERT_TRUE(fonts);
    EXPECT_TRUE(fonts->contains(QStringLiteral("BIZUDMincho")));
}

TEST_F(SheetPdf, MixedRunKeepsEachSheetsOrientation)
{
    const SheetSettings settings = settingsFor(kFace);
    const QString pdf = writePdf(QStringLiteral("mixed.pdf"), [&](PrintSurface &s) {
        printTwo(s, settings, QStringLiteral("右左"), 1);
        s.newPage();
        printOne(s, settings, QStringLiteral("森"), 2);
        s.newPage();
        printTwo(s, settings, QStringLiteral("林　"), 3);
        s.endDoc();
    });
    const auto sizes = test::PdfPageSizes(pdf);
    ASSERT_TRUE(sizes);
    ASSERT_EQ(sizes->size(), 3);
    EXPECT_GT(sizes->at(0).width(), sizes->at(0).height());
    EXPECT_LT(sizes->at(1).width(), sizes->at(1).height());
    EXPECT_GT(sizes->at(2).width(), sizes->at(2).height());
}


struct ContinuousRun {
    test::ScriptedServices services;
    RunHost host;
    TextQueue text1;
    RunCounters counters;

    ContinuousRun(const QString &pdf, const QString &kanji) : text1(kanji)
    {
        services.printers.push_back(PrinterChoice{QString(), pdf});
        host.services = &services;
        host.openSurface = &openPrintSurface;
        host.saveTemp = [](const QString &) {};
    }
    RunResult click(bool oneChar)
    {
        RunOptions options;
        options.perSheet = oneChar ? 1 : 2;
        return runContinuous(host, text1, settingsFor(kFace), options, counters);
    }
};

TEST_F(SheetPdf, ContinuousRunsGiveOnePageASheetAndNoBlankOnes)
{
    {
        const QString pdf = ScratchPath(QStringLiteral("run1.pdf"));
        ContinuousRun run(pdf, QStringLiteral("右左森林空"));
        EXPECT_EQ(run.click(true), RunResult::Printed);
        expectPages(pdf, 5, false);
        expectInOrder(pageText(pdf, 5), {QStringLiteral("空"), QStringLiteral("５")});
    }
    {
        const QString pdf = ScratchPath(QStringLiteral("run2.pdf"));
        ContinuousRun run(pdf, QStringLiteral("右左森"));
        EXPECT_EQ(run.click(false), RunResult::Printed);
        expectPages(pdf, 2, true);
    }
}

TEST(ContinuousRunOutput, UnwritablePdfIsReportedAndTheTextKept)
{
    ContinuousRun run(QStringLiteral("/nonexistent-folder/run.pdf"), QStringLiteral("右左森"));
    EXPECT_EQ(run.click(true), RunResult::OutputFailed);
    EXPECT_EQ(run.text1.text(), QStringLiteral("右左森"));
    ASSERT_FALSE(run.services.messages.empty());
    EXPECT_TRUE(run.services.messages.back().text.contains(QStringLiteral("/nonexistent-folder/run.pdf")));
}

TEST(SheetPreview, RunDrawsOneImagePerSheet)
{
    const SheetSettings settings = settingsFor(kFace);
    const auto pages = RenderPreviewPages(twoCharRun(settings, QStringLiteral("右左森")), 48);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_GT(pages[0].width(), pages[0].height());
    EXPECT_FALSE(test::InkBounds(pages[1]).isNull());
}

}  // namespace
}  // namespace bks
