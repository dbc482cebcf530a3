#pragma once

#include "app/form2.h"
#include "print/surfaces/recordingsurface.h"
#include "tests/support/forwardingsurface.h"
#include "tests/support/builtsources.h"
#include "tests/support/scriptedservices.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace bks::test {

// A control of the window, found by its object name as a user finds it by
// its place: the window keeps its controls to itself.
template <typename T>
T *control(const QObject &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}
// One of a row of controls: the options are Option1, Option2, …, the others
// Text3(1), Label14(2), ….
template <typename T>
T *control(const QObject &window, const char *name, int index)
{
    const QString full = qstrcmp(name, "Option") == 0
                             ? QStringLiteral("Option%1").arg(index)
                             : QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
    T *found = window.findChild<T *>(full);
    EXPECT_NE(found, nullptr) << qPrintable(full);
    return found;
}

// The text a widget shows its user, as assistive technology reads it: a
// label that renders markup reads as the rendered text, not as the tags.
inline QString shownText(QObject *widget)
{
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(widget);
    return a ? a->text(QAccessible::Name) : QString();
}

// A window in a fresh working directory, with scripted dialogs and a
// recording printer.
// Once the next modal dialog is open, hands it to `read` and accepts it: for
// the window's own dialogs (the preview), which a test cannot reach through
// the platform services.
inline void readNextModal(QObject &owner, std::function<void(QWidget &)> read)
{
    auto *timer = new QTimer(&owner);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, read = std::move(read)] {
        QWidget *w = QApplication::activeModalWidget();
        if (!w)
            return;
        timer->stop();
        read(*w);
        if (auto *dialog = qobject_cast<QDialog *>(w))
            dialog->accept();
    });
    timer->start();
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
    }
    void TearDown() override
    {
        window.reset();
        QDir::setCurrent(previous);
    }

    Form2 &open(bool load = true)
    {
        window = std::make_unique<Form2>(services, sources, openInto(paper), *catalog);
        if (load)
            window->Form_Load();
        return *window;
    }

    void writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray readFile(const QString &name)
    {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    template <typename T>
    T *child(const char *name)
    {
        return window->findChild<T *>(QString::fromUtf8(name));
    }

    QTemporaryDir dir;
    QString previous;
    ScriptedServices services;
    // What the window's sheets draw on; a test may set others before open().
    SheetSources sources = builtSources();
    // What its sheets are chosen from; a test may add rows of its own.
    const SheetCatalog *catalog = &SheetCatalog::standard();
    RecordingSurface paper;
    std::unique_ptr<Form2> window;
};

}  // namespace bks::test
