#pragma once

#include <QDialog>

class QLabel;

namespace orvel {

// The desktop program's About box: icon, version, and the maker's and author's names
// in blue, each opening its help page from the program folder in the default browser.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    CAboutDlg(const QString &programFolder, QWidget *parent = nullptr);

private:
    QLabel *link(const QString &text, const QString &page);

    QString m_programFolder;
};

} // namespace orvel
