#include "app/qtplatformservices.h"

#include "app/fontdialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPageRanges>
#include <QPrintEngine>
#include <QPrinter>
#include <QProgressDialog>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>

namespace bks {

namespace {

const QString kPdfName = QStringLiteral("墨翔丸.pdf");

class DialogProgress : public RunProgress {
public:
    DialogProgress(QWidget *parent, const QString &label, int total)
        : m_dialog(label, QStringLiteral("中止"), 0, total, parent)
    {
        m_dialog.setWindowTitle(QStringLiteral("漢字練習帳連続印刷"));
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(0);
        m_dialog.setValue(0);
        m_label = label;
    }
    bool update(int done, int total) override
    {
        m_dialog.setMaximum(total);
        m_dialog.setValue(done);
        m_dialog.setLabelText(m_label + QLatin1Char('\n')
                              + QStringLiteral("%1 / %2 枚").arg(done).arg(total));
        QApplication::processEvents();
        return !m_dialog.wasCanceled();
    }

private:
    QProgressDialog m_dialog;
    QString m_label;
};

// Where Qt's CUPS support keeps the queue options chosen in the dialog's
// properties (paper, tray, job options) as name, value, name, value ...
const QPrintEngine::PrintEnginePropertyKey kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// What the user set in the dialog for a queue, as plain values the job can
// carry.
void readJobOptions(QPrinter &printer, PrinterChoice &choice)
{
    choice.copies = std::max(1, printer.copyCount());
    choice.collateCopies = printer.collateCopies();
    switch (printer.duplex()) {
    case QPrinter::DuplexNone: choice.sides = Sides::OneSided; break;
    case QPrinter::DuplexAuto:
    case QPrinter::DuplexLongSide: choice.sides = Sides::TwoSidedLongEdge; break;
    case QPrinter::DuplexShortSide: choice.sides = Sides::TwoSidedShortEdge; break;
    }
    if (printer.printRange() == QPrinter::PageRange) {
        const QPageRanges ranges = printer.pageRanges();
        choice.pageRanges = !ranges.isEmpty()
                                ? ranges.toString()
                                : QStringLiteral("%1-%2").arg(printer.fromPage()).arg(printer.toPage());
    }
    const QStringList options = printer.printEngine()->property(kCupsOptions).toStringList();
    for (qsizetype i = 0; i + 1 < options.size(); i += 2)
        choice.queueOptions.append(std::pair(options.at(i), options.at(i + 1)));
}

}  // namespace

QString messageForDisplay(const QString &text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return t;
}

MsgResult QtPlatformServices::messageBox(const QString &text, const QString &title, MsgButtons buttons,
                                         MsgIcon icon)
{
    QMessageBox box(m_parent);
    box.setTextFormat(Qt::PlainText);  // messages quote lists and file names
    box.setText(messageForDisplay(text));
    box.setWindowTitle(title.isEmpty() ? QStringLiteral("墨翔丸") : title);
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    switch (buttons) {
    case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    case QMessageBox::Cancel: return MsgResult::Cancel;
    default: return buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Ok;
    }
}

std::optional<PrinterChoice> QtPlatformServices::showPrinter()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(QDir::home().filePath(kPdfName));
    // A run is a stack of separate worksheets: one-sided even on a queue
    // that prints both sides by default, unless the user picks otherwise.
    printer.setDuplex(QPrinter::DuplexNone);
    QPrintDialog dialog(&printer, m_parent);
    dialog.setWindowTitle(QStringLiteral("印刷"));
    // The dialog puts in a queue's default sides whenever the queue is
    // chosen, including the first one it shows.
    auto oneSided = [&dialog] {
        if (auto *none = dialog.findChild<QRadioButton *>(QStringLiteral("noDuplex")))
            none->setChecked(true);
    };
    if (auto *printers = dialog.findChild<QComboBox *>(QStringLiteral("printers")))
        QObject::connect(printers, &QComboBox::currentIndexChanged, &dialog, oneSided);
    QTimer::singleShot(0, &dialog, oneSided);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    PrinterChoice choice;
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        QString file = printer.outputFileName();
        // The dialog may hand back a folder or nothing; ask for a file then.
        if (file.isEmpty() || QFileInfo(file).isDir()) {
            file = QFileDialog::getSaveFileName(m_parent, QStringLiteral("PDFファイルの保存"),
                                                QDir::home().filePath(kPdfName),
                                                QStringLiteral("PDF (*.pdf)"));
            if (file.isEmpty())
                return std::nullopt;
        }
        choice.pdfFile = file;
    } else {
        choice.printerName = printer.printerName();
        readJobOptions(printer, choice);
    }
    return choice;
}

QString QtPlatformServices::listFolder() const
{
    // A start from the desktop menu runs in the home folder or in the
    // program's settings folder; neither is where a teacher keeps lists.
    if (!m_lastListFolder.isEmpty() && QFileInfo(m_lastListFolder).isDir())
        return m_lastListFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

std::optional<QString> QtPlatformServices::showOpen(const QString &filter)
{
    QFileDialog dialog(m_parent, QStringLiteral("データ呼び出し"), listFolder(), qtFileFilter(filter));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    m_lastListFolder = QFileInfo(dialog.selectedFiles().first()).absolutePath();
    return dialog.selectedFiles().first();
}

std::optional<QString> QtPlatformServices::showSave(const QString &filter)
{
    QFileDialog dialog(m_parent, QStringLiteral("データの保存"), listFolder(), qtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    m_lastListFolder = QFileInfo(dialog.selectedFiles().first()).absolutePath();
    return dialog.selectedFiles().first();
}

std::optional<QString> QtPlatformServices::showFont(const QString &currentFace)
{
    FontDialog dialog(currentFace, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.faceName();
}

bool QtPlatformServices::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

std::unique_ptr<RunProgress> QtPlatformServices::startProgress(const QString &label, int total)
{
    return std::make_unique<DialogProgress>(m_parent, label, total);
}

}  // namespace bks
