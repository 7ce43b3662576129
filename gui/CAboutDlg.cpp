#include "gui/CAboutDlg.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace orvel {

CAboutDlg::CAboutDlg(const Text &text, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(text.title);
    auto *icon = new QLabel(this);
    const int side = 2 * fontMetrics().height(); // the icon grows with the program's font
    icon->setPixmap(QIcon(text.icon).pixmap(side, side));
    auto *version = new QLabel(text.version, this);
    auto *second = new QLabel(text.second, this);
    m_maker = link(QStringLiteral("Tamrex Solution"), QStringLiteral("tamsol.html"));
    m_author = link(QStringLiteral("Jorin Falk"), QStringLiteral("jfa.html"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    // Enter closes the box; the links are reached with Tab.
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    ok->setDefault(true);
    ok->setFocus();

    auto *layout = new QVBoxLayout(this);
    for (QWidget *row : {static_cast<QWidget *>(icon), static_cast<QWidget *>(version), static_cast<QWidget *>(second),
                         static_cast<QWidget *>(m_maker), static_cast<QWidget *>(m_author)})
        layout->addWidget(row, 0, Qt::AlignHCenter);
    layout->addWidget(buttons);
}

void CAboutDlg::show(const Text &text, const QString &programFolder, QWidget *parent)
{
    CAboutDlg dialog(text, parent);
    connect(&dialog, &CAboutDlg::helpPageRequested, &dialog, [programFolder](const QString &name) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(programFolder + u'/' + name)); // a failure shows nothing
    });
    dialog.exec();
}

QLabel *CAboutDlg::link(const QString &text, const QString &page)
{
    auto *label = new QLabel(QStringLiteral("<a href=\"%1\" style=\"color: rgb(0, 0, 255)\">%2</a>")
                                 .arg(page, text.toHtmlEscaped()),
                             this);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(label, &QLabel::linkActivated, this, &CAboutDlg::helpPageRequested);
    return label;
}

} // namespace orvel
