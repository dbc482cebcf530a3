#include "app/windowmenus.h"

#include "app/controlplacement.h"
#include "app/usagetexts.h"
#include "files/helptexts.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace bks {

WindowMenus::WindowMenus(MenusEnvironment &env) : m_env(env)
{
    build();
}

void WindowMenus::build()
{
    MenuItems &m = m_items;
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
        QMenu *made = parent ? parent->addMenu(caption) : m_env.menuBar().addMenu(caption);
        made->setObjectName(QString::fromLatin1(name));
        made->menuAction()->setObjectName(QString::fromLatin1(name));
        return made;
    };

    m.f1 = menu(nullptr, "f1", QStringLiteral("ファイル"));
    m.dcal = item(m.f1, "dcal", QStringLiteral("データ呼び出し"));
    m.prv = item(m.f1, "prv", QStringLiteral("印刷プレビュー"));
    separator(m.f1, "b2");
    m.gs = item(m.f1, "gs", QStringLiteral("画面の初期化"));
    separator(m.f1, "lin1");
    m.en = item(m.f1, "en", QStringLiteral("終了"));

    m.ed = menu(nullptr, "ed", QStringLiteral("デザイン編集画面"));
    m.eds = choice(m.ed, "eds", QStringLiteral("デザイン＋例文（単票モード）編集"), false);
    separator(m.ed, "b4");
    m.ow = item(m.ed, "ow", QStringLiteral("編集終了"));
    m.ow->setEnabled(false);

    m.dct = menu(nullptr, "dct", QStringLiteral("辞書の選択"));
    m.indic = choice(m.dct, "indic", QStringLiteral("内蔵辞書を使う"), true);
    m.tkdic = choice(m.dct, "tkdic", QStringLiteral("内蔵辞書を使わない"), false);

    m.FS = menu(nullptr, "FS", QStringLiteral("文字の大きさ"));
    m.hfs = choice(m.FS, "hfs", QStringLiteral("100%"), true);
    m.nfs = choice(m.FS, "nfs", QStringLiteral("90%"), false);

    m.bc = menu(nullptr, "bc", QStringLiteral("印字位置の微調整"));
    const QStringList shifts = {QStringLiteral("中央"),
                                QStringLiteral("右へ2ミリメートル"),
                                QStringLiteral("右へ4ミリメートル"),
                                QStringLiteral("右へ6ミリメートル"),
                                QStringLiteral("左へ2ミリメートル"),
                                QStringLiteral("左へ4ミリメートル"),
                                QStringLiteral("左へ6ミリメートル")};
    for (int i = 0; i < 7; ++i)
        m.lr[i] = choice(m.bc, indexed("lr", i).toLatin1().constData(), shifts[i], i == 0);

    // One item for each form besides the one printed while none is checked.
    // Like the other print settings, the choice lasts for the session:
    // BKS.ini keeps its one line.
    m.so = menu(nullptr, "so", QStringLiteral("書き順"));
    for (const SheetForm &form : m_env.catalog().forms()) {
        if (form.caption.isEmpty())
            continue;
        QAction *a = choice(m.so, "", form.caption.toString(), false);
        a->setObjectName(QString::fromUtf8(form.menuItem.data(), qsizetype(form.menuItem.size())));
        m.forms.emplace_back(a, &form);
        QObject::connect(a, &QAction::triggered, a, [this, a, &form] { formItemClicked(a, form); });
        if (form.id == kStrokeOrderForm)
            m.sop = a;
    }
    // What the heading cells of every form can have written in; off at
    // every start, as the cells are often the pupil's to fill.
    separator(m.so, "b5");
    m.sor = choice(m.so, "sor", QStringLiteral("読みを記入"), false);
    m.sob = choice(m.so, "sob", QStringLiteral("部首を記入"), false);
    m.soc = choice(m.so, "soc", QStringLiteral("画数を記入"), false);
    // Only the tests have keys.
    separator(m.so, "b4");
    const std::tuple<const char *, QString, AnswerKeys> keys[] = {
        {"ansEach", QStringLiteral("答えを各テストの後に印刷"), AnswerKeys::AfterEach},
        {"ansEnd", QStringLiteral("答えを最後にまとめて印刷"), AnswerKeys::AtEnd},
        {"ansNone", QStringLiteral("答えを印刷しない"), AnswerKeys::None},
    };
    for (const auto &[name, caption, answers] : keys) {
        QAction *a = choice(m.so, name, caption, answers == AnswerKeys::AfterEach);
        a->setEnabled(false);
        m.answers.emplace_back(a, answers);
        QObject::connect(a, &QAction::triggered, a, [this, a] { answerItemClicked(a); });
    }
    // The same list gives the same test; a teacher who wants other words
    // (or a second test of the same kanji) draws the next set.
    m.ansOther = item(m.so, "ansOther", QStringLiteral("別の問題にする"));
    m.ansOther->setEnabled(false);
    QObject::connect(m.ansOther, &QAction::triggered, m.ansOther, [this] {
        ++m_variant;
        m_env.formChoiceChanged();
    });

    m.hp = menu(nullptr, "hp", QStringLiteral("ヘルプ"));
    m.whp = menu(m.hp, "whp", QStringLiteral("ワークシート編集のヘルプ"));
    m.hps = item(m.whp, "hps", QStringLiteral("デザイン＋例文（単票モード）編集のヘルプ"));
    m.zhp = item(m.hp, "zhp", QStringLiteral("内蔵辞書とフォント"));
    separator(m.hp, "b3");
    m.we = item(m.hp, "we", QStringLiteral("KUROFUDE工房webサイトへ"));
    separator(m.hp, "b1");
    m.va = menu(m.hp, "va", QStringLiteral("バージョン情報"));
    m.bokuchan = item(m.va, "bokuchan", kVersionCaption);
    m.bokuchan2 = item(m.va, "bokuchan2", kVersionDate);
    m.bokuchan3 = item(m.va, "bokuchan3", kVersionMenuStrokeCredit);
    item(m.va, "bokuchan4", kVersionMenuFactsCredit);
}

const SheetForm &WindowMenus::chosenForm() const
{
    for (const auto &[item, form] : m_items.forms)
        if (item->isChecked())
            return *form;
    return m_env.catalog().defaultForm();
}

AnswerKeys WindowMenus::answerKeys() const
{
    for (const auto &[item, answers] : m_items.answers)
        if (item->isChecked())
            return answers;
    return AnswerKeys::AfterEach;
}

void WindowMenus::chooseDictionary(QAction *item)
{
    for (QAction *other : {m_items.indic, m_items.tkdic})
        if (other != item && other->isChecked())
            other->setChecked(false);
    item->setChecked(true);
}

// A form's data is opened only now, so a session that never asks for it
// starts as fast as before; without it the item stays off and the sheets
// go on as they are.
void WindowMenus::formItemClicked(QAction *item, const SheetForm &form)
{
    if (item->isChecked()) {
        const QString problem = m_env.formProblem(form);
        if (!problem.isEmpty()) {
            item->setChecked(false);
            m_env.showProblem(problem, form.name.toString());
        } else {
            for (const auto &[other, otherForm] : m_items.forms)
                if (other != item)
                    other->setChecked(false);
        }
    }
    m_env.formChoiceChanged();
}

void WindowMenus::answerItemClicked(QAction *item)
{
    for (const auto &[other, answers] : m_items.answers)
        other->setChecked(other == item);
    m_env.formChoiceChanged();
}

}  // namespace bks
