#include "files/helptexts.h"

namespace bks {

QStringList DesignHelpLines()
{
    return {
        QStringLiteral("《使い方》"),
        QStringLiteral("　【単票モード】は、Ａ４版１枚に限り編集できます。"),
        QStringLiteral("　例文や熟語のなぞり書きをデザインすることが目的です。"),
        QStringLiteral("　この画面に、印字したい文字を入力します。コンボボックスからの入力も可能です。"),
        QStringLiteral("　入力した文字は、左から２文字のみが有効です｡"),
        QStringLiteral("　印字が済むと自動的に次の２文字が有効になります。"),
        QString(),
        QStringLiteral(
            "　次に、最下段のテキストボックスにそれぞれの文を入力してください｡見本のような形で印字されます。"),
        QStringLiteral(
            "　【例文表示】または【熟語表示】コマンドでは、例文に表示する文や熟語が選択できます。"),
        QStringLiteral("　ただし、８文字までが有効でそれ以外は、無視されます。"),
        QStringLiteral(
            "　その際に《かな》文字を使用すると多少のずれが生じますが、ご了承下さい。【辞書の選択ヘルプ】も併せてご覧下さい。"),
        QString(),
        QStringLiteral("　　　　　"),
    };
}

QStringList DictionaryHelpLines()
{
    return {
        QStringLiteral("《使い方とフォント》"),
        QString(),
        QStringLiteral(
            "辞書の選択は、【単票モード】で使用する【例文表示】または【熟語表示】コマンドボタンで使用するデータを選びます。"),
        QString(),
        QStringLiteral(
            "【内臓辞書を使う】は、入力された単漢字にマッチするものを本体に内蔵された４６００以上の熟語の中から選択し表示します。"),
        QString(),
        QStringLiteral(
            "【フォントについて】小学生の漢字学習ではハネやハライが成績とは関係なく大切な要素になります。"),
        QStringLiteral("印字にあたっては可能な限り《教育漢字》の字体を使用することをお薦めします。"),
        QString(),
        QStringLiteral("　　　　　"),
    };
}

QUrl WebAddress()
{
    return QUrl(QString::fromUtf8(BKS_WEB_ADDRESS), QUrl::StrictMode);
}

bool isOpenableWebAddress(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

}  // namespace bks
