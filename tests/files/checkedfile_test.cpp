// Every file the program writes passes one check of what stands at its name
// and one atomic writer; what they refuse is left exactly as it was.
#include "files/checkedfile.h"

#include "files/datafile.h"
#include "files/environmentfile.h"
#include "tests/files/filetestutil.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
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

mode_t typeOf(const QString &path)
{
    struct stat st {};
    return ::lstat(enc(path).constData(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
}

bool makeSocket(const QString &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = enc(path);
    if (name.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    if (fd >= 0)
        ::close(fd);
    return bound;
}

// Neither the check nor the writer takes `path`; the message names it and
// why; what stands there is of the same kind as before.
::testing::AssertionResult refused(const QString &path, const QString &reason)
{
    const mode_t before = typeOf(path);
    const Result<QString> target = replaceableTarget(path);
    const Result<> written = writeFileAtomically(path, "new");
    if (target || written)
        return ::testing::AssertionFailure() << "taken";
    if (!target.failure().contains(reason) || !written.failure().contains(reason)
        || !written.failure().contains(path))
        return ::testing::AssertionFailure() << written.failure().toStdString();
    if (typeOf(path) != before)
        return ::testing::AssertionFailure() << "replaced";
    return ::testing::AssertionSuccess();
}

TEST(ReplaceableTarget, RefusesWhatIsNoFileTheUserMayReplace)
{
    QTemporaryDir dir;
    auto at = [&dir](const char *name) { return dir.filePath(QString::fromUtf8(name)); };
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    ASSERT_EQ(::mkfifo(enc(at("fifo")).constData(), 0644), 0);
    ASSERT_TRUE(makeSocket(at("socket")));
    ASSERT_TRUE(test::writeBytes(at("protected.txt"), "keep"));
    // chmod 444: refused even for root, whom the system would let write it.
    ASSERT_TRUE(
        QFile::setPermissions(at("protected.txt"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    ASSERT_TRUE(QFile::link(at("loop2"), at("loop1")) && QFile::link(at("loop1"), at("loop2")));
    ASSERT_TRUE(QFile::link(at("fifo"), at("to-fifo")));
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);

    const std::pair<const char *, const char *> cases[] = {
        {"folder", "フォルダー"}, {"fifo", "FIFO"},
        {"to-fifo", "FIFO"},  // a link is judged by what it leads to
        {"socket", "ソケット"},   {"protected.txt", "許可されていません"},
        {"loop1", "循環"},        {"missing/a.txt", "フォルダーがありません"},
    };
    for (const auto &[name, reason] : cases)
        EXPECT_TRUE(refused(at(name), QString::fromUtf8(reason))) << name;
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
    EXPECT_EQ(typeOf(fifo), mode_t(S_IFIFO));
}

TEST(ReplaceableTarget, RefusesADevice)
{
    // The node is made only where nothing else can see it: a tmpfs in a
    // mount namespace of a child process's own.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        char folder[] = "/tmp/bks-device-XXXXXX";
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
            || !::mkdtemp(folder) || ::mount("tmpfs", folder, "tmpfs", 0, "size=64k") != 0)
            ::_exit(77);
        const QString node = QFile::decodeName(folder) + QStringLiteral("/null");
        if (::mknod(enc(node).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
            ::_exit(77);
        const bool ok = refused(node, QStringLiteral("デバイス"));
        ::umount2(folder, MNT_DETACH);
        ::rmdir(folder);
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77)
        GTEST_SKIP() << "a private mount namespace and a device node need root";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "a device node was taken for a file";
}

TEST(ReplaceableTarget, FollowsAChainOfLinksToItsEnd)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("other")));
    const QString real = dir.filePath(QStringLiteral("other/real.pdf"));
    ASSERT_TRUE(test::writeBytes(real, "old"));
    // l2 -> l1 -> other/real.pdf, relative links as users make them; l3
    // names a file that is not there yet.
    ASSERT_EQ(::symlink("other/real.pdf", enc(dir.filePath(QStringLiteral("l1"))).constData()), 0);
    ASSERT_EQ(::symlink("l1", enc(dir.filePath(QStringLiteral("l2"))).constData()), 0);
    ASSERT_EQ(::symlink("other/new.pdf", enc(dir.filePath(QStringLiteral("l3"))).constData()), 0);

    for (const auto &[link, file] :
         {std::pair(QStringLiteral("l2"), real),
          std::pair(QStringLiteral("l3"), dir.filePath(QStringLiteral("other/new.pdf")))}) {
        SCOPED_TRACE(link.toStdString());
        EXPECT_EQ(replaceableTarget(dir.filePath(link)).value(), file);
        ASSERT_TRUE(writeFileAtomically(dir.filePath(link), "new"));
        EXPECT_EQ(test::readBytes(file), QByteArray("new"));
    }
    for (const char *link : {"l1", "l2", "l3"})
        EXPECT_EQ(typeOf(dir.filePath(QString::fromLatin1(link))), mode_t(S_IFLNK)) << link;
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("other"))).entryList(QDir::Files | QDir::Hidden),
              QStringList({QStringLiteral("new.pdf"), QStringLiteral("real.pdf")}));
}

