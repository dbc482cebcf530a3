#include "print/run/continuousrun.h"
#include "print/run/runmessages.h"
#include "print/numbers/int16.h"
#include "print/numbers/numbertext.h"
#include "tests/print/runjob.h"

#include <gtest/gtest.h>

namespace bks::test {
namespace {

TEST(PrintRun, OneCharacterPerSheetCutsTheTextAndNumbersFromOne)
{
    Job job(QStringLiteral("一二三"));
    job.options.perSheet = 1;
    EXPECT_EQ(job.click(), RunResult::Printed);
    EXPECT_EQ(job.numbers(), fullWidth(1, 3));
    EXPECT_EQ(job.text1.text(), QString());
    EXPECT_EQ(job.saved, QStringList{QStringLiteral("一二三")});
    EXPECT_EQ(job.counters.pageCount, 0);
    EXPECT_EQ(job.counters.sheetNumber, 3);
    EXPECT_TRUE(job.services.messages.empty());
    EXPECT_EQ(job.surface.finishCount(), 1);
    EXPECT_EQ(job.services.progressStarted, 0);
    // Sheet, EndDoc, NewPage ... and the final EndDoc.
    const auto &ops = job.surface.ops();
    EXPECT_EQ(ops.back().kind, RecordedOp::EndDoc);
    EXPECT_EQ(ops[ops.size() - 2].kind, RecordedOp::NewPage);
    EXPECT_EQ(printsOf(job.surface.sheets()[1], QStringLiteral("二")).size(), 7u);
}

TEST(PrintRun, OddCountIsPaddedForPairsAndTheCountEndsAtZero)
{
    Job job(QStringLiteral("一二三"));
    EXPECT_EQ(job.click(), RunResult::Printed);
    EXPECT_EQ(job.saved, QStringList{QStringLiteral("一二三　")});
    EXPECT_EQ(job.counters.pageCount, 0);  // no sheet of the run is left to print
    const auto sheets = job.surface.sheets();
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(printsOf(sheets[0], QStringLiteral("一")).size(), 7u);  // the right block
    EXPECT_EQ(printsOf(sheets[0], QStringLiteral("二")).size(), 7u);
    EXPECT_EQ(printsOf(sheets[1], QStringLiteral("三")).size(), 7u);
    EXPECT_EQ(printsOf(sheets[1], QStringLiteral("　")).size(), 7u);
    EXPECT_EQ(job.numbers(), (std::vector<QString>{QStringLiteral(" 1"), QStringLiteral(" 2")}));
    EXPECT_EQ(job.text1.charCount(), 0);
}

TEST(PrintRun, NoFontAfterPaddingStopsWithoutPrinting)
{
    Job job(QStringLiteral("一二三"));
    job.settings.fontName.clear();
    EXPECT_EQ(job.click(), RunResult::NothingPrinted);
    ASSERT_EQ(job.services.messages.size(), 1u);
    const auto &m = job.services.messages[0];
    EXPECT_EQ(m.text, QStringLiteral("フォントを選択してください"));
    EXPECT_EQ(m.title, QString());
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
    EXPECT_EQ(m.icon, MsgIcon::None);
    EXPECT_EQ(job.text1.text(), QStringLiteral("一二三　"));  // the blank stays
    EXPECT_EQ(job.services.printerDialogs, 0);
    EXPECT_TRUE(job.saved.isEmpty());
    EXPECT_EQ(job.opened, 0);
    // The next click finds an even count and adds nothing.
    job.settings = sheetSettings();
    EXPECT_EQ(job.click(), RunResult::Printed);
    EXPECT_EQ(job.saved, QStringList{QStringLiteral("一二三　")});
}

TEST(PrintRun, FiftyCharactersAskFirstInAllPagesModeOnly)
{
    const QString question = QStringLiteral(
        "印刷枚数が５０枚を超えています\r\n時間がかかりますが実行しますか");
    {
        Job job(kKanji.left(49));
        job.options.perSheet = 1;
        EXPECT_EQ(job.click(), RunResult::Printed);
        EXPECT_TRUE(job.services.messages.empty());
        EXPECT_EQ(job.surface.sheets().size(), 49u);
    }
    {
        Job job(kKanji.left(50));
        job.services.answers.push_back(MsgResult::Cancel);
        EXPECT_EQ(job.click(), RunResult::NothingPrinted);
        ASSERT_EQ(job.services.messages.size(), 1u);
        const auto &m = job.services.messages[0];
        EXPECT_EQ(m.text, question);
        EXPECT_EQ(m.title, QStringLiteral("印刷時間確認"));
        EXPECT_EQ(m.buttons, MsgButtons::OkCancel);
        EXPECT_EQ(m.icon, MsgIcon::Exclamation);
        EXPECT_EQ(job.services.printerDialogs, 0);
        EXPECT_EQ(job.text1.text(), kKanji.left(50));
    }
    {
        Job job(kKanji.left(50));  // pairs: the count of characters decides, OK goes on
        EXPECT_EQ(job.click(), RunResult::Printed);
        EXPECT_EQ(job.services.messageTexts(), QStringList{question});
        EXPECT_EQ(job.surface.sheets().size(), 25u);
        EXPECT_EQ(job.services.progressStarted, 1);
    }
    {
        Job job(kKanji.repeated(7).left(500));
        job.options.perSheet = 1;
        job.options.tenPages = true;
        EXPECT_EQ(job.click(), RunResult::Printed);
        EXPECT_TRUE(job.services.messages.empty());
        EXPECT_EQ(job.surface.sheets().size(), 10u);
        EXPECT_EQ(job.text1.text().size(), 490);
    }
}

TEST(PrintRun, TenSheetBatchesContinueTheCountOfTheList)
{
    Job job(kKanji.left(25));
    job.options.perSheet = 1;
    job.options.tenPages = true;
    EXPECT_EQ(job.click(), RunResult::Printed);
    EXPECT_EQ(job.text1.text(), kKanji.mid(10, 15));
    EXPECT_EQ(job.numbers(), fullWidth(1, 10));
    EXPECT_EQ(job.click(), RunResult::Printed);
    EXPECT_EQ(job.click(), RunResult::Printed);
    EXPECT_EQ(job.text1.text(), QString());
    EXPECT_EQ(job.numbers(), fullWidth(1, 25));
    EXPECT_EQ(job.counters.sheetsOfList, 25);
    EXPECT_EQ(job.surface.finishCount(), 3);

    // Numbering OFF starts after the typed number and goes on the same way.
    Job off(kKanji.left(12));
    off.options.perSheet = 1;
    off.options.tenPages = true;
    off.options.autoNumber = false;
    off.options.firstNumber = QStringLiteral("10");
    off.click();
    off.click();
    EXPECT_EQ(off.numbers(), fullWidth(11, 22));
}

TEST(PrintRun, TenSheetPairsGoOnAfterTheFirstBatch)
{
    Job job(kKanji.left(25));  // padded to 26: thirteen sheets
    job.options.tenPages = true;
    EXPECT_EQ(job.click(), RunResult::Printed);
    EXPECT_EQ(job.text1.text(), kKanji.mid(20, 5) + QStringLiteral("　"));
    EXPECT_EQ(job.text1.charCount(), 6);  // the count still follows the text
    EXPECT_EQ(job.click(), RunResult::Printed);
    EXPECT_EQ(job.surface.sheets().size(), 13u);
    EXPECT_EQ(job.numbers().back(), QStringLiteral(" 13"));
    EXPECT_TRUE(job.text1.isEmpty());
}

TEST(PrintRun, NumberingOffReadsTheFirstSheetBox)
{
    for (const bool oneChar : {true, false}) {
        Job job(QStringLiteral("一二三四"));
        job.options.perSheet = oneChar ? 1 : 2;
        job.options.autoNumber = false;
        job.options.firstNumber = QStringLiteral(" 10 ");
        EXPECT_EQ(job.click(), RunResult::Printed);
        const std::vector<QString> pairs{QStringLiteral(" 11"), QStringLiteral(" 12")};
        EXPECT_EQ(job.numbers(), oneChar ? fullWidth(11, 14) : pairs);
    }
    {
        Job job(QStringLiteral("一二"));
        job.options.perSheet = 1;
        job.options.autoNumber = false;
        job.options.firstNumber = QStringLiteral("1.5");  // 2.5 and 3.5: halves to even
        job.click();
        EXPECT_EQ(job.numbers(), (std::vector<QString>{fullWidthNumberText(2), fullWidthNumberText(4)}));
    }
    // A first number that is no number ends the run without a word; numbers
    // beyond 32,767 end it with the reason.
    for (const bool tenPages : {false, true}) {
        for (const QString &bad : {QStringLiteral("abc"), QString(), QStringLiteral("32767")}) {
            Job job(QStringLiteral("一二三"));
            job.options.tenPages = tenPages;
            job.options.autoNumber = false;
            job.options.firstNumber = bad;
            const bool beyond = bad == QStringLiteral("32767");
            EXPECT_EQ(job.click(), beyond ? RunResult::NumbersRanOut : RunResult::Stopped);
            EXPECT_TRUE(job.surface.sheets().empty());
            ASSERT_EQ(job.services.messages.size(), beyond ? 1u : 0u);
            if (beyond) {
                EXPECT_TRUE(job.services.messageTexts().front().contains(QStringLiteral("32767")));
            }
            EXPECT_EQ(job.text1.text(), QStringLiteral("一二三　"));  // nothing cut
            EXPECT_EQ(job.surface.finishCount(), 1);
            EXPECT_EQ(job.surface.ops().back().kind, RecordedOp::EndDoc);
        }
    }
}

TEST(PrintRun, EmptyTextAsksForASheetWithoutCharacters)
{
    const QString question = QStringLiteral("印刷するものがありません\r\n文字なしで印刷しますか？");
    {
        Job job{QString()};
        job.options.perSheet = 1;
        job.counters.sheetNumber = 5;
        EXPECT_EQ(job.click(), RunResult::Printed);
        ASSERT_EQ(job.services.messages.size(), 1u);
        EXPECT_EQ(job.services.messages[0].text, question);
        EXPECT_EQ(job.services.messages[0].title, QStringLiteral("漢字練習帳連続印刷"));
        EXPECT_EQ(job.services.messages[0].buttons, MsgButtons::YesNo);
        EXPECT_EQ(job.services.messages[0].icon, MsgIcon::Question);
        const auto sheets = job.surface.sheets();
        ASSERT_EQ(sheets.size(), 1u);
        EXPECT_EQ(printsOf(sheets[0], QStringLiteral("　")).size(), 7u);
        EXPECT_EQ(job.numbers(), std::vector<QString>{fullWidthNumberText(5)});
        for (const RecordedOp &op : job.surface.ops())
            EXPECT_NE(op.kind, RecordedOp::NewPage);
    }
    {
        Job job{QString()};
        job.counters.sheetNumber = 5;
        EXPECT_EQ(job.click(), RunResult::Printed);
        EXPECT_EQ(job.numbers(), std::vector<QString>{QStringLiteral(" 1")});
    }
    {
        Job job{QString()};
        job.services.answers.push_back(MsgResult::No);
        EXPECT_EQ(job.click(), RunResult::NothingPrinted);
        EXPECT_TRUE(job.surface.sheets().empty());
        EXPECT_EQ(job.surface.ops().size(), 1u);  // the click's EndDoc
    }
}

// Characters the face cannot draw (龘 in every installed face) and
// characters the stroke data lacks (○, half-width kana) are found in one look
// at what the click prints, before the printer dialog: the window asks
// whether to print anyway and names them, or tells once which have no
// strokes; the command line names both and prints. A ten-sheet batch looks
// at its own sheets only.
TEST(PrintRun, CharactersTheFaceOrTheStrokeDataLackAreToldOnceBeforePrinting)
{
    const struct {
        QString text;
        bool strokeOrder, asksUser, tenPages;
        MsgResult answer;
        std::vector<MsgButtons> asked;
        bool printed;
    } cases[] = {
        {QStringLiteral("山龘川龘"), false, true, false, MsgResult::No, {MsgButtons::YesNo}, false},
        {QStringLiteral("山龘川"), false, true, false, MsgResult::Yes, {MsgButtons::YesNo}, true},
        {QStringLiteral("山○ｱ○"), true, true, false, MsgResult::Ok, {MsgButtons::Ok}, true},
        {QStringLiteral("山龘ｱ"), true, false, false, MsgResult::Ok, {MsgButtons::Ok, MsgButtons::Ok}, true},
        {QStringLiteral("山川　\r\n"), true, true, false, MsgResult::Ok, {}, true},
        {kKanji.left(20) + QStringLiteral("龘"), false, true, true, MsgResult::Ok, {}, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        Job run(c.text);
        run.host.asksUser = c.asksUser;
        run.options.perSheet = 1;
        run.options.tenPages = c.tenPages;
        run.options.form = c.strokeOrder ? kStrokeOrderForm : kPracticeForm;
        run.services.answers.push_back(c.answer);
        EXPECT_EQ(run.click(), c.printed ? RunResult::Printed : RunResult::NothingPrinted);
        ASSERT_EQ(run.services.messages.size(), c.asked.size());
        for (size_t i = 0; i < c.asked.size(); ++i) {
            const QString &said = run.services.messages[i].text;
            EXPECT_EQ(run.services.messages[i].buttons, c.asked[i]);
            EXPECT_FALSE(said.contains(QStringLiteral("山")));
            // Each character once.
            for (const QString &lacking : {QStringLiteral("龘"), QStringLiteral("○")})
                EXPECT_LE(said.count(lacking), 1) << said.toStdString();
        }
        EXPECT_EQ(run.services.printerDialogs, c.printed ? 1 : 0);
        EXPECT_EQ(!run.surface.sheets().empty(), c.printed);
    }
}

// A form asked for with a count none of its layouts has is said, before
// anything is asked, saved or printed.
TEST(PrintRun, ACountTheFormDoesNotOfferIsRefusedWithAWord)
{
    const struct {
        std::string_view form;
        int perSheet;
        const char *named;
    } cases[] = {{kPracticeForm, 10, "練習帳"}, {kStrokeOrderForm, 3, "書き順"}, {"review", 2, "review"}};
    for (const auto &c : cases) {
        Job job(kKanji.left(12));
        job.options.form = c.form;
        job.options.perSheet = c.perSheet;
        EXPECT_EQ(job.click(), RunResult::NothingPrinted) << c.named;
        ASSERT_EQ(job.services.messages.size(), 1u) << c.named;
        EXPECT_TRUE(job.services.messages[0].text.contains(QString::fromUtf8(c.named)));
        EXPECT_EQ(job.services.printerDialogs, 0);
        EXPECT_TRUE(job.saved.isEmpty());
        EXPECT_EQ(job.text1.text(), kKanji.left(12));
    }
}

TEST(PrintRun, CancelledPrinterDialogPrintsNothing)
{
    Job job(QStringLiteral("一二"));
    job.services.printers = {std::nullopt};
    EXPECT_EQ(runContinuous(job.host, job.text1, job.settings, job.options, job.counters),
              RunResult::NothingPrinted);
    EXPECT_EQ(job.opened, 0);
    EXPECT_TRUE(job.services.messages.empty());
    EXPECT_EQ(job.text1.text(), QStringLiteral("一二"));
    EXPECT_EQ(job.saved.size(), 1);  // the copy was written before the dialog
}

TEST(PrintRun, LongRunShowsProgressAndCanBeCancelled)
{
    Job job(kKanji.left(12));
    job.options.perSheet = 1;
    job.services.cancelProgressAfter = 3;
    EXPECT_EQ(job.click(), RunResult::Stopped);
    EXPECT_EQ(job.services.progressStarted, 1);
    EXPECT_EQ(job.services.progressUpdates, (std::vector<std::pair<int, int>>{{1, 12}, {2, 12}, {3, 12}}));
    // Stopping abandons the run: its output is never finished (no file, no
    // job) and the list is whole again.
    EXPECT_EQ(job.surface.finishCount(), 0);
    EXPECT_EQ(job.text1.text(), kKanji.left(12));
    EXPECT_TRUE(job.services.messages.empty());

    Job pairs(kKanji.left(22));  // eleven sheets
    EXPECT_EQ(pairs.click(), RunResult::Printed);
    EXPECT_EQ(pairs.services.progressStarted, 1);
    EXPECT_EQ(pairs.services.progressUpdates.back(), (std::pair<int, int>{11, 11}));

    Job short_(kKanji.left(20));  // ten sheets: no dialog
    EXPECT_EQ(short_.click(), RunResult::Printed);
    EXPECT_EQ(short_.services.progressStarted, 0);
}
}  // namespace
}  // namespace bks::test
