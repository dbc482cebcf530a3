#include "app/usagetexts.h"

#include "app/printargs.h"

namespace bks {

namespace {

// The print command's options from its table, the forms from theirs.
QString printOptionsHelp()
{
    QStringList forms;
    for (const SheetForm &form : SheetCatalog::standard().forms())
        forms << QStringLiteral("%1 %2").arg(QString::fromUtf8(form.id.data(), qsizetype(form.id.size())),
                                             form.name.toString());
    return optionsHelp(printOptions()).replace(QStringLiteral("{forms}"), forms.join(QStringLiteral("、")));
}

}  // namespace

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

QString usageText()
{
    return QStringLiteral(
               "墨翔丸 — 漢字練習帳の印刷\n"
               "\n"
               "使い方:\n"
               "  bokushomaru                         ウィンドウを開きます\n"
               "  bokushomaru search 漢字              学年と、その学年の一覧での位置を表示します\n"
               "  bokushomaru list 教科書会社 学年      その学年の漢字を教科書の順に表示します（学年は 4 または ４年）\n"
               "  bokushomaru compounds 漢字           その漢字を含む内蔵辞書の熟語を表示します\n"
               "  bokushomaru strokes 文字             書き順データの画数を1行目に、続けて1画に1行ずつ書き始めの\n"
               "                                      位置 x,y（KanjiVG の 109×109 の枠、小数2桁）を表示します\n"
               "  bokushomaru readings 漢字            常用漢字表の読みを1行に一つずつ表示します（音 セイ、訓 い(きる)：\n"
               "                                      送りがなは括弧の中）\n"
               "  bokushomaru radical 漢字             部首、その元の字、字の中の位置、部首名を表示します\n"
               "  bokushomaru test-items (--publisher NAME --grade GRADE | --file FILE | 文字)\n"
               "                    [--variant N] [--form reading-test|writing-test]\n"
               "                                      読みテスト・書きテストの問題を1行に一つずつ、漢字・言葉・\n"
               "                                      言葉の読み・その漢字の読みをタブで区切って表示します。\n"
               "                                      言葉には習った漢字だけを使います。--variant で別の組み合わせ、\n"
               "                                      --form writing-test で書きテストの問題（既定は読みテスト）\n"
               "  bokushomaru print (--pdf FILE | --printer NAME)\n"
               "                    (--publisher NAME --grade GRADE | --file FILE | 文字)\n"
               "                    [--per-sheet 1|2] [--font FACE] [--no-tracing] [--light]\n"
               "                    [--size 90|100] [--narrow] [--offset MM] [--first-number N]\n"
               "                    [--example1 TEXT] [--example2 TEXT]\n"
               "                    [--form NAME | --stroke-order] [--readings] [--radical] [--stroke-count]\n"
               "                                      ウィンドウと同じ練習帳を印刷します\n"
               "  bokushomaru --desktop               ウィンドウを開きます（デスクトップのメニューから）。作業フォルダに\n"
               "                                      BKS.ini がなければ、設定と BKStmp.txt を\n"
               "                                      $XDG_DATA_HOME/bokushomaru（~/.local/share/bokushomaru）に置きます\n"
               "  bokushomaru --help                  この説明を表示します\n"
               "\n"
               "print のオプション:\n")
           + printOptionsHelp()
           + QStringLiteral(
               "\n"
               "書体にない文字と、書き順の用紙で書き順データのない文字は、標準エラーに名前を出して\n"
               "そのまま印刷します（終了コードは 0 のまま）。\n"
               "\n"
               "終了コード: 0 成功、1 失敗（見つからない・書き順データがない・出力できない）、2 使い方の誤り\n");
}

QString joinLinesCrLf(const QStringList &lines)
{
    QString out;
    for (const QString &line : lines)
        out += line + QLatin1String("\r\n");
    return out;
}

}  // namespace bks
