#include "print/run/sheetoutput.h"

#include "print/run/runmessages.h"

namespace bks {

bool SheetOutput::open(const PrinterChoice &choice)
{
    try {
        if (m_host.openSurface)
            m_surface = m_host.openSurface(choice);
    } catch (const std::exception &e) {
        fail(QString::fromUtf8(e.what()));
        return false;
    }
    if (!m_surface) {
        fail(QStringLiteral("出力先を開けませんでした。"));
        return false;
    }
    return true;
}

void SheetOutput::fail(const QString &error)
{
    if (m_failed)
        return;
    m_failed = true;
    m_error = error;
}

bool SheetOutput::finish()
{
    if (!m_surface)
        return false;
    try {
        m_surface->endDoc();
    } catch (const std::exception &e) {
        fail(QString::fromUtf8(e.what()));
    }
    if (const Result<> finished = m_surface->finish(); !finished)
        fail(finished.failure());
    return !m_failed;
}

void SheetOutput::reportFailure(const TextQueue &text1, int padding) const
{
    ReportOutputFailure(*m_host.services, m_error, m_title, NotPrintedNote(m_host, text1, padding));
}

void SheetOutput::reportNotice() const
{
    if (m_surface)
        ReportOutputNotice(*m_host.services, *m_surface, m_title);
}

}  // namespace bks
