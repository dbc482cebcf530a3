#pragma once

#include "print/printjob.h"
#include "print/sheetlayouts.h"
#include "print/sheetmath.h"

namespace bks {

// The blank that stands for a missing character.
inline const QChar kBlank(char16_t(0x3000));

// One run over the queue: the two loops and the sheet without characters.
// Run-time failures and surface errors leave by exception.
class RunLoops {
public:
    RunLoops(PrintSurface &surface, TextQueue &text1, const SheetSettings &settings,
        const RunOptions &options, RunCounters &counters)
        : m_surface(surface), m_text1(text1), m_settings(settings), m_options(options), m_c(counters)
    {
    }

    void setProgress(RunProgress *progress, int total)
    {
        m_progress = progress;
        m_total = total;
    }
    bool cancelled() const { return m_cancelled; }

    // The sheet the empty text prints when the user agrees.
    void printEmptySheet()
    {
        if (m_options.oneChar)
            PrintOneCharPage(m_surface, settingsFor(kBlank), QString(kBlank), m_c.sheetNumber);
        else
            PrintTwoCharPage(m_surface, settingsFor(kBlank), QString(kBlank), m_c.sheetNumber);
    }

    void RunOneCharJob()
    {
        if (!m_options.tenPages) {
            for (int k = 1; k <= m_c.runCharCount; ++k) {
                const Int16 sinceStart = Int16(m_c.runCharCount) - m_c.pageCount + 1;
                m_c.sheetNumber = m_options.autoNumber
                                      ? static_cast<qint16>(sinceStart.v)
                                      : toInt16(numericValue(m_options.firstNumber) + sinceStart.d());
                const QString currentChar = cut(1);
                PrintOneCharPage(m_surface, settingsFor(currentChar), currentChar, m_c.sheetNumber);
                m_surface.newPage();
                m_c.pageCount = static_cast<qint16>((Int16(m_c.pageCount) - 1).v);
                if (afterSheet())
                    break;
            }
        } else {
            for (int k = 0; k <= 9; ++k) {
                m_c.sheetNumber = batchNumber();
                const QString currentChar = cut(1);
                PrintOneCharPage(m_surface, settingsFor(currentChar), currentChar, m_c.sheetNumber);
                m_surface.newPage();
                ++m_c.sheetsOfList;
                if (afterSheet())
                    break;
            }
        }
    }

    void RunTwoCharJob()
    {
        if (!m_options.tenPages) {
            const int last = m_c.runCharCount / 2 + 1;
            for (int k = 1; k <= last; ++k) {
                m_c.sheetNumber = m_options.autoNumber
                                      ? static_cast<qint16>(k)
                                      : toInt16(numericValue(m_options.firstNumber) + k);
                const QString currentPair = cut(2);
                PrintTwoCharPage(m_surface, settingsFor(currentPair), currentPair, m_c.sheetNumber);
                m_surface.newPage();
                if (afterSheet())
                    break;
            }
        } else {
            for (int k = 0; k <= 9; ++k) {
                // Numbered before the cut, so a number that fails loses no
                // characters.
                m_c.sheetNumber = batchNumber();
                const QString currentPair = cut(2);
                PrintTwoCharPage(m_surface, settingsFor(currentPair), currentPair, m_c.sheetNumber);
                m_surface.newPage();
                ++m_c.sheetsOfList;
                if (afterSheet())
                    break;
            }
        }
        // Setting the count label to "0" while characters remain would make
        // the next batch see an empty list, so the label only reads "0" when
        // the text is used up (where it already does).
        if (!m_cancelled && m_text1.isEmpty())
            m_text1.setCountLabel(QStringLiteral("0"));
    }

private:
    // Cuts the next n characters to print from the front of the text.
    QString cut(int n) { return m_text1.takeFront(n); }

    // The example texts of a continuous run belong to the kanji they were
    // written for: a text that does not hold the sheet's character is left
    // off, so words picked for one sheet never turn up on a hundred others.
    SheetSettings settingsFor(const QString &characters) const
    {
        SheetSettings s = m_settings;
        const QString first = printableFront(characters, 1);
        const QString second = characters.mid(first.size());
        auto keep = [](QString &example, const QString &character) {
            if (character.isEmpty() || !example.contains(character))
                example.clear();
        };
        keep(s.text50, first);
        keep(s.sentenceTexts[0], first);
        keep(s.text51, second);
        keep(s.sentenceTexts[1], second);
        return s;
    }

    // Ten-sheet batches go on numbering from the sheets earlier batches of
    // the same list printed.
    qint16 batchNumber() const
    {
        const long long position = static_cast<long long>(m_c.sheetsOfList) + 1;
        if (m_options.autoNumber)
            return checked16(position);
        return toInt16(numericValue(m_options.firstNumber) + static_cast<double>(position));
    }

    // True when the loop is to end: the text is used up, or the user has
    // asked to stop.
    bool afterSheet()
    {
        ++m_done;
        const bool goOn = m_progress ? m_progress->update(m_done, m_total) : true;
        if (m_text1.isEmpty())
            return true;
        if (!goOn)
            m_cancelled = true;
        return m_cancelled;
    }

    PrintSurface &m_surface;
    TextQueue &m_text1;
    const SheetSettings &m_settings;
    const RunOptions &m_options;
    RunCounters &m_c;
    RunProgress *m_progress = nullptr;
    int m_total = 0;
    int m_done = 0;
    bool m_cancelled = false;
};

}  // namespace bks