TEST(CheckedFile, TemporaryFileIsItsOwnersAloneAndANewFileGetsTheUsualMode)
{
    QTemporaryDir dir;
    const Result<std::unique_ptr<CheckedFile>> file = CheckedFile::create(dir.path(), QStringLiteral("job"));
    ASSERT_TRUE(file);
    struct stat st {};
    ASSERT_EQ(::stat(enc((*file)->path()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    const mode_t mask = ::umask(022);
    ::umask(mask);
    const QString fresh = dir.filePath(QStringLiteral("fresh.txt"));
    ASSERT_TRUE(writeFileAtomically(fresh, "x"));
    ASSERT_EQ(::stat(enc(fresh).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0666 & ~mask);
}

// After runs killed with kill -9, the next write in the folder clears what
// they left, and nothing else.
TEST(CheckedFile, RemovesOnlyWhatItsOwnKilledRunsLeftBehind)
{
    QTemporaryDir dir;
    const pid_t dead = ::fork();
    if (dead == 0)
        ::_exit(0);
    ASSERT_GT(dead, 0);
    ASSERT_EQ(::waitpid(dead, nullptr, 0), dead);
    auto tmp = [&dir](const char *stem, qint64 pid, const char *random) {
        return dir.filePath(temporaryFileName(QString::fromUtf8(stem), pid, QString::fromLatin1(random)));
    };
    const QStringList abandoned = {tmp("sheets.pdf", dead, "aaaaaa"), tmp("BKS.ini", dead, "bbbbbb")};
    const QStringList kept = {tmp("sheets.pdf", ::getpid(), "cccccc"), tmp("sheets.pdf", 1, "dddddd"),
                              dir.filePath(QStringLiteral(".sheets.pdf.bak")),
                              dir.filePath(QStringLiteral("sheets.pdf"))};
    for (const QString &path : abandoned + kept)
        ASSERT_TRUE(test::writeBytes(path, "x"));
    const QString fifo = tmp("sheets.pdf", dead, "eeeeee");
    ASSERT_EQ(::mkfifo(enc(fifo).constData(), 0600), 0);
    QStringList expected = kept + QStringList{fifo};
    if (::geteuid() == 0) {  // another user's file, though named as ours
        const QString theirs = tmp("sheets.pdf", dead, "ffffff");
        ASSERT_TRUE(test::writeBytes(theirs, "x"));
        ASSERT_EQ(::chown(enc(theirs).constData(), 65534, 65534), 0);
        expected << theirs;
    }

    ASSERT_TRUE(writeFileAtomically(dir.filePath(QStringLiteral("sheets.pdf")), "new"));
    QStringList left;
    for (const QString &name :
         QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        left << dir.filePath(name);
    left.sort();
    expected.sort();
    EXPECT_EQ(left, expected);
}

TEST(WriteFileAtomically, AWriteThatCannotCompleteLeavesThePreviousFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    ASSERT_TRUE(test::writeBytes(path, QByteArray("previous")));

    // A file-size limit makes the write stop part way, as a full disk does.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const Result<> written = writeFileAtomically(path, QByteArray(1 << 20, 'y'));
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_TRUE(written.failure().contains(QStringLiteral("大きすぎます")))
        << written.failure().toStdString();
    EXPECT_EQ(test::readBytes(path), QByteArray("previous"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("a.txt")});
}

}  // namespace
}  // namespace bks
