#pragma once

#include "common/result.h"
#include "platform/platformservices.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>
#include <vector>

namespace bks {

// A job CUPS accepted, as it stood right after it was handed over.
struct CupsJob {
    int id = 0;
    QString notice;  // accepted, but waiting: a stopped queue or a held job
};

// The job options for what the user chose in the printer dialog: copies,
// sides, page ranges, the queue's own options, and A4 paper unless the
// queue's options name one.
std::vector<std::pair<QByteArray, QByteArray>> CupsJobOptions(const PrinterChoice &choice);

// What to tell the user when the printer dialog's queue `printerName` (empty:
// the default one) is not there: the scheduler, asked once, says whether the
// queue is missing or the scheduler cannot be reached.
QString printerNotFound(const QString &printerName);

// Hands the PDF file to the queue `choice.printerName` as one job and asks
// CUPS once for the job's and the queue's state; never waits for the
// printer. Fails with why the job did not reach the printer, in Japanese
// with CUPS's own words.
Result<CupsJob> SubmitPdfToCups(const QString &pdfPath, const QString &title, const PrinterChoice &choice);

}  // namespace bks
