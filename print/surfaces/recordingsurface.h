#pragma once

#include "print/surfaces/surfacesettings.h"

#include <QPainterPath>
#include <QString>

#include <vector>

namespace bks {

// One drawing call with the surface settings in force when it was made;
// for a line or a stroked path, `colour` is its own colour, not the
// ForeColor.
struct RecordedOp : SurfaceSettings {
    enum Kind { Print, Line, NewPage, EndDoc, StrokePath, PrintColumn };
    Kind kind = Print;
    QString text;                           // Print, PrintColumn
    int flags = 0;                          // Line
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Line
    QPainterPath path;                      // StrokePath
    double width = 0;                       // StrokePath

    bool draws() const { return kind != NewPage && kind != EndDoc; }
    bool prints() const { return kind == Print || kind == PrintColumn; }
};

// A surface that draws nothing and remembers every call, for tests and for
// counting sheets. Its printable area is that of the PDF output (A4 less
// 5 mm on every side) unless told otherwise.
class RecordingSurface : public SettingsKeepingSurface {
public:
    explicit RecordingSurface(double portraitWidthMm = 200.0, double portraitHeightMm = 287.0);

    void print(const QString &text) override;
    void printColumn(const QString &text) override;
    void line(int flags, double x1, double y1, double x2, double y2, qint32 colour) override;
    void strokePath(const QPainterPath &path, double width, qint32 colour) override;
    void newPage() override;
    void endDoc() override;
    Result<> finish() override;

    // Every operation from the n-th on (counting from 0) throws
    // PrintSurfaceError; -1 never fails.
    void failFrom(int n) { m_failFrom = n; }
    // finish() reports a failed output.
    void failFinish(bool fail) { m_failFinish = fail; }

    const std::vector<RecordedOp> &ops() const { return m_ops; }
    // The sheets that would come out: the drawing calls between two document
    // ends, empty stretches skipped.
    std::vector<std::vector<RecordedOp>> sheets() const;
    int finishCount() const { return m_finishCount; }

protected:
    void beforeCall() override;
    QSizeF printableMm() const override;

private:
    // Records the call with the settings in force.
    RecordedOp &record(RecordedOp::Kind kind);

    std::vector<RecordedOp> m_ops;
    double m_portraitW, m_portraitH;
    int m_calls = 0;
    int m_failFrom = -1;
    bool m_failFinish = false;
    int m_finishCount = 0;
};

// Draws one recorded sheet again, with the surface state each call had, and
// ends the document: what the preview shows of a sheet it recorded.
void replayRecording(PrintSurface &surface, const std::vector<RecordedOp> &sheet);

}  // namespace bks
