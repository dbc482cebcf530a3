#pragma once

#include "app/form2.h"
#include "print/surfaces/recordingsurface.h"
#include "tests/support/forwardingsurface.h"
#include "tests/support/builtsources.h"
#include "tests/support/scriptedservices.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace bks::test {

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
        window = std::make_unique<Form2>(services, sources, openInto(paper));
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
    RecordingSurface paper;
    std::unique_ptr<Form2> window;
};

}  // namespace bks::test
