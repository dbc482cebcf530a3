#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <memory>

#include <sys/types.h>

namespace bks {

// The file that writing `path` creates or replaces: its chain of symbolic
// links followed to the end, so every link in it stays a link. Refused, with
// the reason in Japanese: a folder, a device, a FIFO or a socket at the end
// of the chain; a file the user may not write, or one that nobody may write
// (even root, whom the system lets write anything: a write-protected file
// was protected on purpose); a chain that loops; a missing folder. A chain
// that ends in a name nothing stands for yet creates that file, as the
// shell does.
Result<QString> replaceableTarget(const QString &path);

// A new file beside its target, under a hidden temporary name, that
// remembers every write that did not reach it completely (a full disk, a
// file-size limit). Nothing is buffered here, so a fault is seen at the
// write that meets it. The file is removed again unless it is moved to its
// final name; one that a killed run left behind carries that run's process
// id, and the next file made in the same folder removes it.
class CheckedFile : public QIODevice {
public:
    // Creates the temporary file for `stem` in `folder`, open for writing and
    // readable by its owner only.
    static Result<std::unique_ptr<CheckedFile>> create(const QString &folder, const QString &stem);
    ~CheckedFile() override;

    QString path() const { return m_path; }
    // Whether a write has already failed; the reason is errorString().
    bool failed() const { return m_writeErrno != 0; }

    // Closes the file; with `sync` its data is on the disk first. Fails when
    // any byte was not written or the close failed.
    Result<> closeChecked(bool sync);
    // After closeChecked(): puts the file in the place of `target`, which
    // replaceableTarget() must still allow. A file already there passes its
    // permissions on; a new one gets those of any new file (0666 less the
    // umask). The old target stays as it was when this fails.
    Result<> replace(const QString &target);

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    CheckedFile(int fd, QString path, mode_t newFileMode);
    void removeTemporary();

    int m_fd = -1;
    QString m_path;
    mode_t m_newFileMode = 0644;
    int m_writeErrno = 0;
    bool m_closed = false;
    bool m_kept = false;
};

// The name of the temporary file for `stem` that process `pid` writes; the
// last part is chosen at random for each file.
QString temporaryFileName(const QString &stem, qint64 pid, const QString &random);

// Writes `bytes` to `path` atomically: the whole new content is there
// afterwards, or the previous file is left untouched and the failure says
// why.
Result<> writeFileAtomically(const QString &path, const QByteArray &bytes);

// The one wording of a failed write: the file and the reason.
QString cannotWrite(const QString &path, const QString &reason);

// The text shown for a system error number: the usual causes of a failed
// write in words, anything else as the system says it.
QString describeFileError(int errorNumber);

}  // namespace bks
