#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace bks {

class PlatformServices;

// All the list files see of the window.
class ListFilesEnvironment {
public:
    virtual ~ListFilesEnvironment() = default;
    virtual PlatformServices &services() = 0;
    // Where BKStmp.txt goes.
    virtual QString settingsFolder() const = 0;
    // The text the last save or load was about (SaveDataText).
    virtual QString &savedText() = 0;
    // The kanji box takes a loaded list in its own size, as one step the
    // user can undo.
    virtual void showLoadedList(const QString &text) = 0;
    // The line under the box that tells what became of the temporary copy.
    virtual void showSaveNote(const QString &note) = 0;
};

// The kanji list's files: loading one by the menu or a drop, the temporary
// copy before printing and the offer to keep the list at exit.
class ListFiles {
public:
    explicit ListFiles(ListFilesEnvironment &env) : m_env(env) {}

    void open();
    // Only the first of several dropped files is loaded.
    void takeDrop(const QStringList &files);
    // Every field under `window` that takes drops (the kanji box's viewport,
    // the line edits, the edit fields of the drop-downs) hands dropped files
    // on here instead of inserting their names.
    void takeDropsOn(QWidget &window);
    void saveTemporary(const QString &text);
    // Asks whether to keep `text`; a write that fails says why and asks for
    // another place, so the list is given up only by a cancel.
    void offerToSave(const QString &text);

private:
    void load(const QString &path);

    ListFilesEnvironment &m_env;
};

}  // namespace bks
