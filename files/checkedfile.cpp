#include "files/checkedfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bks {

namespace {

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

void syncFolder(const QString &folder)
{
    // Makes the new name itself durable; a folder that cannot be opened
    // this way (some network file systems) still has the complete file.
    const int fd = ::open(encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

QString ReplacementTarget(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString linked = info.symLinkTarget();
        if (!linked.isEmpty())
            return linked;
    }
    return info.absoluteFilePath();
}

QString describeFileError(int errorNumber)
{
    switch (errorNumber) {
    case ENOSPC:
    case EDQUOT: return QStringLiteral("ディスクの空きが足りません");
    case EFBIG: return QStringLiteral("ファイルが大きすぎます");
    case EACCES:
    case EPERM: return QStringLiteral("書き込みが許可されていません");
    case EROFS: return QStringLiteral("読み取り専用の場所です");
    case ENOENT: return QStringLiteral("フォルダーがありません");
    case EISDIR: return QStringLiteral("同じ名前のフォルダーがあります");
    case EIO: return QStringLiteral("入出力エラーです");
    default: return QString::fromLocal8Bit(std::strerror(errorNumber));
    }
}

std::unique_ptr<CheckedFile> CheckedFile::create(const QString &folder, const QString &stem, QString *error)
{
    static const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789");
    const QDir dir(folder);
    int lastErrno = EEXIST;
    for (int attempt = 0; attempt < 100 && lastErrno == EEXIST; ++attempt) {
        QString suffix;
        for (int i = 0; i < 6; ++i)
            suffix += letters.at(QRandomGenerator::global()->bounded(int(letters.size())));
        const QString path = dir.filePath(QLatin1Char('.') + stem + QLatin1Char('-') + suffix);
        const int fd = ::open(encoded(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            std::unique_ptr<CheckedFile> file(new CheckedFile(fd, path));
            file->QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
            return file;
        }
        lastErrno = errno;
    }
    if (error)
        *error = QStringLiteral("%1 に一時ファイルを作れません（%2）")
                     .arg(QDir::toNativeSeparators(folder), describeFileError(lastErrno));
    return nullptr;
}

CheckedFile::CheckedFile(int fd, QString path) : m_fd(fd), m_path(std::move(path)) {}

CheckedFile::~CheckedFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_kept)
        removeTemporary();
}

void CheckedFile::removeTemporary()
{
    if (!m_path.isEmpty())
        ::unlink(encoded(m_path).constData());
}

qint64 CheckedFile::readData(char *, qint64)
{
    return -1;
}

qint64 CheckedFile::writeData(const char *data, qint64 size)
{
    if (m_fd < 0 || m_writeErrno != 0)
        return -1;
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::write(m_fd, data + done, size_t(size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            // A short write followed by a failing one is how a full disk
            // shows; either way the file is no longer what was written.
            m_writeErrno = n < 0 ? errno : EIO;
            setErrorString(describeFileError(m_writeErrno));
            return -1;
        }
        done += n;
    }
    return done;
}

bool CheckedFile::closeChecked(bool sync, QString *error)
{
    if (m_closed)
        return m_writeErrno == 0;
    m_closed = true;
    QIODevice::close();
    int problem = m_writeErrno;
    if (problem == 0 && sync && ::fsync(m_fd) != 0)
        problem = errno;
    if (::close(m_fd) != 0 && problem == 0 && errno != EINTR)
        problem = errno;
    m_fd = -1;
    if (problem != 0) {
        m_writeErrno = problem;
        if (error)
            *error = describeFileError(problem);
        removeTemporary();
        m_path.clear();
        return false;
    }
    return true;
}

bool CheckedFile::replace(const QString &target, QString *error)
{
    if (!m_closed || m_writeErrno != 0 || m_path.isEmpty()) {
        if (error)
            *error = describeFileError(m_writeErrno ? m_writeErrno : EIO);
        return false;
    }
    const QByteArray to = encoded(target);
    struct stat old {};
    if (::stat(to.constData(), &old) == 0 && S_ISREG(old.st_mode))
        (void)::chmod(encoded(m_path).constData(), old.st_mode & 07777);
    if (::rename(encoded(m_path).constData(), to.constData()) != 0) {
        if (error)
            *error = describeFileError(errno);
        return false;
    }
    m_kept = true;
    syncFolder(QFileInfo(target).absolutePath());
    return true;
}

}  // namespace bks
