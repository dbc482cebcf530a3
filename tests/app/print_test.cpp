// The window's side of "連続印刷": what it hands the run and what the run
// leaves in the window.
#include "tests/app/windowfixture.h"

#include "files/textcodec.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace bks;
using namespace bks::test;

namespace {

QStringList modelCharacters(const RecordingSurface &paper)
{
    // The first text of a sheet printed in black at the model size is its
    // model character; count sheets and their characters through the texts.
    QStringList out;
    for (const auto &sheet : paper.sheets()) {
        QString chars;
        for (const RecordedOp &op : sheet)
            if (op.kind == RecordedOp::Print && op.fontSize >= 90)
                chars += op.text;
        out << chars;
    }
    return out;
}

}  // namespace

TEST_F(WindowTest, ContinuousRunPrintsPairsAndEmptiesTheBox)
{
    Form2 &f = open();
    control<QLabel>(f, "Label2")->setText(QStringLiteral("IPAexMincho"));
    f.setText1(QStringLiteral("一二三"));
    services.printers.push_back(PrinterChoice{QString(), dir.filePath(QStringLiteral("x.pdf"))});
    EXPECT_EQ(f.Command1_Click(), RunResult::Printed);
    EXPECT_EQ(paper.sheets().size(), 2u);
    EXPECT_TRUE(f.text1().isEmpty());
    EXPECT_EQ(control<CaptionLabel>(f, "Label21")->caption(), QStringLiteral("0"));
    // The temporary copy holds the padded list.
    EXPECT_EQ(readFile(QStringLiteral("BKStmp.txt")), encodeShiftJis(QStringLiteral("一二三　\r\n")));
    EXPECT_EQ(control<QLabel>(f, "Label3")->text(),
              QStringLiteral("このデータを《BKStmp.txt》名で一時保存しました"));
}

TEST_F(WindowTest, RunTakesTheWindowSettings)
{
    Form2 &f = open();
    f.Command8_Click();
    control<QLabel>(f, "Label2")->setText(QStringLiteral("IPAexMincho"));
    control<QRadioButton>(f, "Option", 4)->setChecked(true);
    control<QRadioButton>(f, "Option", 6)->setChecked(true);
    f.lr_Click(3);
    control<QLineEdit>(f, "Text50")->setText(QStringLiteral("山のぼり"));
    const SheetSettings s = f.sheetSettings();
    EXPECT_EQ(s.fontName, QStringLiteral("IPAexMincho"));
    EXPECT_FALSE(s.tracing);
    EXPECT_FLOAT_EQ(s.printOffset, 6.0f);
    EXPECT_EQ(s.headings[1], QStringLiteral("漢字練習帳"));
    EXPECT_EQ(s.headings[7], QStringLiteral("文作りをしましょう"));
    EXPECT_EQ(f.runOptions().perSheet, 1);
    EXPECT_EQ(f.runOptions().examples[0], QStringLiteral("山のぼり"));

    f.setText1(QStringLiteral("山川"));
    services.printers.push_back(PrinterChoice{QStringLiteral("queue"), QString()});
    f.Command1_Click();
    EXPECT_EQ(modelCharacters(paper), (QStringList{QStringLiteral("山"), QStringLiteral("川")}));
}

TEST_F(WindowTest, TenSheetBatchesGoOnNumberingUntilANewListComes)
{
    Form2 &f = open();
    control<QLabel>(f, "Label2")->setText(QStringLiteral("IPAexMincho"));
    control<QRadioButton>(f, "Option", 4)->setChecked(true);
    control<QRadioButton>(f, "Option", 8)->setChecked(true);
    f.setText1(QString(25, QChar(0x5C71)));
    for (int batch = 0; batch < 2; ++batch) {
        services.printers.push_back(PrinterChoice{QStringLiteral("queue"), QString()});
        f.Command1_Click();
    }
    EXPECT_EQ(f.text1().size(), 5);
    EXPECT_EQ(f.state().run.sheetNumber, 20);
    f.setText1(QString(3, QChar(0x5DDD)));
    services.printers.push_back(PrinterChoice{QStringLiteral("queue"), QString()});
    f.Command1_Click();
    EXPECT_EQ(f.state().run.sheetNumber, 3);
}

