#pragma once

#include <QDialog>

class QLabel;

namespace orvel {

// The About box: the program's icon, version and the maker's and author's names as
// links to their help pages.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget *parent = nullptr);

    QLabel *makerLink() const { return m_maker; }
    QLabel *authorLink() const { return m_author; }

signals:
    // A link was tapped: the help page's file name in the program folder.
    void helpPageRequested(const QString &name);

private:
    QLabel *link(const QString &text, const QString &page);

    QLabel *m_maker;
    QLabel *m_author;
};

} // namespace orvel
