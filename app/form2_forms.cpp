// The forms menu (書き順 and the forms to come): the form every output of the
// window prints, and the characters per sheet it offers.
#include "app/form2.h"

#include "app/controlplacement.h"
#include "print/run/testrun.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include <algorithm>

namespace bks {

namespace {

bool drawsOn(const std::vector<std::string_view> &sources, std::string_view id)
{
    return std::find(sources.begin(), sources.end(), id) != sources.end();
}

}  // namespace

const SheetForm &Form2::chosenForm() const
{
    for (const auto &[item, form] : m_formItems)
        if (item->isChecked())
            return *form;
    return m_catalog.defaultForm();
}

std::string_view Form2::sheetForm() const
{
    return chosenForm().id;
}


// A form's data is opened only now, so a session that never asks for it
// starts as fast as before; without it the item stays off and the sheets
// go on as they are.
void Form2::formItemClicked(QAction *item, const SheetForm &form)
{
    if (item->isChecked()) {
        const QString problem = m_sources.problem(m_catalog.sourcesOf(form.id));
        if (!problem.isEmpty()) {
            item->setChecked(false);
            m_services.messageBox(problem, form.name.toString(), MsgButtons::Ok, MsgIcon::Exclamation);
        } else {
            for (const auto &[other, otherForm] : m_formItems)
                if (other != item)
                    other->setChecked(false);
        }
    }
    showFormChoice();
}

void Form2::soc_Click()
{
    showFormChoice();
}

// The sample says what will print.
void Form2::showFormChoice()
{
    const SheetForm &form = chosenForm();
    const bool strokes = drawsOn(m_catalog.sourcesOf(form.id), kStrokes.id);
    const bool test = testKindOf(form.id).has_value();
    // A test has no heading cells to write in, only keys.
    for (QAction *cells : {sor, sob, soc})
        cells->setEnabled(!test);
    for (const auto &[item, answers] : m_answerItems)
        item->setEnabled(test);
    QString sample = strokes && soc->isChecked() ? QStringLiteral("書き順つき（画数を記入）")
                                                 : form.caption.toString();
    if (test) {
        const AnswerKeys keys = answerKeys();
        sample += keys == AnswerKeys::AfterEach ? QStringLiteral("（答えは各テストの後）")
                  : keys == AnswerKeys::AtEnd   ? QStringLiteral("（答えは最後に）")
                                                : QStringLiteral("（答えなし）");
    }
    Label19->setText(sample);
    Label19->setVisible(!form.caption.isEmpty());
    offerCharactersPerSheet();
    offerSizeMenu(charactersPerSheet());
}

// The characters-per-sheet frame shows the counts the form offers, largest
// first, in the places its two options were designed in; a count the form
// does not offer gives way to its largest.
void Form2::offerCharactersPerSheet()
{
    const std::vector<int> offered = m_catalog.perSheetOffered(sheetForm());
    if (offered.empty())
        return;
    for (const auto &[count, button] : m_perSheetOptions) {
        const auto place = std::find(offered.begin(), offered.end(), count);
        button->setVisible(place != offered.end());
        if (place != offered.end())
            button->move(px(120 + 880 * int(place - offered.begin())), button->y());
    }
    if (std::find(offered.begin(), offered.end(), charactersPerSheet()) == offered.end())
        for (const auto &[count, button] : m_perSheetOptions)
            if (count == offered.front())
                selectOption(button);
}

void Form2::answerItemClicked(QAction *item)
{
    for (const auto &[other, answers] : m_answerItems)
        other->setChecked(other == item);
    showFormChoice();
}

AnswerKeys Form2::answerKeys() const
{
    for (const auto &[item, answers] : m_answerItems)
        if (item->isChecked())
            return answers;
    return AnswerKeys::AfterEach;
}

int Form2::charactersPerSheet() const
{
    for (const auto &[count, button] : m_perSheetOptions)
        if (button->isChecked())
            return count;
    return 2;
}

}  // namespace bks
