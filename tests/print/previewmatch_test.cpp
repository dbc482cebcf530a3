// The preview records a run and paints the recording later; what it shows
// must be what the printer gets, for every layout of the table.
#include "print/output/pagetargets.h"
#include "print/surfaces/qtprintsurface.h"
#include "print/surfaces/recordingsurface.h"
#include "print/layouts/sheetlayout.h"
#include "tests/print/layout_helpers.h"
#include "tests/print/strokes_helpers.h"

#include <QImage>

#include <gtest/gtest.h>

namespace bks::test {
namespace {

TEST(Preview, EveryLayoutPaintsTheSameFromItsRecordingAsDirectly)
{
    for (const SheetLayout &layout : sheetLayouts()) {
        SheetSettings settings = sheetSettings(layout.forVerticalFace ? QStringLiteral("@IPAexMincho")
                                                                      : QStringLiteral("IPAexMincho"));
        settings.printOffset = 4;
        // Strokes, their dots and numbers where the layout shows them.
        const SheetContent content = contentFor(layout,
                                                QStringLiteral("山語").left(layout.charactersPerSheet), 12,
                                                {QStringLiteral("山の道"), QStringLiteral("語る")});
        auto draw = [&](PrintSurface &s) {
            layout.draw(s, content, settings);
            s.endDoc();
        };

        const QSizeF area = pdfPrintableSizeMm();
        RecordingSurface recording(area.width(), area.height());
        draw(recording);
        // Qt rasterises a large glyph the first time by another path than
        // from its cache afterwards, a pixel apart: compare warm renders.
        RenderPreviewPages(draw, 48);
        const std::vector<QImage> direct = RenderPreviewPages(draw, 48);
        const std::vector<QImage> replayed = RenderPreviewPages(
            [&](PrintSurface &s) { replayRecording(s, recording.sheets().at(0)); }, 48);
        ASSERT_EQ(direct.size(), 1u) << layout.id;
        ASSERT_EQ(replayed.size(), 1u) << layout.id;
        EXPECT_TRUE(direct[0] == replayed[0]) << layout.id;
    }
}

}  // namespace
}  // namespace bks::test
