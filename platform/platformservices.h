#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include <memory>
#include <optional>
#include <utility>

namespace bks {

enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgIcon { None, Information, Question, Exclamation, Critical };
enum class MsgResult { Ok, Cancel, Yes, No };

// Printing on one or both sides of the paper.
enum class Sides { OneSided, TwoSidedLongEdge, TwoSidedShortEdge };

// What the printer dialog hands back: either a printer queue or a PDF file,
// and what the user set for a queue.
struct PrinterChoice {
    QString printerName;  // CUPS queue; empty for PDF output
    QString pdfFile;      // output file when printing to PDF
    int copies = 1;
    bool collateCopies = true;
    // A run is a stack of separate worksheets: one side unless asked.
    Sides sides = Sides::OneSided;
    QString pageRanges = {};  // "2-4,7" as CUPS writes them; empty for every page
    // The queue's own options from the dialog's properties (paper, tray ...).
    QList<std::pair<QString, QString>> queueOptions = {};
    bool toPdf() const { return !pdfFile.isEmpty(); }
};

// Progress of a long print run; the window stays responsive between sheets.
class RunProgress {
public:
    virtual ~RunProgress() = default;
    // Reports that `done` of `total` sheets are finished. Returns false once
    // the user has asked to stop.
    virtual bool update(int done, int total) = 0;
};

// Everything an event handler asks of the desktop. Handlers never create
// dialogs themselves, so tests can answer every question with a script.
class PlatformServices {
public:
    virtual ~PlatformServices() = default;

    // A message box with the platform's standard buttons; multi-line texts
    // use "\r\n" between lines.
    virtual MsgResult messageBox(const QString &text, const QString &title, MsgButtons buttons,
                                 MsgIcon icon) = 0;

    // The printer dialog; nullopt when cancelled.
    virtual std::optional<PrinterChoice> showPrinter() = 0;

    // Open / save dialogs with a filter such as "テキストファイル(*.txt)|*.txt|";
    // nullopt when cancelled.
    virtual std::optional<QString> showOpen(const QString &filter) = 0;
    virtual std::optional<QString> showSave(const QString &filter) = 0;

    // The font dialog; returns the chosen face name, nullopt when cancelled.
    virtual std::optional<QString> showFont(const QString &currentFace) = 0;

    // Opens a web page with the desktop's handler; false when nothing could.
    virtual bool openUrl(const QUrl &url) = 0;

    // A progress display for a run of `total` sheets.
    virtual std::unique_ptr<RunProgress> startProgress(const QString &label, int total) = 0;
};

// Translates the filter notation used by the dialogs ("name|pattern|...")
// into Qt's "name (pattern);;..." form.
QString qtFileFilter(const QString &filter);

}  // namespace bks
