#include "desktop/CAboutDlg.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QIcon>
#include <QLabel>
#include <QUrl>
#include <QVBoxLayout>

namespace orvel {

CAboutDlg::CAboutDlg(const QString &programFolder, QWidget *parent) : QDialog(parent), m_programFolder(programFolder)
{
    setWindowTitle(QStringLiteral("About OrvelWinConfig"));
    auto *icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/desktop/orvelwinconfig.svg")).pixmap(32, 32));
    auto *version = new QLabel(QStringLiteral("OrvelWinConfig Version 2.0"), this);
    auto *second = new QLabel(QStringLiteral("Place files, horoscopes and settings for OrvelWin CE"), this);
    QLabel *maker = link(QStringLiteral("Tamrex Solution"), QStringLiteral("tamsol.html"));
    QLabel *author = link(QStringLiteral("Jorin Falk"), QStringLiteral("jfa.html"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    for (QWidget *row : {static_cast<QWidget *>(icon), static_cast<QWidget *>(version), static_cast<QWidget *>(second),
                         static_cast<QWidget *>(maker), static_cast<QWidget *>(author)})
        layout->addWidget(row, 0, Qt::AlignHCenter);
    layout->addWidget(buttons);
}

QLabel *CAboutDlg::link(const QString &text, const QString &page)
{
    auto *label = new QLabel(QStringLiteral("<a href=\"%1\" style=\"color: rgb(0, 0, 255)\">%2</a>")
                                 .arg(page, text.toHtmlEscaped()),
                             this);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(label, &QLabel::linkActivated, this, [this](const QString &name) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(m_programFolder + u'/' + name)); // a failure shows nothing
    });
    return label;
}

} // namespace orvel
