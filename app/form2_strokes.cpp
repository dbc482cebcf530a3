// The 書き順 menu: stroke-order sheets for every output of the window.
#include "app/form2.h"

#include <QAction>
#include <QLabel>

namespace bks {

std::string_view Form2::sheetForm() const
{
    return sop->isChecked() ? kStrokeOrderForm : kPracticeForm;
}

// The data is opened only now, so a session that never asks for stroke order
// starts as fast as before; without it the item stays off and the practice
// sheets go on as they are.
void Form2::sop_Click()
{
    if (sop->isChecked()) {
        constexpr std::string_view needed[] = {kStrokes.id};
        if (const QString problem = m_sources.problem(needed); !problem.isEmpty()) {
            sop->setChecked(false);
            m_services.messageBox(problem, QStringLiteral("書き順"), MsgButtons::Ok, MsgIcon::Exclamation);
        }
    }
    showStrokeOrderChoice();
}

void Form2::soc_Click()
{
    showStrokeOrderChoice();
}

// "画数を記入" keeps its mark while the form is off, for when it comes back;
// the sample says what will print.
void Form2::showStrokeOrderChoice()
{
    const bool on = sop->isChecked();
    soc->setEnabled(on);
    Label19->setText(soc->isChecked() ? QStringLiteral("書き順つき（画数を記入）")
                                      : QStringLiteral("書き順つきで印刷"));
    Label19->setVisible(on);
    offerSizeMenu(charactersPerSheet());
}

}  // namespace bks
