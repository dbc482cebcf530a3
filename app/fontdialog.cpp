#include "app/fontdialog.h"

#include "files/fonts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace bks {

FontDialog::FontDialog(const QString &currentFace, QWidget *parent)
    : QDialog(parent), m_list(new QListWidget(this)), m_sample(new QLabel(this))
{
    setObjectName(QStringLiteral("fontDialog"));
    setWindowTitle(QStringLiteral("使用フォントの選択"));
    m_list->setObjectName(QStringLiteral("fontList"));
    m_list->addItems(KanjiFontFamilies());
    const auto found = m_list->findItems(currentFace, Qt::MatchExactly);
    m_list->setCurrentItem(found.isEmpty() ? m_list->item(0) : found.first());
    m_sample->setObjectName(QStringLiteral("fontSample"));
    m_sample->setMinimumHeight(72);
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setTextFormat(Qt::PlainText);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *layout = new QVBoxLayout(this);
    auto *caption = new QLabel(QStringLiteral("フォント名"), this);
    caption->setTextFormat(Qt::PlainText);
    layout->addWidget(caption);
    layout->addWidget(m_list);
    layout->addWidget(m_sample);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(m_list, &QListWidget::currentRowChanged, this, [this] { showSample(); });
    showSample();
    resize(360, 420);
}

QString FontDialog::faceName() const
{
    return m_list->currentItem() ? m_list->currentItem()->text() : QString();
}

void FontDialog::showSample()
{
    QFont f(resolvedFamily(faceName()));
    f.setPointSize(28);
    m_sample->setFont(f);
    m_sample->setText(QStringLiteral("永字八法　漢字練習"));
}

}  // namespace bks
