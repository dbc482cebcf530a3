// A PDF takes the place of an earlier file at its path only when it was
// written completely; anything else leaves the earlier file and no partial
// one behind.
#include "print/surfaces/qtprintsurface.h"
#include "tests/print/pdftools.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>

namespace bks {
namespace {

const QByteArray kOldPdf = "%PDF-1.4 the sheets printed last week\n%%EOF\n";
// What stays free on the small disk: less than the test run's PDF, which in
// turn stays below a 16 KB write buffer, so a fault cannot hide in a large
// file's early writes.
constexpr qint64 kRoom = 4096;
constexpr qint64 kWriteBuffer = 16384;

// A run of two small sheets.
void drawRun(PrintSurface &s)
{
    for (int sheet = 0; sheet < 2; ++sheet) {
        s.setScaleMode(PrintSurface::Millimetres);
        s.setFontName(QStringLiteral("BIZ UDMincho"));
        s.setFontSize(20);
        for (int row = 0; row < 6; ++row)
            s.line(PrintSurface::Box, 10, 10 + 30 * row, 190, 35 + 30 * row, 0);
        s.setCurrentX(20);
        s.setCurrentY(20);
        s.print(QStringLiteral("漢字練習帳　右左森林"));
        s.endDoc();
        s.newPage();
    }
}

// Draws the run; a failing surface may already throw while drawing.
bool writeRun(const QString &path, QString *error)
{
    auto surface = openPrintSurface(PrinterChoice{QString(), path});
    try {
        drawRun(*surface);
    } catch (const PrintSurfaceError &) {
    }
    const Result<> finished = surface->finish();
    if (!finished && error)
        *error = finished.failure();
    return finished.ok();
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void put(const QString &path, const QByteArray &data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(data), data.size());
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// A folder with kRoom bytes left: a small tmpfs filled up where mounting is
// allowed, otherwise this process's file-size limit. Writing past it fails
// as on a full disk.
class SmallDisk {
public:
    SmallDisk()
    {
        m_mounted = ::mount("tmpfs", QFile::encodeName(path()).constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted) {
            ::umount2(QFile::encodeName(path()).constData(), MNT_DETACH);
        } else if (m_limited) {
            ::setrlimit(RLIMIT_FSIZE, &m_oldLimit);
            std::signal(SIGXFSZ, m_oldHandler);
        }
    }
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return QDir(path()).filePath(name); }

    // Takes away all room but kRoom; files already there stay.
    void fill()
    {
        if (m_mounted) {
            for (int i = 0;; ++i) {
                QFile filler(file(QStringLiteral("filler%1").arg(i)));
                ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
                const bool whole = filler.write(QByteArray(int(kRoom), 'x')) == kRoom && filler.flush();
                filler.close();
                if (!whole) {
                    filler.remove();
                    ASSERT_GT(i, 0);
                    QFile::remove(file(QStringLiteral("filler%1").arg(i - 1)));
                    return;
                }
            }
        }
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &m_oldLimit), 0);
        rlimit limit = m_oldLimit;
        limit.rlim_cur = kRoom;
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
        m_limited = true;
    }
    // The files a test sees, without the filler.
    QStringList files() const
    {
        return entries(path()).filter(QRegularExpression(QStringLiteral("^(?!filler)")));
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    bool m_limited = false;
    rlimit m_oldLimit{};
    void (*m_oldHandler)(int) = SIG_DFL;
};

TEST(PdfReplacement, CompleteRunTakesThePlaceOfTheOldFileAndKeepsItsPermissions)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("練習帳.pdf"));
    put(pdf, kOldPdf);
    QFile::setPermissions(pdf, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);

    QString error;
    ASSERT_TRUE(writeRun(pdf, &error)) << error.toStdString();
    const QByteArray written = contents(pdf);
    EXPECT_TRUE(written.startsWith("%PDF-"));
    EXPECT_TRUE(written.trimmed().endsWith("%%EOF"));
    if (test::HaveTool(QStringLiteral("pdfinfo"))) {
        EXPECT_EQ(test::PdfPageCount(pdf), 2);
    }
    const QFile::Permissions everyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                        | QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup
                                        | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFileInfo(pdf).permissions() & everyone,
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("練習帳.pdf")}) << "no temporary file left";
}

TEST(PdfReplacement, LinkToTheTargetStaysALink)
{
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("real.pdf"));
    const QString link = dir.filePath(QStringLiteral("link.pdf"));
    put(real, kOldPdf);
    ASSERT_TRUE(QFile::link(real, link));
    ASSERT_TRUE(writeRun(link, nullptr));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(contents(real).startsWith("%PDF-"));
    EXPECT_NE(contents(real), kOldPdf);
}

TEST(PdfReplacement, FullDiskKeepsTheOldFileAndLeavesNoPartialOne)
{
    // The premise: the run's PDF is bigger than the room left and smaller
    // than a write buffer.
    const QString roomy = test::ScratchPath(QStringLiteral("roomy.pdf"));
    ASSERT_TRUE(writeRun(roomy, nullptr));
    const qint64 size = QFileInfo(roomy).size();
    ASSERT_GT(size, kRoom);
    ASSERT_LT(size, kWriteBuffer);

    SmallDisk disk;
    const QString old = disk.file(QStringLiteral("old.pdf"));
    const QString fresh = disk.file(QStringLiteral("new.pdf"));
    put(old, kOldPdf);
    disk.fill();

    for (const QString &pdf : {old, fresh}) {
        SCOPED_TRACE(pdf.toStdString());
        QString error;
        EXPECT_FALSE(writeRun(pdf, &error));
        EXPECT_TRUE(error.contains(pdf)) << error.toStdString();
    }
    EXPECT_EQ(contents(old), kOldPdf);
    EXPECT_EQ(disk.files(), QStringList{QStringLiteral("old.pdf")});
}

TEST(PdfReplacement, RunThatNeverFinishesLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheets.pdf"));
    put(pdf, kOldPdf);
    {
        auto surface = openPrintSurface(PrinterChoice{QString(), pdf});
        drawRun(*surface);
    }
    EXPECT_EQ(contents(pdf), kOldPdf);
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("sheets.pdf")});
}

TEST(PdfReplacement, FolderInThePlaceOfTheFileIsReported)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(writeRun(dir.path(), &error));
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(dir.path()))) << error.toStdString();
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());
    EXPECT_TRUE(entries(dir.path()).isEmpty());
}

}  // namespace
}  // namespace bks
