#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <unistd.h>

namespace bks::test {

// A real, tiny file system (tmpfs) that can be filled to the last byte, to see
// what the program does when the disk is full. Mounting needs root; where it
// cannot be had, ok() is false and the test skips.
class FullDisk {
public:
    explicit FullDisk(int kib = 64)
    {
        if (!m_dir.isValid() || geteuid() != 0)
            return;
        const QByteArray options = "size=" + QByteArray::number(kib) + "k";
        m_mounted = ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0,
                            options.constData())
                    == 0;
    }
    ~FullDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    bool ok() const { return m_mounted; }
    QString filePath(const QString &name) const { return QDir(m_dir.path()).filePath(name); }

    // Takes every free byte, so the next write fails however small it is.
    void fill()
    {
        QFile filler(filePath(QStringLiteral(".filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
            return;
        const QByteArray block(512, 'x');
        while (filler.write(block) == block.size()) {
        }
        while (filler.write("x", 1) == 1) {
        }
    }
    // Everything in the folder but the filler.
    QStringList entries() const
    {
        QStringList names = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
        names.removeAll(QStringLiteral(".filler"));
        return names;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

}  // namespace bks::test
