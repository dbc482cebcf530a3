#pragma once

#include "platform/platformservices.h"

#include <QPointer>
#include <QWidget>

namespace bks {

// The real dialogs of the desktop, parented to the window.
class QtPlatformServices : public PlatformServices {
public:
    explicit QtPlatformServices(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    MsgResult messageBox(const QString &text, const QString &title, MsgButtons buttons,
                         MsgIcon icon) override;
    std::optional<PrinterChoice> showPrinter() override;
    std::optional<QString> showOpen(const QString &filter) override;
    std::optional<QString> showSave(const QString &filter) override;
    std::optional<QString> showFont(const QString &currentFace) override;
    bool openUrl(const QUrl &url) override;
    std::unique_ptr<RunProgress> startProgress(const QString &label, int total) override;

    // Where the kanji-list dialogs open: the documents folder at first, then
    // the folder of the list last opened or saved.
    QString listFolder() const;

private:
    QPointer<QWidget> m_parent;
    QString m_lastListFolder;
};

// The text of a message as Qt shows it: CR LF becomes a line break.
QString messageForDisplay(const QString &text);

}  // namespace bks
