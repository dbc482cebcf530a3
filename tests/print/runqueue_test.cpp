// What a run takes from the kanji text: whole characters, never line breaks,
// and example words only beside their own kanji.
#include "print/run/continuousrun.h"
#include "print/run/runmessages.h"
#include "tests/print/runjob.h"
#include "tests/support/forwardingsurface.h"

#include <gtest/gtest.h>

namespace bks::test {
namespace {

const QString kShikaru = QStringLiteral("𠮟");  // outside the BMP: a surrogate pair
const QString kHokke = QStringLiteral("𩸽");

TEST(TextQueue, TakesWholeCharactersAndLeavesLineBreaksOut)
{
    TextQueue q(QStringLiteral("山\r\n") + kShikaru + QStringLiteral("\t川\r\n\r\n"));
    EXPECT_EQ(q.characters(), 10);  // a line break counts two, a surrogate pair one
    EXPECT_EQ(q.printableCount(), 3);
    EXPECT_EQ(q.printableWithin(4), 2);
    EXPECT_EQ(q.front(2), QStringLiteral("山") + kShikaru);
    EXPECT_EQ(q.takeFront(1), QStringLiteral("山"));
    EXPECT_EQ(q.text(), kShikaru + QStringLiteral("\t川\r\n\r\n"));
    EXPECT_EQ(q.charCount(), 7);
    EXPECT_EQ(q.takeFront(2), kShikaru + QStringLiteral("川"));
    EXPECT_TRUE(q.isEmpty());  // trailing line breaks go with the last character
    EXPECT_EQ(q.charCount(), 0);
    EXPECT_EQ(q.takeFront(1), QString());

    EXPECT_EQ(countCharacters(kShikaru + kHokke), 2);
    EXPECT_EQ(characterAt(QStringLiteral("山") + kHokke + QStringLiteral("川"), 1), kHokke);
    EXPECT_EQ(characterAt(QStringLiteral("山"), 3), QString());
}

// Text pasted from web pages and PDFs: a base with combining marks or a
// variation selector is one character for the count, the sample, the run and
// the stroke data; decomposed kana print composed; a compatibility ideograph
// stays as typed.
TEST(TextQueue, ACharacterIsWhatTheReaderSeesAsOne)
{
    const QString pasted = QString::fromUcs4(U"山\u0301川\u3099葛\U000E0100\r\n辻\uFE00か\u3099\uFA19");
    EXPECT_EQ(countCharacters(pasted), 8);  // six characters and a line break
    const QString ga = QStringLiteral("が"), kuzu = QString::fromUcs4(U"葛\U000E0100");
    EXPECT_EQ(characterAt(pasted, 6), ga);  // the line break counts two
    EXPECT_EQ(printableFront(pasted, 3), QString::fromUcs4(U"山\u0301川\u3099") + kuzu);
    EXPECT_EQ(plainCharacters(pasted), QString::fromUcs4(U"山\u0301川\u3099葛\r\n辻が\uFA19"));
    // A mark with nothing to attach to is kept, and never joins a line break.
    EXPECT_EQ(countCharacters(QString::fromUcs4(U"\u3099\n\u0301")), 3);

    Job run(pasted);
    run.options.perSheet = 1;
    EXPECT_EQ(run.click(), RunResult::Printed);
    using Sheets = std::vector<std::set<QString>>;
    EXPECT_EQ(run.models(), (Sheets{{QString::fromUcs4(U"山\u0301")},
                                    {QString::fromUcs4(U"川\u3099")},
                                    {kuzu},
                                    {QString::fromUcs4(U"辻\uFE00")},
                                    {ga},
                                    {QString::fromUcs4(U"\uFA19")}}));
}

TEST(RunQueue, AListWrittenOneKanjiPerLinePrintsOneSheetPerKanji)
{
    const QString list = QStringLiteral("山\r\n") + kShikaru + QStringLiteral("\r\n川\r\n");
    Job one(list);
    one.options.perSheet = 1;
    EXPECT_EQ(one.click(), RunResult::Printed);
    using Sheets = std::vector<std::set<QString>>;
    EXPECT_EQ(one.models(), (Sheets{{QStringLiteral("山")}, {kShikaru}, {QStringLiteral("川")}}));
    EXPECT_TRUE(one.text1.isEmpty());

    // Three printed characters: one blank pads the last pair, and no sheet
    // holds a line break.
    Job pairs(list);
    EXPECT_EQ(pairs.click(), RunResult::Printed);
    EXPECT_EQ(pairs.models(),
              (Sheets{{QStringLiteral("山"), kShikaru}, {QStringLiteral("川"), QStringLiteral("　")}}));
    EXPECT_EQ(pairs.surface.sheets().size(), 2u);
}

TEST(RunQueue, OnlyPrintedCharactersCountTowardsTheLongRunQuestion)
{
    QString list;
    for (int i = 0; i < 49; ++i)
        list += QStringLiteral("山\r\n");  // 147 in the count label, 49 sheets
    Job run(list);
    run.options.perSheet = 1;
    EXPECT_EQ(run.click(), RunResult::Printed);
    EXPECT_TRUE(run.services.messages.empty());
    EXPECT_EQ(run.surface.sheets().size(), 49u);

    Job fifty(list + QStringLiteral("川"));
    fifty.options.perSheet = 1;
    fifty.services.answers.push_back(MsgResult::Cancel);
    EXPECT_EQ(fifty.click(), RunResult::NothingPrinted);
    ASSERT_EQ(fifty.services.messages.size(), 1u);
    EXPECT_EQ(fifty.services.messages[0].title, QStringLiteral("印刷時間確認"));
}

TEST(RunQueue, ExampleWordsPrintOnlyBesideTheirOwnKanji)
{
    Job pairs(QStringLiteral("山川海空"));
    pairs.options.examples = {QStringLiteral("山のぼり"), QStringLiteral("川下り")};
    EXPECT_EQ(pairs.click(), RunResult::Printed);
    EXPECT_EQ(pairs.sheetsSpelling(QStringLiteral("のぼり")), 1);
    EXPECT_EQ(pairs.sheetsSpelling(QStringLiteral("下り")), 1);

    Job one(QStringLiteral("海山空"));
    one.options.perSheet = 1;
    one.options.examples = {QStringLiteral("山小屋"), QStringLiteral("海辺")};
    EXPECT_EQ(one.click(), RunResult::Printed);
    EXPECT_EQ(one.sheetsSpelling(QStringLiteral("小屋")), 1);
    EXPECT_EQ(one.sheetsSpelling(QStringLiteral("辺")), 0);  // the second text belongs to a second kanji
}

// A search sets the count to the found kanji's place: the run stops there,
// and a pair sheet takes the next kanji as its partner instead of a blank
// appended to the end of the list.
TEST(RunQueue, ACountInsideTheTextStopsTheRunWithoutPadding)
{
    for (const int perSheet : {1, 2}) {
        Job job(QStringLiteral("一二三四五"));
        job.options.perSheet = perSheet;
        job.options.count = 3;
        EXPECT_EQ(job.click(), RunResult::Printed);
        EXPECT_EQ(job.text1.text(), perSheet == 1 ? QStringLiteral("四五") : QStringLiteral("五"));
        EXPECT_EQ(job.surface.sheets().size(), perSheet == 1 ? 3u : 2u);
    }
}

TEST(RunQueue, NoFaceChosenIsRefusedWhetherEmptyOrThePlaceholder)
{
    for (const QString &face : {QString(), QStringLiteral("フォント")}) {
        Job run(QStringLiteral("山川"));
        run.settings.fontName = face;
        EXPECT_EQ(run.click(), RunResult::NothingPrinted);
        ASSERT_EQ(run.services.messages.size(), 1u);
        EXPECT_EQ(run.services.messages[0].text, QStringLiteral("フォントを選択してください"));
        EXPECT_TRUE(run.surface.sheets().empty());
    }
}

// Counts sheets without keeping them: a run of tens of thousands of sheets.
class CountingSurface : public PrintSurface {
public:
    explicit CountingSurface(int &sheets) : m_sheets(sheets) {}
    void setFontName(const QString &) override {}
    void setFontSize(double) override {}
    void setCurrentX(double) override {}
    void setCurrentY(double) override {}
    void setScaleMode(int) override {}
    void setDrawStyle(int) override {}
    void setOrientation(int) override {}
    void setPaperSize(int) override {}
    void setForeColor(qint32) override {}
    void setTextHalo(double) override {}
    double scaleWidth() const override { return kPortraitW; }
    double scaleHeight() const override { return kPortraitH; }
    void print(const QString &) override { m_drawn = true; }
    void printColumn(const QString &) override { m_drawn = true; }
    void line(int, double, double, double, double, qint32) override { m_drawn = true; }
    void strokePath(const QPainterPath &, double, qint32) override { m_drawn = true; }
    void newPage() override { endDoc(); }
    void endDoc() override
    {
        m_sheets += m_drawn ? 1 : 0;
        m_drawn = false;
    }

private:
    int &m_sheets;
    bool m_drawn = false;
};

TEST(RunQueue, CharactersBeyondTheSixteenBitCountAreKeptAndNamed)
{
    ScriptedServices services;
    int sheets = 0;
    RunHost host;
    host.services = &services;
    host.keepsText = false;
    host.openSurface = [&sheets](const PrinterChoice &) { return std::make_unique<CountingSurface>(sheets); };

    const QString list = QString(40000, QChar(0x5C71)) + QStringLiteral("川海");
    for (const bool oneChar : {false, true}) {
        services.messages.clear();
        services.printers.push_back(PrinterChoice{QString(), QStringLiteral("/tmp/out.pdf")});
        sheets = 0;
        TextQueue text1(list);
        RunOptions options;
        options.perSheet = oneChar ? 1 : 2;
        options.askBeforeLongRun = false;
        RunCounters counters;
        EXPECT_EQ(runContinuous(host, text1, sheetSettings(), options, counters), RunResult::CharactersLeft);
        // Every character is either on a sheet or still queued; no blank is
        // slipped into the list to pair its middle.
        EXPECT_GE(sheets * (oneChar ? 1 : 2), 32766);
        EXPECT_EQ(text1.printableCount() + sheets * (oneChar ? 1 : 2), list.size());
        EXPECT_TRUE(text1.text().endsWith(QStringLiteral("川海")));
        ASSERT_EQ(services.messages.size(), 1u);
        const QString &message = services.messages[0].text;
        EXPECT_TRUE(message.contains(QStringLiteral("残りの%1文字").arg(text1.printableCount())))
            << message.toStdString();
        EXPECT_TRUE(
            message.endsWith(QStringLiteral("字（") + QString(20, QChar(0x5C71)) + QStringLiteral("…）")))
            << message.toStdString();
    }
}

}  // namespace
}  // namespace bks::test
