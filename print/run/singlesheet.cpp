// "単票印刷": one sheet for the first characters of the text, as one output
// of the sheet job.
#include "print/run/singlesheet.h"

#include "print/layouts/headingcells.h"

#include "print/run/sheetjob.h"
#include "print/run/sheetrun.h"

namespace bks {

namespace {

// A short sheet is filled with blanks, so a lone character is used up at
// once rather than printed a second time on the next press. A one-character
// sheet of an empty text shows nothing at all.
QString sheetCharacters(const TextQueue &text1, int perSheet)
{
    QString characters = text1.front(perSheet);
    const qsizetype count = countCharacters(characters);
    if (count > 0 || perSheet > 1)
        characters += QString(std::max<qsizetype>(perSheet - count, 0), kBlank);
    return characters;
}

class SingleSheet : public JobSheets {
public:
    SingleSheet(RunHost &host, TextQueue &text1, const SheetSettings &settings,
                const SingleSheetChoice &choice, SingleSheetResult &done)
        : m_host(host), m_text1(text1), m_settings(settings), m_choice(choice), m_done(done)
    {
    }

    bool begin(const SheetLayout &layout) override
    {
        m_layout = &layout;
        return true;
    }

    QString characters() const override
    {
        if (m_characters.isNull())
            m_characters = sheetCharacters(m_text1, m_layout->charactersPerSheet);
        return m_characters;
    }

    RunResult draw(PrintSurface &surface) override
    {
        m_done.drawn = true;
        m_done.characters = characters();
        const SheetContent content = sheetContent(*m_layout, m_done.characters, m_choice.number,
                                                  m_choice.printPicked ? m_choice.picked : m_choice.typed,
                                                  m_host.dataSources(), headingSources(m_settings));
        m_host.sheetCatalog().printSheet(*m_layout, surface, content, m_settings);
        return RunResult::Printed;
    }

    // The printed characters are cut from the text only once the sheet is
    // out; a failed drawing leaves the text as it was.
    RunResult written(RunResult result) override
    {
        if (result != RunResult::Printed)
            return result;
        const int perSheet = m_layout->charactersPerSheet;
        m_text1.takeFront(perSheet);
        const qsizetype left = m_text1.printableCount();
        if (left > 0 && left < perSheet && m_text1.characters() == left)
            m_text1.append(QString(perSheet - left, kBlank));
        return result;
    }

private:
    RunHost &m_host;
    TextQueue &m_text1;
    const SheetSettings &m_settings;
    const SingleSheetChoice &m_choice;
    SingleSheetResult &m_done;
    const SheetLayout *m_layout = nullptr;
    mutable QString m_characters;
};

}  // namespace

SingleSheetResult RunSingleSheet(RunHost &host, TextQueue &text1, const SheetSettings &settings,
                                 const SingleSheetChoice &choice)
{
    SingleSheetResult done;
    SingleSheet sheet(host, text1, settings, choice, done);
    const JobWording wording{QStringLiteral("単票印刷"), QStringLiteral("フォントを設定してください"),
                             QStringLiteral("インフォーメーション"), MsgIcon::Critical};
    done.result = runSheetJob(host, text1, settings, choice.form, choice.perSheet, sheet, wording);
    return done;
}

}  // namespace bks
