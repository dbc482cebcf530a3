// What a run tells the user when not everything it was asked for reached
// paper.
#include "print/run/runmessages.h"

#include "print/run/sheetrun.h"

namespace bks {

QString NotPrintedNote(const RunHost &host, const TextQueue &text1, int padding)
{
    if (host.keepsText)
        return QStringLiteral("印刷されなかった文字は入力欄に残してあります。");
    QString left = text1.text();
    for (int i = 0; i < padding && left.endsWith(kBlank); ++i)
        left.chop(1);
    const TextQueue rest(left);
    constexpr int kShown = 20;
    const QString shown = rest.front(kShown);
    const qsizetype count = rest.printableCount();
    return QStringLiteral("印刷されなかった文字: %1字（%2%3）")
        .arg(count)
        .arg(shown, count > kShown ? QStringLiteral("…") : QString());
}

void ReportCharactersLeft(PlatformServices &services, qsizetype left, const QString &title,
                          const QString &note)
{
    services.messageBox(QStringLiteral("文字数が多すぎるため、一度の印刷では全部を印刷できません。")
                            + QStringLiteral("\r\n")
                            + QStringLiteral("残りの%1文字は印刷していません。").arg(left)
                            + QStringLiteral("\r\n") + note,
                        title, MsgButtons::Ok, MsgIcon::Exclamation);
}

void ReportNumbersRanOut(PlatformServices &services, const QString &title, const QString &note)
{
    services.messageBox(QStringLiteral(
                            "シート番号が使える範囲（-32768～32767）を超えるため、印刷を途中で止めました。")
                            + QStringLiteral("\r\n") + note,
                        title, MsgButtons::Ok, MsgIcon::Exclamation);
}

void ReportOutputFailure(PlatformServices &services, const QString &error, const QString &title,
                         const QString &note)
{
    const QString crlf = QStringLiteral("\r\n");
    QString text = QStringLiteral("印刷できませんでした。");
    if (!error.isEmpty())
        text += crlf + error;
    text += crlf + note;
    services.messageBox(text, title, MsgButtons::Ok, MsgIcon::Critical);
}

void ReportOutputNotice(PlatformServices &services, const PrintSurface &surface, const QString &title)
{
    const QString notice = surface.notice();
    if (!notice.isEmpty())
        services.messageBox(notice, title, MsgButtons::Ok, MsgIcon::Information);
}

}  // namespace bks
