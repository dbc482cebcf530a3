#pragma once

#include "print/run/continuousrun.h"
#include "print/run/runmessages.h"

class QWidget;

namespace bks {

// Shows the sheets the next "連続印刷" would print, page by page, without
// printing or consuming anything; `note`, when given, is said beside them.
void ShowPrintPreview(QWidget *parent, const QString &text, const SheetSettings &settings,
                      const RunOptions &options, const RunCounters &counters, const SheetSources &sources,
                      const QString &note = {});
// The preview when "連続印刷" would print nothing at all, saying `why`.
void ShowEmptyPreview(QWidget *parent, const QString &why);

}  // namespace bks
