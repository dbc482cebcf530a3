#pragma once

#include "print/surfaces/printsurface.h"

#include <QPainterPath>

namespace bks {

// Passes every call on to another surface that it does not own: the base of
// surfaces that change what some calls do and leave the others alone.
class ForwardingSurface : public PrintSurface {
public:
    explicit ForwardingSurface(PrintSurface &target) : m_target(target) {}

    void setFontName(const QString &face) override { m_target.setFontName(face); }
    void setFontSize(double points) override { m_target.setFontSize(points); }
    void setCurrentX(double x) override { m_target.setCurrentX(x); }
    void setCurrentY(double y) override { m_target.setCurrentY(y); }
    void setScaleMode(int mode) override { m_target.setScaleMode(mode); }
    void setDrawStyle(int style) override { m_target.setDrawStyle(style); }
    void setOrientation(int orientation) override { m_target.setOrientation(orientation); }
    void setPaperSize(int size) override { m_target.setPaperSize(size); }
    void setForeColor(qint32 colour) override { m_target.setForeColor(colour); }
    void setTextHalo(double points) override { m_target.setTextHalo(points); }
    double scaleWidth() const override { return m_target.scaleWidth(); }
    double scaleHeight() const override { return m_target.scaleHeight(); }
    void print(const QString &text) override { m_target.print(text); }
    void printColumn(const QString &text) override { m_target.printColumn(text); }
    void line(int flags, double x1, double y1, double x2, double y2, qint32 colour) override
    {
        m_target.line(flags, x1, y1, x2, y2, colour);
    }
    void strokePath(const QPainterPath &path, double width, qint32 colour) override
    {
        m_target.strokePath(path, width, colour);
    }
    void newPage() override { m_target.newPage(); }
    void endDoc() override { m_target.endDoc(); }
    Result<> finish() override { return m_target.finish(); }
    QString notice() const override { return m_target.notice(); }

protected:
    PrintSurface &target() const { return m_target; }

private:
    PrintSurface &m_target;
};

}  // namespace bks
