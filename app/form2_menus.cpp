// Construction of the window's menus.
#include "app/form2.h"

#include "app/controlplacement.h"
#include "app/usagetexts.h"
#include "files/helptexts.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace bks {

void Form2::buildMenus()
{
    auto item = [](QMenu *menu, const char *name, const QString &caption) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    // An item with a check mark; the menus below use them as choices of one.
    auto choice = [&item](QMenu *menu, const char *name, const QString &caption, bool checked) {
        QAction *a = item(menu, name, caption);
        a->setCheckable(true);
        a->setChecked(checked);
        return a;
    };
    auto separator = [](QMenu *menu, const char *name) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };
    auto menu = [this](QMenu *parent, const char *name, const QString &caption) {
        QMenu *m = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setObjectName(QString::fromLatin1(name));
        return m;
    };

    f1 = menu(nullptr, "f1", QStringLiteral("ファイル"));
    dcal = item(f1, "dcal", QStringLiteral("データ呼び出し"));
    prv = item(f1, "prv", QStringLiteral("印刷プレビュー"));
    separator(f1, "b2");
    gs = item(f1, "gs", QStringLiteral("画面の初期化"));
    separator(f1, "lin1");
    en = item(f1, "en", QStringLiteral("終了"));

    ed = menu(nullptr, "ed", QStringLiteral("デザイン編集画面"));
    eds = choice(ed, "eds", QStringLiteral("デザイン＋例文（単票モード）編集"), false);
    separator(ed, "b4");
    ow = item(ed, "ow", QStringLiteral("編集終了"));
    ow->setEnabled(false);

    dct = menu(nullptr, "dct", QStringLiteral("辞書の選択"));
    indic = choice(dct, "indic", QStringLiteral("内蔵辞書を使う"), true);
    tkdic = choice(dct, "tkdic", QStringLiteral("内蔵辞書を使わない"), false);

    FS = menu(nullptr, "FS", QStringLiteral("文字の大きさ"));
    hfs = choice(FS, "hfs", QStringLiteral("100%"), true);
    nfs = choice(FS, "nfs", QStringLiteral("90%"), false);

    bc = menu(nullptr, "bc", QStringLiteral("印字位置の微調整"));
    const QStringList shifts = {QStringLiteral("中央"),
                                QStringLiteral("右へ2ミリメートル"),
                                QStringLiteral("右へ4ミリメートル"),
                                QStringLiteral("右へ6ミリメートル"),
                                QStringLiteral("左へ2ミリメートル"),
                                QStringLiteral("左へ4ミリメートル"),
                                QStringLiteral("左へ6ミリメートル")};
    for (int i = 0; i < 7; ++i)
        lr[i] = choice(bc, indexed("lr", i).toLatin1().constData(), shifts[i], i == 0);

    // One item for each form besides the one printed while none is checked.
    // Like the other print settings, the choice lasts for the session:
    // BKS.ini keeps its one line.
    so = menu(nullptr, "so", QStringLiteral("書き順"));
    for (const SheetForm &form : m_catalog.forms()) {
        if (form.caption.isEmpty())
            continue;
        QAction *a = choice(so, "", form.caption.toString(), false);
        a->setObjectName(QString::fromUtf8(form.menuItem.data(), qsizetype(form.menuItem.size())));
        m_formItems.emplace_back(a, &form);
        if (form.id == kStrokeOrderForm)
            sop = a;
    }
    // What the heading cells of every form can have written in; off at
    // every start, as the cells are often the pupil's to fill.
    separator(so, "b5");
    sor = choice(so, "sor", QStringLiteral("読みを記入"), false);
    sob = choice(so, "sob", QStringLiteral("部首を記入"), false);
    soc = choice(so, "soc", QStringLiteral("画数を記入"), false);
    // Only the tests have keys.
    separator(so, "b4");
    const std::tuple<const char *, QString, AnswerKeys> keys[] = {
        {"ansEach", QStringLiteral("答えを各テストの後に印刷"), AnswerKeys::AfterEach},
        {"ansEnd", QStringLiteral("答えを最後にまとめて印刷"), AnswerKeys::AtEnd},
        {"ansNone", QStringLiteral("答えを印刷しない"), AnswerKeys::None},
    };
    for (const auto &[name, caption, answers] : keys) {
        QAction *a = choice(so, name, caption, answers == AnswerKeys::AfterEach);
        a->setEnabled(false);
        m_answerItems.emplace_back(a, answers);
    }

    hp = menu(nullptr, "hp", QStringLiteral("ヘルプ"));
    whp = menu(hp, "whp", QStringLiteral("ワークシート編集のヘルプ"));
    hps = item(whp, "hps", QStringLiteral("デザイン＋例文（単票モード）編集のヘルプ"));
    zhp = item(hp, "zhp", QStringLiteral("内蔵辞書とフォント"));
    separator(hp, "b3");
    we = item(hp, "we", QStringLiteral("KUROFUDE工房webサイトへ"));
    separator(hp, "b1");
    va = menu(hp, "va", QStringLiteral("バージョン情報"));
    bokuchan = item(va, "bokuchan", kVersionCaption);
    bokuchan2 = item(va, "bokuchan2", kVersionDate);
    bokuchan3 = item(va, "bokuchan3", kVersionMenuStrokeCredit);
    item(va, "bokuchan4", kVersionMenuFactsCredit);
}

}  // namespace bks
