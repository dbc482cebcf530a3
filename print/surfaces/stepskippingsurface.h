#pragma once

#include "print/surfaces/forwardingsurface.h"

#include <cmath>
#include <initializer_list>
#include <limits>
#include <stdexcept>

namespace bks {

// Draws a sheet step by step where a failing step must not cost the sheet:
// a call the wrapped surface refuses (a face the printer lacks, a size out of
// range, a printer error) is skipped and the drawing goes on with the next.
//
// A measurement that fails reads as "not a number", and a call given a value
// that is not a number is skipped too: whatever was computed from the failed
// measurement is left out, as the failing step itself is.
//
// What a skipped printer error means for the whole output stays with the
// wrapped surface: it remembers a lost output and the end of the document,
// which is not drawn through this surface, reports it.
class StepSkippingSurface : public ForwardingSurface {
public:
    using ForwardingSurface::ForwardingSurface;

    // One line per call reads as the list it is.
    // clang-format off
    void setFontName(const QString &face) override { step([&] { target().setFontName(face); }); }
    void setFontSize(double points) override { step([&] { target().setFontSize(points); }, {points}); }
    void setCurrentX(double x) override { step([&] { target().setCurrentX(x); }, {x}); }
    void setCurrentY(double y) override { step([&] { target().setCurrentY(y); }, {y}); }
    void setScaleMode(int mode) override { step([&] { target().setScaleMode(mode); }); }
    void setDrawStyle(int style) override { step([&] { target().setDrawStyle(style); }); }
    void setOrientation(int orientation) override { step([&] { target().setOrientation(orientation); }); }
    void setPaperSize(int size) override { step([&] { target().setPaperSize(size); }); }
    void setForeColor(qint32 colour) override { step([&] { target().setForeColor(colour); }); }
    void setTextHalo(double points) override { step([&] { target().setTextHalo(points); }, {points}); }
    double scaleWidth() const override { return measure([&] { return target().scaleWidth(); }); }
    double scaleHeight() const override { return measure([&] { return target().scaleHeight(); }); }
    void print(const QString &text) override { step([&] { target().print(text); }); }
    void printColumn(const QString &text) override { step([&] { target().printColumn(text); }); }
    void line(int flags, double x1, double y1, double x2, double y2, qint32 colour) override
    {
        step([&] { target().line(flags, x1, y1, x2, y2, colour); }, {x1, y1, x2, y2});
    }
    void strokePath(const QPainterPath &path, double width, qint32 colour) override
    {
        const QRectF r = path.controlPointRect();
        step([&] { target().strokePath(path, width, colour); }, {width, r.x(), r.y(), r.width(), r.height()});
    }
    void newPage() override { step([&] { target().newPage(); }); }
    void endDoc() override { step([&] { target().endDoc(); }); }
    // clang-format on

private:
    template <typename Call>
    static void step(Call &&call, std::initializer_list<double> values = {})
    {
        for (const double v : values)
            if (!std::isfinite(v))
                return;
        try {
            call();
        } catch (const std::runtime_error &) {
        }
    }

    template <typename Call>
    static double measure(Call &&call)
    {
        try {
            return call();
        } catch (const std::runtime_error &) {
            return std::numeric_limits<double>::quiet_NaN();
        }
    }
};

}  // namespace bks
