// What reaches the window from outside: dropped files, the mouse wheel and
// typing in the drop-down lists, and texts from the settings file.
#include "tests/app/windowfixture.h"

#include "app/application.h"
#include "files/textcodec.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QUrl>

#include <sys/resource.h>
#include <unistd.h>

using namespace bks;
using namespace bks::test;

namespace {

// Drags `mime` over `target` and drops it there, as the window system
// delivers it. Returns the action the drop was accepted with.
Qt::DropAction dragAndDrop(QWidget *target, QMimeData *mime)
{
    const QPointF at(5, 5);
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at.toPoint(), offered, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at.toPoint(), offered, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(at, offered, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

void wheelDown(QWidget *target)
{
    QWheelEvent wheel(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

// Caps the address space for the rest of a scope, so that a runaway read
// fails the test instead of taking the machine's memory.
class AddressSpaceCap {
public:
    explicit AddressSpaceCap(rlim_t extraBytes)
    {
        getrlimit(RLIMIT_AS, &m_saved);
        QFile status(QStringLiteral("/proc/self/statm"));
        long pages = 0;
        if (status.open(QIODevice::ReadOnly))
            pages = status.readLine().split(' ').value(0).toLong();
        rlimit capped = m_saved;
        capped.rlim_cur = rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) + extraBytes;
        if (m_saved.rlim_cur == RLIM_INFINITY || capped.rlim_cur < m_saved.rlim_cur)
            setrlimit(RLIMIT_AS, &capped);
    }
    ~AddressSpaceCap() { setrlimit(RLIMIT_AS, &m_saved); }

private:
    rlimit m_saved{};
};

}  // namespace

TEST_F(WindowTest, FilesDroppedAnywhereAreLoadedAndTextDropsStayText)
{
    writeFile(QStringLiteral("list.txt"), encodeShiftJis(QStringLiteral("山川\r\n")));
    Form2 &f = open();
    const QUrl file = QUrl::fromLocalFile(dir.filePath(QStringLiteral("list.txt")));
    for (QWidget *target :
         {control<QPlainTextEdit>(f, "Text1")->viewport(),
          static_cast<QWidget *>(control<QLineEdit>(f, "Text4")),
          static_cast<QWidget *>(control<QComboBox>(f, "Combo1")->lineEdit()), static_cast<QWidget *>(&f)}) {
        SCOPED_TRACE(target->objectName().toStdString());
        f.setText1(QStringLiteral("空"));
        const QString text4 = control<QLineEdit>(f, "Text4")->text();
        QMimeData mime;
        mime.setUrls({file});
        // A copy: a move would let the file manager delete the user's file.
        EXPECT_EQ(dragAndDrop(target, &mime), Qt::CopyAction);
        EXPECT_EQ(f.text1(), QStringLiteral("山川"));
        EXPECT_EQ(control<QLineEdit>(f, "Text4")->text(), text4);
        EXPECT_EQ(control<QComboBox>(f, "Combo1")->count(), 5);
    }

    f.setText1(QStringLiteral("空"));
    QMimeData words;
    words.setText(QStringLiteral("海"));
    dragAndDrop(control<QPlainTextEdit>(f, "Text1")->viewport(), &words);
    EXPECT_TRUE(f.text1().contains(QStringLiteral("海")));
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(WindowTest, ListsChangeOnlyWhenTheUserPicks)
{
    Form2 &f = open();
    control<QComboBox>(f, "Combo1")->setCurrentIndex(1);
    f.Combo1_Click();
    control<QComboBox>(f, "Combo2")->setCurrentIndex(3);
    f.Combo2_Click();
    const QString list = f.text1();
    control<QComboBox>(f, "Combo3")->addItems({QStringLiteral("一"), QStringLiteral("二")});
    control<QComboBox>(f, "Combo3")->setCurrentIndex(0);

    for (QComboBox *combo : {control<QComboBox>(f, "Combo1"), control<QComboBox>(f, "Combo2"),
                             control<QComboBox>(f, "Combo3")}) {
        SCOPED_TRACE(combo->objectName().toStdString());
        const int index = combo->currentIndex();
        const int count = combo->count();
        wheelDown(combo);
        EXPECT_EQ(combo->currentIndex(), index);

        combo->lineEdit()->setFocus();
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), QStringLiteral("Shinki"));
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(combo->count(), count);
        EXPECT_EQ(combo->findText(QStringLiteral("Shinki")), -1);
    }
    EXPECT_EQ(f.text1(), list);
    EXPECT_EQ(f.state().SelectedPublisher, QStringLiteral("東京書籍"));
    EXPECT_EQ(f.state().SelectedGrade, QStringLiteral("４年"));
}

TEST_F(WindowTest, StartsWithItsOwnTitleAndCyanEntryFields)
{
    configureApplication(*QCoreApplication::instance());
    // A display name would be appended to every title by the X11 platform.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    Form2 &f = open();
    for (QWidget *w : {static_cast<QWidget *>(control<QComboBox>(f, "Combo1")->lineEdit()),
                       static_cast<QWidget *>(control<QComboBox>(f, "Combo2")->lineEdit()),
                       static_cast<QWidget *>(control<QPlainTextEdit>(f, "Text1"))})
        EXPECT_EQ(w->palette().color(QPalette::Base), QColor(128, 255, 255)) << w->objectName().toStdString();
}

TEST_F(WindowTest, ShortSettingsFilesApplyWhatTheyHold)
{
    writeFile(QStringLiteral("BKS.ini"), QByteArray("a,b,c,d,e,f,g,IPAexMincho\r\n"));
    Form2 &f = open();
    EXPECT_EQ(control<QLabel>(f, "Label2")->text(), QStringLiteral("IPAexMincho"));
    EXPECT_EQ(control<QLineEdit>(f, "Text3", 1)->text(), QStringLiteral("a"));
    EXPECT_EQ(control<QLineEdit>(f, "Text3", 7)->text(), QStringLiteral("g"));
    f.setText1(QString());
    f.Form_Unload();
    EXPECT_TRUE(readFile(QStringLiteral("BKS.ini")).startsWith("a,b,c,d,e,f,g,IPAexMincho,"));

    writeFile(QStringLiteral("BKS.ini"), encodeShiftJis(QStringLiteral("題,名\r\n")));
    Form2 &g = open();
    EXPECT_EQ(control<QLineEdit>(g, "Text3", 2)->text(), QStringLiteral("名"));
    EXPECT_EQ(control<QLineEdit>(g, "Text3", 3)->text(), QStringLiteral("音読み"));
    EXPECT_EQ(control<QLabel>(g, "Label2")->text(),
              QStringLiteral("Klee One"));  // no face: the first start's

    for (const QByteArray &nothing : {QByteArray(), QByteArray("\r\n\r\n")}) {
        writeFile(QStringLiteral("BKS.ini"), nothing);
        Form2 &h = open();
        EXPECT_EQ(control<QLabel>(h, "Label2")->text(), QStringLiteral("Klee One"));
        EXPECT_TRUE(control<QLineEdit>(h, "Text3", 1)->text().isEmpty());
        EXPECT_EQ(control<QLineEdit>(h, "Text4")->text(), QStringLiteral("墨"));
    }
}

TEST_F(WindowTest, MarkupInTheSettingsFileIsShownAsText)
{
    const QString image = QStringLiteral("<img src=\"/dev/zero\">");
    const QString bold = QStringLiteral("<b>x</b>");
    writeFile(QStringLiteral("BKS.ini"),
              encodeShiftJis(image + QLatin1Char(',') + bold + QStringLiteral(",c,d,e,f,g,") + bold
                             + QStringLiteral(",山\r\n")));
    const AddressSpaceCap cap(rlim_t(1) << 30);
    Form2 &f = open();
    f.show();
    control<QWidget>(f, "designPanel")->show();
    f.grab();  // lays out and paints every label
    EXPECT_EQ(shownText(control<QLabel>(f, "Label14", 1)), image);
    EXPECT_EQ(shownText(control<QLabel>(f, "Label14", 8)), image);
    EXPECT_EQ(shownText(control<QLabel>(f, "Label14", 2)), bold);
    EXPECT_EQ(shownText(control<QLabel>(f, "Label2")), bold);
    for (QLabel *label : f.findChildren<QLabel *>())
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
}
