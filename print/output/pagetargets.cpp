#include "print/output/pagetargets.h"

#include "common/shownname.h"
#include "files/checkedfile.h"
#include "print/output/cupsjob.h"
#include "print/surfaces/printsurface.h"

#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace bks {

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kPdfResolution = 1200;
// The office printer whose lines and guide patterns the PDF imitates.
constexpr double kReferencePrinterDpi = 600;
constexpr double kPdfMarginMm = 5;

const QString kDocumentName = QStringLiteral("墨翔丸");

QPageLayout a4Layout(QPageLayout::Orientation orientation, double margin)
{
    return QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(margin, margin, margin, margin),
                       QPageLayout::Millimeter);
}

QRectF pdfPrintable(QPageLayout::Orientation orientation)
{
    return a4Layout(orientation, kPdfMarginMm).paintRect(QPageLayout::Millimeter);
}

}  // namespace

QSizeF pdfPrintableSizeMm()
{
    return pdfPrintable(QPageLayout::Portrait).size();
}

// ---------------------------------------------------------------- printer

PrinterPageTarget::PrinterPageTarget(const QString &pdfFile)
    : m_layout(a4Layout(QPageLayout::Portrait, kPdfMarginMm)), m_resolution(kPdfResolution)
{
    m_choice.pdfFile = pdfFile;
    m_printable[0] = pdfPrintable(QPageLayout::Portrait);
    m_printable[1] = pdfPrintable(QPageLayout::Landscape);
}

PrinterPageTarget::PrinterPageTarget(const QPrinterInfo &printer, const PrinterChoice &choice)
    : m_choice(choice)
{
    m_choice.printerName = printer.printerName();
    m_choice.pdfFile.clear();
    // The queue's driver knows its printable area and resolution; the pages
    // are laid out in them as a job through Qt would be.
    QPrinter geometry(printer, QPrinter::HighResolution);
    geometry.setPageSize(QPageSize(QPageSize::A4));
    geometry.setPageOrientation(QPageLayout::Portrait);
    m_layout = geometry.pageLayout();
    m_resolution = geometry.resolution();
    QPageLayout layout = m_layout;
    m_printable[0] = layout.paintRect(QPageLayout::Millimeter);
    layout.setOrientation(QPageLayout::Landscape);
    m_printable[1] = layout.paintRect(QPageLayout::Millimeter);
}

PrinterPageTarget::~PrinterPageTarget()
{
    // An unfinished run leaves nothing behind: the temporary file goes with
    // m_file, and nothing is sent to a printer.
    if (m_painter.isActive())
        m_painter.end();
}

void PrinterPageTarget::fail(const QString &error)
{
    if (m_error.isEmpty())
        m_error = error;
    throw PrintSurfaceError(m_error.toStdString());
}

QString PrinterPageTarget::writeError(const QString &reason) const
{
    if (toPrinter())
        return QStringLiteral("プリンター %1 に送る印刷データを書き込めません（%2）")
            .arg(shownName(m_choice.printerName), reason);
    return cannotWrite(m_choice.pdfFile, reason);
}

void PrinterPageTarget::open(QPageLayout::Orientation orientation)
{
    QString folder = QDir::tempPath();
    QString stem = QStringLiteral("print-job");
    if (!toPrinter()) {
        const Result<QString> target = replaceableTarget(m_choice.pdfFile);
        if (!target)
            fail(writeError(target.failure()));
        m_target = *target;
        folder = QFileInfo(m_target).absolutePath();
        stem = QFileInfo(m_target).fileName();
    }
    Result<std::unique_ptr<CheckedFile>> created = CheckedFile::create(folder, stem);
    if (!created)
        fail(writeError(created.failure()));
    m_file = std::move(created).value();
    m_writer = std::make_unique<QPdfWriter>(m_file.get());
    m_writer->setResolution(int(std::lround(m_resolution)));
    m_writer->setPageLayout(m_layout);
    m_writer->setPageOrientation(orientation);
    m_writer->setTitle(kDocumentName);
    m_writer->setCreator(kDocumentName);
    if (!m_painter.begin(m_writer.get()))
        fail(writeError(m_file->failed() ? m_file->errorString() : QStringLiteral("PDFを始められません")));
}

