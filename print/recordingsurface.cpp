#include "print/recordingsurface.h"

namespace bks {

namespace {

constexpr double kTwipsPerMm = 1440.0 / 25.4;

}  // namespace

RecordingSurface::RecordingSurface(double portraitWidthMm, double portraitHeightMm)
    : m_portraitW(portraitWidthMm), m_portraitH(portraitHeightMm)
{
}

void RecordingSurface::step()
{
    const int call = m_calls++;
    if (m_failFrom >= 0 && call >= m_failFrom)
        throw PrintSurfaceError("recording surface: operation " + std::to_string(call) + " fails");
}

void RecordingSurface::setFontName(const QString &face)
{
    step();
    m_state.fontName = face;
}

void RecordingSurface::setFontSize(double points)
{
    step();
    m_state.fontSize = points;
}

void RecordingSurface::setCurrentX(double x)
{
    step();
    m_state.x = x;
}

void RecordingSurface::setCurrentY(double y)
{
    step();
    m_state.y = y;
}

void RecordingSurface::setScaleMode(int mode)
{
    step();
    m_state.scaleMode = mode;
}

void RecordingSurface::setDrawStyle(int style)
{
    step();
    m_state.drawStyle = style;
}

void RecordingSurface::setOrientation(int orientation)
{
    step();
    m_state.orientation = orientation;
}

void RecordingSurface::setPaperSize(int size)
{
    step();
    m_state.paperSize = size;
}

void RecordingSurface::setForeColor(qint32 colour)
{
    step();
    m_state.colour = colour;
}

// The exact printable area: 200 mm are 11,338.58 twips, not a rounded 11,339,
// as a printer's area converted to twips would be.
double RecordingSurface::scaleWidth() const
{
    const double mm = m_state.orientation == Landscape ? m_portraitH : m_portraitW;
    return m_state.scaleMode == Millimetres ? mm : mm * kTwipsPerMm;
}

double RecordingSurface::scaleHeight() const
{
    const double mm = m_state.orientation == Landscape ? m_portraitW : m_portraitH;
    return m_state.scaleMode == Millimetres ? mm : mm * kTwipsPerMm;
}

void RecordingSurface::print(const QString &text)
{
    step();
    RecordedOp op = m_state;
    op.kind = RecordedOp::Print;
    op.text = text;
    m_ops.push_back(std::move(op));
}

void RecordingSurface::line(int flags, double x1, double y1, double x2, double y2, qint32 colour)
{
    step();
    RecordedOp op = m_state;
    op.kind = RecordedOp::Line;
    op.text.clear();
    op.flags = flags;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.colour = colour;
    m_ops.push_back(std::move(op));
}

void RecordingSurface::newPage()
{
    step();
    RecordedOp op = m_state;
    op.kind = RecordedOp::NewPage;
    m_ops.push_back(std::move(op));
}

void RecordingSurface::endDoc()
{
    step();
    RecordedOp op = m_state;
    op.kind = RecordedOp::EndDoc;
    m_ops.push_back(std::move(op));
    // The next document starts in portrait, whatever this one was set to.
    m_state.orientation = Portrait;
}

bool RecordingSurface::finish(QString *error)
{
    ++m_finishCount;
    if (m_failFinish) {
        if (error)
            *error = QStringLiteral("出力を書き込めませんでした");
        return false;
    }
    return true;
}

// A page ends at NewPage or EndDoc; a stretch without drawing produces no
// sheet, so the extra EndDoc and NewPage after each sheet leave no blanks.
std::vector<std::vector<RecordedOp>> RecordingSurface::sheets() const
{
    std::vector<std::vector<RecordedOp>> out;
    std::vector<RecordedOp> current;
    for (const RecordedOp &op : m_ops) {
        if (op.kind == RecordedOp::Print || op.kind == RecordedOp::Line) {
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

}  // namespace bks
