#include "print/sheetlayout.h"

namespace bks {

// Placeholder until the stroke-order drawing lands: the page and the model.
void drawStrokeOrderSheet(PrintSurface &p, const SheetContent &content, const SheetSettings &settings)
{
    p.setFontName(settings.fontName);
    p.setPaperSize(PrintSurface::A4);
    p.setScaleMode(PrintSurface::Twips);
    p.setOrientation(PrintSurface::Portrait);
    p.setFontSize(100);
    p.setCurrentX(1000);
    p.setCurrentY(1000);
    p.print(content.character(0));
}

void drawStrokeOrderTwoSheet(PrintSurface &p, const SheetContent &content, const SheetSettings &settings)
{
    p.setFontName(settings.fontName);
    p.setPaperSize(PrintSurface::A4);
    p.setScaleMode(PrintSurface::Twips);
    p.setOrientation(PrintSurface::Landscape);
    p.setFontSize(100);
    for (int i = 0; i < 2; ++i) {
        p.setCurrentX(8000 - 6000 * i);
        p.setCurrentY(1000);
        p.print(content.character(i));
    }
}

}  // namespace bks