TEST_F(WindowTest, CancelledPrinterDialogKeepsTheText)
{
    Form2 &f = open();
    control<QLabel>(f, "Label2")->setText(QStringLiteral("IPAexMincho"));
    f.setText1(QStringLiteral("山川"));
    EXPECT_EQ(f.Command1_Click(), RunResult::NothingPrinted);
    EXPECT_EQ(f.text1(), QStringLiteral("山川"));
    EXPECT_TRUE(paper.sheets().empty());
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(WindowTest, FailedOutputIsReportedAndKeepsTheText)
{
    Form2 &f = open();
    control<QLabel>(f, "Label2")->setText(QStringLiteral("IPAexMincho"));
    f.setText1(QStringLiteral("山川空海"));
    paper.failFinish(true);
    services.printers.push_back(PrinterChoice{QString(), dir.filePath(QStringLiteral("x.pdf"))});
    EXPECT_EQ(f.Command1_Click(), RunResult::OutputFailed);
    EXPECT_EQ(f.text1(), QStringLiteral("山川空海"));
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(f.isEnabled());
}

TEST_F(WindowTest, PreviewShowsTheNextRunWithoutConsumingIt)
{
    Form2 &f = open();
    control<QLabel>(f, "Label2")->setText(QStringLiteral("IPAexMincho"));
    f.setText1(QStringLiteral("一二三"));
    QString position;
    bool drawn = false;
    readNextModal(f, [&](QWidget &w) {
        if (auto *label = w.findChild<QLabel *>(QStringLiteral("previewPosition")))
            position = label->text();
        if (auto *page = w.findChild<QLabel *>(QStringLiteral("previewPage")))
            drawn = !page->pixmap().isNull();
    });
    f.Preview_Click();
    EXPECT_EQ(position, QStringLiteral("1 / 2 枚"));
    EXPECT_TRUE(drawn);
    EXPECT_EQ(f.text1(), QStringLiteral("一二三"));
    EXPECT_EQ(services.printerDialogs, 0);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("BKStmp.txt"))));

    // Where nothing can print, the preview says why instead of only that
    // there is nothing (the program's own text: see owntexts_test): no face,
    // or an empty list, whose blank sheet it shows.
    const struct {
        QString face, text, said;
        bool page;
    } cases[] = {
        {QStringLiteral("フォント"), QStringLiteral("山"), QStringLiteral("フォントを選択してください"),
         false},
        {QStringLiteral("IPAexMincho"), QStringLiteral("\r\n"), QStringLiteral("印刷する文字がありません"),
         true},
    };
    for (const auto &c : cases) {
        control<QLabel>(f, "Label2")->setText(c.face);
        f.setText1(c.text);
        readNextModal(f, [&](QWidget &w) {
            position = w.findChild<QLabel *>(QStringLiteral("previewPosition"))->text();
            drawn = !w.findChild<QLabel *>(QStringLiteral("previewPage"))->pixmap().isNull();
        });
        f.Preview_Click();
        EXPECT_TRUE(position.contains(c.said)) << position.toStdString();
        EXPECT_EQ(drawn, c.page) << position.toStdString();
    }
}

TEST_F(WindowTest, WithoutTheBuiltInDictionaryARunPrintsThePickedTexts)
{
    Form2 &f = open();
    control<QLabel>(f, "Label2")->setText(QStringLiteral("IPAexMincho"));
    control<QRadioButton>(f, "Option", 4)->setChecked(true);
    f.Command5_Click();
    f.tkdic_Click();
    f.setText1(QStringLiteral("集集"));
    control<QComboBox>(f, "Combo3")->setEditText(QStringLiteral("現地集合"));
    services.printers.push_back(PrinterChoice{QStringLiteral("q"), QString()});
    f.Command6_Click();  // the single sheet remembers what was picked
    control<QLineEdit>(f, "Text50")->setText(QStringLiteral("集まり"));
    EXPECT_EQ(f.runOptions().examples[0], QStringLiteral("現地集合"));

    services.printers.push_back(PrinterChoice{QStringLiteral("q"), QString()});
    EXPECT_EQ(f.Command1_Click(), RunResult::Printed);
    ASSERT_EQ(paper.sheets().size(), 2u);
    const std::vector<RecordedOp> run = paper.sheets()[1];
    auto printed = [&run](const QString &c) {
        return std::count_if(run.begin(), run.end(), [&](const RecordedOp &op) {
            return op.kind == RecordedOp::Print && op.text == c;
        });
    };
    EXPECT_EQ(printed(QStringLiteral("現")), 1);
    EXPECT_EQ(printed(QStringLiteral("ま")), 0);

    f.indic_Click();  // the dictionary again: the typed text
    EXPECT_EQ(f.runOptions().examples[0], QStringLiteral("集まり"));
}
