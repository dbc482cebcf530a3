#pragma once

#include "print/surfaces/printsurface.h"

#include <QSizeF>
#include <QString>

namespace bks {

// The settings a surface holds between drawing calls.
struct SurfaceSettings {
    QString fontName;
    double fontSize = 0;  // points; 0 until a size is set
    double x = 0, y = 0;  // the pen
    int scaleMode = PrintSurface::Twips;
    int drawStyle = PrintSurface::Solid;
    int orientation = PrintSurface::Portrait;
    int paperSize = PrintSurface::A4;
    qint32 colour = 0;  // ForeColor
    double halo = 0;    // points of white around printed glyphs
};

// A surface's settings, kept and checked as a printer checks them, and its
// printable area in the current unit: what the printing surface and the
// recording one share, so the preview refuses what the printer refuses.
// Drawing is the subclass's.
class SettingsKeepingSurface : public PrintSurface {
public:
    void setFontName(const QString &face) override { keep(m_settings.fontName, face); }
    void setFontSize(double points) override
    {
        keep(m_settings.fontSize, points, points > 0 && points <= 2160, "文字の大きさが範囲外です");
    }
    void setCurrentX(double x) override { keep(m_settings.x, x); }
    void setCurrentY(double y) override { keep(m_settings.y, y); }
    void setScaleMode(int mode) override
    {
        keep(m_settings.scaleMode, mode, mode == Twips || mode == Millimetres, "使えない座標単位です");
    }
    void setDrawStyle(int style) override
    {
        keep(m_settings.drawStyle, style, style >= Solid && style <= Dotted, "使えない線の種類です");
    }
    void setOrientation(int orientation) override
    {
        keep(m_settings.orientation, orientation, orientation == Portrait || orientation == Landscape,
             "使えない用紙の向きです");
    }
    void setPaperSize(int size) override
    {
        keep(m_settings.paperSize, size, size == A4, "用紙はA4だけが使えます");
    }
    void setForeColor(qint32 colour) override { keep(m_settings.colour, colour); }
    void setTextHalo(double points) override
    {
        keep(m_settings.halo, points, points >= 0 && points <= 72, "文字の縁取りの幅が範囲外です");
    }
    double scaleWidth() const override { return printableMm().width() * unitsPerMm(); }
    double scaleHeight() const override { return printableMm().height() * unitsPerMm(); }

    const SurfaceSettings &settings() const { return m_settings; }

protected:
    // Runs first in every operation; a surface made to fail throws here.
    virtual void beforeCall() {}
    // The printable area of the page being drawn, in millimetres.
    virtual QSizeF printableMm() const = 0;

    double unitsPerMm() const { return m_settings.scaleMode == Twips ? 1440.0 / 25.4 : 1.0; }
    SurfaceSettings &current() { return m_settings; }
    // A new document starts in portrait, whatever the last one was set to.
    void documentEnded() { m_settings.orientation = Portrait; }

private:
    template <typename T>
    void keep(T &setting, const T &value, bool valid = true, const char *refusal = nullptr)
    {
        beforeCall();
        if (!valid)
            throw PrintSurfaceError(QString::fromUtf8(refusal).toStdString());
        setting = value;
    }

    SurfaceSettings m_settings;
};

}  // namespace bks
