// The real dialogs behind the platform services, driven the way a user
// would answer them.
#include "app/application.h"
#include "app/qtplatformservices.h"
#include "tests/support/cupsqueue.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
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
