#include "print/output/cupsjob.h"

#include "common/shownname.h"

#include <QFile>
#include <QStringList>

#include <cups/cups.h>

#include <memory>

namespace bks {

namespace {

struct IppDeleter {
    void operator()(ipp_t *ipp) const { ippDelete(ipp); }
};
using Ipp = std::unique_ptr<ipp_t, IppDeleter>;

// The queue without the instance Qt appends ("queue/instance").
QByteArray queueName(const QString &printerName)
{
    return printerName.section(QLatin1Char('/'), 0, 0).toUtf8();
}

QString lastCupsError()
{
    return QString::fromUtf8(cupsLastErrorString());
}

// One request to the scheduler; nullptr when it failed.
Ipp askScheduler(ipp_op_t operation, const char *uriName, const char *uri, const char *const *attributes,
                 int count)
{
    ipp_t *request = ippNewRequest(operation);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, uriName, nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", count, nullptr,
                  attributes);
    Ipp response(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
    if (!response || ippGetStatusCode(response.get()) > IPP_STATUS_OK_EVENTS_COMPLETE)
        return nullptr;
    return response;
}

int enumValue(ipp_t *ipp, const char *name)
{
    ipp_attribute_t *a = ippFindAttribute(ipp, name, IPP_TAG_ENUM);
    return a ? ippGetInteger(a, 0) : 0;
}

// The keywords of an attribute joined, without CUPS's "nothing to say".
QString keywords(ipp_t *ipp, const char *name)
{
    ipp_attribute_t *a = ippFindAttribute(ipp, name, IPP_TAG_ZERO);
    QStringList words;
    for (int i = 0; a && i < ippGetCount(a); ++i) {
        const QString word = QString::fromUtf8(ippGetString(a, i, nullptr));
        if (!word.isEmpty() && word != QLatin1String("none"))
            words << word;
    }
    return words.join(QLatin1String(", "));
}

QString text(ipp_t *ipp, const char *name)
{
    ipp_attribute_t *a = ippFindAttribute(ipp, name, IPP_TAG_ZERO);
    return a ? QString::fromUtf8(ippGetString(a, 0, nullptr)) : QString();
}

QString inParentheses(const QString &reason)
{
    return reason.isEmpty() ? QString() : QStringLiteral("（%1）").arg(reason);
}

QByteArray printerUri(const QByteArray &queue)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/printers/%s",
                     queue.constData());
    return QByteArray(uri);
}

// The queue's state as the scheduler answers; nullptr when it does not.
Ipp printerState(const QByteArray &queue)
{
    ipp_t *request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                 printerUri(queue).constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-state");
    return Ipp(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
}

// The scheduler asked (a local socket, or CUPS_SERVER's host and port):
// libcups's own words for a refused connection rarely say which.
QString schedulerName()
{
    const QString server = QString::fromUtf8(cupsServer());
    if (server.startsWith(QLatin1Char('/')))
        return shownName(server);
    return shownName(server) + QLatin1Char(':') + QString::number(ippPort());
}

QString unreachable(const QString &shownQueue, const QString &cups)
{
    return QStringLiteral("印刷システム（CUPS、%1）に接続できないため、プリンター %2 に印刷できません（%3）")
        .arg(schedulerName(), shownQueue, cups);
}

QString refusal(const QByteArray &queue)
{
    const ipp_status_t status = cupsLastError();
    const QString cups = QStringLiteral("CUPS: ") + lastCupsError();
    const QString name = shownName(QString::fromUtf8(queue));
    if (status == IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS)
        return QStringLiteral("プリンター %1 は印刷ジョブを受け付けていません（%2）").arg(name, cups);
    // libcups words a missing queue and an unreachable scheduler alike; the
    // scheduler itself tells them apart.
    const Ipp response = printerState(queue);
    if (!response)
        return unreachable(name, cups);
    if (ippGetStatusCode(response.get()) == IPP_STATUS_ERROR_NOT_FOUND)
        return QStringLiteral("プリンター %1 が見つかりません（%2）").arg(name, cups);
    return QStringLiteral("プリンター %1 が印刷ジョブを受け付けませんでした（%2）").arg(name, cups);
}

// Decides from the job's and the queue's state, asked once.
Result<CupsJob> judgeState(const QByteArray &queue, int jobId)
{
    CupsJob outcome{jobId, {}};
    const QString name = shownName(QString::fromUtf8(queue));
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/jobs/%d", jobId);
    static const char *const jobAttributes[] = {"job-state", "job-state-reasons"};
    Ipp job = askScheduler(IPP_OP_GET_JOB_ATTRIBUTES, "job-uri", uri, jobAttributes, 2);
    if (!job)
        return outcome;  // the job id says it was accepted; nothing more is known
    const int jobState = enumValue(job.get(), "job-state");
    const QString jobReasons = keywords(job.get(), "job-state-reasons");
    if (jobState == IPP_JSTATE_CANCELED || jobState == IPP_JSTATE_ABORTED) {
        return Failure{(jobState == IPP_JSTATE_CANCELED
                            ? QStringLiteral("プリンター %1 の印刷ジョブ %2 は取り消されました")
                            : QStringLiteral("プリンター %1 の印刷ジョブ %2 は中止されました"))
                           .arg(name)
                           .arg(jobId)
                       + inParentheses(jobReasons)};
    }
    if (jobState == IPP_JSTATE_HELD) {
        outcome
            .notice = QStringLiteral("印刷ジョブ %1 はプリンター %2 で保留されています").arg(jobId).arg(name)
                      + inParentheses(jobReasons) + QStringLiteral("。");
        return outcome;
    }

    static const char *const printerAttributes[] = {"printer-state", "printer-state-message",
                                                    "printer-state-reasons"};
    Ipp printer = askScheduler(IPP_OP_GET_PRINTER_ATTRIBUTES, "printer-uri", printerUri(queue).constData(),
                               printerAttributes, 3);
    const bool stopped = printer && enumValue(printer.get(), "printer-state") == IPP_PSTATE_STOPPED;
    if (stopped || jobState == IPP_JSTATE_STOPPED) {
        QString reason = printer ? text(printer.get(), "printer-state-message") : QString();
        if (reason.isEmpty() && printer)
            reason = keywords(printer.get(), "printer-state-reasons");
        outcome.notice = QStringLiteral("印刷ジョブ %1 はプリンターで保留されています。").arg(jobId)
                         + QStringLiteral("\r\n")
                         + QStringLiteral("プリンター %1 が停止しているため、再開されるまで印刷されません")
                               .arg(name)
                         + inParentheses(reason) + QStringLiteral("。");
    }
    return outcome;
}

}  // namespace

