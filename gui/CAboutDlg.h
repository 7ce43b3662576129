#pragma once

#include <QDialog>
#include <QString>

class QLabel;

namespace orvel {

// An About box: the program's icon, its version and a second line, and the maker's and
// author's names in blue as links to their help pages.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    struct Text {
        QString title;
        QString icon;    // a resource path
        QString version;
        QString second;
    };

    explicit CAboutDlg(const Text &text, QWidget *parent = nullptr);

    QLabel *makerLink() const { return m_maker; }
    QLabel *authorLink() const { return m_author; }

    // Opens the box over `parent`; a tapped link opens its help page of
    // `programFolder` in the desktop's default browser.
    static void show(const Text &text, const QString &programFolder, QWidget *parent);

signals:
    // A link was tapped: the help page's file name in the program folder.
    void helpPageRequested(const QString &name);

private:
    QLabel *link(const QString &text, const QString &page);

    QLabel *m_maker;
    QLabel *m_author;
};

} // namespace orvel
