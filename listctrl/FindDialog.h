#pragma once

#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace tamrex {

// The small find dialog of CExListCtrl: the text to find and the direction.
class FindDialog : public QDialog {
    Q_OBJECT
public:
    FindDialog(const QString &text, bool down, QWidget *parent);

    QString text() const;
    bool down() const;

private:
    QLineEdit *m_text;
    QRadioButton *m_down;
};

} // namespace tamrex
