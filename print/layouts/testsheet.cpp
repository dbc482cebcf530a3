// 読みテスト and 書きテスト: A4 upright, the items written vertically in
// columns read right to left, as school tests are.
#include "print/content/testcontent.h"
#include "print/layouts/drawing.h"
#include "print/layouts/sheetlayout.h"
#include "print/layouts/squares.h"
#include "print/layouts/testgeometry.h"
#include "print/numbers/numbertext.h"
#include "print/text/characters.h"
#include "platform/colours.h"

#include <QStringList>

#include <algorithm>

namespace bks {

namespace {

const SheetUnit kMm = SheetUnit::millimetres();
// Answers stand out from the questions for the teacher marking; on a
// black-and-white printer they come out grey, still apart from the black.
constexpr qint32 kAnswerColour = rgbNumber(210, 0, 0);

// A text's points for an em box filling most of a square `mm` across.
double pointsFor(double mm)
{
    return mm * 0.86 / kMm.perPoint;
}

QStringList charactersOf(const QString &text)
{
    QStringList out;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = characterLength(text, i);
        out << text.mid(i, n);
        i += n;
    }
    return out;
}

// The characters `first` up to (not including) `end` of a word, counted in
// characters, that the code units of the target cover.
std::pair<int, int> targetCharacters(const QString &word, const TestItem &item)
{
    int first = -1, end = 0, index = 0;
    for (qsizetype i = 0; i < word.size(); ++index) {
        const qsizetype n = characterLength(word, i);
        if (i + n > item.targetStart && i < item.targetStart + item.targetLength) {
            if (first < 0)
                first = index;
            end = index + 1;
        }
        i += n;
    }
    return first < 0 ? std::pair{0, 0} : std::pair{first, end};
}

// Writes `text` down a column whose squares are `em` across, the first with
// its top-left corner at (`left`, `top`).
void writeDown(PrintSurface &p, const QString &text, double left, double top, double em)
{
    if (text.isEmpty())
        return;
    p.setFontSize(em / kMm.perPoint);
    p.setCurrentX(left);
    p.setCurrentY(top);
    p.printColumn(text);
}

// The same, `count` characters long, centred in `box`, as large as its width
// and length allow.
void writeDownIn(PrintSurface &p, const QString &text, int count, const QRectF &box, double fill)
{
    const double em = std::min(box.width() * fill, box.height() / std::max(count, 1));
    writeDown(p, text, box.center().x() - em / 2, box.top() + (box.height() - em * count) / 2, em);
}

void drawHeader(PrintSurface &p, const SheetSettings &settings, TestKind kind, bool answerKey)
{
    const double W = p.scaleWidth();
    p.setForeColor(0);
    p.setFontSize(18);
    p.setCurrentX(kTestMargin);
    p.setCurrentY(kTestMargin + 1);
    printIfAny(p, settings.headings[1]);
    p.setFontSize(11);
    p.setCurrentX(kTestMargin);
    p.setCurrentY(kTestMargin + 11);
    p.print(kind == TestKind::Reading ? QStringLiteral("読みテスト") : QStringLiteral("書きテスト"));
    if (answerKey) {
        const QRectF mark(kTestMargin + 25, kTestMargin + 10, 22, 8);
        p.setForeColor(kAnswerColour);
        printCentred(p, QStringLiteral("答え"), QRectF(mark.left(), mark.top(), mark.width(), mark.height()),
                     pointsFor(mark.height()), kMm);
        p.line(PrintSurface::Box, mark.left(), mark.top(), mark.right(), mark.bottom(), kAnswerColour);
        p.setForeColor(0);
    }

    // From the right: the score, the name, the date.
    const double top = kTestMargin, bottom = kTestHeaderBottom - 4;
    const QRectF score(W - kTestMargin - 28, top, 28, bottom - top);
    const QRectF name(score.left() - 4 - 66, top, 66, bottom - top);
    p.line(PrintSurface::Box, score.left(), score.top(), score.right(), score.bottom(), 0);
    p.line(PrintSurface::Box, name.left(), name.top(), name.right(), name.bottom(), 0);
    p.setFontSize(9);
    p.setCurrentX(score.right() - 5);
    p.setCurrentY(score.bottom() - 5);
    p.print(QStringLiteral("点"));
    p.setCurrentX(name.left() + 1);
    p.setCurrentY(name.top() + 1);
    printIfAny(p, settings.headings[2]);
    p.setFontSize(11);
    p.setCurrentX(name.left() - 34);
    p.setCurrentY(top + 7);
    p.print(QStringLiteral("　　月　　日"));
    p.line(PrintSurface::StraightLine, kTestMargin, kTestHeaderBottom - 2, W - kTestMargin,
           kTestHeaderBottom - 2, 0);
}

// One item in its column: the number at the top, the word below it.
void drawItem(PrintSurface &p, const TestItem &item, int index, const TestColumn &c, TestKind kind,
              bool answerKey)
{
    p.setForeColor(0);
    printCentred(p, fullWidthDigits(index + 1), QRectF(c.box.left(), c.box.top() + 1, c.box.width(), 5),
                 pointsFor(4.5), kMm);
    p.line(PrintSurface::Box, c.box.left(), c.box.top(), c.box.right(), c.box.bottom(), 0);

    const QStringList word = charactersOf(item.word);
    const auto [first, end] = targetCharacters(item.word, item);
    // The characters stand in squares one em across, touching, as vertical
    // text does; a long word takes smaller ones.
    const double em = c.pitch(int(word.size()));
    const double left = c.wordCentre() - em / 2;
    const double targetTop = c.wordTop() + first * em, targetSpan = (end - first) * em;
    const QStringList kana = charactersOf(item.targetReading);

    if (kind == TestKind::Reading) {
        writeDown(p, item.word, left, c.wordTop(), em);
        // The side line tests mark the asked kanji with, and the box beside it.
        const double lineX = left + em + 0.6;
        p.line(PrintSurface::StraightLine, lineX, targetTop, lineX, targetTop + targetSpan, 0);
        const QRectF box = c.answerBox(targetTop, targetSpan, int(kana.size()));
        p.line(PrintSurface::Box, box.left(), box.top(), box.right(), box.bottom(), 0);
        if (answerKey) {
            p.setForeColor(kAnswerColour);
            writeDownIn(p, item.targetReading, int(kana.size()), box, 0.8);
            p.setForeColor(0);
        }
        return;
    }

    // 書き: squares where the asked kanji stand, its reading small beside
    // them, the rest of the word as written.
    writeDown(p, word.mid(0, first).join(QString()), left, c.wordTop(), em);
    writeDown(p, word.mid(end).join(QString()), left, c.wordTop() + end * em, em);
    for (int k = first; k < end; ++k) {
        const double side = em * 0.94;
        const QRectF square(left + (em - side) / 2, c.wordTop() + k * em + (em - side) / 2, side, side);
        p.line(PrintSurface::Box, square.left(), square.top(), square.right(), square.bottom(), 0);
        if (answerKey) {
            p.setForeColor(kAnswerColour);
            writeDownIn(p, word[k], 1, square, 0.86);
            p.setForeColor(0);
        }
    }
    writeDownIn(p, item.targetReading, int(kana.size()), c.rubyLane(targetTop, targetSpan, int(kana.size())),
                1.0);
}

void drawTestSheet(PrintSurface &p, const SheetContent &content, const SheetSettings &settings, TestKind kind)
{
    // An "@" face turns its columns for a turned page; a test stands upright
    // and writes its columns in the same face's upright form.
    p.setFontName(settings.verticalFont() ? settings.fontName.mid(1) : settings.fontName);
    p.setPaperSize(PrintSurface::A4);
    p.setScaleMode(PrintSurface::Millimetres);
    p.setOrientation(PrintSurface::Portrait);
    p.setDrawStyle(PrintSurface::Solid);
    drawHeader(p, settings, kind, content.answerKey);

    const int places = int(content.entries.size());
    const QSizeF page(p.scaleWidth(), p.scaleHeight());
    for (int i = 0; i < places; ++i)
        if (const TestItem *item = content.entry(i).fact(kTestItem))
            drawItem(p, *item, i, testColumn(i, places, page), kind, content.answerKey);

    p.setForeColor(0);
    p.setFontSize(9);
    p.setCurrentX(page.width() / 2 - 4);
    p.setCurrentY(page.height() - kTestFooter + 3);
    p.print(numberText(content.number));
}

}  // namespace

void drawReadingTestSheet(PrintSurface &p, const SheetContent &content, const SheetSettings &settings)
{
    drawTestSheet(p, content, settings, TestKind::Reading);
}

void drawWritingTestSheet(PrintSurface &p, const SheetContent &content, const SheetSettings &settings)
{
    drawTestSheet(p, content, settings, TestKind::Writing);
}

}  // namespace bks
