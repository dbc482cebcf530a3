#include "print/surfaces/recordingsurface.h"

namespace bks {

RecordingSurface::RecordingSurface(double portraitWidthMm, double portraitHeightMm)
    : m_portraitW(portraitWidthMm), m_portraitH(portraitHeightMm)
{
}

void RecordingSurface::beforeCall()
{
    const int call = m_calls++;
    if (m_failFrom >= 0 && call >= m_failFrom)
        throw PrintSurfaceError("recording surface: operation " + std::to_string(call) + " fails");
}

// The exact printable area: 200 mm are 11,338.58 twips, not a rounded 11,339,
// as a printer's area converted to twips would be.
QSizeF RecordingSurface::printableMm() const
{
    return settings().orientation == Landscape ? QSizeF(m_portraitH, m_portraitW)
                                               : QSizeF(m_portraitW, m_portraitH);
}

RecordedOp &RecordingSurface::record(RecordedOp::Kind kind)
{
    beforeCall();
    RecordedOp op;
    static_cast<SurfaceSettings &>(op) = settings();
    op.kind = kind;
    m_ops.push_back(std::move(op));
    return m_ops.back();
}

void RecordingSurface::print(const QString &text)
{
    record(RecordedOp::Print).text = text;
}

void RecordingSurface::printColumn(const QString &text)
{
    record(RecordedOp::PrintColumn).text = text;
}

void RecordingSurface::line(int flags, double x1, double y1, double x2, double y2, qint32 colour)
{
    RecordedOp &op = record(RecordedOp::Line);
    op.flags = flags;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.colour = colour;
}

void RecordingSurface::strokePath(const QPainterPath &path, double width, qint32 colour)
{
    RecordedOp &op = record(RecordedOp::StrokePath);
    op.path = path;
    op.width = width;
    op.colour = colour;
}

void RecordingSurface::newPage()
{
    record(RecordedOp::NewPage);
}

void RecordingSurface::endDoc()
{
    record(RecordedOp::EndDoc);
    documentEnded();
}

Result<> RecordingSurface::finish()
{
    ++m_finishCount;
    if (m_failFinish)
        return Failure{QStringLiteral("出力を書き込めませんでした")};
    return {};
}

// A page ends at NewPage or EndDoc; a stretch without drawing produces no
// sheet, so the extra EndDoc and NewPage after each sheet leave no blanks.
std::vector<std::vector<RecordedOp>> RecordingSurface::sheets() const
{
    std::vector<std::vector<RecordedOp>> out;
    std::vector<RecordedOp> current;
    for (const RecordedOp &op : m_ops) {
        if (op.draws()) {
            current.push_back(op);
        } else if (!current.empty()) {
            out.push_back(std::move(current));
            current.clear();
        }
    }
    if (!current.empty())
        out.push_back(std::move(current));
    return out;
}

void replayRecording(PrintSurface &surface, const std::vector<RecordedOp> &sheet)
{
    for (const RecordedOp &op : sheet) {
        surface.setScaleMode(op.scaleMode);
        surface.setPaperSize(op.paperSize);
        surface.setOrientation(op.orientation);
        surface.setDrawStyle(op.drawStyle);
        switch (op.kind) {
        case RecordedOp::Print:
        case RecordedOp::PrintColumn:
            surface.setFontName(op.fontName);
            surface.setFontSize(op.fontSize);
            surface.setForeColor(op.colour);
            surface.setTextHalo(op.halo);
            surface.setCurrentX(op.x);
            surface.setCurrentY(op.y);
            if (op.kind == RecordedOp::Print)
                surface.print(op.text);
            else
                surface.printColumn(op.text);
            break;
        case RecordedOp::Line: surface.line(op.flags, op.x1, op.y1, op.x2, op.y2, op.colour); break;
        case RecordedOp::StrokePath: surface.strokePath(op.path, op.width, op.colour); break;
        case RecordedOp::NewPage:
        case RecordedOp::EndDoc: break;
        }
    }
    surface.endDoc();
}

}  // namespace bks
