#pragma once

#include "platform/platformservices.h"
#include "print/content/sheetsources.h"
#include "print/layouts/sheetcatalog.h"
#include "print/surfaces/printsurface.h"

#include <array>
#include <functional>
#include <memory>

namespace bks {

// Where a test's answer keys go: each right after its test sheet, all
// after the last test sheet, or nowhere.
enum class AnswerKeys { AfterEach, AtEnd, None };

// What a test run needs besides its form: the keys, which set of words, and
// the list the text is (which says what a pupil has been taught).
struct TestChoice {
    AnswerKeys answers = AnswerKeys::AfterEach;
    int variant = 0;
    // The publisher and grade (1 to 6) whose list the text is; no publisher:
    // a typed or loaded list.
    QString publisher;
    int grade = 0;
};

// How the run is asked for: the choices at the moment of the click.
struct RunOptions {
    // The layout: its family and how many characters each sheet takes.
    std::string_view form = kPracticeForm;
    int perSheet = 2;
    bool tenPages = false;                      // ten sheets a click (else every sheet)
    bool autoNumber = true;                     // numbering "ON"
    QString firstNumber = QStringLiteral("0");  // the first-sheet box, read when numbering is OFF
    bool askBeforeLongRun = true;               // the question for 50 characters or more
    // How many characters of the text the run is for, as the window counts
    // them (a search can set it to the found kanji's place); without it, all.
    std::optional<qint16> count;
    // The example texts offered to the first and the second character of a
    // sheet; a sheet whose character a text does not hold goes without it.
    std::array<QString, 2> examples;
    // Read by the test forms only.
    TestChoice test;
};

// Window state a run reads and leaves behind.
struct RunCounters {
    qint16 runCharCount = 0;
    qint16 pageCount = 0;
    qint16 sheetNumber = 0;
    // Ten-sheet mode: how many sheets earlier batches of the same list have
    // printed, so the next batch goes on numbering from there. The window
    // clears it when a new list is typed, loaded or chosen.
    int sheetsOfList = 0;
    // Blanks the last run appended to fill its last sheet: not characters
    // of the user's, so a message about what was not printed leaves them out.
    int padding = 0;
};

// What a run needs from its surroundings.
struct RunHost {
    PlatformServices *services = nullptr;
    // The data sources the sheets draw on; without them, none.
    const SheetSources *sources = nullptr;
    const SheetSources &dataSources() const
    {
        static const SheetSources none;
        return sources ? *sources : none;
    }
    // The forms and layouts the sheets are chosen from; without them, the
    // program's own.
    const SheetCatalog *catalog = nullptr;
    const SheetCatalog &sheetCatalog() const { return catalog ? *catalog : SheetCatalog::standard(); }
    // Opens the output chosen in the printer dialog; throws PrintSurfaceError
    // or returns nullptr when it cannot.
    std::function<std::unique_ptr<PrintSurface>(const PrinterChoice &)> openSurface;
    // Writes the temporary copy of the list (BKStmp.txt).
    std::function<void(const QString &)> saveTemp;
    // Characters not printed stay in a text box the user sees; without one
    // (the command line) the messages name them instead.
    bool keepsText = true;
    // Told what the user should know of a run that went on regardless: the
    // facts for the heading cells missing, readings left off. Without it
    // nothing is said.
    std::function<void(const QString &)> notice;
    // A user answers the run's questions; without one (the command line) the
    // run says what it would have asked and goes on.
    bool asksUser = true;
};

enum class RunResult {
    Printed,         // the run ended normally
    NothingPrinted,  // declined, cancelled, or no font
    Stopped,         // a silent run-time failure or the user's cancel ended the run early
    OutputFailed,    // the output could not be written; the message has been shown
    CharactersLeft,  // every sheet the count allows was printed, more characters wait; the message has been
                     // shown
    NumbersRanOut,   // the sheet numbers left the 16-bit range and the run ended there; the message has been
                     // shown
};

}  // namespace bks
