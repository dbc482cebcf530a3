#include "tests/print/pdftools.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace bks::test {

bool HaveTool(const QString &tool)
{
    return !QStandardPaths::findExecutable(tool).isEmpty();
}

std::optional<QString> RunTool(const QString &tool, const QStringList &arguments)
{
    if (!HaveTool(tool))
        return std::nullopt;
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

std::optional<int> PdfPageCount(const QString &pdf)
{
    const auto out = RunTool(QStringLiteral("pdfinfo"), {pdf});
    if (!out)
        return std::nullopt;
    const auto match = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"),
                                          QRegularExpression::MultilineOption)
                           .match(*out);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toInt();
}

std::optional<QList<QSizeF>> PdfPageSizes(const QString &pdf)
{
    const auto count = PdfPageCount(pdf);
    if (!count)
        return std::nullopt;
    const auto out = RunTool(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                                         QStringLiteral("-l"), QString::number(*count), pdf});
    if (!out)
        return std::nullopt;
    QList<QSizeF> sizes;
    const QRegularExpression line(QStringLiteral("^Page\\s+\\d+ size:\\s+([\\d.]+) x ([\\d.]+) pts"),
                                  QRegularExpression::MultilineOption);
    for (auto it = line.globalMatch(*out); it.hasNext();) {
        const auto m = it.next();
        sizes.append(QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()));
    }
    return sizes;
}

std::optional<QImage> RenderPdfPage(const QString &pdf, int page, int dpi, QRect crop)
{
    const QString base = ScratchPath(
        QStringLiteral("render-%1").arg(QString::number(qHash(pdf + QString::number(page)))));
    QStringList args = {QStringLiteral("-gray"),     QStringLiteral("-aa"), QStringLiteral("no"),
                        QStringLiteral("-aaVector"), QStringLiteral("no"),  QStringLiteral("-r"),
                        QString::number(dpi),        QStringLiteral("-f"),  QString::number(page),
                        QStringLiteral("-l"),        QString::number(page), QStringLiteral("-singlefile")};
    if (!crop.isNull())
        args << QStringLiteral("-x") << QString::number(crop.x()) << QStringLiteral("-y")
             << QString::number(crop.y()) << QStringLiteral("-W") << QString::number(crop.width())
             << QStringLiteral("-H") << QString::number(crop.height());
    args << pdf << base;
    if (!RunTool(QStringLiteral("pdftoppm"), args))
        return std::nullopt;
    QImage image(base + QStringLiteral(".pgm"));
    QFile::remove(base + QStringLiteral(".pgm"));
    if (image.isNull())
        return std::nullopt;
    return image.convertToFormat(QImage::Format_Grayscale8);
}

std::optional<std::vector<QImage>> RenderPdfPages(const QString &pdf, int dpi)
{
    QTemporaryDir dir;
    const QString base = QDir(dir.path()).filePath(QStringLiteral("page"));
    if (!RunTool(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-gray"), QStringLiteral("-aa"), QStringLiteral("no"),
                  QStringLiteral("-aaVector"), QStringLiteral("no"), QStringLiteral("-r"),
                  QString::number(dpi), pdf, base}))
        return std::nullopt;
    // page-1.pgm, page-01.pgm or page-001.pgm: as many digits as the count has.
    std::vector<QImage> pages;
    for (const QString &name :
         QDir(dir.path()).entryList({QStringLiteral("page-*.pgm")}, QDir::Files, QDir::Name)) {
        QImage image(QDir(dir.path()).filePath(name));
        if (image.isNull())
            return std::nullopt;
        pages.push_back(image.convertToFormat(QImage::Format_Grayscale8));
    }
    return pages;
}

QRect InkBounds(const QImage &source, int threshold)
{
    const QImage image = source.convertToFormat(QImage::Format_Grayscale8);
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const uchar *row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] < threshold) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0)
        return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

namespace {

QList<int> runs(const QImage &source, int y, int x0, int x1, int threshold, bool dark)
{
    const QImage image = source.convertToFormat(QImage::Format_Grayscale8);
    QList<int> result;
    const uchar *row = image.constScanLine(y);
    int x = x0;
    while (x < x1 && row[x] >= threshold)
        ++x;  // up to the first dark pixel
    int length = 0;
    bool inDark = true;
    for (; x < x1; ++x) {
        const bool isDark = row[x] < threshold;
        if (isDark == inDark) {
            ++length;
            continue;
        }
        if (inDark == dark)
            result.append(length);
        inDark = isDark;
        length = 1;
    }
    if (inDark == dark && length > 0 && dark)
        result.append(length);
    return result;
}

}  // namespace

QList<int> DarkRunsInRow(const QImage &image, int y, int x0, int x1, int threshold)
{
    return runs(image, y, x0, x1, threshold, true);
}

QList<int> LightRunsInRow(const QImage &image, int y, int x0, int x1, int threshold)
{
    return runs(image, y, x0, x1, threshold, false);
}

QString ScratchPath(const QString &name)
{
    static QTemporaryDir dir;
    return QDir(dir.path()).filePath(name);
}

}  // namespace bks::test
