#include "app/usagetexts.h"

namespace bks {

QStringList StartupUsageLines()
{
    return {
        QStringLiteral("《使い方》"),
        QStringLiteral("　この部分に練習帳に収録したい漢字をいく"),
        QStringLiteral("つでも入力してください。また、メニューの《呼"),
        QStringLiteral("び出し》や上の《教科書会社》《学年》ボックス"),
        QStringLiteral("の選択からもデータ入力が可能です。"),
        QStringLiteral("　A4サイズに１文字と２文字の印字が、左下"),
        QStringLiteral("の《A４版１頁の文字数》オプションで選択でき"),
        QStringLiteral("ます。"),
        QStringLiteral("　デザイン画面でワークシートの編集も可能"),
        QStringLiteral("です。初めての場合は《初期値》をクリックしてみてください。"),
        QStringLiteral("　操作は短時間で終わりますが、１００枚など"),
        QStringLiteral("となると印字にそれなりの時間がかかります。"),
        QStringLiteral("　右ページ見本の【墨】の字が横を向いてい"),
        QStringLiteral("てもワークシートの印字に支障はありません。"),
        QStringLiteral("　光村図書/東京書籍/学校図書/教育出版"),
        QStringLiteral("の教科書に対応しています。"),
        QStringLiteral("　BKS.iniファイルは最終の環境を保存してい"),
        QStringLiteral("ます。"),
        QString(),
        QStringLiteral("　　　　　"),
    };
}

QStringList ResetUsageLines()
{
    return {
        QStringLiteral("《使い方》"),
        QStringLiteral(
            "　この部分に練習帳に収録したい漢字をいくつでも入力してください。また、メニューの《呼び出し》や《教科書会社》《学年》ボックスの選択からもデータ入力が可能です｡"),
        QStringLiteral("　A4サイズに1文字と2文字の印字が､左下のA４版１頁の文字数》オプションで選択できます｡"),
        QStringLiteral("　デザイン画面でワークシートの編集も可能です｡"),
        QString(),
        QStringLiteral("　操作は短時間で終わりますが､100枚などとなると印字にそれなりの時間がかかります｡"),
        QString(),
        QStringLiteral(
            "　右ページの見本の【フォント】が横を向いていてもワークシートの印字に支障はありません｡"),
        QStringLiteral("　【ことのは帖】と併用のときはそのフォントが適用されます｡"),
        QString(),
        QStringLiteral("　光村図書/東京書籍/学校図書/ 教育出版の教科書に対応しています｡"),
        QString(),
        QStringLiteral("                      "),
    };
}

QString joinLinesCrLf(const QStringList &lines)
{
    QString out;
    for (const QString &line : lines)
        out += line + QLatin1String("\r\n");
    return out;
}

}  // namespace bks
