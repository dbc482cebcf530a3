// "単票印刷" on its own: what one press prints, what it leaves in the text,
// and what the user is told when the output or the drawing fails.
#include "print/run/singlesheet.h"

#include "print/numbers/int16.h"
#include "print/numbers/numbertext.h"
#include "tests/support/forwardingsurface.h"
#include "tests/support/scriptedservices.h"

#include <gtest/gtest.h>

namespace bks::test {
namespace {

// A printer whose drawing meets a run-time failure (a value out of range).
class OverflowingSurface : public RecordingSurface {
public:
    void print(const QString &) override { throw RunTimeFailure("16-bit overflow"); }
};

// One press of the single-sheet button with a scripted printer dialog.
struct Press {
    ScriptedServices services;
    RecordingSurface paper;
    RunHost host;
    TextQueue text1;
    SheetSettings settings;
    SingleSheetChoice choice;

    explicit Press(const QString &text, int perSheet = 2) : text1(text)
    {
        host.services = &services;
        host.openSurface = openInto(paper);
        host.saveTemp = [](const QString &) {};
        settings.fontName = QStringLiteral("IPAexMincho");
        choice.perSheet = perSheet;
        choice.number = 3;
    }

    SingleSheetResult press()
    {
        services.printers.push_back(PrinterChoice{QString(), QStringLiteral("/tmp/single.pdf")});
        return RunSingleSheet(host, text1, settings, choice);
    }

    int printed(const QString &text) const
    {
        int n = 0;
        for (const RecordedOp &op : paper.ops())
            n += op.kind == RecordedOp::Print && op.text == text;
        return n;
    }
};

void expectFailureTold(const Press &p)
{
    ASSERT_EQ(p.services.messages.size(), 1u);
    EXPECT_EQ(p.services.messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(p.services.messages[0].title, QStringLiteral("単票印刷"));
}

TEST(SingleSheet, AnOutputThatCannotBeOpenedIsToldAndKeepsTheText)
{
    const std::function<std::unique_ptr<PrintSurface>(const PrinterChoice &)> openers[] = {
        [](const PrinterChoice &) -> std::unique_ptr<PrintSurface> {
            throw PrintSurfaceError("no such printer");
        },
        [](const PrinterChoice &) -> std::unique_ptr<PrintSurface> { return nullptr; },
    };
    for (const auto &opener : openers) {
        Press p(QStringLiteral("山川"));
        p.host.openSurface = opener;
        const SingleSheetResult done = p.press();
        EXPECT_EQ(done.result, RunResult::OutputFailed);
        EXPECT_FALSE(done.drawn);
        EXPECT_EQ(p.text1.text(), QStringLiteral("山川"));
        expectFailureTold(p);
    }
}

TEST(SingleSheet, AnOutputThatFailsWhileDrawingOrAtItsEndKeepsTheText)
{
    for (const bool atTheEnd : {false, true}) {
        SCOPED_TRACE(atTheEnd);
        Press p(QStringLiteral("山川空"));
        if (atTheEnd)
            p.paper.failFinish(true);
        else
            p.paper.failFrom(10);
        const SingleSheetResult done = p.press();
        EXPECT_EQ(done.result, RunResult::OutputFailed);
        EXPECT_EQ(p.text1.text(), QStringLiteral("山川空"));
        expectFailureTold(p);
    }
}

TEST(SingleSheet, ARunTimeFailureWhileDrawingStopsSilentlyAndKeepsTheText)
{
    // A surface that overflows on its first text, and a page so wide that
    // the sheet's own coordinates overflow.
    OverflowingSurface overflowing;
    RecordingSurface huge(40000.0);
    for (RecordingSurface *target : {static_cast<RecordingSurface *>(&overflowing), &huge}) {
        Press p(QStringLiteral("山川空"));
        p.host.openSurface = openInto(*target);
        const SingleSheetResult done = p.press();
        EXPECT_EQ(done.result, RunResult::Stopped);
        EXPECT_EQ(p.text1.text(), QStringLiteral("山川空"));
        EXPECT_TRUE(p.services.messages.empty());
    }
}

TEST(SingleSheet, PairsUseALoneLastCharacterUpAtOnce)
{
    Press p(QStringLiteral("一二三"));
    SingleSheetResult done = p.press();
    EXPECT_EQ(done.result, RunResult::Printed);
    EXPECT_TRUE(done.drawn);
    EXPECT_EQ(done.characters, QStringLiteral("一二"));
    // The lone third character is padded, so the next press takes it with a blank.
    EXPECT_EQ(p.text1.text(), QStringLiteral("三　"));
    done = p.press();
    EXPECT_EQ(done.characters, QStringLiteral("三　"));
    EXPECT_TRUE(p.text1.isEmpty());
    EXPECT_EQ(p.paper.sheets().size(), 2u);

    Press lone(QStringLiteral("一"));
    EXPECT_EQ(lone.press().characters, QStringLiteral("一　"));
    EXPECT_TRUE(lone.text1.isEmpty());
    EXPECT_EQ(lone.printed(QStringLiteral("一")), 7);  // once, the other block blank
}

TEST(SingleSheet, ThePickedTextsAreTheExamplesOnlyWhenChosen)
{
    for (const bool printPicked : {true, false}) {
        SCOPED_TRACE(printPicked);
        Press p(QStringLiteral("一二"));
        p.choice.picked = {QStringLiteral("一番"), QStringLiteral("二人")};
        p.choice.typed = {QStringLiteral("一月"), QStringLiteral("二月")};
        p.choice.printPicked = printPicked;
        EXPECT_EQ(p.press().result, RunResult::Printed);
        EXPECT_EQ(p.printed(QStringLiteral("番")), printPicked ? 1 : 0);
        EXPECT_EQ(p.printed(QStringLiteral("人")), printPicked ? 1 : 0);
        EXPECT_EQ(p.printed(QStringLiteral("月")), printPicked ? 0 : 2);
    }
}

}  // namespace
}  // namespace bks::test
