#pragma once

// The Qt surface writing a PDF, as the surface tests open it.
#include "print/surfaces/qtprintsurface.h"
#include "tests/print/pdftools.h"

#include <gtest/gtest.h>

#include <memory>

namespace bks::test {

inline std::unique_ptr<QtPrintSurface> pdfSurface(const QString &path)
{
    return std::make_unique<QtPrintSurface>(std::make_unique<PrinterPageTarget>(path));
}

inline void skipWithoutPoppler()
{
    if (!test::HaveTool(QStringLiteral("pdfinfo")) || !test::HaveTool(QStringLiteral("pdftoppm")))
        GTEST_SKIP() << "poppler-utils not installed";
}

inline void drawSomething(PrintSurface &s)
{
    s.line(PrintSurface::StraightLine, 10, 10, 50, 10, 0);
}

}  // namespace bks::test
