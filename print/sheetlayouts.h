#pragma once

#include "print/printsurface.h"
#include "print/sheetsettings.h"

#include <QString>

namespace bks {

// One-character sheet: picks the portrait or the vertical-font layout by the
// face name, draws the sheet and ends the document. Failures of single drawing
// steps are absorbed by the layouts; failures of EndDoc reach the caller.
void PrintOneCharPage(PrintSurface &surface, const SheetSettings &settings,
                      const QString &currentChar, qint16 sheetNumber);
void DrawOneCharSheet(PrintSurface &surface, const SheetSettings &settings,
                      const QString &currentChar, qint16 sheetNumber, float shift);
void DrawOneCharSheetVertical(PrintSurface &surface, const SheetSettings &settings,
                              const QString &currentChar, qint16 sheetNumber, float shift);

// Two-character sheet: the first character of the pair goes into the right
// block (top block with a vertical face). Any failure propagates.
void PrintTwoCharPage(PrintSurface &surface, const SheetSettings &settings,
                      const QString &currentPair, qint16 sheetNumber);
void DrawTwoCharSheet(PrintSurface &surface, const SheetSettings &settings,
                      const QString &currentPair, qint16 sheetNumber);
void DrawTwoCharSheetVertical(PrintSurface &surface, const SheetSettings &settings,
                              const QString &currentPair, qint16 sheetNumber);

}  // namespace bks
