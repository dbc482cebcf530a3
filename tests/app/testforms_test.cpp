// The tests in the window: chosen in the 書き順 menu with where their keys
// go, said in the sample, printed through the same run.
#include "tests/app/windowfixture.h"

#include <QAction>
#include <QLabel>
#include <QRadioButton>

using namespace bks;
using namespace bks::test;

namespace {

class TestForms : public WindowTest {};

// 25 kanji: two sheets of twenty; each choice of keys puts them in its place
// and the sample says what will print.
TEST_F(TestForms, ChosenWithTheirKeysSaidInTheSampleAndPrinted)
{
    Form2 &f = open();
    control<QLabel>(f, "Label2")->setText(QStringLiteral("IPAexMincho"));
    EXPECT_FALSE(control<QAction>(f, "ansEnd")->isEnabled());
    control<QAction>(f, "readingTest")->trigger();
    EXPECT_TRUE(control<QAction>(f, "ansEnd")->isEnabled());
    EXPECT_TRUE(control<QRadioButton>(f, "Frame2Option20")->isChecked());
    const struct {
        const char *item;
        const char *sample;
        int sheets;
    } cases[] = {
        {"ansEnd", "読みテスト（答えは最後に）", 4},
        {"ansNone", "読みテスト（答えなし）", 2},
        {"ansEach", "読みテスト（答えは各テストの後）", 4},
    };
    for (const auto &c : cases) {
        control<QAction>(f, c.item)->trigger();
        EXPECT_EQ(control<QLabel>(f, "Label19")->text(), QString::fromUtf8(c.sample));
        services.printers.push_back(PrinterChoice{QStringLiteral("queue"), QString()});
        const size_t before = paper.sheets().size();
        f.setText1(QStringLiteral("一右雨円王音下火花貝学気九休玉金空月犬見五口校左三"));
        f.Command1_Click();
        EXPECT_EQ(paper.sheets().size() - before, size_t(c.sheets)) << c.item;
    }
    // Another set of words for the same list, said in the sample.
    const auto texts = [this](size_t sheet) {
        QStringList out;
        const auto sheets = paper.sheets();
        for (const RecordedOp &op : sheets.at(sheet))
            out << op.text;
        return out;
    };
    const QStringList first = texts(paper.sheets().size() - 4);
    control<QAction>(f, "ansOther")->trigger();
    EXPECT_TRUE(control<QLabel>(f, "Label19")->text().endsWith(QStringLiteral("（問題の組み合わせ 2）")));
    services.printers.push_back(PrinterChoice{QStringLiteral("queue"), QString()});
    f.setText1(QStringLiteral("一右雨円王音下火花貝学気九休玉金空月犬見五口校左三"));
    f.Command1_Click();
    EXPECT_NE(texts(paper.sheets().size() - 4), first);
    // Back on the practice sheets, the keys have nothing to say.
    control<QAction>(f, "readingTest")->trigger();
    EXPECT_FALSE(control<QAction>(f, "ansEach")->isEnabled());
    EXPECT_FALSE(control<QAction>(f, "ansOther")->isEnabled());
}

}  // namespace
