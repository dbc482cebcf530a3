#pragma once

#include "print/recordingsurface.h"

#include <memory>

namespace bks::test {

// Hands a run a surface that it may own and destroy, while the test keeps
// the recording.
class ForwardingSurface : public PrintSurface {
public:
    explicit ForwardingSurface(RecordingSurface &target) : m_t(target) {}
    void setFontName(const QString &face) override { m_t.setFontName(face); }
    void setFontSize(double points) override { m_t.setFontSize(points); }
    void setCurrentX(double x) override { m_t.setCurrentX(x); }
    void setCurrentY(double y) override { m_t.setCurrentY(y); }
    void setScaleMode(int mode) override { m_t.setScaleMode(mode); }
    void setDrawStyle(int style) override { m_t.setDrawStyle(style); }
    void setOrientation(int o) override { m_t.setOrientation(o); }
    void setPaperSize(int size) override { m_t.setPaperSize(size); }
    void setForeColor(qint32 colour) override { m_t.setForeColor(colour); }
    double scaleWidth() const override { return m_t.scaleWidth(); }
    double scaleHeight() const override { return m_t.scaleHeight(); }
    void print(const QString &text) override { m_t.print(text); }
    void line(int flags, double x1, double y1, double x2, double y2, qint32 colour) override
    {
        m_t.line(flags, x1, y1, x2, y2, colour);
    }
    void newPage() override { m_t.newPage(); }
    void endDoc() override { m_t.endDoc(); }
    bool finish(QString *error) override { return m_t.finish(error); }

private:
    RecordingSurface &m_t;
};

inline std::function<std::unique_ptr<PrintSurface>(const PrinterChoice &)>
openInto(RecordingSurface &target)
{
    return [&target](const PrinterChoice &) { return std::make_unique<ForwardingSurface>(target); };
}

}  // namespace bks::test
