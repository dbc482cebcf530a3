#include "app/listfiles.h"

#include "app/filedrops.h"
#include "app/usagetexts.h"
#include "files/datafile.h"
#include "platform/platformservices.h"

#include <QWidget>

namespace bks {

namespace {

// A message box that lists the whole of a long text would grow taller than
// the screen and hide its own buttons; the question shows the start of it.
QString textForQuestion(const QString &text)
{
    constexpr int kShown = 400;
    if (text.size() <= kShown)
        return text;
    return text.left(kShown) + QStringLiteral("…（全%1字）").arg(text.size());
}

}  // namespace

void ListFiles::open()
{
    const std::optional<QString> name = m_env.services().showOpen(kDataFileFilter);
    if (!name || name->isEmpty())
        return;
    load(*name);
}

void ListFiles::takeDrop(const QStringList &files)
{
    if (files.isEmpty())
        return;
    load(files.first());
}

void ListFiles::takeDropsOn(QWidget &window)
{
    auto *filter = new FileDropFilter([this](const QStringList &files) { takeDrop(files); }, &window);
    for (QWidget *w : window.findChildren<QWidget *>())
        if (w->acceptDrops())
            w->installEventFilter(filter);
}

void ListFiles::load(const QString &path)
{
    const Result<QString> loaded = LoadDataFile(path);
    if (!loaded) {
        // The box keeps its text; the user learns why nothing came in.
        m_env.services().messageBox(loaded.failure(), QStringLiteral("データ呼び出し"), MsgButtons::Ok,
                                    MsgIcon::Exclamation);
        return;
    }
    m_env.savedText() = *loaded;
    m_env.showLoadedList(*loaded);
}

void ListFiles::saveTemporary(const QString &text)
{
    m_env.savedText() = text;
    if (SaveTempDataFile(text, m_env.settingsFolder()))
        m_env.showSaveNote(QStringLiteral("このデータを《BKStmp.txt》名で一時保存しました"));
    else
        m_env.showSaveNote(QStringLiteral("《BKStmp.txt》への一時保存ができませんでした"));
}

void ListFiles::offerToSave(const QString &text)
{
    m_env.savedText() = text;
    PlatformServices &services = m_env.services();
    const MsgResult answer = services.messageBox(textForQuestion(text) + QLatin1String("\r\n")
                                                     + QStringLiteral("上記のデータを保存しますか？"),
                                                 QStringLiteral("漢字練習帳連続印刷"), MsgButtons::YesNo,
                                                 MsgIcon::None);
    while (answer == MsgResult::Yes) {
        const auto name = services.showSave(kDataFileFilter);
        if (!name)
            break;
        const Result<> saved = SaveDataFile(*name, text);
        if (saved)
            break;
        services.messageBox(QStringLiteral("データを保存できませんでした。別の場所を選んでください。")
                                + QLatin1String("\r\n") + saved.failure(),
                            QStringLiteral("漢字練習帳連続印刷"), MsgButtons::Ok, MsgIcon::Critical);
    }
}

}  // namespace bks
