// The 書き順 menu: every output of the window prints the stroke-order sheets
// once the form is chosen, and only when there is stroke data to print.
#include "tests/app/windowfixture.h"

#include "print/output/pagetargets.h"
#include "print/surfaces/qtprintsurface.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>

using namespace bks;
using namespace bks::test;

namespace {

// A sheet as a list of its calls, enough to tell two layouts apart. Each
// call keeps only what it draws with: the pen and font an earlier sheet left
// mean nothing to a line or a stroke.
QStringList describe(const std::vector<RecordedOp> &sheet)
{
    QStringList out;
    for (const RecordedOp &op : sheet) {
        QStringList call{QString::number(op.kind), QString::number(op.orientation),
                         QString::number(op.scaleMode), QString::number(op.colour)};
        const QRectF bounds = op.path.boundingRect();
        switch (op.kind) {
        case RecordedOp::Print:
        case RecordedOp::PrintColumn:
            call << op.text << op.fontName;
            for (const double v : {op.x, op.y, op.fontSize})
                call << QString::number(v);
            break;
        case RecordedOp::Line:
            for (const double v : {op.x1, op.y1, op.x2, op.y2})
                call << QString::number(v);
            call << QString::number(op.flags) << QString::number(op.drawStyle);
            break;
        case RecordedOp::StrokePath:
            for (const double v : {bounds.x(), bounds.y(), bounds.width(), bounds.height(), op.width})
                call << QString::number(v);
            break;
        case RecordedOp::NewPage:
        case RecordedOp::EndDoc: break;
        }
        out << call.join(QLatin1Char(' '));
    }
    return out;
}

// The sheet the table's row for `form` draws for `characters` from
// `sources`, recorded on the window's paper or, with `previewArea`, on the
// area its preview records on.
std::vector<RecordedOp> tableSheet(std::string_view form, const QString &characters, qint16 number,
                                   const SheetSettings &settings, const SheetSources &sources,
                                   bool previewArea = false)
{
    const QSizeF area = pdfPrintableSizeMm();
    RecordingSurface r = previewArea ? RecordingSurface(area.width(), area.height()) : RecordingSurface();
    const SheetCatalog &catalog = SheetCatalog::standard();
    const SheetLayout &layout = *catalog.chooseLayout(form, int(characters.size()));
    catalog.printSheet(layout, r, sheetContent(layout, characters, number, {}, sources), settings);
    return r.sheets().front();
}

class StrokeOrderWindow : public WindowTest {
protected:
    // The window's stroke data is empty, so its 書き順 sheets must say that
    // they have no strokes: sheets drawn from the build's data would not match.
    Form2 &openWithData()
    {
        sources = sourcesWith(StrokeData::fromCharacters({}));
        Form2 &f = open();
        control<QLabel>(f, "Label2")->setText(QStringLiteral("IPAexMincho"));
        return f;
    }
    void print(Form2 &f)
    {
        services.printers.push_back(PrinterChoice{QStringLiteral("queue"), QString()});
        f.Command1_Click();
    }
    // The window printed the stroke-order sheet, which is not the practice one.
    void expectStrokeOrderSheet(const std::vector<RecordedOp> &printed, const QString &characters,
                                qint16 number, const SheetSettings &settings)
    {
        const QStringList wanted = describe(
            tableSheet(kStrokeOrderForm, characters, number, settings, sources));
        ASSERT_NE(wanted, describe(tableSheet(kPracticeForm, characters, number, settings, sources)));
        EXPECT_EQ(describe(printed), wanted) << characters.toStdString();
    }
};

}  // namespace

TEST_F(StrokeOrderWindow, ContinuousRunAndTenSheetBatchesPrintTheForm)
{
    Form2 &f = openWithData();
    control<QRadioButton>(f, "Option", 4)->setChecked(true);
    control<QAction>(f, "sop")->trigger();
    ASSERT_TRUE(control<QAction>(f, "sop")->isChecked());
    f.setText1(QStringLiteral("山川"));
    print(f);
    ASSERT_EQ(paper.sheets().size(), 2u);
    expectStrokeOrderSheet(paper.sheets()[1], QStringLiteral("川"), 2, f.sheetSettings());

    control<QRadioButton>(f, "Option", 3)->setChecked(true);
    control<QRadioButton>(f, "Option", 8)->setChecked(true);
    f.setText1(QString(24, QChar(0x5C71)));
    print(f);
    ASSERT_EQ(paper.sheets().size(), 12u);
    expectStrokeOrderSheet(paper.sheets().back(), QStringLiteral("山山"), 10, f.sheetSettings());
}

TEST_F(StrokeOrderWindow, SingleSheetPrintsTheForm)
{
    Form2 &f = openWithData();
    f.Command5_Click();
    control<QAction>(f, "sop")->trigger();
    f.setText1(QStringLiteral("山川海"));
    const qint16 number = f.state().run.sheetNumber;
    services.printers.push_back(PrinterChoice{QStringLiteral("queue"), QString()});
    f.Command4_Click();
    ASSERT_EQ(paper.sheets().size(), 1u);
    expectStrokeOrderSheet(paper.sheets()[0], QStringLiteral("山川"), number, f.sheetSettings());
}

