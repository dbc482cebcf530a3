#pragma once

#include <QIODevice>
#include <QString>

#include <memory>

namespace bks {

// A new file under a hidden temporary name that remembers every write that
// did not reach it completely (a full disk, a file-size limit). Nothing is
// buffered here, so a fault is seen at the write that meets it. The file is
// removed again unless it is moved to its final name.
class CheckedFile : public QIODevice {
public:
    // Creates ".<stem>-XXXXXX" in `folder`, open for writing. On failure
    // returns nullptr and describes why in Japanese.
    static std::unique_ptr<CheckedFile> create(const QString &folder, const QString &stem, QString *error);
    ~CheckedFile() override;

    QString path() const { return m_path; }
    // Whether a write has already failed; the reason is errorString().
    bool failed() const { return m_writeErrno != 0; }

    // Closes the file; with `sync` its data is on the disk first. Returns
    // false when any byte was not written or the close failed.
    bool closeChecked(bool sync, QString *error);
    // After closeChecked(): puts the file in the place of `target` (keeping
    // the permissions of a file already there). The old target stays as it
    // was when this fails.
    bool replace(const QString &target, QString *error);

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    CheckedFile(int fd, QString path);
    void removeTemporary();

    int m_fd = -1;
    QString m_path;
    int m_writeErrno = 0;
    bool m_closed = false;
    bool m_kept = false;
};

// The file a name stands for when it is replaced: a symbolic link is
// replaced at its target, so the link itself survives.
QString ReplacementTarget(const QString &path);

// The text shown for a system error number: the usual causes of a failed
// write in words, anything else as the system says it.
QString describeFileError(int errorNumber);

}  // namespace bks
