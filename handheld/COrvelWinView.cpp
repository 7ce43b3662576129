#include "handheld/COrvelWinView.h"

#include "handheld/HandheldSession.h"
#include "handheld/chart/WheelCanvas.h"
#include "handheld/chart/WheelPainter.h"
#include "platform/gui/SoftInputPanel.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace orvel {

COrvelWinView::COrvelWinView(HandheldSession &session, SoftInputPanel &panel, int scale, QWidget *parent)
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
    if (!m_session.document.isReady())
        return;
    QPainter painter(this);
    const double scale = std::min(width() / double(WheelCanvas::Width), height() / double(WheelCanvas::Height));
    painter.translate((width() - WheelCanvas::Width * scale) / 2, (height() - WheelCanvas::Height * scale) / 2);
    WheelPainter::paint(painter, m_session.scene(), scale);
    if (!m_painted) {
        m_painted = true;
        emit firstPainted();
    }
}

void COrvelWinView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit tapped(event->globalPosition().toPoint());
    QWidget::mousePressEvent(event);
}

} // namespace orvel
