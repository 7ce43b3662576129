#include "handheld/info/InfoDialog.h"

#include "platform/gui/ChartFonts.h"

#include <QDialogButtonBox>
#include <QLabel>

#include <algorithm>

namespace orvel {

namespace {
// Pixels per dialog unit of the handheld's 8-point system font: 137 units fill the
// 240-pixel-wide screen.
constexpr int UnitNumerator = 7;
constexpr int UnitDenominator = 4;
} // namespace

InfoDialog::InfoDialog(const QString &title, int scale, QWidget *parent)
    : QDialog(parent), m_scale(std::clamp(scale, 1, 8))
{
    setWindowTitle(title);
    setFont(ChartFonts::text(ChartFonts::TextPixelSize * m_scale));
    setFixedSize(LogicalWidth * m_scale, (LogicalHeight + ButtonHeight) * m_scale);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setGeometry(0, LogicalHeight * m_scale, LogicalWidth * m_scale - 4 * m_scale, ButtonHeight * m_scale);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

QRect InfoDialog::fromDialogUnits(int x, int y, int width, int height) const
{
    const auto px = [this](int units) { return units * UnitNumerator / UnitDenominator * m_scale; };
    return {px(x), px(y), px(width), px(height)};
}

QLabel *InfoDialog::addName(const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("name"));
    label->setGeometry(fromDialogUnits(7, 7, 123, 8));
    return label;
}

} // namespace orvel
