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

std::string_view Form2::sheetForm() const
{
    return m_menus->chosenForm().id;
}


void Form2::soc_Click()
{
    showFormChoice();
}

// The sample says what will print.
void Form2::showFormChoice()
{
    const SheetForm &form = m_menus->chosenForm();
    const bool strokes = drawsOn(m_catalog.sourcesOf(form.id), kStrokes.id);
    const bool test = testKindOf(form.id).has_value();
    // A test has no heading cells to write in, only keys.
    for (QAction *cells : {menus().sor, menus().sob, menus().soc})
        cells->setEnabled(!test);
    for (const auto &[item, answers] : menus().answers)
        item->setEnabled(test);
    menus().ansOther->setEnabled(test);
    QString sample = strokes && menus().soc->isChecked() ? QStringLiteral("書き順つき（画数を記入）")
                                                         : form.caption.toString();
    if (test) {
        const AnswerKeys keys = m_menus->answerKeys();
        sample += keys == AnswerKeys::AfterEach ? QStringLiteral("（答えは各テストの後）")
                  : keys == AnswerKeys::AtEnd   ? QStringLiteral("（答えは最後に）")
                                                : QStringLiteral("（答えなし）");
        if (const int variant = m_menus->testVariant())
            sample += QStringLiteral("（問題の組み合わせ %1）").arg(variant + 1);
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

int Form2::charactersPerSheet() const
{
    for (const auto &[count, button] : m_perSheetOptions)
        if (button->isChecked())
            return count;
    return 2;
}

}  // namespace bks
