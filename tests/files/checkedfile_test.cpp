// Every file the program writes passes one check of what stands at its name
// and one atomic writer; what they refuse is left exactly as it was.
#include "files/checkedfile.h"

#include "files/datafile.h"
#include "files/environmentfile.h"
#include "tests/files/filetestutil.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <sched.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace bks {
namespace {

QByteArray enc(const QString &path)
{
    return QFile::encodeName(path);
}

mode_t modeOf(const QString &path)
{
    struct stat st {};
    return ::lstat(enc(path).constData(), &st) == 0 ? st.st_mode : 0;
}

bool makeSocket(const QString &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, enc(path).constData(), sizeof address.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

// Neither the check nor the writer takes `path`, the message names it and
// why, and what stands there is of the same kind as before.
::testing::AssertionResult refused(const QString &path, const QString &reason)
{
    const mode_t before = modeOf(path) & S_IFMT;
    const Result<QString> target = replaceableTarget(path);
    const Result<> written = writeFileAtomically(path, "new");
    if (target || written || !target.failure().contains(reason) || !written.failure().contains(reason)
        || !written.failure().contains(path) || (modeOf(path) & S_IFMT) != before)
        return ::testing::AssertionFailure() << path.toStdString() << ": " << written.failure().toStdString();
    return ::testing::AssertionSuccess();
}

TEST(ReplaceableTarget, RefusesWhatIsNoFileTheUserMayReplace)
{
    QTemporaryDir dir;
    auto at = [&dir](const char *name) { return dir.filePath(QString::fromUtf8(name)); };
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    ASSERT_EQ(::mkfifo(enc(at("fifo")).constData(), 0644), 0);
    ASSERT_TRUE(makeSocket(at("socket")));
    // chmod 444: refused even for root, whom the system would let write it.
    ASSERT_TRUE(test::writeBytes(at("protected.txt"), "keep"));
    ASSERT_EQ(::chmod(enc(at("protected.txt")).constData(), 0444), 0);
    ASSERT_TRUE(QFile::link(at("loop2"), at("loop1")) && QFile::link(at("loop1"), at("loop2")));
    ASSERT_TRUE(QFile::link(at("fifo"), at("to-fifo")));
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);

    const std::pair<const char *, const char *> cases[] = {
        {"folder", "フォルダー"},
        {"fifo", "FIFO"},
        {"to-fifo", "FIFO"},
        {"socket", "ソケット"},
        {"protected.txt", "許可されていません"},
        {"loop1", "循環"},
        {"missing/a.txt", "フォルダーがありません"},
    };
    for (const auto &[name, reason] : cases)
        EXPECT_TRUE(refused(at(name), QString::fromUtf8(reason)));
    EXPECT_EQ(test::readBytes(at("protected.txt")), QByteArray("keep"));
    // Nothing of the refused writes is left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), before);
}

// The settings, the temporary copy and the kanji lists all pass the check
// (the PDF: tests/app/cli_test.cpp).
TEST(ReplaceableTarget, GuardsEveryFileTheProgramKeeps)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(kTempFileName);
    ASSERT_EQ(::mkfifo(enc(fifo).constData(), 0644), 0);
    EXPECT_FALSE(WriteEnvironmentFile(QStringLiteral("a"), fifo));
    EXPECT_FALSE(SaveDataFile(fifo, QStringLiteral("山")));
    EXPECT_FALSE(SaveTempDataFile(QStringLiteral("山"), dir.path()));
    EXPECT_TRUE(S_ISFIFO(modeOf(fifo)));
}

TEST(ReplaceableTarget, RefusesADevice)
{
    // The node is made only where nothing else sees it: a tmpfs in a child
    // process's own mount namespace.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        char folder[] = "/tmp/bks-device-XXXXXX";
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
            || !::mkdtemp(folder) || ::mount("tmpfs", folder, "tmpfs", 0, "size=64k") != 0)
            ::_exit(77);
        const QString node = QFile::decodeName(folder) + QStringLiteral("/null");
        const bool made = ::mknod(enc(node).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
        const bool ok = made && refused(node, QStringLiteral("デバイス"));
        ::umount2(folder, MNT_DETACH);
        ::rmdir(folder);
        ::_exit(made ? (ok ? 0 : 1) : 77);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 77)
        GTEST_SKIP() << "a private mount namespace and a device node need root";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a device node was taken for a file";
}

