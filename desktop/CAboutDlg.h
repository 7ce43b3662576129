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

    QLabel *makerLink() const { return m_maker; }
    QLabel *authorLink() const { return m_author; }

signals:
    // A name was clicked: the help page's path, about to be opened.
    void helpPageOpened(const QString &path);

private:
    QLabel *link(const QString &text, const QString &page);

    QString m_programFolder;
    QLabel *m_maker;
    QLabel *m_author;
};

} // namespace orvel
