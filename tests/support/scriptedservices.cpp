#include "tests/support/scriptedservices.h"

namespace bks::test {

namespace {

MsgResult firstButton(MsgButtons buttons)
{
    return buttons == MsgButtons::YesNo ? MsgResult::Yes : MsgResult::Ok;
}

template <typename T>
std::optional<T> next(std::deque<std::optional<T>> &queue)
{
    std::optional<T> v;
    if (!queue.empty()) {
        v.swap(queue.front());
        queue.pop_front();
    }
    return v;
}

class ScriptedProgress : public RunProgress {
public:
    explicit ScriptedProgress(ScriptedServices &owner) : m_owner(owner) {}
    bool update(int done, int total) override
    {
        m_owner.progressUpdates.emplace_back(done, total);
        return m_owner.cancelProgressAfter < 0 || done < m_owner.cancelProgressAfter;
    }

private:
    ScriptedServices &m_owner;
};

}  // namespace

MsgResult ScriptedServices::messageBox(const QString &text, const QString &title, MsgButtons buttons,
                                       MsgIcon icon)
{
    messages.push_back({text, title, buttons, icon});
    if (answers.empty())
        return firstButton(buttons);
    const MsgResult r = answers.front();
    answers.pop_front();
    return r;
}

std::optional<PrinterChoice> ScriptedServices::showPrinter()
{
    ++printerDialogs;
    return next(printers);
}

std::optional<QString> ScriptedServices::showOpen(const QString &)
{
    ++openDialogs;
    return next(openNames);
}

std::optional<QString> ScriptedServices::showSave(const QString &)
{
    ++saveDialogs;
    return next(saveNames);
}

std::optional<QString> ScriptedServices::showFont(const QString &)
{
    ++fontDialogs;
    return next(fonts);
}

bool ScriptedServices::openUrl(const QUrl &url)
{
    urls.push_back(url);
    return urlOpens;
}

std::unique_ptr<RunProgress> ScriptedServices::startProgress(const QString &, int)
{
    ++progressStarted;
    return std::make_unique<ScriptedProgress>(*this);
}

QStringList ScriptedServices::messageTexts() const
{
    QStringList out;
    for (const auto &m : messages)
        out << m.text;
    return out;
}

}  // namespace bks::test