TEST(ReplaceableTarget, FollowsAChainOfLinksToItsEnd)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("other")));
    const QString real = dir.filePath(QStringLiteral("other/real.pdf"));
    const QString fresh = dir.filePath(QStringLiteral("other/new.pdf"));
    ASSERT_TRUE(test::writeBytes(real, "old"));
    // l2 -> l1 -> other/real.pdf, relative as users make them; l3 names a
    // file that is not there yet.
    const std::pair<const char *, const char *> links[] = {{"l1", "other/real.pdf"},
                                                           {"l2", "l1"},
                                                           {"l3", "other/new.pdf"}};
    for (const auto &[link, to] : links)
        ASSERT_EQ(::symlink(to, enc(dir.filePath(QString::fromLatin1(link))).constData()), 0);

    const std::pair<const char *, QString> writes[] = {{"l2", real}, {"l3", fresh}};
    for (const auto &[link, file] : writes) {
        const QString path = dir.filePath(QString::fromLatin1(link));
        EXPECT_EQ(replaceableTarget(path).value(), file);
        ASSERT_TRUE(writeFileAtomically(path, "new"));
        EXPECT_EQ(test::readBytes(file), QByteArray("new"));
        EXPECT_TRUE(S_ISLNK(modeOf(path)));
    }
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("other"))).entryList(QDir::Files | QDir::Hidden),
              QStringList({QStringLiteral("new.pdf"), QStringLiteral("real.pdf")}));
}

TEST(CheckedFile, TemporaryFileIsItsOwnersAloneAndANewFileGetsTheUsualMode)
{
    QTemporaryDir dir;
    const Result<std::unique_ptr<CheckedFile>> file = CheckedFile::create(dir.path(), QStringLiteral("job"));
    ASSERT_TRUE(file);
    EXPECT_EQ(modeOf((*file)->path()) & 0777, 0600u);
    const mode_t mask = ::umask(022);
    ::umask(mask);
    ASSERT_TRUE(writeFileAtomically(dir.filePath(QStringLiteral("fresh.txt")), "x"));
    EXPECT_EQ(modeOf(dir.filePath(QStringLiteral("fresh.txt"))) & 0777, 0666 & ~mask);
}

// After runs killed with kill -9, the next write in the folder clears what
// they left, and nothing else.
TEST(CheckedFile, RemovesOnlyWhatItsOwnKilledRunsLeftBehind)
{
    QTemporaryDir dir;
    const pid_t dead = ::fork();
    if (dead == 0)
        ::_exit(0);
    ASSERT_EQ(::waitpid(dead, nullptr, 0), dead);
    auto tmp = [&dir](const char *stem, qint64 pid, const char *random) {
        return dir.filePath(temporaryFileName(QString::fromUtf8(stem), pid, QString::fromLatin1(random)));
    };
    const QString fifo = tmp("sheets.pdf", dead, "eeeeee");
    QStringList kept = {tmp("sheets.pdf", ::getpid(), "cccccc"), tmp("sheets.pdf", 1, "dddddd"),
                        dir.filePath(QStringLiteral(".sheets.pdf.bak")),
                        dir.filePath(QStringLiteral("sheets.pdf"))};
    for (const QString &path :
         kept + QStringList{tmp("sheets.pdf", dead, "aaaaaa"), tmp("BKS.ini", dead, "bbbbbb")})
        ASSERT_TRUE(test::writeBytes(path, "x"));
    ASSERT_EQ(::mkfifo(enc(fifo).constData(), 0600), 0);
    kept << fifo;
    if (::geteuid() == 0) {  // another user's file, though named as ours
        kept << tmp("sheets.pdf", dead, "ffffff");
        ASSERT_TRUE(test::writeBytes(kept.back(), "x"));
        ASSERT_EQ(::chown(enc(kept.back()).constData(), 65534, 65534), 0);
    }

    ASSERT_TRUE(writeFileAtomically(dir.filePath(QStringLiteral("sheets.pdf")), "new"));
    QStringList left;
    for (const QString &name :
         QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        left << dir.filePath(name);
    left.sort();
    kept.sort();
    EXPECT_EQ(left, kept);
}

}  // namespace
}  // namespace bks
