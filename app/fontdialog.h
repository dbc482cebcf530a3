#pragma once

#include <QDialog>

class QLabel;
class QListWidget;

namespace bks {

// Lists the installed faces that can print kanji, each with its vertical
// "@" entry, and shows a sample of the chosen one. Only the face name is
// taken from it.
class FontDialog : public QDialog {
    Q_OBJECT
public:
    explicit FontDialog(const QString &currentFace, QWidget *parent = nullptr);
    QString faceName() const;

private:
    void showSample();

    QListWidget *m_list;
    QLabel *m_sample;
};

}  // namespace bks
