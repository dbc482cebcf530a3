#pragma once

// Practice sheets written to PDF files as a run writes them, for the tests
// that read the files back with poppler-utils.
#include "print/surfaces/qtprintsurface.h"
#include "print/layouts/sheetlayout.h"
#include "tests/print/layout_helpers.h"
#include "tests/print/pdftools.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace bks::test {

// BIZ UDMincho extracts kanji as themselves; other faces map some of them
// to Kangxi radicals.
inline const QString kFace = QStringLiteral("BIZ UDMincho");

inline SheetSettings settingsFor(const QString &face)
{
    SheetSettings s;
    s.fontName = face;
    s.headings = kDefaultHeadings;
    return s;
}

// The example texts of every sheet here: the first character's, the second's.
inline const std::array<QString, 2> kExamples{QStringLiteral("学校"), QStringLiteral("草花")};

inline void printOne(PrintSurface &s, const SheetSettings &settings, const QString &character, qint16 number)
{
    printPractice(s, 1, practiceContent(character, number, kExamples), settings);
}

inline void printTwo(PrintSurface &s, const SheetSettings &settings, const QString &pair, qint16 number)
{
    printPractice(s, 2, practiceContent(pair, number, kExamples), settings);
}

using Run = std::function<void(PrintSurface &)>;

// A run's order of calls: each sheet, its EndDoc inside, then NewPage; one
// EndDoc at the end.
inline Run oneCharRun(const SheetSettings &settings, const QString &chars)
{
    return [=](PrintSurface &s) {
        for (qsizetype i = 0; i < chars.size(); ++i) {
            printOne(s, settings, chars.mid(i, 1), qint16(i + 1));
            s.newPage();
        }
        s.endDoc();
    };
}

inline Run twoCharRun(const SheetSettings &settings, const QString &chars)
{
    return [=](PrintSurface &s) {
        for (qsizetype i = 0; i < chars.size(); i += 2) {
            printTwo(s, settings, chars.mid(i, 2), qint16(i / 2 + 1));
            s.newPage();
        }
        s.endDoc();
    };
}

inline QString writePdf(const QString &name, const Run &run)
{
    const QString path = ScratchPath(name);
    auto surface = openPrintSurface(PrinterChoice{QString(), path});
    run(*surface);
    const Result<> finished = surface->finish();
    EXPECT_TRUE(finished.ok()) << finished.failure().toStdString();
    return path;
}

class SheetPdf : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char *tool : {"pdfinfo", "pdffonts", "pdftotext", "pdftoppm"}) {
            if (!test::HaveTool(QString::fromLatin1(tool)))
                GTEST_SKIP() << tool << " not installed (poppler-utils)";
        }
    }
};

}  // namespace bks::test
