#pragma once

#include "common/result.h"
#include "platform/platformservices.h"

#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QString>

#include <memory>
#include <vector>

class QPdfWriter;
class QPrinterInfo;

namespace bks {

class CheckedFile;

// Where the pages of a surface go: a printer, a PDF file or images. Pages
// are asked for only when something is drawn on them.
class PageTarget {
public:
    virtual ~PageTarget() = default;

    // Starts the next page (the first one opens the output) and returns the
    // painter for it, its origin at the top-left of the paper. Throws
    // PrintSurfaceError when the output cannot be opened or a page cannot
    // be added.
    virtual QPainter &beginPage(QPageLayout::Orientation orientation) = 0;
    // Device pixels per inch of the pages.
    virtual double resolution() const = 0;
    // The printable area of a page, in millimetres from the paper's corner.
    virtual QRectF printableMm(QPageLayout::Orientation orientation) const = 0;
    // Where the painter's origin lies on the paper, in millimetres (the
    // painter of a printer starts at its printable area).
    virtual QPointF painterOriginMm(QPageLayout::Orientation orientation) const = 0;
    // Width of every line in device pixels.
    virtual double lineWidth() const { return 1.0; }
    virtual Result<> finish() = 0;
    // After a successful finish: what the user should still be told.
    virtual QString notice() const { return {}; }
};

// A PDF file or a CUPS queue, drawn through one PDF writer and one painter
// for the whole run. A file is written under a hidden name beside the
// target (its symbolic links followed) and takes the target's place only
// when it is complete, and only where a file may be replaced; a queue
// gets the same PDF, laid out in the queue's printable area and resolution,
// as one job whose acceptance is checked.
class PrinterPageTarget : public PageTarget {
public:
    // A PDF file: A4 less 5 mm on every side, lines one 600-dpi pixel wide.
    explicit PrinterPageTarget(const QString &pdfFile);
    // A printer queue with its own printable area and resolution; `choice`
    // carries the job options from the printer dialog.
    PrinterPageTarget(const QPrinterInfo &printer, const PrinterChoice &choice);
    ~PrinterPageTarget() override;

    QPainter &beginPage(QPageLayout::Orientation orientation) override;
    double resolution() const override { return m_resolution; }
    QRectF printableMm(QPageLayout::Orientation orientation) const override;
    QPointF painterOriginMm(QPageLayout::Orientation orientation) const override;
    double lineWidth() const override;
    Result<> finish() override;
    QString notice() const override { return m_notice; }

    int pagesStarted() const { return m_pages; }

private:
    bool toPrinter() const { return !m_choice.printerName.isEmpty(); }
    [[noreturn]] void fail(const QString &error);
    void open(QPageLayout::Orientation orientation);
    QString writeError(const QString &reason) const;

    PrinterChoice m_choice;
    QString m_target;  // the PDF file, symbolic links followed, once opened
    QPageLayout m_layout;
    double m_resolution = 0;
    QRectF m_printable[2];  // portrait, landscape
    std::unique_ptr<CheckedFile> m_file;
    std::unique_ptr<QPdfWriter> m_writer;
    QPainter m_painter;
    QString m_error;
    QString m_notice;
    int m_pages = 0;
    bool m_finished = false;
};

// The printable area of a PDF (and of the preview) in portrait, millimetres:
// A4 as Qt measures it, less the PDF margins.
QSizeF pdfPrintableSizeMm();

// Renders each page into an image of the whole A4 sheet (white paper, the
// printable area of the PDF output), for an on-screen preview.
class ImagePageTarget : public PageTarget {
public:
    explicit ImagePageTarget(double dpi = 96.0);
    ~ImagePageTarget() override;

    QPainter &beginPage(QPageLayout::Orientation orientation) override;
    double resolution() const override { return m_dpi; }
    QRectF printableMm(QPageLayout::Orientation orientation) const override;
    QPointF painterOriginMm(QPageLayout::Orientation orientation) const override;
    Result<> finish() override;

    // The pages drawn so far; the last one is complete after finish().
    const std::vector<QImage> &pages() const { return m_pages; }

private:
    double m_dpi;
    std::vector<QImage> m_pages;
    QPainter m_painter;
};

}  // namespace bks
