#include "app/previewdialog.h"

#include "print/surfaces/qtprintsurface.h"
#include "print/surfaces/recordingsurface.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace bks {

namespace {

// Shows the recorded sheets one at a time; a sheet is drawn only when shown,
// so a long run needs no more memory than one page image.
class PreviewDialog : public QDialog {
public:
    PreviewDialog(QWidget *parent, std::vector<std::vector<RecordedOp>> sheets, QString note)
        : QDialog(parent), m_sheets(std::move(sheets)), m_note(std::move(note))
    {
        setObjectName(QStringLiteral("previewDialog"));
        setWindowTitle(QStringLiteral("印刷プレビュー"));
        auto *scroll = new QScrollArea(this);
        m_page = new QLabel(this);
        m_page->setObjectName(QStringLiteral("previewPage"));
        m_page->setAlignment(Qt::AlignCenter);
        scroll->setWidget(m_page);
        scroll->setWidgetResizable(true);
        m_position = new QLabel(this);
        m_position->setObjectName(QStringLiteral("previewPosition"));
        m_position->setTextFormat(Qt::PlainText);
        m_previous = new QPushButton(QStringLiteral("前の頁"), this);
        m_next = new QPushButton(QStringLiteral("次の頁"), this);
        auto *close = new QPushButton(QStringLiteral("閉じる"), this);
        auto *row = new QHBoxLayout;
        row->addWidget(m_previous);
        row->addWidget(m_position, 1, Qt::AlignCenter);
        row->addWidget(m_next);
        row->addWidget(close);
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(scroll, 1);
        layout->addLayout(row);
        connect(m_previous, &QPushButton::clicked, this, [this] { show(m_index - 1); });
        connect(m_next, &QPushButton::clicked, this, [this] { show(m_index + 1); });
        connect(close, &QPushButton::clicked, this, &QDialog::accept);
        resize(900, 760);
        show(0);
    }

    void show(int index)
    {
        const int n = static_cast<int>(m_sheets.size());
        m_index = std::clamp(index, 0, std::max(0, n - 1));
        m_previous->setEnabled(m_index > 0);
        m_next->setEnabled(m_index + 1 < n);
        if (n == 0) {
            m_position->setText(m_note.isEmpty() ? QStringLiteral("印刷する頁はありません") : m_note);
            m_page->setPixmap(QPixmap());
            return;
        }
        const QString position = QStringLiteral("%1 / %2 枚").arg(m_index + 1).arg(n);
        m_position->setText(m_note.isEmpty() ? position : position + QStringLiteral("　") + m_note);
        const auto &sheet = m_sheets[static_cast<size_t>(m_index)];
        const std::vector<QImage> pages = RenderPreviewPages(
            [&sheet](PrintSurface &s) { replayRecording(s, sheet); }, 80.0);
        m_page->setPixmap(pages.empty() ? QPixmap() : QPixmap::fromImage(pages.front()));
    }

private:
    std::vector<std::vector<RecordedOp>> m_sheets;
    QString m_note;
    QLabel *m_page = nullptr;
    QLabel *m_position = nullptr;
    QPushButton *m_previous = nullptr;
    QPushButton *m_next = nullptr;
    int m_index = 0;
};

}  // namespace

void ShowPrintPreview(QWidget *parent, const QString &text, const SheetSettings &settings,
                      const RunOptions &options, const RunCounters &counters, const SheetSources &sources,
                      const QString &note)
{
    // Recorded on the area it is shown on, so the preview is the PDF.
    const QSizeF area = pdfPrintableSizeMm();
    RecordingSurface recording(area.width(), area.height());
    const QString told = previewRun(recording, text, settings, options, counters, sources);
    std::vector<std::vector<RecordedOp>> sheets = recording.sheets();
    // Sheets speak for themselves; without any, say why.
    const QString shown = sheets.empty() && note.isEmpty() ? told : note;
    PreviewDialog dialog(parent, std::move(sheets), shown);
    dialog.exec();
}

void ShowEmptyPreview(QWidget *parent, const QString &why)
{
    PreviewDialog dialog(parent, {}, why);
    dialog.exec();
}

}  // namespace bks
