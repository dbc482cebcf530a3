#include "app/previewdialog.h"

#include "print/recordingsurface.h"

#include <QMessageBox>

namespace bks {

void ShowPrintPreview(QWidget *parent, const QString &text, const SheetSettings &settings,
                      const RunOptions &options, const RunCounters &counters)
{
    RecordingSurface surface;
    PreviewRun(surface, text, settings, options, counters);
    QMessageBox::information(parent, QStringLiteral("印刷プレビュー"),
                             QStringLiteral("%1 枚の練習帳が印刷されます。").arg(surface.sheets().size()));
}

}  // namespace bks
