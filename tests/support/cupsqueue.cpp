#include "tests/support/cupsqueue.h"

#include <QProcess>
#include <QStandardPaths>

namespace bks::test {

bool RunCupsTool(const QString &tool, const QStringList &arguments, QString *output)
{
    if (QStandardPaths::findExecutable(tool).isEmpty()
        && QStandardPaths::findExecutable(tool, {QStringLiteral("/usr/sbin")}).isEmpty())
        return false;
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000))
        return false;
    if (output)
        *output = QString::fromUtf8(process.readAllStandardOutput());
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool CupsAvailable()
{
    QString out;
    return RunCupsTool(QStringLiteral("lpstat"), {QStringLiteral("-r")}, &out)
           && out.contains(QLatin1String("is running"));
}

ScratchQueue::ScratchQueue(const QString &name, const QStringList &options) : m_name(name)
{
    if (!CupsAvailable())
        return;
    QStringList args = {QStringLiteral("-p"),
                        name,
                        QStringLiteral("-E"),
                        QStringLiteral("-v"),
                        QStringLiteral("file:///dev/null"),
                        QStringLiteral("-m"),
                        QStringLiteral("drv:///sample.drv/generic.ppd"),
                        QStringLiteral("-o"),
                        QStringLiteral("PageSize=A4")};
    for (const QString &option : options)
        args << QStringLiteral("-o") << option;
    m_ok = RunCupsTool(QStringLiteral("lpadmin"), args);
}

ScratchQueue::~ScratchQueue()
{
    remove();
}

void ScratchQueue::remove()
{
    if (!m_ok)
        return;
    RunCupsTool(QStringLiteral("cancel"), {QStringLiteral("-a"), m_name});
    RunCupsTool(QStringLiteral("lpadmin"), {QStringLiteral("-x"), m_name});
    m_ok = false;
}

int ScratchQueue::pendingJobs() const
{
    QString out;
    if (!RunCupsTool(QStringLiteral("lpstat"), {QStringLiteral("-o"), m_name}, &out))
        return -1;
    return int(out.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size());
}

}  // namespace bks::test
