// The real dialogs behind the platform services, driven the way a user
// would answer them.
#include "app/application.h"
#include "app/qtplatformservices.h"
#include "tests/support/cupsqueue.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace bks;

namespace {

// Acts once on the next modal dialog that appears; the timer keeps looking
// until one is up, so the test never hangs on a slow start.
void whenModal(const std::function<void(QWidget *)> &act)
{
    auto *timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(w);
        }
    });
    timer->start();
}

const QString kFilter = QStringLiteral("テキストファイル(*.txt)|*.txt|");

}  // namespace

TEST(QtServices, MessageBoxReturnsTheButtonPressedAndSpeaksJapanese)
{
    ASSERT_TRUE(installJapaneseTranslation(*QCoreApplication::instance()));
    QtPlatformServices services;
    QString yesText;
    whenModal([&yesText](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        ASSERT_NE(box, nullptr);
        yesText = box->button(QMessageBox::Yes)->text();
        EXPECT_EQ(box->text(), QStringLiteral("一行目\n二行目"));
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(services.messageBox(QStringLiteral("一行目\r\n二行目"), QStringLiteral("題"), MsgButtons::YesNo,
                                  MsgIcon::Question),
              MsgResult::No);
    EXPECT_TRUE(yesText.contains(QStringLiteral("はい"))) << yesText.toStdString();
}

// The exit question quotes the user's list, load errors quote file names.
TEST(QtServices, MessageBoxShowsMarkupAsText)
{
    QtPlatformServices services;
    QString shown;
    whenModal([&shown](QWidget *w) {
        if (auto *label = w->findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
            shown = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
        qobject_cast<QMessageBox *>(w)->button(QMessageBox::Ok)->click();
    });
    services.messageBox(QStringLiteral("<b>山</b>"), QStringLiteral("題"), MsgButtons::Ok, MsgIcon::None);
    EXPECT_EQ(shown, QStringLiteral("<b>山</b>"));
}

TEST(QtServices, PrintToPdfSurvivesThePrinterDialog)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("sheets.pdf"));
    QtPlatformServices services;
    whenModal([&file](QWidget *w) {
        auto *dialog = qobject_cast<QPrintDialog *>(w);
        ASSERT_NE(dialog, nullptr);
        if (auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"))) {
            const int pdf = printers->count() - 1;  // "Print to File (PDF)" comes last
            printers->setCurrentIndex(pdf);
        }
        if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("filename")))
            name->setText(file);
        dialog->accept();
    });
    const std::optional<PrinterChoice> choice = services.showPrinter();
    ASSERT_TRUE(choice.has_value());
    EXPECT_TRUE(choice->toPdf());
    EXPECT_EQ(choice->pdfFile, file);
}

TEST(QtServices, CancelledPrinterDialogIsNoChoice)
{
    QtPlatformServices services;
    whenModal([](QWidget *w) { qobject_cast<QDialog *>(w)->reject(); });
    EXPECT_FALSE(services.showPrinter().has_value());
}

// A start from the desktop menu runs in the home or the settings folder;
// lists are kept in the documents folder and wherever the user put them.
TEST(QtServices, ListDialogsStartInDocumentsThenWhereTheLastListWas)
{
    QTemporaryDir dir;
    const QString documents = dir.filePath(QStringLiteral("書類"));
    const QString lists = dir.filePath(QStringLiteral("lists"));
    ASSERT_TRUE(QDir().mkpath(documents) && QDir().mkpath(lists)
                && QDir().mkpath(dir.filePath(QStringLiteral("config"))));
    QFile userDirs(dir.filePath(QStringLiteral("config/user-dirs.dirs")));
    ASSERT_TRUE(userDirs.open(QIODevice::WriteOnly));
    userDirs.write("XDG_DOCUMENTS_DIR=\"" + QFile::encodeName(documents) + "\"\n");
    userDirs.close();
    QFile list(lists + QStringLiteral("/4年.txt"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.close();
    const bool hadConfig = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));

    QtPlatformServices services;
    // Each dialog: where it opened, then what the user does there.
    auto answer = [](QString &shownIn, const QString &name) {
        whenModal([&shownIn, name](QWidget *w) {
            auto *dialog = qobject_cast<QFileDialog *>(w);
            ASSERT_NE(dialog, nullptr);
            shownIn = dialog->directory().absolutePath();
            if (name.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(name);
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        });
    };
    QString first, second, third;
    answer(first, lists + QStringLiteral("/4年.txt"));
    EXPECT_EQ(services.showOpen(kFilter), lists + QStringLiteral("/4年.txt"));
    answer(second, QString());
    EXPECT_FALSE(services.showSave(kFilter).has_value());
    answer(third, QString());
    services.showOpen(kFilter);
    if (hadConfig)
        qputenv("XDG_CONFIG_HOME", oldConfig);
    else
        qunsetenv("XDG_CONFIG_HOME");

    EXPECT_EQ(first, documents);
    EXPECT_EQ(second, lists);
    EXPECT_EQ(third, lists);  // a cancelled dialog moves nothing
}

TEST(CupsDialog, QueueThatPrintsBothSidesIsOfferedOneSided)
{
    // The driver allows two sides only with its duplex unit installed.
    test::ScratchQueue queue(QStringLiteral("bks-twosided"),
                             {QStringLiteral("Option1=True"), QStringLiteral("Duplex=DuplexNoTumble")});
    if (!queue.ok())
        GTEST_SKIP() << "no CUPS scheduler to add a queue to";
    QtPlatformServices services;
    auto choose = [&](const std::function<void(QPrintDialog *)> &set) {
        whenModal([&](QWidget *w) {
            auto *dialog = qobject_cast<QPrintDialog *>(w);
            ASSERT_NE(dialog, nullptr);
            auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
            ASSERT_NE(printers, nullptr);
            printers->setCurrentIndex(printers->findText(queue.name()));
            set(dialog);
            dialog->accept();
        });
        return services.showPrinter();
    };

    const std::optional<PrinterChoice> offered = choose([](QPrintDialog *) {});
    ASSERT_TRUE(offered.has_value());
    EXPECT_EQ(offered->printerName, queue.name());
    EXPECT_EQ(offered->sides, Sides::OneSided);
    EXPECT_EQ(offered->copies, 1);

    const std::optional<PrinterChoice> picked = choose([](QPrintDialog *dialog) {
        dialog->findChild<QRadioButton *>(QStringLiteral("duplexLong"))->setChecked(true);
        dialog->findChild<QSpinBox *>(QStringLiteral("copies"))->setValue(2);
    });
    ASSERT_TRUE(picked.has_value());
    EXPECT_EQ(picked->sides, Sides::TwoSidedLongEdge);
    EXPECT_EQ(picked->copies, 2);
}
