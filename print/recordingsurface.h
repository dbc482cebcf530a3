#pragma once

#include "print/printsurface.h"

#include <QString>

#include <vector>

namespace bks {

// One drawing call with the surface state in force when it was made.
struct RecordedOp {
    enum Kind { Print, Line, NewPage, EndDoc };
    Kind kind = Print;
    QString text;            // Print
    double x = 0, y = 0;     // Print: the pen
    int flags = 0;           // Line
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Line
    qint32 colour = 0;       // Line: its colour; Print: the ForeColor
    QString fontName;
    double fontSize = 0;
    int drawStyle = 0;
    int scaleMode = 1;
    int orientation = 1;
    int paperSize = 9;
};

// A surface that draws nothing and remembers every call, for tests and for
// counting sheets. Its printable area is that of the PDF output (A4 less
// 5 mm on every side) unless told otherwise.
class RecordingSurface : public PrintSurface {
public:
    explicit RecordingSurface(double portraitWidthMm = 200.0, double portraitHeightMm = 287.0);

    void setFontName(const QString &face) override;
    void setFontSize(double points) override;
    void setCurrentX(double x) override;
    void setCurrentY(double y) override;
    void setScaleMode(int mode) override;
    void setDrawStyle(int style) override;
    void setOrientation(int orientation) override;
    void setPaperSize(int size) override;
    void setForeColor(qint32 colour) override;
    double scaleWidth() const override;
    double scaleHeight() const override;
    void print(const QString &text) override;
    void line(int flags, double x1, double y1, double x2, double y2, qint32 colour) override;
    void newPage() override;
    void endDoc() override;
    bool finish(QString *error) override;

    // Every operation from the n-th on (counting from 0) throws
    // PrintSurfaceError; -1 never fails.
    void failFrom(int n) { m_failFrom = n; }
    // finish() reports a failed output.
    void failFinish(bool fail) { m_failFinish = fail; }

    const std::vector<RecordedOp> &ops() const { return m_ops; }
    // The settings in force now, as the next drawing call would record them.
    const RecordedOp &state() const { return m_state; }
    // The sheets that would come out: the drawing calls between two document
    // ends, empty stretches skipped.
    std::vector<std::vector<RecordedOp>> sheets() const;
    int finishCount() const { return m_finishCount; }

private:
    void step();

    std::vector<RecordedOp> m_ops;
    RecordedOp m_state;
    double m_portraitW, m_portraitH;
    int m_calls = 0;
    int m_failFrom = -1;
    bool m_failFinish = false;
    int m_finishCount = 0;
};

}  // namespace bks