TEST_F(StrokeOrderWindow, PreviewShowsTheForm)
{
    Form2 &f = openWithData();
    control<QAction>(f, "sop")->trigger();
    f.setText1(QStringLiteral("山川"));
    QImage shown;
    auto render = [&](std::string_view form) {
        const std::vector<RecordedOp> sheet = tableSheet(form, QStringLiteral("山川"), 1, f.sheetSettings(),
                                                         sources, true);
        const std::vector<QImage> pages = RenderPreviewPages(
            [&sheet](PrintSurface &s) { replayRecording(s, sheet); }, 80.0);
        return pages.front().convertToFormat(QImage::Format_RGB32);
    };
    // Qt draws a large glyph the first time from its outline and afterwards
    // from its glyph cache, a few edge pixels apart: render both forms once
    // so that the preview and the comparison are drawn from the same cache.
    render(kStrokeOrderForm);
    render(kPracticeForm);
    readNextModal(f, [&](QWidget &w) {
        if (auto *page = w.findChild<QLabel *>(QStringLiteral("previewPage")))
            shown = page->pixmap().toImage();
    });
    f.Preview_Click();
    ASSERT_FALSE(shown.isNull());
    shown = shown.convertToFormat(QImage::Format_RGB32);

    EXPECT_TRUE(shown == render(kStrokeOrderForm));
    EXPECT_FALSE(shown == render(kPracticeForm));
}

// Each switch of the heading cells on its own, off at start, on every form.
TEST_F(StrokeOrderWindow, HeadingCellSwitchesStandAloneOnEveryForm)
{
    Form2 &f = openWithData();
    auto switches = [&] {
        const SheetSettings s = f.sheetSettings();
        return std::array{s.writeReadings, s.writeRadical, s.writeStrokeCount};
    };
    EXPECT_EQ(switches(), (std::array{false, false, false}));
    const char *items[] = {"sor", "sob", "soc"};
    for (size_t i = 0; i < 3; ++i) {
        control<QAction>(f, items[i])->trigger();
        std::array<bool, 3> expected{};
        expected[i] = true;
        EXPECT_EQ(switches(), expected) << items[i];
        control<QAction>(f, "sop")->trigger();
        EXPECT_EQ(switches(), expected) << items[i];
        control<QAction>(f, "sop")->trigger();
        EXPECT_EQ(f.runOptions().form, kPracticeForm);
        control<QAction>(f, items[i])->trigger();
    }
}

TEST_F(StrokeOrderWindow, SampleTellsTheFormIsChosen)
{
    Form2 &f = openWithData();
    EXPECT_FALSE(control<QLabel>(f, "Label19")->isVisibleTo(&f));
    control<QAction>(f, "sop")->trigger();
    EXPECT_TRUE(control<QLabel>(f, "Label19")->isVisibleTo(&f));
    const QString plain = shownText(control<QLabel>(f, "Label19"));
    EXPECT_TRUE(plain.contains(QStringLiteral("書き順"))) << plain.toStdString();
    control<QAction>(f, "soc")->trigger();
    EXPECT_NE(shownText(control<QLabel>(f, "Label19")), plain);  // the count is part of what prints
    control<QAction>(f, "sop")->trigger();
    EXPECT_FALSE(control<QLabel>(f, "Label19")->isVisibleTo(&f));
}

TEST_F(StrokeOrderWindow, MissingDataRefusesTheFormAndPracticeGoesOn)
{
    const StrokeData missing = StrokeData::fromFile(dir.filePath(QStringLiteral("none.dat")));
    ASSERT_FALSE(missing.available());
    const QString problem = missing.problem();
    sources = sourcesWith(StrokeData::fromFile(dir.filePath(QStringLiteral("none.dat"))));
    Form2 &f = open();
    control<QLabel>(f, "Label2")->setText(QStringLiteral("IPAexMincho"));
    control<QAction>(f, "sop")->trigger();
    EXPECT_FALSE(control<QAction>(f, "sop")->isChecked());
    EXPECT_FALSE(control<QLabel>(f, "Label19")->isVisibleTo(&f));
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, problem);

    control<QRadioButton>(f, "Option", 4)->setChecked(true);
    f.setText1(QStringLiteral("山"));
    print(f);
    ASSERT_EQ(paper.sheets().size(), 1u);
    EXPECT_EQ(describe(paper.sheets()[0]),
              describe(tableSheet(kPracticeForm, QStringLiteral("山"), 1, f.sheetSettings(), sources)));
}

TEST_F(StrokeOrderWindow, SizeMenuAsksTheChosenForm)
{
    const bool offered = SheetCatalog::standard().chooseLayout(kStrokeOrderForm, 2)->offersSmallerSize;
    ASSERT_NE(offered, SheetCatalog::standard().chooseLayout(kPracticeForm, 2)->offersSmallerSize);
    Form2 &f = openWithData();
    f.nfs_Click();
    control<QAction>(f, "sop")->trigger();
    EXPECT_EQ(control<QMenu>(f, "FS")->isEnabled(), offered);
    if (!offered) {
        EXPECT_FLOAT_EQ(f.state().FontScale, 0.9f);  // a size the sheet has
        EXPECT_TRUE(control<QAction>(f, "hfs")->isChecked());
    }
    control<QAction>(f, "sop")->trigger();
    EXPECT_TRUE(control<QMenu>(f, "FS")->isEnabled());
}

TEST_F(StrokeOrderWindow, VersionMenuNamesTheStrokeData)
{
    Form2 &f = openWithData();
    QStringList captions;
    for (const QAction *a : control<QMenu>(f, "va")->actions())
        captions << a->text();
    const QString all = captions.join(QLatin1Char('\n'));
    EXPECT_TRUE(all.contains(QStringLiteral("KanjiVG")) && all.contains(QStringLiteral("CC BY-SA")))
        << all.toStdString();
    // And the sources of the readings, radicals and test words.
    for (const QString &source : {QStringLiteral("常用漢字表"), QStringLiteral("mojidata"),
                                  QStringLiteral("KANJIDIC2"), QStringLiteral("EDICT")})
        EXPECT_TRUE(all.contains(source)) << source.toStdString();
}
