#include "desktop/settings/CSymbolDlg.h"

#include "render/ChartFonts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>

namespace orvel {

CSymbolDlg::CSymbolDlg(int glyph, QWidget *parent) : QDialog(parent), m_glyph(glyph)
{
    setWindowTitle(tr("Symbols"));
    // The whole dialog, and so the list and its items, is drawn in the symbol font.
    QFont symbols(ChartFonts::SymbolFamily);
    symbols.setPixelSize(GlyphPixelSize);
    setFont(symbols);

    m_list = new QComboBox(this);
    m_list->setEditable(false);
    m_list->setInsertPolicy(QComboBox::NoInsert);
    // A drop-down of a few rows under the box rather than a menu as high as the
    // screen, in glyphs as large as the box shows them (the drop-down is a window of
    // its own and would otherwise take the application's font).
    m_list->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    m_list->setMaxVisibleItems(VisibleRows);
    m_list->view()->setFont(symbols);
    for (const int code : offeredCodes())
        m_list->addItem(QString(QChar(code)));
    m_list->setCurrentIndex(m_list->findText(QString(QChar(glyph)), Qt::MatchExactly | Qt::MatchCaseSensitive));

    m_ok = new QPushButton(this);
    m_ok->setIcon(QIcon(QStringLiteral(":/desktop/ok.svg")));
    m_ok->setIconSize(QSize(24, 24));
    m_ok->setDefault(true);
    m_ok->setToolTip(tr("OK"));
    connect(m_ok, &QPushButton::clicked, this, &CSymbolDlg::confirm);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_ok);
}

std::vector<int> CSymbolDlg::offeredCodes()
{
    std::vector<int> codes;
    for (const auto &[first, last] : {std::pair{47, 59}, std::pair{64, 76}, std::pair{80, 90}, std::pair{96, 105}}) {
        for (int code = first; code <= last; ++code)
            codes.push_back(code);
    }
    return codes;
}

void CSymbolDlg::confirm()
{
    if (m_list->currentIndex() < 0)
        return;
    m_glyph = m_list->currentText().at(0).unicode();
    accept();
}

} // namespace orvel
