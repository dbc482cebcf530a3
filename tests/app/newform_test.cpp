// A form, a layout of ten characters a sheet and a data source the program
// does not ship, added as a newcomer would add them: one forms row, one
// layout row with its drawing, one source with its fact. The window and the
// command line print them through the run without knowing them.
#include "app/cli.h"
#include "tests/app/windowfixture.h"
#include "tests/print/pdftools.h"

using namespace bks;
using namespace bks::test;

namespace {

struct Reading {
    QString text;
};
constexpr SourceKey<Reading> kReadings{"test-readings"};

class ReadingSource : public SheetSource {
public:
    explicit ReadingSource(QString problem = {}) : m_problem(std::move(problem)) {}
    QString problem() const override { return m_problem; }
    std::any lookUp(char32_t codePoint) const override
    {
        if (codePoint < 0x4E00)
            return {};
        return Reading{QStringLiteral("よみ%1").arg(uint(codePoint), 0, 16)};
    }

private:
    QString m_problem;
};

// Each place as "character:reading", then the sheet's number.
void drawReview(PrintSurface &s, const SheetContent &content, const SheetSettings &)
{
    s.setFontSize(10);
    for (int i = 0; i < 10; ++i) {
        const Reading *r = content.entry(i).fact(kReadings);
        s.setCurrentX(10);
        s.setCurrentY(10 + 12 * i);
        s.print(content.character(i) + QLatin1Char(':') + (r ? r->text : QStringLiteral("-")));
    }
    s.setCurrentY(150);
    s.print(QStringLiteral("No.%1").arg(content.number));
}

constexpr std::string_view kReviewDrawsOn[] = {kReadings.id};
const SheetForm kForms[] = {{"review", u"まとめ", u"まとめテスト", "reviewItem"},
                            // registered before any layout of it is
                            {"unfinished", u"作りかけ", u"作りかけ", "unfinishedItem"}};
const SheetLayout kLayouts[] = {{"review-10",
                                 "review",
                                 10,
                                 PrintSurface::Portrait,
                                 {},
                                 false,
                                 false,
                                 false,
                                 false,
                                 kReviewDrawsOn,
                                 drawReview}};

const SheetCatalog &testCatalog()
{
    static const SheetCatalog catalog = SheetCatalog::standard().with(kForms, kLayouts);
    return catalog;
}

SheetSources withReadings(QString problem = {})
{
    SheetSources s = builtSources();
    s.add(kReadings.id, std::make_shared<ReadingSource>(std::move(problem)));
    return s;
}

QString entry(QChar c)
{
    return QString(c) + QStringLiteral(":よみ") + QString::number(c.unicode(), 16);
}

// 23 characters: two full sheets and a third whose places left are blank,
// numbered on from 1.
const QString kList = QStringLiteral("一二三四五六七八九十百千万円年月日火水木金土山");
const QStringList kSheetEnds = {entry(u'十') + QStringLiteral("\nNo.1"),
                                entry(u'木') + QStringLiteral("\nNo.2"), QStringLiteral("　:-\nNo.3")};

QStringList printedTexts(const std::vector<RecordedOp> &sheet)
{
    QStringList texts;
    for (const RecordedOp &op : sheet)
        if (op.kind == RecordedOp::Print)
            texts << op.text;
    return texts;
}

class NewForm : public WindowTest {
protected:
    Form2 &openReview(QString problem = {})
    {
        sources = withReadings(std::move(problem));
        catalog = &testCatalog();
        Form2 &f = open();
        control<QLabel>(f, "Label2")->setText(QStringLiteral("IPAexMincho"));
        services.printers.push_back(PrinterChoice{QStringLiteral("queue"), QString()});
        return f;
    }
};

TEST_F(NewForm, WindowOffersItsCountAndPrintsItsSheetsWithTheSourcesFacts)
{
    Form2 &f = openReview();
    control<QAction>(f, "reviewItem")->trigger();
    EXPECT_TRUE(control<QRadioButton>(f, "Frame2Option10")->isChecked());
    EXPECT_FALSE(control<QRadioButton>(f, "Option3")->isVisibleTo(&f));
    f.setText1(kList);
    f.Command1_Click();
    ASSERT_EQ(paper.sheets().size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        const QStringList texts = printedTexts(paper.sheets()[i]);
        ASSERT_EQ(texts.size(), 11);
        EXPECT_EQ(texts.mid(9).join(u'\n'), kSheetEnds[i]);
    }
    EXPECT_EQ(printedTexts(paper.sheets()[2]).mid(1, 2), QStringList({entry(u'土'), entry(u'山')}));
}

TEST_F(NewForm, WindowSaysWhatItCannotPrint)
{
    // A source that is not there keeps its form unchosen; a form with no
    // sheet for the count prints nothing and says so.
    Form2 &f = openReview(QStringLiteral("読みのデータがありません"));
    control<QAction>(f, "reviewItem")->trigger();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages.back().text, QStringLiteral("読みのデータがありません"));
    EXPECT_FALSE(control<QAction>(f, "reviewItem")->isChecked());

    control<QAction>(f, "unfinishedItem")->trigger();
    f.setText1(kList);
    f.Command1_Click();
    EXPECT_TRUE(paper.sheets().empty());
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(services.messages.back().text,
              QStringLiteral("「作りかけ」には１枚に２文字の用紙がありません。"));
}

TEST_F(NewForm, CommandLinePrintsTheFormAndRefusesCountsItLacks)
{
    const QString pdf = dir.filePath(QStringLiteral("review.pdf"));
    struct Case {
        QStringList options;
        int code;
        QString err;
    };
    const Case cases[] = {
        {{QStringLiteral("--form"), QStringLiteral("review")}, 0, {}},
        {{QStringLiteral("--form"), QStringLiteral("review"), QStringLiteral("--per-sheet"),
          QStringLiteral("2")},
         2,
         QStringLiteral("--per-sheet 2")},
        {{QStringLiteral("--form"), QStringLiteral("unfinished")}, 2, QStringLiteral("--per-sheet 2")},
        {{QStringLiteral("--form"), QStringLiteral("nosuch")},
         2,
         QStringLiteral("practice、stroke-order、review、unfinished")},
    };
    const SheetSources readings = withReadings();
    for (const Case &c : cases) {
        QString out, err;
        QTextStream o(&out), e(&err);
        const QStringList args = QStringList{QStringLiteral("print"), QStringLiteral("--pdf"), pdf,
                                             QStringLiteral("--font"), QStringLiteral("IPAexMincho")}
                                 + c.options + QStringList{kList};
        const int code = RunCommandLine(args, o, e, readings, testCatalog());
        e.flush();
        EXPECT_EQ(code, c.code) << c.options.join(u' ').toStdString() << err.toStdString();
        EXPECT_TRUE(err.contains(c.err)) << err.toStdString();
    }
    if (!HaveTool(QStringLiteral("pdftotext")))
        GTEST_SKIP() << "pdftotext is not installed";
    const std::optional<QString> text = RunTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(PdfPageCount(pdf), 3);
    // The blank places are lost to the text, not the sheet's number.
    for (const QString &end : {kSheetEnds[0], kSheetEnds[1], entry(u'山'), QStringLiteral("No.3")})
        EXPECT_TRUE(text->contains(end)) << end.toStdString();
}

}  // namespace