QString printerNotFound(const QString &printerName)
{
    if (printerName.isEmpty()) {
        if (!printerState(QByteArray()))
            return QStringLiteral("印刷システム（CUPS、%1）に接続できないため、印刷できません（CUPS: %2）")
                .arg(schedulerName(), lastCupsError());
        return QStringLiteral("既定のプリンターが設定されていません");
    }
    const QByteArray queue = queueName(printerName);
    if (!printerState(queue))
        return unreachable(shownName(printerName), QStringLiteral("CUPS: ") + lastCupsError());
    return QStringLiteral("プリンター %1 が見つかりません").arg(shownName(printerName));
}

std::vector<std::pair<QByteArray, QByteArray>> CupsJobOptions(const PrinterChoice &choice)
{
    std::vector<std::pair<QByteArray, QByteArray>> options;
    bool paperNamed = false;
    for (const auto &[name, value] : choice.queueOptions) {
        // The dialog's own controls decide sides, copies and range; every
        // page carries its orientation itself.
        static const QStringList decidedHere = {QStringLiteral("Duplex"),
                                                QStringLiteral("sides"),
                                                QStringLiteral("copies"),
                                                QStringLiteral("Collate"),
                                                QStringLiteral("collate"),
                                                QStringLiteral("landscape"),
                                                QStringLiteral("orientation-requested")};
        if (decidedHere.contains(name)
            || (name == QLatin1String("page-ranges") && !choice.pageRanges.isEmpty()))
            continue;
        if (name == QLatin1String("media") || name == QLatin1String("PageSize")
            || name == QLatin1String("PageRegion"))
            paperNamed = true;
        options.push_back({name.toUtf8(), value.toUtf8()});
    }
    if (!paperNamed)
        options.insert(options.begin(), {"media", "A4"});
    if (choice.copies > 1) {
        options.push_back({"copies", QByteArray::number(choice.copies)});
        options.push_back({"Collate", choice.collateCopies ? "True" : "False"});
    }
    switch (choice.sides) {
    case Sides::OneSided: options.push_back({"sides", "one-sided"}); break;
    case Sides::TwoSidedLongEdge: options.push_back({"sides", "two-sided-long-edge"}); break;
    case Sides::TwoSidedShortEdge: options.push_back({"sides", "two-sided-short-edge"}); break;
    }
    if (!choice.pageRanges.isEmpty())
        options.push_back({"page-ranges", choice.pageRanges.toUtf8()});
    return options;
}

Result<CupsJob> SubmitPdfToCups(const QString &pdfPath, const QString &title, const PrinterChoice &choice)
{
    const QByteArray queue = queueName(choice.printerName);
    cups_option_t *options = nullptr;
    int count = 0;
    for (const auto &[name, value] : CupsJobOptions(choice))
        count = cupsAddOption(name.constData(), value.constData(), count, &options);
    const int jobId = cupsPrintFile2(CUPS_HTTP_DEFAULT, queue.constData(),
                                     QFile::encodeName(pdfPath).constData(), title.toUtf8().constData(),
                                     count, options);
    cupsFreeOptions(count, options);
    if (jobId <= 0)
        return Failure{refusal(queue)};
    return judgeState(queue, jobId);
}

}  // namespace bks
