#include "app/listfiles.h"

#include "tests/support/scriptedservices.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace bks::test {
namespace {

// The window as the list files see it, and nothing more.
struct FakeWindow : ListFilesEnvironment {
    ScriptedServices scripted;
    QString folder, saved, box = QStringLiteral("山川"), note;
    PlatformServices &services() override { return scripted; }
    QString settingsFolder() const override { return folder; }
    QString &savedText() override { return saved; }
    void showLoadedList(const QString &text) override { box = text; }
    void showSaveNote(const QString &text) override { note = text; }
};

TEST(ListFiles, WritesThatFailKeepTheListAndSayWhy)
{
    QTemporaryDir dir;
    FakeWindow window;
    ListFiles files(window);

    // A settings folder that is not there: no copy, and the note says so.
    window.folder = dir.filePath(QStringLiteral("gone"));
    files.saveTemporary(QStringLiteral("山川"));
    EXPECT_EQ(window.saved, QStringLiteral("山川"));
    EXPECT_TRUE(window.note.contains(QStringLiteral("できませんでした"))) << qPrintable(window.note);

    // A folder chosen as the place to save is refused with its reason; the
    // user is asked again, and only the cancel ends the offer.
    window.scripted.saveNames = {dir.path()};
    files.offerToSave(QStringLiteral("山川"));
    EXPECT_EQ(window.scripted.saveDialogs, 2);
    ASSERT_EQ(window.scripted.messages.size(), 2u);
    EXPECT_TRUE(window.scripted.messages[1].text.startsWith(QStringLiteral("データを保存できませんでした")));
    EXPECT_FALSE(window.scripted.messages[1].text.section(QLatin1String("\r\n"), 1).isEmpty());

    // A file that cannot be read leaves the box as it was.
    files.takeDrop({dir.filePath(QStringLiteral("none.txt")), dir.filePath(QStringLiteral("other.txt"))});
    EXPECT_EQ(window.box, QStringLiteral("山川"));
    EXPECT_EQ(window.scripted.messages.back().title, QStringLiteral("データ呼び出し"));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

}  // namespace
}  // namespace bks::test
