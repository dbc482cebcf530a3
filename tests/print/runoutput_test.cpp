// A run whose output fails or is only previewed: the failure is reported,
// the text kept, and a preview consumes nothing.
#include "print/run/continuousrun.h"
#include "print/run/runmessages.h"
#include "print/numbers/int16.h"
#include "print/numbers/numbertext.h"
#include "tests/print/runjob.h"

#include <gtest/gtest.h>

namespace bks::test {
namespace {

void expectOutputFailure(Job &job, const QString &textBefore)
{
    ASSERT_EQ(job.services.messages.size(), 1u);
    const auto &m = job.services.messages[0];
    EXPECT_TRUE(m.text.startsWith(QStringLiteral("印刷できませんでした。\r\n"))) << m.text.toStdString();
    EXPECT_TRUE(m.text.endsWith(QStringLiteral("\r\n印刷されなかった文字は入力欄に残してあります。")));
    EXPECT_GT(m.text.size(), 40);  // the cause is in between
    EXPECT_EQ(m.title, QStringLiteral("漢字練習帳連続印刷"));
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
    EXPECT_EQ(m.icon, MsgIcon::Critical);
    EXPECT_EQ(job.text1.text(), textBefore);
}

TEST(PrintRun, OutputFailuresAreReportedAndKeepTheText)
{
    {
        Job job(QStringLiteral("一二三"));
        job.host.openSurface = [](const PrinterChoice &) -> std::unique_ptr<PrintSurface> {
            throw PrintSurfaceError("cannot open /tmp/out.pdf");
        };
        EXPECT_EQ(job.click(), RunResult::OutputFailed);
        expectOutputFailure(job, QStringLiteral("一二三　"));
        EXPECT_TRUE(job.services.messages[0].text.contains(QStringLiteral("/tmp/out.pdf")));
    }
    {
        Job job(QStringLiteral("一二三"));
        job.host.openSurface = [](const PrinterChoice &) { return std::unique_ptr<PrintSurface>(); };
        EXPECT_EQ(job.click(), RunResult::OutputFailed);
        expectOutputFailure(job, QStringLiteral("一二三　"));
    }
    {
        // The file cannot be written at the end: every sheet of the click is lost.
        Job job(kKanji.left(12));
        job.options.perSheet = 1;
        job.options.tenPages = true;
        job.counters.sheetsOfList = 10;
        job.surface.failFinish(true);
        EXPECT_EQ(job.click(), RunResult::OutputFailed);
        expectOutputFailure(job, kKanji.left(12));
        EXPECT_EQ(job.counters.sheetsOfList, 10);
    }
    for (const bool oneChar : {true, false}) {
        // The printer goes away in the middle of the second sheet; a
        // one-character sheet absorbs its drawing failures, its EndDoc fails.
        Job job(QStringLiteral("一二三四五六"));
        job.options.perSheet = oneChar ? 1 : 2;
        job.surface.failFrom(oneChar ? 330 : 500);
        EXPECT_EQ(job.click(), RunResult::OutputFailed);
        expectOutputFailure(job, QStringLiteral("一二三四五六"));
        EXPECT_EQ(job.surface.finishCount(), 1);
    }
}

TEST(PrintRun, PreviewDrawsWhatTheNextClickPrintsAndConsumesNothing)
{
    const SheetSettings settings = sheetSettings();
    RunOptions options;
    options.perSheet = 1;
    options.tenPages = true;
    RunCounters counters;
    counters.sheetsOfList = 10;
    RecordingSurface preview;
    previewRun(preview, kKanji.left(15), settings, options, counters, SheetSources{});
    EXPECT_EQ(Job::numbersOf(preview), fullWidth(11, 20));
    EXPECT_EQ(preview.finishCount(), 0);

    Job job(kKanji.left(15));
    job.options = options;
    job.counters = counters;
    job.click();
    ASSERT_EQ(job.surface.sheets().size(), preview.sheets().size());
    for (size_t i = 0; i < preview.sheets().size(); ++i)
        EXPECT_EQ(job.surface.sheets()[i].size(), preview.sheets()[i].size());

    RecordingSurface pairs;
    previewRun(pairs, QStringLiteral("一二三"), settings, RunOptions{}, RunCounters{}, SheetSources{});
    ASSERT_EQ(pairs.sheets().size(), 2u);
    EXPECT_EQ(printsOf(pairs.sheets()[1], QStringLiteral("　")).size(), 7u);

    RecordingSurface letters;
    RunOptions off;
    off.autoNumber = false;
    off.firstNumber = QStringLiteral("x");
    previewRun(letters, QStringLiteral("一二"), settings, off, RunCounters{}, SheetSources{});
    EXPECT_TRUE(letters.sheets().empty());
}

}  // namespace
}  // namespace bks::test
