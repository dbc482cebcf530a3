#pragma once

#include <QString>
#include <QStringList>

namespace bks::test {

// Whether a CUPS scheduler answers and queues can be added (root, or a
// member of lpadmin).
bool CupsAvailable();

// Runs a CUPS command-line tool; true when it exits 0.
bool RunCupsTool(const QString &tool, const QStringList &arguments, QString *output = nullptr);

// A queue of its own for one test, writing to /dev/null through the
// generic PostScript driver, deleted again at the end of the test.
class ScratchQueue {
public:
    // `options` are lpadmin -o settings such as "Duplex=DuplexNoTumble".
    explicit ScratchQueue(const QString &name, const QStringList &options = {});
    ~ScratchQueue();
    ScratchQueue(const ScratchQueue &) = delete;
    ScratchQueue &operator=(const ScratchQueue &) = delete;

    bool ok() const { return m_ok; }
    const QString &name() const { return m_name; }
    // Deletes the queue now (as an administrator might during a run).
    void remove();
    // Jobs still waiting on the queue.
    int pendingJobs() const;

private:
    QString m_name;
    bool m_ok = false;
};

}  // namespace bks::test
