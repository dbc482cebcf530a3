#include "print/run/sheetrun.h"

#include "print/layouts/headingcells.h"

namespace bks {

void SheetRun::printBlankSheet()
{
    m_catalog.printSheet(m_layout, m_surface, contentFor(QString(kBlank)), m_settings);
}

void SheetRun::printSheets()
{
    if (!m_options.tenPages) {
        const int sheets = m_c.pageCount;
        for (int k = 1; k <= sheets; ++k) {
            m_c.sheetNumber = sheetNumber(k);
            printNext();
            m_c.pageCount = static_cast<qint16>((Int16(m_c.pageCount) - 1).v);
            if (afterSheet())
                break;
        }
    } else {
        for (int k = 0; k <= 9; ++k) {
            // Numbered before the cut, so a number that fails loses no
            // characters.
            m_c.sheetNumber = sheetNumber(static_cast<long long>(m_c.sheetsOfList) + 1);
            printNext();
            ++m_c.sheetsOfList;
            if (afterSheet())
                break;
        }
    }
}

void SheetRun::printNext()
{
    const QString characters = m_text1.takeFront(m_layout.charactersPerSheet);
    const SheetContent content = contentFor(characters);
    m_catalog.printSheet(m_layout, m_surface, content, m_settings);
    for (const CharacterEntry &entry : content.entries)
        if (entry.readingsCut && !m_readingsCut.contains(entry.character))
            m_readingsCut << entry.character;
    m_surface.newPage();
}

// The example texts of a continuous run belong to the kanji they were
// written for: a text that does not hold the sheet's character is left off,
// so words picked for one sheet never turn up on a hundred others.
SheetContent SheetRun::contentFor(const QString &characters) const
{
    std::array<QString, 2> examples = m_options.examples;
    for (size_t place = 0; place < examples.size(); ++place) {
        const QString character = characterAt(characters, qsizetype(place));
        if (character.isEmpty() || !examples[place].contains(character))
            examples[place].clear();
    }
    return sheetContent(m_layout, characters, m_c.sheetNumber, examples, m_sources, m_headingSources);
}

// The number of the sheet at `position` in the numbering (ten-sheet
// batches go on from the sheets earlier batches of the same list printed).
// A first number that is no number ends the run silently; a number beyond
// the 16-bit range ends it with a word.
qint16 SheetRun::sheetNumber(long long position) const
{
    const double first = m_options.autoNumber ? 0.0 : numericValue(m_options.firstNumber);
    try {
        return toInt16(first + static_cast<double>(position));
    } catch (const RunTimeFailure &e) {
        throw SheetNumbersRanOut(e.what());
    }
}

// True when the loop is to end: the text is used up, or the user has asked
// to stop.
bool SheetRun::afterSheet()
{
    ++m_done;
    const bool goOn = m_progress ? m_progress->update(m_done, m_total) : true;
    if (m_text1.isEmpty())
        return true;
    if (!goOn)
        m_cancelled = true;
    return m_cancelled;
}

}  // namespace bks
