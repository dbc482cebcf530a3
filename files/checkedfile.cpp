#include "files/checkedfile.h"

#include "common/shownname.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bks {

namespace {

// As many links as the system itself follows in one path before it calls
// the chain a loop.
constexpr int kMaxLinks = 40;

const QString kMarker = QStringLiteral(".bokushomaru-");

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

// This machine's name as it may stand in a file name. A folder shared
// between machines (a home folder on the network) holds temporary files of
// processes this machine cannot see; they are not its to judge.
const QString &hostPart()
{
    static const QString part = [] {
        char name[256] = {};
        QString kept;
        if (::gethostname(name, sizeof name - 1) == 0) {
            for (const char *p = name; *p != '\0' && kept.size() < 32; ++p) {
                const char c = *p;
                if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-')
                    kept += QLatin1Char(c);
            }
        }
        return kept.isEmpty() ? QStringLiteral("localhost") : kept;
    }();
    return part;
}

// The umask as the system shows it; setting it to read it back would change
// it for every thread for a moment.
mode_t currentUmask()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (!line.startsWith("Umask:"))
                continue;
            bool ok = false;
            const uint mask = line.mid(6).trimmed().toUInt(&ok, 8);
            if (ok)
                return mode_t(mask & 0777);
        }
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

QString kindOf(mode_t mode)
{
    if (S_ISFIFO(mode))
        return QStringLiteral("普通のファイルではなく名前付きパイプ（FIFO）です");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("普通のファイルではなくデバイスです");
    if (S_ISSOCK(mode))
        return QStringLiteral("普通のファイルではなくソケットです");
    return QStringLiteral("普通のファイルではありません");
}

QString linkText(const QByteArray &link)
{
    QByteArray target(PATH_MAX, '\0');
    const ssize_t n = ::readlink(link.constData(), target.data(), size_t(target.size()));
    if (n <= 0 || n >= target.size())
        return QString();
    target.truncate(n);
    return QFile::decodeName(target);
}

// Removes what runs of this program on this machine left in `folder` when
// they were killed: files of its own temporary naming, owned by this user,
// whose process has ended. Nothing else is touched: not another user's, not
// another machine's, not a living process's, nothing but a regular file.
void removeAbandoned(const QString &folder)
{
    static const QRegularExpression ours(
        QStringLiteral("^\\..+%1%2-(\\d{1,10})-[a-z0-9]{6}$")
            .arg(QRegularExpression::escape(kMarker), QRegularExpression::escape(hostPart())));
    const QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral(".*") + kMarker + QLatin1Char('*')},
                                            QDir::Files | QDir::System | QDir::Hidden);
    for (const QString &name : names) {
        const QRegularExpressionMatch match = ours.match(name);
        if (!match.hasMatch())
            continue;
        const qint64 pid = match.captured(1).toLongLong();
        if (pid <= 0 || pid > INT_MAX || pid == ::getpid())
            continue;
        const QByteArray path = encoded(dir.filePath(name));
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid())
            continue;
        // Alive, or someone else's process: either way not abandoned.
        if (::kill(pid_t(pid), 0) == 0 || errno != ESRCH)
            continue;
        ::unlink(path.constData());
    }
}

}  // namespace

Result<QString> replaceableTarget(const QString &path)
{
    if (path.isEmpty())
        return Failure{describeFileError(ENOENT)};
    QString current = QFileInfo(path).absoluteFilePath();
    for (int links = 0;; ++links) {
        const QByteArray name = encoded(current);
        struct stat st {};
        if (::lstat(name.constData(), &st) != 0) {
            if (errno != ENOENT)
                return Failure{describeFileError(errno)};
            // Nothing there yet: a new file, in a folder that must exist.
            struct stat folder {};
            if (::stat(encoded(QFileInfo(current).absolutePath()).constData(), &folder) != 0
                || !S_ISDIR(folder.st_mode))
                return Failure{describeFileError(ENOENT)};
            return current;
        }
        if (S_ISLNK(st.st_mode)) {
            if (links == kMaxLinks)
                return Failure{describeFileError(ELOOP)};
            const QString linked = linkText(name);
            if (linked.isEmpty())
                return Failure{describeFileError(errno ? errno : EINVAL)};
            current = QDir(QFileInfo(current).absolutePath()).absoluteFilePath(linked);
            continue;
        }
        if (S_ISDIR(st.st_mode))
            return Failure{describeFileError(EISDIR)};
        if (!S_ISREG(st.st_mode))
            return Failure{kindOf(st.st_mode)};
        if (::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0)
            return Failure{describeFileError(errno)};
        if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            return Failure{describeFileError(EACCES)};
        return current;
    }
}

