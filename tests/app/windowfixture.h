#pragma once

#include "app/form2.h"
#include "print/recordingsurface.h"
#include "tests/support/forwardingsurface.h"
#include "tests/support/scriptedservices.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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
        window = std::make_unique<Form2>(services, openInto(paper));
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
    RecordingSurface paper;
    std::unique_ptr<Form2> window;
};

}  // namespace bks::test
