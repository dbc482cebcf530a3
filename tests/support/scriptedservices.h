#pragma once

#include "platform/platformservices.h"

#include <QStringList>

#include <deque>
#include <vector>

namespace bks::test {

// Platform services that answer from a script and remember what was asked.
// An unscripted question gets the first button's answer (OK / Yes), an
// unscripted dialog is cancelled.
class ScriptedServices : public PlatformServices {
public:
    struct Message {
        QString text, title;
        MsgButtons buttons;
        MsgIcon icon;
    };

    std::deque<MsgResult> answers;
    std::deque<std::optional<PrinterChoice>> printers;
    std::deque<std::optional<QString>> openNames, saveNames, fonts;
    bool urlOpens = true;
    int cancelProgressAfter = -1;  // update() returns false once done reaches it

    std::vector<Message> messages;
    std::vector<QUrl> urls;
    int printerDialogs = 0, openDialogs = 0, saveDialogs = 0, fontDialogs = 0;
    std::vector<std::pair<int, int>> progressUpdates;
    int progressStarted = 0;

    MsgResult messageBox(const QString &text, const QString &title, MsgButtons buttons,
                         MsgIcon icon) override;
    std::optional<PrinterChoice> showPrinter() override;
    std::optional<QString> showOpen(const QString &filter) override;
    std::optional<QString> showSave(const QString &filter) override;
    std::optional<QString> showFont(const QString &currentFace) override;
    bool openUrl(const QUrl &url) override;
    std::unique_ptr<RunProgress> startProgress(const QString &label, int total) override;

    QStringList messageTexts() const;
};

}  // namespace bks::test