QString cannotWrite(const QString &path, const QString &reason)
{
    return QStringLiteral("ファイル %1 に書き込めません（%2）")
        .arg(shownName(QDir::toNativeSeparators(path)), reason);
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
    case ENOENT:
    case ENOTDIR: return QStringLiteral("フォルダーがありません");
    case EISDIR: return QStringLiteral("同じ名前のフォルダーがあります");
    case ELOOP: return QStringLiteral("シンボリックリンクが循環しています");
    case EIO: return QStringLiteral("入出力エラーです");
    default: return QString::fromLocal8Bit(std::strerror(errorNumber));
    }
}

QString temporaryFileName(const QString &stem, qint64 pid, const QString &random)
{
    const QString tail = kMarker + hostPart() + QLatin1Char('-') + QString::number(pid) + QLatin1Char('-')
                         + random;
    // A long target name leaves no room for the rest within the system's
    // limit on one name: its end gives way.
    QString kept = stem;
    while (!kept.isEmpty() && encoded(QLatin1Char('.') + kept + tail).size() > NAME_MAX)
        kept.chop(kept.size() > 1 && kept.back().isLowSurrogate() ? 2 : 1);
    return QLatin1Char('.') + kept + tail;
}

Result<std::unique_ptr<CheckedFile>> CheckedFile::create(const QString &folder, const QString &stem)
{
    removeAbandoned(folder);
    static const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789");
    const QDir dir(folder);
    int lastErrno = EEXIST;
    for (int attempt = 0; attempt < 100 && lastErrno == EEXIST; ++attempt) {
        QString random;
        for (int i = 0; i < 6; ++i)
            random += letters.at(QRandomGenerator::global()->bounded(int(letters.size())));
        const QString path = dir.filePath(temporaryFileName(stem, ::getpid(), random));
        const int fd = ::open(encoded(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                              0600);
        if (fd >= 0) {
            std::unique_ptr<CheckedFile> file(new CheckedFile(fd, path, 0666 & ~currentUmask()));
            file->QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
            return file;
        }
        lastErrno = errno;
    }
    return Failure{describeFileError(lastErrno)};
}

CheckedFile::CheckedFile(int fd, QString path, mode_t newFileMode)
    : m_fd(fd), m_path(std::move(path)), m_newFileMode(newFileMode)
{
}

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

Result<> CheckedFile::closeChecked(bool sync)
{
    if (m_closed) {
        if (m_writeErrno != 0)
            return Failure{describeFileError(m_writeErrno)};
        return {};
    }
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
        removeTemporary();
        m_path.clear();
        return Failure{describeFileError(problem)};
    }
    return {};
}

Result<> CheckedFile::replace(const QString &target)
{
    if (!m_closed || m_writeErrno != 0 || m_path.isEmpty())
        return Failure{describeFileError(m_writeErrno ? m_writeErrno : EIO)};
    // Asked again at the last moment: what stands at the target may have
    // changed while the file was written.
    const Result<QString> checked = replaceableTarget(target);
    if (!checked)
        return Failure{checked.failure()};
    const QByteArray to = encoded(*checked);
    struct stat old {};
    const mode_t mode = ::stat(to.constData(), &old) == 0 ? (old.st_mode & 07777) : m_newFileMode;
    (void)::chmod(encoded(m_path).constData(), mode);
    if (::rename(encoded(m_path).constData(), to.constData()) != 0)
        return Failure{describeFileError(errno)};
    m_kept = true;
    syncFolder(QFileInfo(*checked).absolutePath());
    return {};
}

Result<> writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    // Written beside the target and renamed over it only once every byte is
    // on the disk, so a full disk keeps the previous file whole.
    const Result<QString> target = replaceableTarget(path);
    if (!target)
        return Failure{cannotWrite(path, target.failure())};
    const QFileInfo info(*target);
    const Result<std::unique_ptr<CheckedFile>> created = CheckedFile::create(info.absolutePath(),
                                                                             info.fileName());
    if (!created)
        return Failure{cannotWrite(path, created.failure())};
    CheckedFile &file = **created;
    (void)file.write(bytes);  // a failed write is kept and told by closeChecked()
    Result<> done = file.closeChecked(true);
    if (done)
        done = file.replace(*target);
    if (!done)
        return Failure{cannotWrite(path, done.failure())};
    return {};
}

}  // namespace bks
