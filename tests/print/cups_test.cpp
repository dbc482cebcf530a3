#include "print/surfaces/qtprintsurface.h"

#include "common/shownname.h"
#include "print/layouts/sheetlayout.h"
#include "tests/print/layout_helpers.h"
#include "tests/print/pdftools.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QThread>

#include <gtest/gtest.h>

#include <cups/cups.h>

#include <tuple>

namespace bks {
namespace {

using test::printPractice;

// .ci/cups-setup.sh creates this queue; it writes every job to one file.
const QString kQueue = QStringLiteral("bkstest");
const QString kQueueFile = QStringLiteral("/tmp/bkstest.prn");

int completedJobs()
{
    const auto out = test::RunTool(QStringLiteral("lpstat"),
                                   {QStringLiteral("-W"), QStringLiteral("completed"), QStringLiteral("-o"),
                                    kQueue});
    return out ? int(out->split(QLatin1Char('\n'), Qt::SkipEmptyParts).size()) : -1;
}

bool jobsPending()
{
    const auto out = test::RunTool(QStringLiteral("lpstat"), {QStringLiteral("-o"), kQueue});
    return !out || !out->trimmed().isEmpty();
}

TEST(CupsQueue, TwoSheetRunArrivesAsOneJobOfTwoPages)
{
    if (QPrinterInfo::printerInfo(kQueue).isNull())
        GTEST_SKIP() << "no CUPS queue " << kQueue.toStdString() << " (run .ci/cups-setup.sh)";
    for (int i = 0; i < 100 && jobsPending(); ++i)
        QThread::msleep(100);
    const int before = completedJobs();
    ASSERT_GE(before, 0);
    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);

    SheetSettings settings;
    settings.fontName = QStringLiteral("BIZ UDMincho");
    settings.headings = kDefaultHeadings;
    {
        auto surface = openPrintSurface(PrinterChoice{kQueue, QString()});
        // The run's order of calls: sheet, EndDoc, NewPage, ..., final EndDoc.
        printPractice(*surface, 2, test::practiceContent(QStringLiteral("一二"), 1), settings);
        surface->newPage();
        printPractice(*surface, 2, test::practiceContent(QStringLiteral("三　"), 2), settings);
        surface->newPage();
        surface->endDoc();
        const Result<> finished = surface->finish();
        ASSERT_TRUE(finished.ok()) << finished.failure().toStdString();
    }

    int after = before;
    for (int i = 0; i < 300 && (after == before || jobsPending()); ++i) {
        QThread::msleep(100);
        after = completedJobs();
    }
    EXPECT_EQ(after - before, 1) << "one job for the whole run";

    const QFileInfo written(kQueueFile);
    ASSERT_TRUE(written.exists());
    EXPECT_GE(written.lastModified(), started);
    QFile file(kQueueFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    int pages = 0;
    while (!file.atEnd()) {
        if (file.readLine().startsWith("%%Page:"))
            ++pages;
    }
    EXPECT_EQ(pages, 2);
}

TEST(CupsQueue, PrintableAreaIsThePrintersOwn)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(kQueue);
    if (info.isNull())
        GTEST_SKIP() << "no CUPS queue " << kQueue.toStdString();
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Millimeter);

    auto surface = openPrintSurface(PrinterChoice{kQueue, QString()});
    surface->setScaleMode(PrintSurface::Millimetres);
    EXPECT_NEAR(surface->scaleWidth(), area.width(), 0.01);
    EXPECT_NEAR(surface->scaleHeight(), area.height(), 0.01);
    surface->setOrientation(PrintSurface::Landscape);
    EXPECT_NEAR(surface->scaleWidth(), area.height(), 0.01);
    // Nothing drawn: no job is sent. Jobs of other tests settle first: none
    // pending, and the count of finished ones the same twice in a row (the
    // scheduler files a job as completed a moment after it leaves the queue).
    int before = -1;
    for (int i = 0; i < 100; ++i) {
        const int seen = completedJobs();
        if (!jobsPending() && seen == before)
            break;
        before = seen;
        QThread::msleep(100);
    }
    EXPECT_TRUE(surface->finish().ok());
    QThread::msleep(300);
    EXPECT_FALSE(jobsPending());
    EXPECT_EQ(completedJobs(), before);
}

// A missing queue and a scheduler that does not answer are told apart, and
// a queue name shows what control characters it holds.
TEST(CupsQueue, MissingQueueAndUnreachableSchedulerAreToldApart)
{
    const auto status = test::RunTool(QStringLiteral("lpstat"), {QStringLiteral("-r")});
    const bool schedulerUp = status && !status->contains(QLatin1String("not running"));
    const std::tuple<const char *, QString, const char *> cases[] = {
        {"127.0.0.1:9", QStringLiteral("q\x1b[2J"),
         "印刷システム（CUPS、127.0.0.1:9）に接続できない"},  // nothing listens there
        {nullptr, QStringLiteral("no-such-queue-here"), schedulerUp ? "見つかりません" : "接続できない"},
    };
    for (const auto &[server, queue, said] : cases) {
        cupsSetServer(server);
        try {
            openPrintSurface(PrinterChoice{queue, QString()});
            ADD_FAILURE() << "opened " << queue.toStdString();
        } catch (const PrintSurfaceError &e) {
            const QString message = QString::fromUtf8(e.what());
            EXPECT_TRUE(message.contains(QString::fromUtf8(said))) << message.toStdString();
            EXPECT_TRUE(message.contains(shownName(queue)) && !message.contains(QChar(0x1B)))
                << message.toStdString();
        }
        cupsSetServer(nullptr);
    }
}

}  // namespace
}  // namespace bks