QPainter &PrinterPageTarget::beginPage(QPageLayout::Orientation orientation)
{
    if (!m_error.isEmpty())
        throw PrintSurfaceError(m_error.toStdString());
    if (m_finished)
        throw PrintSurfaceError(QStringLiteral("出力はすでに閉じられています").toStdString());
    // A write that already failed ends the run now rather than after the
    // last sheet.
    if (m_file && m_file->failed())
        fail(writeError(m_file->errorString()));

    if (m_pages == 0) {
        open(orientation);
    } else {
        // The orientation must be in place before the page exists.
        m_writer->setPageOrientation(orientation);
        if (!m_writer->newPage())
            fail(QStringLiteral("次のページを始められません"));
    }
    ++m_pages;
    return m_painter;
}

QRectF PrinterPageTarget::printableMm(QPageLayout::Orientation orientation) const
{
    return m_printable[orientation == QPageLayout::Landscape ? 1 : 0];
}

QPointF PrinterPageTarget::painterOriginMm(QPageLayout::Orientation orientation) const
{
    return printableMm(orientation).topLeft();
}

double PrinterPageTarget::lineWidth() const
{
    return toPrinter() ? 1.0 : resolution() / kReferencePrinterDpi;
}

Result<> PrinterPageTarget::finish()
{
    if (!m_finished) {
        m_finished = true;
        if (m_painter.isActive() && !m_painter.end() && m_error.isEmpty())
            m_error = writeError(QStringLiteral("PDFを完成できません"));
        m_writer.reset();
        if (m_error.isEmpty() && m_file) {
            if (const Result<> closed = m_file->closeChecked(!toPrinter()); !closed) {
                m_error = writeError(closed.failure());
            } else if (!toPrinter()) {
                if (const Result<> placed = m_file->replace(m_target); !placed)
                    m_error = writeError(placed.failure());
            } else {
                const Result<CupsJob> job = SubmitPdfToCups(m_file->path(), kDocumentName, m_choice);
                if (job)
                    m_notice = job->notice;
                else
                    m_error = job.failure();
            }
        }
        m_file.reset();
    }
    if (!m_error.isEmpty())
        return Failure{m_error};
    return {};
}

// ----------------------------------------------------------------- images

ImagePageTarget::ImagePageTarget(double dpi) : m_dpi(dpi) {}

ImagePageTarget::~ImagePageTarget()
{
    if (m_painter.isActive())
        m_painter.end();
}

QPainter &ImagePageTarget::beginPage(QPageLayout::Orientation orientation)
{
    if (m_painter.isActive())
        m_painter.end();
    const QSizeF paper = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const QSizeF mm = orientation == QPageLayout::Landscape ? paper.transposed() : paper;
    QImage page(int(std::lround(mm.width() / kMmPerInch * m_dpi)),
                int(std::lround(mm.height() / kMmPerInch * m_dpi)), QImage::Format_RGB32);
    if (page.isNull())
        throw PrintSurfaceError(QStringLiteral("プレビューのページを作るメモリが足りません").toStdString());
    page.fill(Qt::white);
    const int dotsPerMetre = int(std::lround(m_dpi / 0.0254));
    page.setDotsPerMeterX(dotsPerMetre);
    page.setDotsPerMeterY(dotsPerMetre);
    m_pages.push_back(page);
    if (!m_painter.begin(&m_pages.back()))
        throw PrintSurfaceError(QStringLiteral("プレビューのページを描けません").toStdString());
    return m_painter;
}

QRectF ImagePageTarget::printableMm(QPageLayout::Orientation orientation) const
{
    static const QRectF portrait = pdfPrintable(QPageLayout::Portrait);
    static const QRectF landscape = pdfPrintable(QPageLayout::Landscape);
    return orientation == QPageLayout::Landscape ? landscape : portrait;
}

QPointF ImagePageTarget::painterOriginMm(QPageLayout::Orientation) const
{
    return {0, 0};
}

Result<> ImagePageTarget::finish()
{
    if (m_painter.isActive())
        m_painter.end();
    return {};
}

}  // namespace bks
