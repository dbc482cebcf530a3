// "連続印刷" and the print preview: the window's side of a print run.
#include "app/form2.h"

#include "app/previewdialog.h"
#include "app/text1queue.h"
#include "kanji/gradetables.h"
#include "print/run/singlesheet.h"
#include "print/surfaces/qtprintsurface.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace bks {

SheetSettings Form2::sheetSettings() const
{
    SheetSettings s;
    s.fontName = Label2->text();
    s.fontScale = m_state.FontScale;
    s.lineSpacing = m_state.LineSpacing;
    s.printOffset = m_state.PrintOffset;
    s.traceShade = m_state.TraceShade;
    s.tracing = Option[5]->isChecked();
    for (int k = 1; k <= 7; ++k)
        s.headings[k] = Text3[k]->text();
    s.writeStrokeCount = menus().soc->isChecked();
    s.writeReadings = menus().sor->isChecked();
    s.writeRadical = menus().sob->isChecked();
    return s;
}

RunOptions Form2::runOptions() const
{
    RunOptions o;
    o.form = sheetForm();
    o.perSheet = charactersPerSheet();
    o.examples = menus().tkdic->isChecked() ? m_state.SentenceTexts : typedExamples();
    o.count = m_state.CharCount;
    o.tenPages = Option[8]->isChecked();
    o.autoNumber = Option[1]->isChecked();
    o.firstNumber = Text2->text();
    o.test.answers = m_menus->answerKeys();
    o.test.variant = m_menus->testVariant();
    // While the box holds the chosen grade's list, a test takes the kanji
    // taught as that publisher teaches them; an edited list is a typed one.
    const std::optional<QString> list = GradeKanji(m_state.SelectedPublisher, m_state.SelectedGrade);
    if (list && text1() == *list) {
        o.test.publisher = m_state.SelectedPublisher;
        o.test.grade = int(GradeNames().indexOf(m_state.SelectedGrade)) + 1;
    }
    return o;
}

std::array<QString, 2> Form2::typedExamples() const
{
    return {Text50->text(), Text51->text()};
}

RunHost Form2::runHost()
{
    RunHost host;
    host.services = &m_services;
    host.sources = &m_sources;
    host.catalog = &m_catalog;
    host.openSurface = m_openSurface ? m_openSurface : SurfaceOpener(&openPrintSurface);
    host.saveTemp = [this](const QString &text) { SaveTempData(text); };
    host.notice = [this](const QString &text) {
        m_services.messageBox(text, QStringLiteral("連続印刷"), MsgButtons::Ok, MsgIcon::Information);
    };
    return host;
}

RunResult Form2::Command1_Click()
{
    if (holdsOwnText())
        return RunResult::NothingPrinted;
    RunHost host = runHost();
    Text1Queue queue(*this);
    const RunResult result = runContinuous(host, queue, sheetSettings(), runOptions(), m_state.run);
    queue.commit();
    m_state.PageCount = m_state.run.pageCount;
    return result;
}

// When nothing can print, the preview says why, as the run would.
void Form2::Preview_Click()
{
    if (holdsOwnText()) {
        ShowEmptyPreview(this,
                         QStringLiteral("入力欄の文は墨翔丸の説明です。印刷する漢字を入力してください"));
        return;
    }
    const SheetSettings settings = sheetSettings();
    if (settings.noFaceChosen()) {
        ShowEmptyPreview(this, QStringLiteral("フォントを選択してください"));
        return;
    }
    const bool nothing = TextQueue(text1()).printableCount() == 0;
    // The preview counts as the run does, from runOptions().count.
    try {
        ShowPrintPreview(this, text1(), settings, runOptions(), m_state.run, m_sources,
                         nothing
                             ? QStringLiteral("印刷する文字がありません（文字なしで印刷するときの用紙です）")
                             : QString());
    } catch (const std::exception &e) {
        m_services.messageBox(QStringLiteral("プレビューを表示できませんでした。") + QStringLiteral("\r\n")
                                  + QString::fromUtf8(e.what()),
                              QStringLiteral("印刷プレビュー"), MsgButtons::Ok, MsgIcon::Critical);
    }
}

void Form2::PrintSingleSheet()
{
    if (holdsOwnText())
        return;
    RunHost host = runHost();
    Text1Queue queue(*this);
    SingleSheetChoice choice;
    choice.form = sheetForm();
    choice.perSheet = charactersPerSheet();
    choice.picked = {Combo3->currentText(), Combo4->currentText()};
    choice.printPicked = menus().tkdic->isChecked();
    choice.typed = typedExamples();
    choice.number = m_state.run.sheetNumber;
    const SingleSheetResult done = RunSingleSheet(host, queue, sheetSettings(), choice);
    queue.commit();
    if (done.drawn) {
        (choice.perSheet == 1 ? m_state.CurrentChar : m_state.CurrentPair) = done.characters;
        // The pick lists belong to the first two places.
        for (size_t i = 0; i < m_state.SentenceTexts.size() && i < size_t(choice.perSheet); ++i)
            m_state.SentenceTexts[i] = choice.picked[i];
    }
}

}  // namespace bks
