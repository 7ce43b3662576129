#include "handheld/info/InfoDialog.h"

#include "render/ChartFonts.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

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
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    m_buttons->setGeometry(0, LogicalHeight * m_scale, LogicalWidth * m_scale - 4 * m_scale, ButtonHeight * m_scale);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
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
    m_name = label;
    return label;
}

int InfoDialog::leftMargin() const
{
    return fromDialogUnits(7, 0, 0, 0).x();
}

int InfoDialog::rightMargin() const
{
    return LogicalWidth * m_scale - fromDialogUnits(7, 0, 123, 0).right() - 1;
}

int InfoDialog::widenFor(int width)
{
    const QScreen *shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
    const int screenWidth = shownOn ? shownOn->availableGeometry().width() : width;
    const int windowWidth =
        std::min(std::max(leftMargin() + width + rightMargin(), LogicalWidth * m_scale), screenWidth);
    setFixedWidth(windowWidth);
    m_buttons->resize(windowWidth - 4 * m_scale, m_buttons->height());
    const int contents = windowWidth - leftMargin() - rightMargin();
    if (m_name)
        m_name->resize(contents, m_name->height());
    return contents;
}

} // namespace orvel
