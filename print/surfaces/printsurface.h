#pragma once

#include "common/result.h"

#include <QString>

#include <stdexcept>

class QPainterPath;

namespace bks {

// Thrown by a surface when an operation cannot be carried out (the output
// cannot be opened, the printer has gone, a value is out of range).
class PrintSurfaceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The page-drawing object the sheet layouts draw on. Coordinates are in the
// unit that ScaleMode selects, measured from the top-left corner of the
// printable area. Settings stay until written again, except that every new
// document starts in portrait orientation.
class PrintSurface {
public:
    enum ScaleMode { Twips = 1, Millimetres = 6 };
    enum DrawStyle { Solid = 0, Dashed = 1, Dotted = 2 };
    enum Orientation { Portrait = 1, Landscape = 2 };
    enum PaperSize { A4 = 9 };
    enum LineFlags { StraightLine = 4, Box = 20 };

    virtual ~PrintSurface() = default;

    virtual void setFontName(const QString &face) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setCurrentX(double x) = 0;
    virtual void setCurrentY(double y) = 0;
    virtual void setScaleMode(int mode) = 0;
    virtual void setDrawStyle(int style) = 0;
    virtual void setOrientation(int orientation) = 0;
    virtual void setPaperSize(int size) = 0;
    virtual void setForeColor(qint32 colour) = 0;
    // From now on every upright text is printed on white that reaches
    // `points` beyond its glyphs' ink, so it reads over the lines and strokes
    // drawn before it; 0 (the start) prints without.
    virtual void setTextHalo(double points) = 0;

    // Printable area in the current scale unit and orientation.
    virtual double scaleWidth() const = 0;
    virtual double scaleHeight() const = 0;

    // Prints one string with its text cell's top-left corner at the pen.
    virtual void print(const QString &text) = 0;
    // Prints one string as a column of vertical writing, top to bottom, the
    // pen at the top-left of its first character: every character upright in
    // an em square of its own, in the face's vertical form where it has one
    // (ー、。（） turn and move as vertical text wants them), so the column
    // is one em wide and as many ems long as the string has characters.
    // With an "@" face the column comes out turned as that face's text does,
    // running to the right from the pen, and reads top to bottom on the
    // turned page. The pen stays where it was. countCharacters() gives the
    // squares a string takes.
    virtual void printColumn(const QString &text) = 0;
    // flags 4: a straight line; flags 20: the outline of the rectangle with
    // the two points as opposite corners. One device pixel wide, in the
    // current DrawStyle.
    virtual void line(int flags, double x1, double y1, double x2, double y2, qint32 colour) = 0;
    // Strokes `path` (measured like a line's points) with a solid pen `width`
    // units wide, round at its caps and joins. A path that goes nowhere (a
    // single point) leaves a round dot `width` across.
    virtual void strokePath(const QPainterPath &path, double width, qint32 colour) = 0;
    // NewPage or EndDoc right after an EndDoc, with nothing drawn in between,
    // produces nothing.
    virtual void newPage() = 0;
    virtual void endDoc() = 0;

    // Closes the whole output (every sheet of a run is one job or one file).
    // Fails, saying why, when the output could not be written completely.
    virtual Result<> finish() { return {}; }
    // After a successful finish: what the user should still be told though
    // nothing failed (a job waiting at a stopped printer); empty otherwise.
    virtual QString notice() const { return {}; }
};

}  // namespace bks
