#include "handheld/COrvelWinView.h"

#include "session/Session.h"
#include "render/WheelCanvas.h"
#include "render/WheelPainter.h"
#include "gui/SoftInputPanel.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace orvel {

COrvelWinView::COrvelWinView(Session &session, SoftInputPanel &panel, int scale, QWidget *parent)
    : QWidget(parent), m_session(session), m_panel(panel), m_scale(scale)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setMinimumSize(WheelCanvas::Width, WheelCanvas::Height);
}

QSize COrvelWinView::sizeHint() const
{
    return QSize(WheelCanvas::Width, WheelCanvas::Height) * m_scale;
}

void COrvelWinView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    m_panel.setUp(window(), false);
    m_session.commands.showRadixI();
    update();
}

void COrvelWinView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const double scale = std::min(width() / double(WheelCanvas::Width), height() / double(WheelCanvas::Height));
    painter.translate((width() - WheelCanvas::Width * scale) / 2, (height() - WheelCanvas::Height * scale) / 2);
    WheelPainter::paint(painter, m_session.scene(), WheelColours::of(palette()), scale);
    // Every chart command repaints the view, so its name follows the chart.
    if (const QString description = chartDescription(); description != accessibleName())
        setAccessibleName(description);
    if (!m_painted) {
        m_painted = true;
        emit firstPainted();
    }
}

QString COrvelWinView::chartDescription() const
{
    const std::vector<HoroscopeRecord> &list = m_session.document.horoscopes();
    const auto who = [&list](int index) {
        return index >= 0 && index < int(list.size()) ? list[index] : HoroscopeRecord{};
    };
    const HoroscopeRecord current = who(m_session.engine.currentSlot());
    const QString pair = who(0).name + QStringLiteral(" / ") + who(1).name;
    const ChartCommands &commands = m_session.commands;
    switch (commands.mode()) {
    case ChartMode::RadixI:
        return tr("Radix I: %1, %2").arg(current.name, current.city);
    case ChartMode::RadixII:
        return tr("Radix II: %1, %2").arg(current.name, current.city);
    case ChartMode::Solar:
        return tr("Solar %1: %2, %3")
            .arg(QString::number(commands.solarMoment().year()), current.name,
                 commands.solarPlace() ? commands.solarPlace()->city : QString());
    case ChartMode::Composite:
        return tr("Composite: %1").arg(pair);
    case ChartMode::Synastry:
        return tr("Synastry: %1").arg(pair);
    case ChartMode::Transit:
        return tr("Transit: %1 / Current transits").arg(current.name);
    }
    return {};
}

void COrvelWinView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit tapped(event->globalPosition().toPoint());
    QWidget::mousePressEvent(event);
}

} // namespace orvel
