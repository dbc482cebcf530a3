// What CUPS does with a run's job is what the run reports: refusals are
// failures with CUPS's reason, a job waiting at a stopped queue is said, and
// the choices of the printer dialog reach the job.
#include "print/surfaces/qtprintsurface.h"
#include "print/layouts/sheetlayout.h"
#include "tests/print/layout_helpers.h"
#include "tests/support/cupsqueue.h"

#include <cups/cups.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace bks {
namespace {

using test::printPractice;

using test::RunCupsTool;
using test::ScratchQueue;

struct Outcome {
    bool ok = false;
    QString error;
    QString notice;
};

void drawRun(PrintSurface &s)
{
    SheetSettings settings;
    settings.fontName = QStringLiteral("BIZ UDMincho");
    printPractice(s, 1, test::practiceContent(QStringLiteral("右"), 1), settings);
    s.newPage();
    printPractice(s, 1, test::practiceContent(QStringLiteral("左"), 2), settings);
    s.newPage();
    s.endDoc();
}

Outcome finish(PrintSurface &s)
{
    Outcome o;
    const Result<> finished = s.finish();
    o.ok = finished.ok();
    o.error = finished.failure();
    o.notice = s.notice();
    return o;
}

Outcome printTo(const PrinterChoice &choice)
{
    auto surface = openPrintSurface(choice);
    drawRun(*surface);
    return finish(*surface);
}

PrinterChoice queueChoice(const QString &name)
{
    PrinterChoice choice;
    choice.printerName = name;
    return choice;
}

#define NEED_QUEUE(queue)                                                                                    \
    if (!(queue).ok())                                                                                       \
    GTEST_SKIP() << "no CUPS scheduler to add a queue to (run .ci/cups-setup.sh as root)"

struct IppDeleter {
    void operator()(ipp_t *ipp) const { ippDelete(ipp); }
};

// The attributes of the newest job waiting on `queue`.
std::unique_ptr<ipp_t, IppDeleter> newestJob(const QString &queue)
{
    cups_job_t *jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toUtf8().constData(), 0,
                                   CUPS_WHICHJOBS_ACTIVE);
    int id = 0;
    for (int i = 0; i < count; ++i)
        id = std::max(id, jobs[i].id);
    cupsFreeJobs(count, jobs);
    if (id == 0)
        return nullptr;
    ipp_t *request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    const QByteArray uri = "ipp://localhost/jobs/" + QByteArray::number(id);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "all");
    return std::unique_ptr<ipp_t, IppDeleter>(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
}

QString attribute(ipp_t *job, const char *name)
{
    ipp_attribute_t *a = ippFindAttribute(job, name, IPP_TAG_ZERO);
    if (!a)
        return QString();
    char value[256];
    ippAttributeString(a, value, sizeof value);
    return QString::fromUtf8(value);
}

TEST(CupsJob, RejectingQueueIsARefusalWithCupsReason)
{
    ScratchQueue queue(QStringLiteral("bks-rejecting"));
    NEED_QUEUE(queue);
    ASSERT_TRUE(RunCupsTool(QStringLiteral("cupsreject"), {queue.name()}));
    const Outcome o = printTo(queueChoice(queue.name()));
    EXPECT_FALSE(o.ok);
    EXPECT_TRUE(o.error.contains(queue.name())) << o.error.toStdString();
    EXPECT_TRUE(o.error.contains(QLatin1String("CUPS:"))) << o.error.toStdString();
    EXPECT_EQ(queue.pendingJobs(), 0);
}

TEST(CupsJob, StoppedQueueHoldsTheJobAndSaysSo)
{
    ScratchQueue queue(QStringLiteral("bks-stopped"));
    NEED_QUEUE(queue);
    ASSERT_TRUE(RunCupsTool(QStringLiteral("cupsdisable"), {queue.name()}));
    const Outcome o = printTo(queueChoice(queue.name()));
    EXPECT_TRUE(o.ok) << o.error.toStdString();
    EXPECT_TRUE(o.notice.contains(QStringLiteral("保留"))) << o.notice.toStdString();
    EXPECT_TRUE(o.notice.contains(queue.name())) << o.notice.toStdString();
    EXPECT_EQ(queue.pendingJobs(), 1);
}

TEST(CupsJob, QueueDeletedBeforeTheRunEndsIsARefusal)
{
    ScratchQueue queue(QStringLiteral("bks-vanishing"));
    NEED_QUEUE(queue);
    auto surface = openPrintSurface(queueChoice(queue.name()));
    drawRun(*surface);
    queue.remove();
    const Outcome o = finish(*surface);
    EXPECT_FALSE(o.ok);
    EXPECT_TRUE(o.error.contains(queue.name())) << o.error.toStdString();
}

TEST(CupsJob, UnreachableSchedulerIsARefusal)
{
    ScratchQueue queue(QStringLiteral("bks-unreached"));
    NEED_QUEUE(queue);
    auto surface = openPrintSurface(queueChoice(queue.name()));
    drawRun(*surface);
    cupsSetServer("/nonexistent/cups.sock");
    const Outcome o = finish(*surface);
    cupsSetServer(nullptr);
    EXPECT_FALSE(o.ok);
    EXPECT_TRUE(o.error.contains(QLatin1String("CUPS"))) << o.error.toStdString();
}

TEST(CupsJob, DialogChoicesTravelWithTheJob)
{
    // A queue that prints both sides unless told otherwise, stopped so the
    // jobs stay to be looked at.
    ScratchQueue queue(QStringLiteral("bks-choices"),
                       {QStringLiteral("Option1=True"), QStringLiteral("Duplex=DuplexNoTumble")});
    NEED_QUEUE(queue);
    ASSERT_TRUE(RunCupsTool(QStringLiteral("cupsdisable"), {queue.name()}));

    PrinterChoice choice = queueChoice(queue.name());
    choice.copies = 3;
    choice.pageRanges = QStringLiteral("2");
    choice.queueOptions = {{QStringLiteral("InputSlot"), QStringLiteral("Manual")},
                           {QStringLiteral("Duplex"), QStringLiteral("DuplexNoTumble")}};
    ASSERT_TRUE(printTo(choice).ok);
    auto job = newestJob(queue.name());
    ASSERT_TRUE(job);
    EXPECT_EQ(attribute(job.get(), "copies"), QStringLiteral("3"));
    EXPECT_EQ(attribute(job.get(), "sides"), QStringLiteral("one-sided"));
    EXPECT_EQ(attribute(job.get(), "page-ranges"), QStringLiteral("2-2"));
    EXPECT_EQ(attribute(job.get(), "InputSlot"), QStringLiteral("Manual"));
    EXPECT_FALSE(attribute(job.get(), "media").isEmpty());

    choice = queueChoice(queue.name());
    choice.sides = Sides::TwoSidedShortEdge;
    choice.queueOptions = {{QStringLiteral("PageSize"), QStringLiteral("A5")}};
    ASSERT_TRUE(printTo(choice).ok);
    job = newestJob(queue.name());
    ASSERT_TRUE(job);
    EXPECT_EQ(attribute(job.get(), "sides"), QStringLiteral("two-sided-short-edge"));
    EXPECT_EQ(attribute(job.get(), "PageSize"), QStringLiteral("A5")) << "the queue's paper choice wins";
    EXPECT_TRUE(attribute(job.get(), "media").isEmpty());
}

}  // namespace
}  // namespace bks
